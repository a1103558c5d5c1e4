#include "imageio/bitmap.h"

#include "common/lumora_error.h"

#include <cstring>
#include <new>
#include <string>

namespace lumora {

void CheckPictureSize(int64_t width, int64_t height)
{
    if (width <= 0 || height <= 0)
        throw LumoraError("The picture has no pixels (its width or height is 0).");
    if (width > Bitmap::kMaxSide || height > Bitmap::kMaxSide ||
        width * height > Bitmap::kMaxPixels)
        throw LumoraError("The picture is too large (" + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels).");
}

Bitmap::Bitmap(int width, int height, int bitsPerPixel, std::vector<Colour> palette)
    : width_(width), height_(height), bitsPerPixel_(bitsPerPixel), palette_(std::move(palette))
{
    CheckPictureSize(width, height);
    try {
        pixels_.assign(static_cast<size_t>(BytesPerRow()) * static_cast<size_t>(height), 0);
    } catch (const std::bad_alloc&) {
        throw LumoraError("There is not enough memory for a picture of " + std::to_string(width) +
                          " x " + std::to_string(height) + " pixels.");
    }
}

Bitmap Bitmap::Indexed(int width, int height, int bitsPerPixel, std::vector<Colour> palette)
{
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
        throw LumoraError("Palette pictures have 1, 4 or 8 bits per pixel.");
    palette.resize(size_t(1) << bitsPerPixel, 0);
    return Bitmap(width, height, bitsPerPixel, std::move(palette));
}

void Bitmap::ReplacePalette(std::vector<Colour> palette)
{
    if (!IsIndexed())
        throw LumoraError("Only palette pictures have a palette.");
    palette.resize(size_t(1) << bitsPerPixel_, 0);
    palette_ = std::move(palette);
}

Bitmap Bitmap::TrueColour(int width, int height)
{
    return Bitmap(width, height, 24, {});
}

Colour Bitmap::PixelColour(int x, int y) const
{
    const uint8_t* row = Row(y);
    if (IsIndexed())
        return palette_[row[x]];
    const uint8_t* p = row + 3 * x;
    return MakeColour(p[2], p[1], p[0]);
}

Bitmap Bitmap::ToTrueColour() const
{
    if (!IsIndexed())
        return *this;
    Bitmap out = TrueColour(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const uint8_t* in = Row(y);
        uint8_t* p = out.Row(y);
        for (int x = 0; x < width_; ++x, p += 3) {
            const Colour c = palette_[in[x]];
            p[0] = static_cast<uint8_t>(BlueOf(c));
            p[1] = static_cast<uint8_t>(GreenOf(c));
            p[2] = static_cast<uint8_t>(RedOf(c));
        }
    }
    return out;
}

Bitmap Bitmap::MirroredHorizontally() const
{
    Bitmap out = *this;
    const int step = IsIndexed() ? 1 : 3;
    for (int y = 0; y < height_; ++y) {
        const uint8_t* in = Row(y);
        uint8_t* p = out.Row(y);
        for (int x = 0; x < width_; ++x)
            std::memcpy(p + step * (width_ - 1 - x), in + step * x, static_cast<size_t>(step));
    }
    return out;
}

QImage Bitmap::ToQImage() const
{
    if (IsEmpty())
        return {};
    const Bitmap colour = ToTrueColour();
    QImage image(width_, height_, QImage::Format_BGR888);
    if (image.isNull())
        throw LumoraError("There is not enough memory for a picture of " + std::to_string(width_) +
                          " x " + std::to_string(height_) + " pixels.");
    for (int y = 0; y < height_; ++y)
        std::memcpy(image.scanLine(y), colour.Row(y), static_cast<size_t>(colour.BytesPerRow()));
    return image;
}

Bitmap Bitmap::FromQImage(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    if (bgr.isNull())
        throw LumoraError("There is not enough memory to convert the picture.");
    Bitmap out = TrueColour(bgr.width(), bgr.height());
    for (int y = 0; y < out.height_; ++y)
        std::memcpy(out.Row(y), bgr.constScanLine(y), static_cast<size_t>(out.BytesPerRow()));
    return out;
}

} // namespace lumora
