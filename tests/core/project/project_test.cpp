// The project: its flags and who sets them, the afterburner commands with
// their recomposition, the working depth map of the overlay, picture files
// of the afterburner window, the render options' confirmation and the
// resets.
#include "afterburner/tool_ab_border_frame.h"
#include "afterburner/tool_ab_border_simple.h"
#include "afterburner/tool_ab_depthmap.h"
#include "afterburner/tool_ab_spot.h"
#include "afterburner/tool_ab_text.h"
#include "common/lumora_error.h"
#include "common/random_generator.h"
#include "imageio/picture_file.h"
#include "project/render_stereogram.h"
#include "project_test_support.h"
#include "rendering/lumo_pixelengine256.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_image.h"

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::BuildSmallProject;
using test::EventLog;
using test::SamePixels;

void Render(Project& project)
{
    RandomGenerator generator;
    TileRandomSource random(generator, 21);
    RenderStereogram(project, random);
}

Tool_ab_border_simple RedBorder(int size)
{
    Tool_ab_border_simple b;
    b.BorderSize = size;
    b.ColourRed = 255;
    return b;
}

class RenderedProject : public ::testing::Test
{
protected:
    RenderedProject() : log(project)
    {
        BuildSmallProject(project, 120, 90);
        Render(project);
        project.SetFlags(true, false, false);
        project.SetObserver(&log);
        project.Afterburner.SetUi(&log);
    }
    int Compositions() const
    {
        return static_cast<int>(std::count(log.events.begin(), log.events.end(), "composed"));
    }

    Project project;
    EventLog log;
};

TEST_F(RenderedProject, EveryAfterburnerCommandSetsTheModifiedFlag)
{
    ASSERT_TRUE(project.AfBu_Add(RedBorder(4)));
    ASSERT_TRUE(project.AfBu_Add(Tool_ab_spot()));
    const struct
    {
        const char* name;
        std::function<bool(Project&)> command;
        bool recomposes;
    } cases[] = {
        {"add", [](Project& p) { return p.AfBu_Add(RedBorder(2)); }, true},
        {"edit", [](Project& p) { return p.EditAfterburnerObject(0, RedBorder(6)); }, true},
        {"rename", [](Project& p) { return p.RenameAfterburnerObject(0, "R"); }, false},
        {"move", [](Project& p) { return p.Move_AfBuObj(0, 1); }, true},
        {"to bottom", [](Project& p) { return p.MoveAfterburnerObjectToBottom(); }, true},
        {"to top", [](Project& p) { return p.MoveAfterburnerObjectToTop(); }, true},
        {"down", [](Project& p) { return p.MoveAfterburnerObjectDown(); }, true},
        {"up", [](Project& p) { return p.MoveAfterburnerObjectUp(); }, true},
        {"paste",
         [](Project& p) {
             p.PasteAfterburnerObject(Tool_ab_text());
             return true;
         },
         true},
        {"delete", [](Project& p) { return p.DeleteAfterburnerObject(); }, true},
    };
    for (const auto& c : cases) {
        project.SetModified(false);
        const int before = Compositions();
        ASSERT_TRUE(c.command(project)) << c.name;
        EXPECT_TRUE(project.Modified()) << c.name;
        EXPECT_EQ(Compositions() > before, c.recomposes) << c.name;
        EXPECT_FALSE(project.OutOfDate()) << c.name;
    }
}

TEST_F(RenderedProject, CommandsThatChangeNothingLeaveTheFlag)
{
    ASSERT_TRUE(project.AfBu_Add(RedBorder(4)));
    project.SetModified(false);
    EXPECT_FALSE(project.MoveAfterburnerObjectToTop()); // the only object
    EXPECT_FALSE(project.Move_AfBuObj(0, 3));
    EXPECT_FALSE(project.EditAfterburnerObject(0, Tool_ab_spot()));
    EXPECT_FALSE(project.RenameAfterburnerObject(2, "x"));
    EXPECT_FALSE(project.AfBu_Add(Tool_ab_border_frame()));
    EXPECT_FALSE(project.Modified());
}

TEST_F(RenderedProject, StageEditsAndTheRenderOptions)
{
    project.DepthEdited();
    EXPECT_TRUE(project.OutOfDate());
    EXPECT_TRUE(project.Modified());
    project.SetFlags(true, false, false);
    project.TilesEdited();
    EXPECT_TRUE(project.OutOfDate());
    project.SetFlags(true, false, false);
    project.AfterburnerEdited();
    EXPECT_FALSE(project.OutOfDate());
    EXPECT_TRUE(project.Modified());

    // Confirming the options hands the tile width to every tile object.
    auto picture = std::make_unique<TPixelEngine>(20, 10);
    project.Tiles.Append(std::make_unique<Tile_tm_Image>(std::move(picture), true, 40));
    ASSERT_EQ(project.Tiles.At(1)->BandHeight, 20);
    project.SetFlags(true, false, false);
    RenderOptions options = project.Options;
    options.RenderOptions_Tile_Width = 90;
    project.ConfirmRenderOptions(options);
    EXPECT_EQ(project.Options.RenderOptions_Tile_Width, 90);
    EXPECT_EQ(project.Tiles.At(1)->BandHeight, 45);
    EXPECT_TRUE(project.OutOfDate());
    EXPECT_TRUE(project.Modified());
    EXPECT_TRUE(project.Rendered());
}

TEST_F(RenderedProject, FlagNoticesComeOnlyOnChange)
{
    log.events.clear();
    project.SetModified(false);
    project.SetRendered(true);
    EXPECT_TRUE(log.events.empty());
    project.SetModified(true);
    project.SetOutOfDate(true);
    EXPECT_EQ(log.events, (std::vector<std::string>{"flags rendered modified",
                                                    "flags rendered modified outofdate"}));
}

TEST_F(RenderedProject, SpotsAreOneTileWidthOfTheRenderOptionsApart)
{
    Tool_ab_spot spot;
    spot.FillColour = 0x0000FF;
    ASSERT_TRUE(project.AfBu_Add(spot));
    const TPixelEngine& p = *project.Afterburner.Picture();
    // W 120, T 40: x1 = 40 - 6 = 34, x2 = 80 - 6 = 74; centres 6 further.
    EXPECT_EQ(p.Pixel(40, 7), 0x0000FFu);
    EXPECT_EQ(p.Pixel(80, 7), 0x0000FFu);
    EXPECT_NE(p.Pixel(60, 7), 0x0000FFu);
}

TEST_F(RenderedProject, TheOverlayShowsTheDepthMapAsDesigned)
{
    project.Depth.BackgroundDepth = 30;
    const Tool_ab_depthmap overlay =
        Tool_ab_depthmap::ForNewObject(project.Depth.VorlageWidth, project.Depth.VorlageHeight);
    ASSERT_EQ(overlay.OverlayHeight, 75);
    ASSERT_TRUE(project.AfBu_Add(overlay));
    const TPixelEngine& p = *project.Afterburner.Picture();
    // The 600 x 450 design in a 100 x 75 box at the top left: the
    // rectangle (100, 100, 200, 150) at depth 200 covers (17..49, 17..41).
    EXPECT_EQ(p.Pixel(30, 30), MakeColour(200, 200, 200));
    EXPECT_EQ(p.Pixel(5, 5), MakeColour(30, 30, 30));
    EXPECT_EQ(p.Pixel(99, 74), MakeColour(30, 30, 30));
    const TPixelEngine256& working = project.PaintWorkingDepthMap();
    EXPECT_EQ(working.Width(), 600);
    EXPECT_EQ(working.Pixel(150, 150), 200);

    // An edit of the depth objects shows at the next composition.
    project.Depth.At(0)->Depth = 90;
    project.Repaint_Stereo();
    EXPECT_EQ(project.Afterburner.Picture()->Pixel(30, 30), MakeColour(90, 90, 90));
}

TEST_F(RenderedProject, PictureFilesOfTheAfterburnerWindow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage opened(100, 80, QImage::Format_RGB888);
    opened.fill(QColor(10, 120, 30));
    const QString openedPath = dir.filePath("opened.BMP");
    ASSERT_TRUE(opened.save(openedPath, "BMP"));

    ASSERT_TRUE(project.AfBu_Add(RedBorder(5)));
    project.OpenStereogramPicture(openedPath);
    const TPixelEngine& picture = *project.Afterburner.Picture();
    ASSERT_EQ(picture.Width(), 100);
    ASSERT_EQ(picture.Height(), 80);
    EXPECT_EQ(project.Afterburner.CleanStereogram()->Pixel(50, 40), MakeColour(10, 120, 30));
    EXPECT_EQ(picture.Pixel(99, 79), MakeColour(255, 0, 0));

    // Saving writes the composed picture, border and all.
    for (const int filter : {1, 2}) {
        const QString saved = dir.filePath(filter == 1 ? "out.bmp" : "out.jpg");
        project.SaveAfterburnerPicture(saved, filter);
        const QImage back = LoadPictureFile(saved).ToQImage();
        ASSERT_EQ(back.size(), QSize(100, 80)) << filter;
        const QColor corner = back.pixelColor(1, 1);
        const QColor middle = back.pixelColor(50, 40);
        EXPECT_GT(corner.red(), 200) << filter;
        EXPECT_LT(corner.green(), 50) << filter;
        EXPECT_NEAR(middle.green(), 120, filter == 1 ? 0 : 8) << filter;
    }
    EXPECT_THROW(project.OpenStereogramPicture(dir.filePath("missing.bmp")), LumoraError);
    EXPECT_EQ(project.Afterburner.Picture()->Width(), 100); // kept
}

TEST(ProjectPictures, NothingToSaveBeforeARender)
{
    Project project;
    QTemporaryDir dir;
    EXPECT_THROW(project.SaveAfterburnerPicture(dir.filePath("x.bmp"), 1), LumoraError);
}

TEST(ProjectReset, TheThreeStagesComeBackEmpty)
{
    Project project;
    BuildSmallProject(project);
    Render(project);
    project.AfBu_Add(RedBorder(3));
    project.Depth.BackgroundDepth = 77;
    project.ScaleObjects = true;
    project.AspectLink = false;
    const RenderOptions options = project.Options;
    project.SetOutOfDate(true);

    project.Reset(800, 300);
    EXPECT_TRUE(project.Depth.IsEmpty());
    EXPECT_EQ(project.Depth.LastObjectId, 0);
    EXPECT_EQ(project.Depth.BackgroundDepth, 0);
    EXPECT_EQ(project.Depth.VorlageWidth, 800);
    EXPECT_EQ(project.Depth.VorlageHeight, 300);
    EXPECT_TRUE(project.AspectLink);
    EXPECT_FALSE(project.ScaleObjects);
    EXPECT_TRUE(project.Tiles.IsEmpty());
    EXPECT_TRUE(project.Afterburner.IsEmpty());
    EXPECT_EQ(project.Afterburner.SelectedIndex(), -1);
    EXPECT_FALSE(project.Afterburner.HasStereogram());
    EXPECT_FALSE(project.Rendered());
    EXPECT_FALSE(project.OutOfDate());
    EXPECT_FALSE(project.CanRender());
    EXPECT_EQ(project.Options, options);
    EXPECT_EQ(project.PaintWorkingDepthMap().Width(), 800);
}

TEST(ProjectReset, AnEmptyProjectChangesOnlyTheComposerSizeAndSwitches)
{
    Project project;
    project.ScaleObjects = true;
    project.Reset(640, 480);
    EXPECT_EQ(project.Depth.VorlageWidth, 640);
    EXPECT_FALSE(project.ScaleObjects);
    EXPECT_FALSE(project.Modified());
    EXPECT_TRUE(project.Depth.IsEmpty());
    EXPECT_EQ(project.Options, RenderOptions{});
}

TEST(ProjectKinds, EveryDepthKindOfAProjectFileIsKnown)
{
    const Project project;
    for (int32_t kind = 1; kind <= 19; ++kind)
        EXPECT_EQ(project.Depth.Kinds.Knows(kind), kind != 13) << kind;
}

} // namespace
} // namespace lumora
