#include "depthmap/tool_dm_radial_wave.h"

#include "common/numeric.h"
#include "depthmap/nested_bands.h"
#include "depthmap/shape_geometry.h"
#include "depthmap/wave_profile.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

Tool_dm_Radial_Wave::Tool_dm_Radial_Wave(int32_t id, int32_t left, int32_t top, int32_t width,
                                         int32_t height)
    : PicturedDepthObject(KindCode, id)
{
    Left = left;
    Top = top;
    SetSize(width, height, true);
}

bool Tool_dm_Radial_Wave::HitTest(int32_t x, int32_t y) const
{
    return Visible && PixelInEllipse(Bounds(), x, y);
}

void Tool_dm_Radial_Wave::BuildPicture(TPixelEngine256& picture) const
{
    const int32_t W = picture.Width();
    const int32_t H = picture.Height();
    const WaveProfile wave(Bound1, Bound2, Phase, Invert);
    const int32_t h = InnermostRing(W, H);
    NestedBandPainter rings(picture);
    for (int32_t i = 0; i <= h; ++i)
        rings.Add(ShapeRows::Ellipse(i, i, W - i, H - i),
                  static_cast<uint8_t>(Round(wave.Value(i, h, WaveCount)) & 0xFF));
    rings.Finish();
}

void Tool_dm_Radial_Wave::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(Bound1);
    stream.WriteByte(Bound2);
    stream.WriteInt32(WaveCount);
    stream.WriteInt32(Phase);
}

void Tool_dm_Radial_Wave::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Bound1 = stream.ReadByte();
    Bound2 = stream.ReadByte();
    WaveCount = stream.ReadInt32();
    Phase = stream.ReadInt32();
    SetSize(Width, Height, true);
}

std::unique_ptr<Tool_dm> Tool_dm_Radial_Wave::Clone(int32_t newId) const
{
    return CloneAndBuild(*this, newId);
}

} // namespace lumora
