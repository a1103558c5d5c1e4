#pragma once
// Tool_dm_Gradient_Radial_Rectangle (kind 8): concentric rectangles from
// StartDepth at the edge to EndDepth on a central plateau of TipSize
// percent of half the shorter side. With Roundness the bands' corners are
// rounded and the corners left outside are transparent; without it the
// picture covers the whole rectangle and is copied opaquely.

#include "depthmap/pictured_depth_object.h"

namespace lumora {

class Tool_dm_Gradient_Radial_Rectangle : public PicturedDepthObject
{
public:
    static constexpr int32_t KindCode = 8;

    Tool_dm_Gradient_Radial_Rectangle() : Tool_dm_Gradient_Radial_Rectangle(0, 0, 0, 0, 0) {}
    Tool_dm_Gradient_Radial_Rectangle(int32_t id, int32_t left, int32_t top, int32_t width,
                                      int32_t height);

    uint8_t StartDepth = 0;
    uint8_t EndDepth = 255;
    uint8_t TipSize = 10;  // percent of half the shorter side, 0..100
    uint8_t Roundness = 0; // percent of a band's shorter side, 0..100

    // The corner size of a band (or the object's rectangle) of w x h.
    int32_t CornerSize(int32_t w, int32_t h) const;

    bool HitTest(int32_t x, int32_t y) const override;
    int TransparentValue() const override;
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

protected:
    void BuildPicture(TPixelEngine256& picture) const override;
};

} // namespace lumora
