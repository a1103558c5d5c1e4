// The preferences: reached from the "Datei" menu of every stage window,
// its three pages, "Abbruch" changing nothing, "Set as default" storing at
// once, the guarded slider and field, the undo limit, the languages.
#include "ui/shell/shell_test_support.h"

#include "history/history_list_dm.h"
#include "language_file_writer.h"
#include "ui/app/tprefs.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>

namespace lumora {
namespace {

using test::ModalScript;
using test::ModalStep;
using test::TestProgram;

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

ModalStep OnPrefs(std::function<void(QWidget&)> act)
{
    return {"Prefs", std::move(act)};
}

// Selects the whole text of the field and types text over it.
void TypeInto(QWidget& window, const char* field, const QString& text)
{
    auto* spin = window.findChild<QSpinBox*>(field);
    ASSERT_NE(spin, nullptr) << field;
    spin->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, text);
}

void ChooseLanguage(QWidget& prefs, const QString& name)
{
    test::Click("SpracheButton")(prefs);
    auto* list = prefs.findChild<QListWidget*>("LanguageList");
    ASSERT_NE(list, nullptr);
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(items[0]).center());
    ASSERT_EQ(list->currentItem(), items[0]);
}

void OpenPreferences(StageWindow& window)
{
    auto* action = window.findChild<QAction*>("Voreinstellungen1");
    ASSERT_NE(action, nullptr);
    action->trigger();
}

TEST(Prefs, EveryStageWindowReachesThemFromItsFileMenu)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    ProgramContext& context = program.Program();
    for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner}) {
        StageWindow& window = context.Window(stage);
        SCOPED_TRACE(window.objectName().toStdString());
        auto* file = window.findChild<QMenu*>("Datei1");
        ASSERT_NE(file, nullptr);
        auto* action = window.findChild<QAction*>("Voreinstellungen1");
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(file->actions().contains(action));
        EXPECT_EQ(action->text(), "Preferences...");
        QString caption;
        TPrefs::Page page = TPrefs::Page::Language;
        ModalScript script({OnPrefs([&](QWidget& prefs) {
            caption = prefs.windowTitle();
            page = static_cast<TPrefs&>(prefs).CurrentPage();
            test::Click("AbbruchButton")(prefs);
        })});
        action->trigger();
        EXPECT_EQ(caption, "Preferences");
        EXPECT_EQ(page, TPrefs::Page::General);
    }
}

TEST(Prefs, PageButtonsShowOnePageEach)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    std::vector<std::pair<TPrefs::Page, QString>> shown;
    ModalScript script({OnPrefs([&](QWidget& window) {
        auto& prefs = static_cast<TPrefs&>(window);
        auto* pages = prefs.findChild<QStackedWidget*>("Pages");
        for (const char* button : {"ProjectSaveButton", "SpracheButton", "GeneralButton"}) {
            test::Click(button)(prefs);
            shown.emplace_back(prefs.CurrentPage(), pages->currentWidget()->objectName());
            int visible = 0;
            for (const char* page : {"GeneralPage", "LanguagePage", "ProjectPage"})
                visible += prefs.findChild<QWidget*>(page)->isVisible() ? 1 : 0;
            EXPECT_EQ(visible, 1) << button;
        }
        test::Click("AbbruchButton")(prefs);
    })});
    OpenPreferences(program.Program().Kachel());
    EXPECT_EQ(shown, (std::vector<std::pair<TPrefs::Page, QString>>{
                         {TPrefs::Page::ProjectSave, "ProjectPage"},
                         {TPrefs::Page::Language, "LanguagePage"},
                         {TPrefs::Page::General, "GeneralPage"}}));
}

TEST(Prefs, AbbruchKeepsTheOldQualityAndOkTakesTheNewOne)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    ApplicationSettings& settings = program.Program().Settings();
    ASSERT_EQ(settings.Project_image_quality, 80);
    int sliderAfterTyping = -1;
    int fieldAfterSliding = -1;
    int fieldOnOpening = -1;
    ModalScript script({OnPrefs([&](QWidget& prefs) {
                            test::Click("ProjectSaveButton")(prefs);
                            TypeInto(prefs, "QualityEdit", "35");
                            sliderAfterTyping = prefs.findChild<QSlider*>("QualitySlider")->value();
                            test::Click("AbbruchButton")(prefs);
                        }),
                        OnPrefs([&](QWidget& prefs) {
                            test::Click("ProjectSaveButton")(prefs);
                            fieldOnOpening = prefs.findChild<QSpinBox*>("QualityEdit")->value();
                            auto* slider = prefs.findChild<QSlider*>("QualitySlider");
                            slider->setFocus();
                            QTest::keyClick(slider, Qt::Key_PageDown); // one page step, 10
                            QTest::keyClick(slider, Qt::Key_Left);
                            fieldAfterSliding = prefs.findChild<QSpinBox*>("QualityEdit")->value();
                            test::Click("OKButton")(prefs);
                        })});
    OpenPreferences(program.Program().Vorlage());
    EXPECT_EQ(sliderAfterTyping, 35);
    EXPECT_EQ(settings.Project_image_quality, 80);
    OpenPreferences(program.Program().Vorlage());
    EXPECT_EQ(fieldOnOpening, 80);
    EXPECT_EQ(fieldAfterSliding, 69);
    EXPECT_EQ(settings.Project_image_quality, 69);
}

TEST(Prefs, SliderAndFieldDoNotEchoEachOther)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    int sliderChanges = 0;
    int fieldChanges = 0;
    int afterReset = -1;
    ModalScript script({OnPrefs([&](QWidget& prefs) {
        test::Click("ProjectSaveButton")(prefs);
        auto* slider = prefs.findChild<QSlider*>("QualitySlider");
        auto* field = prefs.findChild<QSpinBox*>("QualityEdit");
        QObject::connect(slider, &QSlider::valueChanged, [&] { ++sliderChanges; });
        QObject::connect(field, &QSpinBox::valueChanged, [&] { ++fieldChanges; });
        TypeInto(prefs, "QualityEdit", "57"); // 5, then 57
        EXPECT_EQ(slider->value(), 57);
        // The slider does not write back into the field being typed in.
        TypeInto(prefs, "QualityEdit", "07");
        EXPECT_EQ(field->text(), "07");
        EXPECT_EQ(slider->value(), 7);
        test::Click("QualityResetButton")(prefs);
        afterReset = slider->value();
        test::Click("AbbruchButton")(prefs);
    })});
    OpenPreferences(program.Program().Vorlage());
    // Each value once on either side: 5, 57, 0, 7 and 80.
    EXPECT_EQ(sliderChanges, 5);
    EXPECT_EQ(fieldChanges, 5);
    EXPECT_EQ(afterReset, 80);
}

TEST(Prefs, SetAsDefaultBeforeAbbruchHasStoredTheRenderOptions)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    program.CurrentProject().Options.RenderOptions_RenderDPI = 150;
    program.CurrentProject().Options.RenderOptions_Settings_max3dtiefe = 12.5;
    ASSERT_EQ(SettingsStore(program.SettingsFile()).LoadRenderOptions().RenderOptions_RenderDPI,
              72);
    ModalScript script({OnPrefs([](QWidget& prefs) {
        test::Click("SetDefaultButton")(prefs);
        test::Click("AbbruchButton")(prefs);
    })});
    OpenPreferences(program.Program().Nachbrenner());
    const RenderOptions stored = SettingsStore(program.SettingsFile()).LoadRenderOptions();
    EXPECT_EQ(stored.RenderOptions_RenderDPI, 150);
    EXPECT_EQ(stored.RenderOptions_Settings_max3dtiefe, 12.5);
}

TEST(Prefs, UndoStepsReachTheUndoHistory)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    ASSERT_EQ(program.Program().History().MaxSteps(), 20);
    int afterReset = -1;
    ModalScript script({OnPrefs([](QWidget& prefs) {
                            TypeInto(prefs, "UndoStepsEdit", "5");
                            test::Click("OKButton")(prefs);
                        }),
                        OnPrefs([&](QWidget& prefs) {
                            EXPECT_EQ(prefs.findChild<QSpinBox*>("UndoStepsEdit")->value(), 5);
                            TypeInto(prefs, "UndoStepsEdit", "300"); // the field stops at 100
                            EXPECT_LE(prefs.findChild<QSpinBox*>("UndoStepsEdit")->value(), 100);
                            test::Click("UndoResetButton")(prefs);
                            afterReset = prefs.findChild<QSpinBox*>("UndoStepsEdit")->value();
                            test::Click("AbbruchButton")(prefs);
                        })});
    OpenPreferences(program.Program().Vorlage());
    EXPECT_EQ(program.Program().History().MaxSteps(), 5);
    EXPECT_EQ(program.Program().Settings().Max_Undo_Steps, 5);
    OpenPreferences(program.Program().Vorlage());
    EXPECT_EQ(afterReset, 20);
    EXPECT_EQ(program.Program().History().MaxSteps(), 5);
    // What "OK" set is stored at exit.
    EXPECT_TRUE(program.Program().Vorlage().close());
    ApplicationSettings stored;
    SettingsStore(program.SettingsFile()).LoadSettings(stored);
    EXPECT_EQ(stored.Max_Undo_Steps, 5);
}

TEST(Prefs, StartDialogCheckIsTheOppositeOfTheWelcomeScreensBox)
{
    TestProgram program; // stores "Don't show this dialog again"
    ASSERT_TRUE(program.Started());
    bool shownOnOpening = true;
    ModalScript script({OnPrefs([&](QWidget& prefs) {
        auto* box = prefs.findChild<QCheckBox*>("StartDialogCheck");
        shownOnOpening = box->isChecked();
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        test::Click("OKButton")(prefs);
    })});
    OpenPreferences(program.Program().Vorlage());
    EXPECT_FALSE(shownOnOpening);
    EXPECT_FALSE(program.Program().Settings().WelcomeDialog);
}

TEST(Prefs, HelpButtonAsksForThePreferencesPage)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    QStringList pages;
    program.Program().Prefs().SetShowHelp([&pages](const QString& page) { pages << page; });
    ModalScript script({OnPrefs([](QWidget& prefs) {
        test::Click("HelpButton")(prefs);
        test::Click("AbbruchButton")(prefs);
    })});
    OpenPreferences(program.Program().Vorlage());
    EXPECT_EQ(pages, QStringList{"pref_dialog.l2h"});
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(LUMORA_SHARE_DIR "/help/english/") + pages[0]));
}

TEST(PrefsLanguage, ListShowsTheLanguagesAndTheDetailsOfTheSelectedOne)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    QStringList names;
    QString selected;
    QStringList englishDetails;
    QStringList germanDetails;
    const auto details = [](QWidget& prefs) {
        return QStringList{prefs.findChild<QLabel*>("AuthorText")->text(),
                           prefs.findChild<QLabel*>("ContactText")->text(),
                           prefs.findChild<QLabel*>("VersionText")->text()};
    };
    ModalScript script({OnPrefs([&](QWidget& prefs) {
        test::Click("SpracheButton")(prefs);
        auto* list = prefs.findChild<QListWidget*>("LanguageList");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        selected = list->currentItem() ? list->currentItem()->text() : QString();
        englishDetails = details(prefs);
        ChooseLanguage(prefs, "Deutsch");
        germanDetails = details(prefs);
        test::Click("AbbruchButton")(prefs);
    })});
    OpenPreferences(program.Program().Vorlage());
    EXPECT_EQ(names, (QStringList{"Deutsch", "English - default"}));
    EXPECT_EQ(selected, "English - default");
    const auto& entries = program.Program().Languages().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(englishDetails, (QStringList{entries[1].Author, entries[1].Contact, "2.0.0"}));
    EXPECT_EQ(germanDetails, (QStringList{entries[0].Author, entries[0].Contact, "2.0.0"}));
    // "Abbruch" applied nothing.
    EXPECT_EQ(program.Program().Languages().CurrentLanguageName(), "English - default");
    EXPECT_EQ(program.Program().Vorlage().findChild<QMenu*>("Datei1")->title(), "&File");
}

TEST(PrefsLanguage, ChoosingTheAppliedLanguageAndOkDoesNotReloadIt)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    ProgramContext& context = program.Program();
    const QStringList log = context.Languages().Log();
    ASSERT_FALSE(log.isEmpty());
    // Were the file read again, it would now bring German texts.
    const QString english = program.Installation().Path("languages/English.l2l");
    WriteBytes(english, ReadBytes(program.Installation().Path("languages/Deutsch.l2l")));
    ModalScript script({OnPrefs([](QWidget& prefs) {
        ChooseLanguage(prefs, "English - default");
        test::Click("OKButton")(prefs);
    })});
    OpenPreferences(context.Vorlage());
    EXPECT_EQ(context.Languages().Log(), log);
    EXPECT_EQ(context.Vorlage().findChild<QMenu*>("Datei1")->title(), "&File");
    EXPECT_EQ(context.Prefs().windowTitle(), "Preferences");
    EXPECT_EQ(context.Settings().Language, "English - default");
}

TEST(PrefsLanguage, LanguageFileDamagedSinceTheStartIsToldAndNothingChanges)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    ProgramContext& context = program.Program();
    WriteBytes(program.Installation().Path("languages/Deutsch.l2l"), "damaged since the start");
    ModalScript script({OnPrefs([](QWidget& prefs) {
                            ChooseLanguage(prefs, "Deutsch");
                            test::Click("OKButton")(prefs);
                        }),
                        test::Ok()});
    OpenPreferences(context.Vorlage());
    EXPECT_EQ(script.Messages(),
              QStringList{"The language file Deutsch.l2l cannot be read any more."});
    EXPECT_EQ(context.Languages().CurrentLanguageName(), "English - default");
    EXPECT_EQ(context.Settings().Language, "English - default");
    EXPECT_EQ(context.Vorlage().findChild<QMenu*>("Datei1")->title(), "&File");
}

TEST(PrefsLanguage, ImportRefusesADamagedFileAndTheInstalledLanguagesStay)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    const QString installed = program.Installation().Path("languages/Deutsch.l2l");
    const QByteArray before = ReadBytes(installed);
    QByteArray damaged = before;
    damaged.chop(40);
    const QString source = program.TempPath("Deutsch.l2l");
    WriteBytes(source, damaged);
    const QString foreign = program.TempPath("Picture.l2l");
    WriteBytes(foreign, "BM this is a picture");
    program.Dialogs->OpenAnswers = {source, foreign};
    QStringList listed;
    ModalScript script({OnPrefs([&](QWidget& prefs) {
                            test::Click("SpracheButton")(prefs);
                            test::Click("ImportLanguageButton")(prefs);
                            test::Click("ImportLanguageButton")(prefs);
                            auto* list = prefs.findChild<QListWidget*>("LanguageList");
                            for (int i = 0; i < list->count(); ++i)
                                listed << list->item(i)->text();
                            test::Click("AbbruchButton")(prefs);
                        }),
                        test::Ok(), test::Ok()});
    OpenPreferences(program.Program().Vorlage());
    ASSERT_EQ(script.Messages().size(), 2);
    EXPECT_EQ(script.Messages()[0], "The file Deutsch.l2l cannot be imported. The language file "
                                    "is damaged.");
    EXPECT_EQ(script.Messages()[1], "The file Picture.l2l cannot be imported. The file is not a "
                                    "Lumora R2 language file.");
    EXPECT_EQ(program.Dialogs->LastFilters, QStringList{"Lumora R2 Language (*.l2l)"});
    EXPECT_EQ(ReadBytes(installed), before);
    EXPECT_FALSE(QFileInfo::exists(program.Installation().Path("languages/Picture.l2l")));
    EXPECT_EQ(listed, (QStringList{"Deutsch", "English - default"}));
    EXPECT_EQ(program.Program().Languages().DisplayNames(), listed);
}

QStringList DanskLines()
{
    return {"[Header, a language of a translator]",
            "Version=2.0.0",
            "Language_Name=Dansk",
            "Translated_By=En Oversætter",
            "E-Mail=dansk@example.org",
            "[Vorlage, x]",
            "Datei1.Caption=&Fil",
            "[Kachel, x]",
            "Datei1.Caption=&Fil",
            "[Prefs, x]",
            "Prefs.Caption=Indstillinger"};
}

TEST(PrefsLanguage, ImportedUnofficialLanguageIsListedAndAppliedWithTheDisclaimer)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    const QString source = program.TempPath("Dansk.l2l");
    WriteBytes(source, EncodeLanguageFile(DanskLines(), false));
    program.Dialogs->OpenAnswers = {source};
    QStringList listed;
    ModalScript script({OnPrefs([&](QWidget& prefs) {
                            test::Click("SpracheButton")(prefs);
                            test::Click("ImportLanguageButton")(prefs);
                            auto* list = prefs.findChild<QListWidget*>("LanguageList");
                            for (int i = 0; i < list->count(); ++i)
                                listed << list->item(i)->text();
                            ChooseLanguage(prefs, "Dansk");
                            test::Click("OKButton")(prefs); // the disclaimer below
                        }),
                        test::Ok()});
    OpenPreferences(program.Program().Vorlage());
    EXPECT_EQ(listed, (QStringList{"Dansk", "Deutsch", "English - default"}));
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_EQ(script.Messages()[0],
              "The author of the language file \"Dansk\" is \"En Oversætter\". \n\n"
              "Orrin Hale will in no event be liable for the content of this language file !");
    ProgramContext& context = program.Program();
    EXPECT_EQ(context.Languages().CurrentLanguageName(), "Dansk");
    EXPECT_EQ(context.Settings().Language, "Dansk");
    EXPECT_EQ(context.Vorlage().findChild<QMenu*>("Datei1")->title(), "&Fil");
    EXPECT_EQ(context.Kachel().findChild<QMenu*>("Datei1")->title(), "&Fil");
    EXPECT_EQ(context.Prefs().windowTitle(), "Indstillinger");
    // What the file does not name keeps the texts of English.
    EXPECT_EQ(context.Nachbrenner().findChild<QMenu*>("Datei1")->title(), "&File");
    EXPECT_EQ(context.Vorlage().findChild<QAction*>("Voreinstellungen1")->text(), "Preferences...");
    EXPECT_TRUE(QFileInfo::exists(program.Installation().Path("languages/Dansk.l2l")));
}

TEST(PrefsLanguage, ImportUnderAnExistingNameAnsweredNoKeepsTheOldFile)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    const QString installed = program.Installation().Path("languages/Deutsch.l2l");
    const QByteArray before = ReadBytes(installed);
    QStringList lines = DanskLines();
    lines[2] = "Language_Name=Deutsch (neu)";
    const QString source = program.TempPath("Deutsch.l2l");
    WriteBytes(source, EncodeLanguageFile(lines, true));
    program.Dialogs->OpenAnswers = {source};
    ModalScript script({OnPrefs([](QWidget& prefs) {
                            test::Click("SpracheButton")(prefs);
                            test::Click("ImportLanguageButton")(prefs);
                            test::Click("AbbruchButton")(prefs);
                        }),
                        test::No()});
    OpenPreferences(program.Program().Vorlage());
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_EQ(script.Messages()[0], program.Program().Texts().MessageText(u"OverwriteFile"));
    EXPECT_EQ(ReadBytes(installed), before);
    EXPECT_EQ(program.Program().Languages().DisplayNames(),
              (QStringList{"Deutsch", "English - default"}));
}

} // namespace
} // namespace lumora
