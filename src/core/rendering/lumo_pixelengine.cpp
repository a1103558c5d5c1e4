#include "rendering/lumo_pixelengine.h"

#include "rendering/pixel_blit.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <array>
#include <cstring>

namespace lumora {

namespace {

uint8_t ClampByte(int v)
{
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

// The weighted grey of a pixel stored blue, green, red.
int WeightedGrey(const uint8_t* p)
{
    return (77 * p[2] + 151 * p[1] + 28 * p[0]) / 256;
}

using LevelTable = std::array<uint8_t, 256>;

// c / a rounded half to even, times a.
int PosterizeLevel(int c, int a)
{
    int q = c / a;
    const int twiceRemainder = 2 * (c % a);
    if (twiceRemainder > a || (twiceRemainder == a && q % 2 != 0))
        ++q;
    return q * a;
}

} // namespace

TPixelEngine::TPixelEngine(int width, int height)
    : image_(AllocatePicture(width, height, QImage::Format_BGR888))
{
    BindRows();
}

TPixelEngine::TPixelEngine(int width, int height, const QImage& source)
    : TPixelEngine(width, height)
{
    LoadFromBitmap(source);
}

void TPixelEngine::BindRows()
{
    rows_.clear();
    if (image_.isNull()) {
        width_ = height_ = stride_ = padding_ = 0;
        return;
    }
    width_ = image_.width();
    height_ = image_.height();
    stride_ = static_cast<int>(image_.bytesPerLine());
    padding_ = width_ % 4;
    rows_.resize(static_cast<size_t>(height_));
    for (int i = 0; i < height_; ++i)
        rows_[static_cast<size_t>(i)] = image_.scanLine(height_ - 1 - i);
}

Colour TPixelEngine::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    const uint8_t* p = Row(height_ - 1 - y) + 3 * x;
    return MakeColour(p[2], p[1], p[0]);
}

void TPixelEngine::SetPixel(int x, int y, Colour c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    uint8_t* p = Row(height_ - 1 - y) + 3 * x;
    p[0] = static_cast<uint8_t>(BlueOf(c));
    p[1] = static_cast<uint8_t>(GreenOf(c));
    p[2] = static_cast<uint8_t>(RedOf(c));
}

void TPixelEngine::FillColour(Colour c)
{
    for (int y = 0; y < height_; ++y)
        canvas_.WriteRun(y, 0, width_ - 1, c);
}

void TPixelEngine::SetBrushColor(Colour c)
{
    canvas_.SetBrush(c & 0xFFFFFFu);
}

void TPixelEngine::SetPen(int width, bool squareCaps)
{
    canvas_.SetPen(width, squareCaps);
}

void TPixelEngine::SetClipRect(int left, int top, int right, int bottom)
{
    canvas_.SetClipRect(left, top, right, bottom);
}

void TPixelEngine::ResetClip()
{
    canvas_.ResetClip();
}

void TPixelEngine::Rectangle(int left, int top, int right, int bottom)
{
    canvas_.Rectangle(left, top, right, bottom);
}

void TPixelEngine::Ellipse(int left, int top, int right, int bottom)
{
    canvas_.Ellipse(left, top, right, bottom);
}

void TPixelEngine::Line(int x1, int y1, int x2, int y2)
{
    canvas_.Line(x1, y1, x2, y2);
}

void TPixelEngine::TextOut(int x, int y, const QString& text)
{
    canvas_.TextOut(x, y, text, Font);
}

int TPixelEngine::TextWidth(const QString& text) const
{
    return TextWidthOf(text, Font);
}

int TPixelEngine::TextHeight(const QString& text) const
{
    return TextHeightOf(text, Font);
}

void TPixelEngine::DrawTo(TPixelEngine& target, int x, int y) const
{
    DrawPartTo(target, x, y, width_, height_, 0, 0);
}

void TPixelEngine::StretchDrawTo(TPixelEngine& target, int x, int y, int w, int h) const
{
    StretchPicture(image_, target.image_, target.canvas_.DrawableArea(), x, y, w, h);
}

void TPixelEngine::DrawPartTo(TPixelEngine& target, int x, int y, int w, int h, int sourceX,
                              int sourceY) const
{
    CopyPicturePart(image_, target.image_, target.canvas_.DrawableArea(), x, y, w, h, sourceX,
                    sourceY);
}

void TPixelEngine::DrawTo(QPainter& target, int x, int y) const
{
    if (!image_.isNull())
        target.drawImage(QPoint(x, y), PictureView(image_));
}

void TPixelEngine::StretchDrawTo(QPainter& target, int x, int y, int w, int h) const
{
    if (image_.isNull() || w <= 0 || h <= 0)
        return;
    target.save();
    target.setRenderHint(QPainter::SmoothPixmapTransform, false);
    target.drawImage(QRect(x, y, w, h), PictureView(image_));
    target.restore();
}

void TPixelEngine::LoadFromBitmap(const QImage& picture)
{
    if (image_.isNull() || picture.isNull())
        return;
    const QImage source = picture.convertToFormat(QImage::Format_BGR888);
    if (source.isNull())
        return;
    StretchPicture(source, image_, image_.rect(), 0, 0, width_, height_);
}

QImage TPixelEngine::ToQImage() const
{
    return image_.copy();
}

void TPixelEngine::Greyscale(bool invert)
{
    for (int i = 0; i < height_; ++i) {
        uint8_t* p = Row(i);
        for (int x = 0; x < width_; ++x, p += 3) {
            const int g = WeightedGrey(p);
            p[0] = p[1] = p[2] = static_cast<uint8_t>(invert ? 255 - g : g);
        }
    }
}

void TPixelEngine::GreyscaleMapped(const uint8_t table[256], bool invert)
{
    for (int i = 0; i < height_; ++i) {
        uint8_t* p = Row(i);
        for (int x = 0; x < width_; ++x, p += 3) {
            const int g = table[WeightedGrey(p)];
            p[0] = p[1] = p[2] = static_cast<uint8_t>(invert ? 255 - g : g);
        }
    }
}

// The rectangle counts memory rows (top <= i <= bottom) and columns
// (left <= x <= right), both bounds included.
void TPixelEngine::GreyscaleMappedInRect(const uint8_t table[256], int left, int top, int right,
                                         int bottom)
{
    for (int i = 0; i < height_; ++i) {
        uint8_t* p = Row(i);
        const bool rowInside = i >= top && i <= bottom;
        for (int x = 0; x < width_; ++x, p += 3) {
            const int g = WeightedGrey(p);
            if (rowInside && x >= left && x <= right) {
                p[0] = p[1] = p[2] = table[g];
            } else {
                p[0] = static_cast<uint8_t>(g / 3 + 100);
                p[1] = static_cast<uint8_t>(g / 3 + 50);
                p[2] = static_cast<uint8_t>(g / 4 + 30);
            }
        }
    }
}

void TPixelEngine::CopyExceptKey(const TPixelEngine& source, int keyRed, int keyGreen, int keyBlue,
                                 int tolerance)
{
    if (!SameSize(source.width_, source.height_) || &source == this)
        return;
    auto low = [&](int key) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{key} - tolerance, 0, 255));
    };
    auto high = [&](int key) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{key} + tolerance, 0, 255));
    };
    const int keys[3] = {keyBlue, keyGreen, keyRed}; // in memory order
    int lo[3], hi[3];
    for (int c = 0; c < 3; ++c) {
        lo[c] = low(keys[c]);
        hi[c] = high(keys[c]);
    }
    for (int i = 0; i < height_; ++i) {
        const uint8_t* s = source.Row(i);
        uint8_t* t = Row(i);
        for (int x = 0; x < width_; ++x, s += 3, t += 3) {
            const bool transparent = s[0] >= lo[0] && s[0] <= hi[0] && s[1] >= lo[1] &&
                                     s[1] <= hi[1] && s[2] >= lo[2] && s[2] <= hi[2];
            if (!transparent)
                std::memcpy(t, s, 3);
        }
    }
}

namespace {

void MapBytes(TPixelEngine& picture, const LevelTable& table)
{
    for (int i = 0; i < picture.Height(); ++i) {
        uint8_t* p = picture.Row(i);
        for (int k = 0; k < 3 * picture.Width(); ++k)
            p[k] = table[p[k]];
    }
}

} // namespace

void TPixelEngine::Brightness(int a)
{
    a = std::clamp(a, -255, 255);
    LevelTable table;
    for (int c = 0; c < 256; ++c)
        table[c] = ClampByte(c + a);
    MapBytes(*this, table);
}

void TPixelEngine::Contrast(int a)
{
    a = std::clamp(a, 0, 255);
    LevelTable table;
    for (int c = 0; c < 256; ++c)
        table[c] = ClampByte(c < 128 ? c - (a * (127 - c)) / 255 : c + (a * (c - 127)) / 255);
    MapBytes(*this, table);
}

void TPixelEngine::Solarize(int t)
{
    for (int i = 0; i < height_; ++i) {
        uint8_t* p = Row(i);
        for (int x = 0; x < width_; ++x, p += 3) {
            if (t < (p[0] + p[1] + p[2]) / 3) {
                p[0] = static_cast<uint8_t>(255 - p[0]);
                p[1] = static_cast<uint8_t>(255 - p[1]);
                p[2] = static_cast<uint8_t>(255 - p[2]);
            }
        }
    }
}

// Steps of 1 (or less) leave every level as it is.
void TPixelEngine::Posterize(int a)
{
    if (a <= 1)
        return;
    LevelTable table;
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<uint8_t>(std::min(PosterizeLevel(c, a), 255));
    MapBytes(*this, table);
}

void TPixelEngine::Ripple(int a)
{
    const int amplitude = std::min(height_ / 2, a);
    if (amplitude < 1)
        return;
    int shift = 0;
    bool rising = true;
    for (int x = 0; x < width_; ++x) {
        if (shift > 0) {
            // Top rows first, so every pixel is read before it is overwritten.
            for (int i = height_ - 1 - amplitude; i >= 0; --i)
                std::memcpy(Row(i + shift) + 3 * x, Row(i) + 3 * x, 3);
        }
        if (rising) {
            if (shift + 1 > amplitude) {
                shift = amplitude - 1;
                rising = false;
            } else {
                ++shift;
            }
        } else if (shift == 0) {
            shift = 1;
            rising = true;
        } else {
            --shift;
        }
    }
}

// Amounts are capped so that 2c stays a valid range for the generator.
void TPixelEngine::Spray(int a, RandomGenerator& random)
{
    a = std::min(a, 1 << 30);
    for (int i = 0; i < height_; ++i) {
        for (int x = 0; x < width_; ++x) {
            const int c = random.Random(a);
            const int d = random.Random(2 * c);
            const int r = random.Random(2 * c);
            const int64_t sourceX = int64_t{x} + c - r;
            const int64_t sourceRow = int64_t{i} + c - d;
            if (sourceX >= 0 && sourceX < width_ && sourceRow >= 0 && sourceRow < height_)
                std::memcpy(Row(i) + 3 * x, Row(static_cast<int>(sourceRow)) + 3 * sourceX, 3);
        }
    }
}

void TPixelEngine::Invert()
{
    for (int i = 0; i < height_; ++i) {
        uint8_t* p = Row(i);
        for (int k = 0; k < 3 * width_; ++k)
            p[k] = static_cast<uint8_t>(255 - p[k]);
    }
}

void TPixelEngine::MirrorLeftHalf()
{
    const int k = width_ / 2;
    for (int i = 0; i < height_; ++i) {
        uint8_t* p = Row(i);
        for (int j = 0; j < k; ++j)
            std::memcpy(p + 3 * (k + j), p + 3 * (k - 1 - j), 3);
    }
}

// Picture row Height - 1 - j takes picture row j for j < Height div 2; with
// an odd height the middle row is its own mirror image and stays as it is.
void TPixelEngine::MirrorTopHalf()
{
    for (int j = 0; j < height_ / 2; ++j)
        std::memcpy(Row(j), Row(height_ - 1 - j), static_cast<size_t>(3 * width_));
}

} // namespace lumora
