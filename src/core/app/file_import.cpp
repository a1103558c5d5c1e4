#include "app/file_import.h"

#include "common/lumora_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lumora {

namespace {

constexpr qint64 kCopyChunk = 1 << 20;

void CopyFile(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw LumoraError("The file " + source.toStdString() + " cannot be opened.");
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        throw LumoraError("The file " + target.toStdString() + " cannot be written.");
    for (;;) {
        const QByteArray chunk = in.read(kCopyChunk);
        if (chunk.isEmpty())
            break;
        if (out.write(chunk) != chunk.size())
            throw LumoraError("The file " + target.toStdString() + " cannot be written.");
    }
    if (in.error() != QFileDevice::NoError)
        throw LumoraError("The file " + source.toStdString() + " cannot be read.");
    if (!out.commit())
        throw LumoraError("The file " + target.toStdString() + " cannot be written.");
}

} // namespace

QString ImportTarget(const QString& source, const QString& folder)
{
    return QDir(folder).filePath(QFileInfo(source).fileName());
}

ImportResult ImportFileInto(const QString& source, const QString& folder,
                            const std::function<bool(const QString& target)>& confirmOverwrite)
{
    const QString target = ImportTarget(source, folder);
    if (QFileInfo::exists(target) && !confirmOverwrite(target))
        return ImportResult::Declined;
    CopyFile(source, target);
    return ImportResult::Copied;
}

} // namespace lumora
