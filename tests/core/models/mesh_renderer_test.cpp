#include "models/mesh_depth_renderer.h"
#include "models/scene_3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace lumora {
namespace {

// The plain form of the rasteriser: every pixel of the view tested against
// every triangle on its own.
std::vector<double> PlainDepthBuffer(const MeshDepthRenderer& r,
                                     const std::vector<ScreenTriangle>& triangles)
{
    std::vector<double> depth(size_t(r.Width()) * size_t(r.Rows()), 0.0);
    for (const ScreenTriangle& t : triangles)
        for (int y = 0; y < r.Rows(); ++y)
            for (int x = 0; x < r.Width(); ++x) {
                const int64_t px = ScreenTriangle::PixelCentre(x);
                const int64_t py = ScreenTriangle::PixelCentre(y);
                const int64_t e12 = t.Edge(1, 2, px, py);
                const int64_t e20 = t.Edge(2, 0, px, py);
                const int64_t e01 = t.Edge(0, 1, px, py);
                if (e12 + t.EdgeBias(1, 2) < 0 || e20 + t.EdgeBias(2, 0) < 0 ||
                    e01 + t.EdgeBias(0, 1) < 0)
                    continue;
                double& d = depth[size_t(y) * size_t(r.Width()) + size_t(x)];
                d = std::max(d, t.InvDepthAt(e12, e20, e01));
            }
    return depth;
}

// A small view with the near plane at 1 and the far plane at 100.
Projection SmallProjection()
{
    Projection p;
    p.Near = 1.0;
    p.Far = 100.0;
    p.HalfWidth = 0.5;
    p.HalfHeight = 47.0 / 122.0;
    p.ViewportWidth = 61;
    p.ViewportHeight = 48;
    return p;
}

TEST(MeshDepthRenderer, TheFastRasteriserMatchesThePlainFormOnRandomTriangles)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> xy(-2.5, 2.5);
    std::uniform_real_distribution<double> z(-6.0, -0.5); // some cross the near plane
    const Projection projection = SmallProjection();
    long covered = 0;
    int clipped = 0;
    for (int round = 0; round < 20; ++round) {
        MeshDepthRenderer fast(projection, 47, 3.0f, 5.0f);
        std::vector<ScreenTriangle> all;
        for (int i = 0; i < 15; ++i) {
            const Vec3d a{xy(random), xy(random), z(random)};
            const Vec3d b{xy(random), xy(random), z(random)};
            const Vec3d c{xy(random), xy(random), z(random)};
            for (const ScreenTriangle& t : fast.Setup(a, b, c)) {
                fast.Rasterise(t);
                all.push_back(t);
            }
        }
        ASSERT_EQ(fast.DepthBuffer(), PlainDepthBuffer(fast, all)) << "round " << round;
        covered += std::count_if(fast.DepthBuffer().begin(), fast.DepthBuffer().end(),
                                 [](double d) { return d > 0; });
        clipped += all.size() > 15;
    }
    // The inputs exercise coverage and near-plane clipping.
    EXPECT_GT(covered, 20 * 61 * 47 / 4);
    EXPECT_GT(clipped, 5);
}

TEST(MeshDepthRenderer, SharedEdgesCoverEachPixelOnceAndTheViewCompletely)
{
    // Two triangles of a square larger than the view, in one plane: every
    // pixel is covered, and a pixel on the shared diagonal by one of them.
    const Projection projection = SmallProjection();
    MeshDepthRenderer r(projection, 47, 3.0f, 5.0f);
    const Vec3d a{-5, -5, -4}, b{5, -5, -4}, c{5, 5, -4}, d{-5, 5, -4};
    const auto t1 = r.Setup(a, b, c);
    const auto t2 = r.Setup(a, c, d);
    std::vector<int> hits(size_t(r.Width() * r.Rows()), 0);
    for (const auto* list : {&t1, &t2})
        for (const ScreenTriangle& t : *list) {
            MeshDepthRenderer single(projection, 47, 3.0f, 5.0f);
            single.Rasterise(t);
            for (size_t i = 0; i < hits.size(); ++i)
                hits[i] += single.DepthBuffer()[i] > 0;
        }
    // Clipping may split each triangle; the pieces share edges too.
    for (size_t i = 0; i < hits.size(); ++i)
        ASSERT_EQ(hits[i], 1) << "pixel " << i;
}

TEST(MeshDepthRenderer, TrianglesBehindTheEyeOrBeyondTheFarPlaneAreClipped)
{
    MeshDepthRenderer r(SmallProjection(), 47, 3.0f, 5.0f);
    EXPECT_TRUE(r.Setup({-1, -1, 1}, {1, -1, 1}, {0, 1, 1}).empty());
    EXPECT_TRUE(r.Setup({-1, -1, -20000}, {1, -1, -20000}, {0, 1, -20000}).empty());
    EXPECT_TRUE(r.Setup({0, 0, NAN}, {1, -1, -4}, {0, 1, -4}).empty());
}

// ---- the scene under the view state -----------------------------------------

// A square of half-size h in the plane z, facing the eye.
Model3D Square(float h, float z)
{
    Model3D m;
    m.AddPart({{{{-h, -h, z}, {h, -h, z}, {h, h, z}}}, {{{-h, -h, z}, {h, h, z}, {-h, h, z}}}});
    return m;
}

uint8_t CentreLevel(Scene3D& scene)
{
    const GreyPicture p = scene.Paint();
    return p.At(p.Width / 2, p.Height / 2);
}

struct FogCase
{
    float z;       // model units, S = 10
    uint8_t level; // fog from 3 to 5
};

class FogLevelTest : public ::testing::TestWithParam<FogCase>
{
};

TEST_P(FogLevelTest, ScaleTenMapsCoordinatesOfTenOntoTheDepthRangeThreeToFive)
{
    Scene3D scene;
    scene.Model = Square(4, GetParam().z);
    scene.View.SetScaleValue(10);
    ASSERT_EQ(scene.View.ScalePosition(), 109);
    EXPECT_EQ(CentreLevel(scene), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Depths, FogLevelTest,
                         ::testing::Values(FogCase{10, 255}, FogCase{5, 191}, FogCase{0, 128},
                                           FogCase{-5, 64}, FogCase{-10, 0}, FogCase{12, 255},
                                           FogCase{-12, 0}));

TEST(Scene3D, ReversedStartAndEndDepthsMakeFarFacesBrighter)
{
    Scene3D scene;
    scene.View.SetScaleValue(10);
    scene.View.SetStartDepthPosition(50);
    scene.View.SetEndDepthPosition(31);
    scene.Model = Square(4, -10); // depth 5: brightest
    EXPECT_EQ(CentreLevel(scene), 255);
    scene.Model = Square(4, 10); // depth 3, nearer than the end: limited to 0
    EXPECT_EQ(CentreLevel(scene), 0);
    scene.Model = Square(4, 0); // depth 4: (4 - 3.1) / 1.9
    EXPECT_EQ(CentreLevel(scene), uint8_t(std::nearbyint((4.0 - 3.1f) / (5.0f - 3.1f) * 255)));
}

TEST(Scene3D, NearerFacesHideFartherOnesWhateverTheOrder)
{
    Scene3D scene;
    scene.View.SetScaleValue(10);
    Model3D m = Square(4, -5);
    m.Parts.push_back(Square(2, 5).Parts[0]);
    scene.Model = m;
    EXPECT_EQ(CentreLevel(scene), 191);
    std::swap(scene.Model.Parts[0], scene.Model.Parts[1]);
    EXPECT_EQ(CentreLevel(scene), 191);
}

TEST(Scene3D, NoModelGivesABlackPictureOfTheViewSize)
{
    Scene3D scene;
    const GreyPicture p = scene.Paint();
    EXPECT_EQ(p.Width, 513);
    EXPECT_EQ(p.Height, 389);
    EXPECT_TRUE(std::all_of(p.Levels.begin(), p.Levels.end(), [](uint8_t v) { return v == 0; }));
}

// Columns of the centre row that a square covers.
std::pair<int, int> CoveredColumns(const GreyPicture& p)
{
    int first = -1, last = -1;
    for (int x = 0; x < p.Width; ++x)
        if (p.At(x, p.Height / 2) > 0) {
            if (first < 0)
                first = x;
            last = x;
        }
    return {first, last};
}

TEST(Scene3D, PerspectiveSeesTheViewFrom140MillimetresAtTheScreenDpi)
{
    Scene3D scene;
    scene.View.SetScaleValue(1); // k = 1
    scene.Model = Square(1, 0);  // depth 4
    const Projection& pr = scene.View.ApplyPerspective();
    EXPECT_FLOAT_EQ(float(pr.Near), float((2.0 * 70 * 96) / (25.4 * 513)));
    EXPECT_DOUBLE_EQ(pr.Far, double(float(pr.Near)) + 10000.0);
    EXPECT_DOUBLE_EQ(pr.HalfWidth, 0.5);
    EXPECT_DOUBLE_EQ(pr.HalfHeight, 389.0 / 1026.0);
    EXPECT_EQ(pr.ViewportHeight, 390);
    // x = +-1 at depth 4 lands at (+-near / (4 * 0.5) + 1) / 2 * 513.
    const double edge = (pr.Near / 2.0 + 1.0) / 2.0 * 513.0;
    const auto [first, last] = CoveredColumns(scene.Paint());
    EXPECT_EQ(last, int(std::floor(edge - 0.5)));
    EXPECT_EQ(first, 513 - 1 - last);
}

TEST(Scene3D, ScaleWithinTenPercentOfOneIsNotApplied)
{
    Scene3D scene;
    scene.Model = Square(1, 0);
    scene.View.SetScalePosition(100);
    const auto unscaled = CoveredColumns(scene.Paint());
    scene.View.SetScalePosition(95); // k = 1.053
    EXPECT_EQ(CoveredColumns(scene.Paint()), unscaled);
    scene.View.SetScalePosition(90); // k = 1.111
    const auto scaled = CoveredColumns(scene.Paint());
    EXPECT_LT(scaled.first, unscaled.first);
    EXPECT_GT(scaled.second, unscaled.second);
}

TEST(Scene3D, ClearListsEmptiesTheModelAndWithResetRestoresTheView)
{
    Scene3D scene;
    scene.Model = Square(1, 0);
    scene.View.ModelMatrix = Matrix4::Translation(1, 2, 3);
    scene.View.EyeDistance = 10;
    scene.View.ApplyPerspective();
    scene.ClearLists(false);
    EXPECT_TRUE(scene.Model.Empty());
    EXPECT_EQ(scene.View.EyeDistance, 10);
    scene.ClearLists(true);
    EXPECT_EQ(scene.View.EyeDistance, 70);
    EXPECT_EQ(scene.View.DepthRange, 10000.0f);
    EXPECT_TRUE(scene.View.ProjectionDirty);
    EXPECT_TRUE(scene.View.ModelMatrix.IsIdentity());
}

} // namespace
} // namespace lumora
