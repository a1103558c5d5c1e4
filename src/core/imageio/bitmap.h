#pragma once
// Bitmap: a picture as a file holds it, before it becomes a TPixelEngine.
// Pixels are either palette indices (1, 4 or 8 bits per pixel in the file,
// one index byte per pixel here) or 24-bit colour (bytes blue, green, red).
// Rows run from the top row down without padding. A default Bitmap is the
// empty picture (0 x 0).

#include "rendering/pixel_font.h" // Colour

#include <QImage>
#include <cstdint>
#include <vector>

namespace lumora {

class Bitmap
{
public:
    // Larger pictures are refused before any pixel memory is taken: 2^28
    // pixels is 768 MiB at 24 bits, beyond any picture this program renders.
    static constexpr int64_t kMaxPixels = int64_t(1) << 28;
    static constexpr int kMaxSide = 65535;

    Bitmap() = default;
    // The palette is padded with black to 2^bitsPerPixel entries, so every
    // index a pixel can hold names a colour. Throws LumoraError when the
    // size is beyond the limits above.
    static Bitmap Indexed(int width, int height, int bitsPerPixel, std::vector<Colour> palette);
    static Bitmap TrueColour(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    bool IsIndexed() const { return bitsPerPixel_ != 0 && bitsPerPixel_ <= 8; }
    const std::vector<Colour>& Palette() const { return palette_; }
    // For readers whose palette follows the pixels; padded as in Indexed.
    void ReplacePalette(std::vector<Colour> palette);

    // Row y from the top: width index bytes, or width blue-green-red triples.
    uint8_t* Row(int y) { return pixels_.data() + RowOffset(y); }
    const uint8_t* Row(int y) const { return pixels_.data() + RowOffset(y); }
    int BytesPerRow() const { return width_ * (IsIndexed() ? 1 : 3); }

    Colour PixelColour(int x, int y) const;

    // The 24-bit form every caller works with.
    Bitmap ToTrueColour() const;
    Bitmap MirroredHorizontally() const;

    QImage ToQImage() const; // Format_BGR888, a deep copy
    static Bitmap FromQImage(const QImage& image);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    Bitmap(int width, int height, int bitsPerPixel, std::vector<Colour> palette);
    size_t RowOffset(int y) const
    {
        return static_cast<size_t>(y) * static_cast<size_t>(BytesPerRow());
    }

    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    std::vector<Colour> palette_;
    std::vector<uint8_t> pixels_;
};

// Checks a picture size from a file against the limits of Bitmap before
// anything is allocated; throws LumoraError with a user text otherwise.
void CheckPictureSize(int64_t width, int64_t height);

} // namespace lumora
