#pragma once
// The picture libraries of a folder: every "*.llb" file whose version
// field is 1. A file that cannot be read counts as invalid.

#include <QString>
#include <vector>

namespace lumora {

struct LibraryListEntry
{
    QString Name; // the file name without its last four characters
    QString Path;
};

bool CheckLibVersion(const QString& path);

// In name order.
std::vector<LibraryListEntry> GetLibs(const QString& folder);

} // namespace lumora
