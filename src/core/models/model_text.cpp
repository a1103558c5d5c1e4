#include "models/model_text.h"

#include "common/lumora_error.h"

#include <QFile>

#include <charconv>
#include <cmath>
#include <limits>

namespace lumora {

namespace {

// Larger files are not plausible models; refusing them keeps a hostile file
// from exhausting memory.
constexpr qint64 kMaxModelFileSize = 512ll * 1024 * 1024;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Error texts quote the offending text; very long texts are shortened so
// that the message stays readable.
std::string Quoted(std::string_view text)
{
    constexpr size_t kMaxShown = 80;
    std::string shown(text.substr(0, kMaxShown));
    if (text.size() > kMaxShown)
        shown += "...";
    return "'" + shown + "'";
}

[[noreturn]] void ThrowIntError(std::string_view text)
{
    throw LumoraError(Quoted(text) + " is not a valid integer value");
}

[[noreturn]] void ThrowFloatError(std::string_view text)
{
    throw LumoraError(Quoted(text) + " is not a valid floating point value");
}

std::string_view SkipLeadingBlanks(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return s.substr(i);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of s that is a decimal number: sign, digits,
// optional fraction, optional exponent with at least one digit. 0 if none.
size_t FloatPrefixLength(std::string_view s)
{
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        size_t j = i + 1;
        size_t fraction = 0;
        while (j < s.size() && IsDigit(s[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        size_t expDigits = 0;
        while (j < s.size() && IsDigit(s[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
    }
    return i;
}

// Converts a validated number text to single precision; values beyond its
// range are an error rather than an infinity.
bool ToFloat(std::string_view number, float& out)
{
    if (!number.empty() && number[0] == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ptr != number.data() + number.size())
        return false;
    if (ec == std::errc::result_out_of_range) {
        // Underflow comes back as out of range with a tiny value: take zero.
        if (std::fabs(value) < 1.0) {
            out = 0.0f;
            return true;
        }
        return false;
    }
    if (ec != std::errc() || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max())
        return false;
    out = static_cast<float>(value);
    return true;
}

// Length of the longest prefix that is an optionally signed run of digits.
size_t IntPrefixLength(std::string_view s)
{
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const size_t start = i;
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i == start ? 0 : i;
}

bool ToInt(std::string_view number, int32_t& out)
{
    if (!number.empty() && number[0] == '+')
        number.remove_prefix(1);
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), out);
    return ec == std::errc() && ptr == number.data() + number.size();
}

} // namespace

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string ReadModelFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw LumoraError("Cannot open file \"" + fileName.toStdString() + "\"");
    if (file.size() > kMaxModelFileSize)
        throw LumoraError("The file \"" + fileName.toStdString() + "\" is too large");
    const QByteArray bytes = file.read(kMaxModelFileSize + 1);
    if (bytes.size() > kMaxModelFileSize)
        throw LumoraError("The file \"" + fileName.toStdString() + "\" is too large");
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

int32_t StrToInt(std::string_view text)
{
    const std::string_view s = SkipLeadingBlanks(text);
    int32_t value = 0;
    if (IntPrefixLength(s) != s.size() || !ToInt(s, value))
        ThrowIntError(text);
    return value;
}

float StrToFloat(std::string_view text)
{
    const std::string trimmed = TrimBlanks(text);
    float value = 0;
    if (trimmed.empty() || FloatPrefixLength(trimmed) != trimmed.size() || !ToFloat(trimmed, value))
        ThrowFloatError(text);
    return value;
}

float LenientFloat(std::string_view text)
{
    const std::string_view s = SkipLeadingBlanks(text);
    const size_t n = FloatPrefixLength(s);
    if (n == 0)
        return 0.0f;
    float value = 0;
    if (!ToFloat(s.substr(0, n), value))
        ThrowFloatError(text);
    return value;
}

int32_t LenientInt(std::string_view text)
{
    const std::string_view s = SkipLeadingBlanks(text);
    const size_t n = IntPrefixLength(s);
    if (n == 0)
        return 0;
    int32_t value = 0;
    if (!ToInt(s.substr(0, n), value))
        ThrowIntError(text);
    return value;
}

std::string TrimBlanks(std::string_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    return std::string(text.substr(b, e - b));
}

void ThrowListIndexError(int64_t index)
{
    throw LumoraError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& LineList::At(int64_t index) const
{
    if (index < 0 || index >= Count())
        ThrowListIndexError(index);
    return lines_[static_cast<size_t>(index)];
}

} // namespace lumora
