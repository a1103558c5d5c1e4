#pragma once
// Line and number handling shared by the text model readers. Numbers use
// "." as decimal separator whatever the locale. Conversions that fail raise
// LumoraError with the conversion's user-facing text.

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Splits at CR LF, LF or a lone CR; a final line break ends the last line
// without starting another.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a whole model file; a missing or unreadable file, or one beyond the
// size any model reader accepts, raises LumoraError.
std::string ReadModelFile(const QString& fileName);

// Strict conversions: leading blanks, an optional sign, digits (and for
// floats a fraction and exponent); trailing blanks are allowed for floats
// only. "'<text>' is not a valid integer value" / "... floating point value".
int32_t StrToInt(std::string_view text);
float StrToFloat(std::string_view text);

// Lenient conversions: the longest valid prefix after leading blanks, 0 when
// there is none. A value beyond single precision raises the float error.
float LenientFloat(std::string_view text);
int32_t LenientInt(std::string_view text);

std::string TrimBlanks(std::string_view text);

[[noreturn]] void ThrowListIndexError(int64_t index);

// A list of lines whose reads past either end raise
// "List index out of bounds (<index>)".
class LineList
{
public:
    LineList() = default;
    explicit LineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    const std::string& At(int64_t index) const;
    int64_t Count() const { return static_cast<int64_t>(lines_.size()); }
    void Append(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

} // namespace lumora
