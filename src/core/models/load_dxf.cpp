// DXF: the 3DFACE entities of a text drawing exchange file.
#include "models/model_readers.h"
#include "models/model_text.h"

#include <array>

namespace lumora {

namespace {

struct FaceCorners
{
    std::array<Vec3, 4> c{};
};

void SetCoordinate(FaceCorners& face, int code, float value)
{
    const int corner = code % 10;
    const int axis = code / 10 - 1;
    float* target[3] = {&face.c[corner].x, &face.c[corner].y, &face.c[corner].z};
    *target[axis] = value;
}

bool IsCoordinateCode(int code)
{
    return (code >= 10 && code <= 13) || (code >= 20 && code <= 23) || (code >= 30 && code <= 33);
}

// A quad whose fourth corner differs from its third is split along the
// diagonal from corner 2 to corner 4; otherwise the face is one triangle.
void EmitFace(const FaceCorners& f, std::vector<Triangle>& triangles, Model3D& model)
{
    const Vec3& c1 = f.c[0];
    const Vec3& c2 = f.c[1];
    const Vec3& c3 = f.c[2];
    const Vec3& c4 = f.c[3];
    if (!(c4 == c3)) {
        triangles.push_back({{c4, c3, c2}});
        triangles.push_back({{c4, c2, c1}});
        for (const Vec3& c : f.c)
            model.MeasureExtent(c);
    } else {
        triangles.push_back({{c3, c2, c1}});
        for (int i = 0; i < 3; ++i)
            model.MeasureExtent(f.c[size_t(i)]);
    }
}

} // namespace

std::optional<Model3D> ParseDXF(std::string_view text, ModelLoadProgress* progress)
{
    ProgressLabel label(progress);
    label.Show("3DLaden_1");
    const std::vector<std::string> lines = SplitLines(text);
    bool hasFace = false;
    for (const std::string& line : lines)
        if (line == "3DFACE") {
            hasFace = true;
            break;
        }
    if (!hasFace)
        return std::nullopt;

    Model3D model;
    label.Show("3DLaden_2");
    size_t i = 0;
    while (i < lines.size() && lines[i] != "ENTITIES")
        ++i;
    if (i < lines.size())
        ++i;

    label.Show("3DLaden_3");
    std::vector<Triangle> triangles;
    FaceCorners face;
    bool readingFace = false;
    // A code line at the very end reads an empty value, as reading past the
    // last line does.
    static const std::string kNoValue;
    for (; i < lines.size(); i += 2) {
        const int32_t code = StrToInt(lines[i]);
        const std::string& value = i + 1 < lines.size() ? lines[i + 1] : kNoValue;
        if (code == 0) {
            if (readingFace)
                EmitFace(face, triangles, model);
            readingFace = value == "3DFACE";
        } else if (IsCoordinateCode(code)) {
            SetCoordinate(face, code, LenientFloat(value));
        }
    }
    model.AddPart(std::move(triangles));
    return model;
}

std::optional<Model3D> LoadDXF(const QString& fileName, ModelLoadProgress* progress)
{
    return ParseDXF(ReadModelFile(fileName), progress);
}

} // namespace lumora
