#pragma once
// One valid language file found by a scan.

#include <QString>
#include <QStringList>

namespace lumora {

struct LanguageListEntry
{
    QString Path;
    QString DisplayName;
    QString Author;
    QString Contact;
    QString Version;
    bool Official = false;

    // The six strings of the language list: path, display name, author,
    // contact, version, "true" or "false".
    QStringList AsStrings() const
    {
        return {Path,    DisplayName, Author,
                Contact, Version,     Official ? QStringLiteral("true") : QStringLiteral("false")};
    }
};

} // namespace lumora
