#pragma once
// The description of a language file: the four lines after the first
// "Header" section line, read by position (the key and "=" skipped by
// their fixed widths).

#include <QString>
#include <QStringList>
#include <optional>

namespace lumora {

struct LanguageHeader
{
    QString Version;
    QString DisplayName;
    QString Author;
    QString Contact;

    // Nothing when there is no Header section, when fewer than four lines
    // follow it, or when its version is not "2.0.0".
    static std::optional<LanguageHeader> Find(const QStringList& lines);
};

} // namespace lumora
