#include "algorithmus_reference.h"
#include "common/lumora_error.h"
#include "rendering/algorithmus.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"

#include <gtest/gtest.h>

#include <random>

namespace lumora {
namespace {

// A tile whose pixel (column c, memory row m) carries c in red and m in
// green, so every output pixel tells where it was sampled.
void FillCoordinateTile(TPixelEngine& tile)
{
    for (int m = 0; m < tile.Height(); ++m)
        for (int c = 0; c < tile.Width(); ++c) {
            uint8_t* p = tile.Row(m) + 3 * c;
            p[0] = 7;                       // blue
            p[1] = static_cast<uint8_t>(m); // green
            p[2] = static_cast<uint8_t>(c); // red
        }
}

RenderOptions WorkedExampleOptions()
{
    RenderOptions o;
    o.RenderOptions_RenderDPI = 4;
    o.RenderOptions_RenderWidth = 20;
    o.RenderOptions_RenderHeight = 1;
    o.RenderOptions_Tile_Width = 5;
    o.RenderOptions_Settings_AugeScreen = 14;
    o.RenderOptions_Settings_max3dtiefe = 14;
    o.RenderOptions_Settings_min3dtiefe = 8;
    o.RenderOptions_Settings_quality = 0;
    o.RenderOptions_Settings_renderdirection = 2;
    return o;
}

struct RenderRun
{
    RenderRun(const RenderOptions& o, int tileWidth, int tileHeight)
        : options(o), depth(o.RenderOptions_RenderWidth, o.RenderOptions_RenderHeight),
          tile(tileWidth, tileHeight),
          output(o.RenderOptions_RenderWidth, o.RenderOptions_RenderHeight)
    {
        depth.Fill(0);
        FillCoordinateTile(tile);
    }
    void Render()
    {
        algorithm.PrepareRender(options, tile);
        algorithm.BuildSeparationTable();
        for (int r = 0; r < options.RenderOptions_RenderHeight; ++r)
            algorithm.RenderRow(r, depth, tile, output);
    }
    int TileColumnAt(int x, int memoryRow) const { return output.Row(memoryRow)[3 * x + 2]; }
    int TileRowAt(int x, int memoryRow) const { return output.Row(memoryRow)[3 * x + 1]; }

    RenderOptions options;
    TPixelEngine256 depth;
    TPixelEngine tile;
    TPixelEngine output;
    Algorithmus algorithm;
};

TEST(Algorithmus, WorkedRowDerivedValues)
{
    RenderRun run(WorkedExampleOptions(), 5, 1);
    run.Render();
    const Algorithmus& a = run.algorithm;
    EXPECT_EQ(a.EyeDistance(), 56);
    EXPECT_EQ(a.FarDistance(), 56);
    EXPECT_EQ(a.NearDistance(), 32);
    EXPECT_EQ(a.EyeSeparation(), 10);
    EXPECT_EQ(a.Separation(0), 5);
    EXPECT_EQ(a.Separation(254), 4);
    EXPECT_EQ(a.Start(), 8);
    EXPECT_EQ(a.Phase(), 2);
    EXPECT_EQ(a.VerticalShift(), 0);
}

TEST(Algorithmus, WorkedRowColumnByColumn)
{
    RenderRun run(WorkedExampleOptions(), 5, 1);
    for (int x = 8; x <= 11; ++x)
        run.depth.Row(0)[x] = 255;
    run.Render();
    const int expected[20] = {2, 2, 3, 0, 1, 2, 2, 3, 0, 1, 2, 3, 0, 1, 1, 2, 3, 0, 1, 1};
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(run.TileColumnAt(x, 0), expected[x]) << "column " << x;
    // The nearer link (6, 10) broke the farther (5, 10): 5 has no right
    // partner, and 14 no left one.
    const int32_t* left = run.algorithm.LinkLeft();
    const int32_t* right = run.algorithm.LinkRight();
    EXPECT_EQ(left[10], 6);
    EXPECT_EQ(right[5], 5);
    EXPECT_EQ(left[14], 14);
}

TEST(Algorithmus, SeparationTableForTheDefaults)
{
    RenderOptions o;
    RenderRun run(o, 90, 450);
    run.Render();
    EXPECT_EQ(run.algorithm.EyeDistance(), 1008);
    EXPECT_EQ(run.algorithm.EyeSeparation(), 180);
    EXPECT_EQ(run.algorithm.FarDistance(), 1008);
    EXPECT_EQ(run.algorithm.NearDistance(), 576);
    EXPECT_EQ(run.algorithm.Separation(0), 90);
    EXPECT_EQ(run.algorithm.Separation(128), 79);
    EXPECT_EQ(run.algorithm.Separation(254), 66);
}

TEST(Algorithmus, DepthBytesMapToLevels)
{
    const std::pair<int, int> cases[] = {{0, 0}, {128, 128}, {129, 128}, {255, 254}, {1, 1}};
    for (auto [d, level] : cases)
        EXPECT_EQ(Algorithmus::LevelOfDepth(static_cast<uint8_t>(d)), level) << d;
}

TEST(Algorithmus, HugeResolutionsDoNotOverflowTheTable)
{
    RenderOptions o;
    o.RenderOptions_RenderDPI = 10000;
    o.RenderOptions_Settings_AugeScreen = 1000;
    o.RenderOptions_Settings_max3dtiefe = 1000;
    o.RenderOptions_Settings_min3dtiefe = 1;
    o.RenderOptions_RenderWidth = 10;
    o.RenderOptions_RenderHeight = 1;
    RenderRun run(o, 4, 1);
    run.Render();
    // E = 25000; far = D = 10^7: level 0 separates by half the eye distance.
    EXPECT_EQ(run.algorithm.Separation(0), 12500);
    for (int a = 1; a < 256; ++a)
        EXPECT_LE(run.algorithm.Separation(a), run.algorithm.Separation(a - 1));
}

TEST(Algorithmus, FlatDepthRepeatsTheTileFromTheStartColumn)
{
    RenderOptions o; // 600 x 450 at 72 dpi: tile width 90, vshift 4
    RenderRun run(o, 90, 450);
    run.Render();
    const int start = run.algorithm.Start();
    ASSERT_EQ(start, 300 - 45);
    for (int r : {0, 1, 200, 449}) {
        for (int x = 0; x < 600; ++x) {
            const int column = ((x - start) % 90 + 90) % 90;
            ASSERT_EQ(run.TileColumnAt(x, r), column) << "row " << r << " column " << x;
            if (x + 90 < 600) {
                ASSERT_EQ(run.TileColumnAt(x + 90, r), run.TileColumnAt(x, r));
            }
        }
        // The strip at the start column is unshifted.
        EXPECT_EQ(run.TileRowAt(start, r), r % 256); // the green byte holds the row
    }
}

TEST(Algorithmus, LeftToRightSamplesTheFirstStripAndNothingLeftOfIt)
{
    RenderOptions o;
    o.RenderOptions_Settings_renderdirection = 1;
    RenderRun run(o, 90, 450);
    run.Render();
    EXPECT_EQ(run.algorithm.Start(), 0);
    for (int x = 0; x < 90; ++x)
        EXPECT_EQ(run.TileColumnAt(x, 10), x);
}

TEST(Algorithmus, RightToLeftStartsOneTileFromTheRightEdge)
{
    RenderOptions o;
    o.RenderOptions_Settings_renderdirection = 3;
    RenderRun run(o, 90, 450);
    run.Render();
    EXPECT_EQ(run.algorithm.Start(), 600 - 90);
    for (int x = 510; x < 600; ++x)
        EXPECT_EQ(run.TileColumnAt(x, 3), x - 510);
}

TEST(Algorithmus, NearerLinksWinAndFartherNeverBreakThem)
{
    // At 8 dpi with a near plane of 1 inch: depth 0 separates by 10, depth
    // 128 by 7.
    RenderOptions o = WorkedExampleOptions();
    o.RenderOptions_RenderDPI = 8;
    o.RenderOptions_Settings_min3dtiefe = 1;
    o.RenderOptions_RenderWidth = 30;
    RenderRun run(o, 5, 1);
    uint8_t* row = run.depth.Row(0);
    for (int x = 0; x < 30; ++x)
        row[x] = 128;
    row[12] = 0; // a farther point whose left end (7) is the near link's
    run.Render();
    ASSERT_EQ(run.algorithm.Separation(0), 10);
    ASSERT_EQ(run.algorithm.Separation(128), 7);
    const int32_t* left = run.algorithm.LinkLeft();
    const int32_t* right = run.algorithm.LinkRight();
    // x = 10 linked (7, 14); x = 12 asked for (7, 17) and was refused.
    EXPECT_EQ(right[7], 14);
    EXPECT_EQ(left[14], 7);
    EXPECT_NE(left[17], 7);
    for (int x = 0; x < 30; ++x) {
        if (right[x] != x) {
            EXPECT_EQ(left[right[x]], x) << "links stay symmetric at " << x;
        }
    }
}

TEST(Algorithmus, AveragingTruncates)
{
    const uint32_t colours[4] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFEFEFE};
    uint8_t out[3] = {};
    Algorithmus::AverageDown(colours, 4, 1, out);
    EXPECT_EQ(out[0], 254);
    EXPECT_EQ(out[1], 254);
    EXPECT_EQ(out[2], 254);
}

TEST(Algorithmus, FactorFourWorksOnFourPositionsPerPixel)
{
    RenderOptions o;
    o.RenderOptions_Settings_quality = 2;
    RenderRun run(o, 90, 450);
    run.Render();
    EXPECT_EQ(run.algorithm.Oversampling(), 4);
    EXPECT_EQ(run.algorithm.PositionsPerRow(), 2400);
}

TEST(Algorithmus, OutOfRangeStartsAreClamped)
{
    struct Case
    {
        int direction, customStart, tileWidth, expectedStart;
    };
    // W = 20 at factor 1.
    const Case cases[] = {
        {2, 0, 30, 0},   // centre with a tile wider than the render
        {3, 0, 30, 0},   // right to left with a tile wider than the render
        {4, 500, 5, 20}, // custom start beyond the width
        {4, 7, 5, 7},
    };
    for (const Case& c : cases) {
        RenderOptions o = WorkedExampleOptions();
        o.RenderOptions_RenderHeight = 3;
        o.RenderOptions_Settings_renderdirection = c.direction;
        o.RenderOptions_Settings_customrenderdirection = c.customStart;
        RenderRun run(o, c.tileWidth, 3);
        run.depth.Row(1)[9] = 255;
        run.Render();
        EXPECT_EQ(run.algorithm.Start(), c.expectedStart) << c.direction;
        testing::ReferenceAlgorithm reference(o, run.tile);
        TPixelEngine expected(20, 3);
        for (int r = 0; r < 3; ++r) {
            reference.Row(r, run.depth, run.tile, expected);
            EXPECT_EQ(0, memcmp(expected.Row(r), run.output.Row(r), 60)) << c.direction;
        }
    }
}

TEST(Algorithmus, RejectsAnEmptyTileBitmap)
{
    RenderOptions o = WorkedExampleOptions();
    TPixelEngine tile(0, 0);
    Algorithmus a;
    EXPECT_THROW(a.PrepareRender(o, tile), LumoraError);
}

TEST(Algorithmus, RejectsBuffersThatDoNotMatchTheOptions)
{
    RenderRun run(WorkedExampleOptions(), 5, 1);
    run.algorithm.PrepareRender(run.options, run.tile);
    run.algorithm.BuildSeparationTable();
    TPixelEngine narrow(10, 1);
    EXPECT_THROW(run.algorithm.RenderRow(0, run.depth, run.tile, narrow), LumoraError);
    EXPECT_THROW(run.algorithm.RenderRow(1, run.depth, run.tile, run.output), LumoraError);
}

// The fast row against the plain one on random depth maps, tiles and
// options.
TEST(Algorithmus, MatchesThePlainFormOnRandomInputs)
{
    std::mt19937 random(12345);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int trial = 0; trial < 60; ++trial) {
        RenderOptions o;
        o.RenderOptions_RenderWidth = pick(1, 300);
        o.RenderOptions_RenderHeight = pick(1, 6);
        o.RenderOptions_RenderDPI = pick(2, 150);
        o.RenderOptions_Settings_quality = pick(0, 6);
        o.RenderOptions_Settings_renderdirection = pick(1, 4);
        o.RenderOptions_Settings_customrenderdirection = pick(1, 350);
        o.RenderOptions_Settings_AugeScreen = pick(1, 40);
        o.RenderOptions_Settings_max3dtiefe = pick(1, 40);
        o.RenderOptions_Settings_min3dtiefe = pick(1, 40);
        const int tileWidth = pick(1, 120);
        const int tileHeight = pick(1, 9);
        const int w = o.RenderOptions_RenderWidth, h = o.RenderOptions_RenderHeight;
        TPixelEngine256 depth(w, h);
        TPixelEngine tile(tileWidth, tileHeight);
        for (int r = 0; r < h; ++r)
            for (int x = 0; x < w; ++x)
                depth.Row(r)[x] = static_cast<uint8_t>(pick(0, 3) == 0 ? 0 : pick(0, 255));
        for (int r = 0; r < tileHeight; ++r)
            for (int x = 0; x < 3 * tileWidth; ++x)
                tile.Row(r)[x] = static_cast<uint8_t>(pick(0, 255));
        TPixelEngine fast(w, h), plain(w, h);
        Algorithmus a;
        a.PrepareRender(o, tile);
        a.BuildSeparationTable();
        testing::ReferenceAlgorithm reference(o, tile);
        for (int r = 0; r < h; ++r) {
            a.RenderRow(r, depth, tile, fast);
            reference.Row(r, depth, tile, plain);
            ASSERT_EQ(0, memcmp(fast.Row(r), plain.Row(r), static_cast<size_t>(3 * w)))
                << "trial " << trial << " row " << r;
        }
    }
}

} // namespace
} // namespace lumora
