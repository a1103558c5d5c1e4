#pragma once
// Tool_dm_Gradient_Radial_Ellipse (kind 9): concentric ellipses from
// StartDepth at the edge to EndDepth on a central plateau of TipSize
// percent of half the shorter side. The corners outside the outermost
// ellipse keep the transparent value (0, or 255 when inverted).

#include "depthmap/pictured_depth_object.h"

namespace lumora {

class Tool_dm_Gradient_Radial_Ellipse : public PicturedDepthObject
{
public:
    static constexpr int32_t KindCode = 9;

    Tool_dm_Gradient_Radial_Ellipse() : Tool_dm_Gradient_Radial_Ellipse(0, 0, 0, 0, 0) {}
    Tool_dm_Gradient_Radial_Ellipse(int32_t id, int32_t left, int32_t top, int32_t width,
                                    int32_t height);

    uint8_t StartDepth = 0;
    uint8_t EndDepth = 255;
    uint8_t TipSize = 10; // percent of half the shorter side, 0..100

    bool HitTest(int32_t x, int32_t y) const override;
    int TransparentValue() const override { return Invert ? 255 : 0; }
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

protected:
    void BuildPicture(TPixelEngine256& picture) const override;
};

} // namespace lumora
