#include "depthmap/tool_dm_gradient_radial_rectangle.h"

#include "common/numeric.h"
#include "depthmap/concentric_bands.h"
#include "depthmap/shape_geometry.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <algorithm>

namespace lumora {

Tool_dm_Gradient_Radial_Rectangle::Tool_dm_Gradient_Radial_Rectangle(int32_t id, int32_t left,
                                                                     int32_t top, int32_t width,
                                                                     int32_t height)
    : PicturedDepthObject(KindCode, id)
{
    Left = left;
    Top = top;
    SetSize(width, height, true);
}

int32_t Tool_dm_Gradient_Radial_Rectangle::CornerSize(int32_t w, int32_t h) const
{
    return static_cast<int32_t>(Round(Roundness / 100.0 * std::min(w, h)));
}

bool Tool_dm_Gradient_Radial_Rectangle::HitTest(int32_t x, int32_t y) const
{
    if (!Visible)
        return false;
    if (Roundness == 0)
        return Tool_dm::HitTest(x, y);
    const int32_t r = CornerSize(Width, Height);
    return PixelInRoundRect(Bounds(), r, r, x, y);
}

int Tool_dm_Gradient_Radial_Rectangle::TransparentValue() const
{
    if (Roundness == 0)
        return kOpaque;
    return Invert ? 255 : 0;
}

void Tool_dm_Gradient_Radial_Rectangle::BuildPicture(TPixelEngine256& picture) const
{
    DrawConcentricBands(picture, StartDepth, EndDepth, TipSize, Invert, [this](const Box& band) {
        if (Roundness == 0)
            return ShapeRows::Rectangle(band.Left, band.Top, band.Right, band.Bottom);
        const int32_t corner = CornerSize(band.Right - band.Left, band.Bottom - band.Top);
        return ShapeRows::RoundRect(band.Left, band.Top, band.Right, band.Bottom, corner, corner);
    });
}

void Tool_dm_Gradient_Radial_Rectangle::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(StartDepth);
    stream.WriteByte(EndDepth);
    stream.WriteByte(TipSize);
    stream.WriteByte(Roundness);
}

void Tool_dm_Gradient_Radial_Rectangle::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    StartDepth = stream.ReadByte();
    EndDepth = stream.ReadByte();
    TipSize = stream.ReadByte();
    Roundness = stream.ReadByte();
    SetSize(Width, Height, true);
}

std::unique_ptr<Tool_dm> Tool_dm_Gradient_Radial_Rectangle::Clone(int32_t newId) const
{
    return CloneAndBuild(*this, newId);
}

} // namespace lumora
