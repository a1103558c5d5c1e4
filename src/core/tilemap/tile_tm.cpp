#include "tilemap/tile_tm.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_record_reading.h"

#include <algorithm>
#include <string>

namespace lumora {

namespace {
uint8_t AsFlag(uint8_t v)
{
    return v != 0 ? 1 : 0;
}
} // namespace

TileEffects TileEffects::Clamped() const
{
    TileEffects e = *this;
    e.FxBrightness = std::clamp(FxBrightness, -kMaxFxBrightness, kMaxFxBrightness);
    e.FxInvert = AsFlag(FxInvert);
    e.FxRipple = std::min(FxRipple, kMaxFxRipple);
    e.FxSpray = std::min(FxSpray, kMaxFxSpray);
    e.FxMirrorH = AsFlag(FxMirrorH);
    e.FxMirrorV = AsFlag(FxMirrorV);
    return e;
}

Tile_tm::Tile_tm(int32_t kind, int32_t bandHeight) : BandHeight(bandHeight), Kind(kind) {}

void Tile_tm::Generate(TPixelEngine&, TileRandomSource&) const {}

void Tile_tm::SetTileWidth(int32_t) {}

TileEffects Tile_tm::Effects() const
{
    return TileEffects{FxBrightness, FxContrast, FxSolarize, FxPosterize, FxInvert,
                       FxRipple,     FxSpray,    FxMirrorH,  FxMirrorV};
}

void Tile_tm::SetEffects(const TileEffects& effects)
{
    FxBrightness = effects.FxBrightness;
    FxContrast = effects.FxContrast;
    FxSolarize = effects.FxSolarize;
    FxPosterize = effects.FxPosterize;
    FxInvert = effects.FxInvert;
    FxRipple = effects.FxRipple;
    FxSpray = effects.FxSpray;
    FxMirrorH = effects.FxMirrorH;
    FxMirrorV = effects.FxMirrorV;
}

void Tile_tm::ApplyEffects(TPixelEngine& band, RandomGenerator& random) const
{
    if (FxBrightness != 0)
        band.Brightness(FxBrightness);
    if (FxContrast != 0)
        band.Contrast(FxContrast);
    if (FxSolarize != 0)
        band.Solarize(255 - FxSolarize);
    if (FxPosterize != 0)
        band.Posterize(FxPosterize);
    if (FxRipple != 0)
        band.Ripple(FxRipple);
    if (FxSpray != 0)
        band.Spray(FxSpray, random);
    if (FxInvert == 1)
        band.Invert();
    if (FxMirrorH == 1)
        band.MirrorLeftHalf();
    if (FxMirrorV == 1)
        band.MirrorTopHalf();
}

std::unique_ptr<TPixelEngine> Tile_tm::MakeBand(int32_t width, TileRandomSource& random) const
{
    auto band = std::make_unique<TPixelEngine>(width, BandHeight);
    Generate(*band, random);
    ApplyEffects(*band, random.Generator());
    return band;
}

std::unique_ptr<TPixelEngine> Tile_tm::MakeDialogPreview(int32_t width, int32_t height,
                                                         TileRandomSource& random) const
{
    auto preview = std::make_unique<TPixelEngine>(width, height);
    Generate(*preview, random);
    return preview;
}

void Tile_tm::SaveToStream(ProjectStreamWriter& stream, int32_t) const
{
    stream.WriteInt32(BandHeight);
    stream.WriteInt32(Kind);
    stream.WriteInt32(FxBrightness);
    stream.WriteByte(FxContrast);
    stream.WriteByte(FxSolarize);
    stream.WriteByte(FxPosterize);
    stream.WriteByte(FxInvert);
    stream.WriteByte(FxRipple);
    stream.WriteByte(FxSpray);
    stream.WriteByte(FxMirrorH);
    stream.WriteByte(FxMirrorV);
}

void Tile_tm::LoadBase(ProjectStreamReader& stream)
{
    BandHeight = ReadTileInt32(stream, kMinBandHeight, kMaxBandHeight, "BandHeight");
    // The kind code stands before the record and again here; a record whose
    // two codes differ would be read as one kind and used as another.
    const int32_t storedKind = stream.ReadInt32();
    if (storedKind != Kind)
        throw LumoraError("The data is damaged: a tile object of kind " + std::to_string(Kind) +
                          " carries the kind code " + std::to_string(storedKind) + ".");
    FxBrightness = ReadTileInt32(stream, -kMaxFxBrightness, kMaxFxBrightness, "FxBrightness");
    FxContrast = stream.ReadByte();
    FxSolarize = stream.ReadByte();
    FxPosterize = stream.ReadByte();
    FxInvert = ReadTileByte(stream, 1, "FxInvert");
    FxRipple = ReadTileByte(stream, kMaxFxRipple, "FxRipple");
    FxSpray = ReadTileByte(stream, kMaxFxSpray, "FxSpray");
    FxMirrorH = ReadTileByte(stream, 1, "FxMirrorH");
    FxMirrorV = ReadTileByte(stream, 1, "FxMirrorV");
}

void Tile_tm::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
}

} // namespace lumora
