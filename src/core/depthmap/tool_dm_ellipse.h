#pragma once
// Tool_dm_Ellipse (kind 2): the ellipse inscribed in the object's
// rectangle, in one depth.

#include "depthmap/tool_dm.h"

namespace lumora {

class Tool_dm_Ellipse : public Tool_dm
{
public:
    static constexpr int32_t KindCode = 2;

    Tool_dm_Ellipse() : Tool_dm_Ellipse(0, 0, 0, 0, 0) {}
    Tool_dm_Ellipse(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height);

    bool HitTest(int32_t x, int32_t y) const override;
    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;
};

} // namespace lumora
