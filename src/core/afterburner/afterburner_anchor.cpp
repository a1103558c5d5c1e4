#include "afterburner/afterburner_anchor.h"

#include <algorithm>
#include <limits>

namespace lumora {

namespace {
// Margins reach a million pixels; the sums stay in 64 bits and are brought
// back to what a coordinate can hold (anything that far out is clipped).
int Coordinate(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min() / 2,
                                                std::numeric_limits<int>::max() / 2));
}
} // namespace

QPoint AnchorPosition(int32_t anchor, int32_t pictureWidth, int32_t pictureHeight, int32_t w,
                      int32_t h, int32_t marginV, int32_t marginH, AnchorCentring centring)
{
    const int64_t W = pictureWidth;
    const int64_t H = pictureHeight;
    const int64_t centred =
        centring == AnchorCentring::Overlay ? (W - w) / 2 + marginH : W / 2 + marginH - (w / 2);
    const int64_t left = marginH;
    const int64_t right = W - w - marginH;
    const int64_t top = marginV;
    const int64_t bottom = H - h - marginV;
    switch (anchor) {
    case kAnchorTopCentre:
        return {Coordinate(centred), Coordinate(top)};
    case kAnchorTopRight:
        return {Coordinate(right), Coordinate(top)};
    case kAnchorBottomLeft:
        return {Coordinate(left), Coordinate(bottom)};
    case kAnchorBottomCentre:
        return {Coordinate(centred), Coordinate(bottom)};
    case kAnchorBottomRight:
        return {Coordinate(right), Coordinate(bottom)};
    default:
        return {Coordinate(left), Coordinate(top)};
    }
}

} // namespace lumora
