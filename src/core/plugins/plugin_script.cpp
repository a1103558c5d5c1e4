#include "plugins/plugin_script.h"

#include <cstdint>

namespace lumora {

namespace {

bool IsCommandEnd(QChar c)
{
    return c == u'(' || c == u',' || c == u' ';
}
bool IsArgumentEnd(QChar c)
{
    return c == u')' || c == u',';
}

char16_t AsciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

} // namespace

ScriptLine ParseScriptLine(const QString& line)
{
    ScriptLine parsed;
    qsizetype start = 0;
    while (start < line.size() && line.at(start) == u' ')
        ++start;
    const QStringView s = QStringView(line).mid(start);
    const qsizetype n = s.size();
    if (n == 0 || s.at(0) == u'/' || (n >= 2 && s.at(1) == u'/'))
        return parsed;

    // The first character always belongs to the word, whatever it is.
    qsizetype end = 1;
    while (end < n && !IsCommandEnd(s.at(end)))
        ++end;
    parsed.Command = s.left(end).toString();
    if (end >= n || s.at(end) != u'(')
        return parsed;

    qsizetype pos = end + 1;
    while (parsed.Arguments.size() < kMaxScriptArguments) {
        if (pos >= n) {
            // A line that ends right after "(" or ",": an empty argument.
            parsed.Arguments.append(QString());
            break;
        }
        const qsizetype argStart = pos++;
        while (pos < n && !IsArgumentEnd(s.at(pos)))
            ++pos;
        parsed.Arguments.append(s.mid(argStart, pos - argStart).toString());
        if (pos >= n || s.at(pos) == u')')
            break;
        ++pos; // past the ","
    }
    return parsed;
}

bool SameWordIgnoringCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a.at(i).unicode()) != AsciiUpper(b.at(i).unicode()))
            return false;
    }
    return true;
}

bool ParseIntegerText(QStringView text, int32_t& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text.at(i) == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text.at(i) == u'0' &&
               (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    const uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 2147483648u : 2147483647u);
    uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = DigitValue(text.at(i), base);
        if (digit < 0)
            return false;
        magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (magnitude > limit)
            return false;
    }
    const auto bits = static_cast<uint32_t>(magnitude);
    value = static_cast<int32_t>(negative ? 0u - bits : bits);
    return true;
}

ScriptKeyword KeywordOf(QStringView argument)
{
    if (SameWordIgnoringCase(argument, u"XMAX"))
        return ScriptKeyword::XMax;
    if (SameWordIgnoringCase(argument, u"YMAX"))
        return ScriptKeyword::YMax;
    if (SameWordIgnoringCase(argument, u"NUM"))
        return ScriptKeyword::Num;
    return ScriptKeyword::None;
}

ScriptOperand ClassifyArgument(const QString& argument)
{
    ScriptOperand operand;
    using Form = ScriptOperand::Form;
    if (argument.startsWith(u'#')) {
        // Exactly the two characters after "#" name the variable; whatever
        // follows them is ignored.
        const QString digits = argument.mid(1, 2);
        int32_t number = 0;
        if (digits.size() < 2 || !ParseIntegerText(digits, number)) {
            operand.Kind = Form::BadReference;
            operand.Text = digits.size() < 2 ? argument : digits;
        } else if (number < 1 || number > kScriptVariableCount) {
            operand.Kind = Form::OutOfRange;
            operand.Text = argument.left(3);
        } else {
            operand.Kind = Form::Variable;
            operand.Number = number;
        }
        return operand;
    }
    operand.Keyword = KeywordOf(argument);
    if (operand.Keyword != ScriptKeyword::None) {
        operand.Kind = Form::Keyword;
        return operand;
    }
    if (ParseIntegerText(argument, operand.Literal)) {
        operand.Kind = Form::Literal;
    } else {
        operand.Kind = Form::BadLiteral;
        operand.Text = argument;
    }
    return operand;
}

} // namespace lumora
