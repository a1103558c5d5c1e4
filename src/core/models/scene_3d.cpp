#include "models/scene_3d.h"

#include "models/mesh_depth_renderer.h"

#include <algorithm>

namespace lumora {

namespace {

Transform3d ToTransform(const Matrix4& m)
{
    Transform3d t;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            t.m[i][j] = m.m[i][j];
    return t;
}

void DrawTriangles(MeshDepthRenderer& renderer, const std::vector<Triangle>& triangles,
                   const Transform3d& toEye)
{
    for (const Triangle& t : triangles)
        renderer.DrawTriangle(toEye.Apply(t.v[0].x, t.v[0].y, t.v[0].z),
                              toEye.Apply(t.v[1].x, t.v[1].y, t.v[1].z),
                              toEye.Apply(t.v[2].x, t.v[2].y, t.v[2].z));
}

} // namespace

void Scene3D::ClearLists(bool reset)
{
    Model.Clear();
    Text.ClearGlyphs();
    if (reset)
        View.ResetView();
}

void Scene3D::SetExtrusionPosition(int position)
{
    extrusionPosition_ =
        std::clamp(position, ViewState3D::kExtrusionMin, ViewState3D::kExtrusionMax);
    Text.ClearGlyphs();
    Text.Text_laden(Text.Text(), Font, extrusionPosition_ / 100.0);
}

void Scene3D::SetFont(const Text3DFont& font)
{
    Font = font;
    ClearLists(false);
    Text.Text_laden(Text.Text(), Font, extrusionPosition_ / 100.0);
}

void Scene3D::Text_laden(const QString& text)
{
    Text.Text_laden(text, Font, extrusionPosition_ / 100.0);
}

GreyPicture Scene3D::Paint()
{
    const Projection& projection = View.ApplyPerspective();
    MeshDepthRenderer renderer(projection, View.ViewHeight, float(View.FogStart()),
                               float(View.FogEnd()));
    const Transform3d modelToEye = View.ModelToEye();
    if (ShowText) {
        DrawTriangles(renderer, Text.LayoutTriangles(), modelToEye);
    } else {
        const Transform3d offset =
            Transform3d::Translation(Model.Offset.x, Model.Offset.y, Model.Offset.z);
        for (const ModelPart& part : Model.Parts)
            if (part.Triangles)
                DrawTriangles(renderer, *part.Triangles,
                              ToTransform(part.Placement) * offset * modelToEye);
    }
    GreyPicture picture;
    picture.Width = renderer.Width();
    picture.Height = renderer.Rows();
    picture.Levels = renderer.Levels();
    return picture;
}

size_t Scene3D::TriangleCount() const
{
    return ShowText ? Text.LayoutTriangles().size() : Model.TriangleCount();
}

} // namespace lumora
