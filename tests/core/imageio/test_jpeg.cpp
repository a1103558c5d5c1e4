#include "imageio/jpeg_codec.h"

#include "common/lumora_error.h"
#include "imageio_test_support.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace lumora {
namespace {

int LargestDifference(const Bitmap& picture, const test::ReferencePicture& ref)
{
    int largest = 0;
    for (int y = 0; y < ref.Height; ++y)
        for (int x = 0; x < ref.Width; ++x) {
            const uint8_t* r = ref.Rgb.data() + 3 * (static_cast<size_t>(y) * ref.Width + x);
            const Colour c = picture.PixelColour(x, y);
            largest = std::max({largest, std::abs(RedOf(c) - r[0]), std::abs(GreenOf(c) - r[1]),
                                std::abs(BlueOf(c) - r[2])});
        }
    return largest;
}

struct JpegFixture
{
    const char* File;
    int Tolerance; // the CMYK conversion is ours, not ImageMagick's
};

class JpegFixtureTest : public ::testing::TestWithParam<JpegFixture>
{
};

TEST_P(JpegFixtureTest, DecodesToTheReferencePixels)
{
    const JpegFixture& f = GetParam();
    const Bitmap picture = DecodeJPEG(test::FixtureBytes(f.File));
    const std::string reference = std::string(f.File) + ".ppm";
    const test::ReferencePicture ref = test::ReadReferencePpm(reference.c_str());
    ASSERT_EQ(picture.Width(), ref.Width);
    ASSERT_EQ(picture.Height(), ref.Height);
    EXPECT_EQ(picture.BitsPerPixel(), 24);
    EXPECT_LE(LargestDifference(picture, ref), f.Tolerance);
}

INSTANTIATE_TEST_SUITE_P(MadeByImageMagick, JpegFixtureTest,
                         ::testing::Values(JpegFixture{"jpeg_colour.jpg", 0},
                                           JpegFixture{"jpeg_progressive.jpg", 0},
                                           JpegFixture{"jpeg_grey.jpg", 0},
                                           JpegFixture{"jpeg_cmyk.jpg", 3}),
                         [](const auto& info) { return test::CaseName(info.param.File); });

// The first value of the first quantisation table (DQT) of a baseline file.
int FirstLuminanceQuantiser(const QByteArray& jpeg)
{
    const qsizetype at = jpeg.indexOf(QByteArray("\xFF\xDB", 2));
    return at < 0 ? -1 : static_cast<uint8_t>(jpeg[at + 5]);
}

TEST(JpegCodec, EncodesAtQualityEightyAndDecodesCloseToTheSource)
{
    Bitmap picture = Bitmap::TrueColour(40, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x) {
            uint8_t* p = picture.Row(y) + 3 * x;
            p[0] = 200;                          // blue
            p[1] = static_cast<uint8_t>(y * 10); // green
            p[2] = static_cast<uint8_t>(x * 6);  // red
        }
    const QByteArray jpeg = EncodeJPEG(picture);
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8"));
    // libjpeg scales the standard table (16 first) to 40 % at quality 80.
    EXPECT_EQ(FirstLuminanceQuantiser(jpeg), 6);
    EXPECT_EQ(FirstLuminanceQuantiser(EncodeJPEG(picture, 50)), 16);

    const Bitmap back = DecodeJPEG(jpeg);
    ASSERT_EQ(back.Width(), 40);
    ASSERT_EQ(back.Height(), 24);
    long total = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x) {
            const Colour a = picture.PixelColour(x, y), b = back.PixelColour(x, y);
            total += std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
                     std::abs(BlueOf(a) - BlueOf(b));
        }
    EXPECT_LT(total / (40.0 * 24 * 3), 2.0);
    EXPECT_THROW(EncodeJPEG(Bitmap()), LumoraError);
}

// The file with the frame header (SOF0) announcing another size.
QByteArray WithSize(QByteArray jpeg, uint16_t width, uint16_t height)
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0);
    jpeg[sof + 5] = static_cast<char>(height >> 8);
    jpeg[sof + 6] = static_cast<char>(height & 0xFF);
    jpeg[sof + 7] = static_cast<char>(width >> 8);
    jpeg[sof + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

TEST(JpegCodec, RefusesDamagedFilesWithATextInsteadOfAGreyPicture)
{
    const QByteArray good = test::FixtureBytes("jpeg_colour.jpg");
    struct Case
    {
        const char* Name;
        QByteArray Data;
        const char* TextPart;
    };
    const Case cases[] = {
        {"empty", QByteArray(), "damaged"},
        {"not a JPEG", QByteArray("BM this is no picture"), "damaged"},
        {"header only", good.left(120), "damaged"},
        {"cut in the pixels", good.left(good.size() - 60), "ends before"},
        {"huge picture from a small file", WithSize(good, 16000, 16000), "too short"},
        {"progressive cut", test::FixtureBytes("jpeg_progressive.jpg").left(400), "damaged"},
    };
    for (const Case& c : cases) {
        try {
            DecodeJPEG(c.Data);
            ADD_FAILURE() << c.Name << " was read";
        } catch (const LumoraError& e) {
            EXPECT_NE(std::string(e.what()).find(c.TextPart), std::string::npos)
                << c.Name << ": " << e.what();
        }
    }
}

} // namespace
} // namespace lumora
