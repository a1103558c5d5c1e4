#include "imageio/pixel_engine_conversion.h"

#include "common/lumora_error.h"
#include "imageio/picture_file.h"
#include "imageio/targa.h"
#include "imageio_test_support.h"
#include "rendering/lumo_pixelengine.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

void ExpectSamePixels(const Bitmap& picture, const TPixelEngine& engine)
{
    ASSERT_EQ(engine.Width(), picture.Width());
    ASSERT_EQ(engine.Height(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            ASSERT_EQ(engine.Pixel(x, y), picture.PixelColour(x, y)) << x << ", " << y;
}

TEST(PixelEngineConversion, KeepsThePictureTheRightWayUpInTheBottomUpBuffer)
{
    const Bitmap picture = test::PatternPicture(7, 3);
    const std::unique_ptr<TPixelEngine> engine = ToPixelEngine(picture);
    ExpectSamePixels(picture, *engine);
    // Memory row 0 is the bottom picture row, bytes blue, green, red.
    const Colour bottomLeft = picture.PixelColour(0, 2);
    EXPECT_EQ(engine->Row(0)[0], BlueOf(bottomLeft));
    EXPECT_EQ(engine->Row(0)[2], RedOf(bottomLeft));
    EXPECT_EQ(FromPixelEngine(*engine), picture);
}

TEST(PixelEngineConversion, SetsPalettePicturesTo24Bits)
{
    const Bitmap picture = LoadPictureFile(test::FixturePath("tga8_mapped.tga"));
    Bitmap indexed;
    ReadTGA(test::FixturePath("tga8_mapped.tga"), indexed);
    ASSERT_EQ(indexed.BitsPerPixel(), 8);
    const std::unique_ptr<TPixelEngine> engine = ToPixelEngine(indexed);
    ExpectSamePixels(picture, *engine);
}

TEST(PixelEngineConversion, RefusesTheEmptyPictureAndAWrongSizedBuffer)
{
    EXPECT_THROW(ToPixelEngine(Bitmap()), LumoraError);
    TPixelEngine target(4, 4);
    EXPECT_THROW(CopyIntoPixelEngine(test::PatternPicture(4, 3), target), LumoraError);
}

} // namespace
} // namespace lumora
