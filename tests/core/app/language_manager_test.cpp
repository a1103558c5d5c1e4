// The language list: scanning a folder, choosing the language, applying a
// file's entries to the windows and the text tables, and importing.
#include "app/language_file.h"
#include "app/language_header.h"
#include "app/language_manager.h"
#include "app/language_widgets.h"
#include "app_test_support.h"
#include "common/lumora_error.h"
#include "language_file_writer.h"

#include <QTemporaryDir>
#include <map>
#include <set>

namespace lumora {
namespace {

// Windows with a few components; records every entry and disclaimer.
class FakeWidgets : public LanguageWidgets
{
public:
    struct Entry
    {
        QString Window, Component, Property, Value;
        bool operator==(const Entry&) const = default;
    };

    std::map<QString, std::set<QString>> Components = {
        {"Vorlage", {"datei1", "speichern1", "hint_label"}},
        {"Prefs", {"okbutton", "languagelist"}},
    };
    std::vector<Entry> Applied;
    QStringList Disclaimers;

    bool HasComponent(const QString& window, const QString& component) const override
    {
        const auto w = Components.find(window);
        return w != Components.end() && w->second.count(component.toLower()) > 0;
    }
    void ApplyEntry(const QString& window, const QString& component, const QString& property,
                    const QString& value) override
    {
        Applied.push_back({window, component, property, value});
    }
    void ShowDisclaimer(const QString& text) override { Disclaimers.append(text); }
};

QStringList HeaderLines(const QString& name, const QString& author = "A. Author")
{
    return {"[Header, about]", "Version=2.0.0", "Language_Name=" + name, "Translated_By=" + author,
            "E-Mail=someone@example.org"};
}

class LanguageManagerTest : public ::testing::Test
{
protected:
    QString Write(const QString& fileName, const QStringList& lines, bool official = true)
    {
        const QString path = dir_.filePath(fileName);
        test::WriteFile(path, EncodeLanguageFile(lines, official));
        return path;
    }

    QTemporaryDir dir_;
    FakeWidgets widgets_;
    LanguageManager manager_;
};

TEST_F(LanguageManagerTest, ListsValidFilesInNameOrder)
{
    Write("b.l2l", HeaderLines("Beta"));
    Write("A.l2l", HeaderLines("Alpha", "Ann"));
    Write("c.l2l", {"[Header,x]", "Version=2.0.1", "Language_Name=Old", "Translated_By=x",
                    "E-Mail=y"}); // wrong Header version
    test::WriteFile(dir_.filePath("d.l2l"), "LMAR2_XX_2003 not a language file");
    Write("e.txt", HeaderLines("Not matched by the pattern"));
    Write(".hidden.l2l", HeaderLines("Hidden"), false);
    manager_.ScanLanguages(dir_.path(), widgets_);
    EXPECT_EQ(manager_.DisplayNames(), (QStringList{"Hidden", "Alpha", "Beta"}));
    const QStringList strings = manager_.AsStrings();
    ASSERT_EQ(strings.size(), 18);
    EXPECT_EQ(strings.mid(6, 6), (QStringList{dir_.filePath("A.l2l"), "Alpha", "Ann",
                                              "someone@example.org", "2.0.0", "true"}));
    EXPECT_EQ(strings[5], "false");
}

TEST_F(LanguageManagerTest, StoredNameIsChosenEvenWhenTheDefaultExists)
{
    Write("Deutsch.l2l", HeaderLines("Deutsch"));
    Write("English.l2l", HeaderLines("English - default"));
    manager_.SetCurrentLanguageName("Deutsch");
    manager_.ScanLanguages(dir_.path(), widgets_);
    EXPECT_EQ(manager_.SelectedItem(), 0);
    EXPECT_EQ(manager_.CurrentLanguageName(), "Deutsch");
    EXPECT_TRUE(manager_.Log().contains("File path: " + dir_.filePath("Deutsch.l2l")));
}

TEST_F(LanguageManagerTest, UnknownNameFallsBackToTheDefaultAndStoresIt)
{
    Write("Deutsch.l2l", HeaderLines("Deutsch"));
    Write("English.l2l", HeaderLines("English - default"));
    for (const QString stored : {"Français", "", "someone@example.org"}) {
        manager_.SetCurrentLanguageName(stored);
        manager_.ScanLanguages(dir_.path(), widgets_);
        EXPECT_EQ(manager_.SelectedItem(), 1) << stored.toStdString();
        EXPECT_EQ(manager_.CurrentLanguageName(), "English - default");
    }
}

TEST_F(LanguageManagerTest, WithoutTheDefaultTheFirstFileIsChosen)
{
    Write("x.l2l", HeaderLines("Xhosa"));
    Write("y.l2l", HeaderLines("Yoruba"));
    manager_.SetCurrentLanguageName("Zulu");
    manager_.ScanLanguages(dir_.path(), widgets_);
    EXPECT_EQ(manager_.SelectedItem(), 0);
    EXPECT_EQ(manager_.CurrentLanguageName(), "Zulu");
}

TEST_F(LanguageManagerTest, WithManyFilesTheChosenItemIsPositionDivSix)
{
    for (int i = 0; i < 8; ++i)
        Write(QString("lang%1.l2l").arg(i), HeaderLines(QString("Language %1").arg(i)));
    for (int chosen = 0; chosen < 8; ++chosen) {
        manager_.SetCurrentLanguageName(QString("Language %1").arg(chosen));
        manager_.ScanLanguages(dir_.path(), widgets_);
        const int item = manager_.SelectedItem();
        EXPECT_EQ(item, chosen);
        // The path of the chosen language stands at position 6 * item.
        const QStringList strings = manager_.AsStrings();
        EXPECT_EQ(strings.indexOf(manager_.CurrentLanguageName()) / 6, item);
        EXPECT_EQ(strings[6 * item], dir_.filePath(QString("lang%1.l2l").arg(chosen)));
        EXPECT_EQ(manager_.FindItem(manager_.CurrentLanguageName()), item);
    }
}

TEST_F(LanguageManagerTest, EmptyFolderListsNothingAndAppliesNothing)
{
    manager_.SetCurrentLanguageName("Deutsch");
    manager_.ScanLanguages(dir_.path(), widgets_);
    EXPECT_TRUE(manager_.Entries().empty());
    EXPECT_EQ(manager_.SelectedItem(), -1);
    EXPECT_TRUE(widgets_.Applied.empty());
    EXPECT_TRUE(manager_.Log().isEmpty());
}

TEST_F(LanguageManagerTest, AppliesWindowEntriesAndLogsUnknownComponents)
{
    QStringList lines = HeaderLines("Test");
    lines += {"; comment",
              "[Vorlage, main window]",
              "Vorlage.Caption=Lumora Release 2",
              "vorlage.Hint=Depth map",
              "Datei1.Caption=&File",
              "SPEICHERN1.Caption=&Save",
              "Datei1.Name=Renamed",
              "Nowhere.Caption=Lost",
              " ",
              "",
              "[Prefs]",
              "OKButton.Caption=OK",
              "[Develop, not translated]",
              "Memo1.Caption=ignored",
              "[Header, again]",
              "Stray.Caption=ignored"};
    const QString path = Write("test.l2l", lines);
    ASSERT_TRUE(manager_.ApplyLanguage(path, false, widgets_));
    using E = FakeWidgets::Entry;
    EXPECT_EQ(widgets_.Applied, (std::vector<E>{
                                    {"Vorlage", "", "Caption", "Lumora Release 2"},
                                    {"Vorlage", "", "Hint", "Depth map"},
                                    {"Vorlage", "Datei1", "Caption", "&File"},
                                    {"Vorlage", "SPEICHERN1", "Caption", "&Save"},
                                    {"Prefs", "OKButton", "Caption", "OK"},
                                }));
    EXPECT_EQ(manager_.Log(), (QStringList{"Loading Language file...", "", "File path: " + path, "",
                                           "Error : \"Vorlage.Nowhere.Caption=Lost\" not found", "",
                                           "...Loading. Ready !"}));
    EXPECT_TRUE(widgets_.Disclaimers.isEmpty());
}

TEST_F(LanguageManagerTest, FillsTheTextTablesAdditively)
{
    QStringList first = HeaderLines("First");
    first += {"[Sonstiges, texts]",
              "Objekt_Bezeichnung.Hintergrund=Background",
              "Objekt_Bezeichnung.Gruppe=Group",
              "Message.NeuRendern=Render again?",
              "Anzeigen.Kachel=Tile ",
              "Anzeigen.3DLaden_8=Converting...",
              "3DBezeichnung.Teapot=Teapot",
              "AfBuBezeichnung.DepthMap=Depth map",
              "Message.NotAKey=ignored",
              "Unknown.Key=ignored"};
    QStringList second = HeaderLines("Second");
    second += {"[Sonstiges]", "Objekt_Bezeichnung.Hintergrund=Hintergrund"};
    ASSERT_TRUE(manager_.ApplyLanguage(Write("1.l2l", first), false, widgets_));
    ASSERT_TRUE(manager_.ApplyLanguage(Write("2.l2l", second), false, widgets_));
    const LanguageTexts& t = manager_.Texts();
    EXPECT_EQ(t.BackgroundName(), "Hintergrund");
    EXPECT_EQ(t.ObjectTypeName(19), "Group"); // kept from the first file
    EXPECT_EQ(t.MessageText(u"NeuRendern"), "Render again?");
    EXPECT_EQ(t.DisplayText(u"Kachel"), "Tile ");
    EXPECT_EQ(t.Slot(LanguageTable::Anzeigen, 14), "Converting..."); // 3DLaden_8
    EXPECT_EQ(t.PrimitiveName(9), "Teapot");
    EXPECT_EQ(t.AfterburnerTypeName(6), "Depth map");
    EXPECT_TRUE(t.MessageText(u"NotAKey").isEmpty());
    EXPECT_TRUE(t.Slot(LanguageTable::Message, 20).isEmpty());
    EXPECT_TRUE(widgets_.Applied.empty());
}

TEST_F(LanguageManagerTest, TableKeysInSlotOrder)
{
    EXPECT_EQ(LanguageTableKeys(LanguageTable::Objekt_Bezeichnung).size(), 20);
    EXPECT_EQ(LanguageTableKeys(LanguageTable::Objekt_Bezeichnung)[19], "Gruppe");
    EXPECT_EQ(LanguageTableKeys(LanguageTable::Message).size(), 12);
    const QStringList display = LanguageTableKeys(LanguageTable::Anzeigen);
    EXPECT_EQ(display.size(), 18);
    EXPECT_EQ(display[7], "3DLaden_1");
    EXPECT_EQ(display[17], "Untitled");
    EXPECT_EQ(LanguageTableKeys(LanguageTable::Bezeichnung3D).size(), 10);
    EXPECT_EQ(LanguageTableName(LanguageTable::Bezeichnung3D), "3DBezeichnung");
    EXPECT_EQ(LanguageTableKeys(LanguageTable::AfBuBezeichnung).size(), 6);
}

TEST_F(LanguageManagerTest, DisclaimerOnlyForUnofficialFilesWhenAsked)
{
    const QString official = Write("o.l2l", HeaderLines("Official"), true);
    const QString other = Write("u.l2l", HeaderLines("Home Made", "Jo"), false);
    ASSERT_TRUE(manager_.ApplyLanguage(official, true, widgets_));
    ASSERT_TRUE(manager_.ApplyLanguage(other, false, widgets_));
    EXPECT_TRUE(widgets_.Disclaimers.isEmpty());
    ASSERT_TRUE(manager_.ApplyLanguage(other, true, widgets_));
    ASSERT_EQ(widgets_.Disclaimers.size(), 1);
    EXPECT_EQ(widgets_.Disclaimers[0],
              "The author of the language file \"Home Made\" is \"Jo\". \n\n"
              "Orrin Hale will in no event be liable for the content of this language file !");
}

TEST_F(LanguageManagerTest, UnreadableFileAppliesNothing)
{
    test::WriteFile(dir_.filePath("bad.l2l"), "garbage");
    manager_.ApplyLanguage(Write("good.l2l", HeaderLines("Good")), false, widgets_);
    const QStringList log = manager_.Log();
    EXPECT_FALSE(manager_.ApplyLanguage(dir_.filePath("bad.l2l"), true, widgets_));
    EXPECT_EQ(manager_.Log(), log);
    EXPECT_TRUE(widgets_.Disclaimers.isEmpty());
}

TEST_F(LanguageManagerTest, ChoosingTheAppliedLanguageDoesNotReloadIt)
{
    Write("Deutsch.l2l", HeaderLines("Deutsch"), false);
    Write("English.l2l", HeaderLines("English - default"), false);
    manager_.ScanLanguages(dir_.path(), widgets_);
    EXPECT_TRUE(widgets_.Disclaimers.isEmpty()); // start-up asks nothing
    EXPECT_FALSE(manager_.ChooseItem(1, widgets_));
    EXPECT_TRUE(widgets_.Disclaimers.isEmpty());
    EXPECT_TRUE(manager_.ChooseItem(0, widgets_));
    EXPECT_EQ(manager_.CurrentLanguageName(), "Deutsch");
    EXPECT_EQ(widgets_.Disclaimers.size(), 1);
    EXPECT_FALSE(manager_.ChooseItem(7, widgets_));
}

TEST_F(LanguageManagerTest, ChoosingAFileThatNoLongerReadsKeepsTheCurrentLanguage)
{
    const QString german = Write("Deutsch.l2l", HeaderLines("Deutsch"));
    Write("English.l2l", HeaderLines("English - default"));
    manager_.ScanLanguages(dir_.path(), widgets_);
    const QStringList log = manager_.Log();
    test::WriteFile(german, "damaged since the scan");
    EXPECT_FALSE(manager_.ChooseItem(0, widgets_));
    EXPECT_EQ(manager_.CurrentLanguageName(), "English - default");
    EXPECT_EQ(manager_.SelectedItem(), 1);
    EXPECT_EQ(manager_.Log(), log);
}

TEST_F(LanguageManagerTest, ImportAsksBeforeReplacingAndScansAgain)
{
    QTemporaryDir source;
    const QString languages = dir_.filePath("languages");
    QDir().mkpath(languages);
    Write("languages/Deutsch.l2l", HeaderLines("Deutsch"));
    const QString fresh = source.filePath("Deutsch.l2l");
    test::WriteFile(fresh, EncodeLanguageFile(HeaderLines("Deutsch (neu)"), true));
    const QString added = source.filePath("Dansk.l2l");
    test::WriteFile(added, EncodeLanguageFile(HeaderLines("Dansk"), true));

    QStringList asked;
    const auto answer = [&asked](bool yes) {
        return [&asked, yes](const QString& target) {
            asked.append(target);
            return yes;
        };
    };
    EXPECT_EQ(manager_.ImportLanguage(fresh, languages, answer(false), widgets_),
              ImportResult::Declined);
    EXPECT_EQ(asked, QStringList{dir_.filePath("languages/Deutsch.l2l")});
    EXPECT_TRUE(manager_.Entries().empty()); // no scan after "No"
    EXPECT_EQ(LanguageHeader::Find(LoadLanguageFile(languages + "/Deutsch.l2l").Lines)->DisplayName,
              "Deutsch");

    EXPECT_EQ(manager_.ImportLanguage(added, languages, answer(false), widgets_),
              ImportResult::Copied); // nothing to replace: no question
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(manager_.DisplayNames(), (QStringList{"Dansk", "Deutsch"}));

    EXPECT_EQ(manager_.ImportLanguage(fresh, languages, answer(true), widgets_),
              ImportResult::Copied);
    EXPECT_EQ(manager_.DisplayNames(), (QStringList{"Dansk", "Deutsch (neu)"}));
    EXPECT_THROW(
        manager_.ImportLanguage(source.filePath("missing.l2l"), languages, answer(true), widgets_),
        LumoraError);
}

TEST_F(LanguageManagerTest, DamagedOrForeignFileIsRefusedAndTheInstalledOnesStay)
{
    const QString languages = dir_.filePath("languages");
    Write("languages/English.l2l", HeaderLines("English - default"));
    manager_.ScanLanguages(languages, widgets_);
    const QByteArray installed = test::ReadFile(languages + "/English.l2l");
    QByteArray cut = installed;
    cut.chop(20);
    QStringList wrongVersion = HeaderLines("English - default");
    wrongVersion[1] = "Version=1.0.0";
    QTemporaryDir source;
    const std::pair<const char*, QByteArray> refused[] = {
        {"a project file", QByteArray("LMAR2_PF_2003 and more bytes")},
        {"a cut file", cut},
        {"no Header", EncodeLanguageFile({"[Vorlage, x]", "Vorlage.Caption=X"}, true)},
        {"another Header version", EncodeLanguageFile(wrongVersion, true)},
        {"an empty file", QByteArray()},
    };
    for (const auto& [what, bytes] : refused) {
        const QString file = source.filePath("English.l2l");
        test::WriteFile(file, bytes);
        int asked = 0;
        try {
            manager_.ImportLanguage(
                file, languages,
                [&](const QString&) {
                    ++asked;
                    return true;
                },
                widgets_);
            ADD_FAILURE() << what << " was imported";
        } catch (const LumoraError& e) {
            EXPECT_TRUE(
                QString::fromUtf8(e.what()).startsWith("The file English.l2l cannot be imported."))
                << e.what();
        }
        EXPECT_EQ(asked, 0) << what;
        EXPECT_EQ(test::ReadFile(languages + "/English.l2l"), installed) << what;
        EXPECT_EQ(manager_.DisplayNames(), QStringList{"English - default"}) << what;
    }
}

TEST_F(LanguageManagerTest, WindowSectionsAreTheTranslatedWindows)
{
    const QStringList& windows = LanguageWindowSections();
    // The design's 44 and the grey picker of the background depth.
    EXPECT_EQ(windows.size(), 45);
    EXPECT_TRUE(windows.contains("Vorlage"));
    EXPECT_TRUE(windows.contains("DepthSlider_Form"));
    EXPECT_TRUE(windows.contains("GreyPicker"));
    EXPECT_FALSE(windows.contains("Develop"));
    EXPECT_FALSE(windows.contains("Tool_Blend"));
}

} // namespace
} // namespace lumora
