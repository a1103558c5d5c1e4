#pragma once
// Tool_dm_Rectangle (kind 1): a rectangle of one depth, its corners
// optionally rounded by a percentage of the shorter side.

#include "depthmap/tool_dm.h"

namespace lumora {

class Tool_dm_Rectangle : public Tool_dm
{
public:
    static constexpr int32_t KindCode = 1;

    Tool_dm_Rectangle() : Tool_dm_Rectangle(0, 0, 0, 0, 0) {}
    Tool_dm_Rectangle(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height);

    uint8_t Rounding = 0; // percent of the shorter side, 0..100

    // The corner ellipses' width and height for a rectangle of w x h.
    int32_t CornerSize(int32_t w, int32_t h) const;

    bool HitTest(int32_t x, int32_t y) const override;
    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;
};

} // namespace lumora
