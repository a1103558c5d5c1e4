#include "rendering/pixel_canvas.h"

#include "common/lumora_error.h"
#include "common/numeric.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>
#include <utility>

namespace lumora {

namespace {

// Coordinates beyond this are cut before any arithmetic, so sums and
// differences of two coordinates never overflow.
constexpr int kCoordinateLimit = 1 << 29;
// Fonts larger than this would only make the glyph rasteriser crawl.
constexpr int kMaxFontPixels = 20000;
// Tolerance for pixel centres lying exactly on a shape's edge.
constexpr double kEdgeTolerance = 1e-9;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

int Limit(int v)
{
    return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

int ClampToInt(double v)
{
    return static_cast<int>(std::clamp(v, -2.0 * kCoordinateLimit, 2.0 * kCoordinateLimit));
}

// An inclusive run of columns within one row; empty when left > right.
struct Span
{
    int left = 1;
    int right = 0;
    bool Empty() const { return left > right; }
};

// Picture rows of a normalised rectangle: the corners sorted and cut.
struct Box
{
    int left, top, right, bottom;
    Box(int l, int t, int r, int b)
        : left(Limit(std::min(l, r))), top(Limit(std::min(t, b))), right(Limit(std::max(l, r))),
          bottom(Limit(std::max(t, b)))
    {
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
};

// The rows of the ellipse inscribed in a box: a pixel is covered when its
// centre lies inside the ellipse through the box's outer edges. The rows
// through the centre always span the whole width and every row keeps at
// least its middle pixel(s), so the ellipse touches all four edges of the
// box however thin it is.
class EllipseRows
{
public:
    explicit EllipseRows(const Box& box)
        : box_(box), cx_(box.left + (box.Width() - 1) / 2.0),
          cy_(box.top + (box.Height() - 1) / 2.0), a_(box.Width() / 2.0), b_(box.Height() / 2.0)
    {
    }

    Span operator()(int y) const
    {
        if (y < box_.top || y >= box_.bottom)
            return {};
        if (y == static_cast<int>(std::floor(cy_)) || y == static_cast<int>(std::ceil(cy_)))
            return {box_.left, box_.right - 1};
        const double dy = (y - cy_) / b_;
        const double t = 1.0 - dy * dy;
        const int middle = static_cast<int>(std::floor(cx_));
        int left = middle;
        if (t > 0.0)
            left = ClampToInt(std::ceil(cx_ - a_ * std::sqrt(t) - kEdgeTolerance));
        left = std::clamp(left, box_.left, middle);
        // Mirror about the centre column so both sides agree exactly.
        return {left, box_.left + box_.right - 1 - left};
    }

    double CentreX() const { return cx_; }
    double CentreY() const { return cy_; }
    double RadiusX() const { return a_; }
    double RadiusY() const { return b_; }

private:
    Box box_;
    double cx_, cy_, a_, b_;
};

// The point where the ray from (cx, cy) at polar angle theta (counter-
// clockwise on screen) leaves the ellipse of radii a, b.
QPointF EllipsePointAt(double cx, double cy, double a, double b, double theta)
{
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double k = 1.0 / std::sqrt((c / a) * (c / a) + (s / b) * (s / b));
    return {cx + k * c, cy - k * s};
}

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

    int FirstRow() const { return ClampToInt(std::ceil(top_ - kEdgeTolerance)); }
    int EndRow() const { return ClampToInt(std::ceil(bottom_ - kEdgeTolerance)); }

    Span operator()(int row) const
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
        return {ClampToInt(std::ceil(lo - kEdgeTolerance)),
                ClampToInt(std::ceil(hi - kEdgeTolerance)) - 1};
    }

private:
    QPointF p1_, p2_;
    double r_;
    bool round_;
    QPointF corners_[4];
    double top_ = 0.0, bottom_ = 0.0;
};

Span Intersect(Span a, Span b)
{
    return {std::max(a.left, b.left), std::min(a.right, b.right)};
}

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
    left = Limit(left);
    top = Limit(top);
    clip_ = QRect(left, top, std::max(0, Limit(right) - left), std::max(0, Limit(bottom) - top));
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
        const Span span = spanOf(y);
        if (span.Empty())
            continue;
        auto run = [&](int x0, int x1, Colour c) {
            out.Run(y, std::max(x0, area.left()), std::min(x1, area.right()), c);
        };
        if (!outlined) {
            run(span.left, span.right, brush_);
            continue;
        }
        Span inner{span.left + 1, span.right - 1};
        inner = y > top ? Intersect(inner, spanOf(y - 1)) : Span{};
        inner = y < bottom - 1 ? Intersect(inner, spanOf(y + 1)) : Span{};
        if (inner.Empty()) {
            run(span.left, span.right, pen_);
            continue;
        }
        run(span.left, inner.left - 1, pen_);
        run(inner.left, inner.right, brush_);
        run(inner.right + 1, span.right, pen_);
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
    const Box box(left, top, right, bottom);
    if (box.Empty() || image_.isNull())
        return;
    PaintSpanShape(box.top, box.bottom, [&](int) { return Span{box.left, box.right - 1}; });
    if (penWidth_ > 1) {
        QPainterPath path;
        path.addRect(QRectF(box.left, box.top, box.Width() - 1, box.Height() - 1));
        StrokeOutline(path);
    }
}

void PixelCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                            int cornerHeight)
{
    const Box box(left, top, right, bottom);
    if (box.Empty() || image_.isNull())
        return;
    const int cw = std::min(std::abs(Limit(cornerWidth)), box.Width());
    const int ch = std::min(std::abs(Limit(cornerHeight)), box.Height());
    if (cw == 0 || ch == 0) {
        Rectangle(box.left, box.top, box.right, box.bottom);
        return;
    }
    // Each corner is a quarter of the ellipse of the corner size.
    const EllipseRows corner(Box(0, 0, cw, ch));
    const int half = ch / 2;
    PaintSpanShape(box.top, box.bottom, [&](int y) {
        const int fromTop = y - box.top;
        const int fromBottom = box.bottom - 1 - y;
        int inset = 0;
        if (fromTop < half)
            inset = corner(fromTop).left;
        else if (fromBottom < half)
            inset = corner(ch - 1 - fromBottom).left;
        return Span{box.left + inset, box.right - 1 - inset};
    });
    if (penWidth_ > 1) {
        QPainterPath path;
        path.addRoundedRect(QRectF(box.left, box.top, box.Width() - 1, box.Height() - 1),
                            (cw - 1) / 2.0, (ch - 1) / 2.0);
        StrokeOutline(path);
    }
}

void PixelCanvas::Ellipse(int left, int top, int right, int bottom)
{
    const Box box(left, top, right, bottom);
    if (box.Empty() || image_.isNull())
        return;
    PaintSpanShape(box.top, box.bottom, EllipseRows(box));
    if (penWidth_ > 1) {
        QPainterPath path;
        path.addEllipse(QRectF(box.left, box.top, box.Width() - 1, box.Height() - 1));
        StrokeOutline(path);
    }
}

void PixelCanvas::Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const Box box(left, top, right, bottom);
    if (box.Empty() || image_.isNull())
        return;
    const EllipseRows ellipse(box);
    const double cx = ellipse.CentreX();
    const double cy = ellipse.CentreY();
    auto polarAngle = [&](int x, int y) {
        const double dx = Limit(x) - cx;
        const double dy = Limit(y) - cy;
        return dx == 0.0 && dy == 0.0 ? 0.0 : std::atan2(-dy, dx);
    };
    const double start = polarAngle(x1, y1);
    double sweep = polarAngle(x2, y2) - start;
    while (sweep <= 0.0)
        sweep += kTwoPi;
    // Coinciding radials sweep the whole ellipse.
    const bool whole = sweep >= kTwoPi;

    const double a = ellipse.RadiusX();
    const double b = ellipse.RadiusY();
    const QPointF p1 = EllipsePointAt(cx, cy, a, b, start);
    const QPointF p2 = EllipsePointAt(cx, cy, a, b, start + sweep);
    const QPointF mid = EllipsePointAt(cx, cy, a, b, start + sweep / 2.0);
    const double dx = p2.x() - p1.x();
    const double dy = p2.y() - p1.y();
    // side(q) > 0 for points on the arc's side of the chord line.
    const double orientation =
        dx * (mid.y() - p1.y()) - dy * (mid.x() - p1.x()) >= 0.0 ? 1.0 : -1.0;
    const double tolerance = kEdgeTolerance * (std::abs(dx) + std::abs(dy) + 1.0);

    PaintSpanShape(box.top, box.bottom, [&](int y) {
        Span span = ellipse(y);
        if (whole || span.Empty())
            return span;
        // orientation * (dx * (y - p1y) - dy * (x - p1x)) >= -tolerance,
        // solved for x.
        const double constant = orientation * (dx * (y - p1.y()) + dy * p1.x()) + tolerance;
        const double slope = orientation * dy;
        if (std::abs(slope) < 1e-12)
            return constant >= 0.0 ? span : Span{};
        const double bound = constant / slope;
        if (slope > 0.0)
            span.right = std::min(span.right, ClampToInt(std::floor(bound + kEdgeTolerance)));
        else
            span.left = std::max(span.left, ClampToInt(std::ceil(bound - kEdgeTolerance)));
        return span;
    });
    if (penWidth_ > 1) {
        // The outline runs through the outermost pixel centres.
        const double sa = std::max(0.0, a - 0.5);
        const double sb = std::max(0.0, b - 0.5);
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
        if (!whole)
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
    x1 = Limit(x1);
    y1 = Limit(y1);
    x2 = Limit(x2);
    y2 = Limit(y2);
    if (penWidth_ > 1) {
        const StrokeRows stroke(x1, y1, x2, y2, penWidth_, squareCaps_);
        const int firstRow = std::max(stroke.FirstRow(), area.top());
        const int endRow = std::min(stroke.EndRow(), area.bottom() + 1);
        const RowWriter out = Writer();
        for (int y = firstRow; y < endRow; ++y) {
            const Span span = stroke(y);
            out.Run(y, std::max(span.left, area.left()), std::min(span.right, area.right()), pen_);
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
    painter.drawText(QPoint(Limit(x), Limit(y) + QFontMetrics(qfont).ascent()), text);
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
