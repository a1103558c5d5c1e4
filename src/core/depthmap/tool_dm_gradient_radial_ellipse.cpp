#include "depthmap/tool_dm_gradient_radial_ellipse.h"

#include "depthmap/concentric_bands.h"
#include "depthmap/shape_geometry.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

namespace lumora {

Tool_dm_Gradient_Radial_Ellipse::Tool_dm_Gradient_Radial_Ellipse(int32_t id, int32_t left,
                                                                 int32_t top, int32_t width,
                                                                 int32_t height)
    : PicturedDepthObject(KindCode, id)
{
    Left = left;
    Top = top;
    SetSize(width, height, true);
}

bool Tool_dm_Gradient_Radial_Ellipse::HitTest(int32_t x, int32_t y) const
{
    return Visible && PixelInEllipse(Bounds(), x, y);
}

void Tool_dm_Gradient_Radial_Ellipse::BuildPicture(TPixelEngine256& picture) const
{
    DrawConcentricBands(picture, StartDepth, EndDepth, TipSize, Invert, [](const Box& band) {
        return ShapeRows::Ellipse(band.Left, band.Top, band.Right, band.Bottom);
    });
}

void Tool_dm_Gradient_Radial_Ellipse::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(StartDepth);
    stream.WriteByte(EndDepth);
    stream.WriteByte(TipSize);
}

void Tool_dm_Gradient_Radial_Ellipse::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    StartDepth = stream.ReadByte();
    EndDepth = stream.ReadByte();
    TipSize = stream.ReadByte();
    SetSize(Width, Height, true);
}

std::unique_ptr<Tool_dm> Tool_dm_Gradient_Radial_Ellipse::Clone(int32_t newId) const
{
    return CloneAndBuild(*this, newId);
}

} // namespace lumora
