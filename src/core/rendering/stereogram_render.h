#pragma once
// Runs the stereogram algorithm over a whole picture: the part of the
// render pipeline between the finished depth map and tile bitmap and the
// finished output.

#include <functional>
#include <memory>

namespace lumora {

struct RenderOptions;
class TPixelEngine;
class TPixelEngine256;

// Called after each memory row with its number (0 .. H - 1).
using RowProgress = std::function<void(int row)>;

// Inverts the depth map in place for a cross-eye render, prepares the
// algorithm and computes every row, bottom row first. The depth map must be
// W x H and the tile bitmap Tw x anything; throws LumoraError otherwise.
std::unique_ptr<TPixelEngine> RenderStereogramRows(const RenderOptions& options,
                                                   TPixelEngine256& depthMap,
                                                   const TPixelEngine& tileBitmap,
                                                   const RowProgress& progress = {});

} // namespace lumora
