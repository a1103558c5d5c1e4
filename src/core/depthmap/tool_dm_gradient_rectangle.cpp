#include "depthmap/tool_dm_gradient_rectangle.h"

#include "common/numeric.h"
#include "depthmap/linear_sweep.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <utility>

namespace lumora {

Tool_dm_Gradient_Rectangle::Tool_dm_Gradient_Rectangle(int32_t id, int32_t left, int32_t top,
                                                       int32_t width, int32_t height)
    : PicturedDepthObject(KindCode, id)
{
    Left = left;
    Top = top;
    SetSize(width, height, true);
}

void Tool_dm_Gradient_Rectangle::BuildPicture(TPixelEngine256& picture) const
{
    const int64_t a = MirroredSweepAngle(Angle, MirrorH, MirrorV);
    // The depth the sweep starts from (m) and the one it ends at (o).
    const bool fromStart =
        a == 0 || a == 360 || a == 270 || (a > 0 && a < 90) || (a > 270 && a < 360);
    int32_t m = fromStart ? StartDepth : EndDepth;
    int32_t o = fromStart ? EndDepth : StartDepth;
    if (Invert)
        std::swap(m, o);
    DrawLinearSweep(picture, a, [m, o](const SweepStep& step) -> int64_t {
        if (step.Diagonal)
            return m + MulDiv(step.FloorDistance, o - m, step.DiagonalLength);
        return m + MulDiv(step.Index, o - m, step.Count);
    });
}

void Tool_dm_Gradient_Rectangle::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(StartDepth);
    stream.WriteByte(EndDepth);
    stream.WriteInt32(Angle);
}

void Tool_dm_Gradient_Rectangle::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    StartDepth = stream.ReadByte();
    EndDepth = stream.ReadByte();
    Angle = stream.ReadInt32();
    SetSize(Width, Height, true);
}

std::unique_ptr<Tool_dm> Tool_dm_Gradient_Rectangle::Clone(int32_t newId) const
{
    return CloneAndBuild(*this, newId);
}

} // namespace lumora
