#include "depthmap/tool_dm_text.h"

#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <algorithm>

namespace lumora {

Tool_dm_Text::Tool_dm_Text(int32_t id, int32_t left, int32_t top, int32_t width, int32_t height,
                           const QString& text)
    : Tool_dm(KindCode, id), Text(text)
{
    CanMirrorH = false;
    CanMirrorV = false;
    HasDepth = true;
    Depth = 255;
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

void Tool_dm_Text::SetFont(TPixelEngine256& engine, int32_t cellHeight, int32_t averageWidth) const
{
    const uint8_t g = Grey();
    engine.Font.Name = FontName;
    engine.Font.CellHeight = cellHeight;
    engine.Font.AverageWidth = averageWidth;
    engine.Font.Bold = Bold;
    engine.Font.Italic = Italic;
    engine.Font.Underline = Underline;
    engine.Font.StrikeOut = StrikeOut;
    engine.Font.Color = MakeColour(g, g, g);
}

Tool_dm_Text::CharacterWidths Tool_dm_Text::WidthsFor(TPixelEngine256& engine, int32_t w,
                                                      int32_t h) const
{
    CharacterWidths widths;
    const auto len = static_cast<int32_t>(Text.size());
    if (len == 0)
        return widths;
    widths.First = w / len;
    SetFont(engine, h, widths.First);
    widths.Measured = engine.TextWidth(Text);
    // A width of 0 would ask for the face's own width; the narrowest
    // stretched text is one pixel per character.
    widths.Corrected = std::max(1, widths.First + (w - widths.Measured) / len);
    return widths;
}

void Tool_dm_Text::Draw(TPixelEngine256& engine)
{
    DrawAtBounds(engine);
}

void Tool_dm_Text::Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h)
{
    // An empty text (possible only in a damaged file) or an empty
    // rectangle draws nothing rather than dividing by zero or falling back
    // to the default font size.
    if (Text.isEmpty() || w <= 0 || h <= 0)
        return;
    const CharacterWidths widths = WidthsFor(engine, w, h);
    SetFont(engine, h, widths.Corrected);
    engine.TextOut(x, y, Text);
}

void Tool_dm_Text::DrawClipped(TPixelEngine256& engine, const Box& clipRect)
{
    DrawAtBoundsClipped(engine, clipRect);
}

void Tool_dm_Text::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(Depth);
    stream.WriteText(Text);
    stream.WriteText(FontName);
    stream.WriteBool(Bold);
    stream.WriteBool(Italic);
    stream.WriteBool(Underline);
    stream.WriteBool(StrikeOut);
}

void Tool_dm_Text::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Depth = stream.ReadByte();
    Text = stream.ReadText();
    FontName = stream.ReadText();
    Bold = stream.ReadBool();
    Italic = stream.ReadBool();
    Underline = stream.ReadBool();
    StrikeOut = stream.ReadBool();
}

std::unique_ptr<Tool_dm> Tool_dm_Text::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

} // namespace lumora
