#include "app/language_line.h"

namespace lumora {

namespace {

QString SectionName(const QString& line)
{
    const QString rest = line.mid(1);
    qsizetype end = rest.indexOf(QLatin1Char(','));
    if (end < 0)
        end = rest.indexOf(QLatin1Char(']'));
    return end < 0 ? rest : rest.left(end);
}

} // namespace

LanguageLine LanguageLine::Parse(const QString& line)
{
    LanguageLine parsed;
    if (line.isEmpty() || line == QLatin1String(" "))
        return parsed;
    if (line.startsWith(QLatin1Char(';'))) {
        parsed.LineKind = Kind::Comment;
        return parsed;
    }
    if (line.startsWith(QLatin1Char('['))) {
        parsed.LineKind = Kind::Section;
        parsed.Section = SectionName(line);
        return parsed;
    }
    parsed.LineKind = Kind::Entry;
    const qsizetype dot = line.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        parsed.Component = line;
        return parsed;
    }
    parsed.Component = line.left(dot);
    const QString rest = line.mid(dot + 1);
    const qsizetype equals = rest.indexOf(QLatin1Char('='));
    if (equals < 0) {
        parsed.Property = rest;
        return parsed;
    }
    parsed.Property = rest.left(equals);
    parsed.Value = rest.mid(equals + 1);
    return parsed;
}

} // namespace lumora
