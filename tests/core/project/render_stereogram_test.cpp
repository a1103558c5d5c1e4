// The render pipeline on a whole project: its steps in order with their
// progress, the same rows as the algorithm run by hand, the cross-eye
// inversion, the replacement of the previous stereogram, the flags, and the
// refusals.
#include "afterburner/tool_ab_border_simple.h"
#include "common/lumora_error.h"
#include "common/random_generator.h"
#include "depthmap/depth_composition.h"
#include "project/render_stereogram.h"
#include "project_test_support.h"
#include "rendering/lumo_pixelengine256.h"
#include "rendering/stereogram_render.h"
#include "tilemap/tile_random_source.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::BuildSmallProject;
using test::CopyOf;
using test::EventLog;
using test::SamePixels;

void Render(Project& project, uint32_t seed, RenderProgress* progress = nullptr)
{
    RandomGenerator generator;
    TileRandomSource random(generator, seed);
    RenderStereogram(project, random, progress);
}

TEST(RenderStereogram, RunsItsStepsInOrderWithTheProgress)
{
    Project project;
    BuildSmallProject(project, 120, 90);
    EventLog log(project);
    project.SetObserver(&log);
    project.Afterburner.SetUi(&log);
    Render(project, 7, &log);
    const std::vector<std::string> expected = {
        "begin 89", "step 0",   "step 1", "step 2",
        "rows",     "composed", "end",    "flags rendered modified",
        "resize"};
    EXPECT_EQ(log.events, expected);
    ASSERT_EQ(log.rows.size(), 90u);
    for (int r = 0; r < 90; ++r)
        EXPECT_EQ(log.rows[static_cast<size_t>(r)], r);
    EXPECT_EQ(log.rows.back(), 89); // the bar ends at H - 1
}

TEST(RenderStereogram, GivesTheRowsOfTheAlgorithmOnTheComposedDepthAndTile)
{
    const struct
    {
        int32_t width, height, tileWidth, quality, direction;
        bool parallel;
    } cases[] = {
        {150, 100, 40, 0, 2, true},
        {97, 61, 57, 2, 1, true},
        {200, 50, 90, 1, 3, false},
        {64, 64, 100, 0, 2, true}, // a tile wider than the picture
    };
    for (const auto& c : cases) {
        Project project;
        BuildSmallProject(project, c.width, c.height);
        project.Options.RenderOptions_Tile_Width = c.tileWidth;
        project.Options.RenderOptions_Settings_quality = c.quality;
        project.Options.RenderOptions_Settings_renderdirection = c.direction;
        project.Options.RenderOptions_Settings_Divergenz = c.parallel;
        Render(project, 11);
        ASSERT_TRUE(project.Afterburner.HasStereogram());

        // The same render by hand: composition, a tile bitmap of the tile
        // width generated with the same seed, the rows.
        TPixelEngine256 depth(c.width, c.height);
        Generate_VorlageBitm(project.Depth, &depth, c.width, c.height);
        TPixelEngine tile(c.tileWidth, c.height);
        RandomGenerator generator;
        TileRandomSource random(generator, 11);
        project.Tiles.Generate_KachelBitm(project.Options, &tile, random);
        const auto expected = RenderStereogramRows(project.Options, depth, tile);
        EXPECT_TRUE(SamePixels(*project.Afterburner.CleanStereogram(), *expected)) << c.width;
        // With no afterburner objects the composed picture is the stereogram.
        EXPECT_TRUE(SamePixels(*project.Afterburner.Picture(), *expected)) << c.width;
    }
}

TEST(RenderStereogram, CrossEyeRendersWhiteObjectsAsIfTheyWereBlack)
{
    // Cross-eye: white objects over a black background. Parallel: black
    // objects over a white background. The inversion makes them one render.
    Project crossEye;
    BuildSmallProject(crossEye, 120, 90, 255, 0);
    crossEye.Options.RenderOptions_Settings_Divergenz = false;
    Render(crossEye, 3);

    Project parallel;
    BuildSmallProject(parallel, 120, 90, 0, 255);
    Render(parallel, 3);
    EXPECT_TRUE(SamePixels(*crossEye.Afterburner.CleanStereogram(),
                           *parallel.Afterburner.CleanStereogram()));

    // And the reverse: the white scene rendered for parallel eyes differs.
    Project whiteParallel;
    BuildSmallProject(whiteParallel, 120, 90, 255, 0);
    Render(whiteParallel, 3);
    EXPECT_FALSE(SamePixels(*crossEye.Afterburner.CleanStereogram(),
                            *whiteParallel.Afterburner.CleanStereogram()));
}

TEST(RenderStereogram, ASecondRenderReplacesTheStereogramAndAppliesTheObjectsAgain)
{
    Project project;
    BuildSmallProject(project, 120, 90);
    Render(project, 1);
    const auto first = CopyOf(*project.Afterburner.CleanStereogram());
    Tool_ab_border_simple border;
    border.ColourRed = 255;
    border.SideBottom = border.SideLeft = border.SideRight = 0;
    ASSERT_TRUE(project.AfBu_Add(border));

    project.Options.RenderOptions_RenderWidth = 160;
    Render(project, 2);
    const TPixelEngine& clean = *project.Afterburner.CleanStereogram();
    const TPixelEngine& picture = *project.Afterburner.Picture();
    EXPECT_EQ(clean.Width(), 160);
    EXPECT_EQ(picture.Width(), 160);
    EXPECT_FALSE(SamePixels(clean, *first));
    // The border on the new picture, over its full width; below it the new
    // stereogram.
    EXPECT_EQ(picture.Pixel(159, 9), MakeColour(255, 0, 0));
    EXPECT_EQ(picture.Pixel(80, 10), clean.Pixel(80, 10));
    EXPECT_NE(clean.Pixel(159, 9), MakeColour(255, 0, 0));
}

TEST(RenderStereogram, ARenderOfTheSameSizeGivesWhatAFreshProjectGives)
{
    // The second render writes into the memory of the first: nothing of
    // the first may show through, in the stereogram or in the picture.
    Project reused;
    BuildSmallProject(reused, 120, 90);
    ASSERT_TRUE(reused.AfBu_Add(Tool_ab_border_simple()));
    Render(reused, 1);
    reused.Depth.At(0)->Depth = 60;
    Render(reused, 2);

    Project fresh;
    BuildSmallProject(fresh, 120, 90);
    ASSERT_TRUE(fresh.AfBu_Add(Tool_ab_border_simple()));
    fresh.Depth.At(0)->Depth = 60;
    Render(fresh, 2);
    EXPECT_TRUE(
        SamePixels(*reused.Afterburner.CleanStereogram(), *fresh.Afterburner.CleanStereogram()));
    EXPECT_TRUE(SamePixels(*reused.Afterburner.Picture(), *fresh.Afterburner.Picture()));
}

TEST(RenderStereogram, AfterARenderTheStereogramIsUpToDateAndTheProjectModified)
{
    Project project;
    BuildSmallProject(project);
    project.SetFlags(false, false, true);
    Render(project, 5);
    EXPECT_TRUE(project.Rendered());
    EXPECT_TRUE(project.Modified());
    EXPECT_FALSE(project.OutOfDate());
}

TEST(RenderStereogram, RefusesWithoutATileObjectAndChangesNothing)
{
    Project project;
    BuildSmallProject(project);
    Render(project, 5);
    const auto before = CopyOf(*project.Afterburner.CleanStereogram());
    project.ResetTiles();
    project.SetFlags(true, false, true);
    EventLog log(project);
    try {
        Render(project, 5, &log);
        FAIL() << "rendered without a tile";
    } catch (const LumoraError& e) {
        EXPECT_NE(std::string(e.what()).find("tile"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(log.events.empty());
    ASSERT_TRUE(project.Afterburner.HasStereogram());
    EXPECT_TRUE(SamePixels(*project.Afterburner.CleanStereogram(), *before));
    EXPECT_FALSE(project.Modified());
    EXPECT_TRUE(project.OutOfDate());
}

TEST(RenderStereogram, RefusesRenderOptionsOutsideTheDialogRanges)
{
    const struct
    {
        const char* name;
        int32_t width, height, tileWidth;
    } cases[] = {
        {"width 0", 0, 90, 40},
        {"height 0", 120, 0, 40},
        {"width 10001", 10001, 90, 40},
        {"tile width 0", 120, 90, 0},
        {"negative tile width", 120, 90, -5},
    };
    for (const auto& c : cases) {
        Project project;
        BuildSmallProject(project);
        project.Options.RenderOptions_RenderWidth = c.width;
        project.Options.RenderOptions_RenderHeight = c.height;
        project.Options.RenderOptions_Tile_Width = c.tileWidth;
        EXPECT_THROW(Render(project, 1), LumoraError) << c.name;
        EXPECT_FALSE(project.Rendered()) << c.name;
    }
}

// A depth object whose drawing fails, as a damaged picture could.
class FailingObject : public Tool_dm
{
public:
    FailingObject() : Tool_dm(1, 99) {}
    void Render(TPixelEngine256&, int32_t, int32_t, int32_t, int32_t) override
    {
        throw LumoraError("cannot draw");
    }
};

TEST(RenderStereogram, AFailedRenderEndsTheProgressAndLeavesTheFlags)
{
    Project project;
    BuildSmallProject(project);
    Render(project, 5);
    project.Depth.Append(std::make_unique<FailingObject>());
    project.SetFlags(true, false, true);
    EventLog log(project);
    project.SetObserver(&log);
    EXPECT_THROW(Render(project, 5, &log), LumoraError);
    EXPECT_EQ(log.events, (std::vector<std::string>{"begin 89", "end"}));
    EXPECT_FALSE(project.Afterburner.HasStereogram());
    EXPECT_TRUE(project.OutOfDate());
    EXPECT_FALSE(project.Modified());
}

} // namespace
} // namespace lumora
