// Switching the language at run time, in the preferences: every text of
// every window and dialog follows the chosen file, in both directions.
#include "ui/shell/shell_test_support.h"

#include "app/language_file.h"
#include "app/language_line.h"
#include "ui/app/tlibinfo.h"
#include "ui/app/tlibrary_form.h"
#include "ui/app/tprefs.h"
#include "ui/app/tprogress_form.h"
#include "ui/app/twelcomescreen.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <map>

namespace lumora {
namespace {

using test::ModalScript;
using test::TestProgram;

// window section -> component (lower case) -> caption, as a file has them.
using Captions = std::map<QString, std::map<QString, QString>>;

Captions CaptionsOf(const QString& path)
{
    QStringList lines;
    bool official = false;
    EXPECT_TRUE(ReadLanguageFile(path, lines, official)) << path.toStdString();
    Captions captions;
    QString section;
    for (const QString& text : lines) {
        const LanguageLine line = LanguageLine::Parse(text);
        if (line.LineKind == LanguageLine::Kind::Section)
            section = line.Section;
        else if (line.LineKind == LanguageLine::Kind::Entry && line.Property == "Caption")
            captions[section][line.Component.toLower()] = line.Value;
    }
    return captions;
}

// Texts that are no captions of the window's design: a library's or a
// language's own texts, the message shown, the current hint.
bool IsShownValue(const QString& name)
{
    return name.endsWith("Text") || name == "Message_Label" || name == "Hint_Label";
}

// The caption of every named component and of the window itself (under
// its own name).
std::map<QString, QString> ShownCaptions(const QWidget& window)
{
    std::map<QString, QString> shown;
    shown[window.objectName().toLower()] = window.windowTitle();
    for (QObject* object : window.findChildren<QObject*>()) {
        if (object->objectName().isEmpty() || IsShownValue(object->objectName()))
            continue;
        QString text;
        if (auto* action = qobject_cast<QAction*>(object); action && !action->menu())
            text = action->text();
        else if (auto* menu = qobject_cast<QMenu*>(object))
            text = menu->title();
        else if (auto* label = qobject_cast<QLabel*>(object))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            text = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(object))
            text = group->title();
        if (!text.isEmpty())
            shown[object->objectName().toLower()] = text;
    }
    return shown;
}

// Every window of the program that a language file names.
std::vector<const QWidget*> LanguageWindows(ProgramContext& context)
{
    std::vector<const QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (LanguageWindowSections().contains(widget->objectName(), Qt::CaseInsensitive))
            windows.push_back(widget);
    }
    (void)context;
    return windows;
}

// Whether each window shows the file's caption for each of its captions.
void ExpectCaptionsOf(ProgramContext& context, const QString& file)
{
    const Captions captions = CaptionsOf(file);
    const std::vector<const QWidget*> windows = LanguageWindows(context);
    EXPECT_GE(windows.size(), 12u);
    for (const QWidget* window : windows) {
        const QString section = window->objectName();
        SCOPED_TRACE(section.toStdString());
        ASSERT_TRUE(captions.count(section)) << "no section";
        const auto& fileCaptions = captions.at(section);
        for (const auto& [component, text] : ShownCaptions(*window)) {
            if (component == section.toLower() &&
                (section == "Vorlage" || section == "Kachel" || section == "Nachbrenner" ||
                 section == "Progress_Form"))
                continue; // the project's name, the operation's caption
            const auto entry = fileCaptions.find(component);
            ASSERT_NE(entry, fileCaptions.end()) << component.toStdString() << " has no entry";
            EXPECT_EQ(text, entry->second) << component.toStdString();
        }
    }
}

void ChooseAndConfirm(ProgramContext& context, const QString& language)
{
    ModalScript script({{"Prefs", [language](QWidget& prefs) {
                             test::Click("SpracheButton")(prefs);
                             auto* list = prefs.findChild<QListWidget*>("LanguageList");
                             const auto items = list->findItems(language, Qt::MatchExactly);
                             ASSERT_EQ(items.size(), 1);
                             QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                                               list->visualItemRect(items[0]).center());
                             test::Click("OKButton")(prefs);
                         }}});
    context.Kachel().findChild<QAction*>("Voreinstellungen1")->trigger();
}

TEST(LanguageSwitch, EveryWindowFollowsEitherFileAtRunTime)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    ProgramContext& context = program.Program();
    const QString english = program.Installation().Path("languages/English.l2l");
    const QString german = program.Installation().Path("languages/Deutsch.l2l");
    ExpectCaptionsOf(context, english);

    ChooseAndConfirm(context, "Deutsch");
    EXPECT_EQ(context.Languages().CurrentLanguageName(), "Deutsch");
    ExpectCaptionsOf(context, german);
    EXPECT_EQ(context.Vorlage().windowTitle(), "Lumora Release 2 - Unbenannt");
    EXPECT_EQ(context.Nachbrenner().windowTitle(), "Lumora Release 2 - Unbenannt");
    for (Stage stage : {Stage::DepthMap, Stage::TileMap, Stage::Afterburner})
        EXPECT_EQ(context.Window(stage).findChild<QMenu*>("Datei1")->title(), "&Datei");

    ChooseAndConfirm(context, "English - default");
    ExpectCaptionsOf(context, english);
    EXPECT_EQ(context.Vorlage().windowTitle(), "Lumora Release 2 - Untitled");
}

TEST(LanguageSwitch, TheDialogOpenWhileTheLanguageChangesFollowsIt)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    ProgramContext& context = program.Program();
    QString captionBeforeOk;
    QString captionAfterApplying;
    QString buttonAfterApplying;
    ModalScript script(
        {{"Prefs", [&](QWidget& prefs) {
              captionBeforeOk = prefs.windowTitle();
              test::Click("SpracheButton")(prefs);
              auto* list = prefs.findChild<QListWidget*>("LanguageList");
              const auto items = list->findItems("Deutsch", Qt::MatchExactly);
              ASSERT_EQ(items.size(), 1);
              list->setCurrentItem(items[0]);
              // The dialog is still open when the language is applied.
              QObject::connect(static_cast<QDialog*>(&prefs), &QDialog::accepted, [&] {
                  captionAfterApplying = prefs.windowTitle();
                  buttonAfterApplying = prefs.findChild<QAbstractButton*>("GeneralButton")->text();
              });
              test::Click("OKButton")(prefs);
          }}});
    context.Vorlage().findChild<QAction*>("Voreinstellungen1")->trigger();
    EXPECT_EQ(captionBeforeOk, "Preferences");
    EXPECT_EQ(captionAfterApplying, "Voreinstellungen");
    EXPECT_EQ(buttonAfterApplying, "Allgemein");
    EXPECT_EQ(context.LibraryForm().findChild<QAbstractButton*>("ImportButton")->text(),
              "Bibliothek importieren...");
    EXPECT_EQ(context.WelcomeScreen().findChild<QAbstractButton*>("EndeLink")->text(), "Ende");
    EXPECT_EQ(context.LibInfo().findChild<QAbstractButton*>("CloseButton")->text(), "Schließen");
}

// Every text-bearing control of the windows of the libraries, the welcome
// screen and the preferences has a name a language file can reach.
TEST(LanguageSwitch, EveryTextBearingControlHasAName)
{
    TestProgram program;
    ASSERT_TRUE(program.Started());
    ProgramContext& context = program.Program();
    for (const QWidget* window : {static_cast<const QWidget*>(&context.Prefs()),
                                  static_cast<const QWidget*>(&context.WelcomeScreen()),
                                  static_cast<const QWidget*>(&context.LibraryForm()),
                                  static_cast<const QWidget*>(&context.LibInfo())}) {
        SCOPED_TRACE(window->objectName().toStdString());
        for (const QWidget* c : window->findChildren<QWidget*>()) {
            if (qobject_cast<const QLabel*>(c) || qobject_cast<const QAbstractButton*>(c) ||
                qobject_cast<const QGroupBox*>(c)) {
                EXPECT_FALSE(c->objectName().isEmpty()) << c->metaObject()->className();
            }
        }
    }
}

} // namespace
} // namespace lumora
