#pragma once
// The crop margins of the image object and the crop rectangle marked in
// the picture dialog by a Ctrl-drag over the shown picture.

#include "depthmap/box.h"

#include <QPoint>

namespace lumora {

// Fractions (0..1) of the picture's height (top, bottom) and width (left,
// right) cut off.
struct CropMargins
{
    double Top = 0;
    double Bottom = 0;
    double Left = 0;
    double Right = 0;

    bool IsZero() const { return Top == 0 && Bottom == 0 && Left == 0 && Right == 0; }
    // Each margin held to 0..1, and 0 where it is not a number (a damaged
    // record), so that it always names a part of the picture.
    CropMargins Bounded() const;
    bool operator==(const CropMargins&) const = default;
};

// The margins of the rectangle from press to current (in any direction),
// both clamped to shown, the picture's place on the screen: each margin is
// the distance from shown's edge over its width or height. A rectangle
// without area (a click) marks no crop: all margins 0.
CropMargins CropFromDrag(QPoint press, QPoint current, const Box& shown);

// The crop rectangle of the margins on a shown picture, for drawing it.
Box CropRectangle(const CropMargins& margins, const Box& shown);

} // namespace lumora
