// The three stage windows switch by F2, F3 and F4, render by F9, and the
// afterburner asks NeuRendern while the stereogram is out of date.
#include "shell_test_support.h"

#include "project/project_file.h"
#include "rendering/lumo_pixelengine.h"
#include "ui/widgets/lumo_ruler.h"

#include <QScrollArea>
#include <QScrollBar>

namespace lumora {
namespace {

using test::ModalScript;
using test::Press;
using test::TestProgram;

const char kNeuRendern[] = "Do you want to render the stereogram again?";

class StageSwitching : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.Started());
        program.CurrentProject().Options.RenderOptions_RenderWidth = 120;
        program.CurrentProject().Options.RenderOptions_RenderHeight = 90;
    }
    ProgramContext& Context() { return program.Program(); }
    StageWindow& Visible()
    {
        StageWindow* shown = nullptr;
        for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner}) {
            if (Context().Window(stage).isVisible()) {
                EXPECT_EQ(shown, nullptr) << "two stage windows are visible";
                shown = &Context().Window(stage);
            }
        }
        EXPECT_NE(shown, nullptr);
        return *shown;
    }
    // F9 in the tile-map window: renders and shows the afterburner.
    void RenderFromTileMap()
    {
        program.AddTile();
        Press(Context().Vorlage(), Qt::Key_F3);
        Press(Context().Kachel(), Qt::Key_F9);
        ASSERT_EQ(&Visible(), &Context().Nachbrenner());
    }

    TestProgram program;
};

TEST_F(StageSwitching, F3AndF2HandOverCaptionAndPlacement)
{
    TVorlage& vorlage = Context().Vorlage();
    vorlage.setGeometry(60, 70, 800, 600);
    Press(vorlage, Qt::Key_F3);
    EXPECT_EQ(&Visible(), &Context().Kachel());
    EXPECT_EQ(Context().Kachel().windowTitle(), "Lumora Release 2 - Untitled");
    EXPECT_EQ(Context().Kachel().geometry(), QRect(60, 70, 800, 600));
    EXPECT_FALSE(vorlage.isEnabled());
    Press(Context().Kachel(), Qt::Key_F2);
    EXPECT_EQ(&Visible(), &vorlage);
    EXPECT_TRUE(vorlage.isEnabled());
}

TEST_F(StageSwitching, AfterburnerCannotBeReachedBeforeTheFirstRender)
{
    program.AddTile();
    Press(Context().Vorlage(), Qt::Key_F4);
    EXPECT_EQ(&Visible(), &Context().Vorlage());
    Press(Context().Vorlage(), Qt::Key_F3);
    Press(Context().Kachel(), Qt::Key_F4);
    EXPECT_EQ(&Visible(), &Context().Kachel());
    EXPECT_FALSE(Context().Kachel().AfterburnerAction()->isEnabled());
}

TEST_F(StageSwitching, RenderShowsTheStereogramInTheAfterburner)
{
    RenderFromTileMap();
    Project& project = program.CurrentProject();
    EXPECT_TRUE(project.Rendered());
    EXPECT_FALSE(project.OutOfDate());
    EXPECT_TRUE(project.Modified());
    EXPECT_EQ(Context().Nachbrenner().PictureArea()->Picture().size(), QSize(120, 90));
    EXPECT_TRUE(Context().Vorlage().AfterburnerAction()->isEnabled());
    EXPECT_TRUE(Context().Vorlage().SaveAction()->isEnabled());
    // F9 in the afterburner renders again and stays.
    program.CurrentProject().Options.RenderOptions_RenderWidth = 100;
    Press(Context().Nachbrenner(), Qt::Key_F9);
    EXPECT_EQ(&Visible(), &Context().Nachbrenner());
    EXPECT_EQ(Context().Nachbrenner().PictureArea()->Picture().size(), QSize(100, 90));
}

TEST_F(StageSwitching, F9FromTheDepthMapSwitchesToTheAfterburner)
{
    program.AddTile();
    Press(Context().Vorlage(), Qt::Key_F9);
    EXPECT_EQ(&Visible(), &Context().Nachbrenner());
}

TEST_F(StageSwitching, F4AfterAChangeAsksAndYesRenders)
{
    RenderFromTileMap();
    Press(Context().Nachbrenner(), Qt::Key_F2);
    program.CurrentProject().DepthEdited();
    program.CurrentProject().Options.RenderOptions_RenderWidth = 80;
    ModalScript script({test::Yes()});
    Press(Context().Vorlage(), Qt::Key_F4);
    EXPECT_EQ(script.Messages(), QStringList{kNeuRendern});
    EXPECT_EQ(&Visible(), &Context().Nachbrenner());
    EXPECT_FALSE(program.CurrentProject().OutOfDate());
    EXPECT_EQ(Context().Nachbrenner().PictureArea()->Picture().width(), 80);
}

TEST_F(StageSwitching, F4NoSwitchesAndASecondF4DoesNotAsk)
{
    RenderFromTileMap();
    Press(Context().Nachbrenner(), Qt::Key_F2);
    program.CurrentProject().TilesEdited();
    {
        ModalScript script({test::No()});
        Press(Context().Vorlage(), Qt::Key_F4);
    }
    EXPECT_EQ(&Visible(), &Context().Nachbrenner());
    EXPECT_FALSE(program.CurrentProject().OutOfDate());
    // The old stereogram stays.
    EXPECT_EQ(Context().Nachbrenner().PictureArea()->Picture().width(), 120);
    Press(Context().Nachbrenner(), Qt::Key_F2);
    {
        ModalScript none({});
        Press(Context().Vorlage(), Qt::Key_F4);
    }
    EXPECT_EQ(&Visible(), &Context().Nachbrenner());
}

TEST_F(StageSwitching, F4CancelStays)
{
    RenderFromTileMap();
    Press(Context().Nachbrenner(), Qt::Key_F3);
    program.CurrentProject().DepthEdited();
    ModalScript script({test::Cancel()});
    Press(Context().Kachel(), Qt::Key_F4);
    EXPECT_EQ(&Visible(), &Context().Kachel());
    EXPECT_TRUE(program.CurrentProject().OutOfDate());
}

TEST_F(StageSwitching, TileMapShowsThePreviewOfItsBands)
{
    program.AddTile(60);
    program.AddTile(40);
    Press(Context().Vorlage(), Qt::Key_F3);
    const QImage preview = Context().Kachel().PreviewPicture();
    EXPECT_EQ(preview.height(), 100);
    EXPECT_GE(preview.width(), program.CurrentProject().Options.RenderOptions_Tile_Width);
    // Random dots: not one flat colour.
    const QRgb first = preview.pixel(0, 0);
    bool varies = false;
    for (int x = 0; x < 90 && !varies; ++x)
        varies = preview.pixel(x, 10) != first;
    EXPECT_TRUE(varies);
}

TEST_F(StageSwitching, DepthMapShowsTheComposedDepthMapCentred)
{
    program.CurrentProject().Depth.BackgroundDepth = 200;
    Press(Context().Vorlage(), Qt::Key_F5);
    PictureView& area = *Context().Vorlage().DrawingArea();
    EXPECT_EQ(qGray(area.Picture().pixel(10, 10)), 200);
    Context().Vorlage().resize(1200, 900);
    QApplication::processEvents();
    // Smaller than the view: centred, the rulers start at the picture.
    const QPoint origin = area.PictureOrigin();
    EXPECT_GT(origin.x(), 0);
    EXPECT_GT(origin.y(), 0);
}

TEST_F(StageSwitching, LargerDepthMapStartsAtTheTopLeft)
{
    Project large;
    large.Depth.VorlageWidth = 3000;
    large.Depth.VorlageHeight = 2000;
    const QString path = program.TempPath("Large.l2p");
    SaveProject(large, path, 80);
    PictureView& area = *Context().Vorlage().DrawingArea();
    area.ScrollArea()->horizontalScrollBar()->setValue(0);
    ASSERT_TRUE(Context().OpenCommand(path, Context().Vorlage()));
    QApplication::processEvents();
    EXPECT_EQ(area.Picture().size(), QSize(3000, 2000));
    EXPECT_EQ(area.ScrollArea()->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(area.ScrollArea()->verticalScrollBar()->value(), 0);
    EXPECT_GT(area.ScrollArea()->horizontalScrollBar()->maximum(), 0);
    // The rulers follow the scroll position.
    const int before = area.TopRuler()->Start();
    area.ScrollArea()->horizontalScrollBar()->setValue(250);
    EXPECT_EQ(area.TopRuler()->Start(), before - 250);
}

TEST_F(StageSwitching, EveryWindowHasTheShortcuts)
{
    const QKeySequence keys[] = {
        QKeySequence(Qt::Key_F2),
        QKeySequence(Qt::Key_F3),
        QKeySequence(Qt::Key_F4),
        QKeySequence(Qt::Key_F9),
        QKeySequence(Qt::CTRL | Qt::Key_F9),
        QKeySequence(Qt::CTRL | Qt::Key_N),
        QKeySequence(Qt::CTRL | Qt::Key_O),
        QKeySequence(Qt::CTRL | Qt::Key_S),
        QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S),
        QKeySequence(Qt::CTRL | Qt::Key_Q),
    };
    for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner}) {
        QList<QKeySequence> shortcuts;
        for (const QAction* action : Context().Window(stage).findChildren<QAction*>())
            shortcuts << action->shortcut();
        for (const QKeySequence& key : keys)
            EXPECT_TRUE(shortcuts.contains(key)) << key.toString().toStdString();
    }
}

// Ctrl+Q in each window asks about the rendered project and ends the program.
TEST(StageQuit, CtrlQEndsTheProgramFromEveryWindow)
{
    for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner}) {
        TestProgram program;
        ASSERT_TRUE(program.Started());
        ProgramContext& context = program.Program();
        program.CurrentProject().Options.RenderOptions_RenderWidth = 60;
        program.CurrentProject().Options.RenderOptions_RenderHeight = 40;
        program.AddTile();
        Press(context.Vorlage(), Qt::Key_F9);
        const int keys[] = {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4};
        Press(context.Nachbrenner(), keys[static_cast<int>(stage)]);
        ASSERT_TRUE(context.Window(stage).isVisible());
        ModalScript script({test::No()});
        Press(context.Window(stage), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_TRUE(context.Ended());
    }
}

} // namespace
} // namespace lumora
