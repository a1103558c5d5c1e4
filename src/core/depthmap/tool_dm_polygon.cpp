#include "depthmap/tool_dm_polygon.h"

#include "common/numeric.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumora {

Tool_dm_polygon::Tool_dm_polygon(int32_t id, int32_t left, int32_t top, int32_t width,
                                 int32_t height)
    : Tool_dm(KindCode, id)
{
    HasDepth = true;
    Depth = 255;
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

std::vector<QPoint> Tool_dm_polygon::Vertices(int32_t x, int32_t y, int32_t w, int32_t h) const
{
    // A negative extent moves the corner instead.
    int64_t left = x, top = y, width = w, height = h;
    if (width < 0) {
        left += width;
        width = -width;
    }
    if (height < 0) {
        top += height;
        height = -height;
    }
    const int64_t hw = width / 2;
    const int64_t hh = height / 2;
    const int n = std::max<int>(Corners, 3);
    // The angle runs in single precision, as the corners have always been
    // placed; it decides which way a corner rounds.
    const float step = static_cast<float>(2.0 * std::numbers::pi / n);
    float a = static_cast<float>(Rotation * std::numbers::pi / 180.0 + std::numbers::pi / 2.0);
    std::vector<QPoint> points;
    points.reserve(static_cast<size_t>(n) + 1);
    for (int k = 0; k < n; ++k) {
        int64_t px = left + hw + Round(std::cos(static_cast<double>(a)) * static_cast<double>(hw));
        if (MirrorH)
            px = 2 * left + width - px;
        int64_t py = top + hh - Round(std::sin(static_cast<double>(a)) * static_cast<double>(hh));
        if (MirrorV)
            py = 2 * top + height - py;
        points.emplace_back(SaturateToInt32(px), SaturateToInt32(py));
        a = a + step;
    }
    points.push_back(points.front());
    return points;
}

bool Tool_dm_polygon::HitTest(int32_t x, int32_t y) const
{
    if (!Visible)
        return false;
    // Crossings of the horizontal through the point, counted on each side;
    // inside when both counts are odd.
    const std::vector<QPoint> p = Vertices(Left, Top, Width, Height);
    int leftCrossings = 0;
    int rightCrossings = 0;
    for (size_t k = 0; k + 1 < p.size(); ++k) {
        const double xi = p[k].x(), yi = p[k].y();
        const double xj = p[k + 1].x(), yj = p[k + 1].y();
        if ((y >= yi && y < yj) || (y < yi && y >= yj)) {
            const double c = xi + (xj - xi) / (yj - yi) * (y - yi);
            if (x > c)
                ++leftCrossings;
            if (x < c)
                ++rightCrossings;
        }
    }
    return (leftCrossings % 2 == 1) && (rightCrossings % 2 == 1);
}

void Tool_dm_polygon::Draw(TPixelEngine256& engine)
{
    DrawAtBounds(engine);
}

void Tool_dm_polygon::Render(TPixelEngine256& engine, int32_t x, int32_t y, int32_t w, int32_t h)
{
    engine.SetBrushGrey(Grey());
    engine.SetPen(1, true);
    std::vector<QPoint> points = Vertices(x, y, w, h);
    // The first Corners corners: the closing repeat is the rasteriser's.
    points.resize(std::min<size_t>(Corners, points.size() - 1));
    if (!points.empty())
        engine.Polygon(points);
}

void Tool_dm_polygon::DrawClipped(TPixelEngine256& engine, const Box& clipRect)
{
    DrawAtBoundsClipped(engine, clipRect);
}

void Tool_dm_polygon::SaveToStream(ProjectStreamWriter& stream) const
{
    Tool_dm::SaveToStream(stream);
    stream.WriteByte(Depth);
    stream.WriteByte(Corners);
    stream.WriteInt32(Rotation);
}

void Tool_dm_polygon::LoadFromStream(ProjectStreamReader& stream)
{
    LoadBase(stream);
    Depth = stream.ReadByte();
    Corners = stream.ReadByte();
    Rotation = stream.ReadInt32();
}

std::unique_ptr<Tool_dm> Tool_dm_polygon::Clone(int32_t newId) const
{
    return CloneAs(*this, newId);
}

} // namespace lumora
