#pragma once
// Where the text and the depth-map overlay sit: a box anchored to a corner
// or the middle of the top or bottom edge, moved in by the margins.

#include <QPoint>
#include <cstdint>

namespace lumora {

// Anchor codes of "Text Ausrichtung:" and "DepthMap Ausrichtung:".
enum AfterburnerAnchor : int32_t
{
    kAnchorTopLeft = 1,
    kAnchorTopCentre = 2,
    kAnchorTopRight = 3,
    kAnchorBottomLeft = 4,
    kAnchorBottomCentre = 5,
    kAnchorBottomRight = 6,
};

inline constexpr int32_t kMinAnchor = kAnchorTopLeft;
inline constexpr int32_t kMaxAnchor = kAnchorBottomRight;

// How the two centred anchors centre the box: the overlay takes
// (W - w) div 2, the text W div 2 - (w div 2); the two differ by one pixel
// for some odd sizes.
enum class AnchorCentring
{
    Overlay,
    Text,
};

// The top-left corner of a w x h box in a picture W x H, with margins mv
// (vertical) and mh (horizontal). An unknown code places as top left.
QPoint AnchorPosition(int32_t anchor, int32_t pictureWidth, int32_t pictureHeight, int32_t w,
                      int32_t h, int32_t marginV, int32_t marginH, AnchorCentring centring);

} // namespace lumora
