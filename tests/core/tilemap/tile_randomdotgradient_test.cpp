// The random-dot gradient tile: the segment walk of the row colours, the
// orientation, density, presets and the stop-editing rules.
#include "tile_test_support.h"

#include "common/random_generator.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_randomdotgradient.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumora {
namespace {

using Gradient = Tile_tm_RandomDotGradient;

std::unique_ptr<TPixelEngine> Generate(const Gradient& t, uint32_t seed, int width = 30)
{
    auto band = std::make_unique<TPixelEngine>(width, t.BandHeight);
    RandomGenerator generator;
    TileRandomSource random(generator, seed);
    t.Generate(*band, random);
    return band;
}

Gradient WithStops(std::vector<double> positions, std::vector<Colour> colours)
{
    Gradient t;
    t.StopCount = static_cast<uint8_t>(positions.size());
    for (size_t k = 0; k < positions.size(); ++k) {
        t.StopPos[k] = positions[k];
        t.StopColour[k] = static_cast<int32_t>(colours[k]);
    }
    return t;
}

TEST(GradientTile, NewObjectsCarryTheSimplePreset)
{
    const Gradient t;
    EXPECT_EQ(t.Kind, 2);
    EXPECT_EQ(t.BandHeight, 300);
    EXPECT_EQ(t.Density, 50);
    ASSERT_EQ(t.StopCount, 3);
    EXPECT_EQ(t.StopPos[1], 0.5);
    EXPECT_EQ(static_cast<Colour>(t.StopColour[1]), MakeColour(78, 150, 255));
}

TEST(GradientTile, SimpleOnThreeHundredRows)
{
    const std::vector<Colour> rows = Gradient().RowColours(300);
    ASSERT_EQ(rows.size(), 300u);
    // a + MulDiv(i - from, b - a, length), halves away from zero.
    const struct
    {
        int row;
        Colour colour;
    } cases[] = {
        {0, MakeColour(255, 198, 0)},    {75, MakeColour(166, 174, 128)},
        {149, MakeColour(79, 150, 253)}, {150, MakeColour(79, 150, 253)},
        {151, MakeColour(79, 150, 253)}, {225, MakeColour(167, 174, 127)},
        {299, MakeColour(254, 198, 2)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows[static_cast<size_t>(c.row)], c.colour) << "row " << c.row;
    // Row 150 ends the first segment and repeats row 149; row 151 is the
    // second segment's first step.
    EXPECT_EQ(rows[150], rows[149]);
    const Gradient t;
    EXPECT_EQ(rows[152], MakeColour(80, 151, 252));
    EXPECT_EQ(t.StopRow(1), 150);
}

TEST(GradientTile, DensityHundredIsThePureGradientTopDown)
{
    Gradient t;
    t.ApplyPreset(5); // "Waterfall": blue at the top, white at the bottom
    t.Density = 100;
    t.BandHeight = 120;
    const auto band = Generate(t, 9);
    const std::vector<Colour> rows = t.RowColours(120);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < band->Width(); ++x)
            ASSERT_EQ(band->Pixel(x, y), rows[static_cast<size_t>(y)]) << x << ", " << y;
    EXPECT_EQ(band->Pixel(0, 0), MakeColour(0, 0, 255));
    EXPECT_EQ(band->Pixel(0, 119), MakeColour(253, 253, 255));
}

TEST(GradientTile, DensityZeroIsOnlyBackground)
{
    Gradient t;
    t.Density = 0;
    t.BackRed = 4;
    t.BackGreen = 5;
    t.BackBlue = 6;
    const auto band = Generate(t, 9);
    for (int y = 0; y < band->Height(); ++y)
        for (int x = 0; x < band->Width(); ++x)
            ASSERT_EQ(band->Pixel(x, y), MakeColour(4, 5, 6));
}

// One Random(100) per pixel, rows from the top, columns left to right.
TEST(GradientTile, DotsAreDrawnRowByRowFromTheTop)
{
    Gradient t;
    t.Density = 40;
    t.BackRed = 1;
    const auto band = Generate(t, 2024, 17);
    const std::vector<Colour> rows = t.RowColours(t.BandHeight);
    RandomGenerator rng(2024);
    for (int y = 0; y < t.BandHeight; ++y)
        for (int x = 0; x < 17; ++x) {
            const Colour expected =
                rng.Random(100) < 40 ? rows[static_cast<size_t>(y)] : MakeColour(1, 0, 0);
            ASSERT_EQ(band->Pixel(x, y), expected) << x << ", " << y;
        }
}

TEST(GradientTile, StopsOnOneRowOfALowBandNeitherWrapNorStall)
{
    // Stops 2 and 3 both fall on row 5 of a 10-row band.
    const Gradient t = WithStops({0, 0.5, 0.52, 1}, {MakeColour(0, 0, 0), MakeColour(200, 0, 0),
                                                     MakeColour(40, 0, 0), MakeColour(120, 0, 0)});
    const std::vector<Colour> rows = t.RowColours(10);
    for (const Colour c : rows)
        EXPECT_LE(RedOf(c), 200);
    EXPECT_EQ(rows[5], rows[4]);
    // From row 6 on, the walk runs from stop 3 towards stop 4.
    EXPECT_EQ(RedOf(rows[6]), 40 + 16);
    EXPECT_EQ(RedOf(rows[9]), 40 + 64);
}

TEST(GradientTile, FirstSegmentEndingOnRowZeroShowsTheFirstColour)
{
    const Gradient t = WithStops(
        {0, 0.1, 1}, {MakeColour(90, 90, 90), MakeColour(30, 30, 30), MakeColour(230, 230, 230)});
    const std::vector<Colour> rows = t.RowColours(3);
    EXPECT_EQ(rows[0], MakeColour(90, 90, 90));
    EXPECT_EQ(rows[1], MakeColour(97, 97, 97)); // 30 + MulDiv(1, 200, 3)
}

TEST(GradientTile, LastStopAboveTheBottomCarriesItsColourOn)
{
    const Gradient t = WithStops({0, 0.5}, {MakeColour(0, 0, 0), MakeColour(100, 100, 100)});
    const std::vector<Colour> rows = t.RowColours(10);
    EXPECT_EQ(rows[5], rows[4]);
    for (int y = 6; y < 10; ++y)
        EXPECT_EQ(rows[static_cast<size_t>(y)], MakeColour(100, 100, 100)) << y;
}

TEST(GradientTile, PresetsReplaceEveryStopAndBlackenTheBackground)
{
    const auto& presets = Gradient::Presets();
    EXPECT_STREQ(presets[6].Caption, "Tabasco\u00ae");
    for (int index = 1; index < static_cast<int>(presets.size()); ++index) {
        Gradient t;
        t.BackRed = t.BackGreen = t.BackBlue = 99;
        ASSERT_TRUE(t.ApplyPreset(index));
        const GradientPreset& p = presets[static_cast<size_t>(index)];
        EXPECT_EQ(t.StopCount, p.StopCount) << p.Caption;
        EXPECT_EQ(t.StopPos[0], 0.0) << p.Caption;
        EXPECT_EQ(t.StopPos[static_cast<size_t>(t.StopCount - 1)], 1.0) << p.Caption;
        EXPECT_EQ(static_cast<Colour>(t.StopColour[static_cast<size_t>(t.StopCount - 1)]),
                  p.Colours[static_cast<size_t>(p.StopCount - 1)]);
        EXPECT_EQ(t.BackRed + t.BackGreen + t.BackBlue, 0) << p.Caption;
    }
    Gradient rainbow;
    rainbow.ApplyPreset(3);
    EXPECT_EQ(static_cast<Colour>(rainbow.StopColour[3]), MakeColour(0, 180, 255));
    Gradient custom = rainbow;
    custom.BackRed = 7;
    EXPECT_FALSE(custom.ApplyPreset(0));
    EXPECT_FALSE(custom.ApplyPreset(8));
    EXPECT_EQ(custom.StopCount, 5);
    EXPECT_EQ(custom.BackRed, 7);
}

TEST(GradientTile, InsertionStopsAtFortyFiveStops)
{
    Gradient t;
    ASSERT_EQ(t.StopCount, 3);
    for (int n = 4; n <= 45; ++n) {
        const double fraction = 0.5 + n / 100.0;
        ASSERT_GE(t.InsertStop(fraction, MakeColour(n, 0, 0)), 0) << n;
    }
    EXPECT_EQ(t.StopCount, 45);
    EXPECT_EQ(t.InsertStop(0.25, 0), -1);
    EXPECT_EQ(t.StopCount, 45);
    // Still ascending, the last stop still at 1.
    for (int k = 1; k < 45; ++k)
        EXPECT_LT(t.StopPos[static_cast<size_t>(k - 1)], t.StopPos[static_cast<size_t>(k)]);
    EXPECT_EQ(t.StopPos[44], 1.0);
}

TEST(GradientTile, InsertionGoesBetweenTheStopsAroundIt)
{
    Gradient t;
    EXPECT_EQ(t.InsertStop(0.25, MakeColour(1, 2, 3)), 1);
    EXPECT_EQ(t.StopCount, 4);
    EXPECT_EQ(t.StopPos[1], 0.25);
    EXPECT_EQ(static_cast<Colour>(t.StopColour[1]), MakeColour(1, 2, 3));
    EXPECT_EQ(t.StopPos[2], 0.5);
    EXPECT_EQ(t.InsertStop(0.75, 0), 3);
    EXPECT_EQ(t.StopPos[4], 1.0);
    // Onto an existing stop or outside the band: nothing.
    for (const double f : {0.0, 0.5, 1.0, -0.1, 1.5})
        EXPECT_EQ(t.InsertStop(f, 0), -1) << f;
    EXPECT_EQ(t.StopCount, 5);
}

TEST(GradientTile, FirstAndLastStopsStayPut)
{
    Gradient t;
    EXPECT_FALSE(t.MoveStop(0, 0.1));
    EXPECT_FALSE(t.MoveStop(2, 0.9));
    EXPECT_FALSE(t.RemoveStop(0));
    EXPECT_FALSE(t.RemoveStop(2));
    // An inner stop moves only strictly between its neighbours.
    EXPECT_FALSE(t.MoveStop(1, 0.0));
    EXPECT_FALSE(t.MoveStop(1, 1.0));
    EXPECT_FALSE(t.MoveStop(1, 1.2));
    EXPECT_TRUE(t.MoveStop(1, 0.3));
    EXPECT_EQ(t.StopPos[1], 0.3);
    EXPECT_TRUE(t.SetStopColour(1, MakeColour(9, 8, 7)));
    EXPECT_TRUE(t.RemoveStop(1));
    EXPECT_EQ(t.StopCount, 2);
    EXPECT_EQ(t.StopPos[1], 1.0);
    EXPECT_EQ(static_cast<Colour>(t.StopColour[1]), MakeColour(255, 198, 0));
    EXPECT_FALSE(t.RemoveStop(1)); // two stops remain: both are ends
}

} // namespace
} // namespace lumora
