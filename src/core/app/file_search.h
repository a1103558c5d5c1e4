#pragma once
// The file search window's state: a project names a file that no longer
// exists at its stored path; the user browses for it, and "OK" is taken
// only for a path that names an existing file.

#include <QString>

namespace lumora {

class FileSearch
{
public:
    explicit FileSearch(QString storedPath);

    // The missing file's name without its folder.
    QString MissingFileName() const;
    // Where "Durchsuchen..." starts: the stored path.
    const QString& StoredPath() const { return storedPath_; }

    // The full path chosen with "Durchsuchen...".
    void SetChosenPath(const QString& path) { path_ = path; }
    const QString& Path() const { return path_; }

    // Whether "OK" may close the window with Path().
    bool CanAccept() const;

private:
    QString storedPath_;
    QString path_;
};

} // namespace lumora
