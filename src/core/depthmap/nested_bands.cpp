#include "depthmap/nested_bands.h"

#include "rendering/lumo_pixelengine256.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumora {

namespace {

// Pixels x0..x1 of picture row y; Row() counts from the bottom.
void FillPictureRun(TPixelEngine256& picture, int y, int x0, int x1, uint8_t grey)
{
    if (x0 > x1)
        return;
    uint8_t* row = picture.Row(picture.Height() - 1 - y);
    std::memset(row + x0, grey, static_cast<size_t>(x1 - x0 + 1));
}

// The length of the prefix of indices on which holds is true, known to
// hold on [0, lo) and to fail from hi on.
template <typename Holds> size_t Bisect(size_t lo, size_t hi, Holds holds)
{
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (holds(mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

// The same over [0, end), searched from the end: the prefix is expected to
// reach close to end, as the next band outward usually is one of the last
// few.
template <typename Holds> size_t PrefixLengthFromEnd(size_t end, Holds holds)
{
    size_t hi = end; // holds fails from hi on
    for (size_t step = 1; step <= hi; step *= 2) {
        const size_t probe = hi - step;
        if (holds(probe))
            return Bisect(probe + 1, hi, holds);
        hi = probe;
    }
    return Bisect(0, hi, holds);
}

} // namespace

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

void PaintNestedRuns(TPixelEngine256& picture, const std::vector<ShapeRows>& bands,
                     const std::vector<uint8_t>& greys)
{
    const int W = picture.Width();
    const RowSpan whole{0, W - 1};
    for (int y = 0; y < picture.Height(); ++y) {
        auto runOf = [&](size_t i) { return Intersect(bands[i](y), whole); };
        const size_t present = Bisect(0, bands.size(), [&](size_t i) { return !runOf(i).Empty(); });
        if (present == 0)
            continue;
        auto fill = [&picture, y](int x0, int x1, uint8_t grey) {
            FillPictureRun(picture, y, x0, x1, grey);
        };
        const RowSpan innermost = runOf(present - 1);
        fill(innermost.Left, innermost.Right, greys[present - 1]);
        // Outward on each side: the pixel beyond the painted part belongs
        // to the last band that reaches it.
        int left = innermost.Left;
        for (size_t limit = present - 1; left > 0 && limit > 0;) {
            const size_t reaching =
                PrefixLengthFromEnd(limit, [&](size_t i) { return runOf(i).Left <= left - 1; });
            if (reaching == 0)
                break;
            const size_t owner = reaching - 1;
            const int from = runOf(owner).Left;
            fill(from, left - 1, greys[owner]);
            left = from;
            limit = owner;
        }
        int right = innermost.Right;
        for (size_t limit = present - 1; right < W - 1 && limit > 0;) {
            const size_t reaching =
                PrefixLengthFromEnd(limit, [&](size_t i) { return runOf(i).Right >= right + 1; });
            if (reaching == 0)
                break;
            const size_t owner = reaching - 1;
            const int to = runOf(owner).Right;
            fill(right + 1, to, greys[owner]);
            right = to;
            limit = owner;
        }
    }
}

void NestedBandPainter::PaintPending(const std::vector<RowSpan>* next)
{
    for (int y = 0; y < picture_.Height(); ++y) {
        const RowSpan run = pendingRuns_[static_cast<size_t>(y)];
        if (run.Empty())
            continue;
        const RowSpan covered = next ? (*next)[static_cast<size_t>(y)] : RowSpan{};
        if (covered.Empty() || covered.Right < run.Left || covered.Left > run.Right) {
            FillPictureRun(picture_, y, run.Left, run.Right, pendingGrey_);
            continue;
        }
        FillPictureRun(picture_, y, run.Left, covered.Left - 1, pendingGrey_);
        FillPictureRun(picture_, y, covered.Right + 1, run.Right, pendingGrey_);
    }
}

} // namespace lumora
