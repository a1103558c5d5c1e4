#pragma once
// Paints a sequence of bands, each over the ones before (the gradient
// ellipses and rectangles and the radial wave's rings), without painting
// what a later band covers anyway. Every band is still drawn by the
// buffer's own shapes, only restricted by clip rectangles to the part
// outside the next band's certain interior: a pixel's last band paints
// it, so the picture is the one every band drawn whole would give, at a
// fraction of the work when bands are nested hundreds deep.

#include "depthmap/box.h"

#include <cstdint>
#include <optional>

namespace lumora {

class TPixelEngine256;

struct BandShape
{
    enum class Form
    {
        Rectangle,
        RoundRect,
        Ellipse,
        Chord,
    };
    // Where a chord's arc runs round: the chord is the part of its ellipse
    // on that side of its straight side.
    enum class Half
    {
        Left,
        Right,
        Lower,
        Upper,
    };

    Form Shape = Form::Rectangle;
    Box Bounds;         // left, top, right, bottom as given to the buffer
    int32_t Corner = 0; // RoundRect: width and height of the corner ellipses
    // Chord: the arc's start and end points and the half they enclose.
    int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Half ChordHalf = Half::Left;

    static BandShape RectangleOf(const Box& b) { return {Form::Rectangle, b}; }
    static BandShape RoundRectOf(const Box& b, int32_t corner);
    static BandShape EllipseOf(const Box& b) { return {Form::Ellipse, b}; }
    static BandShape ChordOf(const Box& b, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             Half half);

    // Draws the shape with the buffer's brush, pen and clip.
    void Draw(TPixelEngine256& picture) const;
    // Rows (top, bottom) the shape certainly paints something in, and for
    // rows y0..y1-1 among them the columns (left, right) it certainly
    // paints in every one of those rows; nothing when none are certain.
    // Conservative: the shape's extent shrunk by a pixel.
    std::optional<Box> CertainRows() const;
    std::optional<Box> CertainColumns(int32_t y0, int32_t y1) const;
};

class NestedBandPainter
{
public:
    explicit NestedBandPainter(TPixelEngine256& picture) : picture_(picture) {}
    NestedBandPainter(const NestedBandPainter&) = delete;
    NestedBandPainter& operator=(const NestedBandPainter&) = delete;
    ~NestedBandPainter() = default;

    // The band is drawn in grey with a one-pixel pen of square ends once
    // the next band is known (or at Finish).
    void Add(const BandShape& shape, uint8_t grey);
    void Finish();

private:
    struct Band
    {
        BandShape Shape;
        uint8_t Grey;
    };
    void Paint(const Band& band, const BandShape* next);
    void DrawClipped(const Band& band, int32_t left, int32_t top, int32_t right, int32_t bottom);

    TPixelEngine256& picture_;
    std::optional<Band> pending_;
};

} // namespace lumora
