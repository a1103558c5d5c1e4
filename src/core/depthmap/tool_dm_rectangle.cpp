#include "depthmap/tool_dm_rectangle.h"

#include "common/numeric.h"
#include "depthmap/shape_geometry.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <algorithm>

namespace lumora {

Tool_dm_Rectangle::Tool_dm_Rectangle(int32_t id, int32_t left, int32_t top, int32_t width,
                                     int32_t height)
    : Tool_dm(KindCode, id)
{
    HasDepth = true;
    Depth = 255;
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

int32_t Tool_dm_Rectangle::CornerSize(int32_t w, int32_t h) const
{
    return static_cast<int32_t>(Round(Rounding / 100.0 * std::min(w, h)));
}

bool Tool_dm_Rectangle::HitTest(int32_t x, int32_t y) const
{
    if (!Visible)
        return false;
    if (Rounding == 0)
        return Tool_dm::HitTest(x, y);
    const int32_t r = CornerSize(Width, Height);
    return PixelInRoundRect(Bounds(), r, r, x, y);
}

void Tool_dm_Rectangle::Draw(TPixelEngine256& engine)
{
    DrawAtBounds(engine);
}

void Tool_dm_Rectangle::Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h)
{
    engine.SetBrushGrey(Grey());
    engine.SetPen(1, true);
    const Box b = BoxOf(x, y, w, h);
    if (Rounding == 0) {
        engine.Rectangle(b.Left, b.Top, b.Right, b.Bottom);
    } else {
        const int32_t r = CornerSize(w, h);
        engine.RoundRect(b.Left, b.Top, b.Right, b.Bottom, r, r);
    }
}

void Tool_dm_Rectangle::DrawClipped(TPixelEngine256& engine, const Box& clipRect)
{
    DrawAtBoundsClipped(engine, clipRect);
}

void Tool_dm_Rectangle::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(Depth);
    stream.WriteByte(Rounding);
}

void Tool_dm_Rectangle::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Depth = stream.ReadByte();
    Rounding = stream.ReadByte();
}

std::unique_ptr<Tool_dm> Tool_dm_Rectangle::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

} // namespace lumora
