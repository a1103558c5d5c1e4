#include "models/model_readers.h"
#include "models/model_writers.h"
#include "models/scene_3d.h"
#include "models/tool_3d_dialog_model.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace lumora {
namespace {

QString AssetsData()
{
    return QString(LUMORA_FIXTURES_DIR) + "/../../assets/data";
}

std::vector<Triangle> PlacedTriangles(const Model3D& model)
{
    std::vector<Triangle> out;
    const Matrix4 offset = Matrix4::Translation(model.Offset.x, model.Offset.y, model.Offset.z);
    for (const ModelPart& part : model.Parts)
        for (const Triangle& t : *part.Triangles) {
            Triangle p;
            for (int c = 0; c < 3; ++c)
                p.v[c] = (part.Placement * offset).Transform(t.v[c]);
            out.push_back(p);
        }
    return out;
}

void ExpectSameTriangles(const std::vector<Triangle>& a, const std::vector<Triangle>& b,
                         const Vec3& shift)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(a[i].v[c].x, b[i].v[c].x + shift.x, 1e-4);
            EXPECT_NEAR(a[i].v[c].y, b[i].v[c].y + shift.y, 1e-4);
            EXPECT_NEAR(a[i].v[c].z, b[i].v[c].z + shift.z, 1e-4);
        }
}

Model3D Sample()
{
    Model3D m;
    m.AddPart(
        {{{{0, 0, 0}, {1.5f, 0, 0}, {0, 2.25f, -1}}}, {{{1.5f, 0, 0}, {1, 1, 1}, {0, 2.25f, -1}}}},
        Matrix4::Translation(10, 0, 0));
    m.Offset = {0, -3, 0};
    return m;
}

TEST(ModelWriters, ADxfFileReadsBackAsTheSameTriangles)
{
    const Model3D model = Sample();
    const std::optional<Model3D> back = ParseDXF(ToDXF(model).toStdString());
    ASSERT_TRUE(back.has_value());
    // Each face is read as corners (3, 2, 1): the corner order reverses.
    std::vector<Triangle> read = PlacedTriangles(*back);
    for (Triangle& t : read)
        std::swap(t.v[0], t.v[2]);
    ExpectSameTriangles(read, PlacedTriangles(model), {});
    EXPECT_DOUBLE_EQ(back->Extent, 11.5);
}

TEST(ModelWriters, A3DStudioFileReadsBackCentredOnItsVertices)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sample.3ds");
    const Model3D model = Sample();
    Write3DS(model, path, "Sample");
    const Model3D back = Load3DS(path);
    // Four shared vertices, all faces in one smoothing group: no copies.
    const std::vector<Triangle> placed = PlacedTriangles(model);
    const Vec3 mean{(10 + 11.5f + 10 + 11) / 4, (-3 - 3 - 0.75f - 2) / 4, (0 + 0 - 1 + 1) / 4.0f};
    EXPECT_NEAR(back.Offset.x, -mean.x, 1e-5);
    EXPECT_NEAR(back.Offset.y, -mean.y, 1e-5);
    ExpectSameTriangles(PlacedTriangles(back), placed, {-mean.x, -mean.y, -mean.z});
    EXPECT_FALSE(QFile::exists(path + ".part"));
}

// Each primitive is centred and sized for the scale value of its button.
class PrimitiveSourceTest : public ::testing::TestWithParam<PrimitiveInfo>
{
};

TEST_P(PrimitiveSourceTest, IsCentredAndFillsTheViewAtItsScaleValue)
{
    const PrimitiveInfo& p = GetParam();
    const QString source =
        QDir(AssetsData()).filePath(QString(p.FileName).section('.', 0, 0) + ".l3m");
    const Model3D model = LoadL3M(source);
    ASSERT_GT(model.TriangleCount(), 3u);
    Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
    for (const Triangle& t : PlacedTriangles(model))
        for (const Vec3& v : t.v) {
            lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
            hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
        }
    const double tolerance = 0.2 * p.ScaleValue;
    EXPECT_NEAR(lo.x + hi.x, 0, tolerance);
    EXPECT_NEAR(lo.y + hi.y, 0, tolerance);
    EXPECT_NEAR(lo.z + hi.z, 0, tolerance);
    EXPECT_GT(model.Extent, 0.55 * p.ScaleValue);
    EXPECT_LT(model.Extent, 1.7 * p.ScaleValue);

    Scene3D scene;
    scene.Model = model;
    scene.View.SetScaleValue(p.ScaleValue);
    const GreyPicture picture = scene.Paint();
    const long lit =
        std::count_if(picture.Levels.begin(), picture.Levels.end(), [](uint8_t v) { return v; });
    EXPECT_GT(lit, long(picture.Levels.size() / 10)) << "too small in the view";
}

INSTANTIATE_TEST_SUITE_P(Nine, PrimitiveSourceTest, ::testing::ValuesIn(Primitives()),
                         [](const auto& info) { return std::string(info.param.Hint); });

} // namespace
} // namespace lumora
