#include "models/view_state_3d.h"

#include "common/numeric.h"

#include <algorithm>
#include <cmath>

namespace lumora {

void ViewState3D::ResetView()
{
    EyeDistance = 70;
    DepthRange = 10000.0f;
    ProjectionDirty = true;
    ModelMatrix = Matrix4::Identity();
}

void ViewState3D::SetScalePosition(int position)
{
    scalePosition_ = std::clamp(position, kScaleMin, kScaleMax);
}

double ViewState3D::GetScaleValue() const
{
    const int p = scalePosition_;
    if (p <= 100)
        return p / 100.0;
    if (p <= 201)
        return p - 99.0;
    if (p <= 302)
        return (p - 192) * 10.0;
    return (p - 302) * 1000.0;
}

void ViewState3D::SetScaleValue(double s)
{
    int64_t p;
    if (s <= 1)
        p = Round(s * 100);
    else if (s >= 2 && s <= 100)
        p = Round(s + 99);
    else if (s >= 103 && s <= 1100)
        p = Round(s / 10 + 192);
    else if (s >= 1101 && s <= 101000)
        p = Round(s / 1000 + 302);
    else
        return;
    SetScalePosition(int(std::clamp<int64_t>(p, kScaleMin, kScaleMax)));
}

double ViewState3D::EffectiveScale() const
{
    const double k = MakeFinalScale();
    return std::fabs(1.0 - k) > 0.1 ? k : 1.0;
}

void ViewState3D::SetStartDepthPosition(int position)
{
    startDepthPosition_ = std::clamp(position, kStartDepthMin, kStartDepthMax);
}

void ViewState3D::SetEndDepthPosition(int position)
{
    endDepthPosition_ = std::clamp(position, kEndDepthMin, kEndDepthMax);
}

void ViewState3D::SetViewSize(int width, int height)
{
    ViewWidth = std::max(1, width);
    ViewHeight = std::max(1, height);
    ProjectionDirty = true;
}

void ViewState3D::SetScreenDpi(int dpi)
{
    ScreenDpi = std::max(1, dpi);
    ProjectionDirty = true;
}

const Projection& ViewState3D::ApplyPerspective()
{
    if (ProjectionDirty) {
        const double m = std::max(ViewWidth, ViewHeight);
        const float nearPlane = float((2.0 * EyeDistance * ScreenDpi) / (25.4 * m));
        projection_.Near = nearPlane;
        projection_.Far = double(nearPlane) + DepthRange;
        projection_.HalfWidth = ViewWidth / (2.0 * m);
        projection_.HalfHeight = ViewHeight / (2.0 * m);
        // The viewport is one row higher than the view area; the picture is
        // read from its bottom rows.
        projection_.ViewportWidth = ViewWidth;
        projection_.ViewportHeight = ViewHeight + 1;
        ProjectionDirty = false;
    }
    return projection_;
}

Transform3d ViewState3D::ModelToEye() const
{
    Transform3d model;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            model.m[i][j] = ModelMatrix.m[i][j];
    return model * Transform3d::Scaling(EffectiveScale()) * Transform3d::Translation(0, 0, -4);
}

void ViewState3D::MouseDown(int x, int y)
{
    if (DragBlocked)
        return;
    PrevX = x;
    PrevY = y;
}

void ViewState3D::MouseUp()
{
    DragBlocked = false;
}

bool ViewState3D::MouseMove(int x, int y, Buttons buttons)
{
    if (DragBlocked)
        return false;
    bool changed = false;
    if (buttons.left && !buttons.right) {
        ModelMatrix = ModelMatrix * Matrix4::RotationDegrees({1, 0, 0}, PrevY - y);
        if (buttons.ctrl)
            ModelMatrix = ModelMatrix * Matrix4::RotationDegrees({0, 0, 1}, x - PrevX);
        else
            ModelMatrix = ModelMatrix * Matrix4::RotationDegrees({0, 1, 0}, PrevX - x);
        changed = true;
    } else if (buttons.right && !buttons.left) {
        const double s = GetScaleValue();
        if (!buttons.ctrl) {
            ModelMatrix = ModelMatrix * Matrix4::Translation(float((x - PrevX) * s / 150), 0, 0);
            ModelMatrix = ModelMatrix * Matrix4::Translation(0, float((PrevY - y) * s / 150), 0);
        } else {
            ModelMatrix = ModelMatrix *
                          Matrix4::Translation(0, 0, float(((x - PrevX) + (PrevY - y)) * s / 150));
        }
        changed = true;
    }
    PrevX = x;
    PrevY = y;
    return changed;
}

} // namespace lumora
