#include "rendering/pixel_canvas.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "rendering/shape_rows.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

namespace lumora {

namespace {

// Fonts larger than this would only make the glyph rasteriser crawl.
constexpr int kMaxFontPixels = 20000;

// A segment widened to a pen: a capsule for round caps, an oblong that
// reaches half the width past both ends for square caps. Along a row the
// stroke covers the pixels whose centres lie in [lo, hi).
class StrokeRows
{
public:
    StrokeRows(double x1, double y1, double x2, double y2, double width, bool squareCaps)
        : p1_(x1, y1), p2_(x2, y2), r_(width / 2.0), round_(!squareCaps)
    {
        const double dx = x2 - x1;
        const double dy = y2 - y1;
        const double length = std::hypot(dx, dy);
        const QPointF u = length > 0.0 ? QPointF(dx / length, dy / length) : QPointF(1.0, 0.0);
        const QPointF n(-u.y() * r_, u.x() * r_);
        const QPointF reach = squareCaps ? u * r_ : QPointF(0.0, 0.0);
        corners_[0] = p1_ - reach + n;
        corners_[1] = p2_ + reach + n;
        corners_[2] = p2_ + reach - n;
        corners_[3] = p1_ - reach - n;
        const QPointF square = u * r_;
        oblong_[0] = p1_ - square + n;
        oblong_[1] = p2_ + square + n;
        oblong_[2] = p2_ + square - n;
        oblong_[3] = p1_ - square - n;
        top_ = bottom_ = corners_[0].y();
        for (const QPointF& c : corners_) {
            top_ = std::min(top_, c.y());
            bottom_ = std::max(bottom_, c.y());
        }
        if (round_) {
            top_ = std::min({top_, y1 - r_, y2 - r_});
            bottom_ = std::max({bottom_, y1 + r_, y2 + r_});
        }
    }

    int FirstRow() const { return ClampToCoordinate(std::ceil(top_ - kEdgeTolerance)); }
    int EndRow() const { return ClampToCoordinate(std::ceil(bottom_ - kEdgeTolerance)); }

    // Narrows rows first..end-1 to those in which the stroke can reach a
    // pixel centre of columns left..right: the rows of the oblong with
    // square ends (which holds the capsule too) within that band of
    // columns, and a row more each way. A long line that crosses a narrow
    // picture is then not followed through rows where it is out of sight.
    void NarrowToColumns(int left, int right, int& first, int& end) const
    {
        double top = std::numeric_limits<double>::infinity();
        double bottom = -top;
        auto include = [&](double y) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        };
        for (int i = 0; i < 4; ++i) {
            const QPointF& a = oblong_[i];
            const QPointF& b = oblong_[(i + 1) % 4];
            if (a.x() >= left && a.x() <= right)
                include(a.y());
            for (const double x : {double(left), double(right)})
                if ((a.x() - x) * (b.x() - x) < 0.0)
                    include(a.y() + (x - a.x()) * (b.y() - a.y()) / (b.x() - a.x()));
        }
        if (top > bottom) {
            end = first;
            return;
        }
        first = std::max(first, ClampToCoordinate(std::floor(top)) - 1);
        end = std::min(end, ClampToCoordinate(std::ceil(bottom)) + 2);
    }

    RowSpan operator()(int row) const
    {
        const double y = row;
        double lo = std::numeric_limits<double>::infinity();
        double hi = -lo;
        auto include = [&](double x) {
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        };
        for (int i = 0; i < 4; ++i) {
            const QPointF& a = corners_[i];
            const QPointF& b = corners_[(i + 1) % 4];
            if (y < std::min(a.y(), b.y()) || y > std::max(a.y(), b.y()))
                continue;
            if (a.y() == b.y()) {
                include(a.x());
                include(b.x());
            } else {
                include(a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
            }
        }
        if (round_) {
            for (const QPointF& p : {p1_, p2_}) {
                const double d = y - p.y();
                if (std::abs(d) <= r_) {
                    const double s = std::sqrt(r_ * r_ - d * d);
                    include(p.x() - s);
                    include(p.x() + s);
                }
            }
        }
        if (lo > hi)
            return {};
        return {ClampToCoordinate(std::ceil(lo - kEdgeTolerance)),
                ClampToCoordinate(std::ceil(hi - kEdgeTolerance)) - 1};
    }

private:
    QPointF p1_, p2_;
    double r_;
    bool round_;
    QPointF corners_[4];
    QPointF oblong_[4];
    double top_ = 0.0, bottom_ = 0.0;
};

int CellHeightAt(QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return QFontMetrics(font).height();
}

// The largest pixel size whose cell (ascent + descent) fits the asked
// height; starts from the face's proportions and corrects the rounding of
// the hinted metrics by a step or two.
int PixelSizeForCell(const QFont& font, int cellHeight)
{
    QFont reference = font;
    reference.setPixelSize(1000);
    const double cellPerPixel = QFontMetricsF(reference).height() / 1000.0;
    int pixels =
        cellPerPixel > 0.0 ? static_cast<int>(std::floor(cellHeight / cellPerPixel)) : cellHeight;
    pixels = std::clamp(pixels, 1, kMaxFontPixels);
    while (pixels > 1 && CellHeightAt(font, pixels) > cellHeight)
        --pixels;
    while (pixels < kMaxFontPixels && CellHeightAt(font, pixels + 1) <= cellHeight)
        ++pixels;
    return pixels;
}

int EmPixelsFromPoints(int points)
{
    if (points < 0)
        return -points; // a negative size is a pixel height, as in the font dialogs
    if (points == 0)
        points = 8;
    return MulDiv(points, 96, 72);
}

} // namespace

QImage AllocatePicture(int width, int height, QImage::Format format)
{
    if (width <= 0 || height <= 0)
        return {};
    const int64_t bitsPerPixel = format == QImage::Format_Grayscale8 ? 8 : 24;
    const int64_t stride = (width * bitsPerPixel + 31) / 32 * 4;
    const std::string failure = "Not enough memory for a picture of " + std::to_string(width) +
                                " x " + std::to_string(height) + " pixels.";
    // The buffers count their bytes in 32 bits.
    if (stride > std::numeric_limits<int32_t>::max() / height)
        throw LumoraError(failure);
    QImage image(width, height, format);
    if (image.isNull() || image.bytesPerLine() != stride)
        throw LumoraError(failure);
    // New pictures start black, which the gradient builds rely on.
    std::memset(image.bits(), 0, static_cast<size_t>(image.sizeInBytes()));
    // 96 pixels per inch, the resolution every text size refers to.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

PixelCanvas::PixelCanvas(QImage& image) : image_(image) {}

void PixelCanvas::SetPen(int width, bool squareCaps)
{
    pen_ = brush_;
    penWidth_ = std::max(1, width);
    squareCaps_ = squareCaps;
}

void PixelCanvas::SetClipRect(int left, int top, int right, int bottom)
{
    clipped_ = true;
    left = LimitCoordinate(left);
    top = LimitCoordinate(top);
    clip_ = QRect(left, top, std::max(0, LimitCoordinate(right) - left),
                  std::max(0, LimitCoordinate(bottom) - top));
}

QRect PixelCanvas::DrawableArea() const
{
    if (image_.isNull())
        return {};
    const QRect whole = image_.rect();
    return clipped_ ? whole.intersected(clip_) : whole;
}

QColor PixelCanvas::PaintColour(Colour c) const
{
    if (image_.format() == QImage::Format_Grayscale8)
        return QColor(BlueOf(c), BlueOf(c), BlueOf(c));
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

PixelCanvas::RowWriter PixelCanvas::Writer()
{
    return {image_.bits(), image_.bytesPerLine(), image_.format() == QImage::Format_Grayscale8};
}

void PixelCanvas::RowWriter::Run(int y, int x0, int x1, Colour c) const
{
    if (x0 > x1)
        return;
    uint8_t* row = bits + y * stride;
    if (grey) {
        std::memset(row + x0, BlueOf(c), static_cast<size_t>(x1 - x0 + 1));
        return;
    }
    const uint8_t b = static_cast<uint8_t>(BlueOf(c));
    const uint8_t g = static_cast<uint8_t>(GreenOf(c));
    const uint8_t r = static_cast<uint8_t>(RedOf(c));
    for (uint8_t* p = row + 3 * x0; p <= row + 3 * x1; p += 3) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
}

void PixelCanvas::RowWriter::Pixel(int x, int y, Colour c) const
{
    uint8_t* p = bits + y * stride;
    if (grey) {
        p[x] = static_cast<uint8_t>(BlueOf(c));
        return;
    }
    p += 3 * x;
    p[0] = static_cast<uint8_t>(BlueOf(c));
    p[1] = static_cast<uint8_t>(GreenOf(c));
    p[2] = static_cast<uint8_t>(RedOf(c));
}

void PixelCanvas::WriteRun(int y, int x0, int x1, Colour c)
{
    if (!image_.isNull())
        Writer().Run(y, x0, x1, c);
}

void PixelCanvas::BeginPainter(QPainter& painter)
{
    painter.begin(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (clipped_)
        painter.setClipRect(clip_);
}

// Fills a shape given row by row over picture rows top..bottom-1. With a
// one-pixel pen the pixels on the shape's border (those with a 4-neighbour
// outside it) take the pen colour and the others the brush; a wider pen is
// stroked along the outline afterwards by the caller.
template <class SpanOf> void PixelCanvas::PaintSpanShape(int top, int bottom, SpanOf spanOf)
{
    const QRect area = DrawableArea();
    if (area.isEmpty())
        return;
    const bool outlined = penWidth_ == 1 && pen_ != brush_;
    const RowWriter out = Writer();
    const int firstRow = std::max(top, area.top());
    const int lastRow = std::min(bottom - 1, area.bottom());
    for (int y = firstRow; y <= lastRow; ++y) {
        const RowSpan span = spanOf(y);
        if (span.Empty())
            continue;
        auto run = [&](int x0, int x1, Colour c) {
            out.Run(y, std::max(x0, area.left()), std::min(x1, area.right()), c);
        };
        if (!outlined) {
            run(span.Left, span.Right, brush_);
            continue;
        }
        RowSpan inner{span.Left + 1, span.Right - 1};
        inner = y > top ? Intersect(inner, spanOf(y - 1)) : RowSpan{};
        inner = y < bottom - 1 ? Intersect(inner, spanOf(y + 1)) : RowSpan{};
        if (inner.Empty()) {
            run(span.Left, span.Right, pen_);
            continue;
        }
        run(span.Left, inner.Left - 1, pen_);
        run(inner.Left, inner.Right, brush_);
        run(inner.Right + 1, span.Right, pen_);
    }
}

// Strokes a path given in pixel-centre coordinates with the wide pen.
void PixelCanvas::StrokeOutline(const QPainterPath& path)
{
    QPainter painter;
    BeginPainter(painter);
    painter.translate(0.5, 0.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(PaintColour(pen_), penWidth_, Qt::SolidLine,
                        squareCaps_ ? Qt::SquareCap : Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void PixelCanvas::Rectangle(int left, int top, int right, int bottom)
{
    const ShapeRows box = ShapeRows::Rectangle(left, top, right, bottom);
    if (box.Empty() || image_.isNull())
        return;
    PaintSpanShape(box.Top(), box.Bottom(), box);
    if (penWidth_ > 1) {
        QPainterPath path;
        path.addRect(QRectF(box.Left(), box.Top(), box.Right() - box.Left() - 1,
                            box.Bottom() - box.Top() - 1));
        StrokeOutline(path);
    }
}

void PixelCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                            int cornerHeight)
{
    const ShapeRows shape =
        ShapeRows::RoundRect(left, top, right, bottom, cornerWidth, cornerHeight);
    if (shape.Empty() || image_.isNull())
        return;
    PaintSpanShape(shape.Top(), shape.Bottom(), shape);
    if (penWidth_ > 1) {
        const int width = shape.Right() - shape.Left();
        const int height = shape.Bottom() - shape.Top();
        const int cw = std::min(std::abs(LimitCoordinate(cornerWidth)), width);
        const int ch = std::min(std::abs(LimitCoordinate(cornerHeight)), height);
        QPainterPath path;
        const QRectF outline(shape.Left(), shape.Top(), width - 1, height - 1);
        if (cw == 0 || ch == 0)
            path.addRect(outline);
        else
            path.addRoundedRect(outline, (cw - 1) / 2.0, (ch - 1) / 2.0);
        StrokeOutline(path);
    }
}

void PixelCanvas::Ellipse(int left, int top, int right, int bottom)
{
    const ShapeRows shape = ShapeRows::Ellipse(left, top, right, bottom);
    if (shape.Empty() || image_.isNull())
        return;
    PaintSpanShape(shape.Top(), shape.Bottom(), shape);
    if (penWidth_ > 1) {
        QPainterPath path;
        path.addEllipse(QRectF(shape.Left(), shape.Top(), shape.Right() - shape.Left() - 1,
                               shape.Bottom() - shape.Top() - 1));
        StrokeOutline(path);
    }
}

void PixelCanvas::Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const ShapeRows shape = ShapeRows::Chord(left, top, right, bottom, x1, y1, x2, y2);
    if (shape.Empty() || image_.isNull())
        return;
    PaintSpanShape(shape.Top(), shape.Bottom(), shape);
    if (penWidth_ > 1) {
        // The outline runs through the outermost pixel centres.
        const double cx = shape.CentreX();
        const double cy = shape.CentreY();
        const double sa = std::max(0.0, shape.RadiusX() - 0.5);
        const double sb = std::max(0.0, shape.RadiusY() - 0.5);
        const double start = shape.ArcStart();
        const double sweep = shape.ArcSweep();
        const int steps = std::clamp(static_cast<int>(sweep * (sa + sb)), 8, 4096);
        QPainterPath path;
        for (int i = 0; i <= steps; ++i) {
            const double theta = start + sweep * i / steps;
            const QPointF p(cx + sa * std::cos(theta), cy - sb * std::sin(theta));
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        if (!shape.WholeEllipse())
            path.closeSubpath();
        StrokeOutline(path);
    }
}

void PixelCanvas::Polygon(const QPoint* points, int count)
{
    if (image_.isNull() || count < 2 || DrawableArea().isEmpty())
        return;
    QPainter painter;
    BeginPainter(painter);
    painter.setBrush(PaintColour(brush_));
    painter.setPen(QPen(PaintColour(pen_), penWidth_, Qt::SolidLine,
                        squareCaps_ ? Qt::SquareCap : Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(points, count, Qt::OddEvenFill);
}

void PixelCanvas::Line(int x1, int y1, int x2, int y2)
{
    const QRect area = DrawableArea();
    if (area.isEmpty())
        return;
    x1 = LimitCoordinate(x1);
    y1 = LimitCoordinate(y1);
    x2 = LimitCoordinate(x2);
    y2 = LimitCoordinate(y2);
    if (penWidth_ > 1) {
        const StrokeRows stroke(x1, y1, x2, y2, penWidth_, squareCaps_);
        int firstRow = std::max(stroke.FirstRow(), area.top());
        int endRow = std::min(stroke.EndRow(), area.bottom() + 1);
        stroke.NarrowToColumns(area.left() - 1, area.right() + 1, firstRow, endRow);
        const RowWriter out = Writer();
        for (int y = firstRow; y < endRow; ++y) {
            const RowSpan span = stroke(y);
            out.Run(y, std::max(span.Left, area.left()), std::min(span.Right, area.right()), pen_);
        }
        return;
    }
    // A one-pixel line steps along its major axis and leaves out the end
    // point, so joined lines do not draw their shared points twice. Only
    // the steps inside the drawable area are visited.
    const int64_t dx = std::abs(static_cast<int64_t>(x2) - x1);
    const int64_t dy = std::abs(static_cast<int64_t>(y2) - y1);
    const int sx = x2 >= x1 ? 1 : -1;
    const int sy = y2 >= y1 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int64_t steps = xMajor ? dx : dy;
    if (steps == 0)
        return;
    const int64_t minor = xMajor ? dy : dx;
    const int start = xMajor ? x1 : y1;
    const int step = xMajor ? sx : sy;
    const int low = xMajor ? area.left() : area.top();
    const int high = xMajor ? area.right() : area.bottom();
    int64_t first = step > 0 ? low - start : start - high;
    int64_t last = step > 0 ? high - start : start - low;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, steps - 1);
    if (first > last)
        return;
    // The minor coordinate at step k is round(k * minor / steps), halves
    // up: (2 k minor + steps) div (2 steps), kept as quotient and remainder.
    const int64_t denominator = 2 * steps;
    const int64_t numerator = 2 * first * minor + steps;
    int64_t offset = numerator / denominator;
    int64_t remainder = numerator % denominator;
    const int minorStart = xMajor ? y1 : x1;
    const int minorStep = xMajor ? sy : sx;
    const RowWriter out = Writer();
    for (int64_t k = first; k <= last; ++k) {
        const int major = static_cast<int>(start + step * k);
        const int other = static_cast<int>(minorStart + minorStep * offset);
        const int x = xMajor ? major : other;
        const int y = xMajor ? other : major;
        if (area.contains(x, y))
            out.Pixel(x, y, pen_);
        remainder += 2 * minor;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++offset;
        }
    }
}

void PixelCanvas::TextOut(int x, int y, const QString& text, const PixelFont& font)
{
    if (text.isEmpty() || DrawableArea().isEmpty())
        return;
    const QFont qfont = MakeQFont(font);
    QPainter painter;
    BeginPainter(painter);
    painter.setFont(qfont);
    painter.setPen(PaintColour(font.Color));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QPoint(LimitCoordinate(x), LimitCoordinate(y) + QFontMetrics(qfont).ascent()),
                     text);
}

QFont MakeQFont(const PixelFont& font)
{
    QFont qfont(font.Name);
    qfont.setStyleStrategy(QFont::NoAntialias);
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setUnderline(font.Underline);
    qfont.setStrikeOut(font.StrikeOut);
    int pixels = 0;
    if (font.CellHeight > 0)
        pixels = PixelSizeForCell(qfont, std::min(font.CellHeight, kMaxFontPixels));
    else if (font.CellHeight < 0)
        pixels = static_cast<int>(
            std::min<int64_t>(-static_cast<int64_t>(font.CellHeight), kMaxFontPixels));
    else
        pixels = EmPixelsFromPoints(std::clamp(font.Size, -kMaxFontPixels, kMaxFontPixels));
    qfont.setPixelSize(std::clamp(pixels, 1, kMaxFontPixels));
    if (font.AverageWidth > 0) {
        const double natural = QFontMetricsF(qfont).averageCharWidth();
        if (natural > 0.0) {
            const double stretch = std::round(100.0 * font.AverageWidth / natural);
            qfont.setStretch(static_cast<int>(std::clamp(stretch, 1.0, 4000.0)));
        }
    }
    return qfont;
}

int TextWidthOf(const QString& text, const PixelFont& font)
{
    if (text.isEmpty())
        return 0;
    return QFontMetrics(MakeQFont(font)).horizontalAdvance(text);
}

int TextHeightOf(const QString&, const PixelFont& font)
{
    return QFontMetrics(MakeQFont(font)).height();
}

} // namespace lumora
