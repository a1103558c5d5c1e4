// The help window, the "Hilfe" menus of the three stage windows, the "?"
// buttons of the dialogs, the development window and the about box,
// driven with the mouse and keys on a started program.
#include "ui/dialogs/dialog_test_support.h"
#include "ui/shell/shell_test_support.h"

#include "help/lumo_help.h"
#include "ui/help/help_page_view.h"
#include "ui/help/help_windows.h"
#include "ui/help/tdevelop.h"
#include "ui/help/thelp.h"
#include "ui/help/tinfo.h"

#include <QDirIterator>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace lumora {
namespace {

using test::ModalScript;

// The log lines of entries for the help window and the help menus that
// found no component.
QStringList HelpEntriesNotFound(const QStringList& log)
{
    QStringList missing;
    for (const QString& line : log) {
        if (!line.endsWith("not found"))
            continue;
        for (const char* name :
             {"\"Help.", ".Hilfe1.", ".Index1.", ".Gettingstarted1.", ".LumoraRelease2online1.",
              ".Development1.", ".Contact1.", ".Info1.", ".HilfeButton."})
            if (line.contains(QString::fromLatin1(name)))
                missing << line;
    }
    return missing;
}
using test::TestProgram;

const QString kInstalledHelp = QStringLiteral(LUMORA_SHARE_DIR "/help/english");

// The installed help pages, in place of the one-line start page of the
// test installation.
void CopyInstalledHelp(const test::FakeInstallation& installation)
{
    QDirIterator files(kInstalledHelp, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target =
            installation.Path("help/english/" + QDir(kInstalledHelp).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(source, target)) << target.toStdString();
    }
}

QString PageName(const THelp& help)
{
    return QFileInfo(help.Page().CurrentPath()).fileName();
}

// Opens the menu of a window as the user does and clicks the item;
// beforeClick runs once the menu is up (to answer a modal window the item
// opens).
void ChooseMenuItem(QWidget& window, const char* menuName, const char* itemName,
                    const std::function<void()>& beforeClick = {})
{
    auto* menu = window.findChild<QMenu*>(QString::fromLatin1(menuName));
    ASSERT_NE(menu, nullptr) << menuName;
    QAction* item = window.findChild<QAction*>(QString::fromLatin1(itemName));
    ASSERT_NE(item, nullptr) << itemName;
    ASSERT_TRUE(menu->actions().contains(item)) << itemName;
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    if (beforeClick)
        beforeClick();
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
}

// The pointer moved over a widget, straight to it (the headless platform
// hands a moved pointer to whichever window it lists first).
void MoveOver(QWidget& widget, const QPoint& at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.Started());
        CopyInstalledHelp(program.Installation());
    }
    void TearDown() override { Help().close(); }

    ProgramContext& Context() { return program.Program(); }
    THelp& Help() { return Context().Help().Help(); }
    // Brings the stage window up as the user would: F3 for the tile map, a
    // render for the afterburner.
    StageWindow& ShowStage(Stage stage)
    {
        if (stage == Stage::TileMap)
            Context().SwitchTo(Stage::TileMap, Context().CurrentWindow());
        if (stage == Stage::Afterburner) {
            Context().CurrentProject().Options.RenderOptions_RenderWidth = 120;
            Context().CurrentProject().Options.RenderOptions_RenderHeight = 90;
            program.AddTile();
            Context().RenderCommand(Context().CurrentWindow());
        }
        StageWindow& window = Context().Window(stage);
        EXPECT_EQ(&Context().CurrentWindow(), &window);
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.isEnabled());
        return window;
    }
    QAbstractButton* Button(const char* name)
    {
        auto* button = Help().findChild<QAbstractButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    void ClickButton(const char* name)
    {
        if (QAbstractButton* button = Button(name))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    // A click on the page at a point of the page picture.
    void ClickPageAt(int x, int pageY)
    {
        HelpPageView& view = *Help().View();
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, pageY - view.ScrollPosition()));
    }

    TestProgram program;
};

struct MenuCase
{
    Stage Window;
    const char* Item;
    const char* Page;
};

std::string MenuCaseName(const ::testing::TestParamInfo<MenuCase>& info)
{
    const char* window = info.param.Window == Stage::DepthMap  ? "DepthMap"
                         : info.param.Window == Stage::TileMap ? "TileMap"
                                                               : "Afterburner";
    return std::string(window) + "_" + info.param.Item;
}

class HelpMenuTest : public HelpWindowTest, public ::testing::WithParamInterface<MenuCase>
{
};

TEST_P(HelpMenuTest, OpensTheHelpWindowOnItsPage)
{
    const MenuCase c = GetParam();
    StageWindow& window = ShowStage(c.Window);
    ASSERT_FALSE(Help().isVisible());
    ChooseMenuItem(window, "Hilfe1", c.Item);

    EXPECT_TRUE(Help().isVisible());
    EXPECT_EQ(PageName(Help()), c.Page);
    EXPECT_TRUE(Help().Page().PageFound());
    EXPECT_FALSE(Help().Page().Lines().isEmpty());
    EXPECT_GT(Help().Page().Height(), HelpWindowLook().TitleHeight);
}

INSTANTIATE_TEST_SUITE_P(
    AllStageWindows, HelpMenuTest,
    ::testing::Values(MenuCase{Stage::DepthMap, "Index1", "index.l2h"},
                      MenuCase{Stage::DepthMap, "Gettingstarted1", "getting_started.l2h"},
                      MenuCase{Stage::DepthMap, "Contact1", "contact.l2h"},
                      MenuCase{Stage::TileMap, "Index1", "index.l2h"},
                      MenuCase{Stage::TileMap, "Gettingstarted1", "getting_started.l2h"},
                      MenuCase{Stage::TileMap, "Contact1", "contact.l2h"},
                      MenuCase{Stage::Afterburner, "Index1", "index.l2h"},
                      MenuCase{Stage::Afterburner, "Gettingstarted1", "getting_started.l2h"},
                      MenuCase{Stage::Afterburner, "Contact1", "contact.l2h"}),
    MenuCaseName);

TEST_F(HelpWindowTest, StartsOnTheIndexWithoutShowing)
{
    EXPECT_FALSE(Help().isVisible());
    EXPECT_EQ(PageName(Help()), "index.l2h");
    EXPECT_EQ(Help().Page().History().Entries().size(), 1);
}

TEST_F(HelpWindowTest, HomeShowsTheIndexAndBackAndForwardShowOnlyWhenPossible)
{
    Context().Show_Help("getting_started.l2h");
    EXPECT_TRUE(Button("Button_Back")->isVisible()); // the index came first
    EXPECT_FALSE(Button("Button_Forward")->isVisible());

    ClickButton("Button_Home");
    EXPECT_EQ(PageName(Help()), "index.l2h");
    ClickButton("Button_Back");
    EXPECT_EQ(PageName(Help()), "getting_started.l2h");
    EXPECT_TRUE(Button("Button_Forward")->isVisible());
    ClickButton("Button_Forward");
    EXPECT_EQ(PageName(Help()), "index.l2h");
    EXPECT_FALSE(Button("Button_Forward")->isVisible());
    EXPECT_TRUE(Button("Button_Back")->isVisible());
}

TEST_F(HelpWindowTest, ClickingALinkOnThePageFollowsIt)
{
    Context().Show_Help("index.l2h");
    const std::vector<HelpLinkArea>& links = Help().Page().Links();
    const auto toStart = std::find_if(links.begin(), links.end(), [](const HelpLinkArea& a) {
        return a.Target == "getting_started.l2h";
    });
    ASSERT_NE(toStart, links.end());
    const HelpLinkArea area = *toStart;
    ClickPageAt(area.Left + 1, area.Top + 1);
    EXPECT_EQ(PageName(Help()), "getting_started.l2h");
    // Off the link nothing happens.
    ClickPageAt(Help().View()->width() - 1, Help().Page().Height() - 1);
    EXPECT_EQ(PageName(Help()), "getting_started.l2h");
}

TEST_F(HelpWindowTest, TheLinkCursorShowsOverLinksOnly)
{
    Context().Show_Help("index.l2h");
    HelpPageView& view = *Help().View();
    // Distinct cursors, so that the test sees which one the page chose.
    Help().SetCursors(QCursor(Qt::OpenHandCursor), QCursor(Qt::PointingHandCursor));
    const HelpLinkArea area = Help().Page().Links().at(0);
    MoveOver(view, QPoint(area.Left + 1, area.Top + 1 - view.ScrollPosition()));
    EXPECT_EQ(view.cursor().shape(), Qt::PointingHandCursor);
    MoveOver(view, QPoint(view.width() - 2, 2));
    EXPECT_EQ(view.cursor().shape(), Qt::OpenHandCursor);
    // Following a link puts the page cursor back.
    MoveOver(view, QPoint(area.Left + 1, area.Top + 1 - view.ScrollPosition()));
    ClickPageAt(area.Left + 1, area.Top + 1);
    EXPECT_EQ(view.cursor().shape(), Qt::OpenHandCursor);
}

TEST_F(HelpWindowTest, DraggingThePageScrollsIt)
{
    Context().Show_Help("getting_started.l2h");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Help()));
    QScrollBar& bar = *Help().ScrollBar();
    ASSERT_GT(bar.maximum(), 100) << "the page is shorter than the window";
    EXPECT_EQ(bar.value(), 0);
    HelpPageView& view = *Help().View();
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 200));
    MoveOver(view, QPoint(50, 150), Qt::LeftButton);
    MoveOver(view, QPoint(50, 120), Qt::LeftButton);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 120));
    EXPECT_EQ(bar.value(), 80);
    EXPECT_EQ(view.ScrollPosition(), 80);
    // The scroll bar scrolls the page too.
    bar.setValue(30);
    EXPECT_EQ(view.ScrollPosition(), 30);
    // A new page starts at its top.
    ClickButton("Button_Home");
    EXPECT_EQ(bar.value(), 0);
}

TEST_F(HelpWindowTest, TheTitleBandQuestionMarkShowsHowToUseTheHelpAndXCloses)
{
    Context().Show_Help("index.l2h");
    ClickButton("Button_Help");
    EXPECT_EQ(PageName(Help()), "about_help.l2h");
    EXPECT_TRUE(Help().Page().PageFound());
    ClickButton("Button_X");
    EXPECT_FALSE(Help().isVisible());
    Context().Show_Help("index.l2h");
    ClickButton("Button_Close");
    EXPECT_FALSE(Help().isVisible());
}

TEST_F(HelpWindowTest, TheRenderOptionsQuestionMarkShowsItsPageOverTheDialog)
{
    bool shown = false;
    test::AnswerModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "Render_opt");
        test::Click(dialog, "HilfeButton");
        shown = Help().isVisible();
        EXPECT_EQ(PageName(Help()), "render_settings_dialog.l2h");
        EXPECT_TRUE(Help().Page().PageFound());
        // The help can be used while the dialog waits.
        EXPECT_EQ(QApplication::activeModalWidget(), &Help());
        ClickButton("Button_Close");
        test::Click(dialog, "AbbruchButton");
    });
    Context().RenderOptionsCommand(Context().Vorlage());
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Help().isVisible());
    // Shown from a menu afterwards it is an ordinary window again.
    Context().Show_Help("index.l2h");
    EXPECT_EQ(Help().windowModality(), Qt::NonModal);
}

TEST_F(HelpWindowTest, TheNewProjectQuestionMarkShowsItsPage)
{
    test::AnswerModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "NeuesProj");
        test::Click(dialog, "HilfeButton");
        EXPECT_TRUE(Help().isVisible());
        EXPECT_EQ(PageName(Help()), "new_project.l2h");
        EXPECT_TRUE(Help().Page().PageFound());
        ClickButton("Button_X");
        test::Click(dialog, "AbbruchButton");
    });
    Context().NewProject(Context().Vorlage());
}

TEST_F(HelpWindowTest, DevelopmentShowsTheLogOfTheLanguageAppliedAtStartUp)
{
    ChooseMenuItem(Context().Vorlage(), "Hilfe1", "Development1");
    TDevelop& develop = Context().Help().Develop();
    EXPECT_TRUE(develop.isVisible());
    const QStringList log = develop.Log();
    EXPECT_EQ(log, Context().Languages().Log());
    ASSERT_GE(log.size(), 4);
    EXPECT_EQ(log[0], "Loading Language file...");
    EXPECT_EQ(log[2], "File path: " + program.Installation().Path("languages/English.l2l"));
    EXPECT_EQ(log.last(), "...Loading. Ready !");
    develop.close();
}

TEST_F(HelpWindowTest, InfoShowsTheAboutBox)
{
    QString version;
    QString name;
    StageWindow& afterburner = ShowStage(Stage::Afterburner);
    ChooseMenuItem(afterburner, "Hilfe1", "Info1", [&] {
        test::AnswerModal([&](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), "Info");
            name = test::Child<QLabel>(dialog, "ProgramLabel")->text();
            version = test::Child<QLabel>(dialog, "VersionLabel")->text();
            test::Click(dialog, "Button_OK");
        });
    });
    EXPECT_EQ(name, "Lumora Release 2");
    EXPECT_EQ(version, Context().Texts().DisplayText(u"Version") + TInfo::ProgramVersion());
    EXPECT_FALSE(TInfo::ProgramVersion().isEmpty());
}

TEST_F(HelpWindowTest, TheAboutBoxShowsTheCreditsPage)
{
    test::AnswerModal([&](QDialog& dialog) {
        test::Click(dialog, "Button_Credits");
        EXPECT_TRUE(Help().isVisible());
        EXPECT_EQ(PageName(Help()), "credits.l2h");
        ClickButton("Button_Close");
        test::Click(dialog, "Button_OK");
    });
    Context().Help().ShowInfo("Version: ");
}

TEST_F(HelpWindowTest, OnlineOpensTheProgramsWebPage)
{
    QList<QUrl> opened;
    Context().Help().SetUrlOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    ChooseMenuItem(ShowStage(Stage::TileMap), "Hilfe1", "LumoraRelease2online1");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], HelpWindows::WebPage());
    EXPECT_EQ(opened[0].scheme(), "https");
}

TEST_F(HelpWindowTest, APageThatStopsDrawingTellsTheUser)
{
    program.Installation().Write("help/english/broken.l2h",
                                 "Broken\r\nabove\r\n<I>pic.bmp|wide|20</I>\r\n");
    ModalScript script({test::Ok()});
    Context().Show_Help("broken.l2h");
    QTest::qWait(50);
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_EQ(script.Messages()[0], "'wide' is not a valid integer value");
    EXPECT_EQ(PageName(Help()), "broken.l2h");
}

TEST_F(HelpWindowTest, AMissingPageShowsNone)
{
    Context().Show_Help("no_such_page.l2h");
    EXPECT_TRUE(Help().isVisible());
    EXPECT_FALSE(Help().Page().PageFound());
    EXPECT_EQ(Help().Page().Height(), Help().View()->height());
    EXPECT_TRUE(Button("Button_Back")->isVisible());
}

TEST_F(HelpWindowTest, AWiderWindowWrapsThePageAnew)
{
    Context().Show_Help("getting_started.l2h");
    const int narrowHeight = Help().Page().Height();
    Help().resize(Help().width() + 300, Help().height());
    QApplication::processEvents();
    EXPECT_EQ(Help().Page().Width(), Help().View()->width());
    EXPECT_LT(Help().Page().Height(), narrowHeight);
    EXPECT_EQ(Help().Page().History().Entries().size(), 2);
}

TEST_F(HelpWindowTest, ThePlaceOfTheHelpWindowIsKeptBetweenRuns)
{
    Help().move(123, 77);
    ApplicationSettings settings;
    Context().Help().StoreHelpWindowPlace(settings);
    EXPECT_EQ(settings.Help_pos_x, 123);
    EXPECT_EQ(settings.Help_pos_y, 77);
    settings.Help_pos_x = 40;
    Context().Help().PlaceHelpWindow(settings);
    EXPECT_EQ(Help().x(), 40);
}

TEST_F(HelpWindowTest, LeavingTheProgramStoresThePlaceOfTheHelpWindow)
{
    Context().Show_Help("index.l2h");
    Help().move(141, 93);
    ASSERT_TRUE(Context().CloseQuery(Context().Vorlage()));
    EXPECT_FALSE(Help().isVisible());
    ApplicationSettings stored;
    SettingsStore(program.SettingsFile()).LoadSettings(stored);
    EXPECT_EQ(stored.Help_pos_x, 141);
    EXPECT_EQ(stored.Help_pos_y, 93);
}

TEST(HelpWindowLanguage, TheGermanFileTranslatesTheHelpWindowAndMenu)
{
    TestProgram program({}, "Deutsch");
    ASSERT_TRUE(program.Started());
    THelp& help = program.Program().Help().Help();
    EXPECT_EQ(help.findChild<QPushButton*>("Button_Back")->text(), QString::fromUtf8("Zurück"));
    EXPECT_EQ(help.findChild<QPushButton*>("Button_Close")->text(), QString::fromUtf8("Schließen"));
    EXPECT_EQ(help.windowTitle(), "Hilfe");
    QMenu* menu = program.Program().Kachel().findChild<QMenu*>("Hilfe1");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Hilfe");
    EXPECT_EQ(program.Program().Kachel().findChild<QAction*>("Index1")->text(), "Inhalt...");
    EXPECT_EQ(HelpEntriesNotFound(program.Program().Languages().Log()), QStringList());
}

TEST(HelpWindowLanguage, TheEnglishFileNamesTheHelpMenu)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    QMenu* menu = program.Program().Vorlage().findChild<QMenu*>("Hilfe1");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Help");
    EXPECT_EQ(program.Program().Help().Help().windowTitle(), "Help");
    EXPECT_EQ(HelpEntriesNotFound(program.Program().Languages().Log()), QStringList());
}

} // namespace
} // namespace lumora
