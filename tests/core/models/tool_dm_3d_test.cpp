#include "depthmap/depth_kind_registry.h"
#include "models/scene_3d.h"
#include "models/tool_dm_3d.h"
#include "rendering/lumo_pixelengine256.h"
#include "stream/project_stream_reader.h"
#include "stream/project_stream_writer.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

// A picture with a black (empty) left half and a lit right half whose
// levels vary, so that scaling and mirroring show.
GreyPicture TestPicture(int w, int h)
{
    GreyPicture p;
    p.Width = w;
    p.Height = h;
    p.Levels.resize(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.Levels[size_t(y * w + x)] = x < w / 2 ? 0 : uint8_t(100 + (x + 3 * y) % 100);
    return p;
}

std::unique_ptr<Tool_dm_3d_model> MakeModelObject(int w, int h, const GreyPicture& picture)
{
    const auto source = ToPixelEngine(picture);
    auto object = std::make_unique<Tool_dm_3d_model>(7, 3, 2, w, h, source.get());
    object->SetSize(w, h, true);
    return object;
}

TEST(Tool_dm_3d, TransparentPixelsLeaveTheBackgroundAndInvertMovesTheKeyTo255)
{
    auto object = MakeModelObject(20, 10, TestPicture(20, 10));
    object->Transparent = true;
    TPixelEngine256 engine(30, 20);
    engine.Fill(100);
    object->Draw(engine);
    EXPECT_EQ(engine.Pixel(3, 2), 100); // picture 0: background stays
    EXPECT_EQ(engine.Pixel(3 + 15, 2), object->ScaledPicture->Pixel(15, 0));
    EXPECT_GE(engine.Pixel(3 + 15, 2), 100);

    object->SetFlags(true, false, false, true);
    EXPECT_EQ(object->ScaledPicture->Pixel(0, 0), 255);
    TPixelEngine256 inverted(30, 20);
    inverted.Fill(100);
    object->Draw(inverted);
    EXPECT_EQ(inverted.Pixel(3, 2), 100);
    EXPECT_EQ(inverted.Pixel(3 + 15, 2), 255 - engine.Pixel(3 + 15, 2));

    object->Transparent = false;
    object->Draw(inverted);
    EXPECT_EQ(inverted.Pixel(3, 2), 255);
}

TEST(Tool_dm_3d, FlagsAreAppliedToTheScaledPictureInvertThenMirrors)
{
    const GreyPicture picture = TestPicture(8, 4);
    auto object = MakeModelObject(8, 4, picture);
    object->SetFlags(true, true, true, true);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(object->ScaledPicture->Pixel(x, y), 255 - picture.At(7 - x, 3 - y));
    // Without rebuild the picture stays as it was.
    object->SetFlags(false, false, false, false);
    EXPECT_EQ(object->ScaledPicture->Pixel(0, 0), 255 - picture.At(7, 3));
}

TEST(Tool_dm_3d, RenderingAtTwiceTheEditorSizeScalesTheStoredPictureAndRestoresIt)
{
    const GreyPicture picture = TestPicture(513, 389);
    auto object = MakeModelObject(100, 80, picture);
    TPixelEngine256 render(200, 160);
    render.Fill(0);
    object->Render(render, 0, 0, 200, 160);

    TPixelEngine256 expected(200, 160);
    expected.Fill(0);
    object->SourcePicture->StretchDrawTo(expected, 0, 0, 200, 160);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(render.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(object->Width, 100);
    EXPECT_EQ(object->ScaledPicture->Width(), 100);
    EXPECT_EQ(object->ScaledPicture->Height(), 80);
    EXPECT_EQ(object->SourcePicture->Width(), 513);
}

TEST(Tool_dm_3d, DrawClippedDrawsOnlyInsideTheClipRectangle)
{
    auto object = MakeModelObject(20, 10, TestPicture(20, 10));
    for (bool transparent : {false, true}) {
        object->Transparent = transparent;
        TPixelEngine256 engine(40, 20);
        engine.Fill(7);
        object->DrawClipped(engine, Box{15, 0, 40, 5});
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool inside = x >= 15 && x < 23 && y >= 2 && y < 5;
                const uint8_t picture = inside ? object->ScaledPicture->Pixel(x - 3, y - 2) : 0;
                const uint8_t want = inside && !(transparent && picture == 0) ? picture : 7;
                ASSERT_EQ(engine.Pixel(x, y), want) << x << "," << y << " " << transparent;
            }
    }
}

TEST(Tool_dm_3d, CloneCopiesThePicturesAndTheSettings)
{
    auto object = MakeModelObject(20, 10, TestPicture(20, 10));
    object->ModelFileName = "/models/a.dxf";
    object->ScaleValue = 150;
    object->ViewMatrix = Matrix4::RotationDegrees({0, 1, 0}, 30);
    const std::unique_ptr<Tool_dm> clone = object->Clone(42);
    auto* copy = dynamic_cast<Tool_dm_3d_model*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Id, 42);
    EXPECT_EQ(copy->ModelFileName, "/models/a.dxf");
    EXPECT_EQ(copy->ViewMatrix, object->ViewMatrix);
    EXPECT_NE(copy->SourcePicture.get(), object->SourcePicture.get());
    object->SourcePicture->Fill(0);
    EXPECT_EQ(copy->SourcePicture->Pixel(15, 0), TestPicture(20, 10).At(15, 0));
    EXPECT_EQ(copy->ScaledPicture->Width(), 20);
}

std::unique_ptr<Tool_dm> SaveAndLoad(const Tool_dm& object)
{
    ProjectStreamWriter writer;
    object.SaveToStream(writer);
    DepthKindRegistry registry;
    RegisterModelKinds(registry);
    ProjectStreamReader reader(writer.TakeData());
    auto loaded = registry.Read(object.Kind, reader);
    EXPECT_EQ(reader.Position(), reader.Size());
    return loaded;
}

TEST(Tool_dm_3d, RecordsRoundTripWithPictureSettingsAndSource)
{
    const GreyPicture picture = TestPicture(33, 21);
    const auto source = ToPixelEngine(picture);

    Tool_dm_3d_primitive primitive(3, 1, 2, 30, 20, source.get());
    primitive.PrimitiveNumber = 9;
    Tool_dm_3d_text text(4, 5, 6, 40, 30, source.get());
    text.Text = QString::fromUtf8("Grüße");
    text.FontName = "Times New Roman";
    text.Bold = true;
    text.StrikeOut = true;
    text.Extrusion = 17;
    for (Tool_dm_3d* object : std::initializer_list<Tool_dm_3d*>{&primitive, &text}) {
        object->Transparent = true;
        object->StartDepthPos = -12;
        object->EndDepthPos = 77;
        object->ScaleValue = 0.7;
        object->ViewMatrix =
            Matrix4::RotationDegrees({1, 2, 3}, 41) * Matrix4::Translation(1, 2, 3);
        object->Invert = true;
        object->Name = "3DText";

        const std::unique_ptr<Tool_dm> loaded = SaveAndLoad(*object);
        auto* back = dynamic_cast<Tool_dm_3d*>(loaded.get());
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->Kind, object->Kind);
        EXPECT_EQ(back->Name, "3DText");
        EXPECT_TRUE(back->Transparent);
        EXPECT_EQ(back->StartDepthPos, -12);
        EXPECT_EQ(back->EndDepthPos, 77);
        EXPECT_EQ(back->ScaleValue, 0.7);
        EXPECT_EQ(back->ViewMatrix, object->ViewMatrix);
        ASSERT_EQ(back->SourcePicture->Width(), 33);
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 33; ++x)
                ASSERT_EQ(back->SourcePicture->Pixel(x, y), picture.At(x, y));
        // The scaled picture is rebuilt at the object's size with its flags.
        EXPECT_EQ(back->ScaledPicture->Width(), object->Width);
        EXPECT_EQ(back->ScaledPicture->Pixel(0, 0), 255);
    }
    auto loadedText = SaveAndLoad(text);
    const auto& t = dynamic_cast<const Tool_dm_3d_text&>(*loadedText);
    EXPECT_EQ(t.Text, text.Text);
    EXPECT_EQ(t.FontName, "Times New Roman");
    EXPECT_TRUE(t.Bold);
    EXPECT_FALSE(t.Italic);
    EXPECT_FALSE(t.Underline);
    EXPECT_TRUE(t.StrikeOut);
    EXPECT_EQ(t.Extrusion, 17);
    EXPECT_EQ(dynamic_cast<const Tool_dm_3d_primitive&>(*SaveAndLoad(primitive)).PrimitiveNumber,
              9);
}

TEST(Tool_dm_3d, TheRecordHoldsTheFieldsInTheirStoredOrder)
{
    Tool_dm_3d_primitive primitive(3, 1, 2, 30, 20, ToPixelEngine(TestPicture(4, 4)).get());
    primitive.PrimitiveNumber = 5;
    primitive.ScaleValue = 20;
    primitive.ViewMatrix = Matrix4::Translation(0.5f, 0, 0);
    ProjectStreamWriter writer;
    primitive.SaveToStream(writer);
    ProjectStreamReader reader(writer.TakeData());
    Tool_dm base(14, 0);
    base.LoadBase(reader);
    EXPECT_EQ(base.Id, 3);
    ASSERT_NE(reader.ReadPngBlock(), nullptr);
    EXPECT_FALSE(reader.ReadBool());
    EXPECT_EQ(reader.ReadInt32(), 30);
    EXPECT_EQ(reader.ReadInt32(), 50);
    EXPECT_EQ(reader.ReadFloat64(), 20.0);
    std::array<uint8_t, 64> matrix{};
    reader.ReadRawBlock(matrix);
    // Row 3, column 0 holds 0.5f: bytes 48..51 little-endian 0x3F000000.
    EXPECT_EQ(matrix[48], 0x00);
    EXPECT_EQ(matrix[51], 0x3F);
    EXPECT_EQ(matrix[0 * 4 + 3], 0x3F); // m[0][0] = 1.0f
    EXPECT_EQ(reader.ReadInt32(), 5);
    EXPECT_EQ(reader.Position(), reader.Size());
}

} // namespace
} // namespace lumora
