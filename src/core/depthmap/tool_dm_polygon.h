#pragma once
// Tool_dm_polygon (kind 4, "n-Eck"): a regular polygon of Corners corners
// inscribed in the object's rectangle, turned by Rotation degrees, in one
// depth. At rotation 0 the first corner is the top centre and the corners
// run counter-clockwise on screen.

#include "depthmap/tool_dm.h"

#include <QPoint>
#include <vector>

namespace lumora {

class Tool_dm_polygon : public Tool_dm
{
public:
    static constexpr int32_t KindCode = 4;

    Tool_dm_polygon() : Tool_dm_polygon(0, 0, 0, 0, 0) {}
    Tool_dm_polygon(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height);

    uint8_t Corners = 5;  // 3..20
    int32_t Rotation = 0; // degrees, 0..360

    // The corners for the rectangle (x, y, w, h), closed by repeating the
    // first one: max(Corners, 3) + 1 points.
    std::vector<QPoint> Vertices(int32_t x, int32_t y, int32_t w, int32_t h) const;

    bool HitTest(int32_t x, int32_t y) const override;
    void Draw(TPixelEngine256& engine) override;
    void Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawClipped(TPixelEngine256& engine, const Box& clipRect) override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;
};

} // namespace lumora
