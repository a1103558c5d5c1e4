// The effect chain of a band: each step only when its field is set, in the
// fixed order.
#include "tile_test_support.h"

#include "common/random_generator.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_randomdot.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using tiletest::SamePictures;

std::unique_ptr<TPixelEngine> RandomBand(uint32_t seed)
{
    Tile_tm_RandomDot dots(40);
    dots.Density = 70;
    dots.MaxRedPct = dots.MaxGreenPct = dots.MaxBluePct = 100;
    RandomGenerator generator;
    TileRandomSource random(generator, seed);
    auto band = std::make_unique<TPixelEngine>(33, 40);
    dots.Generate(*band, random);
    return band;
}

std::unique_ptr<TPixelEngine> Copy(const TPixelEngine& e)
{
    auto c = std::make_unique<TPixelEngine>(e.Width(), e.Height());
    e.DrawTo(*c, 0, 0);
    return c;
}

TEST(TileEffects, NoFieldSetLeavesTheBandAsItIs)
{
    const auto band = RandomBand(3);
    const auto effected = Copy(*band);
    RandomGenerator generator(5);
    Tile_tm_RandomDot().ApplyEffects(*effected, generator);
    EXPECT_TRUE(SamePictures(*band, *effected));
    EXPECT_EQ(generator.Seed(), 5u); // spray off: nothing drawn
}

TEST(TileEffects, SolarizeZeroIsOffAndFullInvertsEveryLitPixel)
{
    TPixelEngine band(4, 1);
    const Colour pixels[] = {MakeColour(0, 0, 0), MakeColour(1, 1, 1), MakeColour(0, 0, 3),
                             MakeColour(200, 100, 50)};
    for (int x = 0; x < 4; ++x)
        band.SetPixel(x, 0, pixels[x]);
    RandomGenerator generator;
    Tile_tm_RandomDot tile;
    const auto off = Copy(band);
    tile.ApplyEffects(*off, generator);
    EXPECT_TRUE(SamePictures(*off, band));

    tile.FxSolarize = 255;
    tile.ApplyEffects(band, generator);
    EXPECT_EQ(band.Pixel(0, 0), MakeColour(0, 0, 0)); // mean 0 stays
    EXPECT_EQ(band.Pixel(1, 0), MakeColour(254, 254, 254));
    EXPECT_EQ(band.Pixel(2, 0), MakeColour(255, 255, 252));
    EXPECT_EQ(band.Pixel(3, 0), MakeColour(55, 155, 205));
}

TEST(TileEffects, TheChainRunsInItsFixedOrder)
{
    Tile_tm_RandomDot tile;
    tile.SetEffects(TileEffects{-40, 60, 90, 24, 1, 3, 2, 1, 1});
    const auto band = RandomBand(8);

    const auto effected = Copy(*band);
    RandomGenerator chainRandom(99);
    tile.ApplyEffects(*effected, chainRandom);

    const auto manual = Copy(*band);
    RandomGenerator manualRandom(99);
    manual->Brightness(-40);
    manual->Contrast(60);
    manual->Solarize(255 - 90);
    manual->Posterize(24);
    manual->Ripple(3);
    manual->Spray(2, manualRandom);
    manual->Invert();
    manual->MirrorLeftHalf();
    manual->MirrorTopHalf();
    EXPECT_TRUE(SamePictures(*effected, *manual));

    // The order shows: inverting before brightening gives another band.
    const auto reordered = Copy(*band);
    reordered->Invert();
    reordered->Brightness(-40);
    const auto twoSteps = Copy(*band);
    Tile_tm_RandomDot brightInvert;
    brightInvert.FxBrightness = -40;
    brightInvert.FxInvert = 1;
    brightInvert.ApplyEffects(*twoSteps, chainRandom);
    EXPECT_FALSE(SamePictures(*twoSteps, *reordered));
}

TEST(TileEffects, MakeBandGeneratesThenApplies)
{
    Tile_tm_RandomDot tile(40);
    tile.FxInvert = 1;
    RandomGenerator generator;
    TileRandomSource random(generator, 8);
    const auto band = tile.MakeBand(33, random);
    EXPECT_EQ(band->Width(), 33);
    EXPECT_EQ(band->Height(), 40);

    RandomGenerator plainGenerator;
    TileRandomSource plainRandom(plainGenerator, 8);
    TPixelEngine plain(33, 40);
    tile.Generate(plain, plainRandom);
    plain.Invert();
    EXPECT_TRUE(SamePictures(*band, plain));
}

} // namespace
} // namespace lumora
