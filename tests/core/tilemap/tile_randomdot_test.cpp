// The random-dot tile: density, the three modes, the channel limits, the
// order in which numbers are drawn, and reseeding.
#include "tile_test_support.h"

#include "common/random_generator.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_randomdot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace lumora {
namespace {

using tiletest::SamePictures;

constexpr Colour kBack = MakeColour(10, 20, 30);

Tile_tm_RandomDot Dots(int mode, int density)
{
    Tile_tm_RandomDot t(60);
    t.DotMode = mode;
    t.Density = static_cast<uint8_t>(density);
    t.BackRed = 10;
    t.BackGreen = 20;
    t.BackBlue = 30;
    return t;
}

std::unique_ptr<TPixelEngine> Generate(const Tile_tm_RandomDot& t, uint32_t seed, int width = 90)
{
    auto band = std::make_unique<TPixelEngine>(width, t.BandHeight);
    RandomGenerator generator;
    TileRandomSource random(generator, seed);
    t.Generate(*band, random);
    return band;
}

int CountColour(const TPixelEngine& e, Colour c)
{
    int n = 0;
    for (int y = 0; y < e.Height(); ++y)
        for (int x = 0; x < e.Width(); ++x)
            n += e.Pixel(x, y) == c;
    return n;
}

TEST(RandomDotTile, NewObjectsCarryTheDialogDefaults)
{
    const Tile_tm_RandomDot t;
    EXPECT_EQ(t.Kind, 1);
    EXPECT_EQ(t.BandHeight, 100);
    EXPECT_EQ(t.DotMode, 1);
    EXPECT_EQ(t.Density, 50);
    EXPECT_EQ(t.MaxRedPct + t.MaxGreenPct + t.MaxBluePct + t.MaxGreyPct, 200);
    EXPECT_EQ(MakeColour(t.DotRed, t.DotGreen, t.DotBlue), MakeColour(255, 255, 255));
    EXPECT_EQ(MakeColour(t.BackRed, t.BackGreen, t.BackBlue), 0u);
    EXPECT_EQ(t.Effects(), TileEffects{});
}

TEST(RandomDotTile, DensityZeroIsAllBackgroundAndHundredAllDots)
{
    for (const int mode : {1, 2, 3}) {
        const auto none = Generate(Dots(mode, 0), 5);
        EXPECT_EQ(CountColour(*none, kBack), 90 * 60) << "mode " << mode;
        Tile_tm_RandomDot all = Dots(mode, 100);
        all.DotRed = 200; // mode 2 dots, never the background
        const auto full = Generate(all, 5);
        EXPECT_EQ(CountColour(*full, kBack), 0) << "mode " << mode;
    }
    // In between, about the density's share of pixels are dots.
    const auto half = Generate(Dots(2, 30), 5, 200);
    const int dots = 200 * 60 - CountColour(*half, kBack);
    EXPECT_NEAR(dots / (200.0 * 60), 0.30, 0.02);
}

TEST(RandomDotTile, ModeOneWithZeroPercentagesGivesBlackDots)
{
    Tile_tm_RandomDot t = Dots(1, 100);
    t.MaxRedPct = t.MaxGreenPct = t.MaxBluePct = 0;
    EXPECT_EQ(CountColour(*Generate(t, 3), MakeColour(0, 0, 0)), 90 * 60);
}

TEST(RandomDotTile, ChannelLimitRoundsTheExactProductHalfToEven)
{
    const struct
    {
        int pct;
        int limit;
    } cases[] = {{0, 0}, {1, 3}, {2, 5}, {10, 26}, {30, 76}, {50, 128}, {70, 178}, {100, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(Tile_tm_RandomDot::ChannelLimit(static_cast<uint8_t>(c.pct)), c.limit)
            << c.pct << " %";
}

// Every channel value 0 .. limit occurs, and nothing above it.
void ExpectChannelRange(const TPixelEngine& band, int (*channel)(Colour), int limit)
{
    std::set<int> seen;
    for (int y = 0; y < band.Height(); ++y)
        for (int x = 0; x < band.Width(); ++x)
            seen.insert(channel(band.Pixel(x, y)));
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), limit);
    EXPECT_EQ(static_cast<int>(seen.size()), limit + 1);
}

TEST(RandomDotTile, DotChannelsRunFromZeroToTheirLimit)
{
    Tile_tm_RandomDot multi = Dots(1, 100);
    multi.BandHeight = 200;
    multi.MaxRedPct = 30;
    multi.MaxGreenPct = 50;
    multi.MaxBluePct = 100;
    const auto band = Generate(multi, 11);
    ExpectChannelRange(*band, RedOf, 76);
    ExpectChannelRange(*band, GreenOf, 128);
    ExpectChannelRange(*band, BlueOf, 255);

    Tile_tm_RandomDot greys = Dots(3, 100);
    greys.BandHeight = 200;
    greys.MaxGreyPct = 100;
    const auto grey = Generate(greys, 11);
    ExpectChannelRange(*grey, RedOf, 255);
    for (int y = 0; y < grey->Height(); ++y)
        for (int x = 0; x < grey->Width(); ++x) {
            const Colour c = grey->Pixel(x, y);
            ASSERT_TRUE(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c));
        }
}

// The draws as the tile defines them, pixel by pixel: memory rows upwards,
// columns left to right; a dot of mode 1 draws blue, green, red.
std::unique_ptr<TPixelEngine> PlainRandomDots(const Tile_tm_RandomDot& t, int width, uint32_t seed)
{
    auto band = std::make_unique<TPixelEngine>(width, t.BandHeight);
    RandomGenerator rng(seed);
    for (int memoryRow = 0; memoryRow < t.BandHeight; ++memoryRow) {
        const int y = t.BandHeight - 1 - memoryRow;
        for (int x = 0; x < width; ++x) {
            Colour c = MakeColour(t.BackRed, t.BackGreen, t.BackBlue);
            if (rng.Random(100) < t.Density) {
                if (t.DotMode == 1) {
                    const int b = rng.Random(Tile_tm_RandomDot::ChannelLimit(t.MaxBluePct) + 1);
                    const int g = rng.Random(Tile_tm_RandomDot::ChannelLimit(t.MaxGreenPct) + 1);
                    const int r = rng.Random(Tile_tm_RandomDot::ChannelLimit(t.MaxRedPct) + 1);
                    c = MakeColour(r, g, b);
                } else if (t.DotMode == 2) {
                    c = MakeColour(t.DotRed, t.DotGreen, t.DotBlue);
                } else {
                    const int g = rng.Random(Tile_tm_RandomDot::ChannelLimit(t.MaxGreyPct) + 1);
                    c = MakeColour(g, g, g);
                }
            }
            band->SetPixel(x, y, c);
        }
    }
    return band;
}

TEST(RandomDotTile, NumbersAreDrawnInTheDefinedOrder)
{
    for (const int mode : {1, 2, 3}) {
        Tile_tm_RandomDot t = Dots(mode, 45);
        t.MaxRedPct = 20;
        t.MaxGreenPct = 60;
        t.MaxBluePct = 90;
        t.MaxGreyPct = 40;
        EXPECT_TRUE(SamePictures(*Generate(t, 1234, 37), *PlainRandomDots(t, 37, 1234)))
            << "mode " << mode;
    }
}

TEST(RandomDotTile, UnknownModeLeavesTheBandUnchanged)
{
    Tile_tm_RandomDot t = Dots(4, 100);
    TPixelEngine band(20, 60);
    band.FillColour(MakeColour(1, 2, 3));
    RandomGenerator generator;
    TileRandomSource random(generator);
    t.Generate(band, random);
    EXPECT_EQ(CountColour(band, MakeColour(1, 2, 3)), 20 * 60);
}

TEST(RandomDotTile, ClockReseedingGivesANewPatternEachTime)
{
    const Tile_tm_RandomDot t = Dots(1, 50);
    RandomGenerator generator;
    TileRandomSource clock(generator);
    TPixelEngine a(90, 60);
    TPixelEngine b(90, 60);
    t.Generate(a, clock);
    t.Generate(b, clock);
    EXPECT_FALSE(SamePictures(a, b));
}

TEST(RandomDotTile, AGivenSeedReproducesTheBand)
{
    const Tile_tm_RandomDot t = Dots(1, 50);
    EXPECT_TRUE(SamePictures(*Generate(t, 42), *Generate(t, 42)));
    EXPECT_FALSE(SamePictures(*Generate(t, 42), *Generate(t, 43)));
}

} // namespace
} // namespace lumora
