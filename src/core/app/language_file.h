#pragma once
// Language files (.l2l): the magic "LMAR2_LF_2003", the format version as a
// text (int32 length and bytes, "2.0.0"), publisher flag A, the int32 line
// count, the coded lines (see language_code_table.h), publisher flag B.
// The file is an official one when flags A and B share a set bit.
// Nothing in a file is trusted: counts and lengths are checked against the
// bytes present, and a damaged file is refused with a text for the user.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

namespace lumora {

inline constexpr char kLanguageMagic[] = "LMAR2_LF_2003";
inline constexpr int kLanguageMagicSize = 13;
inline constexpr char kLanguageFormatVersion[] = "2.0.0";
// Far beyond any real language file; larger files are refused unread.
inline constexpr int64_t kMaxLanguageFileBytes = 16 * 1024 * 1024;

struct LanguageFile
{
    QStringList Lines;
    bool Official = false;
};

// Throws LumoraError for a wrong magic or version and for damaged data.
LanguageFile DecodeLanguageFile(std::span<const uint8_t> data);
// Reads and decodes a file; throws LumoraError when it cannot be read.
LanguageFile LoadLanguageFile(const QString& path);

// The reader's boolean form: false (and no lines) for any file that does
// not read; the file is closed in every case.
bool ReadLanguageFile(const QString& path, QStringList& lines, bool& official);

} // namespace lumora
