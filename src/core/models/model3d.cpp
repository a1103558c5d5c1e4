#include "models/model3d.h"

#include <algorithm>
#include <cmath>

namespace lumora {

bool Model3D::Empty() const
{
    return TriangleCount() == 0;
}

size_t Model3D::TriangleCount() const
{
    size_t n = 0;
    for (const ModelPart& part : Parts)
        n += part.TriangleCount();
    return n;
}

void Model3D::MeasureExtent(const Vec3& p)
{
    Extent =
        std::max({Extent, std::fabs(double(p.x)), std::fabs(double(p.y)), std::fabs(double(p.z))});
}

void Model3D::AddPart(std::vector<Triangle> triangles, const Matrix4& placement)
{
    ModelPart part;
    part.Triangles = std::make_shared<const std::vector<Triangle>>(std::move(triangles));
    part.Placement = placement;
    Parts.push_back(std::move(part));
}

} // namespace lumora
