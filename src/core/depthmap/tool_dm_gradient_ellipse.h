#pragma once
// Tool_dm_Gradient_Ellipse (kind 7): half-elliptical bands around the
// middle of one edge, from StartDepth at the far edge to EndDepth at the
// centre edge. The corners outside the outermost band keep the transparent
// value (0, or 255 when inverted) and let the objects below show through.

#include "depthmap/pictured_depth_object.h"

namespace lumora {

class Tool_dm_Gradient_Ellipse : public PicturedDepthObject
{
public:
    static constexpr int32_t KindCode = 7;

    Tool_dm_Gradient_Ellipse() : Tool_dm_Gradient_Ellipse(0, 0, 0, 0, 0) {}
    Tool_dm_Gradient_Ellipse(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height);

    uint8_t StartDepth = 0;
    uint8_t EndDepth = 255;
    // 0 and 360: centred on the right edge, 90 the top, 180 the left, 270
    // the bottom; any other value draws nothing.
    int32_t Angle = 0;

    // The direction after the mirrors.
    int32_t DrawnAngle() const;

    int TransparentValue() const override { return Invert ? 255 : 0; }
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

protected:
    void BuildPicture(TPixelEngine256& picture) const override;
};

} // namespace lumora
