#include "depthmap/tool_dm_gradient_ellipse.h"

#include "common/numeric.h"
#include "depthmap/nested_bands.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <utility>
#include <vector>

namespace lumora {

Tool_dm_Gradient_Ellipse::Tool_dm_Gradient_Ellipse(int32_t id, int32_t left, int32_t top,
                                                   int32_t width, int32_t height)
    : PicturedDepthObject(KindCode, id)
{
    Left = left;
    Top = top;
    SetSize(width, height, true);
}

int32_t Tool_dm_Gradient_Ellipse::DrawnAngle() const
{
    int32_t b = Angle;
    if (MirrorH) {
        if (b == 0 || b == 360)
            b = 180;
        else if (b == 180)
            b = 0;
    }
    if (MirrorV) {
        if (b == 90)
            b = 270;
        else if (b == 270)
            b = 90;
    }
    return b;
}

void Tool_dm_Gradient_Ellipse::BuildPicture(TPixelEngine256& picture) const
{
    const int W = picture.Width();
    const int H = picture.Height();
    picture.Fill(static_cast<uint8_t>(TransparentValue()));
    int32_t m = StartDepth;
    int32_t o = EndDepth;
    if (Invert)
        std::swap(m, o);
    int n = 0;
    if (Angle == 0 || Angle == 180 || Angle == 360)
        n = W;
    else if (Angle == 90 || Angle == 270)
        n = H;
    else
        return;
    const int32_t b = DrawnAngle();
    if (b != 0 && b != 90 && b != 180 && b != 270 && b != 360)
        return;
    // Band i is the half of an ellipse that reaches i pixels less far from
    // the centre edge; the outermost (i = 0) touches the far edge.
    std::vector<ShapeRows> shapes;
    std::vector<uint8_t> greys;
    shapes.reserve(static_cast<size_t>(n) + 1);
    greys.reserve(static_cast<size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        greys.push_back(static_cast<uint8_t>((m + MulDiv(i, o - m, n)) & 0xFF));
        switch (b) {
        case 0:
        case 360:
            shapes.push_back(ShapeRows::Chord(i, 0, 2 * W - i, H, W, 0, W, H));
            break;
        case 180:
            shapes.push_back(ShapeRows::Chord(i - W, 0, W - i, H, 0, H, 0, 0));
            break;
        case 90:
            shapes.push_back(ShapeRows::Chord(0, i - H, W, H - i, 0, 0, W, 0));
            break;
        default:
            shapes.push_back(ShapeRows::Chord(0, i, W, 2 * H - i, W, H, 0, H));
            break;
        }
    }
    // Shrinking in height there are as many bands as rows, and each row is
    // visited once per band: in a picture much taller than wide, finding
    // each row's runs by bisection is the quicker (a 100 x 65535 picture
    // takes seconds instead of most of a minute).
    if ((b == 90 || b == 270) && 2 * static_cast<int64_t>(W) < H) {
        PaintNestedRuns(picture, shapes, greys);
        return;
    }
    NestedBandPainter bands(picture);
    for (size_t i = 0; i < shapes.size(); ++i)
        bands.Add(shapes[i], greys[i]);
    bands.Finish();
}

void Tool_dm_Gradient_Ellipse::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(StartDepth);
    stream.WriteByte(EndDepth);
    stream.WriteInt32(Angle);
}

void Tool_dm_Gradient_Ellipse::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    StartDepth = stream.ReadByte();
    EndDepth = stream.ReadByte();
    Angle = stream.ReadInt32();
    SetSize(Width, Height, true);
}

std::unique_ptr<Tool_dm> Tool_dm_Gradient_Ellipse::Clone(int32_t newId) const
{
    return CloneAndBuild(*this, newId);
}

} // namespace lumora
