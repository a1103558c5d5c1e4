#pragma once
// The geometry of the library window: the grid of thumbnails and the
// preview that fits the chosen picture into its box.

#include "common/numeric.h"
#include "rendering/pixel_font.h" // Colour

#include <cstdint>

namespace lumora {

// Thumbnail frames: 2 pixels, orange for the selected picture, blue for
// the others.
inline constexpr int kThumbnailFrameWidth = 2;
inline constexpr Colour kSelectedThumbnailFrame = 2662650;
inline constexpr Colour kThumbnailFrame = 10511420;

struct GridPoint
{
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const GridPoint&) const = default;
};

struct ThumbnailGrid
{
    static constexpr int kGap = 10;
    // The size shown until a library has been read.
    static constexpr int kDefaultThumbnailSide = 60;

    int32_t GridWidth = 0;
    int32_t ThumbnailWidth = kDefaultThumbnailSide;
    int32_t ThumbnailHeight = kDefaultThumbnailSide;

    int32_t CellWidth() const { return ThumbnailWidth + kGap; }
    int32_t CellHeight() const { return ThumbnailHeight + kGap; }
    // Grid width div cell width; at least one, so that a grid narrower
    // than a thumbnail still shows its pictures in one column.
    int32_t Columns() const;
    // Top left of picture k.
    GridPoint Position(int32_t k) const;
    // The height of a grid of count pictures: (count div columns + 1)
    // rows and the gap below.
    int32_t Height(int32_t count) const;
    // The picture under a click, or -1 beyond the last picture and outside
    // the columns.
    int32_t IndexAt(int32_t x, int32_t y, int32_t count) const;
};

// Where a picture of the given size is drawn inside the preview box, its
// aspect ratio kept: a picture narrower than tall fills the box's height,
// any other its width, and the other side is rounded and centred. When
// that side would overflow the box, the picture fills the other side
// instead. An empty picture or box gives an empty rectangle.
IntRect FitPreview(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth,
                   int32_t pictureHeight);

} // namespace lumora
