#pragma once
// The lexical level of the plug-in script language: one line becomes a
// command word and up to 16 verbatim argument texts, and argument texts
// become variable references, keywords or integer literals.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

namespace lumora {

inline constexpr int kMaxScriptArguments = 16;
inline constexpr int kScriptVariableCount = 99; // #01 .. #99

struct ScriptLine
{
    QString Command; // empty: blank line, comment, or no command
    QStringList Arguments;
};

ScriptLine ParseScriptLine(const QString& line);

// ASCII letters compared without regard to case; other characters exactly.
bool SameWordIgnoringCase(QStringView a, QStringView b);

// The standard text-to-integer conversion: optional leading blanks, an
// optional sign, then decimal digits, or hexadecimal ones after "$" or
// "0x"; nothing may follow. Hexadecimal texts cover the 32 bits and wrap
// to negative values. Answers false for anything else or an overflow.
bool ParseIntegerText(QStringView text, int32_t& value);

enum class ScriptKeyword
{
    None,
    XMax,
    YMax,
    Num
};
ScriptKeyword KeywordOf(QStringView argument);

// What an argument text stands for. A reference whose number cannot be
// converted or lies outside 01..99, and a literal that is no integer, keep
// their text so that evaluating them can report it.
struct ScriptOperand
{
    enum class Form
    {
        Variable,     // Number 1..99
        Keyword,      // Keyword
        Literal,      // Literal
        BadReference, // "#" not followed by two characters that form a number
        OutOfRange,   // "#" followed by a number outside 1..99
        BadLiteral    // neither a reference nor a keyword nor an integer
    };
    Form Kind = Form::BadLiteral;
    int Number = 0;
    ScriptKeyword Keyword = ScriptKeyword::None;
    int32_t Literal = 0;
    QString Text; // the text that failed to convert, for the message

    bool IsReference() const
    {
        return Kind == Form::Variable || Kind == Form::BadReference || Kind == Form::OutOfRange;
    }
};

ScriptOperand ClassifyArgument(const QString& argument);

} // namespace lumora
