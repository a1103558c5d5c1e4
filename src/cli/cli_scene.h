#pragma once
// What lumora-render loads and generates: the depth map made from a picture
// file, and the tile bitmap of a one-object tile map.

#include <QImage>
#include <memory>

namespace lumora {
class TPixelEngine;
class TPixelEngine256;
class TileRandomSource;
struct RenderOptions;
} // namespace lumora

namespace lumora::cli {

inline constexpr int kExampleWidth = 600;
inline constexpr int kExampleHeight = 450;

// The depth picture as grey: the blue byte of each pixel.
std::unique_ptr<TPixelEngine256> DepthMapFromPicture(const QImage& picture);

struct TileKindRequest;

// The tile bitmap (tile width x height) of a tile map holding one object of
// the kind asked for, generated and fitted as a render does. picture is the
// image tile's picture (unused by the other kinds).
std::unique_ptr<TPixelEngine> TileBitmapFromKind(const TileKindRequest& request,
                                                 const QImage& picture,
                                                 const RenderOptions& options, int height,
                                                 TileRandomSource& random);

} // namespace lumora::cli
