#include "app/thumbnail_grid.h"

#include <algorithm>

namespace lumora {

int32_t ThumbnailGrid::Columns() const
{
    return std::max<int32_t>(1, GridWidth / CellWidth());
}

GridPoint ThumbnailGrid::Position(int32_t k) const
{
    const int32_t columns = Columns();
    return {kGap + (k % columns) * CellWidth(), kGap + (k / columns) * CellHeight()};
}

int32_t ThumbnailGrid::Height(int32_t count) const
{
    return (count / Columns() + 1) * CellHeight() + kGap;
}

int32_t ThumbnailGrid::IndexAt(int32_t x, int32_t y, int32_t count) const
{
    if (x < 0 || y < 0)
        return -1;
    const int32_t column = x / CellWidth();
    const int32_t row = y / CellHeight();
    // A click right of the last column would otherwise wrap into the next
    // row.
    if (column >= Columns())
        return -1;
    const int64_t index = column + static_cast<int64_t>(row) * Columns();
    return index < count ? static_cast<int32_t>(index) : -1;
}

namespace {

IntRect FillHeight(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth, int32_t pictureHeight)
{
    const auto width =
        static_cast<int32_t>(Round(static_cast<double>(boxHeight) * pictureWidth / pictureHeight));
    return {(boxWidth - width) / 2, 0, width, boxHeight};
}

IntRect FillWidth(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth, int32_t pictureHeight)
{
    const auto height =
        static_cast<int32_t>(Round(static_cast<double>(boxWidth) * pictureHeight / pictureWidth));
    return {0, (boxHeight - height) / 2, boxWidth, height};
}

} // namespace

IntRect FitPreview(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth, int32_t pictureHeight)
{
    if (boxWidth <= 0 || boxHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0)
        return {};
    if (pictureWidth < pictureHeight) {
        const IntRect r = FillHeight(boxWidth, boxHeight, pictureWidth, pictureHeight);
        return r.Width <= boxWidth ? r
                                   : FillWidth(boxWidth, boxHeight, pictureWidth, pictureHeight);
    }
    const IntRect r = FillWidth(boxWidth, boxHeight, pictureWidth, pictureHeight);
    return r.Height <= boxHeight ? r : FillHeight(boxWidth, boxHeight, pictureWidth, pictureHeight);
}

} // namespace lumora
