#include "depthmap/nested_bands.h"

#include "rendering/lumo_pixelengine256.h"

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

// Strips of rows per band: each gets its own certain columns, so the
// painted ring follows the next band's outline.
constexpr int32_t kStrips = 64;
constexpr double kEpsilon = 1e-6;

Box Normalised(const Box& b)
{
    return Box{std::min(b.Left, b.Right), std::min(b.Top, b.Bottom), std::max(b.Left, b.Right),
               std::max(b.Top, b.Bottom)};
}

// Integers v with lo <= v <= hi, as [first, end).
std::optional<Box> ColumnsBetween(double lo, double hi, int32_t y0, int32_t y1)
{
    const double first = std::ceil(lo + kEpsilon);
    const double last = std::floor(hi - kEpsilon);
    if (first > last)
        return std::nullopt;
    return Box{static_cast<int32_t>(first), y0, static_cast<int32_t>(last) + 1, y1};
}

// The ellipse inscribed in a box, shrunk by a pixel on every side: every
// pixel centre inside it is inside the ellipse the buffer draws.
struct SureEllipse
{
    double cx, cy, a, b;
    explicit SureEllipse(const Box& box)
        : cx(box.Left + (static_cast<double>(box.Right) - box.Left - 1) / 2.0),
          cy(box.Top + (static_cast<double>(box.Bottom) - box.Top - 1) / 2.0),
          a((static_cast<double>(box.Right) - box.Left) / 2.0 - 1.0),
          b((static_cast<double>(box.Bottom) - box.Top) / 2.0 - 1.0)
    {
    }
    bool Empty() const { return a <= 0 || b <= 0; }
    // The half-width over rows y0..y1-1, or a negative value.
    double HalfWidth(int32_t y0, int32_t y1) const
    {
        const double dy = std::max(std::abs(y0 - cy), std::abs(y1 - 1 - cy));
        if (dy > b)
            return -1;
        const double r = dy / b;
        return a * std::sqrt(std::max(0.0, 1.0 - r * r));
    }
};

// The largest inset from either side a row of a rounded rectangle can
// have: the corner ellipse's row, rounded up.
int32_t RoundRectInset(const Box& box, int32_t cw, int32_t ch, int32_t y)
{
    const int32_t half = ch / 2;
    const int32_t fromTop = y - box.Top;
    const int32_t fromBottom = box.Bottom - 1 - y;
    int32_t row = 0;
    if (fromTop < half)
        row = fromTop;
    else if (fromBottom < half)
        row = ch - 1 - fromBottom;
    else
        return 0;
    const double ccx = (cw - 1) / 2.0;
    const double ccy = (ch - 1) / 2.0;
    const double a = cw / 2.0;
    const double b = ch / 2.0;
    const double dy = (row - ccy) / b;
    const double t = 1.0 - dy * dy;
    const double middle = std::floor(ccx);
    if (t <= 0)
        return static_cast<int32_t>(middle);
    return static_cast<int32_t>(
        std::min(middle, std::floor(ccx - a * std::sqrt(t) + 1 + kEpsilon)));
}

// The ends of a chord's straight side, found as the buffer finds them: the
// points where the rays from the ellipse's centre toward the two given
// points leave the ellipse inscribed in the box.
struct ChordEnds
{
    double x1, y1, x2, y2;
};

ChordEnds ChordEndsOf(const Box& box, int32_t px1, int32_t py1, int32_t px2, int32_t py2)
{
    const double cx = box.Left + (static_cast<double>(box.Right) - box.Left - 1) / 2.0;
    const double cy = box.Top + (static_cast<double>(box.Bottom) - box.Top - 1) / 2.0;
    const double a = (static_cast<double>(box.Right) - box.Left) / 2.0;
    const double b = (static_cast<double>(box.Bottom) - box.Top) / 2.0;
    auto end = [&](int32_t x, int32_t y, double& ex, double& ey) {
        const double dx = x - cx;
        const double dy = y - cy;
        const double theta = dx == 0.0 && dy == 0.0 ? 0.0 : std::atan2(-dy, dx);
        const double c = std::cos(theta);
        const double s = std::sin(theta);
        const double k = 1.0 / std::sqrt((c / a) * (c / a) + (s / b) * (s / b));
        ex = cx + k * c;
        ey = cy - k * s;
    };
    ChordEnds e{};
    end(px1, py1, e.x1, e.y1);
    end(px2, py2, e.x2, e.y2);
    return e;
}

// Beyond the chord's straight side by this much a pixel centre is
// certainly on the arc's side.
constexpr double kChordMargin = 0.25;

} // namespace

BandShape BandShape::RoundRectOf(const Box& b, int32_t corner)
{
    BandShape s{Form::RoundRect, b};
    s.Corner = corner;
    return s;
}

BandShape BandShape::ChordOf(const Box& b, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             Half half)
{
    BandShape s{Form::Chord, b};
    s.X1 = x1;
    s.Y1 = y1;
    s.X2 = x2;
    s.Y2 = y2;
    s.ChordHalf = half;
    return s;
}

void BandShape::Draw(TPixelEngine256& picture) const
{
    const Box& b = Bounds;
    switch (Shape) {
    case Form::Rectangle:
        picture.Rectangle(b.Left, b.Top, b.Right, b.Bottom);
        break;
    case Form::RoundRect:
        picture.RoundRect(b.Left, b.Top, b.Right, b.Bottom, Corner, Corner);
        break;
    case Form::Ellipse:
        picture.Ellipse(b.Left, b.Top, b.Right, b.Bottom);
        break;
    case Form::Chord:
        picture.Chord(b.Left, b.Top, b.Right, b.Bottom, X1, Y1, X2, Y2);
        break;
    }
}

std::optional<Box> BandShape::CertainRows() const
{
    const Box b = Normalised(Bounds);
    if (b.IsEmpty())
        return std::nullopt;
    switch (Shape) {
    case Form::Rectangle:
    case Form::RoundRect:
        return b;
    case Form::Ellipse:
    case Form::Chord: {
        const SureEllipse e(b);
        if (e.Empty())
            return std::nullopt;
        double top = e.cy - e.b;
        double bottom = e.cy + e.b;
        if (Shape == Form::Chord && (ChordHalf == Half::Lower || ChordHalf == Half::Upper)) {
            const ChordEnds ends = ChordEndsOf(b, X1, Y1, X2, Y2);
            if (ChordHalf == Half::Lower)
                top = std::max(top, std::max(ends.y1, ends.y2) + kChordMargin);
            else
                bottom = std::min(bottom, std::min(ends.y1, ends.y2) - kChordMargin);
        }
        const auto rows = ColumnsBetween(top, bottom, 0, 0);
        if (!rows)
            return std::nullopt;
        return Box{b.Left, rows->Left, b.Right, rows->Right};
    }
    }
    return std::nullopt;
}

std::optional<Box> BandShape::CertainColumns(int32_t y0, int32_t y1) const
{
    const Box b = Normalised(Bounds);
    if (b.IsEmpty() || y0 >= y1)
        return std::nullopt;
    switch (Shape) {
    case Form::Rectangle:
        return Box{b.Left, y0, b.Right, y1};
    case Form::RoundRect: {
        const int32_t cw = std::min(std::abs(Corner), b.Right - b.Left);
        const int32_t ch = std::min(std::abs(Corner), b.Bottom - b.Top);
        if (cw == 0 || ch == 0)
            return Box{b.Left, y0, b.Right, y1};
        const int32_t inset =
            std::max(RoundRectInset(b, cw, ch, y0), RoundRectInset(b, cw, ch, y1 - 1));
        if (b.Left + inset >= b.Right - inset)
            return std::nullopt;
        return Box{b.Left + inset, y0, b.Right - inset, y1};
    }
    case Form::Ellipse:
    case Form::Chord: {
        const SureEllipse e(b);
        const double hw = e.Empty() ? -1 : e.HalfWidth(y0, y1);
        if (hw < 0)
            return std::nullopt;
        double lo = e.cx - hw;
        double hi = e.cx + hw;
        // Within the ellipse, a pixel left of both ends of the straight side
        // lies on the side of an arc round the left (and so on).
        if (Shape == Form::Chord && (ChordHalf == Half::Left || ChordHalf == Half::Right)) {
            const ChordEnds ends = ChordEndsOf(b, X1, Y1, X2, Y2);
            if (ChordHalf == Half::Left)
                hi = std::min(hi, std::min(ends.x1, ends.x2) - kChordMargin);
            else
                lo = std::max(lo, std::max(ends.x1, ends.x2) + kChordMargin);
        }
        return ColumnsBetween(lo, hi, y0, y1);
    }
    }
    return std::nullopt;
}

void NestedBandPainter::Add(const BandShape& shape, uint8_t grey)
{
    if (pending_)
        Paint(*pending_, &shape);
    pending_ = Band{shape, grey};
}

void NestedBandPainter::Finish()
{
    if (pending_)
        Paint(*pending_, nullptr);
    pending_.reset();
}

void NestedBandPainter::DrawClipped(const Band& band, int32_t left, int32_t top, int32_t right,
                                    int32_t bottom)
{
    const int32_t l = std::max(left, 0);
    const int32_t t = std::max(top, 0);
    const int32_t r = std::min(right, picture_.Width());
    const int32_t b = std::min(bottom, picture_.Height());
    if (l >= r || t >= b)
        return;
    picture_.SetClipRect(l, t, r, b);
    band.Shape.Draw(picture_);
}

void NestedBandPainter::Paint(const Band& band, const BandShape* next)
{
    picture_.SetBrushGrey(band.Grey);
    picture_.SetPen(1, true);
    const std::optional<Box> rows = next ? next->CertainRows() : std::nullopt;
    if (!rows) {
        picture_.ResetClip();
        band.Shape.Draw(picture_);
        return;
    }
    const Box whole = Normalised(band.Shape.Bounds);
    DrawClipped(band, whole.Left, whole.Top, whole.Right, rows->Top);
    DrawClipped(band, whole.Left, rows->Bottom, whole.Right, whole.Bottom);
    // Only the rows of the picture need strips.
    const int32_t top = std::max(rows->Top, 0);
    const int32_t bottom = std::min(rows->Bottom, picture_.Height());
    const int64_t height = static_cast<int64_t>(bottom) - top;
    const int64_t strips = std::min<int64_t>(height, kStrips);
    for (int64_t s = 0; s < strips; ++s) {
        const auto y0 = static_cast<int32_t>(top + height * s / strips);
        const auto y1 = static_cast<int32_t>(top + height * (s + 1) / strips);
        const std::optional<Box> inner = next->CertainColumns(y0, y1);
        if (!inner) {
            DrawClipped(band, whole.Left, y0, whole.Right, y1);
            continue;
        }
        DrawClipped(band, whole.Left, y0, inner->Left, y1);
        DrawClipped(band, inner->Right, y0, whole.Right, y1);
    }
    picture_.ResetClip();
}

} // namespace lumora
