#include "afterburner/tool_ab_border_simple.h"

#include "afterburner/afterburner_record_reading.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

void Tool_ab_border_simple::Apply(TPixelEngine& picture, const AfterburnerContext&) const
{
    const int w = picture.Width();
    const int h = picture.Height();
    const int size = BorderSize;
    // Brush and a thin pen in the border colour, so each rectangle covers
    // exactly its strip.
    picture.SetBrushColor(MakeColour(ColourRed, ColourGreen, ColourBlue));
    picture.SetPen(0, true);
    if (SideTop)
        picture.Rectangle(0, 0, w, size);
    if (SideBottom)
        picture.Rectangle(0, h - size, w, h);
    if (SideLeft)
        picture.Rectangle(0, 0, size, h);
    if (SideRight)
        picture.Rectangle(w - size, 0, w, h);
}

void Tool_ab_border_simple::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const
{
    Tool_ab::SaveToStream(stream, imageQuality);
    stream.WriteInt32(BorderSize);
    stream.WriteByte(SideLeft);
    stream.WriteByte(SideRight);
    stream.WriteByte(SideTop);
    stream.WriteByte(SideBottom);
    stream.WriteByte(ColourRed);
    stream.WriteByte(ColourGreen);
    stream.WriteByte(ColourBlue);
}

void Tool_ab_border_simple::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    // A border of 0 draws nothing; anything from 0 up to the dialog's
    // largest size is honest.
    BorderSize = ReadAfterburnerInt32(stream, 0, kMaxBorderSize, "BorderSize");
    SideLeft = ReadAfterburnerByte(stream, 1, "SideLeft");
    SideRight = ReadAfterburnerByte(stream, 1, "SideRight");
    SideTop = ReadAfterburnerByte(stream, 1, "SideTop");
    SideBottom = ReadAfterburnerByte(stream, 1, "SideBottom");
    ColourRed = stream.ReadByte();
    ColourGreen = stream.ReadByte();
    ColourBlue = stream.ReadByte();
}

} // namespace lumora
