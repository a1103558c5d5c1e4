#include "tilemap/tile_tm_image.h"

#include "common/lumora_error.h"
#include "common/numeric.h"
#include "imageio/picture_file.h"
#include "imageio/pixel_engine_conversion.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"
#include "tilemap/tile_record_reading.h"

#include <algorithm>

namespace lumora {

namespace {
std::unique_ptr<TPixelEngine> CopyOf(const TPixelEngine& picture)
{
    auto copy = std::make_unique<TPixelEngine>(picture.Width(), picture.Height());
    picture.DrawTo(*copy, 0, 0);
    return copy;
}
} // namespace

Tile_tm_Image::Tile_tm_Image(int32_t bandHeight) : Tile_tm(KindCode, bandHeight) {}

Tile_tm_Image::Tile_tm_Image(std::unique_ptr<TPixelEngine> picture, bool keepProportions,
                             int32_t tileWidth)
    : Tile_tm(KindCode, 0), Picture(std::move(picture)), KeepProportions(keepProportions ? 1 : 0)
{
    BandHeight = DialogBandHeight(tileWidth, HasPicture() ? Picture->Height() : 0);
}

Tile_tm_Image::Tile_tm_Image(const Tile_tm_Image& other)
    : Tile_tm(other), Picture(other.Picture ? CopyOf(*other.Picture) : nullptr),
      KeepProportions(other.KeepProportions)
{
}

Tile_tm_Image::~Tile_tm_Image() = default;

bool Tile_tm_Image::HasPicture() const
{
    return Picture && Picture->Width() > 0 && Picture->Height() > 0;
}

void Tile_tm_Image::SetPicture(const TPixelEngine& picture)
{
    Picture = CopyOf(picture);
}

int32_t Tile_tm_Image::ProportionalBandHeight(int32_t tileWidth) const
{
    if (!HasPicture())
        return 0;
    const double ratio = static_cast<double>(Picture->Height()) / Picture->Width();
    // A very flat picture would give a band of no rows, a very tall one a
    // band beyond any render.
    return static_cast<int32_t>(
        std::clamp<int64_t>(Round(tileWidth * ratio), kMinBandHeight, kMaxBandHeight));
}

int32_t Tile_tm_Image::DialogBandHeight(int32_t tileWidth, int32_t heightField) const
{
    return KeepProportions ? ProportionalBandHeight(tileWidth) : heightField;
}

QRect Tile_tm_Image::PreviewRect(int32_t areaWidth, int32_t areaHeight) const
{
    if (!HasPicture() || areaWidth <= 0 || areaHeight <= 0)
        return {};
    const double scale = std::min(static_cast<double>(areaWidth) / Picture->Width(),
                                  static_cast<double>(areaHeight) / Picture->Height());
    const int w = std::clamp<int>(static_cast<int>(Round(Picture->Width() * scale)), 1, areaWidth);
    const int h =
        std::clamp<int>(static_cast<int>(Round(Picture->Height() * scale)), 1, areaHeight);
    return QRect((areaWidth - w) / 2, (areaHeight - h) / 2, w, h);
}

void Tile_tm_Image::Generate(TPixelEngine& band, TileRandomSource&) const
{
    if (!HasPicture()) {
        band.FillColour(0);
        return;
    }
    Picture->StretchDrawTo(band, 0, 0, band.Width(), band.Height());
}

void Tile_tm_Image::SetTileWidth(int32_t width)
{
    if (KeepProportions && HasPicture())
        BandHeight = ProportionalBandHeight(width);
}

void Tile_tm_Image::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const
{
    if (!HasPicture())
        throw LumoraError("An image tile without a picture cannot be saved.");
    Tile_tm::SaveToStream(stream, imageQuality);
    stream.WriteJpegBlock(*Picture, imageQuality);
    stream.WriteByte(KeepProportions);
}

void Tile_tm_Image::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Picture = stream.ReadJpegBlock();
    KeepProportions = ReadTileByte(stream, 1, "KeepProportions");
}

std::unique_ptr<Tile_tm> Tile_tm_Image::Clone() const
{
    return CloneAs(*this);
}

std::unique_ptr<TPixelEngine> LoadTilePicture(const QString& fileName)
{
    return ToPixelEngine(LoadPictureFile(fileName));
}

} // namespace lumora
