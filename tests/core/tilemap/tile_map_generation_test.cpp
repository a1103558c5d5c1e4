// Generate_KachelBitm: the stack of bands fitted to the render height in the
// four modes, and the preview of the tile-map window.
#include "tile_test_support.h"

#include "common/lumora_error.h"
#include "common/random_generator.h"
#include "rendering/render_options.h"
#include "tilemap/tile_map.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_randomdot.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using tiletest::CodedImageTile;
using tiletest::PictureRow;
using tiletest::SamePictures;

constexpr int kTw = 12;

class TileFitting : public ::testing::Test
{
protected:
    // Bands of the given heights; band b is picture tag b + 1.
    void Stack(std::initializer_list<int> heights)
    {
        int tag = 1;
        for (const int h : heights)
            tiles.Append(CodedImageTile(kTw, h, tag++));
        // The stack as the bands are, for comparisons.
        stack = std::make_unique<TPixelEngine>(kTw, static_cast<int>(tiles.TotalHeight()));
        int y = 0;
        tag = 1;
        for (const int h : heights) {
            CodedImageTile(kTw, h, tag++)->Picture->DrawTo(*stack, 0, y);
            y += h;
        }
    }

    std::unique_ptr<TPixelEngine> Fit(int h, bool smallerStretch, bool biggerStretch)
    {
        RenderOptions options;
        options.RenderOptions_Tile_Width = kTw;
        options.RenderOptions_Tile_smaller_stretch = smallerStretch;
        options.RenderOptions_Tile_bigger_stretch = biggerStretch;
        auto bitmap = std::make_unique<TPixelEngine>(kTw, h);
        RandomGenerator generator;
        TileRandomSource random(generator, 1);
        tiles.Generate_KachelBitm(options, bitmap.get(), random);
        return bitmap;
    }

    // The stack row a fitted row shows; -1 when it shows none.
    int SourceRow(const TPixelEngine& bitmap, int y) const
    {
        const std::vector<Colour> row = PictureRow(bitmap, y);
        for (int s = 0; s < stack->Height(); ++s)
            if (PictureRow(*stack, s) == row)
                return s;
        return -1;
    }

    TileMap tiles;
    std::unique_ptr<TPixelEngine> stack;
};

TEST_F(TileFitting, LowerStackIsRepeatedFiveTimesWithTheLastCopyCut)
{
    Stack({40, 60});
    const auto bitmap = Fit(450, false, false);
    for (int y = 0; y < 450; ++y)
        ASSERT_EQ(SourceRow(*bitmap, y), y % 100) << "row " << y;
    // The fifth copy starts at 400 and ends after 50 rows, inside band 2.
    EXPECT_EQ(SourceRow(*bitmap, 400), 0);
    EXPECT_EQ(SourceRow(*bitmap, 449), 49);
}

TEST_F(TileFitting, LowerStackStretchedCoversTheHeightInOrder)
{
    Stack({40, 60});
    const auto bitmap = Fit(450, true, false);
    int previous = 0;
    std::vector<int> uses(100, 0);
    for (int y = 0; y < 450; ++y) {
        const int s = SourceRow(*bitmap, y);
        ASSERT_GE(s, previous) << "row " << y;
        ASSERT_LE(s - previous, 1) << "row " << y;
        ++uses[static_cast<size_t>(s)];
        previous = s;
    }
    EXPECT_EQ(SourceRow(*bitmap, 0), 0);
    EXPECT_EQ(SourceRow(*bitmap, 449), 99);
    // 4.5 rows per stack row: each is used four or five times.
    for (const int n : uses) {
        EXPECT_GE(n, 4);
        EXPECT_LE(n, 5);
    }
}

TEST_F(TileFitting, ExactFitIsTheStackInAllFourModes)
{
    Stack({40, 60, 350});
    for (const bool smaller : {false, true})
        for (const bool bigger : {false, true})
            EXPECT_TRUE(SamePictures(*Fit(450, smaller, bigger), *stack))
                << "smaller stretch " << smaller << ", bigger stretch " << bigger;
}

TEST_F(TileFitting, HigherStackIsCutAfterTheRenderHeight)
{
    Stack({300, 150, 150});
    const auto bitmap = Fit(450, false, false);
    for (int y = 0; y < 450; ++y)
        ASSERT_EQ(SourceRow(*bitmap, y), y) << "row " << y;
    // The band that starts at row 450 is never used.
    const auto lastBand = CodedImageTile(kTw, 150, 3);
    for (int y = 0; y < 450; ++y)
        ASSERT_NE(PictureRow(*bitmap, y), PictureRow(*lastBand->Picture, 0));
}

TEST_F(TileFitting, HigherStackStretchedUsesAllBands)
{
    Stack({300, 150, 150});
    const auto bitmap = Fit(450, false, true);
    int previous = 0;
    for (int y = 0; y < 450; ++y) {
        const int s = SourceRow(*bitmap, y);
        ASSERT_GE(s, previous) << "row " << y;
        ASSERT_LE(s - previous, 2) << "row " << y;
        previous = s;
    }
    EXPECT_EQ(SourceRow(*bitmap, 0), 0);
    EXPECT_GE(SourceRow(*bitmap, 449), 598);
}

TEST_F(TileFitting, NoBitmapOrNoTilesLeavesNothingToDo)
{
    RenderOptions options;
    RandomGenerator generator;
    TileRandomSource random(generator, 1);
    EXPECT_NO_THROW(tiles.Generate_KachelBitm(options, nullptr, random));
    TPixelEngine bitmap(options.RenderOptions_Tile_Width, 50);
    bitmap.FillColour(MakeColour(1, 2, 3));
    tiles.Generate_KachelBitm(options, &bitmap, random);
    EXPECT_EQ(bitmap.Pixel(5, 5), MakeColour(1, 2, 3));
}

TEST_F(TileFitting, BitmapOfAnotherWidthIsRefused)
{
    Stack({40});
    RenderOptions options;
    options.RenderOptions_Tile_Width = kTw + 1;
    TPixelEngine bitmap(kTw, 50);
    RandomGenerator generator;
    TileRandomSource random(generator, 1);
    EXPECT_THROW(tiles.Generate_KachelBitm(options, &bitmap, random), LumoraError);
}

TEST(TileBitmapSeed, AGivenSeedReproducesTheTileBitmap)
{
    TileMap tiles;
    tiles.Append(std::make_unique<Tile_tm_RandomDot>(40));
    tiles.Append(std::make_unique<Tile_tm_RandomDot>(40));
    RenderOptions options;
    const auto generate = [&](uint32_t seed) {
        auto bitmap = std::make_unique<TPixelEngine>(options.RenderOptions_Tile_Width, 200);
        RandomGenerator generator;
        TileRandomSource random(generator, seed);
        tiles.Generate_KachelBitm(options, bitmap.get(), random);
        return bitmap;
    };
    const auto a = generate(77);
    EXPECT_TRUE(SamePictures(*a, *generate(77)));
    EXPECT_FALSE(SamePictures(*a, *generate(78)));
    // The generator runs on between bands: the second band is not a copy of
    // the first.
    EXPECT_NE(PictureRow(*a, 0), PictureRow(*a, 40));
}

TEST(TilePreview, BandsRepeatAcrossButNotDownwards)
{
    TileMap tiles;
    tiles.Append(CodedImageTile(kTw, 10, 1));
    tiles.Append(CodedImageTile(kTw, 15, 2));
    const Colour untouched = MakeColour(9, 9, 9);
    TPixelEngine preview(5 * kTw / 2, 40); // two and a half tiles, 15 rows more than the stack
    preview.FillColour(untouched);
    RandomGenerator generator;
    TileRandomSource random(generator, 1);
    tiles.GenerateKachelPreview(preview, kTw, random);
    for (int y = 0; y < 25; ++y) {
        const int tag = y < 10 ? 1 : 2;
        const int bandRow = y < 10 ? y : y - 10;
        for (int x = 0; x < preview.Width(); ++x)
            ASSERT_EQ(preview.Pixel(x, y), tiletest::CodedColour(tag, x % kTw, bandRow))
                << x << ", " << y;
    }
    for (int y = 25; y < 40; ++y)
        EXPECT_EQ(preview.Pixel(0, y), untouched) << "row " << y;
}

} // namespace
} // namespace lumora
