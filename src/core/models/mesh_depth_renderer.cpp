#include "models/mesh_depth_renderer.h"

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

// Clipping keeps everything inside a band twice the size of the view, so
// the clip edges never show and projected corners stay small integers.
constexpr double kGuardBand = 2.0;

using Polygon = std::vector<Vec3d>;

// Signed distance of a point to a clip plane, positive inside.
using PlaneFunction = double (*)(const Vec3d&, const Projection&);

double NearPlane(const Vec3d& p, const Projection& pr)
{
    return -p.z - pr.Near;
}
double FarPlane(const Vec3d& p, const Projection& pr)
{
    return pr.Far + p.z;
}
double LeftPlane(const Vec3d& p, const Projection& pr)
{
    return kGuardBand * pr.HalfWidth * -p.z / pr.Near + p.x;
}
double RightPlane(const Vec3d& p, const Projection& pr)
{
    return kGuardBand * pr.HalfWidth * -p.z / pr.Near - p.x;
}
double BottomPlane(const Vec3d& p, const Projection& pr)
{
    return kGuardBand * pr.HalfHeight * -p.z / pr.Near + p.y;
}
double TopPlane(const Vec3d& p, const Projection& pr)
{
    return kGuardBand * pr.HalfHeight * -p.z / pr.Near - p.y;
}

Polygon ClipPolygon(const Polygon& in, PlaneFunction plane, const Projection& pr)
{
    Polygon out;
    for (size_t i = 0; i < in.size(); ++i) {
        const Vec3d& a = in[i];
        const Vec3d& b = in[(i + 1) % in.size()];
        const double da = plane(a, pr);
        const double db = plane(b, pr);
        if (da >= 0)
            out.push_back(a);
        if ((da >= 0) != (db >= 0)) {
            const double t = da / (da - db);
            out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)});
        }
    }
    return out;
}

bool Finite(const Vec3d& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

} // namespace

Transform3d Transform3d::operator*(const Transform3d& n) const
{
    Transform3d r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += m[i][k] * n.m[k][j];
            r.m[i][j] = sum;
        }
    return r;
}

Vec3d Transform3d::Apply(double x, double y, double z) const
{
    return {x * m[0][0] + y * m[1][0] + z * m[2][0] + m[3][0],
            x * m[0][1] + y * m[1][1] + z * m[2][1] + m[3][1],
            x * m[0][2] + y * m[1][2] + z * m[2][2] + m[3][2]};
}

Transform3d Transform3d::Translation(double x, double y, double z)
{
    Transform3d r;
    r.m[3] = {x, y, z, 1};
    return r;
}

Transform3d Transform3d::Scaling(double k)
{
    Transform3d r;
    r.m[0][0] = r.m[1][1] = r.m[2][2] = k;
    return r;
}

MeshDepthRenderer::MeshDepthRenderer(const Projection& projection, int rows, float fogStart,
                                     float fogEnd)
    : projection_(projection), width_(std::max(0, projection.ViewportWidth)),
      rows_(std::clamp(rows, 0, std::max(0, projection.ViewportHeight))), fogStart_(fogStart),
      fogEnd_(fogEnd), depth_(size_t(width_) * size_t(rows_), 0.0)
{
}

void MeshDepthRenderer::Clear()
{
    std::fill(depth_.begin(), depth_.end(), 0.0);
}

std::vector<ScreenTriangle> MeshDepthRenderer::Setup(const Vec3d& a, const Vec3d& b,
                                                     const Vec3d& c) const
{
    std::vector<ScreenTriangle> out;
    if (!Finite(a) || !Finite(b) || !Finite(c))
        return out;
    Polygon polygon{a, b, c};
    for (PlaneFunction plane :
         {&NearPlane, &FarPlane, &LeftPlane, &RightPlane, &BottomPlane, &TopPlane}) {
        polygon = ClipPolygon(polygon, plane, projection_);
        if (polygon.size() < 3)
            return out;
    }

    const double scale = double(1 << ScreenTriangle::kSubpixelBits);
    const double w = projection_.ViewportWidth;
    const double h = projection_.ViewportHeight;
    std::vector<std::array<int64_t, 2>> corners;
    std::vector<double> invDepth;
    for (const Vec3d& p : polygon) {
        const double depth = -p.z;
        const double xNdc = p.x * projection_.Near / (depth * projection_.HalfWidth);
        const double yNdc = p.y * projection_.Near / (depth * projection_.HalfHeight);
        corners.push_back({std::llround((xNdc + 1.0) * 0.5 * w * scale),
                           std::llround((yNdc + 1.0) * 0.5 * h * scale)});
        invDepth.push_back(1.0 / depth);
    }
    for (size_t i = 1; i + 1 < polygon.size(); ++i) {
        ScreenTriangle t;
        const size_t idx[3] = {0, i, i + 1};
        for (int k = 0; k < 3; ++k) {
            t.X[size_t(k)] = corners[idx[k]][0];
            t.Y[size_t(k)] = corners[idx[k]][1];
            t.InvDepth[size_t(k)] = invDepth[idx[k]];
        }
        const int64_t area = t.Area();
        if (area == 0)
            continue;
        if (area < 0) {
            std::swap(t.X[1], t.X[2]);
            std::swap(t.Y[1], t.Y[2]);
            std::swap(t.InvDepth[1], t.InvDepth[2]);
        }
        out.push_back(t);
    }
    return out;
}

void MeshDepthRenderer::Rasterise(const ScreenTriangle& t)
{
    constexpr int shift = ScreenTriangle::kSubpixelBits;
    const int64_t minX = std::min({t.X[0], t.X[1], t.X[2]});
    const int64_t maxX = std::max({t.X[0], t.X[1], t.X[2]});
    const int64_t minY = std::min({t.Y[0], t.Y[1], t.Y[2]});
    const int64_t maxY = std::max({t.Y[0], t.Y[1], t.Y[2]});
    // Pixels whose centres can lie inside the bounding box.
    const int x0 = int(std::max<int64_t>(0, (minX - 128 + 255) >> shift));
    const int x1 = int(std::min<int64_t>(width_ - 1, (maxX - 128) >> shift));
    const int y0 = int(std::max<int64_t>(0, (minY - 128 + 255) >> shift));
    const int y1 = int(std::min<int64_t>(rows_ - 1, (maxY - 128) >> shift));
    if (x0 > x1 || y0 > y1)
        return;

    const int64_t bias12 = t.EdgeBias(1, 2);
    const int64_t bias20 = t.EdgeBias(2, 0);
    const int64_t bias01 = t.EdgeBias(0, 1);
    // Each edge function grows by -(dy) << shift per pixel to the right.
    const int64_t step12 = -(t.Y[2] - t.Y[1]) << shift;
    const int64_t step20 = -(t.Y[0] - t.Y[2]) << shift;
    const int64_t step01 = -(t.Y[1] - t.Y[0]) << shift;
    const int64_t px0 = ScreenTriangle::PixelCentre(x0);
    for (int y = y0; y <= y1; ++y) {
        const int64_t py = ScreenTriangle::PixelCentre(y);
        int64_t e12 = t.Edge(1, 2, px0, py);
        int64_t e20 = t.Edge(2, 0, px0, py);
        int64_t e01 = t.Edge(0, 1, px0, py);
        double* row = depth_.data() + size_t(y) * size_t(width_);
        for (int x = x0; x <= x1; ++x) {
            if ((e12 + bias12) >= 0 && (e20 + bias20) >= 0 && (e01 + bias01) >= 0) {
                const double invDepth = t.InvDepthAt(e12, e20, e01);
                if (invDepth > row[x])
                    row[x] = invDepth;
            }
            e12 += step12;
            e20 += step20;
            e01 += step01;
        }
    }
}

void MeshDepthRenderer::DrawTriangle(const Vec3d& a, const Vec3d& b, const Vec3d& c)
{
    for (const ScreenTriangle& t : Setup(a, b, c))
        Rasterise(t);
}

uint8_t MeshDepthRenderer::FogLevel(double depth) const
{
    double f;
    if (fogEnd_ == fogStart_)
        f = depth <= fogEnd_ ? 1.0 : 0.0;
    else
        f = (fogEnd_ - depth) / (fogEnd_ - fogStart_);
    f = std::clamp(f, 0.0, 1.0);
    return uint8_t(std::nearbyint(f * 255.0));
}

std::vector<uint8_t> MeshDepthRenderer::Levels() const
{
    std::vector<uint8_t> levels(depth_.size(), 0);
    for (int y = 0; y < rows_; ++y) {
        const double* src = depth_.data() + size_t(y) * size_t(width_);
        uint8_t* dst = levels.data() + size_t(rows_ - 1 - y) * size_t(width_);
        for (int x = 0; x < width_; ++x)
            if (src[x] > 0)
                dst[x] = FogLevel(1.0 / src[x]);
    }
    return levels;
}

} // namespace lumora
