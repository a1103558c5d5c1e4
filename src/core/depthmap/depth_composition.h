#pragma once
// Composition of the depth objects into 8-bit depth buffers: the render
// depth map at the render size, the editor preview whole, and a part of
// the preview after an edit. Every object paints over what lies below it,
// in list order, over the background depth.

#include "depthmap/box.h"

#include <cstdint>

namespace lumora {

class DepthObjects;
class TPixelEngine256;

// Composes the render depth buffer (made by the render pipeline at
// targetWidth x targetHeight); each visible object's rectangle is scaled
// from the editor size with ScaleRect. Nothing happens without a buffer.
void Generate_VorlageBitm(DepthObjects& objects, TPixelEngine256* buffer, int32_t targetWidth,
                          int32_t targetHeight);

// Recomposes the whole editor preview (VorlageWidth x VorlageHeight).
void Paint_Vorlage(DepthObjects& objects, TPixelEngine256& preview);

// Recomposes the part of the preview inside area and answers that part,
// clipped to the editor, for the window to show. Not incremental: the part
// is cleared to the background and every object drawn; incremental: the
// preview is drawn over from the first selected object on.
Box Repaint_Vorlage(DepthObjects& objects, TPixelEngine256& preview, const Box& area,
                    bool incremental);

} // namespace lumora
