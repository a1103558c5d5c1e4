#include "app/dialog_folders.h"

#include <QFileInfo>

namespace lumora {

namespace {

constexpr std::array<const char*, kDialogFolderCount> kSettingNames = {
    "OpenProjectPath",    "SaveProjectPath",         "OpenAfBuStereoPath",
    "SaveAfBuStereoPath", "OpenAfBuBorderFramePath", "OpenAfBuBorderImagePath",
    "OpenFileSearchPath", "OpenLibraryPath",         "OpenTileImagePath",
    "Open3DToolPath",     "Save3DToolPicturePath",   "OpenToolImagePath",
    "SaveToolImagePath",
};

} // namespace

QString DialogFolderSettingName(DialogFolder dialog)
{
    return QString::fromLatin1(kSettingNames[static_cast<size_t>(dialog)]);
}

QString FolderWithSeparator(const QString& fileName)
{
    QString folder = QFileInfo(fileName).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

const QString& DialogFolders::StoredFolder(DialogFolder dialog) const
{
    return At(dialog).Stored;
}

void DialogFolders::SetStoredFolder(DialogFolder dialog, const QString& folder)
{
    At(dialog).Stored = folder;
}

void DialogFolders::RecordChosenFile(DialogFolder dialog, const QString& fileName)
{
    At(dialog).Chosen = fileName;
}

const QString& DialogFolders::ChosenFile(DialogFolder dialog) const
{
    return At(dialog).Chosen;
}

QString DialogFolders::InitialFolder(DialogFolder dialog) const
{
    const Entry& e = At(dialog);
    return e.Chosen.isEmpty() ? e.Stored : FolderWithSeparator(e.Chosen);
}

std::optional<QString> DialogFolders::FolderToSave(DialogFolder dialog) const
{
    const Entry& e = At(dialog);
    if (e.Chosen.isEmpty())
        return std::nullopt;
    return FolderWithSeparator(e.Chosen);
}

} // namespace lumora
