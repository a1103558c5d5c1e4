#pragma once
// Tool_dm_Blend (kind 18): made by the blend dialog, which combines two
// pictures with one of the blend modes. The object keeps the dialog's
// result, mode and transparency switch, but draws nothing into the depth
// map, and its stored record is the base part only: what the dialog chose
// does not survive saving.

#include "common/numeric.h"
#include "depthmap/tool_dm.h"

#include <memory>
#include <vector>

namespace lumora {

class DepthObjects;
class TPixelEngine;

class Tool_dm_Blend : public Tool_dm
{
public:
    static constexpr int32_t KindCode = 18;

    Tool_dm_Blend() : Tool_dm_Blend(0, 0, 0, 0, 0) {}
    Tool_dm_Blend(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height);
    Tool_dm_Blend(const Tool_dm_Blend& other);
    ~Tool_dm_Blend() override;

    // Empty in this program; the entries belong to the object.
    std::vector<std::unique_ptr<Tool_dm>> ForegroundItems;
    std::vector<std::unique_ptr<Tool_dm>> BackgroundItems;
    int32_t BlendMode = 0;                // 0..15
    std::unique_ptr<TPixelEngine> Result; // the dialog's result picture
    bool DrawTransparent = false;

    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    // SaveToStream and LoadFromStream are the base part's.
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;
};

// The blend dialog's creation: the result of the mode over the two
// pictures, kept by a new blend object over rect with the next id and the
// default name, appended to objects.
Tool_dm_Blend& AppendBlendObject(DepthObjects& objects, const IntRect& rect,
                                 const TPixelEngine& foreground, const TPixelEngine& background,
                                 int32_t mode, bool drawTransparent);

} // namespace lumora
