#include "app/library_listing.h"

#include "app/picture_library.h"

#include <QDir>
#include <QFile>

namespace lumora {

bool CheckLibVersion(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(PictureLibrary::kVersionOffset + 4);
    if (head.size() != PictureLibrary::kVersionOffset + 4)
        return false;
    uint32_t version = 0;
    for (int i = 3; i >= 0; --i)
        version = (version << 8) | static_cast<uint8_t>(head[PictureLibrary::kVersionOffset + i]);
    return version == static_cast<uint32_t>(PictureLibrary::kVersion);
}

std::vector<LibraryListEntry> GetLibs(const QString& folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.llb")});
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    std::vector<LibraryListEntry> libraries;
    for (const QString& fileName : dir.entryList()) {
        const QString path = dir.filePath(fileName);
        if (CheckLibVersion(path))
            libraries.push_back({fileName.chopped(4), path});
    }
    return libraries;
}

} // namespace lumora
