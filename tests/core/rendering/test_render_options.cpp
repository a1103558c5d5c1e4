#include "rendering/render_options.h"
#include "rendering/render_options_dialog_model.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(RenderOptions, Defaults)
{
    const RenderOptions o;
    EXPECT_EQ(o.RenderOptions_RenderWidth, 600);
    EXPECT_EQ(o.RenderOptions_RenderHeight, 450);
    EXPECT_EQ(o.RenderOptions_RenderDPI, 72);
    EXPECT_EQ(o.RenderOptions_Settings_renderdirection, 2);
    EXPECT_EQ(o.RenderOptions_Settings_quality, 0);
    EXPECT_TRUE(o.RenderOptions_Settings_Divergenz);
    EXPECT_EQ(o.RenderOptions_Settings_AugeScreen, 14.0);
    EXPECT_EQ(o.RenderOptions_Settings_max3dtiefe, 14.0);
    EXPECT_EQ(o.RenderOptions_Settings_min3dtiefe, 8.0);
    EXPECT_EQ(o.RenderOptions_Tile_Width, 90);
    EXPECT_EQ(ComputeTileWidth(72, 14, 14), 90);
}

TEST(RenderOptions, QualityFactorsAndSelection)
{
    const int factors[] = {1, 2, 4, 6, 10, 1, 1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(OversamplingFactor(i), factors[i]) << i;
    EXPECT_EQ(OversamplingFactor(7), 1);
    EXPECT_EQ(OversamplingFactor(-1), 1);
    EXPECT_STREQ(QualityItems()[6].Caption, "Optimized for Print");
    EXPECT_EQ(SelectQuality(5), 0); // the separator selects "Draft"
    EXPECT_EQ(SelectQuality(6), 6);
    EXPECT_EQ(SelectQuality(2), 2);
}

TEST(RenderOptions, AspectPresets)
{
    const auto& presets = AspectRatioPresets();
    EXPECT_STREQ(presets[0].Caption, "None");
    EXPECT_STREQ(presets[17].Caption, "A4 (279:210)");
    EXPECT_EQ(presets[17].Numerator, 279);
    EXPECT_EQ(presets[17].Denominator, 210);
    EXPECT_EQ(presets[10].Numerator, 16);
    EXPECT_EQ(presets[10].Denominator, 9);
}

TEST(RenderOptions, SizeConversions)
{
    struct Case
    {
        double value;
        SizeUnit unit;
        int dpi;
        int pixels;
    };
    const Case toPixels[] = {
        {600, SizeUnit::Pixel, 72, 600},
        {8.3333333, SizeUnit::Inch, 72, 600},
        {2.54, SizeUnit::Centimetre, 300, 300},
        {25.4, SizeUnit::Millimetre, 300, 300},
        {0.5, SizeUnit::Inch, 5, 2}, // 2.5 rounds half to even
        {1.5, SizeUnit::Inch, 5, 8}, // 7.5 rounds half to even
    };
    for (const Case& c : toPixels)
        EXPECT_EQ(SizeToPixels(c.value, c.unit, c.dpi), c.pixels) << c.value;
    EXPECT_NEAR(SizeFromPixels(600, SizeUnit::Inch, 72), 8.333333, 1e-6);
    EXPECT_NEAR(SizeFromPixels(300, SizeUnit::Centimetre, 300), 2.54, 1e-12);
    EXPECT_NEAR(SizeFromPixels(300, SizeUnit::Millimetre, 300), 25.4, 1e-12);
    EXPECT_EQ(SizeFromPixels(300, SizeUnit::Pixel, 300), 300);
    EXPECT_NEAR(DistanceFromInches(14, DistanceUnit::Centimetre), 35.56, 1e-12);
    EXPECT_NEAR(DistanceToInches(35.56, DistanceUnit::Centimetre), 14, 1e-12);
    EXPECT_EQ(DistanceToInches(14, DistanceUnit::Inch), 14);
}

TEST(RenderOptions, TileWidthAndResolution)
{
    EXPECT_EQ(ComputeTileWidth(300, 14, 14), 375);
    EXPECT_EQ(DpiFromTileWidth(180, 14, 14), 144);
    EXPECT_EQ(ComputeTileWidth(144, 14, 14), 180);
    EXPECT_EQ(HeightFromWidth(600, 4, 3), 450);
    EXPECT_EQ(WidthFromHeight(450, 16, 9), 800);
}

TEST(RenderOptions, ClampingRepairsStoredNonsense)
{
    RenderOptions o;
    o.RenderOptions_RenderWidth = 0;
    o.RenderOptions_RenderHeight = 99999;
    o.RenderOptions_RenderDPI = -3;
    o.RenderOptions_Settings_quality = 42;
    o.RenderOptions_Settings_AugeScreen = std::numeric_limits<double>::quiet_NaN();
    o.RenderOptions_Settings_max3dtiefe = 1e9;
    const RenderOptions c = ClampedToDialogRanges(o);
    EXPECT_EQ(c.RenderOptions_RenderWidth, 1);
    EXPECT_EQ(c.RenderOptions_RenderHeight, 10000);
    EXPECT_EQ(c.RenderOptions_RenderDPI, 1);
    EXPECT_EQ(c.RenderOptions_Settings_quality, 6);
    EXPECT_EQ(c.RenderOptions_Settings_AugeScreen, 14.0);
    EXPECT_EQ(c.RenderOptions_Settings_max3dtiefe, 1000.0);
    EXPECT_EQ(ClampedToDialogRanges(RenderOptions{}), RenderOptions{});
}

class RenderOptionsDialog : public ::testing::Test
{
protected:
    void SetUp() override { model.Load(RenderOptions{}); }
    RenderOptionsDialogModel model;
};

TEST_F(RenderOptionsDialog, LoadAndConfirmGiveTheOptionsBack)
{
    RenderOptions o;
    o.RenderOptions_RenderWidth = 1234;
    o.RenderOptions_RenderAspectRatio_Format = 0;
    o.RenderOptions_Settings_quality = 4;
    o.RenderOptions_Settings_renderdirection = 4;
    o.RenderOptions_Settings_customrenderdirection = 77;
    o.RenderOptions_Settings_maxobdist_same = false;
    o.RenderOptions_Settings_AugeScreen = 20;
    o.RenderOptions_Tile_Width = ComputeTileWidth(72, 20, 14);
    o.RenderOptions_Tile_bigger_stretch = true;
    model.Load(o);
    EXPECT_EQ(model.Confirm(), o);
}

TEST_F(RenderOptionsDialog, SwitchingTheWidthUnitShowsTheSamePixels)
{
    model.SetWidthUnit(SizeUnit::Inch);
    EXPECT_NEAR(model.WidthValue(), 8.3333333, 1e-6);
    model.SetWidthUnit(SizeUnit::Centimetre);
    EXPECT_NEAR(model.WidthValue(), 600.0 / 72 * 2.54, 1e-9);
    model.SetWidthUnit(SizeUnit::Pixel);
    EXPECT_EQ(model.WidthValue(), 600);
}

TEST_F(RenderOptionsDialog, AspectRatioLinksWidthAndHeight)
{
    model.SetAspectPreset(10); // 16:9
    model.SetWidthValue(1600);
    EXPECT_EQ(model.HeightPixels(), 900);
    EXPECT_EQ(model.CustomStartMaximum(), 1600);
    model.SetHeightValue(450);
    EXPECT_EQ(model.WidthPixels(), 800);
    model.SetAspectPreset(0); // None: independent
    model.SetWidthValue(1000);
    EXPECT_EQ(model.HeightPixels(), 450);
    EXPECT_FALSE(model.AspectFieldsVisible());
}

TEST_F(RenderOptionsDialog, AspectFieldsConfirmedRecomputeTheHeight)
{
    model.SetAspectPreset(1); // Custom
    EXPECT_TRUE(model.AspectFieldsEditable());
    model.SetAspectNumerator(2);
    model.SetAspectDenominator(1);
    EXPECT_EQ(model.HeightPixels(), 300);
}

TEST_F(RenderOptionsDialog, TheHeightFollowsInItsOwnUnit)
{
    model.SetHeightUnit(SizeUnit::Inch);
    model.SetAspectPreset(2); // 4:3
    model.SetWidthValue(720);
    EXPECT_NEAR(model.HeightValue(), 540.0 / 72, 1e-9);
}

TEST_F(RenderOptionsDialog, SelectingTheSeparatorSelectsDraft)
{
    model.SetQuality(5);
    EXPECT_EQ(model.Quality(), 0);
    model.SetQuality(6);
    EXPECT_EQ(model.Confirm().RenderOptions_Settings_quality, 6);
}

TEST_F(RenderOptionsDialog, ResolutionDrivesTheTileWidth)
{
    model.SetDpi(300);
    EXPECT_EQ(model.TileWidthValue(), 375);
    EXPECT_EQ(model.TileWidthMinimum(), 375);
}

TEST_F(RenderOptionsDialog, LatchedLinkCopiesTheDistances)
{
    ASSERT_TRUE(model.LinkLatched());
    model.SetMaxDepthValue(20);
    EXPECT_EQ(model.EyeScreenValue(), 20);
    model.SetEyeScreenValue(30);
    EXPECT_EQ(model.MaxDepthValue(), 30);
    model.PressLink(); // released
    EXPECT_FALSE(model.LinkLatched());
    model.SetMaxDepthValue(10);
    EXPECT_EQ(model.EyeScreenValue(), 30);
    model.PressLink(); // latched again: the maximum depth is copied over
    EXPECT_EQ(model.EyeScreenValue(), 10);
    EXPECT_EQ(model.TileWidthValue(), 90);
}

TEST_F(RenderOptionsDialog, HandEditedTileWidthDrivesTheResolution)
{
    model.SetTileWidthValue(180); // read-only while unchecked
    EXPECT_EQ(model.TileWidthValue(), 90);
    model.SetChangeTileWidth(true);
    model.SetTileWidthValue(180);
    EXPECT_EQ(model.Dpi(), 144);
    EXPECT_EQ(model.TileWidthValue(), 180);
    EXPECT_EQ(model.TileWidthMinimum(), 180);
    // A lower resolution typed afterwards keeps the hand value above the
    // new minimum.
    model.SetDpi(72);
    EXPECT_EQ(model.TileWidthMinimum(), 90);
    EXPECT_EQ(model.TileWidthValue(), 180);
    // A higher one raises it to the minimum.
    model.SetDpi(300);
    EXPECT_EQ(model.TileWidthValue(), 375);
}

TEST_F(RenderOptionsDialog, CustomStartNeverZeroAndWithinTheWidth)
{
    model.SetDirection(RenderDirection::Custom);
    EXPECT_TRUE(model.CustomStartVisible());
    model.SetCustomStart(0);
    EXPECT_EQ(model.CustomStart(), 1);
    model.SetCustomStart(5000);
    EXPECT_EQ(model.CustomStart(), 600);
}

TEST_F(RenderOptionsDialog, CentimetreDistancesAreHeldInInches)
{
    model.SetMaxDepthUnit(DistanceUnit::Centimetre);
    EXPECT_NEAR(model.MaxDepthValue(), 35.56, 1e-9);
    model.SetMaxDepthValue(50.8);
    EXPECT_NEAR(model.Confirm().RenderOptions_Settings_max3dtiefe, 20, 1e-12);
}

} // namespace
} // namespace lumora
