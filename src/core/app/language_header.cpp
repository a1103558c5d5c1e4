#include "app/language_header.h"

#include "app/language_file.h"
#include "app/language_line.h"

namespace lumora {

namespace {

// Where each value starts: after "Version=", "Language_Name=" and the
// like, by position rather than by key.
constexpr qsizetype kVersionStart = 8;
constexpr qsizetype kDisplayNameStart = 14;
constexpr qsizetype kAuthorStart = 14;
constexpr qsizetype kContactStart = 7;

} // namespace

std::optional<LanguageHeader> LanguageHeader::Find(const QStringList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const LanguageLine line = LanguageLine::Parse(lines[i]);
        if (line.LineKind != LanguageLine::Kind::Section || line.Section != QLatin1String("Header"))
            continue;
        if (i + 4 >= lines.size())
            return std::nullopt;
        LanguageHeader header;
        header.Version = lines[i + 1].mid(kVersionStart);
        header.DisplayName = lines[i + 2].mid(kDisplayNameStart);
        header.Author = lines[i + 3].mid(kAuthorStart);
        header.Contact = lines[i + 4].mid(kContactStart);
        if (header.Version != QLatin1String(kLanguageFormatVersion))
            return std::nullopt;
        return header;
    }
    return std::nullopt;
}

} // namespace lumora
