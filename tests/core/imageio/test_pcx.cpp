#include "imageio/pcx.h"

#include "common/lumora_error.h"
#include "imageio_test_support.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::Expect;

struct PcxFixture
{
    const char* File;
    int BitsPerPixel;
    Expect Rule;
};

class PcxFixtureTest : public ::testing::TestWithParam<PcxFixture>
{
};

TEST_P(PcxFixtureTest, DecodesToTheReferencePixelsInTheFilesOwnFormat)
{
    const PcxFixture& f = GetParam();
    Bitmap picture;
    ReadPCX(test::FixturePath(f.File), picture);
    EXPECT_EQ(picture.BitsPerPixel(), f.BitsPerPixel);
    const std::string reference = std::string(f.File) + ".ppm";
    test::ExpectMatchesReference(picture, test::ReadReferencePpm(reference.c_str()), f.Rule);
}

INSTANTIATE_TEST_SUITE_P(
    MadeByImageMagickAndNetpbm, PcxFixtureTest,
    ::testing::Values(PcxFixture{"pcx_mono.pcx", 1, Expect::Exact},
                      PcxFixture{"pcx_16colour_4planes.pcx", 4, Expect::SixBitPalette},
                      PcxFixture{"pcx_256colour.pcx", 8, Expect::SixBitPalette},
                      PcxFixture{"pcx_256colour_runs.pcx", 8, Expect::SixBitPalette},
                      PcxFixture{"pcx_24bit_3planes.pcx", 24, Expect::Exact},
                      PcxFixture{"pcx_24bit_runs.pcx", 24, Expect::Exact}),
    [](const auto& info) { return test::CaseName(info.param.File); });

// A PCX file assembled in the test: header fields and rows given, rows
// run-length encoded the plain way (bytes of 0xC0 and above as runs of one).
struct PcxBuilder
{
    uint8_t Version = 5;
    uint8_t BitsPerPixel = 8;
    uint8_t Planes = 1;
    int Width = 4;
    int Height = 2;
    int BytesPerLine = 4;
    uint8_t HeaderPalette[48] = {};

    QByteArray Header() const
    {
        QByteArray h(128, '\0');
        h[0] = 10;
        h[1] = static_cast<char>(Version);
        h[2] = 1;
        h[3] = static_cast<char>(BitsPerPixel);
        test::SetU16(h, 8, static_cast<uint16_t>(Width - 1));
        test::SetU16(h, 10, static_cast<uint16_t>(Height - 1));
        for (int i = 0; i < 48; ++i)
            h[16 + i] = static_cast<char>(HeaderPalette[i]);
        h[65] = static_cast<char>(Planes);
        test::SetU16(h, 66, static_cast<uint16_t>(BytesPerLine));
        return h;
    }

    static QByteArray Encode(const std::vector<uint8_t>& bytes)
    {
        QByteArray out;
        for (uint8_t b : bytes) {
            if (b >= 0xC0)
                out.append(static_cast<char>(0xC1));
            out.append(static_cast<char>(b));
        }
        return out;
    }
};

QByteArray GreyPalette256()
{
    QByteArray palette(1, 12);
    for (int i = 0; i < 256; ++i)
        palette.append(3, static_cast<char>(i));
    return palette;
}

TEST(PcxReader, ScalesTwoBitHeaderPaletteComponentsOnlyInVersionTwoFiles)
{
    PcxBuilder b;
    b.BitsPerPixel = 1;
    b.Planes = 4;
    b.Width = 2;
    b.Height = 1;
    b.BytesPerLine = 1;
    const uint8_t entry1[3] = {1, 2, 3}, entry2[3] = {200, 3, 100};
    std::copy(entry1, entry1 + 3, b.HeaderPalette + 3);
    std::copy(entry2, entry2 + 3, b.HeaderPalette + 6);
    // Pixel 0 has index 1 (plane 0 bit), pixel 1 index 2 (plane 1 bit).
    const QByteArray rows = PcxBuilder::Encode({0x80, 0x40, 0x00, 0x00});

    struct Case
    {
        uint8_t Version;
        Colour Index1, Index2;
    };
    const Case cases[] = {
        {2, MakeColour(85, 170, 255), MakeColour(203, 255, 101)},
        {5, MakeColour(0, 0, 0), MakeColour(203, 0, 101)},
    };
    for (const Case& c : cases) {
        b.Version = c.Version;
        const Bitmap picture = DecodePCX(b.Header() + rows);
        ASSERT_EQ(picture.BitsPerPixel(), 4);
        EXPECT_EQ(picture.PixelColour(0, 0), c.Index1) << "version " << int(c.Version);
        EXPECT_EQ(picture.PixelColour(1, 0), c.Index2) << "version " << int(c.Version);
    }
}

TEST(PcxReader, TakesThe256ColourPaletteAfterTheImageWhenTheEndHoldsNoMarker)
{
    PcxBuilder b;
    b.Width = 2;
    b.Height = 1;
    b.BytesPerLine = 2;
    QByteArray palette(1, 0); // the byte after the image, not 12
    for (int i = 0; i < 256; ++i) {
        palette.append(static_cast<char>(i));
        palette.append(static_cast<char>(255 - i));
        palette.append(static_cast<char>(0));
    }
    const QByteArray trailer(5, 1); // so the byte 769 before the end is no marker
    const Bitmap picture = DecodePCX(b.Header() + PcxBuilder::Encode({7, 200}) + palette + trailer);
    EXPECT_EQ(picture.PixelColour(0, 0), MakeColour(KeepSixBits(7), KeepSixBits(248), 0));
    EXPECT_EQ(picture.PixelColour(1, 0), MakeColour(KeepSixBits(200), KeepSixBits(55), 0));
}

TEST(PcxReader, LetsARunCrossFromOnePlaneIntoTheNextWithinItsRow)
{
    PcxBuilder b;
    b.Planes = 3;
    b.Width = 2;
    b.Height = 1;
    b.BytesPerLine = 2;
    // Red 9 9, green 9 4, blue 5 5: the first run covers red and half of green.
    QByteArray rows;
    rows.append(static_cast<char>(0xC3))
        .append(9)
        .append(4)
        .append(static_cast<char>(0xC2))
        .append(5);
    const Bitmap picture = DecodePCX(b.Header() + rows);
    EXPECT_EQ(picture.PixelColour(0, 0), MakeColour(9, 9, 5));
    EXPECT_EQ(picture.PixelColour(1, 0), MakeColour(9, 4, 5));
}

TEST(PcxReader, LeavesThePictureEmptyAndNamesTheFileWhenReadingFails)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("broken.pcx");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(test::FixtureBytes("pcx_24bit_3planes.pcx").left(200));
    file.close();

    Bitmap picture = test::PatternPicture(3, 3);
    try {
        ReadPCX(name, picture);
        FAIL() << "a truncated file was read";
    } catch (const LumoraError& e) {
        EXPECT_NE(std::string(e.what()).find("\"broken.pcx\""), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("ends before"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_THROW(ReadPCX(dir.filePath("missing.pcx"), picture), LumoraError);
}

struct DamagedPcx
{
    const char* Name;
    std::function<QByteArray()> Make;
    const char* TextPart;
};

QByteArray Mutated(const char* fixture, const std::function<void(QByteArray&)>& change)
{
    QByteArray bytes = test::FixtureBytes(fixture);
    change(bytes);
    return bytes;
}

QByteArray WithSize(int width, int height, const QByteArray& data)
{
    PcxBuilder b;
    b.Width = width;
    b.Height = height;
    b.BytesPerLine = width;
    return b.Header() + data;
}

class DamagedPcxTest : public ::testing::TestWithParam<DamagedPcx>
{
};

TEST_P(DamagedPcxTest, IsRefusedWithAClearText)
{
    const DamagedPcx& c = GetParam();
    try {
        const Bitmap picture = DecodePCX(c.Make());
        FAIL() << c.Name << " was read as " << picture.Width() << " x " << picture.Height();
    } catch (const LumoraError& e) {
        EXPECT_NE(std::string(e.what()).find(c.TextPart), std::string::npos)
            << c.Name << ": " << e.what();
    }
}

const DamagedPcx kDamagedPcx[] = {
    {"empty", [] { return QByteArray(); }, "not a PCX"},
    {"other manufacturer",
     [] { return Mutated("pcx_256colour.pcx", [](QByteArray& b) { b[0] = 11; }); }, "not a PCX"},
    {"header cut short", [] { return test::FixtureBytes("pcx_256colour.pcx").left(100); },
     "ends before"},
    {"4 bits in 1 plane",
     [] { return Mutated("pcx_256colour.pcx", [](QByteArray& b) { b[3] = 4; }); },
     "4 bits per pixel in 1 planes are not supported"},
    {"24 bits", [] { return Mutated("pcx_256colour.pcx", [](QByteArray& b) { b[3] = 24; }); },
     "not supported"},
    {"1 bit in 3 planes", [] { return Mutated("pcx_mono.pcx", [](QByteArray& b) { b[65] = 3; }); },
     "not supported"},
    {"8 bits in 4 planes",
     [] { return Mutated("pcx_256colour.pcx", [](QByteArray& b) { b[65] = 4; }); },
     "not supported"},
    {"window turned round",
     [] { return Mutated("pcx_256colour.pcx", [](QByteArray& b) { test::SetU16(b, 4, 20); }); },
     "window is empty"},
    {"rows shorter than the width",
     [] { return Mutated("pcx_256colour.pcx", [](QByteArray& b) { test::SetU16(b, 66, 12); }); },
     "rows are shorter"},
    {"pixels cut short", [] { return test::FixtureBytes("pcx_24bit_3planes.pcx").left(200); },
     "ends before"},
    {"last row cut short",
     [] {
         QByteArray b = test::FixtureBytes("pcx_24bit_runs.pcx");
         return b.left(b.size() - 1);
     },
     "ends before"},
    {"run past the end of its row",
     [] {
         QByteArray data;
         data.append(static_cast<char>(0xC3)).append(1); // 3 bytes into a 2-byte row
         data.append(static_cast<char>(0xC1)).append(1);
         return WithSize(2, 2, data) + GreyPalette256();
     },
     "past its row"},
    {"256-colour palette missing",
     [] {
         QByteArray b = test::FixtureBytes("pcx_256colour.pcx");
         return b.left(b.size() - 769);
     },
     "palette is missing"},
    {"256-colour palette cut short",
     [] {
         QByteArray b = test::FixtureBytes("pcx_256colour.pcx");
         return b.left(b.size() - 10);
     },
     "palette is missing"},
    {"65536 pixels wide",
     [] { return Mutated("pcx_256colour.pcx", [](QByteArray& b) { test::SetU16(b, 8, 65535); }); },
     "too large"},
    {"20000 x 20000", [] { return WithSize(20000, 20000, QByteArray(1000, 1)); }, "too large"},
    {"10000 x 10000 from a few bytes", [] { return WithSize(10000, 10000, QByteArray(1000, 1)); },
     "ends before"},
};

INSTANTIATE_TEST_SUITE_P(Table, DamagedPcxTest, ::testing::ValuesIn(kDamagedPcx),
                         [](const auto& info) { return test::CaseName(info.param.Name); });

} // namespace
} // namespace lumora
