#pragma once
// Tool_dm_Radial_Wave (kind 11): a sine wave of depth between Bound1 and
// Bound2 in concentric ellipses, one pixel apart on every side, from the
// edge to the centre. It is copied leaving out 0: the corners outside the
// outermost ellipse and every ring whose wave value is 0 let the objects
// below show through, inverted or not.

#include "depthmap/pictured_depth_object.h"

namespace lumora {

class Tool_dm_Radial_Wave : public PicturedDepthObject
{
public:
    static constexpr int32_t KindCode = 11;

    Tool_dm_Radial_Wave() : Tool_dm_Radial_Wave(0, 0, 0, 0, 0) {}
    Tool_dm_Radial_Wave(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height);

    uint8_t Bound1 = 0;
    uint8_t Bound2 = 255;
    int32_t WaveCount = 3; // 1..30
    int32_t Phase = 0;     // degrees, 0..360

    // The number of the innermost ring: half the shorter side.
    int32_t InnermostRing(int32_t w, int32_t h) const { return w < h ? w / 2 : h / 2; }

    bool HitTest(int32_t x, int32_t y) const override;
    int TransparentValue() const override { return 0; }
    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

protected:
    void BuildPicture(TPixelEngine256& picture) const override;
};

} // namespace lumora
