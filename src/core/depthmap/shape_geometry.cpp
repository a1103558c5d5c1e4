#include "depthmap/shape_geometry.h"

#include <algorithm>

namespace lumora {

namespace {
bool InsideUnitEllipse(double dx, double dy, double rx, double ry)
{
    if (rx <= 0 || ry <= 0)
        return false;
    const double u = dx / rx;
    const double v = dy / ry;
    return u * u + v * v <= 1.0;
}
} // namespace

bool PixelInEllipse(const Box& box, int32_t x, int32_t y)
{
    if (box.IsEmpty() || x < box.Left || x >= box.Right || y < box.Top || y >= box.Bottom)
        return false;
    const double rx = (static_cast<double>(box.Right) - box.Left) / 2.0;
    const double ry = (static_cast<double>(box.Bottom) - box.Top) / 2.0;
    return InsideUnitEllipse(x + 0.5 - (box.Left + rx), y + 0.5 - (box.Top + ry), rx, ry);
}

bool PixelInRoundRect(const Box& box, int32_t cornerWidth, int32_t cornerHeight, int32_t x,
                      int32_t y)
{
    if (box.IsEmpty() || x < box.Left || x >= box.Right || y < box.Top || y >= box.Bottom)
        return false;
    const double w = static_cast<double>(box.Right) - box.Left;
    const double h = static_cast<double>(box.Bottom) - box.Top;
    const double rx = std::min<double>(std::max(cornerWidth, 0), w) / 2.0;
    const double ry = std::min<double>(std::max(cornerHeight, 0), h) / 2.0;
    if (rx <= 0 || ry <= 0)
        return true;
    const double px = x + 0.5;
    const double py = y + 0.5;
    // Only the four corner squares are cut; elsewhere the rectangle holds.
    const double cx =
        px < box.Left + rx ? box.Left + rx : (px > box.Right - rx ? box.Right - rx : px);
    const double cy =
        py < box.Top + ry ? box.Top + ry : (py > box.Bottom - ry ? box.Bottom - ry : py);
    if (cx == px || cy == py)
        return true;
    return InsideUnitEllipse(px - cx, py - cy, rx, ry);
}

} // namespace lumora
