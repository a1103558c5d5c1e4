#pragma once
// Grey pictures for the image object: read from any picture file the
// program reads (colour becomes grey with (77 R + 151 G + 28 B) div 256)
// and written back to a picture file by the picture dialog.

#include <QString>
#include <cstdint>
#include <memory>

namespace lumora {

class Bitmap;
class TPixelEngine256;

uint8_t GreyOfColour(int red, int green, int blue);

// Any pixel format; the empty picture gives an empty buffer.
std::unique_ptr<TPixelEngine256> GreyFromBitmap(const Bitmap& picture);
Bitmap BitmapFromGrey(const TPixelEngine256& grey);

// Throws LumoraError naming the file when it cannot be read (see
// LoadPictureFile).
std::unique_ptr<TPixelEngine256> LoadGreyPicture(const QString& fileName);
// Writes in the format of the save filter (PictureSaveFilter); throws
// LumoraError for an empty picture or a failed write.
void SaveGreyPicture(const QString& fileName, const TPixelEngine256& grey, int filterIndex);

} // namespace lumora
