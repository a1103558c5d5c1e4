#pragma once
// The last-used folders of the program's file dialogs. Each folder read
// at start-up becomes its dialog's initial folder; a dialog that chose a
// file in this run remembers it, and only such a dialog's folder is
// written back at exit, so a dialog that was not used keeps its stored
// folder.

#include <QString>
#include <array>
#include <optional>

namespace lumora {

enum class DialogFolder
{
    OpenProject,
    SaveProject,
    OpenAfBuStereo,
    SaveAfBuStereo,
    OpenAfBuBorderFrame,
    OpenAfBuBorderImage,
    OpenFileSearch,
    OpenLibrary,
    OpenTileImage,
    Open3DTool,
    Save3DToolPicture,
    OpenToolImage,
    SaveToolImage,
};

inline constexpr int kDialogFolderCount = 13;

// The settings value name of a dialog's folder ("OpenProjectPath", ...).
QString DialogFolderSettingName(DialogFolder dialog);

// The folder part of a file name, with a trailing separator.
QString FolderWithSeparator(const QString& fileName);

class DialogFolders
{
public:
    // The folder read from the store (empty when none was stored).
    const QString& StoredFolder(DialogFolder dialog) const;
    void SetStoredFolder(DialogFolder dialog, const QString& folder);

    // A file chosen in the dialog during this run.
    void RecordChosenFile(DialogFolder dialog, const QString& fileName);
    const QString& ChosenFile(DialogFolder dialog) const;

    // Where the dialog opens: the folder of the file chosen in this run,
    // otherwise the stored folder.
    QString InitialFolder(DialogFolder dialog) const;

    // What to write at exit: the folder of this run's file, or nothing.
    std::optional<QString> FolderToSave(DialogFolder dialog) const;

private:
    struct Entry
    {
        QString Stored;
        QString Chosen;
    };
    const Entry& At(DialogFolder dialog) const { return entries_[static_cast<size_t>(dialog)]; }
    Entry& At(DialogFolder dialog) { return entries_[static_cast<size_t>(dialog)]; }
    std::array<Entry, kDialogFolderCount> entries_;
};

} // namespace lumora
