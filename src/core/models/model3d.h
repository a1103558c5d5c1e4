#pragma once
// The triangle model a model file becomes: parts of triangles, each with a
// placement matrix, a common offset and the measured extent. Only geometry
// is kept; the depth rendering uses no lighting, so winding plays no part.

#include "models/matrix4.h"

#include <memory>
#include <vector>

namespace lumora {

struct Triangle
{
    Vec3 v[3];
};

struct ModelPart
{
    // Shared, because the keyframes of a 3D Studio file may draw one mesh
    // several times with different placements.
    std::shared_ptr<const std::vector<Triangle>> Triangles;
    Matrix4 Placement = Matrix4::Identity();

    size_t TriangleCount() const { return Triangles ? Triangles->size() : 0; }
};

class Model3D
{
public:
    std::vector<ModelPart> Parts;
    Vec3 Offset;       // added after each part's placement
    double Extent = 0; // largest absolute coordinate read, 0 when not measured

    void Clear() { *this = Model3D(); }
    bool Empty() const;
    size_t TriangleCount() const;

    // Widens Extent by the absolute values of the three coordinates.
    void MeasureExtent(const Vec3& p);

    // Convenience for readers that emit into one part with identity placement.
    void AddPart(std::vector<Triangle> triangles, const Matrix4& placement = Matrix4::Identity());
};

} // namespace lumora
