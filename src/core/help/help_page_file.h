#pragma once
// Help page files: text lines in the Windows-1252 code page. Line 1 is the
// page's title, every further line one paragraph.

#include <QString>
#include <QStringList>
#include <optional>

namespace lumora {

// The lines of the file, split at CR LF, LF or CR; a line break at the end
// of the file starts no further line. Nothing when the path is no
// readable file.
std::optional<QStringList> ReadHelpPageLines(const QString& path);

// Splits page text as ReadHelpPageLines does.
QStringList SplitHelpPageText(const QString& text);

} // namespace lumora
