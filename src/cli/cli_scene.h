#pragma once
// What lumora-render draws and loads: the built-in example, and the depth
// map and tile bitmap made from picture files.

#include <QImage>
#include <memory>

namespace lumora {
class RandomGenerator;
class TPixelEngine;
class TPixelEngine256;
class TileRandomSource;
struct RenderOptions;
} // namespace lumora

namespace lumora::cli {

inline constexpr int kExampleWidth = 600;
inline constexpr int kExampleHeight = 450;

// A depth scene of a few shapes and a text on the far plane.
std::unique_ptr<TPixelEngine256> DrawExampleDepthMap(int width, int height);

// A random-dot tile bitmap: every pixel one of a few bright colours.
std::unique_ptr<TPixelEngine> MakeRandomDotTile(int tileWidth, int height, RandomGenerator& random);

// The depth picture as grey: the blue byte of each pixel.
std::unique_ptr<TPixelEngine256> DepthMapFromPicture(const QImage& picture);

// The tile picture scaled to the tile width with its proportions kept, and
// repeated from the top down to the render height.
std::unique_ptr<TPixelEngine> TileBitmapFromPicture(const QImage& picture, int tileWidth,
                                                    int height);

struct TileKindRequest;

// The tile bitmap (tile width x height) of a tile map holding one object of
// the kind asked for, generated and fitted as a render does. picture is the
// image tile's picture (unused by the other kinds).
std::unique_ptr<TPixelEngine> TileBitmapFromKind(const TileKindRequest& request,
                                                 const QImage& picture,
                                                 const RenderOptions& options, int height,
                                                 TileRandomSource& random);

} // namespace lumora::cli
