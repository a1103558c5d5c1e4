#include "app/file_search.h"

#include <QFileInfo>

namespace lumora {

FileSearch::FileSearch(QString storedPath) : storedPath_(std::move(storedPath)), path_(storedPath_)
{
}

QString FileSearch::MissingFileName() const
{
    return QFileInfo(storedPath_).fileName();
}

bool FileSearch::CanAccept() const
{
    const QFileInfo info(path_);
    return !path_.isEmpty() && info.exists() && info.isFile();
}

} // namespace lumora
