#pragma once
// A rectangle given by its four edges (left, top, right, bottom), right
// and bottom exclusive, in editor or buffer pixels: the selection box, the
// repaint areas and the clip rectangles of the depth stage.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lumora {

struct Box
{
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const Box&) const = default;
};

// The edge one past a start and an extent. Coordinates from a file may be
// anything an int32 holds; the sum saturates instead of overflowing.
inline int32_t SaturateToInt32(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

inline int32_t EdgeAfter(int32_t start, int32_t extent)
{
    return SaturateToInt32(static_cast<int64_t>(start) + extent);
}

inline Box BoxOf(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return Box{left, top, EdgeAfter(left, width), EdgeAfter(top, height)};
}

// The common part of two boxes; empty boxes (also unnormalised ones) have
// nothing in common with anything, and the result is then all zero.
inline bool IntersectBoxes(const Box& a, const Box& b, Box& common)
{
    common = Box{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                 std::min(a.Bottom, b.Bottom)};
    if (a.IsEmpty() || b.IsEmpty() || common.IsEmpty()) {
        common = Box{};
        return false;
    }
    return true;
}

// The smallest box holding both.
inline Box UnionBoxes(const Box& a, const Box& b)
{
    return Box{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom)};
}

} // namespace lumora
