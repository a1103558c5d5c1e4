#include "depthmap/depth_composition.h"

#include "common/numeric.h"
#include "depthmap/depth_objects.h"
#include "rendering/lumo_pixelengine256.h"

#include <algorithm>

namespace lumora {

void Generate_VorlageBitm(DepthObjects& objects, TPixelEngine256* buffer, int32_t targetWidth,
                          int32_t targetHeight)
{
    if (!buffer)
        return;
    buffer->Fill(objects.BackgroundDepth);
    for (int32_t i = 0; i < objects.Count(); ++i) {
        Tool_dm* object = objects.At(i);
        if (!object->Visible)
            continue;
        const IntRect r =
            ScaleRect(IntRect{object->Left, object->Top, object->Width, object->Height},
                      objects.VorlageWidth, objects.VorlageHeight, targetWidth, targetHeight);
        object->Render(*buffer, r.Left, r.Top, r.Width, r.Height);
    }
}

void Paint_Vorlage(DepthObjects& objects, TPixelEngine256& preview)
{
    preview.Fill(objects.BackgroundDepth);
    const Box editor{0, 0, objects.VorlageWidth, objects.VorlageHeight};
    for (int32_t i = 0; i < objects.Count(); ++i) {
        Tool_dm* object = objects.At(i);
        Box common;
        if (object->Visible && object->IntersectsArea(editor, common))
            object->Draw(preview);
    }
}

Box Repaint_Vorlage(DepthObjects& objects, TPixelEngine256& preview, const Box& area,
                    bool incremental)
{
    // The editor's extent, and never beyond the buffer, whose direct fill
    // below does not clip.
    const Box clipped{std::max(area.Left, 0), std::max(area.Top, 0),
                      std::min({area.Right, objects.VorlageWidth, preview.Width()}),
                      std::min({area.Bottom, objects.VorlageHeight, preview.Height()})};
    if (clipped.IsEmpty())
        return clipped;
    int32_t start = 0;
    if (incremental) {
        start = objects.FirstSelected();
        if (start < 0)
            return clipped; // nothing selected: nothing new to draw
    } else {
        preview.FillRect(clipped.Left, clipped.Top, clipped.Right, clipped.Bottom,
                         objects.BackgroundDepth);
    }
    for (int32_t i = start; i < objects.Count(); ++i) {
        Tool_dm* object = objects.At(i);
        Box common;
        if (object->Visible && object->IntersectsArea(clipped, common))
            object->DrawClipped(preview, common);
    }
    return clipped;
}

} // namespace lumora
