#include "afterburner/tool_ab_border_image.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

namespace {
std::unique_ptr<TPixelEngine> CopyOf(const TPixelEngine& picture)
{
    auto copy = std::make_unique<TPixelEngine>(picture.Width(), picture.Height());
    picture.DrawTo(*copy, 0, 0);
    return copy;
}
} // namespace

Tool_ab_border_image::Tool_ab_border_image() : Tool_ab(KindCode) {}

Tool_ab_border_image::Tool_ab_border_image(const Tool_ab_border_image& other)
    : Tool_ab(other), Picture(other.Picture ? CopyOf(*other.Picture) : nullptr),
      KeyRed(other.KeyRed), KeyGreen(other.KeyGreen), KeyBlue(other.KeyBlue),
      KeyTolerance(other.KeyTolerance)
{
}

Tool_ab_border_image::~Tool_ab_border_image() = default;

bool Tool_ab_border_image::HasPicture() const
{
    return Picture && Picture->Width() > 0 && Picture->Height() > 0;
}

void Tool_ab_border_image::SetPicture(const TPixelEngine& picture)
{
    Picture = CopyOf(picture);
}

bool Tool_ab_border_image::PickKeyColour(int x, int y)
{
    if (!HasPicture() || x < 0 || y < 0 || x >= Picture->Width() || y >= Picture->Height())
        return false;
    const Colour c = Picture->Pixel(x, y);
    KeyRed = static_cast<uint8_t>(RedOf(c));
    KeyGreen = static_cast<uint8_t>(GreenOf(c));
    KeyBlue = static_cast<uint8_t>(BlueOf(c));
    return true;
}

void Tool_ab_border_image::Apply(TPixelEngine& picture, const AfterburnerContext&) const
{
    if (!HasPicture() || picture.Width() == 0)
        return;
    TPixelEngine scaled(picture.Width(), picture.Height());
    Picture->StretchDrawTo(scaled, 0, 0, scaled.Width(), scaled.Height());
    picture.CopyExceptKey(scaled, KeyRed, KeyGreen, KeyBlue, KeyTolerance);
}

void Tool_ab_border_image::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const
{
    if (!HasPicture())
        throw LumoraError("An image border without a picture cannot be saved.");
    Tool_ab::SaveToStream(stream, imageQuality);
    stream.WriteJpegBlock(*Picture, imageQuality);
    stream.WriteByte(KeyRed);
    stream.WriteByte(KeyGreen);
    stream.WriteByte(KeyBlue);
    stream.WriteByte(KeyTolerance);
}

void Tool_ab_border_image::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Picture = stream.ReadJpegBlock();
    KeyRed = stream.ReadByte();
    KeyGreen = stream.ReadByte();
    KeyBlue = stream.ReadByte();
    KeyTolerance = stream.ReadByte();
}

} // namespace lumora
