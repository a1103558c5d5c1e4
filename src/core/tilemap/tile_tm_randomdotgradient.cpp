#include "tilemap/tile_tm_randomdotgradient.h"

#include "common/numeric.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_record_reading.h"

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

constexpr Colour Rgb(int r, int g, int b)
{
    return MakeColour(r, g, b);
}

constexpr std::array<double, 7> kQuarters{0, 0.25, 0.5, 0.75, 1};

const std::array<GradientPreset, 8> kPresets{{
    {"Custom", 0, {}, {}},
    {"Simple", 3, {0, 0.5, 1}, {Rgb(255, 198, 0), Rgb(78, 150, 255), Rgb(255, 198, 0)}},
    {"Blue Waves",
     5,
     kQuarters,
     {Rgb(0, 0, 255), Rgb(255, 255, 255), Rgb(0, 0, 255), Rgb(255, 255, 255), Rgb(0, 0, 255)}},
    {"Rainbow",
     5,
     kQuarters,
     {Rgb(255, 0, 0), Rgb(255, 255, 0), Rgb(0, 255, 0), Rgb(0, 180, 255), Rgb(0, 0, 255)}},
    {"Caipirinha",
     5,
     kQuarters,
     {Rgb(255, 255, 255), Rgb(223, 223, 223), Rgb(0, 255, 0), Rgb(0, 180, 0), Rgb(198, 155, 82)}},
    {"Waterfall",
     5,
     kQuarters,
     {Rgb(0, 0, 255), Rgb(50, 50, 255), Rgb(100, 100, 255), Rgb(200, 200, 255),
      Rgb(255, 255, 255)}},
    {"Tabasco\u00ae",
     7,
     {0, 0.16, 0.32, 0.48, 0.64, 0.8, 1},
     {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 255, 0), Rgb(255, 0, 0), Rgb(255, 255, 255),
      Rgb(255, 255, 255), Rgb(255, 0, 0)}},
    {"Sunflower",
     5,
     kQuarters,
     {Rgb(255, 255, 0), Rgb(198, 155, 82), Rgb(255, 255, 0), Rgb(0, 255, 0), Rgb(0, 255, 0)}},
}};

// a + MulDiv(step, b - a, length) per channel, kept as a byte.
Colour Interpolate(Colour a, Colour b, int32_t step, int32_t length)
{
    const auto channel = [&](int ca, int cb) {
        return static_cast<uint8_t>(ca + MulDiv(step, cb - ca, length));
    };
    return MakeColour(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
                      channel(BlueOf(a), BlueOf(b)));
}

} // namespace

Tile_tm_RandomDotGradient::Tile_tm_RandomDotGradient(int32_t bandHeight)
    : Tile_tm(KindCode, bandHeight)
{
    ApplyPreset(kPresetSimple);
}

const std::array<GradientPreset, 8>& Tile_tm_RandomDotGradient::Presets()
{
    return kPresets;
}

bool Tile_tm_RandomDotGradient::ApplyPreset(int index)
{
    if (index <= kPresetCustom || index >= static_cast<int>(kPresets.size()))
        return false;
    const GradientPreset& preset = kPresets[static_cast<size_t>(index)];
    StopCount = static_cast<uint8_t>(preset.StopCount);
    for (int k = 0; k < preset.StopCount; ++k) {
        StopPos[static_cast<size_t>(k)] = preset.Positions[static_cast<size_t>(k)];
        StopColour[static_cast<size_t>(k)] =
            static_cast<int32_t>(preset.Colours[static_cast<size_t>(k)]);
    }
    BackRed = BackGreen = BackBlue = 0;
    return true;
}

int Tile_tm_RandomDotGradient::InsertStop(double fraction, Colour colour)
{
    if (StopCount < kMinStops || StopCount >= kMaxStops || !std::isfinite(fraction))
        return -1;
    // The first stop whose position lies beyond the fraction; the new stop
    // goes just before it, and must lie strictly after the one before.
    int next = 1;
    while (next < StopCount && StopPos[static_cast<size_t>(next)] <= fraction)
        ++next;
    if (next >= StopCount || !(fraction > StopPos[static_cast<size_t>(next - 1)]))
        return -1;
    for (int k = StopCount; k > next; --k) {
        StopPos[static_cast<size_t>(k)] = StopPos[static_cast<size_t>(k - 1)];
        StopColour[static_cast<size_t>(k)] = StopColour[static_cast<size_t>(k - 1)];
    }
    StopPos[static_cast<size_t>(next)] = fraction;
    StopColour[static_cast<size_t>(next)] = static_cast<int32_t>(colour);
    ++StopCount;
    return next;
}

bool Tile_tm_RandomDotGradient::RemoveStop(int index)
{
    if (!IsInnerStop(index))
        return false;
    for (int k = index; k < StopCount - 1; ++k) {
        StopPos[static_cast<size_t>(k)] = StopPos[static_cast<size_t>(k + 1)];
        StopColour[static_cast<size_t>(k)] = StopColour[static_cast<size_t>(k + 1)];
    }
    --StopCount;
    return true;
}

bool Tile_tm_RandomDotGradient::MoveStop(int index, double fraction)
{
    if (!IsInnerStop(index) || !std::isfinite(fraction))
        return false;
    if (!(fraction > StopPos[static_cast<size_t>(index - 1)] &&
          fraction < StopPos[static_cast<size_t>(index + 1)]))
        return false;
    StopPos[static_cast<size_t>(index)] = fraction;
    return true;
}

bool Tile_tm_RandomDotGradient::SetStopColour(int index, Colour colour)
{
    if (index < 0 || index >= StopCount)
        return false;
    StopColour[static_cast<size_t>(index)] = static_cast<int32_t>(colour & 0xFFFFFF);
    return true;
}

int32_t Tile_tm_RandomDotGradient::StopRow(int index) const
{
    if (index < 0 || index >= StopCount)
        return 0;
    return static_cast<int32_t>(Round(BandHeight * StopPos[static_cast<size_t>(index)]));
}

// The segment walk: a segment runs from the row of one stop to the row of
// the next; the row where a segment ends repeats the row before it, and the
// rows after it follow the next segment. Stops whose rows do not lie below
// the current row (two stops on one row of a low band) are passed over, so
// no segment has length 0 and the walk always reaches the last stop.
std::vector<Colour> Tile_tm_RandomDotGradient::RowColours(int32_t height) const
{
    std::vector<Colour> rows(static_cast<size_t>(std::max(height, 0)));
    if (rows.empty())
        return rows;
    const int count = std::clamp<int>(StopCount, 1, kStopSlots);
    const auto rowOf = [&](int stop) {
        const double pos = std::clamp(StopPos[static_cast<size_t>(stop)], 0.0, 1.0);
        return static_cast<int32_t>(Round(height * pos));
    };
    const auto colourOf = [&](int stop) {
        return static_cast<Colour>(StopColour[static_cast<size_t>(stop)]) & 0xFFFFFF;
    };

    int k = 0; // the stop where the current segment starts
    int32_t from = 0;
    int32_t to = count > 1 ? rowOf(1) : height;
    Colour a = colourOf(0);
    Colour b = count > 1 ? colourOf(1) : a;
    int32_t length = std::max(to, 1);
    // A band whose first segment ends on row 0 shows the first stop's
    // colour there.
    Colour rowColour = a;
    for (int32_t i = 0; i < height; ++i) {
        if (i == to) {
            ++k;
            from = i;
            while (k + 1 < count && rowOf(k + 1) <= i)
                ++k;
            if (k + 1 < count) {
                to = rowOf(k + 1);
                a = colourOf(k);
                b = colourOf(k + 1);
            } else {
                // Past the last stop (one that lies above the bottom row):
                // its colour carries on to the end.
                to = height;
                a = b = colourOf(count - 1);
            }
            length = to - from;
        } else {
            rowColour = Interpolate(a, b, i - from, length);
        }
        rows[static_cast<size_t>(i)] = rowColour;
    }
    return rows;
}

void Tile_tm_RandomDotGradient::Generate(TPixelEngine& band, TileRandomSource& random) const
{
    const std::vector<Colour> rows = RowColours(band.Height());
    random.Reseed();
    RandomGenerator& rng = random.Generator();
    // Row i of the gradient is picture row i from the top: the rows are
    // made from the top down, which is the order in which the dots draw.
    for (int32_t i = 0; i < band.Height(); ++i) {
        const Colour c = rows[static_cast<size_t>(i)];
        uint8_t* p = band.Row(band.Height() - 1 - i);
        for (int x = 0; x < band.Width(); ++x, p += 3) {
            const bool dot = rng.Random(100) < Density;
            p[0] = dot ? static_cast<uint8_t>(BlueOf(c)) : BackBlue;
            p[1] = dot ? static_cast<uint8_t>(GreenOf(c)) : BackGreen;
            p[2] = dot ? static_cast<uint8_t>(RedOf(c)) : BackRed;
        }
    }
}

void Tile_tm_RandomDotGradient::SaveToStream(ProjectStreamWriter& stream,
                                             int32_t imageQuality) const
{
    Tile_tm::SaveToStream(stream, imageQuality);
    stream.WriteByte(Density);
    for (const double pos : StopPos)
        stream.WriteFloat64(pos);
    for (const int32_t colour : StopColour)
        stream.WriteInt32(colour);
    stream.WriteByte(StopCount);
    stream.WriteByte(BackRed);
    stream.WriteByte(BackGreen);
    stream.WriteByte(BackBlue);
}

void Tile_tm_RandomDotGradient::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Density = ReadTileByte(stream, 100, "Density");
    for (double& pos : StopPos)
        pos = stream.ReadFloat64();
    for (int32_t& colour : StopColour)
        colour = stream.ReadInt32();
    StopCount = ReadTileByte(stream, kStopSlots, "StopCount");
    if (StopCount < kMinStops)
        FailDamagedTile("StopCount", "names fewer than two stops");
    BackRed = stream.ReadByte();
    BackGreen = stream.ReadByte();
    BackBlue = stream.ReadByte();
    // Unused slots are kept as they are; the stops in use must be fractions
    // of the band in ascending order.
    double previous = 0.0;
    for (int k = 0; k < StopCount; ++k) {
        const double pos = StopPos[static_cast<size_t>(k)];
        if (!(pos >= previous && pos <= 1.0))
            FailDamagedTile("StopPos", "holds positions that are not ascending fractions");
        previous = pos;
    }
}

std::unique_ptr<Tile_tm> Tile_tm_RandomDotGradient::Clone() const
{
    return CloneAs(*this);
}

} // namespace lumora
