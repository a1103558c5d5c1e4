#include "models/model_object_factory.h"
#include "models/model_readers.h"

#include "common/lumora_error.h"
#include "models/scene_3d.h"
#include "rendering/lumo_pixelengine256.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

QString Fixture(const char* name)
{
    return QString(LUMORA_FIXTURES_DIR) + "/models/" + name;
}

TEST(MakeModelObject, RendersTheModelAtTheScaleOfItsExtent)
{
    const auto object = MakeModelObject(Fixture("two_objects.asc"), 5, IntRect{10, 20, 300, 200});
    EXPECT_EQ(object->Id, 5);
    EXPECT_EQ(object->Name, "3DModell");
    EXPECT_EQ(object->ScaleValue, 8.0); // Round(7.5)
    EXPECT_TRUE(object->Transparent);
    EXPECT_EQ(object->ModelFileName, Fixture("two_objects.asc"));
    EXPECT_EQ(object->ScaledPicture->Width(), 300);

    Scene3D scene;
    scene.Model = *LoadModelFile(Fixture("two_objects.asc"));
    scene.View.SetScaleValue(8);
    const GreyPicture expected = scene.Paint();
    ASSERT_EQ(object->SourcePicture->Width(), expected.Width);
    long lit = 0;
    for (int y = 0; y < expected.Height; ++y)
        for (int x = 0; x < expected.Width; ++x) {
            ASSERT_EQ(object->SourcePicture->Pixel(x, y), expected.At(x, y));
            lit += expected.At(x, y) > 0;
        }
    EXPECT_GT(lit, 1000);
}

TEST(MakeModelObject, AFileWithoutAModelIsAnError)
{
    EXPECT_THROW(MakeModelObject(Fixture("two_objects.asc") + ".txt", 1, IntRect{0, 0, 9, 9}),
                 LumoraError);
}

TEST(MakeTextObject, UsesTheNewTextView)
{
    const auto object = MakeTextObject("AB", 2, IntRect{0, 0, 120, 80});
    EXPECT_EQ(object->Name, "3DText");
    EXPECT_EQ(object->ScaleValue, 0.7);
    EXPECT_FLOAT_EQ(object->ViewMatrix.m[3][0], -0.95f);
    EXPECT_FLOAT_EQ(object->ViewMatrix.m[3][1], -0.2f);
    EXPECT_EQ(object->Extrusion, 50);
    int brightest = 0;
    for (int y = 0; y < object->SourcePicture->Height(); ++y)
        for (int x = 0; x < object->SourcePicture->Width(); ++x)
            brightest = std::max<int>(brightest, object->SourcePicture->Pixel(x, y));
    EXPECT_EQ(brightest, 128);
}

} // namespace
} // namespace lumora
