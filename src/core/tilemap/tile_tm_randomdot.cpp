#include "tilemap/tile_tm_randomdot.h"

#include "rendering/lumo_pixelengine.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_record_reading.h"

namespace lumora {

Tile_tm_RandomDot::Tile_tm_RandomDot(int32_t bandHeight) : Tile_tm(KindCode, bandHeight) {}

// In integers: 2.55 has no exact double, and 50 x 2.55 in doubles lies just
// below 127.5.
int32_t Tile_tm_RandomDot::ChannelLimit(uint8_t pct)
{
    const int32_t hundredths = pct * 255;
    int32_t q = hundredths / 100;
    const int32_t r = hundredths % 100;
    if (r > 50 || (r == 50 && q % 2 != 0))
        ++q;
    return q;
}

void Tile_tm_RandomDot::Generate(TPixelEngine& band, TileRandomSource& random) const
{
    random.Reseed();
    if (DotMode != kMulticoloured && DotMode != kOneColour && DotMode != kGreys)
        return;
    RandomGenerator& rng = random.Generator();
    const int32_t redRange = ChannelLimit(MaxRedPct) + 1;
    const int32_t greenRange = ChannelLimit(MaxGreenPct) + 1;
    const int32_t blueRange = ChannelLimit(MaxBluePct) + 1;
    const int32_t greyRange = ChannelLimit(MaxGreyPct) + 1;
    // Memory rows in ascending order, so the draws run from the bottom row up.
    for (int i = 0; i < band.Height(); ++i) {
        uint8_t* p = band.Row(i);
        for (int x = 0; x < band.Width(); ++x, p += 3) {
            if (rng.Random(100) >= Density) {
                p[0] = BackBlue;
                p[1] = BackGreen;
                p[2] = BackRed;
                continue;
            }
            switch (DotMode) {
            case kMulticoloured:
                p[0] = static_cast<uint8_t>(rng.Random(blueRange));
                p[1] = static_cast<uint8_t>(rng.Random(greenRange));
                p[2] = static_cast<uint8_t>(rng.Random(redRange));
                break;
            case kOneColour:
                p[0] = DotBlue;
                p[1] = DotGreen;
                p[2] = DotRed;
                break;
            default:
                p[0] = p[1] = p[2] = static_cast<uint8_t>(rng.Random(greyRange));
                break;
            }
        }
    }
}

void Tile_tm_RandomDot::SaveToStream(ProjectStreamWriter& stream, int32_t imageQuality) const
{
    Tile_tm::SaveToStream(stream, imageQuality);
    stream.WriteInt32(DotMode);
    stream.WriteByte(Density);
    stream.WriteByte(MaxRedPct);
    stream.WriteByte(MaxGreenPct);
    stream.WriteByte(MaxBluePct);
    stream.WriteByte(DotRed);
    stream.WriteByte(DotGreen);
    stream.WriteByte(DotBlue);
    stream.WriteByte(MaxGreyPct);
    stream.WriteByte(BackRed);
    stream.WriteByte(BackGreen);
    stream.WriteByte(BackBlue);
}

void Tile_tm_RandomDot::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    DotMode = ReadTileInt32(stream, kMulticoloured, kGreys, "DotMode");
    Density = ReadTileByte(stream, 100, "Density");
    MaxRedPct = ReadTileByte(stream, 100, "MaxRedPct");
    MaxGreenPct = ReadTileByte(stream, 100, "MaxGreenPct");
    MaxBluePct = ReadTileByte(stream, 100, "MaxBluePct");
    DotRed = stream.ReadByte();
    DotGreen = stream.ReadByte();
    DotBlue = stream.ReadByte();
    MaxGreyPct = ReadTileByte(stream, 100, "MaxGreyPct");
    BackRed = stream.ReadByte();
    BackGreen = stream.ReadByte();
    BackBlue = stream.ReadByte();
}

std::unique_ptr<Tile_tm> Tile_tm_RandomDot::Clone() const
{
    return CloneAs(*this);
}

} // namespace lumora
