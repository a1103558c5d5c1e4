#include "depthmap/depth_kinds.h"

#include <array>

namespace lumora {

namespace {
constexpr std::array<DepthKindInfo, 20> kKinds = {{
    {0, "", "Hintergrund", "", false},
    {1, "Tool_dm_Rectangle", "Rechteck", "TTool_Rectangle", true},
    {2, "Tool_dm_Ellipse", "Ellipse", "TTool_Ellipse", true},
    {3, "Tool_dm_line", "Linie", "TTool_Line", true},
    {4, "Tool_dm_polygon", "n-Eck", "TTool_Polygon", true},
    {5, "Tool_dm_Text", "Text", "TTool_Text", true},
    {6, "Tool_dm_Gradient_Rectangle", "GrRechteck", "TTool_GrTrRe", true},
    {7, "Tool_dm_Gradient_Ellipse", "GrEllipse", "TTool_GrTrEl", true},
    {8, "Tool_dm_Gradient_Radial_Rectangle", "RadRechteck", "TTool_GrKoRe", true},
    {9, "Tool_dm_Gradient_Radial_Ellipse", "RadEllipse", "TTool_GrKoEl", true},
    {10, "Tool_dm_Wave", "Welle", "TTool_Welle", true},
    {11, "Tool_dm_Radial_Wave", "RadWelle", "TTool_RadWelle", true},
    {12, "Tool_dm_Image", "Bild", "TTool_Bild", true},
    {13, "", "Scanner", "TTool_Scanner", false},
    {14, "Tool_dm_3d_primitive", "3DPrimitive", "TTool_3D", true},
    {15, "Tool_dm_3d_model", "3DModell", "TTool_3D", true},
    {16, "Tool_dm_3d_text", "3DText", "TTool_3D", true},
    {17, "Tool_dm_PlugIn", "PlugIn", "TTool_PlugIn", true},
    {18, "Tool_dm_Blend", "Blend", "TTool_Blend", true},
    {19, "Tool_dm_Group", "Gruppe", "", true},
}};
} // namespace

std::span<const DepthKindInfo> DepthKinds()
{
    return kKinds;
}

const DepthKindInfo* FindDepthKind(int32_t kind)
{
    if (kind < 0 || static_cast<size_t>(kind) >= kKinds.size())
        return nullptr;
    return &kKinds[static_cast<size_t>(kind)];
}

QString DefaultNameKey(int32_t kind)
{
    const DepthKindInfo* info = FindDepthKind(kind);
    return info ? QString::fromUtf8(info->DefaultNameKey) : QString();
}

bool CreatedViaDialog(int32_t kind)
{
    return kind == 5 || (kind >= 12 && kind <= 18);
}

bool HasParameterDialog(int32_t kind)
{
    const DepthKindInfo* info = FindDepthKind(kind);
    return info && info->Dialog[0] != '\0' && kind != ScannerKind;
}

} // namespace lumora
