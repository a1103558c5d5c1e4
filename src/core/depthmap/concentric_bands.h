#pragma once
// The bands of the concentric gradients (radial rectangle and radial
// ellipse): rectangles inset step by step toward a central plateau, on the
// longer axis in proportion to the picture's sides.

#include "depthmap/box.h"
#include "rendering/shape_rows.h"

#include <cstdint>
#include <functional>

namespace lumora {

class TPixelEngine256;

// Fills picture with the transparent value (0, or 255 when inverted) and
// draws the bands from the outer depth (StartDepth, or EndDepth when
// inverted) to the inner one, each in its grey with a one-pixel pen of
// square ends, as the shape bandShape makes of the band's rectangle.
void DrawConcentricBands(TPixelEngine256& picture, uint8_t startDepth, uint8_t endDepth,
                         uint8_t tipSize, bool invert,
                         const std::function<ShapeRows(const Box&)>& bandShape);

} // namespace lumora
