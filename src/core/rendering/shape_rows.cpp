#include "rendering/shape_rows.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumora {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct EllipseGeometry
{
    double cx, cy, a, b;
};

// The ellipse inscribed in columns left..right-1 and rows top..bottom-1:
// centred between the outer pixel centres, radii half the extents.
EllipseGeometry InscribedEllipse(int left, int top, int right, int bottom)
{
    const double width = static_cast<double>(right) - left;
    const double height = static_cast<double>(bottom) - top;
    return {left + (width - 1) / 2.0, top + (height - 1) / 2.0, width / 2.0, height / 2.0};
}

// A pixel is covered when its centre lies inside the ellipse. The rows
// through the centre always span the whole width and every row keeps at
// least its middle pixel(s), so the ellipse touches all four edges of its
// rectangle however thin it is.
RowSpan EllipseRow(int left, int top, int right, int bottom, const EllipseGeometry& e, int y)
{
    if (y < top || y >= bottom)
        return {};
    if (y == static_cast<int>(std::floor(e.cy)) || y == static_cast<int>(std::ceil(e.cy)))
        return {left, right - 1};
    const double dy = (y - e.cy) / e.b;
    const double t = 1.0 - dy * dy;
    const int middle = static_cast<int>(std::floor(e.cx));
    int first = middle;
    if (t > 0.0)
        first = ClampToCoordinate(std::ceil(e.cx - e.a * std::sqrt(t) - kEdgeTolerance));
    first = std::clamp(first, left, middle);
    // Mirror about the centre column so both sides agree exactly.
    return {first, left + right - 1 - first};
}

// The point where the ray from the centre at polar angle theta (counter-
// clockwise on screen) leaves the ellipse.
void EllipsePointAt(const EllipseGeometry& e, double theta, double& x, double& y)
{
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double k = 1.0 / std::sqrt((c / e.a) * (c / e.a) + (s / e.b) * (s / e.b));
    x = e.cx + k * c;
    y = e.cy - k * s;
}

} // namespace

ShapeRows::ShapeRows(Form form, int left, int top, int right, int bottom)
    : form_(form), left_(LimitCoordinate(std::min(left, right))),
      top_(LimitCoordinate(std::min(top, bottom))), right_(LimitCoordinate(std::max(left, right))),
      bottom_(LimitCoordinate(std::max(top, bottom)))
{
    const EllipseGeometry e = InscribedEllipse(left_, top_, right_, bottom_);
    cx_ = e.cx;
    cy_ = e.cy;
    a_ = e.a;
    b_ = e.b;
}

ShapeRows ShapeRows::Rectangle(int left, int top, int right, int bottom)
{
    return ShapeRows(Form::Rectangle, left, top, right, bottom);
}

ShapeRows ShapeRows::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                               int cornerHeight)
{
    ShapeRows shape(Form::RoundRect, left, top, right, bottom);
    shape.cornerWidth_ =
        std::min(std::abs(LimitCoordinate(cornerWidth)), shape.right_ - shape.left_);
    shape.cornerHeight_ =
        std::min(std::abs(LimitCoordinate(cornerHeight)), shape.bottom_ - shape.top_);
    if (shape.cornerWidth_ == 0 || shape.cornerHeight_ == 0)
        shape.form_ = Form::Rectangle;
    return shape;
}

ShapeRows ShapeRows::Ellipse(int left, int top, int right, int bottom)
{
    return ShapeRows(Form::Ellipse, left, top, right, bottom);
}

ShapeRows ShapeRows::Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    ShapeRows shape(Form::Chord, left, top, right, bottom);
    if (shape.Empty())
        return shape;
    auto polarAngle = [&](int x, int y) {
        const double dx = LimitCoordinate(x) - shape.cx_;
        const double dy = LimitCoordinate(y) - shape.cy_;
        return dx == 0.0 && dy == 0.0 ? 0.0 : std::atan2(-dy, dx);
    };
    shape.start_ = polarAngle(x1, y1);
    shape.sweep_ = polarAngle(x2, y2) - shape.start_;
    while (shape.sweep_ <= 0.0)
        shape.sweep_ += kTwoPi;
    // Coinciding radials sweep the whole ellipse.
    shape.whole_ = shape.sweep_ >= kTwoPi;

    const EllipseGeometry e{shape.cx_, shape.cy_, shape.a_, shape.b_};
    double p2x = 0, p2y = 0, midx = 0, midy = 0;
    EllipsePointAt(e, shape.start_, shape.p1x_, shape.p1y_);
    EllipsePointAt(e, shape.start_ + shape.sweep_, p2x, p2y);
    EllipsePointAt(e, shape.start_ + shape.sweep_ / 2.0, midx, midy);
    shape.dx_ = p2x - shape.p1x_;
    shape.dy_ = p2y - shape.p1y_;
    // side(q) > 0 for points on the arc's side of the chord line.
    shape.orientation_ =
        shape.dx_ * (midy - shape.p1y_) - shape.dy_ * (midx - shape.p1x_) >= 0.0 ? 1.0 : -1.0;
    shape.tolerance_ = kEdgeTolerance * (std::abs(shape.dx_) + std::abs(shape.dy_) + 1.0);
    return shape;
}

RowSpan ShapeRows::operator()(int y) const
{
    if (Empty() || y < top_ || y >= bottom_)
        return {};
    switch (form_) {
    case Form::Rectangle:
        return {left_, right_ - 1};
    case Form::RoundRect:
        return RoundRectSpan(y);
    case Form::Ellipse:
        return EllipseSpan(y);
    case Form::Chord:
        return ChordSpan(y);
    }
    return {};
}

RowSpan ShapeRows::EllipseSpan(int y) const
{
    return EllipseRow(left_, top_, right_, bottom_, EllipseGeometry{cx_, cy_, a_, b_}, y);
}

// Each corner is a quarter of the ellipse of the corner size.
RowSpan ShapeRows::RoundRectSpan(int y) const
{
    const int half = cornerHeight_ / 2;
    const int fromTop = y - top_;
    const int fromBottom = bottom_ - 1 - y;
    int cornerRow = -1;
    if (fromTop < half)
        cornerRow = fromTop;
    else if (fromBottom < half)
        cornerRow = cornerHeight_ - 1 - fromBottom;
    if (cornerRow < 0)
        return {left_, right_ - 1};
    const EllipseGeometry corner = InscribedEllipse(0, 0, cornerWidth_, cornerHeight_);
    const int inset = EllipseRow(0, 0, cornerWidth_, cornerHeight_, corner, cornerRow).Left;
    return {left_ + inset, right_ - 1 - inset};
}

RowSpan ShapeRows::ChordSpan(int y) const
{
    RowSpan span = EllipseSpan(y);
    if (whole_ || span.Empty())
        return span;
    // orientation * (dx * (y - p1y) - dy * (x - p1x)) >= -tolerance,
    // solved for x.
    const double constant = orientation_ * (dx_ * (y - p1y_) + dy_ * p1x_) + tolerance_;
    const double slope = orientation_ * dy_;
    if (std::abs(slope) < 1e-12)
        return constant >= 0.0 ? span : RowSpan{};
    const double bound = constant / slope;
    if (slope > 0.0)
        span.Right = std::min(span.Right, ClampToCoordinate(std::floor(bound + kEdgeTolerance)));
    else
        span.Left = std::max(span.Left, ClampToCoordinate(std::ceil(bound - kEdgeTolerance)));
    return span;
}

} // namespace lumora
