#pragma once
// Picture files of the afterburner: frame and image-border pictures, a
// picture opened as the stereogram, and the composed picture saved.

#include <QString>
#include <memory>

namespace lumora {

class TPixelEngine;

// Reads a picture file (.bmp, .jpg, .pcx, .tga by its extension, without
// regard to case) as a 24-bit picture; throws LumoraError naming the file
// when it cannot.
std::unique_ptr<TPixelEngine> LoadAfterburnerPicture(const QString& fileName);

// Writes the picture 1:1 in the format of the save dialog's file type
// (1 BMP, 2 JPEG at quality 80, 3 Targa, 4 TIFF); throws LumoraError when it
// cannot, keeping the previous file of that name.
void SaveAfterburnerPicture(const QString& fileName, const TPixelEngine& picture, int filterIndex);

} // namespace lumora
