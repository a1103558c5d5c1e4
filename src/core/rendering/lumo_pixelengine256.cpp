#include "rendering/lumo_pixelengine256.h"

#include "rendering/lumo_pixelengine.h"
#include "rendering/pixel_blit.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace lumora {

TPixelEngine256::TPixelEngine256(int width, int height)
    : image_(AllocatePicture(width, height, QImage::Format_Grayscale8))
{
    BindRows();
}

void TPixelEngine256::BindRows()
{
    rows_.clear();
    if (image_.isNull()) {
        width_ = height_ = stride_ = 0;
        return;
    }
    width_ = image_.width();
    height_ = image_.height();
    stride_ = static_cast<int>(image_.bytesPerLine());
    rows_.resize(static_cast<size_t>(height_));
    for (int i = 0; i < height_; ++i)
        rows_[static_cast<size_t>(i)] = image_.scanLine(height_ - 1 - i);
}

uint8_t TPixelEngine256::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return Row(height_ - 1 - y)[x];
}

void TPixelEngine256::SetPixel(int x, int y, uint8_t v)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Row(height_ - 1 - y)[x] = v;
}

void TPixelEngine256::SetBrushGrey(int level)
{
    const int v = std::clamp(level, 0, 255);
    canvas_.SetBrush(MakeColour(v, v, v));
}

void TPixelEngine256::SetPen(int width, bool squareCaps)
{
    canvas_.SetPen(width, squareCaps);
}

void TPixelEngine256::SetClipRect(int left, int top, int right, int bottom)
{
    canvas_.SetClipRect(left, top, right, bottom);
}

void TPixelEngine256::ResetClip()
{
    canvas_.ResetClip();
}

void TPixelEngine256::Rectangle(int left, int top, int right, int bottom)
{
    canvas_.Rectangle(left, top, right, bottom);
}

void TPixelEngine256::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                                int cornerHeight)
{
    canvas_.RoundRect(left, top, right, bottom, cornerWidth, cornerHeight);
}

void TPixelEngine256::Ellipse(int left, int top, int right, int bottom)
{
    canvas_.Ellipse(left, top, right, bottom);
}

void TPixelEngine256::Chord(int left, int top, int right, int bottom, int x1, int y1, int x2,
                            int y2)
{
    canvas_.Chord(left, top, right, bottom, x1, y1, x2, y2);
}

void TPixelEngine256::Polygon(const std::vector<QPoint>& points)
{
    canvas_.Polygon(points.data(), static_cast<int>(points.size()));
}

void TPixelEngine256::Line(int x1, int y1, int x2, int y2)
{
    canvas_.Line(x1, y1, x2, y2);
}

void TPixelEngine256::TextOut(int x, int y, const QString& text)
{
    canvas_.TextOut(x, y, text, Font);
}

int TPixelEngine256::TextWidth(const QString& text) const
{
    return TextWidthOf(text, Font);
}

void TPixelEngine256::DrawTo(TPixelEngine256& target, int x, int y) const
{
    DrawPartTo(target, x, y, width_, height_, 0, 0);
}

void TPixelEngine256::StretchDrawTo(TPixelEngine256& target, int x, int y, int w, int h) const
{
    StretchPicture(image_, target.image_, target.canvas_.DrawableArea(), x, y, w, h);
}

void TPixelEngine256::StretchDrawTo(TPixelEngine& target, int x, int y, int w, int h) const
{
    StretchPicture(image_, target.image_, target.canvas_.DrawableArea(), x, y, w, h);
}

void TPixelEngine256::DrawPartTo(TPixelEngine256& target, int x, int y, int w, int h, int sourceX,
                                 int sourceY) const
{
    CopyPicturePart(image_, target.image_, target.canvas_.DrawableArea(), x, y, w, h, sourceX,
                    sourceY);
}

void TPixelEngine256::DrawTo(QPainter& target, int x, int y) const
{
    if (!image_.isNull())
        target.drawImage(QPoint(x, y), PictureView(image_));
}

void TPixelEngine256::StretchDrawTo(QPainter& target, int x, int y, int w, int h) const
{
    if (image_.isNull() || w <= 0 || h <= 0)
        return;
    target.save();
    target.setRenderHint(QPainter::SmoothPixmapTransform, false);
    target.drawImage(QRect(x, y, w, h), PictureView(image_));
    target.restore();
}

void TPixelEngine256::FromColour(const TPixelEngine& colour)
{
    if (!SameSize(colour.Width(), colour.Height()))
        return;
    for (int i = 0; i < height_; ++i) {
        const uint8_t* p = colour.Row(i);
        uint8_t* q = Row(i);
        for (int x = 0; x < width_; ++x, p += 3)
            q[x] = p[0];
    }
}

void TPixelEngine256::ToColour(TPixelEngine& colour) const
{
    if (!SameSize(colour.Width(), colour.Height()))
        return;
    for (int i = 0; i < height_; ++i) {
        const uint8_t* p = Row(i);
        uint8_t* q = colour.Row(i);
        for (int x = 0; x < width_; ++x, q += 3)
            q[0] = q[1] = q[2] = p[x];
    }
}

QImage TPixelEngine256::SaveToBitmap() const
{
    if (image_.isNull())
        return {};
    QImage bitmap(width_, height_, QImage::Format_Indexed8);
    if (bitmap.isNull())
        return {};
    QList<QRgb> palette(256);
    for (int v = 0; v < 256; ++v)
        palette[v] = qRgb(v, v, v);
    bitmap.setColorTable(palette);
    for (int i = 0; i < height_; ++i)
        std::memcpy(bitmap.scanLine(i), Row(i), static_cast<size_t>(width_));
    return bitmap;
}

QImage TPixelEngine256::ToQImage() const
{
    return image_.copy();
}

void TPixelEngine256::Fill(uint8_t v)
{
    for (int i = 0; i < height_; ++i)
        std::memset(Row(i), v, static_cast<size_t>(width_));
}

void TPixelEngine256::FillRect(int x1, int y1, int x2, int y2, uint8_t v)
{
    const int left = std::max(x1, 0);
    const int right = std::min(x2, width_);
    const int top = std::max(y1, 0);
    const int bottom = std::min(y2, height_);
    for (int y = top; y < bottom && left < right; ++y)
        std::memset(Row(height_ - 1 - y) + left, v, static_cast<size_t>(right - left));
}

void TPixelEngine256::MapLevels(const uint8_t table[256], bool invert)
{
    for (int i = 0; i < height_; ++i) {
        uint8_t* p = Row(i);
        for (int x = 0; x < width_; ++x)
            p[x] = invert ? static_cast<uint8_t>(255 - table[p[x]]) : table[p[x]];
    }
}

void TPixelEngine256::Invert()
{
    for (int i = 0; i < height_; ++i) {
        uint8_t* p = Row(i);
        for (int x = 0; x < width_; ++x)
            p[x] = static_cast<uint8_t>(255 - p[x]);
    }
}

void TPixelEngine256::FlipHorizontal()
{
    for (int i = 0; i < height_; ++i)
        std::reverse(Row(i), Row(i) + width_);
}

void TPixelEngine256::FlipVertical()
{
    for (int i = 0; i < height_ / 2; ++i)
        std::swap_ranges(Row(i), Row(i) + width_, Row(height_ - 1 - i));
}

void TPixelEngine256::BlitKeyed(TPixelEngine256& target, int x, int y, uint8_t key) const
{
    BlitKeyedPart(target, 0, 0, width_, height_, x, y, key);
}

// The destination is cut to the target, so a wrong position never writes
// outside it.
void TPixelEngine256::BlitKeyedPart(TPixelEngine256& target, int left, int top, int right,
                                    int bottom, int x, int y, uint8_t key) const
{
    if (left < 0 || top < 0 || right > width_ || bottom > height_ || left >= right || top >= bottom)
        return;
    // A buffer blitted onto itself reads the pixels as they were.
    std::vector<uint8_t> copy;
    const TPixelEngine256* from = this;
    if (&target == this) {
        copy.resize(static_cast<size_t>(width_) * height_);
        for (int i = 0; i < height_; ++i)
            std::memcpy(copy.data() + static_cast<size_t>(i) * width_, Row(i),
                        static_cast<size_t>(width_));
    }
    auto sourceRow = [&](int pictureRow) {
        const int i = height_ - 1 - pictureRow;
        return copy.empty() ? from->Row(i) : copy.data() + static_cast<size_t>(i) * width_;
    };
    const int64_t firstX = std::max<int64_t>(left, static_cast<int64_t>(left) - x);
    const int64_t endX = std::min<int64_t>(right, static_cast<int64_t>(left) - x + target.width_);
    const int64_t firstY = std::max<int64_t>(top, static_cast<int64_t>(top) - y);
    const int64_t endY = std::min<int64_t>(bottom, static_cast<int64_t>(top) - y + target.height_);
    for (int64_t sy = firstY; sy < endY; ++sy) {
        const uint8_t* s = sourceRow(static_cast<int>(sy));
        const int ty = static_cast<int>(sy - top + y);
        uint8_t* t = target.Row(target.height_ - 1 - ty);
        for (int64_t sx = firstX; sx < endX; ++sx) {
            if (s[sx] != key)
                t[sx - left + x] = s[sx];
        }
    }
}

void TPixelEngine256::BlendWithColour(TPixelEngine& target, bool invert, int transparency,
                                      int tolerance, Colour colour) const
{
    if (!SameSize(target.Width(), target.Height()))
        return;
    tolerance = std::clamp(tolerance, 0, 255);
    transparency = std::clamp(transparency, 0, 255);
    // Memory order blue, green, red.
    const int key[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
    for (int i = 0; i < height_; ++i) {
        const uint8_t* mask = Row(i);
        uint8_t* p = target.Row(i);
        for (int x = 0; x < width_; ++x, p += 3) {
            int m = invert ? 255 - mask[x] : mask[x];
            if (m >= 255 - tolerance)
                m = 255;
            m = std::clamp(m + transparency, 0, 255);
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<uint8_t>(key[c] + (m * (p[c] - key[c])) / 255);
        }
    }
}

} // namespace lumora
