#include "imageio/file_bytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <new>

namespace lumora {

namespace {

// An uncompressed picture at Bitmap's pixel limit is 768 MiB; nothing larger
// can be a picture this program reads.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;

std::string Quoted(const QString& fileName)
{
    return "\"" + QFileInfo(fileName).fileName().toStdString() + "\"";
}

} // namespace

[[noreturn]] void ThrowUnreadablePicture(const QString& fileName, const char* reason)
{
    throw LumoraError("The picture file " + Quoted(fileName) + " cannot be read. " + reason);
}

QByteArray ReadFileBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw LumoraError("The file " + Quoted(fileName) +
                          " cannot be opened: " + file.errorString().toStdString());
    if (file.size() > kMaxFileBytes)
        ThrowUnreadablePicture(fileName, "The file is too large.");
    QByteArray bytes;
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc&) {
        ThrowUnreadablePicture(fileName, "There is not enough memory.");
    }
    if (file.error() != QFileDevice::NoError)
        throw LumoraError("The file " + Quoted(fileName) +
                          " cannot be read: " + file.errorString().toStdString());
    return bytes;
}

void WriteFileBytes(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw LumoraError("The file " + Quoted(fileName) +
                          " cannot be written: " + file.errorString().toStdString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw LumoraError("The file " + Quoted(fileName) +
                          " cannot be written: " + file.errorString().toStdString());
}

} // namespace lumora
