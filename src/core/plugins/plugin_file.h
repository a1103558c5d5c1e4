#pragma once
// Plug-in files (".lpi"): a list start, the magic and version texts, two
// header texts, the has-script flag, the script lines, the name, the
// description lines, four author texts and three trailing values, all in
// the tagged value encoding of PlugInValueReader.

#include "common/lumora_error.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumora {

inline constexpr const char* kPlugInMagic = "Lumora lpi Datei";
inline constexpr const char* kPlugInVersion = "1.0";
// Plug-ins are a few kilobytes; anything this large is not one.
inline constexpr qint64 kMaxPlugInFileSize = 16 * 1024 * 1024;

struct PlugInFile
{
    QStringList Script;
    QString PlugInName;
    QStringList Description;
    QString Author;
    QString Country;
    QString EMail;
    QString Internet;
    bool operator==(const PlugInFile&) const = default;
};

enum class PlugInFileState
{
    NotAPlugIn, // list start, magic or version do not match
    NoScript,   // the has-script flag is false: not usable
    Usable
};

// Reads a whole plug-in from its bytes. contents is filled only for a
// usable plug-in. A damaged file after the header throws LumoraError.
PlugInFileState ReadPlugIn(const QByteArray& data, PlugInFile& contents);

// The bytes of a plug-in file, opened for reading only; an unreadable or
// oversized file throws LumoraError naming the file.
QByteArray ReadPlugInFileBytes(const QString& fileName);
// The error reported for a plug-in file whose reading failed after the header.
LumoraError DamagedPlugInError(const QString& fileName, const LumoraError& readError);

// ReadPlugIn on a file, opened for reading only; an unreadable or oversized
// file throws LumoraError naming the file, as does a damaged one.
PlugInFileState ReadPlugInFile(const QString& fileName, PlugInFile& contents);

// The header check of the plug-in list: true, with the plug-in's name, for
// a usable plug-in. Files that are no plug-in, have no script, cannot be
// opened or are damaged up to the name answer false without a message, so
// that one bad file in the folder does not disturb the list.
bool CheckPlugInFunction(const QByteArray& data, QString& name);
bool CheckPlugInFunction(const QString& fileName, QString& name);

// Header texts and trailing values written by EncodePlugIn; readers ignore
// them.
inline constexpr const char* kPlugInHeaderText1 = "Lumora R2 PlugIn";
inline constexpr const char* kPlugInHeaderText2 = "Depth script";

QByteArray EncodePlugIn(const PlugInFile& contents);

} // namespace lumora
