#pragma once
// The filled shapes of the pixel buffers, row by row: for each picture row
// the one run of columns a rectangle, rounded rectangle, ellipse or chord
// covers. The buffers fill their shapes through these, so code that paints
// runs itself (the nested gradient bands) covers exactly the same pixels.
//
// A shape is given as the buffers take it: a rectangle (L, T, R, B) in any
// corner order covering columns L..R-1 and rows T..B-1, and the rounded
// rectangle, the ellipse and the chord inscribed in it.

#include <cstdint>

namespace lumora {

// Coordinates beyond this are cut before any arithmetic, so sums and
// differences of two coordinates never overflow.
inline constexpr int kCoordinateLimit = 1 << 29;
// Tolerance for pixel centres lying exactly on a shape's edge.
inline constexpr double kEdgeTolerance = 1e-9;

inline int LimitCoordinate(int v)
{
    return v < -kCoordinateLimit ? -kCoordinateLimit : v > kCoordinateLimit ? kCoordinateLimit : v;
}

// A coordinate computed in floating point, cut to twice the limit (NaN gives
// the lower bound).
inline int ClampToCoordinate(double v)
{
    constexpr double limit = 2.0 * kCoordinateLimit;
    return static_cast<int>(v >= limit ? limit : v > -limit ? v : -limit);
}

// An inclusive run of columns within one row; empty when Left > Right.
struct RowSpan
{
    int Left = 1;
    int Right = 0;
    bool Empty() const { return Left > Right; }
};

inline RowSpan Intersect(RowSpan a, RowSpan b)
{
    return {a.Left > b.Left ? a.Left : b.Left, a.Right < b.Right ? a.Right : b.Right};
}

class ShapeRows
{
public:
    static ShapeRows Rectangle(int left, int top, int right, int bottom);
    // A corner of 0 in either direction is the plain rectangle.
    static ShapeRows RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                               int cornerHeight);
    static ShapeRows Ellipse(int left, int top, int right, int bottom);
    // The part of the ellipse cut off by the line between the points where
    // the rays from its centre toward (x1, y1) and (x2, y2) leave it, on the
    // side of the arc running counter-clockwise from the first to the second.
    static ShapeRows Chord(int left, int top, int right, int bottom, int x1, int y1, int x2,
                           int y2);

    // The normalised and cut rectangle: rows Top()..Bottom()-1.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }
    bool Empty() const { return right_ <= left_ || bottom_ <= top_; }

    RowSpan operator()(int y) const;

    // Ellipse and chord: the centre and radii of the ellipse.
    double CentreX() const { return cx_; }
    double CentreY() const { return cy_; }
    double RadiusX() const { return a_; }
    double RadiusY() const { return b_; }
    // Chord: the polar angle of the arc's start (counter-clockwise on
    // screen), its sweep in (0, 2 pi], and whether it is the whole ellipse.
    double ArcStart() const { return start_; }
    double ArcSweep() const { return sweep_; }
    bool WholeEllipse() const { return whole_; }

private:
    enum class Form
    {
        Rectangle,
        RoundRect,
        Ellipse,
        Chord,
    };
    ShapeRows(Form form, int left, int top, int right, int bottom);
    RowSpan EllipseSpan(int y) const;
    RowSpan RoundRectSpan(int y) const;
    RowSpan ChordSpan(int y) const;

    Form form_;
    int left_, top_, right_, bottom_;
    // The inscribed ellipse (ellipse, chord) or the corner ellipse.
    double cx_ = 0, cy_ = 0, a_ = 0, b_ = 0;
    int cornerWidth_ = 0, cornerHeight_ = 0;
    // The chord's straight side through (p1x_, p1y_) along (dx_, dy_).
    double start_ = 0, sweep_ = 0;
    bool whole_ = false;
    double p1x_ = 0, p1y_ = 0, dx_ = 0, dy_ = 0, orientation_ = 1, tolerance_ = 0;
};

} // namespace lumora
