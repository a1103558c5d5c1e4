// ASC: the 3D Studio ASCII export, read object by object: a "Named object"
// line followed by a "Tri-mesh" header, the vertex list and the face list.
#include "models/model_readers.h"
#include "models/model_text.h"

#include <array>

namespace lumora {

namespace {

bool StartsWith(const std::string& s, std::string_view prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool Contains(const std::string& s, std::string_view part)
{
    return s.find(part) != std::string::npos;
}

// The text between the end of `from` and the start of `to` (to the end
// when `to` is empty); a missing marker gives an empty text, which the
// conversion then rejects.
std::string Between(const std::string& s, std::string_view from, std::string_view to)
{
    const size_t a = s.find(from);
    if (a == std::string::npos)
        return {};
    const size_t start = a + from.size();
    if (to.empty())
        return s.substr(start);
    const size_t b = s.find(to, start);
    if (b == std::string::npos)
        return {};
    return s.substr(start, b - start);
}

// Lines that are empty or begin with a blank are skipped; reading past the
// last line sets the end flag and answers an empty line.
class AscLineReader
{
public:
    explicit AscLineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    const std::string& Next()
    {
        while (pos_ < lines_.size()) {
            const std::string& line = lines_[pos_++];
            if (!line.empty() && line[0] != ' ') {
                current_ = line;
                return current_;
            }
        }
        atEnd_ = true;
        current_.clear();
        return current_;
    }
    const std::string& Current() const { return current_; }
    bool AtEnd() const { return atEnd_; }

private:
    std::vector<std::string> lines_;
    size_t pos_ = 0;
    std::string current_;
    bool atEnd_ = false;
};

// Finds the next "Named" line followed by a "Tri-mesh" line, starting with
// the current line; answers false at the end of the file.
bool FindObjectHeader(AscLineReader& in)
{
    std::string line = in.Current();
    if (in.AtEnd())
        return false;
    if (Contains(line, "Ambient"))
        line = in.Next();
    while (!in.AtEnd()) {
        while (!StartsWith(line, "Named")) {
            line = in.Next();
            if (in.AtEnd())
                return false;
        }
        line = in.Next();
        if (StartsWith(line, "Tri-mesh"))
            return true;
    }
    return false;
}

Vec3 ReadVertex(const std::string& line, bool mapped)
{
    std::string s = line.size() > 7 ? line.substr(7) : std::string();
    const size_t colon = s.find(':');
    s = colon == std::string::npos ? std::string() : s.substr(std::min(s.size(), colon + 2));
    const size_t y = s.find("Y:");
    Vec3 p;
    p.x = StrToFloat(
        TrimBlanks(y == std::string::npos || y < 3 ? std::string() : s.substr(3, y - 3)));
    p.y = StrToFloat(TrimBlanks(Between(s, "Y:", "Z:")));
    p.z = StrToFloat(TrimBlanks(Between(s, "Z:", mapped ? "U:" : "")));
    return p;
}

std::array<int32_t, 3> ReadFace(const std::string& line)
{
    std::string s = line.size() > 5 ? line.substr(5) : std::string();
    const size_t a = s.find("A:");
    s = a == std::string::npos ? std::string() : s.substr(a);
    const size_t ab = s.find(" AB:");
    if (ab != std::string::npos)
        s.erase(ab);
    return {StrToInt(TrimBlanks(Between(s, "A:", "B:"))),
            StrToInt(TrimBlanks(Between(s, "B:", "C:"))),
            StrToInt(TrimBlanks(Between(s, "C:", "")))};
}

const Vec3& VertexAt(const std::vector<Vec3>& vertices, int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= vertices.size())
        ThrowListIndexError(index);
    return vertices[static_cast<size_t>(index)];
}

} // namespace

Model3D ParseASC(std::string_view text, ModelLoadProgress* progress)
{
    ProgressLabel label(progress);
    Model3D model;
    label.Show("3DLaden_1");
    AscLineReader in(SplitLines(text));
    std::vector<Triangle> triangles;

    in.Next();
    while (FindObjectHeader(in)) {
        const std::string header = in.Current();
        const int32_t vertexCount = StrToInt(TrimBlanks(Between(header, "Vertices:", "Faces:")));
        const int32_t faceCount = StrToInt(TrimBlanks(Between(header, "Faces:", "")));

        bool mapped = false;
        if (in.Next() == "Mapped") {
            mapped = true;
            in.Next();
        }

        label.Show("3DLaden_3");
        std::vector<Vec3> vertices;
        for (int32_t v = 0; v < vertexCount; ++v)
            vertices.push_back(ReadVertex(in.Next(), mapped));

        in.Next();
        label.Show("3DLaden_6");
        std::vector<std::array<int32_t, 3>> faces;
        for (int32_t f = 0; f < faceCount; ++f) {
            if (!Contains(in.Current(), "A:"))
                in.Next();
            faces.push_back(ReadFace(in.Current()));
            if (Contains(in.Next(), "Material"))
                in.Next();
        }

        label.Show("3DLaden_7");
        for (const auto& face : faces) {
            Triangle t;
            for (int c = 0; c < 3; ++c) {
                t.v[c] = VertexAt(vertices, face[size_t(c)]);
                model.MeasureExtent(t.v[c]);
            }
            triangles.push_back(t);
        }
    }
    model.AddPart(std::move(triangles));
    return model;
}

Model3D LoadASC(const QString& fileName, ModelLoadProgress* progress)
{
    return ParseASC(ReadModelFile(fileName), progress);
}

} // namespace lumora
