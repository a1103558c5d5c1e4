#include "imageio/targa.h"

#include "common/lumora_error.h"
#include "imageio_test_support.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::Expect;

struct TargaFixture
{
    const char* File;
    int BitsPerPixel;
    Expect Rule;
};

class TargaFixtureTest : public ::testing::TestWithParam<TargaFixture>
{
};

TEST_P(TargaFixtureTest, DecodesToTheReferencePixelsTheRightWayUp)
{
    const TargaFixture& f = GetParam();
    Bitmap picture;
    ReadTGA(test::FixturePath(f.File), picture);
    EXPECT_EQ(picture.BitsPerPixel(), f.BitsPerPixel);
    const std::string reference = std::string(f.File) + ".ppm";
    test::ExpectMatchesReference(picture, test::ReadReferencePpm(reference.c_str()), f.Rule);
}

INSTANTIATE_TEST_SUITE_P(
    MadeByImageMagick, TargaFixtureTest,
    ::testing::Values(TargaFixture{"tga24.tga", 24, Expect::Exact},
                      TargaFixture{"tga24_topdown.tga", 24, Expect::Exact},
                      TargaFixture{"tga24_rle_runs.tga", 24, Expect::Exact},
                      TargaFixture{"tga24_rle_topdown.tga", 24, Expect::Exact},
                      TargaFixture{"tga32_alpha.tga", 24, Expect::Exact},
                      TargaFixture{"tga32_rle_topdown.tga", 24, Expect::Exact},
                      TargaFixture{"tga16.tga", 24, Expect::FiveBitTimesEight},
                      TargaFixture{"tga16_rle_runs_topdown.tga", 24, Expect::FiveBitTimesEight},
                      TargaFixture{"tga8_mapped.tga", 8, Expect::SixBitPalette},
                      TargaFixture{"tga8_mapped_rle_topdown.tga", 8, Expect::SixBitPalette},
                      TargaFixture{"tga8_grey.tga", 8, Expect::Exact},
                      TargaFixture{"tga8_grey_rle.tga", 8, Expect::Exact}),
    [](const auto& info) { return test::CaseName(info.param.File); });

// A Targa file assembled in the test.
struct TgaBuilder
{
    uint8_t ImageType = 2;
    uint8_t ColourMapType = 0;
    uint16_t MapFirst = 0;
    uint16_t MapLength = 0;
    uint8_t MapEntrySize = 0;
    uint16_t Width = 2;
    uint16_t Height = 2;
    uint8_t Depth = 24;
    uint8_t Descriptor = 0;
    QByteArray Id;
    QByteArray Map;

    QByteArray File(const QByteArray& pixels) const
    {
        QByteArray h(18, '\0');
        h[0] = static_cast<char>(Id.size());
        h[1] = static_cast<char>(ColourMapType);
        h[2] = static_cast<char>(ImageType);
        test::SetU16(h, 3, MapFirst);
        test::SetU16(h, 5, MapLength);
        h[7] = static_cast<char>(MapEntrySize);
        test::SetU16(h, 12, Width);
        test::SetU16(h, 14, Height);
        h[16] = static_cast<char>(Depth);
        h[17] = static_cast<char>(Descriptor);
        return h + Id + Map + pixels;
    }
};

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

TEST(TargaReader, ReadsOneBitGreyRowsPackedFromTheTopBit)
{
    TgaBuilder b;
    b.ImageType = 3;
    b.Depth = 1;
    b.Width = 10;
    b.Height = 2;
    // Bottom row first: 1000000001, then the top row 0111111110.
    const Bitmap picture = DecodeTGA(b.File(Bytes({0x80, 0x40, 0x7F, 0x80})));
    ASSERT_EQ(picture.BitsPerPixel(), 1);
    const char* rows[] = {"0111111110", "1000000001"};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(picture.PixelColour(x, y), rows[y][x] == '1' ? 0xFFFFFFu : 0u)
                << x << ", " << y;
}

TEST(TargaReader, PlacesColourMapEntriesAtTheirNumbersWithSixBitComponents)
{
    TgaBuilder b;
    b.ImageType = 9; // run-length colour-mapped
    b.ColourMapType = 1;
    b.MapFirst = 5;
    b.MapLength = 2;
    b.MapEntrySize = 16;
    b.Map = Bytes({0x1F, 0x00, 0x00, 0x7C}); // entry 5 blue 31, entry 6 red 31 (5-5-5)
    b.Width = 3;
    b.Height = 1;
    b.Depth = 8;
    const Bitmap picture = DecodeTGA(b.File(Bytes({0x81, 5, 0x00, 6})));
    const uint8_t full = KeepSixBits(31 * 8);
    EXPECT_EQ(picture.PixelColour(0, 0), MakeColour(0, 0, full));
    EXPECT_EQ(picture.PixelColour(1, 0), MakeColour(0, 0, full));
    EXPECT_EQ(picture.PixelColour(2, 0), MakeColour(full, 0, 0));
}

TEST(TargaReader, LetsARunCrossRowsAndSkipsTheIdAndAnUnusedColourMap)
{
    TgaBuilder b;
    b.ImageType = 10;
    b.ColourMapType = 1;
    b.MapLength = 3;
    b.MapEntrySize = 24;
    b.Map = QByteArray(9, 'm');
    b.Id = "picture id";
    b.Width = 3;
    b.Height = 2;
    b.Descriptor = 0x20;
    // Four pixels of one colour, across the end of the top row, then two literals.
    const Bitmap picture = DecodeTGA(b.File(Bytes({0x83, 1, 2, 3, 0x01, 10, 20, 30, 40, 50, 60})));
    EXPECT_EQ(picture.PixelColour(2, 0), MakeColour(3, 2, 1));
    EXPECT_EQ(picture.PixelColour(0, 1), MakeColour(3, 2, 1));
    EXPECT_EQ(picture.PixelColour(1, 1), MakeColour(30, 20, 10));
    EXPECT_EQ(picture.PixelColour(2, 1), MakeColour(60, 50, 40));
}

TEST(TargaReader, MirrorsRowsStoredFromRightToLeft)
{
    TgaBuilder b;
    b.Width = 2;
    b.Height = 1;
    b.Descriptor = 0x10;
    const Bitmap picture = DecodeTGA(b.File(Bytes({1, 1, 1, 2, 2, 2})));
    EXPECT_EQ(picture.PixelColour(0, 0), MakeColour(2, 2, 2));
    EXPECT_EQ(picture.PixelColour(1, 0), MakeColour(1, 1, 1));
}

struct DamagedTga
{
    const char* Name;
    std::function<QByteArray()> Make;
    const char* TextPart;
};

TgaBuilder Mapped(uint16_t length)
{
    TgaBuilder b;
    b.ImageType = 1;
    b.ColourMapType = 1;
    b.MapLength = length;
    b.MapEntrySize = 24;
    b.Map = QByteArray(3 * length, 'c');
    b.Depth = 8;
    return b;
}

TgaBuilder Sized(uint8_t type, uint16_t width, uint16_t height)
{
    TgaBuilder b;
    b.ImageType = type;
    b.Width = width;
    b.Height = height;
    return b;
}

class DamagedTgaTest : public ::testing::TestWithParam<DamagedTga>
{
};

TEST_P(DamagedTgaTest, IsRefusedWithAClearText)
{
    const DamagedTga& c = GetParam();
    try {
        const Bitmap picture = DecodeTGA(c.Make());
        FAIL() << c.Name << " was read as " << picture.Width() << " x " << picture.Height();
    } catch (const LumoraError& e) {
        EXPECT_NE(std::string(e.what()).find(c.TextPart), std::string::npos)
            << c.Name << ": " << e.what();
    }
}

const DamagedTga kDamagedTga[] = {
    {"empty", [] { return QByteArray(); }, "ends before"},
    {"header cut short", [] { return test::FixtureBytes("tga24.tga").left(10); }, "ends before"},
    {"no image", [] { return Sized(0, 2, 2).File(QByteArray(12, 0)); }, "image type 0 are not"},
    {"image type 32", [] { return Sized(32, 2, 2).File(QByteArray(12, 0)); }, "not supported"},
    {"true colour of 8 bits",
     [] {
         TgaBuilder b;
         b.Depth = 8;
         return b.File(QByteArray(4, 0));
     },
     "with 8 bits per pixel are not supported"},
    {"grey of 16 bits",
     [] {
         TgaBuilder b = Sized(3, 2, 2);
         b.Depth = 16;
         return b.File(QByteArray(8, 0));
     },
     "not supported"},
    {"colour-mapped without a map",
     [] {
         TgaBuilder b = Mapped(2);
         b.ColourMapType = 0;
         b.Map.clear();
         return b.File(QByteArray(4, 0));
     },
     "colour map is missing"},
    {"map of 8-bit entries",
     [] {
         TgaBuilder b = Mapped(2);
         b.MapEntrySize = 8;
         return b.File(QByteArray(4, 0));
     },
     "8-bit entries are not supported"},
    {"map past the end",
     [] {
         TgaBuilder b = Mapped(2);
         b.MapLength = 255;
         return b.File(QByteArray(4, 0));
     },
     "ends before"},
    {"id past the end",
     [] {
         TgaBuilder b;
         QByteArray file = b.File(QByteArray(12, 0));
         file[0] = static_cast<char>(200);
         return file;
     },
     "ends before"},
    {"pixels cut short",
     [] {
         const QByteArray b = test::FixtureBytes("tga24.tga");
         return b.left(b.size() - 1);
     },
     "ends before"},
    {"run-length data cut short", [] { return test::FixtureBytes("tga24_rle_runs.tga").left(300); },
     "ends before"},
    {"packet past the end of the picture",
     [] {
         return Sized(10, 2, 2).File(Bytes({0x84, 1, 2, 3}));
     },
     "past the end of the picture"},
    {"literal packet past the end of the picture",
     [] { return Sized(10, 2, 2).File(Bytes({0x05}) + QByteArray(18, 1)); },
     "past the end of the picture"},
    {"colour outside the map",
     [] {
         return Mapped(2).File(Bytes({0, 1, 2, 0}));
     },
     "outside its colour map"},
    {"colour below the map's first entry",
     [] {
         TgaBuilder b = Mapped(2);
         b.MapFirst = 1;
         return b.File(Bytes({1, 2, 0, 1}));
     },
     "outside its colour map"},
    {"no width", [] { return Sized(2, 0, 2).File(QByteArray()); }, "no pixels"},
    {"65535 x 65535", [] { return Sized(2, 65535, 65535).File(QByteArray(64, 0)); }, "too large"},
    {"10000 x 10000 from a few bytes",
     [] { return Sized(10, 10000, 10000).File(QByteArray(4000, static_cast<char>(0xFF))); },
     "ends before"},
};

INSTANTIATE_TEST_SUITE_P(Table, DamagedTgaTest, ::testing::ValuesIn(kDamagedTga),
                         [](const auto& info) { return test::CaseName(info.param.Name); });

TEST(TargaWriter, WritesTheHeaderTheIdTextAndTopDownRowsByteForByte)
{
    const Bitmap picture = test::PatternPicture(3, 2);
    const QByteArray file = EncodeTGA(picture);
    ASSERT_EQ(file.size(), 18 + 46 + 2 * 3 * 3);
    EXPECT_EQ(file.left(18), Bytes({46, 0, 2, 0, 0, 0, 0, 24, 0, 0, 0, 0, 3, 0, 2, 0, 24, 0x20}));
    EXPECT_EQ(file.mid(18, 46), QByteArray(kTargaImageId));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const Colour c = picture.PixelColour(x, y);
            const qsizetype at = 64 + 9 * y + 3 * x;
            EXPECT_EQ(file.mid(at, 3), Bytes({BlueOf(c), GreenOf(c), RedOf(c)})) << x << ", " << y;
        }
}

TEST(TargaWriter, IsReadBackToTheSamePixelsByQtAndByTheReader)
{
    const Bitmap picture = test::PatternPicture(7, 5);
    const QByteArray file = EncodeTGA(picture);
    EXPECT_EQ(DecodeTGA(file), picture);
    // Qt's reader takes only files that end in the TGA 2.0 footer, and reads
    // the image ID as pixels; the header and the pixels it checks are the
    // writer's, handed over without the ID and with the footer.
    QByteArray forQt = file.left(18) + file.mid(18 + 46);
    forQt[0] = 0;
    forQt += QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.", 18);
    const QImage byQt = QImage::fromData(forQt, "TGA");
    ASSERT_FALSE(byQt.isNull());
    EXPECT_EQ(Bitmap::FromQImage(byQt), picture);
}

TEST(TargaWriter, WritesPalettePicturesInTheir24BitFormAndRefusesTheEmptyPicture)
{
    Bitmap picture = Bitmap::Indexed(2, 1, 1, {MakeColour(1, 2, 3), MakeColour(4, 5, 6)});
    picture.Row(0)[1] = 1;
    EXPECT_EQ(EncodeTGA(picture).mid(64), Bytes({3, 2, 1, 6, 5, 4}));
    EXPECT_THROW(EncodeTGA(Bitmap()), LumoraError);
}

} // namespace
} // namespace lumora
