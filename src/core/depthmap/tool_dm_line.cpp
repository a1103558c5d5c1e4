#include "depthmap/tool_dm_line.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <string>

namespace lumora {

Tool_dm_line::Tool_dm_line(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                           uint8_t dirX, uint8_t dirY)
    : Tool_dm(KindCode, id), DirX(dirX), DirY(dirY)
{
    HasDepth = true;
    Depth = 255;
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    // A horizontal or vertical drag still gives the pen room.
    if (Height < Thickness)
        Height = Thickness;
    if (Width < Thickness)
        Width = Thickness;
}

uint8_t Tool_dm_line::DragDirection(int32_t a, int32_t b)
{
    if (a < b)
        return 1;
    if (a == b)
        return 2;
    return 3;
}

bool Tool_dm_line::DragWasRising() const
{
    return (DirX == 3 && DirY == 1) || (DirX == 1 && DirY == 3);
}

Tool_dm_line::Segment Tool_dm_line::SegmentFor(int32_t x, int32_t y, int32_t w, int32_t h) const
{
    Segment s;
    if (CapStyle == 0)
        s.Inset = Thickness / 2;
    else if (CapStyle == 1)
        s.Inset = static_cast<int32_t>(Round(Thickness / 1.3));
    // One mirror turns the diagonal over; two turn it back.
    s.Rising = DragWasRising() != (MirrorH != MirrorV);
    const int64_t i = s.Inset;
    const int32_t left = SaturateToInt32(x + i);
    const int32_t top = SaturateToInt32(y + i);
    const int32_t right = SaturateToInt32(static_cast<int64_t>(x) + w - i);
    const int32_t bottom = SaturateToInt32(static_cast<int64_t>(y) + h - i);
    if (s.Rising) {
        s.From = QPoint(right, top);
        s.To = QPoint(left, bottom);
    } else {
        s.From = QPoint(left, top);
        s.To = QPoint(right, bottom);
    }
    return s;
}

void Tool_dm_line::Draw(TPixelEngine256& engine)
{
    DrawAtBounds(engine);
}

void Tool_dm_line::Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h)
{
    engine.SetBrushGrey(Grey());
    // Any other cap style keeps the pen the buffer had (and no inset).
    if (CapStyle == 0)
        engine.SetPen(Thickness, false);
    else if (CapStyle == 1)
        engine.SetPen(Thickness, true);
    const Segment s = SegmentFor(x, y, w, h);
    engine.Line(s.From.x(), s.From.y(), s.To.x(), s.To.y());
}

void Tool_dm_line::DrawClipped(TPixelEngine256& engine, const Box& clipRect)
{
    DrawAtBoundsClipped(engine, clipRect);
}

void Tool_dm_line::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(Depth);
    stream.WriteInt32(Thickness);
    stream.WriteByte(DirX);
    stream.WriteByte(DirY);
    stream.WriteByte(CapStyle);
}

void Tool_dm_line::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Depth = stream.ReadByte();
    Thickness = stream.ReadInt32();
    // The pen width goes straight to the rasteriser; the dialog's range
    // is what it has ever been given.
    if (Thickness < MinThickness || Thickness > MaxThickness)
        throw LumoraError("The data is damaged: a line of thickness " + std::to_string(Thickness) +
                          " (allowed: 1 to 100000).");
    DirX = stream.ReadByte();
    DirY = stream.ReadByte();
    CapStyle = stream.ReadByte();
}

std::unique_ptr<Tool_dm> Tool_dm_line::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

} // namespace lumora
