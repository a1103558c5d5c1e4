#include "depthmap/tool_dm_wave.h"

#include "depthmap/linear_sweep.h"
#include "depthmap/wave_profile.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <cmath>

namespace lumora {

Tool_dm_Wave::Tool_dm_Wave(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height)
    : PicturedDepthObject(KindCode, id)
{
    Left = left;
    Top = top;
    SetSize(width, height, true);
}

void Tool_dm_Wave::BuildPicture(TPixelEngine256& picture) const
{
    const WaveProfile wave(Bound1, Bound2, Phase, Invert);
    const int32_t count = WaveCount;
    DrawLinearSweep(picture, MirroredSweepAngle(Angle, MirrorH, MirrorV),
                    [&wave, count](const SweepStep& step) -> int64_t {
                        return static_cast<int64_t>(
                            std::floor(wave.Value(step.Index, step.Count, count)));
                    });
}

void Tool_dm_Wave::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(Bound1);
    stream.WriteByte(Bound2);
    stream.WriteInt32(Angle);
    stream.WriteInt32(WaveCount);
    stream.WriteInt32(Phase);
}

void Tool_dm_Wave::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Bound1 = stream.ReadByte();
    Bound2 = stream.ReadByte();
    Angle = stream.ReadInt32();
    WaveCount = stream.ReadInt32();
    Phase = stream.ReadInt32();
    SetSize(Width, Height, true);
}

std::unique_ptr<Tool_dm> Tool_dm_Wave::Clone(int32_t newId) const
{
    return CloneAndBuild(*this, newId);
}

} // namespace lumora
