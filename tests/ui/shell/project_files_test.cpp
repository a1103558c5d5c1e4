// Open, Save, Save As and New from the File menus, the unsaved-changes
// question and the close query, driven by their shortcuts.
#include "shell_test_support.h"

#include "project/project_file.h"

#include <QSpinBox>

namespace lumora {
namespace {

using test::ModalScript;
using test::Press;
using test::TestProgram;

const char kChanged[] = "The current project has been changed.\nDo you want to save the changes?";
const char kNotAProject[] = "The file is not a valid Lumora R2 project file.";

class ProjectFiles : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(program.Started()); }
    ProgramContext& Context() { return program.Program(); }
    Project& CurrentProject() { return program.CurrentProject(); }
    test::ScriptedFileDialogs& Dialogs() { return *program.Dialogs; }

    // A project file of the given composer size.
    QString WriteProject(const QString& name, int width, int height)
    {
        Project project;
        project.Depth.VorlageWidth = width;
        project.Depth.VorlageHeight = height;
        const QString path = program.TempPath(name);
        SaveProject(project, path, 80);
        return path;
    }
    void Modify()
    {
        CurrentProject().Depth.BackgroundDepth = 77;
        CurrentProject().DepthEdited();
    }

    TestProgram program;
};

TEST_F(ProjectFiles, SaveEnablingFollowsTheModifiedFlag)
{
    for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner})
        EXPECT_FALSE(Context().Window(stage).SaveAction()->isEnabled());
    Modify();
    for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner})
        EXPECT_TRUE(Context().Window(stage).SaveAction()->isEnabled());
}

TEST_F(ProjectFiles, CtrlSOfAnUntitledProjectSavesAs)
{
    Modify();
    const QString path = program.TempPath("First");
    Dialogs().SaveAnswers.push_back({path, 1});
    Press(Context().Vorlage(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Dialogs().SaveCalls, 1);
    EXPECT_EQ(Dialogs().LastFilters, QStringList{"LumoraR2 Project File (*.l2p)"});
    EXPECT_EQ(Dialogs().LastSuffix, "l2p");
    EXPECT_TRUE(IsProjectFile(path + ".l2p"));
    EXPECT_EQ(CurrentProject().FilePath, path + ".l2p");
    EXPECT_FALSE(CurrentProject().Modified());
    EXPECT_FALSE(Context().Vorlage().SaveAction()->isEnabled());
    EXPECT_EQ(Context().Vorlage().windowTitle(), "Lumora Release 2 - First.l2p");

    // A second Ctrl+S with a path writes without a dialog.
    Modify();
    Press(Context().Vorlage(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Dialogs().SaveCalls, 1);
    EXPECT_FALSE(CurrentProject().Modified());
}

TEST_F(ProjectFiles, ShiftCtrlSAsksForANewNameFromTheTileMap)
{
    Press(Context().Vorlage(), Qt::Key_F3);
    const QString path = program.TempPath("Copy.l2p");
    Dialogs().SaveAnswers.push_back({path, 1});
    Press(Context().Kachel(), Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(IsProjectFile(path));
    EXPECT_EQ(Context().Kachel().windowTitle(), "Lumora Release 2 - Copy.l2p");
    // Cancelled: nothing changes.
    Press(Context().Kachel(), Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(CurrentProject().FilePath, path);
}

TEST_F(ProjectFiles, CtrlOOpensAndTitlesTheProject)
{
    const QString path = WriteProject("Scene.l2p", 300, 200);
    Dialogs().OpenAnswers.push_back(path);
    Press(Context().Vorlage(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Dialogs().LastFilters, QStringList{"LumoraR2 Project File (*.l2p)"});
    EXPECT_EQ(CurrentProject().Depth.VorlageWidth, 300);
    EXPECT_EQ(Context().Vorlage().windowTitle(), "Lumora Release 2 - Scene.l2p");
    EXPECT_FALSE(Context().Vorlage().SaveAction()->isEnabled());
    EXPECT_EQ(Context().Vorlage().DrawingArea()->Picture().size(), QSize(300, 200));
}

TEST_F(ProjectFiles, OpenFromTheTileMapShowsTheDepthMap)
{
    const QString path = WriteProject("Scene.l2p", 300, 200);
    Press(Context().Vorlage(), Qt::Key_F3);
    Dialogs().OpenAnswers.push_back(path);
    Press(Context().Kachel(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(Context().Vorlage().isVisible());
    EXPECT_FALSE(Context().Kachel().isVisible());
}

TEST_F(ProjectFiles, OpenAsksAboutUnsavedChanges)
{
    const QString path = WriteProject("Scene.l2p", 300, 200);
    Modify();
    // Cancel keeps the project.
    Dialogs().OpenAnswers.push_back(path);
    {
        ModalScript script({test::Cancel()});
        Press(Context().Vorlage(), Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(script.Messages(), QStringList{kChanged});
    }
    EXPECT_EQ(CurrentProject().Depth.BackgroundDepth, 77);
    // No opens without saving.
    Dialogs().OpenAnswers.push_back(path);
    {
        ModalScript script({test::No()});
        Press(Context().Vorlage(), Qt::Key_O, Qt::ControlModifier);
    }
    EXPECT_EQ(CurrentProject().Depth.VorlageWidth, 300);
    EXPECT_EQ(Dialogs().SaveCalls, 0);
}

TEST_F(ProjectFiles, OpenYesSavesFirst)
{
    const QString path = WriteProject("Scene.l2p", 300, 200);
    const QString saved = program.TempPath("Changed.l2p");
    Modify();
    Dialogs().OpenAnswers.push_back(path);
    Dialogs().SaveAnswers.push_back({saved, 1});
    ModalScript script({test::Yes()});
    Press(Context().Vorlage(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(IsProjectFile(saved));
    const ReadProjectResult read = ReadProjectFile(saved, 600, 450);
    EXPECT_EQ(read.Loaded->Depth.BackgroundDepth, 77);
    EXPECT_EQ(CurrentProject().FilePath, path);
}

TEST_F(ProjectFiles, NotAProjectFileGivesProjFileErrorAndChangesNothing)
{
    const QString path = program.TempPath("notes.l2p");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just some text, not a project");
    file.close();
    Modify();
    Dialogs().OpenAnswers.push_back(path);
    ModalScript script({test::No(), test::Ok()});
    Press(Context().Vorlage(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(script.Messages().size(), 2);
    EXPECT_EQ(script.Messages()[1], kNotAProject);
    EXPECT_EQ(CurrentProject().Depth.BackgroundDepth, 77);
    EXPECT_TRUE(CurrentProject().FilePath.isEmpty());
    EXPECT_EQ(Context().Vorlage().windowTitle(), "Lumora Release 2 - Untitled");
}

TEST_F(ProjectFiles, DamagedProjectFileNamesTheProblem)
{
    const QString path = WriteProject("Cut.l2p", 300, 200);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(60));
    file.close();
    Dialogs().OpenAnswers.push_back(path);
    ModalScript script({test::Ok()});
    Press(Context().Vorlage(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_TRUE(script.Messages()[0].startsWith(QString(kNotAProject) + "\n"));
    EXPECT_GT(script.Messages()[0].size(), QString(kNotAProject).size() + 1);
    EXPECT_EQ(CurrentProject().Depth.VorlageWidth, 600);
    EXPECT_TRUE(CurrentProject().FilePath.isEmpty());
}

TEST_F(ProjectFiles, CtrlNStartsANewProjectOfTheDialogsSize)
{
    const QString path = WriteProject("Scene.l2p", 300, 200);
    ASSERT_TRUE(Context().OpenCommand(path, Context().Vorlage()));
    program.AddTile();
    // The tile made the project modified: the question comes first.
    ModalScript script({test::No(), {"NeuesProj", [](QWidget& dialog) {
                                         auto* width = dialog.findChild<QSpinBox*>("BreiteEdit");
                                         ASSERT_NE(width, nullptr);
                                         width->setValue(640);
                                         test::Click("OKButton")(dialog);
                                     }}});
    Press(Context().Vorlage(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(CurrentProject().Depth.VorlageWidth, 640);
    EXPECT_TRUE(CurrentProject().Tiles.IsEmpty());
    EXPECT_TRUE(CurrentProject().FilePath.isEmpty());
    EXPECT_FALSE(CurrentProject().Modified());
    EXPECT_EQ(Context().Settings().NewProject_width, 640);
    EXPECT_EQ(Context().Vorlage().windowTitle(), "Lumora Release 2 - Untitled");
}

TEST_F(ProjectFiles, NewProjectCancelledKeepsTheProject)
{
    program.CurrentProject().Depth.BackgroundDepth = 5;
    ModalScript script({{"NeuesProj", test::Click("AbbruchButton")}});
    Press(Context().Vorlage(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(CurrentProject().Depth.BackgroundDepth, 5);
}

TEST_F(ProjectFiles, RenderOptionsAbbruchStoresNothingAndOkMarksOutOfDate)
{
    {
        ModalScript script({{"Render_opt", test::Click("AbbruchButton")}});
        Press(Context().Vorlage(), Qt::Key_F9, Qt::ControlModifier);
    }
    EXPECT_FALSE(CurrentProject().Modified());
    {
        ModalScript script({{"Render_opt", test::Click("OKButton")}});
        Press(Context().Vorlage(), Qt::Key_F9, Qt::ControlModifier);
    }
    EXPECT_TRUE(CurrentProject().Modified());
    EXPECT_TRUE(CurrentProject().OutOfDate());
    EXPECT_TRUE(Context().Vorlage().SaveAction()->isEnabled());
}

TEST_F(ProjectFiles, ClosingWithUnsavedChangesAsks)
{
    Modify();
    {
        ModalScript script({test::Cancel()});
        EXPECT_FALSE(Context().Vorlage().close());
        EXPECT_EQ(script.Messages(), QStringList{kChanged});
    }
    EXPECT_FALSE(Context().Ended());
    EXPECT_TRUE(Context().Vorlage().isVisible());
    {
        // The title-bar X of the question is Cancel too.
        ModalScript script({{"Message_Form", test::CloseWindow()}});
        EXPECT_FALSE(Context().Vorlage().close());
    }
    EXPECT_FALSE(Context().Ended());

    const QString path = program.TempPath("AtExit.l2p");
    Dialogs().SaveAnswers.push_back({path, 1});
    ModalScript script({test::Yes()});
    EXPECT_TRUE(Context().Vorlage().close());
    EXPECT_TRUE(Context().Ended());
    EXPECT_TRUE(IsProjectFile(path));
}

TEST_F(ProjectFiles, YesWhoseSaveIsCancelledKeepsTheProgramRunning)
{
    Modify();
    ModalScript script({test::Yes()});
    EXPECT_FALSE(Context().Vorlage().close());
    EXPECT_FALSE(Context().Ended());
    EXPECT_EQ(Dialogs().SaveCalls, 1);
}

TEST_F(ProjectFiles, ClosingTheAfterburnerWithNoEndsTheProgram)
{
    program.AddTile();
    Press(Context().Vorlage(), Qt::Key_F9);
    ASSERT_TRUE(Context().Nachbrenner().isVisible());
    ModalScript script({test::No()});
    EXPECT_TRUE(Context().Nachbrenner().close());
    EXPECT_TRUE(Context().Ended());
}

TEST_F(ProjectFiles, AfterburnerSavesAndOpensPictures)
{
    program.CurrentProject().Options.RenderOptions_RenderWidth = 100;
    program.CurrentProject().Options.RenderOptions_RenderHeight = 80;
    program.AddTile();
    Press(Context().Vorlage(), Qt::Key_F9);
    TNachbrenner& nachbrenner = Context().Nachbrenner();
    const QString jpeg = program.TempPath("stereo");
    Dialogs().SaveAnswers.push_back({jpeg, 2});
    nachbrenner.findChild<QAction*>("Speichernunter2")->trigger();
    EXPECT_EQ(Dialogs().LastFilters,
              (QStringList{"Bitmaps (*.bmp)", "JPEG Bilder (*.jpg)", "Targa - Bitmap (*.tga)",
                           "Tiff - Bitmap (*.tif)"}));
    EXPECT_EQ(Dialogs().LastFolder, program.Installation().Folder() + "/stereograms");
    QImage written(jpeg + ".jpg", "JPEG");
    EXPECT_EQ(written.size(), QSize(100, 80));

    QImage other(50, 40, QImage::Format_RGB32);
    other.fill(Qt::red);
    const QString bmp = program.TempPath("other.bmp");
    ASSERT_TRUE(other.save(bmp, "BMP"));
    Dialogs().OpenAnswers.push_back(bmp);
    nachbrenner.findChild<QAction*>("ffnen2")->trigger();
    EXPECT_EQ(nachbrenner.PictureArea()->Picture().size(), QSize(50, 40));
    EXPECT_EQ(nachbrenner.PictureArea()->Picture().pixel(5, 5), qRgb(255, 0, 0));
}

TEST_F(ProjectFiles, AfterburnerReportsAPictureThatCannotBeRead)
{
    program.AddTile();
    Press(Context().Vorlage(), Qt::Key_F9);
    const QString bad = program.TempPath("bad.tga");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("xx");
    file.close();
    Dialogs().OpenAnswers.push_back(bad);
    ModalScript script({test::Ok()});
    Context().Nachbrenner().findChild<QAction*>("ffnen2")->trigger();
    EXPECT_EQ(script.Messages().size(), 1);
    EXPECT_EQ(Context().Nachbrenner().PictureArea()->Picture().size(), QSize(600, 450));
}

// A project saved after a render asks NeuRendern when it is opened.
TEST_F(ProjectFiles, OpeningARenderedProjectOffersToRender)
{
    const QString path = program.TempPath("Rendered.l2p");
    {
        Project rendered;
        rendered.Options.RenderOptions_RenderWidth = 64;
        rendered.Options.RenderOptions_RenderHeight = 48;
        Tile_tm_RandomDot tile;
        ASSERT_TRUE(rendered.Tiles.Tile_Add(40, tile));
        rendered.SetRendered(true);
        SaveProject(rendered, path, 80);
    }
    {
        ModalScript script({test::No()});
        ASSERT_TRUE(Context().OpenCommand(path, Context().Vorlage()));
        EXPECT_EQ(script.Messages(), QStringList{"Do you want to render the stereogram again?"});
    }
    // No stereogram yet: the afterburner stays out of reach.
    EXPECT_FALSE(Context().AfterburnerReachable());
    {
        ModalScript script({test::Yes()});
        ASSERT_TRUE(Context().OpenCommand(path, Context().Vorlage()));
    }
    EXPECT_TRUE(Context().AfterburnerReachable());
    EXPECT_EQ(Context().Nachbrenner().PictureArea()->Picture().size(), QSize(64, 48));
    EXPECT_TRUE(Context().Vorlage().isVisible());
}

TEST_F(ProjectFiles, SaveThatFailsSaysSoAndKeepsThePath)
{
    Modify();
    Dialogs().SaveAnswers.push_back({program.TempPath("no/such/folder/x.l2p"), 1});
    ModalScript script({test::Ok()});
    Press(Context().Vorlage(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_FALSE(script.Messages()[0].isEmpty());
    EXPECT_TRUE(CurrentProject().FilePath.isEmpty());
    EXPECT_TRUE(CurrentProject().Modified());
    EXPECT_EQ(Context().Vorlage().windowTitle(), "Lumora Release 2 - Untitled");
}

TEST_F(ProjectFiles, RenderThatIsRefusedSaysSoAndStays)
{
    program.AddTile();
    CurrentProject().Options.RenderOptions_RenderWidth = 0;
    ModalScript script({test::Ok()});
    Press(Context().Vorlage(), Qt::Key_F9);
    EXPECT_EQ(script.Messages().size(), 1);
    EXPECT_TRUE(Context().Vorlage().isVisible());
    EXPECT_FALSE(CurrentProject().Rendered());
}

} // namespace
} // namespace lumora
