#pragma once
// Tool_dm_Wave (kind 10): a sine wave of depth between Bound1 and Bound2
// whose crests run in straight lines across the rectangle at Angle,
// WaveCount waves long, shifted by Phase degrees; copied opaquely. The
// lines are swept as for the linear gradient; the phase always advances
// from the edge or corner where the sweep starts, so a and a + 180 degrees
// give the same picture.

#include "depthmap/pictured_depth_object.h"

namespace lumora {

class Tool_dm_Wave : public PicturedDepthObject
{
public:
    static constexpr int32_t KindCode = 10;

    Tool_dm_Wave() : Tool_dm_Wave(0, 0, 0, 0, 0) {}
    Tool_dm_Wave(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height);

    uint8_t Bound1 = 0;
    uint8_t Bound2 = 255;
    int32_t Angle = 0;     // 0..360
    int32_t WaveCount = 3; // 1..30
    int32_t Phase = 0;     // degrees, 0..360

    void SaveToStream(ProjectStreamWriter& stream) const override;
    void LoadFromStream(ProjectStreamReader& stream) override;
    std::unique_ptr<Tool_dm> Clone(int32_t newId) const override;

protected:
    void BuildPicture(TPixelEngine256& picture) const override;
};

} // namespace lumora
