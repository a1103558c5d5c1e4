// RPL: a Real 3D text export, converted line by line into an L3M text and
// read as such.
#include "models/model_readers.h"
#include "models/model_text.h"

#include <limits>

namespace lumora {

namespace {

constexpr size_t kSkippedLines = 8;

// The header: a short line after a long one opens an object entry (its
// vertex count); two lines after the "CEND" line that closes the object
// the entry takes the lines 7 and 3 back (face count and quoted name).
std::vector<std::string> BuildHeader(const LineList& l)
{
    std::vector<std::string> header{"[Header]"};
    bool longSeen = false;
    bool open = false;
    for (int64_t i = 0; i < l.Count(); ++i) {
        const std::string& line = l.At(i);
        if (line.size() > 24)
            longSeen = true;
        if (longSeen && !open && line.size() <= 15) {
            header.push_back(line);
            open = true;
        }
        if (open && l.At(i - 1) == "\"CEND\"") {
            header.push_back(l.At(i - 7));
            const std::string& name = l.At(i - 3);
            header.push_back(name.size() >= 2 ? name.substr(1, name.size() - 2) : std::string());
            longSeen = false;
            open = false;
        }
    }
    header.emplace_back("[Header End]");
    header.emplace_back();
    return header;
}

// The decimal digits of a line read as one number.
int32_t DigitsOf(const std::string& line)
{
    std::string digits;
    for (char c : line)
        if (c >= '0' && c <= '9')
            digits += c;
    int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int32_t>::max())
            return StrToInt(digits); // raises the conversion error
    }
    if (digits.empty())
        return StrToInt(digits);
    return static_cast<int32_t>(value);
}

// Three blank-separated fields; each field ends after its blank, the third
// also after maxThird characters, every field at the end of the line.
void AppendFields(const std::string& line, size_t maxThird, std::vector<std::string>& out)
{
    size_t pos = 0;
    for (int field = 0; field < 3; ++field) {
        size_t end = line.find(' ', pos);
        end = end == std::string::npos ? line.size() : end + 1;
        if (field == 2 && end - pos > maxThird)
            end = pos + maxThird;
        out.push_back(line.substr(pos, end - pos));
        pos = end;
    }
}

} // namespace

std::string ConvertRPLToL3M(std::string_view text)
{
    std::vector<std::string> all = SplitLines(text);
    const size_t skip = std::min(kSkippedLines, all.size());
    const LineList l(
        std::vector<std::string>(all.begin() + static_cast<ptrdiff_t>(skip), all.end()));

    const LineList header(BuildHeader(l));
    std::vector<std::string> out = header.Lines();
    int64_t h = 1;
    int64_t d = -1;
    while (header.At(h) != "[Header End]") {
        const int32_t vertices = DigitsOf(header.At(h));
        const int32_t faces = DigitsOf(header.At(h + 1));
        h += 3;
        for (int32_t v = 0; v < vertices; ++v)
            AppendFields(l.At(++d), 20, out);
        d += 1;
        for (int32_t f = 0; f < faces; ++f) {
            AppendFields(l.At(++d), 7, out);
            d += 2;
        }
        d += 10;
    }

    std::string result;
    for (const std::string& line : out) {
        result += line;
        result += '\n';
    }
    return result;
}

Model3D ParseRPL(std::string_view text, ModelLoadProgress* progress)
{
    std::string l3m;
    {
        ProgressLabel label(progress);
        label.Show("3DLaden_1");
        label.Show("3DLaden_8");
        l3m = ConvertRPLToL3M(text);
    }
    return ParseL3M(l3m, progress);
}

Model3D LoadRPL(const QString& fileName, ModelLoadProgress* progress)
{
    return ParseRPL(ReadModelFile(fileName), progress);
}

} // namespace lumora
