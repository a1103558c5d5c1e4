#pragma once
// One decoded line of a language file: ignored (empty or a single blank),
// a comment (";..."), a section line ("[Name,...]") or an entry
// "Component.Property=Value".

#include <QString>

namespace lumora {

struct LanguageLine
{
    enum class Kind
    {
        Ignored,
        Comment,
        Section,
        Entry,
    };

    Kind LineKind = Kind::Ignored;
    QString Section; // for section lines
    QString Component;
    QString Property;
    QString Value; // the rest of the line, blanks included

    // The section name is the text after "[" up to the first ","; a
    // section line without a comma ends its name at "]" or at the end.
    // Component is the text before the first "."; Property runs from there
    // to the first "=". A line without "." is all Component.
    static LanguageLine Parse(const QString& line);
};

} // namespace lumora
