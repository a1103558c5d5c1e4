#pragma once
// Helpers of the tile-map tests: pictures whose every row can be told
// apart, and row comparisons.

#include "rendering/lumo_pixelengine.h"
#include "tilemap/tile_tm_image.h"

#include <memory>
#include <vector>

namespace lumora::tiletest {

// Row y of picture number tag: red = y mod 256, green = y div 256 + 16 tag,
// blue = x, so rows of different bands and of one band all differ.
inline Colour CodedColour(int tag, int x, int y)
{
    return MakeColour(y % 256, y / 256 + 16 * tag, x);
}

inline std::unique_ptr<TPixelEngine> RowCodedPicture(int width, int height, int tag)
{
    auto picture = std::make_unique<TPixelEngine>(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture->SetPixel(x, y, CodedColour(tag, x, y));
    return picture;
}

// An image tile whose picture has the band's size, so that its band is the
// picture 1:1.
inline std::unique_ptr<Tile_tm_Image> CodedImageTile(int width, int bandHeight, int tag)
{
    auto tile =
        std::make_unique<Tile_tm_Image>(RowCodedPicture(width, bandHeight, tag), false, width);
    tile->BandHeight = bandHeight;
    return tile;
}

inline std::vector<Colour> PictureRow(const TPixelEngine& e, int y)
{
    std::vector<Colour> row;
    for (int x = 0; x < e.Width(); ++x)
        row.push_back(e.Pixel(x, y));
    return row;
}

inline bool SamePictures(const TPixelEngine& a, const TPixelEngine& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() && a.ToQImage() == b.ToQImage();
}

} // namespace lumora::tiletest
