#pragma once
// Software depth rendering of triangle meshes: perspective projection,
// filled two-sided triangles with a less-than depth test, and a grey level
// per pixel from linear fog (white at the fog start, black at its end).
// Deterministic and independent of any display.
//
// Triangles arrive in eye space (the eye at the origin looking down -z).
// Setup clips them against the near and far planes and a guard band around
// the view, projects them and snaps the corners to 1/256 pixel; the
// rasteriser then works with exact integer edge functions, so the
// incremental loop gives the same coverage and depth as evaluating every
// pixel on its own.

#include <array>
#include <cstdint>
#include <vector>

namespace lumora {

struct Vec3d
{
    double x = 0, y = 0, z = 0;
};

// Row-vector 4x4 transform in double precision (p x M, translation in the
// fourth row).
struct Transform3d
{
    std::array<std::array<double, 4>, 4> m{
        {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};

    Transform3d operator*(const Transform3d& n) const;
    Vec3d Apply(double x, double y, double z) const;
    static Transform3d Translation(double x, double y, double z);
    static Transform3d Scaling(double k);
};

// The frustum and the viewport of the view area.
struct Projection
{
    double Near = 1.0;
    double Far = 10001.0;
    double HalfWidth = 0.5;  // of the frustum at the near plane
    double HalfHeight = 0.5; // of the frustum at the near plane
    int ViewportWidth = 1;
    int ViewportHeight = 1;
};

// A projected triangle: corners in 1/256 pixel with y counted from the
// bottom of the viewport, counter-clockwise, with their inverse depths.
struct ScreenTriangle
{
    static constexpr int kSubpixelBits = 8;
    std::array<int64_t, 3> X{};
    std::array<int64_t, 3> Y{};
    std::array<double, 3> InvDepth{};

    // Edge function of the edge from corner a to corner b at a point in
    // 1/256 pixel; positive inside.
    int64_t Edge(int a, int b, int64_t px, int64_t py) const
    {
        return (X[b] - X[a]) * (py - Y[a]) - (Y[b] - Y[a]) * (px - X[a]);
    }
    int64_t Area() const { return Edge(0, 1, X[2], Y[2]); }
    // Pixels whose centre lies on an edge belong to the triangle when the
    // edge is a left or top edge; the bias makes that a plain >= 0 test.
    int64_t EdgeBias(int a, int b) const
    {
        const bool left = Y[b] < Y[a];
        const bool top = Y[b] == Y[a] && X[b] < X[a];
        return left || top ? 0 : -1;
    }
    // Inverse depth at a covered point from the three edge values.
    double InvDepthAt(int64_t e12, int64_t e20, int64_t e01) const
    {
        return (double(e12) * InvDepth[0] + double(e20) * InvDepth[1] + double(e01) * InvDepth[2]) /
               double(Area());
    }
    static int64_t PixelCentre(int i) { return (int64_t(i) << kSubpixelBits) + 128; }
};

class MeshDepthRenderer
{
public:
    // Renders the bottom `rows` rows of the viewport (the view area).
    MeshDepthRenderer(const Projection& projection, int rows, float fogStart, float fogEnd);

    int Width() const { return width_; }
    int Rows() const { return rows_; }

    void Clear();
    void DrawTriangle(const Vec3d& a, const Vec3d& b, const Vec3d& c);

    // Clipping and projection of one eye-space triangle; empty when nothing
    // of it lies inside the frustum.
    std::vector<ScreenTriangle> Setup(const Vec3d& a, const Vec3d& b, const Vec3d& c) const;
    void Rasterise(const ScreenTriangle& t);

    // Inverse depth per pixel, rows from the bottom; 0 where nothing is drawn.
    const std::vector<double>& DepthBuffer() const { return depth_; }

    // The grey level of a depth along the viewing axis.
    uint8_t FogLevel(double depth) const;

    // The picture, W x rows levels, top row first; 0 where nothing is drawn.
    std::vector<uint8_t> Levels() const;

private:
    Projection projection_;
    int width_;
    int rows_;
    double fogStart_;
    double fogEnd_;
    std::vector<double> depth_;
};

} // namespace lumora
