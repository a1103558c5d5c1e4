#include "depthmap/tool_dm_ellipse.h"

#include "depthmap/shape_geometry.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

Tool_dm_Ellipse::Tool_dm_Ellipse(int32_t id, int32_t left, int32_t top, int32_t width,
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

bool Tool_dm_Ellipse::HitTest(int32_t x, int32_t y) const
{
    return Visible && PixelInEllipse(Bounds(), x, y);
}

void Tool_dm_Ellipse::Draw(TPixelEngine256& engine)
{
    DrawAtBounds(engine);
}

void Tool_dm_Ellipse::Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h)
{
    engine.SetBrushGrey(Grey());
    engine.SetPen(1, true);
    const Box b = BoxOf(x, y, w, h);
    engine.Ellipse(b.Left, b.Top, b.Right, b.Bottom);
}

void Tool_dm_Ellipse::DrawClipped(TPixelEngine256& engine, const Box& clipRect)
{
    DrawAtBoundsClipped(engine, clipRect);
}

void Tool_dm_Ellipse::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(Depth);
}

void Tool_dm_Ellipse::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Depth = stream.ReadByte();
}

std::unique_ptr<Tool_dm> Tool_dm_Ellipse::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

} // namespace lumora
