#include "depthmap/image_crop.h"

#include "common/numeric.h"

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {
double BoundedMargin(double m)
{
    return m >= 0 ? std::min(m, 1.0) : 0.0; // also 0 for not-a-number
}
} // namespace

CropMargins CropMargins::Bounded() const
{
    return CropMargins{BoundedMargin(Top), BoundedMargin(Bottom), BoundedMargin(Left),
                       BoundedMargin(Right)};
}

CropMargins CropFromDrag(QPoint press, QPoint current, const Box& shown)
{
    if (shown.IsEmpty())
        return {};
    const int32_t x0 = std::clamp(std::min(press.x(), current.x()), shown.Left, shown.Right);
    const int32_t x1 = std::clamp(std::max(press.x(), current.x()), shown.Left, shown.Right);
    const int32_t y0 = std::clamp(std::min(press.y(), current.y()), shown.Top, shown.Bottom);
    const int32_t y1 = std::clamp(std::max(press.y(), current.y()), shown.Top, shown.Bottom);
    if (x0 == x1 || y0 == y1)
        return {};
    const double w = static_cast<double>(shown.Right) - shown.Left;
    const double h = static_cast<double>(shown.Bottom) - shown.Top;
    return CropMargins{
        (static_cast<double>(y0) - shown.Top) / h, (static_cast<double>(shown.Bottom) - y1) / h,
        (static_cast<double>(x0) - shown.Left) / w, (static_cast<double>(shown.Right) - x1) / w};
}

Box CropRectangle(const CropMargins& given, const Box& shown)
{
    const CropMargins margins = given.Bounded();
    const double w = static_cast<double>(shown.Right) - shown.Left;
    const double h = static_cast<double>(shown.Bottom) - shown.Top;
    auto at = [](double v) { return SaturateToInt32(Round(v)); };
    return Box{at(shown.Left + margins.Left * w), at(shown.Top + margins.Top * h),
               at(shown.Right - margins.Right * w), at(shown.Bottom - margins.Bottom * h)};
}

} // namespace lumora
