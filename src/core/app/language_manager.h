#pragma once
// The program's languages: the list of valid language files in the
// installation's "languages" folder, the choice among them, the text
// tables, and the application of a file's entries to the windows.

#include "app/file_import.h"
#include "app/language_list_entry.h"
#include "app/language_texts.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace lumora {

class LanguageWidgets;

// The display name of the installation's English file, the fallback
// language.
inline constexpr char kDefaultLanguageName[] = "English - default";

// The windows whose texts language files set, by design name without T.
const QStringList& LanguageWindowSections();

// The language the scan chooses: the first file whose display name equals
// currentName, else the (last) file named "English - default", which then
// becomes the current name, else the first file. Nothing for an empty
// list.
struct LanguageChoice
{
    int Item = -1;
    QString CurrentName;
};
std::optional<LanguageChoice> ChooseLanguage(const std::vector<LanguageListEntry>& entries,
                                             const QString& currentName);

class LanguageManager
{
public:
    // The name of the applied language (the setting "Language").
    const QString& CurrentLanguageName() const { return currentName_; }
    void SetCurrentLanguageName(const QString& name) { currentName_ = name; }

    const std::vector<LanguageListEntry>& Entries() const { return entries_; }
    // The list box: one display name per entry, in scan order.
    QStringList DisplayNames() const;
    // The language list: six strings per entry (see LanguageListEntry).
    QStringList AsStrings() const;
    // The list item the last scan chose; -1 when nothing was listed.
    int SelectedItem() const { return selectedItem_; }
    // The item of the first file with that display name, or -1.
    int FindItem(const QString& displayName) const;

    const LanguageTexts& Texts() const { return texts_; }
    // The development window's log of the last application.
    const QStringList& Log() const { return log_; }

    // Lists the file when it reads and its Header is valid.
    bool ScanLanguageFile(const QString& path);

    // Lists every "*.l2l" file of folder, chooses the language and applies
    // it without the disclaimer. An empty list applies nothing (start-up
    // then fails).
    void ScanLanguages(const QString& folder, LanguageWidgets& widgets);

    // Reads the file and applies every entry; answers false, applying
    // nothing, when the file does not read.
    bool ApplyLanguage(const QString& path, bool askDisclaimer, LanguageWidgets& widgets);

    // The preferences' "OK": applies the chosen list item, with the
    // disclaimer, when its display name differs from the current one; it
    // then becomes the current language. Answers whether it applied a
    // file; a file that no longer reads leaves the current language.
    bool ChooseItem(int item, LanguageWidgets& widgets);

    // The preferences' "Import Language...": copies the file into folder,
    // asking before an existing file is replaced, then scans again.
    // Throws LumoraError, before anything is asked or copied, for a file
    // that is no valid language file, and when the copy fails.
    ImportResult ImportLanguage(const QString& source, const QString& folder,
                                const std::function<bool(const QString& target)>& confirmOverwrite,
                                LanguageWidgets& widgets);

    // The disclaimer text for a file that is not an official one.
    static QString DisclaimerText(const QString& displayName, const QString& author);

private:
    void ApplyLines(const QStringList& lines, LanguageWidgets& widgets);
    void ApplyWindowEntry(const QString& window, const QString& section, const QString& component,
                          const QString& property, const QString& value, LanguageWidgets& widgets);

    std::vector<LanguageListEntry> entries_;
    int selectedItem_ = -1;
    QString currentName_;
    LanguageTexts texts_;
    QStringList log_;
};

} // namespace lumora
