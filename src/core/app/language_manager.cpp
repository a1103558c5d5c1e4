#include "app/language_manager.h"

#include "app/language_file.h"
#include "app/language_header.h"
#include "app/language_line.h"
#include "app/language_widgets.h"
#include "common/lumora_error.h"

#include <QDir>
#include <QFileInfo>

namespace lumora {

namespace {

const QString kHeaderSection = QStringLiteral("Header");
const QString kTextSection = QStringLiteral("Sonstiges");

// The canonical window name of a section, if it is a window section.
std::optional<QString> WindowOfSection(const QString& section)
{
    for (const QString& window : LanguageWindowSections()) {
        if (window.compare(section, Qt::CaseInsensitive) == 0)
            return window;
    }
    return std::nullopt;
}

QStringList LanguageFilesOf(const QString& folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.l2l")});
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QString& name : dir.entryList())
        paths.append(dir.filePath(name));
    return paths;
}

// A file the scan would not list is refused before it is copied, so that
// it can never replace a language that works.
void CheckLanguageFileToImport(const QString& source)
{
    const QString name = QFileInfo(source).fileName();
    try {
        const LanguageFile file = LoadLanguageFile(source);
        if (!LanguageHeader::Find(file.Lines))
            throw LumoraError("The language file has no valid description of itself.");
    } catch (const LumoraError& e) {
        throw LumoraError("The file " + name.toStdString() + " cannot be imported. " + e.what());
    }
}

} // namespace

const QStringList& LanguageWindowSections()
{
    static const QStringList windows = {
        "Vorlage",
        "Kachel",
        "Nachbrenner",
        "Color_win",
        "Farbwahl",
        "Font3D",
        "Message_Form",
        "Prefs",
        "Render_opt",
        "Stereo_Prog",
        "Tile_Bild",
        "Tile_RD",
        "Tile_RDGr",
        "Tool_3D",
        "Tool_Bild",
        "Tool_Bild_a",
        "Tool_Ellipse",
        "Tool_GrKoEl",
        "Tool_GrKoRe",
        "Tool_GrTrEl",
        "Tool_GrTrRe",
        "Tool_Line",
        "Tool_Polygon",
        "Tool_RadWelle",
        "Tool_Rectangle",
        "Tool_Scanner",
        "Tool_Text",
        "Tool_Welle",
        "NeuesProj",
        "WelcomeScreen",
        "AfBu_BorderFrame",
        "AfBu_BorderSimple",
        "AfBu_BorderImage",
        "AfBu_Text",
        "AfBu_DepthMap",
        "AfBu_Spot",
        "Library_Form",
        "LibInfo",
        "Tool_PlugIn",
        "FileSearch",
        "Help",
        "Progress_Form",
        "Rename_dm_obj",
        "DepthSlider_Form",
        // The grey picker of the background depth, a window of our own.
        "GreyPicker",
    };
    return windows;
}

std::optional<LanguageChoice> ChooseLanguage(const std::vector<LanguageListEntry>& entries,
                                             const QString& currentName)
{
    if (entries.empty())
        return std::nullopt;
    int defaultItem = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        const QString& name = entries[i].DisplayName;
        if (name == QLatin1String(kDefaultLanguageName))
            defaultItem = static_cast<int>(i);
        // Only display names are compared: a path or an author that
        // happens to equal the stored name must not be taken for a
        // language.
        if (!currentName.isEmpty() && name == currentName)
            return LanguageChoice{static_cast<int>(i), currentName};
    }
    if (defaultItem >= 0)
        return LanguageChoice{defaultItem, QString::fromLatin1(kDefaultLanguageName)};
    return LanguageChoice{0, currentName};
}

QStringList LanguageManager::DisplayNames() const
{
    QStringList names;
    for (const LanguageListEntry& e : entries_)
        names.append(e.DisplayName);
    return names;
}

QStringList LanguageManager::AsStrings() const
{
    QStringList strings;
    for (const LanguageListEntry& e : entries_)
        strings += e.AsStrings();
    return strings;
}

int LanguageManager::FindItem(const QString& displayName) const
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].DisplayName == displayName)
            return static_cast<int>(i);
    }
    return -1;
}

bool LanguageManager::ScanLanguageFile(const QString& path)
{
    QStringList lines;
    bool official = false;
    if (!ReadLanguageFile(path, lines, official))
        return false;
    const std::optional<LanguageHeader> header = LanguageHeader::Find(lines);
    if (!header)
        return false;
    entries_.push_back(LanguageListEntry{path, header->DisplayName, header->Author, header->Contact,
                                         header->Version, official});
    return true;
}

void LanguageManager::ScanLanguages(const QString& folder, LanguageWidgets& widgets)
{
    entries_.clear();
    selectedItem_ = -1;
    for (const QString& path : LanguageFilesOf(folder))
        ScanLanguageFile(path);
    const std::optional<LanguageChoice> choice = ChooseLanguage(entries_, currentName_);
    if (!choice)
        return;
    selectedItem_ = choice->Item;
    currentName_ = choice->CurrentName;
    ApplyLanguage(entries_[static_cast<size_t>(selectedItem_)].Path, false, widgets);
}

QString LanguageManager::DisclaimerText(const QString& displayName, const QString& author)
{
    return QStringLiteral("The author of the language file \"") + displayName +
           QStringLiteral("\" is \"") + author + QStringLiteral("\". ") + QStringLiteral("\n\n") +
           QStringLiteral(
               "Orrin Hale will in no event be liable for the content of this language file !");
}

bool LanguageManager::ApplyLanguage(const QString& path, bool askDisclaimer,
                                    LanguageWidgets& widgets)
{
    QStringList lines;
    bool official = false;
    if (!ReadLanguageFile(path, lines, official))
        return false;
    if (askDisclaimer && !official) {
        const std::optional<LanguageHeader> header = LanguageHeader::Find(lines);
        widgets.ShowDisclaimer(header ? DisclaimerText(header->DisplayName, header->Author)
                                      : DisclaimerText(QString(), QString()));
    }
    log_ = QStringList{QStringLiteral("Loading Language file..."), QString(),
                       QStringLiteral("File path: ") + path, QString()};
    ApplyLines(lines, widgets);
    log_ += QStringList{QString(), QStringLiteral("...Loading. Ready !")};
    return true;
}

void LanguageManager::ApplyLines(const QStringList& lines, LanguageWidgets& widgets)
{
    QString section;
    for (const QString& text : lines) {
        const LanguageLine line = LanguageLine::Parse(text);
        switch (line.LineKind) {
        case LanguageLine::Kind::Ignored:
        case LanguageLine::Kind::Comment:
            break;
        case LanguageLine::Kind::Section:
            section = line.Section;
            break;
        case LanguageLine::Kind::Entry:
            if (section == kTextSection) {
                texts_.Set(line.Component, line.Property, line.Value);
            } else if (const auto window = WindowOfSection(section)) {
                ApplyWindowEntry(*window, section, line.Component, line.Property, line.Value,
                                 widgets);
            }
            break;
        }
    }
}

void LanguageManager::ApplyWindowEntry(const QString& window, const QString& section,
                                       const QString& component, const QString& property,
                                       const QString& value, LanguageWidgets& widgets)
{
    if (component.compare(window, Qt::CaseInsensitive) == 0) {
        widgets.ApplyEntry(window, QString(), property, value);
        return;
    }
    // An unknown component is only logged: its entry must not fall
    // through to the window itself (a misspelt component's "Caption"
    // would rename the window).
    if (!widgets.HasComponent(window, component)) {
        log_.append(QStringLiteral("Error : \"") + section + QLatin1Char('.') + component +
                    QLatin1Char('.') + property + QLatin1Char('=') + value +
                    QStringLiteral("\" not found"));
        return;
    }
    if (property == QLatin1String("Name"))
        return;
    widgets.ApplyEntry(window, component, property, value);
}

bool LanguageManager::ChooseItem(int item, LanguageWidgets& widgets)
{
    if (item < 0 || static_cast<size_t>(item) >= entries_.size())
        return false;
    const LanguageListEntry& entry = entries_[static_cast<size_t>(item)];
    if (entry.DisplayName == currentName_)
        return false;
    // A file that no longer reads changes nothing, not even the name that
    // is stored at exit.
    if (!ApplyLanguage(entry.Path, true, widgets))
        return false;
    currentName_ = entry.DisplayName;
    selectedItem_ = item;
    return true;
}

ImportResult
LanguageManager::ImportLanguage(const QString& source, const QString& folder,
                                const std::function<bool(const QString& target)>& confirmOverwrite,
                                LanguageWidgets& widgets)
{
    CheckLanguageFileToImport(source);
    const ImportResult result = ImportFileInto(source, folder, confirmOverwrite);
    if (result == ImportResult::Copied)
        ScanLanguages(folder, widgets);
    return result;
}

} // namespace lumora
