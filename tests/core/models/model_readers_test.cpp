#include "core/models/fixture_3ds.h"

#include "common/lumora_error.h"
#include "models/model_readers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace lumora {
namespace {

QString Fixture(const char* name)
{
    return QString(LUMORA_FIXTURES_DIR) + "/models/" + name;
}

std::vector<Triangle> AllTriangles(const Model3D& model)
{
    std::vector<Triangle> out;
    for (const ModelPart& part : model.Parts)
        out.insert(out.end(), part.Triangles->begin(), part.Triangles->end());
    return out;
}

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const LumoraError& e) {
        return e.what();
    }
    return "(no error)";
}

class RecordingProgress : public ModelLoadProgress
{
public:
    void ShowStep(const char* key) override { steps.emplace_back(key); }
    void Hide() override { ++hidden; }
    std::vector<std::string> steps;
    int hidden = 0;
};

// ---- one fixture per text format -------------------------------------------

struct FormatCase
{
    const char* file;
    size_t triangles;
    double extent;
};

class TextFormatTest : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(TextFormatTest, ReadsTrianglesAndMeasuresExtent)
{
    const FormatCase& c = GetParam();
    const std::optional<Model3D> model = LoadModelFile(Fixture(c.file));
    ASSERT_TRUE(model.has_value());
    EXPECT_EQ(model->TriangleCount(), c.triangles);
    EXPECT_DOUBLE_EQ(model->Extent, c.extent);
    EXPECT_EQ(model->Offset, Vec3{});
}

INSTANTIATE_TEST_SUITE_P(Fixtures, TextFormatTest,
                         ::testing::Values(FormatCase{"quad_and_triangle.dxf", 3, 2.0},
                                           FormatCase{"two_objects.l3m", 2, 2.5},
                                           FormatCase{"two_objects.asc", 4, 7.5},
                                           FormatCase{"two_objects.rpl", 3, 10.0}));

TEST(LoadModelFile, ChoosesTheReaderByExtensionInAnyCase)
{
    QTemporaryDir dir;
    const QString upper = dir.filePath("QUAD.DXF");
    ASSERT_TRUE(QFile::copy(Fixture("quad_and_triangle.dxf"), upper));
    EXPECT_TRUE(LoadModelFile(upper).has_value());
    const QString other = dir.filePath("quad.obj");
    ASSERT_TRUE(QFile::copy(Fixture("quad_and_triangle.dxf"), other));
    EXPECT_FALSE(LoadModelFile(other).has_value());
}

TEST(LoadModelFile, MissingFileIsAnError)
{
    EXPECT_NE(ErrorOf([] { LoadL3M("/nonexistent/model.l3m"); }).find("Cannot open file"),
              std::string::npos);
}

// ---- DXF ------------------------------------------------------------------

TEST(LoadDXF, SplitsANonPlanarQuadAlongTheDiagonalFromCorner2To4)
{
    const Model3D model = *LoadDXF(Fixture("quad_and_triangle.dxf"));
    const std::vector<Triangle> t = AllTriangles(model);
    ASSERT_EQ(t.size(), 3u);
    const Vec3 c1{0, 0, 0}, c2{2, 0, 0}, c3{2, 2, 1}, c4{0, 2, 0};
    EXPECT_EQ(t[0].v[0], c4);
    EXPECT_EQ(t[0].v[1], c3);
    EXPECT_EQ(t[0].v[2], c2);
    EXPECT_EQ(t[1].v[0], c4);
    EXPECT_EQ(t[1].v[1], c2);
    EXPECT_EQ(t[1].v[2], c1);
    // Fourth corner equal to the third: one triangle (3, 2, 1).
    EXPECT_EQ(t[2].v[0], (Vec3{0, 1, -1}));
    EXPECT_EQ(t[2].v[1], (Vec3{1, -1, -1}));
    EXPECT_EQ(t[2].v[2], (Vec3{-1, -1, -1}));
}

std::string DxfFace(const char* c1, const char* c2, const char* c3, const char* c4)
{
    auto corner = [](int n, const char* xyz) {
        std::string s;
        const std::string v(xyz);
        size_t a = 0;
        for (int axis = 1; axis <= 3; ++axis) {
            const size_t b = v.find(',', a);
            s += std::to_string(axis * 10 + n) + "\n" + v.substr(a, b - a) + "\n";
            a = b == std::string::npos ? v.size() : b + 1;
        }
        return s;
    };
    return "0\n3DFACE\n" + corner(0, c1) + corner(1, c2) + corner(2, c3) + corner(3, c4);
}

TEST(LoadDXF, ExtentCountsTheFourthCornerOnlyForQuads)
{
    // The fourth corner (9, 9, 9) equals the third: it is not measured.
    const std::string triangle =
        "ENTITIES\n" + DxfFace("1.4,0,0", "0,1,0", "9,9,9", "9,9,9") + "0\nEOF\n";
    const Model3D model = *ParseDXF(triangle);
    EXPECT_DOUBLE_EQ(model.Extent, 9.0);
    const std::string small =
        "ENTITIES\n" + DxfFace("1.4,0,0", "0,-1.2,0", "0,0,0.5", "0,0,0.5") + "0\nEOF\n";
    EXPECT_FLOAT_EQ(float(ParseDXF(small)->Extent), 1.4f);
    const std::string tiny =
        "ENTITIES\n" + DxfFace("0.4,0,0", "0,-0.2,0", "0,0,0.1", "0.3,0,0") + "0\nEOF\n";
    EXPECT_FLOAT_EQ(float(ParseDXF(tiny)->Extent), 0.4f);
}

TEST(LoadDXF, WithoutAny3DFaceLineLoadsNothing)
{
    EXPECT_FALSE(ParseDXF("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1\n0\nEOF\n").has_value());
    // "3DFACE" must be the whole line.
    EXPECT_FALSE(ParseDXF("0\n3DFACE \n0\nEOF\n").has_value());
}

TEST(LoadDXF, AnEntityWithoutAFollowingCodeZeroIsNotEmitted)
{
    const std::string text = "ENTITIES\n" + DxfFace("1,0,0", "0,1,0", "0,0,1", "0,0,1");
    EXPECT_EQ(ParseDXF(text)->TriangleCount(), 0u);
    EXPECT_EQ(ParseDXF(text + "0\nEOF\n")->TriangleCount(), 1u);
}

TEST(LoadDXF, CornersKeepTheirValuesBetweenEntitiesAndNumbersAreLenient)
{
    const std::string text = "ENTITIES\n" + DxfFace("1,0,0", "0,1,0", "0,0,1", "0,0,1") +
                             "0\n3DFACE\n10\n2.5abc\n20\nxyz\n0\nEOF\n";
    const std::vector<Triangle> t = AllTriangles(*ParseDXF(text));
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].v[2], (Vec3{2.5f, 0, 0})); // corner 1: lenient prefix, 0 if none
    EXPECT_EQ(t[1].v[1], (Vec3{0, 1, 0}));    // corner 2 kept from the first face
}

TEST(LoadDXF, ReadsCrLfLinesAndEntitiesOnlyAfterTheEntitiesLine)
{
    std::string text = "0\r\nSECTION\r\n2\r\nHEADER\r\n10\r\n99\r\nENTITIES\r\n" +
                       DxfFace("1,0,0", "0,1,0", "0,0,1", "0,0,1") + "0\nEOF\n";
    const Model3D model = *ParseDXF(text);
    EXPECT_EQ(model.TriangleCount(), 1u);
    EXPECT_DOUBLE_EQ(model.Extent, 1.0);
}

TEST(LoadDXF, AGroupCodeThatIsNotAnIntegerIsAnError)
{
    EXPECT_EQ(ErrorOf([] { ParseDXF("ENTITIES\n0\n3DFACE\n1O\n1.0\n0\nEOF\n"); }),
              "'1O' is not a valid integer value");
}

TEST(LoadDXF, ShowsItsProgressStepsAndHidesTheLabel)
{
    RecordingProgress progress;
    LoadDXF(Fixture("quad_and_triangle.dxf"), &progress);
    EXPECT_EQ(progress.steps, (std::vector<std::string>{"3DLaden_1", "3DLaden_2", "3DLaden_3"}));
    EXPECT_EQ(progress.hidden, 1);
}

// ---- L3M ------------------------------------------------------------------

TEST(LoadL3M, FaceIndicesCountWithinTheirOwnObject)
{
    const std::vector<Triangle> t = AllTriangles(LoadL3M(Fixture("two_objects.l3m")));
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].v[0], (Vec3{0, -2.5f, 0}));
    EXPECT_EQ(t[0].v[1], (Vec3{0, 0, 0}));
    EXPECT_EQ(t[0].v[2], (Vec3{1.5f, 0, 0}));
    EXPECT_EQ(t[1].v[0], (Vec3{0, 0, 1}));
    EXPECT_EQ(t[1].v[1], (Vec3{0, 1, 0}));
    EXPECT_EQ(t[1].v[2], (Vec3{1, 0, 0})); // "2   rest": first five characters
}

std::string L3MWithVertices(int count, const std::string& faceLines)
{
    std::string s = "[Header]\n" + std::to_string(count) + "\n1\nObj\n[Header End]\n\n";
    for (int i = 0; i < count; ++i)
        s += std::to_string(i) + "\n0\n0\n";
    return s + faceLines;
}

TEST(LoadL3M, AFaceLineIsReadFromItsFirstFiveCharactersOnly)
{
    const Model3D model = ParseL3M(L3MWithVertices(13, "12   followed by text\n0\n 7x\n"));
    const std::vector<Triangle> t = AllTriangles(model);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].v[0].x, 12.0f);
    EXPECT_EQ(t[0].v[1].x, 0.0f);
    EXPECT_EQ(t[0].v[2].x, 7.0f);
}

struct ErrorCase
{
    const char* name;
    std::string text;
    std::string error;
};

class L3MErrorTest : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(L3MErrorTest, StopsWithTheConversionText)
{
    EXPECT_EQ(ErrorOf([&] { ParseL3M(GetParam().text); }), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, L3MErrorTest,
    ::testing::Values(
        ErrorCase{"IndexBeyondVertices", L3MWithVertices(3, "0\n1\n3\n"),
                  "List index out of bounds (3)"},
        ErrorCase{"FiveDigitIndex", L3MWithVertices(13, "0\n1\n1234567\n"),
                  "List index out of bounds (12345)"},
        ErrorCase{"NegativeIndex", L3MWithVertices(3, "0\n-1\n2\n"),
                  "List index out of bounds (-1)"},
        ErrorCase{"CommaDecimal", "[Header]\n1\n0\nA\n[Header End]\n\n1,5\n0\n0\n",
                  "'1,5' is not a valid floating point value"},
        ErrorCase{"HugeCoordinate", "[Header]\n1\n0\nA\n[Header End]\n\n1e39\n0\n0\n",
                  "'1e39' is not a valid floating point value"},
        ErrorCase{"CountNotInteger", "[Header]\n1.0\n0\nA\n[Header End]\n\n",
                  "'1.0' is not a valid integer value"},
        ErrorCase{"TruncatedVertices", "[Header]\n1000000000\n0\nA\n[Header End]\n\n1\n2\n",
                  "List index out of bounds (8)"},
        ErrorCase{"NoHeaderEnd", "[Header]\n1\n0\nA\n", "List index out of bounds (4)"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- RPL ------------------------------------------------------------------

TEST(LoadRPL, ConvertsToAnL3MTextWithHeaderFromTheObjectBlocks)
{
    QFile file(Fixture("two_objects.rpl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string l3m = ConvertRPLToL3M(file.readAll().toStdString());
    EXPECT_EQ(l3m.substr(0, l3m.find("\n\n") + 2),
              "[Header]\n3\n1\nTri\n4\n2\nTet\n[Header End]\n\n");
    EXPECT_NE(l3m.find("\n1.000000 \n2.000000 \n3.000000\n"), std::string::npos);
}

TEST(LoadRPL, VertexAndFaceLinesBecomeTheModel)
{
    const std::vector<Triangle> t = AllTriangles(LoadRPL(Fixture("two_objects.rpl")));
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].v[1], (Vec3{-1, 0, 10}));
    EXPECT_EQ(t[2].v[0], (Vec3{0, 1, 0}));
    EXPECT_EQ(t[2].v[1], (Vec3{0, 0, 1}));
}

TEST(LoadRPL, AFileWithoutObjectBlocksGivesAnEmptyModelAndTruncatedBlocksAnError)
{
    EXPECT_EQ(ParseRPL("1\n2\n3\n4\n5\n6\n7\n8\nshort\n").TriangleCount(), 0u);
    const std::string truncated = "1\n2\n3\n4\n5\n6\n7\n8\n"
                                  "1.000000 2.000000 3.000000\n"
                                  "99\n0 1 2\nx\nx\n5\nx\nx\nx\n\"A\"\nx\n\"CEND\"\nx\n";
    EXPECT_EQ(ErrorOf([&] { ParseRPL(truncated); }), "List index out of bounds (13)");
}

// ---- ASC ------------------------------------------------------------------

TEST(LoadASC, ReadsPlainAndMappedObjectsOneAfterAnother)
{
    const std::vector<Triangle> t = AllTriangles(LoadASC(Fixture("two_objects.asc")));
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].v[2], (Vec3{0, 2, 0.5f}));
    EXPECT_EQ(t[1].v[0], (Vec3{0, 0, -7.5f}));
    EXPECT_EQ(t[2].v[0], (Vec3{0, 3, 0}));
    // The last object follows a face line directly.
    EXPECT_EQ(t[3].v[1], (Vec3{1, 0, 1}));
}

class ASCErrorTest : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(ASCErrorTest, StopsWithTheConversionText)
{
    EXPECT_EQ(ErrorOf([&] { ParseASC(GetParam().text); }), GetParam().error);
}

const char* kAscHead = "Named object: \"A\"\nTri-mesh, Vertices: 3     Faces: 1\nVertex list:\n";

INSTANTIATE_TEST_SUITE_P(
    Damaged, ASCErrorTest,
    ::testing::Values(
        ErrorCase{"BadCoordinate", std::string(kAscHead) + "Vertex 0:  X:1,5     Y:0.0     Z:0.0\n",
                  "'1,5' is not a valid floating point value"},
        ErrorCase{"FaceIndexOutOfRange",
                  std::string(kAscHead) +
                      "Vertex 0:  X:0     Y:0     Z:0\nVertex 1:  X:1     Y:0     Z:0\n"
                      "Vertex 2:  X:0     Y:1     Z:0\nFace list:\n"
                      "Face 0:    A:0 B:1 C:7 AB:1 BC:1 CA:1\n",
                  "List index out of bounds (7)"},
        ErrorCase{"CountNotInteger", "Named object: \"A\"\nTri-mesh, Vertices: x     Faces: 1\n",
                  "'x' is not a valid integer value"},
        ErrorCase{"TruncatedVertexList", std::string(kAscHead) + "Vertex 0:  X:0 Y:0 Z:0\n",
                  "'' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadASC, AFileWithoutTriMeshGivesAnEmptyModel)
{
    const Model3D model = ParseASC("Ambient light color: Red=0.3\nNamed object: \"Cam\"\nCamera\n");
    EXPECT_EQ(model.TriangleCount(), 0u);
}

// ---- 3DS ------------------------------------------------------------------

class Load3DSTest : public ::testing::Test
{
protected:
    QString Path(const char* name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

test::MeshFixture Square(const std::string& name, float z = 0)
{
    test::MeshFixture m;
    m.name = name;
    m.points = {{0, 0, z}, {2, 0, z}, {2, 2, z}, {0, 2, z}};
    m.faces = {{0, 1, 2}, {0, 2, 3}};
    return m;
}

TEST_F(Load3DSTest, CentresOnTheMeanOfAllVerticesAndLeavesTheExtentUnmeasured)
{
    test::MeshFixture a = Square("A");
    test::MeshFixture b = Square("B", 6);
    b.faces = {{0, 1, 2}};
    b.smoothing = {1};
    ASSERT_TRUE(test::Write3DS(Path("two.3ds"), {a, b}));
    const Model3D model = Load3DS(Path("two.3ds"));
    ASSERT_EQ(model.Parts.size(), 2u);
    EXPECT_EQ(model.TriangleCount(), 3u);
    EXPECT_EQ(model.Extent, 0.0);
    // Mesh A: vertices 0 and 2 are used again by a face without smoothing
    // and are copied: 6 vertices (sum x 6, y 6); mesh B: 4 (sum x 4, y 4, z 24).
    EXPECT_FLOAT_EQ(model.Offset.x, -1.0f);
    EXPECT_FLOAT_EQ(model.Offset.y, -1.0f);
    EXPECT_FLOAT_EQ(model.Offset.z, -24.0f / 10.0f);
}

TEST_F(Load3DSTest, SmoothingGroupsShareVerticesAndDifferentGroupsCopyThem)
{
    // Faces of group bit 0 share; a face of bit 1 copies; a second face of
    // bit 1 reuses that copy; a word with bits 1 and 3 counts as bit 1.
    test::MeshFixture m;
    m.name = "S";
    m.points = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}};
    m.faces = {{0, 1, 2}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}};
    m.smoothing = {1, 1, 2, 2 | 8, 4};
    ASSERT_TRUE(test::Write3DS(Path("s.3ds"), {m}));
    const Model3D model = Load3DS(Path("s.3ds"));
    // 3 originals + 3 copies for bit 1 + 3 copies for bit 2: 9 vertices,
    // their mean stays the triangle's centroid.
    EXPECT_FLOAT_EQ(model.Offset.x, -10.0f / 3.0f);
    EXPECT_FLOAT_EQ(model.Offset.y, -10.0f / 3.0f);
}

TEST_F(Load3DSTest, UnsmoothedReuseChangesTheMean)
{
    // Vertex 0 used by three faces without smoothing: two copies, so the
    // mean moves toward it.
    test::MeshFixture m;
    m.name = "U";
    m.points = {{0, 0, 0}, {9, 0, 0}, {0, 9, 0}, {9, 9, 0}};
    m.faces = {{0, 1, 2}, {0, 3, 1}, {0, 2, 3}};
    ASSERT_TRUE(test::Write3DS(Path("u.3ds"), {m}));
    const Model3D model = Load3DS(Path("u.3ds"));
    // Extended: 4 originals, then face 2 copies 0 and 1, face 3 copies 0, 2 and 3.
    // x: 0+9+0+9 + 0+9 + 0+0+9 = 36 over 9 vertices.
    EXPECT_FLOAT_EQ(model.Offset.x, -4.0f);
}

TEST_F(Load3DSTest, MeshesWithTwoOrFewerVerticesAreSkipped)
{
    test::MeshFixture line;
    line.name = "L";
    line.points = {{100, 100, 100}, {200, 200, 200}};
    ASSERT_TRUE(test::Write3DS(Path("l.3ds"), {Square("A"), line}));
    const Model3D model = Load3DS(Path("l.3ds"));
    EXPECT_EQ(model.Parts.size(), 1u);
    EXPECT_FLOAT_EQ(model.Offset.x, -1.0f);
}

TEST_F(Load3DSTest, KeyframeNodesChooseAndPlaceTheParts)
{
    test::MeshFixture parent = Square("Body");
    test::MeshFixture child = Square("Arm");
    child.matrix = {1, 0, 0, 0, 1, 0, 0, 0, 1, 5, 0, 0}; // mesh stored moved by +5 in x
    test::MeshFixture unused = Square("Unused");

    test::NodeFixture body;
    body.name = "body";
    body.id = 0;
    test::NodeFixture arm;
    arm.name = "ARM.1";
    arm.id = 1;
    arm.parentId = 0;
    arm.pivot = {1, 0, 0};
    arm.hasScale = true;
    arm.scale = {2, 2, 2};
    arm.hasRotation = true;
    arm.axis = {0, 0, 1};
    arm.angle = float(std::numbers::pi / 2);
    arm.hasPosition = true;
    arm.position = {0, 0, 3};
    ASSERT_TRUE(test::Write3DS(Path("k.3ds"), {parent, child, unused}, {body, arm}));

    const Model3D model = Load3DS(Path("k.3ds"));
    ASSERT_EQ(model.Parts.size(), 2u); // "Unused" has no node
    EXPECT_TRUE(model.Parts[0].Placement.IsIdentity());
    // Arm: inverse local matrix (-5 in x) minus pivot (-1), scaled by 2,
    // turned 90 degrees about z, moved +3 in z.
    const Vec3 p = model.Parts[1].Placement.Transform({6, 0, 0});
    EXPECT_NEAR(p.x, 0.0, 1e-5);
    EXPECT_NEAR(p.y, 0.0, 1e-5); // (6-5-1) * 2 = 0 along x
    EXPECT_NEAR(p.z, 3.0, 1e-5);
    const Vec3 q = model.Parts[1].Placement.Transform({7, 0, 0});
    // (7-5-1) * 2 = 2 along x, turned 90 degrees about z in the row convention.
    const Vec3 expected = Matrix4::Rotation({0, 0, 1}, std::numbers::pi / 2).Transform({2, 0, 0});
    EXPECT_NEAR(q.x, expected.x, 1e-5);
    EXPECT_NEAR(q.y, expected.y, 1e-5);
    EXPECT_NEAR(q.z, 3.0, 1e-5);
}

TEST_F(Load3DSTest, KeysNotAtFrameZeroAreIgnored)
{
    test::NodeFixture root;
    root.name = "Body";
    test::NodeFixture arm;
    arm.name = "Arm";
    arm.id = 1;
    arm.parentId = 0;
    arm.hasPosition = true;
    arm.position = {0, 0, 3};
    arm.frame = 5;
    ASSERT_TRUE(test::Write3DS(Path("f.3ds"), {Square("Body"), Square("Arm")}, {root, arm}));
    const Model3D model = Load3DS(Path("f.3ds"));
    ASSERT_EQ(model.Parts.size(), 2u);
    EXPECT_TRUE(model.Parts[1].Placement.IsIdentity());
}

std::string ReadBytes(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll().toStdString();
}

TEST_F(Load3DSTest, DamagedFilesAreErrors)
{
    test::MeshFixture m = Square("A");
    m.smoothing = {1, 2};
    ASSERT_TRUE(test::Write3DS(Path("a.3ds"), {m}));
    const std::string good = ReadBytes(Path("a.3ds"));
    ASSERT_NO_THROW(Parse3DS(good));

    EXPECT_NE(ErrorOf([&] { Parse3DS(good.substr(0, good.size() - 10)); }).find("damaged"),
              std::string::npos);
    EXPECT_EQ(ErrorOf([&] { Parse3DS("not a 3ds file at all"); }),
              "The file is not a 3D Studio file");
    EXPECT_NE(ErrorOf([&] { Parse3DS(good.substr(0, 3)); }).find("damaged"), std::string::npos);

    // A face naming a vertex the mesh does not have.
    test::MeshFixture bad = Square("B");
    bad.faces = {{0, 1, 9}};
    ASSERT_TRUE(test::Write3DS(Path("b.3ds"), {bad}));
    EXPECT_EQ(ErrorOf([&] { Load3DS(Path("b.3ds")); }), "List index out of bounds (9)");
}

// A chunk: id, length including the six header bytes, body.
std::string Chunk3DS(uint16_t id, const std::string& body)
{
    std::string c;
    const uint32_t length = uint32_t(body.size() + 6);
    c += char(id & 0xff);
    c += char(id >> 8);
    for (int i = 0; i < 4; ++i)
        c += char((length >> (8 * i)) & 0xff);
    return c + body;
}

std::string Word3DS(uint16_t v)
{
    return std::string{char(v & 0xff), char(v >> 8)};
}

std::string TriangleMesh3DS(const std::string& name, uint16_t corner)
{
    std::string points = Word3DS(3) + std::string(36, '\0');
    points[2 + 12] = '\x01'; // a small x on the second point keeps the face from being empty
    const std::string faces = Word3DS(1) + Word3DS(0) + Word3DS(1) + Word3DS(corner) + Word3DS(0);
    return Chunk3DS(0x4000,
                    name + std::string(1, '\0') +
                        Chunk3DS(0x4100, Chunk3DS(0x4110, points) + Chunk3DS(0x4120, faces)));
}

TEST_F(Load3DSTest, NodesWithoutHeadersOrWithLoopingParentsStillReadAsATree)
{
    const std::string header = std::string("A") + '\0' + Word3DS(0) + Word3DS(0);
    const std::string nodes =
        Chunk3DS(0xB002, Chunk3DS(0xB030, Word3DS(0)) +
                             Chunk3DS(0xB013, std::string(12, '\0'))) + // no header
        Chunk3DS(0xB002, Chunk3DS(0xB030, Word3DS(1)) +
                             Chunk3DS(0xB010, header + Word3DS(1))) + // its own parent
        Chunk3DS(0xB002, Chunk3DS(0xB030, Word3DS(2)) +
                             Chunk3DS(0xB010, header + Word3DS(3))) + // parent later in the file
        Chunk3DS(0xB002, Chunk3DS(0xB030, Word3DS(3)) + Chunk3DS(0xB010, header + Word3DS(2)));
    const std::string file =
        Chunk3DS(0x4D4D, Chunk3DS(0x3D3D, TriangleMesh3DS("A", 2)) + Chunk3DS(0xB000, nodes));
    const Model3D model = Parse3DS(file);
    EXPECT_EQ(model.Parts.size(), 3u); // the three nodes named "A"
}

TEST_F(Load3DSTest, AFaceCornerBeyondThePointsIsAnErrorBeforeTheChunkReaderSeesIt)
{
    const std::string file = Chunk3DS(0x4D4D, Chunk3DS(0x3D3D, TriangleMesh3DS("A", 40000)));
    EXPECT_EQ(ErrorOf([&] { Parse3DS(file); }), "List index out of bounds (40000)");
    EXPECT_NO_THROW(Parse3DS(Chunk3DS(0x4D4D, Chunk3DS(0x3D3D, TriangleMesh3DS("A", 2)))));
}

TEST_F(Load3DSTest, AnOversizedVertexCountIsAnError)
{
    ASSERT_TRUE(test::Write3DS(Path("c.3ds"), {Square("A")}));
    std::string bytes = ReadBytes(Path("c.3ds"));
    // The vertex count follows the six header bytes of the point array chunk.
    const size_t chunk = bytes.find(std::string("\x10\x41", 2));
    ASSERT_NE(chunk, std::string::npos);
    bytes[chunk + 6] = '\xff';
    bytes[chunk + 7] = '\xff';
    EXPECT_EQ(ErrorOf([&] { Parse3DS(bytes); }),
              "The 3D Studio file is damaged: a vertex list is truncated");
}

} // namespace
} // namespace lumora
