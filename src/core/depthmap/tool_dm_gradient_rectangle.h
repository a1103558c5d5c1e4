#pragma once
// Tool_dm_Gradient_Rectangle (kind 6): a linear gradient from StartDepth
// to EndDepth over the object's rectangle at any angle, copied opaquely.
// At 0 degrees it runs from the left edge to the right edge, at 90 from
// the bottom to the top; Invert exchanges the two depths.

#include "depthmap/pictured_depth_object.h"

namespace lumora {

class Tool_dm_Gradient_Rectangle : public PicturedDepthObject
{
public:
    static constexpr int32_t KindCode = 6;

    Tool_dm_Gradient_Rectangle() : Tool_dm_Gradient_Rectangle(0, 0, 0, 0, 0) {}
    Tool_dm_Gradient_Rectangle(int32_t id, int32_t left, int32_t top, int32_t width,
                               int32_t height);

    uint8_t StartDepth = 0;
    uint8_t EndDepth = 255;
    int32_t Angle = 0; // degrees counter-clockwise from pointing right, 0..360

    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

protected:
    void BuildPicture(TPixelEngine256& picture) const override;
};

} // namespace lumora
