// The welcome screen at the first showing of the depth-map window: its
// entries, the check box mirrored by the preferences, and "Ende", which
// leaves without writing the settings.
#include "ui/shell/shell_test_support.h"

#include "project/project_file.h"
#include "ui/app/tprefs.h"
#include "ui/app/twelcomescreen.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace lumora {
namespace {

using test::ModalScript;
using test::ModalStep;

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A check box reacts on its mark.
void ClickMark(QWidget& window, const char* name)
{
    auto* box = window.findChild<QCheckBox*>(name);
    ASSERT_NE(box, nullptr) << name;
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

ModalStep OnWelcome(std::function<void(QWidget&)> act)
{
    return {"WelcomeScreen", std::move(act)};
}

// Starts of the program on one installation and one settings file, as a
// user starts it again and again.
class WelcomeScreenTest : public ::testing::Test
{
protected:
    StartResult Start(QStringList arguments = {}, std::deque<QString> openAnswers = {})
    {
        StartOptions options;
        options.ProgramDirectory = install_.Folder();
        options.SettingsFile = SettingsFile();
        options.Arguments = std::move(arguments);
        options.ShowWarning = [](const QString& text) { ADD_FAILURE() << text.toStdString(); };
        options.BeforeFirstShow = [openAnswers](ProgramContext& program) {
            auto dialogs = std::make_unique<test::ScriptedFileDialogs>();
            dialogs->OpenAnswers = openAnswers;
            program.SetDialogs(std::move(dialogs));
        };
        return StartProgram(options);
    }

    QString SettingsFile() const { return settings_.filePath("settings.ini"); }
    QString TempPath(const QString& name) const { return files_.filePath(name); }

    test::FakeInstallation install_;
    QTemporaryDir settings_;
    QTemporaryDir files_;
};

TEST_F(WelcomeScreenTest, ShowsItsEntriesWithTheirIcons)
{
    QStringList links;
    int icons = 0;
    QString caption;
    ModalScript script({OnWelcome([&](QWidget& window) {
        caption = window.windowTitle();
        for (const char* entry : {"Start", "NewProject", "OpenProject", "GettingStarted", "Ende"}) {
            auto* link = window.findChild<QPushButton*>(QString(entry) + "Link");
            auto* icon = window.findChild<QToolButton*>(QString(entry) + "Image");
            if (link != nullptr)
                links << link->text();
            if (icon != nullptr && !icon->icon().isNull() && icon->isVisible())
                ++icons;
        }
        EXPECT_EQ(window.findChild<QCheckBox*>("DontShowCheck")->text(),
                  "Don't show this dialog again");
        test::Click("StartLink")(window);
    })});
    StartResult result = Start();
    ASSERT_NE(result.Program, nullptr);
    EXPECT_EQ(caption, "Welcome");
    EXPECT_EQ(links,
              (QStringList{"Start", "New project", "Open project", "Getting started", "Exit"}));
    EXPECT_EQ(icons, 5);
    EXPECT_TRUE(result.Program->Vorlage().isVisible());
    EXPECT_FALSE(result.Program->WelcomeScreen().isVisible());
}

TEST_F(WelcomeScreenTest, DontShowAgainIsMirroredAndTheNextStartSkipsTheScreen)
{
    {
        bool startDialogShown = true;
        ModalScript script({OnWelcome([](QWidget& window) {
                                ClickMark(window, "DontShowCheck");
                                test::Click("StartLink")(window);
                            }),
                            {"Prefs", [&startDialogShown](QWidget& prefs) {
                                 startDialogShown =
                                     prefs.findChild<QCheckBox*>("StartDialogCheck")->isChecked();
                                 test::Click("AbbruchButton")(prefs);
                             }}});
        StartResult first = Start();
        ASSERT_NE(first.Program, nullptr);
        EXPECT_TRUE(first.Program->Settings().WelcomeDialog);
        EXPECT_FALSE(first.Program->Prefs().StartDialogShown());
        first.Program->Vorlage().findChild<QAction*>("Voreinstellungen1")->trigger();
        EXPECT_FALSE(startDialogShown);
        EXPECT_TRUE(first.Program->Vorlage().close());
    }
    ModalScript none(std::vector<ModalStep>{}); // a welcome screen would fail here
    StartResult second = Start();
    ASSERT_NE(second.Program, nullptr);
    EXPECT_TRUE(second.Program->Vorlage().isVisible());
    EXPECT_TRUE(second.Program->Settings().WelcomeDialog);
}

TEST_F(WelcomeScreenTest, UncheckedBoxKeepsOfferingTheScreen)
{
    {
        ModalScript script({OnWelcome(test::CloseWindow())}); // "X" is "Start"
        StartResult first = Start();
        ASSERT_NE(first.Program, nullptr);
        EXPECT_FALSE(first.Program->Settings().WelcomeDialog);
        EXPECT_TRUE(first.Program->Prefs().StartDialogShown());
        EXPECT_TRUE(first.Program->Vorlage().close());
    }
    ModalScript again({OnWelcome(test::Click("StartLink"))});
    StartResult second = Start();
    ASSERT_NE(second.Program, nullptr);
}

TEST_F(WelcomeScreenTest, NewProjectThenAbbruchLeavesTheWelcomeScreenOpen)
{
    bool openAfterAbbruch = false;
    bool openAfterOk = true;
    ModalScript script({OnWelcome([&](QWidget& window) {
                            test::Click("NewProjectLink")(window); // "Abbruch" below
                            openAfterAbbruch = window.isVisible();
                            test::Click("NewProjectImage")(window); // "OK" below
                            openAfterOk = window.isVisible();
                        }),
                        {"NeuesProj", test::Click("AbbruchButton")},
                        {"NeuesProj", [](QWidget& dialog) {
                             auto* width = dialog.findChild<QSpinBox*>("BreiteEdit");
                             width->setFocus();
                             QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
                             QTest::keyClicks(width, "320");
                             test::Click("OKButton")(dialog);
                         }}});
    StartResult result = Start();
    ASSERT_NE(result.Program, nullptr);
    EXPECT_TRUE(openAfterAbbruch);
    EXPECT_FALSE(openAfterOk);
    EXPECT_EQ(result.Program->CurrentProject().Depth.VorlageWidth, 320);
}

TEST_F(WelcomeScreenTest, OpenProjectOpensTheChosenFileAfterClosing)
{
    const QString path = TempPath("Shapes.l2p");
    {
        Project project;
        project.Depth.VorlageWidth = 240;
        SaveProject(project, path, 80);
    }
    bool openAfterCancelledDialog = false;
    ModalScript script({OnWelcome([&](QWidget& window) {
        test::Click("OpenProjectLink")(window); // the first answer cancels
        openAfterCancelledDialog = window.isVisible();
        test::Click("OpenProjectImage")(window);
    })});
    StartResult result = Start({}, {QString(), path});
    ASSERT_NE(result.Program, nullptr);
    EXPECT_TRUE(openAfterCancelledDialog);
    EXPECT_FALSE(result.Program->WelcomeScreen().isVisible());
    EXPECT_EQ(result.Program->CurrentProject().FilePath, path);
    EXPECT_EQ(result.Program->CurrentProject().Depth.VorlageWidth, 240);
    EXPECT_EQ(result.Program->Vorlage().windowTitle(), "Lumora Release 2 - Shapes.l2p");
}

TEST_F(WelcomeScreenTest, GettingStartedClosesTheScreen)
{
    ModalScript script({OnWelcome(test::Click("GettingStartedLink"))});
    StartResult result = Start();
    ASSERT_NE(result.Program, nullptr);
    EXPECT_FALSE(result.Program->WelcomeScreen().isVisible());
    EXPECT_TRUE(result.Program->Vorlage().isVisible());
    EXPECT_FALSE(result.Program->Ended());
}

TEST_F(WelcomeScreenTest, EndeEndsTheProgramAndTheSettingsFileIsUnchanged)
{
    for (const char* entry : {"EndeLink", "EndeImage"}) {
        SCOPED_TRACE(entry);
        ApplicationSettings stored;
        stored.Language = "English - default";
        stored.Project_image_quality = 55;
        ASSERT_TRUE(SettingsStore(SettingsFile()).SaveSettings(stored));
        const QByteArray before = ReadBytes(SettingsFile());
        ASSERT_FALSE(before.isEmpty());
        ModalScript script({OnWelcome([entry](QWidget& window) {
            ClickMark(window, "DontShowCheck"); // not stored either
            test::Click(entry)(window);
        })});
        StartResult result = Start();
        ASSERT_NE(result.Program, nullptr);
        EXPECT_TRUE(result.Program->Ended());
        EXPECT_FALSE(result.Program->Vorlage().isVisible());
        EXPECT_EQ(ReadBytes(SettingsFile()), before);
    }
}

TEST_F(WelcomeScreenTest, ProjectOnTheCommandLineSkipsTheWelcomeScreen)
{
    const QString path = TempPath("Start.l2p");
    Project project;
    SaveProject(project, path, 80);
    ModalScript none(std::vector<ModalStep>{});
    StartResult result = Start({path});
    ASSERT_NE(result.Program, nullptr);
    EXPECT_EQ(result.Program->CurrentProject().FilePath, path);
}

TEST_F(WelcomeScreenTest, ArgumentNamingNoFileStillOffersTheScreen)
{
    ModalScript script({OnWelcome(test::Click("StartLink"))});
    StartResult result = Start({TempPath("missing.l2p")});
    ASSERT_NE(result.Program, nullptr);
    EXPECT_TRUE(result.Program->CurrentProject().FilePath.isEmpty());
}

} // namespace
} // namespace lumora
