// L3M: the program's own model text, one value per line: a header of
// vertex and face counts per object, then each object's coordinates and
// face indices.
#include "models/model_readers.h"
#include "models/model_text.h"

namespace lumora {

namespace {

constexpr const char* kHeaderEnd = "[Header End]";

struct ObjectCounts
{
    int32_t vertices = 0;
    int32_t faces = 0;
};

// Header entries from line 1 until "[Header End]"; answers the index of
// that line.
int64_t ReadHeader(const LineList& lines, std::vector<ObjectCounts>& objects)
{
    int64_t h = 1;
    while (lines.At(h) != kHeaderEnd) {
        ObjectCounts counts;
        counts.vertices = StrToInt(lines.At(h));
        counts.faces = StrToInt(lines.At(h + 1));
        (void)lines.At(h + 2); // the object's name, unused
        objects.push_back(counts);
        h += 3;
    }
    return h;
}

// Only the first five characters of a face line count.
int32_t FaceIndex(const std::string& line, size_t vertexCount)
{
    const int32_t index = LenientInt(std::string_view(line).substr(0, 5));
    if (index < 0 || static_cast<size_t>(index) >= vertexCount)
        ThrowListIndexError(index);
    return index;
}

} // namespace

Model3D ParseL3M(std::string_view text, ModelLoadProgress* progress)
{
    ProgressLabel label(progress);
    label.Show("3DLaden_1");
    const LineList lines(SplitLines(text));
    label.Show("3DLaden_2");

    Model3D model;
    std::vector<ObjectCounts> objects;
    int64_t d = ReadHeader(lines, objects) + 2; // skip "[Header End]" and one line
    std::vector<Triangle> triangles;
    for (const ObjectCounts& object : objects) {
        std::vector<Vec3> vertices;
        for (int32_t v = 0; v < object.vertices; ++v) {
            Vec3 p;
            p.x = StrToFloat(lines.At(d++));
            p.y = StrToFloat(lines.At(d++));
            p.z = StrToFloat(lines.At(d++));
            model.MeasureExtent(p);
            vertices.push_back(p);
        }
        for (int32_t f = 0; f < object.faces; ++f) {
            Triangle t;
            for (Vec3& corner : t.v)
                corner = vertices[static_cast<size_t>(FaceIndex(lines.At(d++), vertices.size()))];
            triangles.push_back(t);
        }
    }
    model.AddPart(std::move(triangles));
    return model;
}

Model3D LoadL3M(const QString& fileName, ModelLoadProgress* progress)
{
    return ParseL3M(ReadModelFile(fileName), progress);
}

} // namespace lumora
