// The start of the program: the installation check, the language, the
// first showing and the project named on the command line.
#include "shell_test_support.h"

#include "project/project_file.h"
#include "ui/app/tprogress_form.h"

namespace lumora {
namespace {

using test::FakeInstallation;
using test::TestProgram;

StartResult Start(const FakeInstallation& install, QStringList& warnings)
{
    StartOptions options;
    options.ProgramDirectory = install.Folder();
    QTemporaryDir settings;
    options.SettingsFile = settings.filePath("settings.ini");
    options.ShowWarning = [&warnings](const QString& text) { warnings << text; };
    return StartProgram(options);
}

bool AnyTopLevelWindowVisible()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            return true;
    }
    return false;
}

TEST(Startup, MissingFileStopsBeforeAnyWindow)
{
    for (const char* file : {"PlugIns/Tree.lpi", "data/Marquee.dat", "help/english/index.l2h",
                             "languages/English.l2l", "data/Splash.dat"}) {
        FakeInstallation install;
        install.Remove(file);
        QStringList warnings;
        const StartResult result = Start(install, warnings);
        EXPECT_EQ(result.Status, StartupStatus::FileMissing) << file;
        EXPECT_EQ(result.Program, nullptr);
        EXPECT_EQ(warnings, QStringList{"An error occurred while trying to start Lumora R2 !\r"
                                        "Error: File not found"})
            << file;
        EXPECT_FALSE(AnyTopLevelWindowVisible());
    }
}

TEST(Startup, NoValidLanguageFileGivesTheOtherWarning)
{
    FakeInstallation install;
    install.Write("languages/English.l2l", "not a language file");
    install.Write("languages/Deutsch.l2l", "nor this");
    QStringList warnings;
    const StartResult result = Start(install, warnings);
    EXPECT_EQ(result.Status, StartupStatus::NoLanguage);
    EXPECT_EQ(result.Program, nullptr);
    EXPECT_EQ(warnings, QStringList{"An error occurred while trying to start Lumora R2 !\r"
                                    "Error: No valid language file found"});
    EXPECT_FALSE(AnyTopLevelWindowVisible());
}

TEST(Startup, DamagedSplashPictureEndsTheStartWithAMessage)
{
    FakeInstallation install;
    install.Write("data/Splash.dat", "no JPEG at all");
    QStringList warnings;
    const StartResult result = Start(install, warnings);
    EXPECT_EQ(result.Status, StartupStatus::DamagedSplash);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith("An error occurred while trying to start Lumora R2 !\r"));
}

TEST(Startup, OpensOnTheDepthMapWindowUntitled)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(program.Warnings.isEmpty());
    ProgramContext& context = program.Program();
    EXPECT_TRUE(context.Vorlage().isVisible());
    EXPECT_FALSE(context.Kachel().isVisible());
    EXPECT_FALSE(context.Nachbrenner().isVisible());
    EXPECT_EQ(context.Vorlage().windowTitle(), "Lumora Release 2 - Untitled");
    EXPECT_FALSE(context.Vorlage().SaveAction()->isEnabled());
    EXPECT_FALSE(context.Vorlage().AfterburnerAction()->isEnabled());
    EXPECT_FALSE(context.Vorlage().RenderAction()->isEnabled());
    // The depth map of the empty project at the composer size.
    EXPECT_EQ(context.Vorlage().DrawingArea()->Picture().size(), QSize(600, 450));
}

TEST(Startup, ProjectNamedByTheFirstArgumentIsOpened)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Shapes.l2p");
    {
        Project project;
        project.Depth.VorlageWidth = 320;
        project.Depth.VorlageHeight = 200;
        SaveProject(project, path, 80);
    }
    TestProgram program({path});
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.CurrentProject().FilePath, path);
    EXPECT_EQ(program.CurrentProject().Depth.VorlageWidth, 320);
    EXPECT_EQ(program.Program().Vorlage().windowTitle(), "Lumora Release 2 - Shapes.l2p");
    EXPECT_EQ(program.Program().Vorlage().DrawingArea()->Picture().size(), QSize(320, 200));
}

TEST(Startup, FirstArgumentNamingNoFileIsIgnored)
{
    QTemporaryDir dir;
    TestProgram program({dir.filePath("missing.l2p")});
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(program.CurrentProject().FilePath.isEmpty());
    EXPECT_EQ(program.Program().Vorlage().windowTitle(), "Lumora Release 2 - Untitled");
}

TEST(Startup, ClosingSavesTheSettings)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    program.Program().Vorlage().setGeometry(40, 50, 700, 520);
    EXPECT_TRUE(program.Program().Vorlage().close());
    EXPECT_TRUE(program.Program().Ended());
    ApplicationSettings stored;
    SettingsStore(program.SettingsFile()).LoadSettings(stored);
    EXPECT_EQ(stored.Language, "English - default");
    EXPECT_EQ(stored.Position.Width(), 700);
    EXPECT_EQ(stored.Position.Height(), 520);
}

TEST(Startup, SplashShowsEachStepBeforeIt)
{
    FakeInstallation install;
    QTemporaryDir settings;
    StartOptions options;
    options.ProgramDirectory = install.Folder();
    options.SettingsFile = settings.filePath("settings.ini");
    QStringList statuses;
    options.OnStatus = [&statuses](const QString& status) { statuses << status; };
    // A first start offers the welcome screen.
    test::ModalScript script({{"WelcomeScreen", test::Click("StartLink")}});
    const StartResult result = StartProgram(options);
    ASSERT_NE(result.Program, nullptr);
    ASSERT_GE(statuses.size(), 4);
    EXPECT_EQ(statuses.first(), "Creating Splash Screen...");
    EXPECT_EQ(statuses[1], "Creating DepthMap...");
    EXPECT_EQ(statuses.last(), "Loading Language...");
    EXPECT_LT(statuses.indexOf("Creating TileMap..."), statuses.indexOf("Creating Afterburner..."));
    EXPECT_TRUE(statuses.contains("Creating Message Window..."));
    EXPECT_TRUE(statuses.contains("Creating Progress Window..."));
    const QStringList inOrder = {"Creating Settings...",       "Creating New Project dialog...",
                                 "Creating Message Window...", "Creating Welcome Screen...",
                                 "Creating Library Window...", "Creating Library Info Window...",
                                 "Creating Progress Window..."};
    for (qsizetype k = 1; k < inOrder.size(); ++k)
        EXPECT_LT(statuses.indexOf(inOrder[k - 1]), statuses.indexOf(inOrder[k]))
            << inOrder[k].toStdString();
    EXPECT_TRUE(statuses.contains(inOrder.first()));
    // The splash is gone once the program runs.
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_NE(widget->objectName(), "Splash");
}

TEST(Startup, StoredPlacementPlacesTheDepthMapWindow)
{
    QTemporaryDir settings;
    const QString file = settings.filePath("settings.ini");
    ApplicationSettings stored;
    stored.Position = WindowPlacement{30, 40, 30 + 500, 40 + 700, 0};
    stored.WelcomeDialog = true;
    SettingsStore(file).SaveSettings(stored);
    FakeInstallation install;
    StartOptions options;
    options.ProgramDirectory = install.Folder();
    options.SettingsFile = file;
    const StartResult result = StartProgram(options);
    ASSERT_NE(result.Program, nullptr);
    EXPECT_EQ(result.Program->Vorlage().geometry().size(), QSize(700, 500));
}

TEST(ProgressForm, ShowsAdvancesAndCloses)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    TProgress_Form& progress = program.Program().ProgressForm();
    progress.ShowProgress(ProjectFileProgress::Operation::Saving, 3);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.windowTitle(), "Saving project...");
    EXPECT_EQ(progress.Position(), 0);
    for (int i = 0; i < 3; ++i)
        progress.IncPosition();
    EXPECT_EQ(progress.Position(), 3);
    progress.CloseProgress();
    EXPECT_FALSE(progress.isVisible());
    progress.ShowProgress(ProjectFileProgress::Operation::Opening, 7);
    EXPECT_EQ(progress.windowTitle(), "Opening project...");
    EXPECT_EQ(progress.Maximum(), 7);
    EXPECT_EQ(progress.Position(), 0);
    progress.CloseProgress();

    // A save runs it to its end and closes it.
    program.CurrentProject().FilePath = program.TempPath("Saved.l2p");
    ASSERT_TRUE(program.Program().Save(program.Program().Vorlage()));
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.Position(), progress.Maximum());
}

} // namespace
} // namespace lumora
