#include "rendering/stereogram_render.h"

#include "common/lumora_error.h"
#include "rendering/algorithmus.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "rendering/render_options.h"

namespace lumora {

std::unique_ptr<TPixelEngine> RenderStereogramRows(const RenderOptions& options,
                                                   TPixelEngine256& depthMap,
                                                   const TPixelEngine& tileBitmap,
                                                   const RowProgress& progress)
{
    const int w = options.RenderOptions_RenderWidth;
    const int h = options.RenderOptions_RenderHeight;
    if (depthMap.Width() != w || depthMap.Height() != h)
        throw LumoraError("The depth map does not have the render size.");
    if (!options.RenderOptions_Settings_Divergenz)
        depthMap.Invert();
    Algorithmus algorithm;
    algorithm.PrepareRender(options, tileBitmap);
    algorithm.BuildSeparationTable();
    auto output = std::make_unique<TPixelEngine>(w, h);
    for (int r = 0; r < h; ++r) {
        algorithm.RenderRow(r, depthMap, tileBitmap, *output);
        if (progress)
            progress(r);
    }
    return output;
}

} // namespace lumora
