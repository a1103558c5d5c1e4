#pragma once
// Point-in-shape tests shared by the shape kinds. A pixel belongs to a
// shape when its centre does.

#include "depthmap/box.h"

#include <cstdint>

namespace lumora {

// The ellipse inscribed in the box.
bool PixelInEllipse(const Box& box, int32_t x, int32_t y);

// The rectangle of the box with its corners cut by quarter ellipses of
// cornerWidth x cornerHeight (the full corner ellipse's size).
bool PixelInRoundRect(const Box& box, int32_t cornerWidth, int32_t cornerHeight, int32_t x,
                      int32_t y);

} // namespace lumora
