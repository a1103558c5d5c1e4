#include "afterburner/tool_ab_border_frame.h"

#include "afterburner/afterburner_record_reading.h"
#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

namespace {
std::unique_ptr<TPixelEngine256> CopyOf(const TPixelEngine256& mask)
{
    auto copy = std::make_unique<TPixelEngine256>(mask.Width(), mask.Height());
    mask.DrawTo(*copy, 0, 0);
    return copy;
}
} // namespace

Tool_ab_border_frame::Tool_ab_border_frame() : Tool_ab(KindCode) {}

Tool_ab_border_frame::Tool_ab_border_frame(const Tool_ab_border_frame& other)
    : Tool_ab(other), Mask(other.Mask ? CopyOf(*other.Mask) : nullptr),
      InvertMask(other.InvertMask), ColourRed(other.ColourRed), ColourGreen(other.ColourGreen),
      ColourBlue(other.ColourBlue), Tolerance(other.Tolerance), Transparency(other.Transparency)
{
}

Tool_ab_border_frame::~Tool_ab_border_frame() = default;

bool Tool_ab_border_frame::HasMask() const
{
    return Mask && Mask->Width() > 0 && Mask->Height() > 0;
}

void Tool_ab_border_frame::SetMaskFromPicture(const TPixelEngine& picture)
{
    TPixelEngine grey(picture.Width(), picture.Height());
    picture.DrawTo(grey, 0, 0);
    grey.Greyscale(false);
    auto mask = std::make_unique<TPixelEngine256>(grey.Width(), grey.Height());
    mask->FromColour(grey);
    Mask = std::move(mask);
}

void Tool_ab_border_frame::SetMask(const TPixelEngine256& mask)
{
    Mask = CopyOf(mask);
}

void Tool_ab_border_frame::Apply(TPixelEngine& picture, const AfterburnerContext&) const
{
    if (!HasMask() || picture.Width() == 0)
        return;
    TPixelEngine256 scaled(picture.Width(), picture.Height());
    Mask->StretchDrawTo(scaled, 0, 0, scaled.Width(), scaled.Height());
    scaled.BlendWithColour(picture, InvertMask != 0, Transparency, Tolerance,
                           MakeColour(ColourRed, ColourGreen, ColourBlue));
}

void Tool_ab_border_frame::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const
{
    if (!HasMask())
        throw LumoraError("A frame border without a frame picture cannot be saved.");
    Tool_ab::SaveToStream(stream, imageQuality);
    stream.WritePngBlock(*Mask);
    stream.WriteByte(InvertMask);
    stream.WriteByte(ColourRed);
    stream.WriteByte(ColourGreen);
    stream.WriteByte(ColourBlue);
    stream.WriteByte(Tolerance);
    stream.WriteByte(Transparency);
}

void Tool_ab_border_frame::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Mask = stream.ReadPngBlock();
    InvertMask = ReadAfterburnerByte(stream, 1, "InvertMask");
    ColourRed = stream.ReadByte();
    ColourGreen = stream.ReadByte();
    ColourBlue = stream.ReadByte();
    Tolerance = stream.ReadByte();
    Transparency = stream.ReadByte();
}

} // namespace lumora
