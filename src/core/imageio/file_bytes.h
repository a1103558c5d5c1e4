#pragma once
// Whole-file reading and atomic writing for the picture readers and
// writers, with the file name in every error text.

#include "common/lumora_error.h"

#include <QByteArray>
#include <QString>

namespace lumora {

// Throws LumoraError when the file cannot be opened or read, or is larger
// than any picture this program reads.
QByteArray ReadFileBytes(const QString& fileName);

// Writes to a temporary file beside the target and renames it over the
// target, so a failed save leaves the previous file as it was.
void WriteFileBytes(const QString& fileName, const QByteArray& bytes);

[[noreturn]] void ThrowUnreadablePicture(const QString& fileName, const char* reason);

// Runs decode on the bytes of fileName; a LumoraError from it is re-raised
// with the file name in front of its text.
template <typename Decode>
auto DecodeFile(const QString& fileName, Decode decode) -> decltype(decode(QByteArray()))
{
    const QByteArray bytes = ReadFileBytes(fileName);
    try {
        return decode(bytes);
    } catch (const LumoraError& error) {
        ThrowUnreadablePicture(fileName, error.what());
    }
}

} // namespace lumora
