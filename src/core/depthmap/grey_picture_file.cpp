#include "depthmap/grey_picture_file.h"

#include "imageio/bitmap.h"
#include "imageio/picture_file.h"
#include "rendering/lumo_pixelengine256.h"

namespace lumora {

uint8_t GreyOfColour(int red, int green, int blue)
{
    return static_cast<uint8_t>((77 * red + 151 * green + 28 * blue) / 256);
}

std::unique_ptr<TPixelEngine256> GreyFromBitmap(const Bitmap& picture)
{
    const Bitmap colour = picture.ToTrueColour();
    auto grey = std::make_unique<TPixelEngine256>(colour.Width(), colour.Height());
    for (int y = 0; y < grey->Height(); ++y) {
        const uint8_t* p = colour.Row(y); // blue, green, red
        uint8_t* q = grey->Row(grey->Height() - 1 - y);
        for (int x = 0; x < grey->Width(); ++x, p += 3)
            q[x] = GreyOfColour(p[2], p[1], p[0]);
    }
    return grey;
}

Bitmap BitmapFromGrey(const TPixelEngine256& grey)
{
    if (grey.Width() <= 0 || grey.Height() <= 0)
        return {};
    Bitmap out = Bitmap::TrueColour(grey.Width(), grey.Height());
    for (int y = 0; y < grey.Height(); ++y) {
        const uint8_t* p = grey.Row(grey.Height() - 1 - y);
        uint8_t* q = out.Row(y);
        for (int x = 0; x < grey.Width(); ++x, q += 3)
            q[0] = q[1] = q[2] = p[x];
    }
    return out;
}

std::unique_ptr<TPixelEngine256> LoadGreyPicture(const QString& fileName)
{
    return GreyFromBitmap(LoadPictureFile(fileName));
}

void SaveGreyPicture(const QString& fileName, const TPixelEngine256& grey, int filterIndex)
{
    SavePictureFile(fileName, BitmapFromGrey(grey), filterIndex);
}

} // namespace lumora
