#include "afterburner/tool_ab_spot.h"

#include "afterburner/afterburner_record_reading.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

std::pair<QRect, QRect> Tool_ab_spot::SpotBoxes(int32_t pictureWidth, int32_t pictureHeight,
                                                int32_t tileWidth) const
{
    const int64_t y = SpotPosition == kPositionBottom ? int64_t{pictureHeight} - SpotHeight - Margin
                                                      : int64_t{Margin};
    const int64_t x1 = (int64_t{pictureWidth} - tileWidth) / 2 - (SpotWidth / 2);
    const int64_t x2 = (int64_t{pictureWidth} + tileWidth) / 2 - (SpotWidth / 2);
    return {QRect(static_cast<int>(x1), static_cast<int>(y), SpotWidth, SpotHeight),
            QRect(static_cast<int>(x2), static_cast<int>(y), SpotWidth, SpotHeight)};
}

void Tool_ab_spot::Apply(TPixelEngine& picture, const AfterburnerContext& context) const
{
    // The pen takes the brush colour of the moment it is set.
    picture.SetBrushColor(static_cast<Colour>(OutlineColour));
    picture.SetPen(OutlineSize, false);
    picture.SetBrushColor(static_cast<Colour>(FillColour));
    const auto [left, right] = SpotBoxes(picture.Width(), picture.Height(), context.TileWidth);
    for (const QRect& box : {left, right}) {
        const int x2 = box.left() + box.width();
        const int y2 = box.top() + box.height();
        if (Shape == kShapeRectangle)
            picture.Rectangle(box.left(), box.top(), x2, y2);
        else
            picture.Ellipse(box.left(), box.top(), x2, y2);
    }
}

void Tool_ab_spot::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const
{
    Tool_ab::SaveToStream(stream, imageQuality);
    stream.WriteInt32(SpotWidth);
    stream.WriteInt32(SpotHeight);
    stream.WriteInt32(OutlineSize);
    stream.WriteInt32(Margin);
    stream.WriteInt32(Shape);
    stream.WriteInt32(FillColour);
    stream.WriteInt32(OutlineColour);
    stream.WriteInt32(SpotPosition);
}

void Tool_ab_spot::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    SpotWidth = ReadAfterburnerInt32(stream, 1, kMaxSpotSize, "SpotWidth");
    SpotHeight = ReadAfterburnerInt32(stream, 1, kMaxSpotSize, "SpotHeight");
    OutlineSize = ReadAfterburnerInt32(stream, 0, kMaxSpotSize, "OutlineSize");
    Margin = ReadAfterburnerInt32(stream, 0, kMaxMargin, "Margin");
    Shape = ReadAfterburnerInt32(stream, kShapeEllipse, kShapeRectangle, "Shape");
    FillColour = static_cast<int32_t>(ReadAfterburnerColour(stream, "FillColour"));
    OutlineColour = static_cast<int32_t>(ReadAfterburnerColour(stream, "OutlineColour"));
    SpotPosition = ReadAfterburnerInt32(stream, kPositionTop, kPositionBottom, "SpotPosition");
}

} // namespace lumora
