#pragma once
// Paints a sequence of bands, each over the ones before (the gradient
// ellipses and rectangles and the radial wave's rings), without painting
// what a later band covers anyway: in every row a band paints only the
// columns of its run that the next band's run leaves out. A pixel's last
// band paints it, so the picture is the one every band drawn whole by the
// buffer would give, at a fraction of the work when bands are nested
// hundreds deep.

#include "rendering/shape_rows.h"

#include <cstdint>
#include <vector>

namespace lumora {

class TPixelEngine256;

class NestedBandPainter
{
public:
    explicit NestedBandPainter(TPixelEngine256& picture);
    NestedBandPainter(const NestedBandPainter&) = delete;
    NestedBandPainter& operator=(const NestedBandPainter&) = delete;
    ~NestedBandPainter() = default;

    // The band covers the pixels the buffer fills for the shape; it is
    // painted in grey once the next band is known (or at Finish).
    void Add(const ShapeRows& shape, uint8_t grey);
    void Finish();

private:
    // The band's run in each picture row, cut to the picture.
    void ComputeRuns(const ShapeRows& shape, std::vector<RowSpan>& runs) const;
    void PaintPending(const std::vector<RowSpan>* next);

    TPixelEngine256& picture_;
    bool havePending_ = false;
    uint8_t pendingGrey_ = 0;
    std::vector<RowSpan> pendingRuns_;
    std::vector<RowSpan> nextRuns_;
};

// The same picture for a family of bands whose runs are nested in every
// row (each band's run within the run of every band before it), painted
// row by row: the runs of a row are found by bisection over the bands, so
// the work grows with the distinct runs of a row rather than with the
// number of bands. For the half-elliptical bands that shrink toward the
// top or bottom of a tall picture, where there are as many bands as rows.
void PaintNestedRuns(TPixelEngine256& picture, const std::vector<ShapeRows>& bands,
                     const std::vector<uint8_t>& greys);

} // namespace lumora
