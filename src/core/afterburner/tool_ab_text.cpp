#include "afterburner/tool_ab_text.h"

#include "afterburner/afterburner_record_reading.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/pixel_canvas.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

PixelFont Tool_ab_text::TextFont() const
{
    PixelFont font;
    font.Name = FontName;
    font.Size = FontSize;
    font.CellHeight = 0; // the point size decides
    font.Bold = Bold != 0;
    font.Italic = Italic != 0;
    font.Underline = Underline != 0;
    font.StrikeOut = StrikeOut != 0;
    font.Color = TextColour;
    return font;
}

QRect Tool_ab_text::TextBox(int32_t pictureWidth, int32_t pictureHeight) const
{
    const PixelFont font = TextFont();
    const int w = TextWidthOf(Text, font);
    const int h = TextHeightOf(Text, font);
    const QPoint at = AnchorPosition(Anchor, pictureWidth, pictureHeight, w, h, MarginV, MarginH,
                                     AnchorCentring::Text);
    return QRect(at.x(), at.y(), w, h);
}

void Tool_ab_text::Apply(TPixelEngine& picture, const AfterburnerContext&) const
{
    // The box outline takes the background colour too.
    picture.SetBrushColor(BackColour);
    picture.SetPen(0, true);
    picture.Font = TextFont();
    const QRect box = TextBox(picture.Width(), picture.Height());
    if (BackOn)
        picture.Rectangle(box.left(), box.top(), box.left() + box.width(),
                          box.top() + box.height());
    picture.TextOut(box.left(), box.top(), Text);
}

void Tool_ab_text::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const
{
    Tool_ab::SaveToStream(stream, imageQuality);
    stream.WriteText(Text);
    stream.WriteText(FontName);
    stream.WriteInt32(FontSize);
    stream.WriteByte(Bold);
    stream.WriteByte(Italic);
    stream.WriteByte(Underline);
    stream.WriteByte(StrikeOut);
    stream.WriteInt32(static_cast<int32_t>(TextColour));
    stream.WriteInt32(static_cast<int32_t>(BackColour));
    stream.WriteByte(BackOn);
    stream.WriteInt32(Anchor);
    stream.WriteInt32(MarginV);
    stream.WriteInt32(MarginH);
}

void Tool_ab_text::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Text = stream.ReadText();
    FontName = stream.ReadText();
    FontSize = ReadAfterburnerInt32(stream, kMinFontSize, kMaxFontSize, "FontSize");
    Bold = ReadAfterburnerByte(stream, 1, "Bold");
    Italic = ReadAfterburnerByte(stream, 1, "Italic");
    Underline = ReadAfterburnerByte(stream, 1, "Underline");
    StrikeOut = ReadAfterburnerByte(stream, 1, "StrikeOut");
    TextColour = ReadAfterburnerColour(stream, "TextColour");
    BackColour = ReadAfterburnerColour(stream, "BackColour");
    BackOn = ReadAfterburnerByte(stream, 1, "BackOn");
    Anchor = ReadAfterburnerInt32(stream, kMinAnchor, kMaxAnchor, "Anchor");
    MarginV = ReadAfterburnerInt32(stream, 0, kMaxMargin, "MarginV");
    MarginH = ReadAfterburnerInt32(stream, 0, kMaxMargin, "MarginH");
}

} // namespace lumora
