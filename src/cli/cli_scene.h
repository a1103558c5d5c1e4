#pragma once
// What lumora-render builds its project from: the depth map made from a
// picture file, the tile object asked for and the afterburner objects.

#include <QImage>
#include <memory>

namespace lumora {
class TPixelEngine256;
class Tile_tm;
class Tool_ab;
} // namespace lumora

namespace lumora::cli {

inline constexpr int kExampleWidth = 600;
inline constexpr int kExampleHeight = 450;

// The depth picture as grey: the blue byte of each pixel.
std::unique_ptr<TPixelEngine256> DepthMapFromPicture(const QImage& picture);

struct TileKindRequest;
struct AfterburnerRequest;

// The tile object of the kind asked for, at the tile width. picture is the
// image tile's picture (unused by the other kinds).
std::unique_ptr<Tile_tm> MakeTileObject(const TileKindRequest& request, const QImage& picture,
                                        int tileWidth);

// The afterburner object asked for; an overlay links its height to the
// composer size. Throws LumoraError when a frame picture cannot be read.
std::unique_ptr<Tool_ab> MakeAfterburnerObject(const AfterburnerRequest& request, int composerWidth,
                                               int composerHeight);

} // namespace lumora::cli
