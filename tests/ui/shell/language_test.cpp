// Every text of the stage windows, the message box, the progress window and
// the help window comes from the language file chosen by the setting "Language".
#include "shell_test_support.h"
#include "ui/help/help_windows.h"
#include "ui/help/thelp.h"

#include "app/language_file.h"
#include "app/language_line.h"
#include "ui/app/tprogress_form.h"
#include "ui/depthmap/tgreypicker.h"
#include "ui/depthmap/trename_dm_obj.h"
#include "ui/depthmap/ttool_ellipse.h"
#include "ui/depthmap/ttool_line.h"
#include "ui/depthmap/ttool_polygon.h"
#include "ui/depthmap/ttool_rectangle.h"
#include "ui/depthmap/ttool_text.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <map>

namespace lumora {
namespace {

using test::TestProgram;

// window section -> component -> caption, as the installed file has them.
using Captions = std::map<QString, std::map<QString, QString>>;

Captions CaptionsOf(const QString& path)
{
    QStringList lines;
    bool official = false;
    EXPECT_TRUE(ReadLanguageFile(path, lines, official));
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

// The text every named component of a window shows.
std::map<QString, QString> ShownTexts(const QWidget& window)
{
    std::map<QString, QString> shown;
    for (QObject* object : window.findChildren<QObject*>()) {
        if (object->objectName().isEmpty())
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

struct LanguageCase
{
    const char* Setting;
    const char* File;
    const char* Untitled;
};

class LanguageSwitch : public ::testing::TestWithParam<LanguageCase>
{
};

TEST_P(LanguageSwitch, EveryTextComesFromTheChosenFile)
{
    const LanguageCase& c = GetParam();
    TestProgram program({}, QString::fromUtf8(c.Setting));
    ASSERT_TRUE(program.Started());
    ProgramContext& context = program.Program();
    EXPECT_EQ(context.Languages().CurrentLanguageName(), QString::fromUtf8(c.Setting));
    const Captions captions =
        CaptionsOf(program.Installation().Path(QStringLiteral("languages/%1.l2l").arg(c.File)));
    const std::pair<const char*, const QWidget*> windows[] = {
        {"Vorlage", &context.Vorlage()},
        {"Kachel", &context.Kachel()},
        {"Nachbrenner", &context.Nachbrenner()},
        {"Message_Form", &context.MessageForm()},
        {"Progress_Form", &context.ProgressForm()},
        {"Tool_Rectangle", &context.Tool_Rectangle()},
        {"Tool_Ellipse", &context.Tool_Ellipse()},
        {"Tool_Line", &context.Tool_Line()},
        {"Tool_Polygon", &context.Tool_Polygon()},
        {"Tool_Text", &context.Tool_Text()},
        {"Rename_dm_obj", &context.Rename_dm_obj()},
        {"GreyPicker", &context.GreyPicker()},
        {"Help", &context.Help().Help()},
    };
    for (const auto& [section, window] : windows) {
        ASSERT_TRUE(captions.count(section)) << section;
        const auto& fileCaptions = captions.at(section);
        const std::map<QString, QString> shown = ShownTexts(*window);
        EXPECT_FALSE(shown.empty()) << section;
        for (const auto& [component, text] : shown) {
            const auto entry = fileCaptions.find(component);
            ASSERT_NE(entry, fileCaptions.end())
                << section << "." << component.toStdString() << " has no entry";
            EXPECT_EQ(text, entry->second) << section << "." << component.toStdString();
        }
    }
    EXPECT_EQ(context.Vorlage().windowTitle(),
              QString("Lumora Release 2 - ") + QString::fromUtf8(c.Untitled));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageSwitch,
                         ::testing::Values(LanguageCase{"English - default", "English", "Untitled"},
                                           LanguageCase{"Deutsch", "Deutsch", "Unbenannt"}),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) {
                             return std::string(info.param.File);
                         });

// Every window entry of both files names a component of a window.
TEST_P(LanguageSwitch, NoEntryNamesAMissingComponent)
{
    TestProgram program({}, QString::fromUtf8(GetParam().Setting));
    ASSERT_TRUE(program.Started());
    const QStringList& log = program.Program().Languages().Log();
    ASSERT_FALSE(log.isEmpty());
    for (const QString& line : log)
        EXPECT_FALSE(line.startsWith("Error")) << line.toStdString();
}

TEST(LanguageTexts, MessagesFollowTheLanguage)
{
    TestProgram program({}, "Deutsch");
    ASSERT_TRUE(program.Started());
    program.CurrentProject().DepthEdited();
    test::ModalScript script({test::Cancel()});
    EXPECT_FALSE(program.Program().Vorlage().close());
    EXPECT_EQ(script.Messages(), QStringList{"Das aktuelle Projekt wurde verändert.\n"
                                             "Sollen die Änderungen gespeichert werden?"});
}

} // namespace
} // namespace lumora
