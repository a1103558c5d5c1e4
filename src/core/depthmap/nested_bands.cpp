#include "depthmap/nested_bands.h"

#include "rendering/lumo_pixelengine256.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumora {

NestedBandPainter::NestedBandPainter(TPixelEngine256& picture)
    : picture_(picture), pendingRuns_(static_cast<size_t>(picture.Height())),
      nextRuns_(static_cast<size_t>(picture.Height()))
{
}

void NestedBandPainter::ComputeRuns(const ShapeRows& shape, std::vector<RowSpan>& runs) const
{
    const RowSpan picture{0, picture_.Width() - 1};
    std::fill(runs.begin(), runs.end(), RowSpan{});
    const int first = std::max(shape.Top(), 0);
    const int end = std::min(shape.Bottom(), picture_.Height());
    for (int y = first; y < end; ++y)
        runs[static_cast<size_t>(y)] = Intersect(shape(y), picture);
}

void NestedBandPainter::Add(const ShapeRows& shape, uint8_t grey)
{
    ComputeRuns(shape, nextRuns_);
    if (havePending_)
        PaintPending(&nextRuns_);
    std::swap(pendingRuns_, nextRuns_);
    pendingGrey_ = grey;
    havePending_ = true;
}

void NestedBandPainter::Finish()
{
    if (havePending_)
        PaintPending(nullptr);
    havePending_ = false;
}

void NestedBandPainter::FillRun(int y, int x0, int x1, uint8_t grey)
{
    if (x0 > x1)
        return;
    // Row() counts from the bottom.
    uint8_t* row = picture_.Row(picture_.Height() - 1 - y);
    std::memset(row + x0, grey, static_cast<size_t>(x1 - x0 + 1));
}

void NestedBandPainter::PaintPending(const std::vector<RowSpan>* next)
{
    for (int y = 0; y < picture_.Height(); ++y) {
        const RowSpan run = pendingRuns_[static_cast<size_t>(y)];
        if (run.Empty())
            continue;
        const RowSpan covered = next ? (*next)[static_cast<size_t>(y)] : RowSpan{};
        if (covered.Empty() || covered.Right < run.Left || covered.Left > run.Right) {
            FillRun(y, run.Left, run.Right, pendingGrey_);
            continue;
        }
        FillRun(y, run.Left, covered.Left - 1, pendingGrey_);
        FillRun(y, covered.Right + 1, run.Right, pendingGrey_);
    }
}

} // namespace lumora
