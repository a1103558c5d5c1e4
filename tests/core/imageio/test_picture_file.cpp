#include "imageio/picture_file.h"

#include "common/lumora_error.h"
#include "imageio/bmp2tiff.h"
#include "imageio/jpeg_codec.h"
#include "imageio/targa.h"
#include "imageio_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::Expect;

void WriteBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
}

QByteArray ReadBytes(const QString& name)
{
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const LumoraError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(PictureFileKind, FollowsTheExtensionWithoutRegardToCase)
{
    const std::pair<const char*, PictureFileKind> cases[] = {
        {"x.bmp", PictureFileKind::Bmp},       {"X.BMP", PictureFileKind::Bmp},
        {"x.jpg", PictureFileKind::Jpeg},      {"x.JPEG", PictureFileKind::Jpeg},
        {"x.PcX", PictureFileKind::Pcx},       {"x.Tga", PictureFileKind::Targa},
        {"a.b/x.TGA", PictureFileKind::Targa}, {"x.png", PictureFileKind::Png},
        {"x.tif", PictureFileKind::Unknown},   {"x.tga.bak", PictureFileKind::Unknown},
        {"tga", PictureFileKind::Unknown},     {"x.", PictureFileKind::Unknown},
    };
    for (const auto& [name, kind] : cases)
        EXPECT_EQ(PictureFileKindOf(QString::fromUtf8(name)), kind) << name;
}

TEST(PictureFileDialogs, OfferTheFiltersInTheirOrder)
{
    EXPECT_EQ(PictureSaveFilters(),
              QStringList({"Bitmaps (*.bmp)", "JPEG Bilder (*.jpg)", "Targa - Bitmap (*.tga)",
                           "Tiff - Bitmap (*.tif)", "PNG Bilder (*.png)"}));
    EXPECT_EQ(PictureOpenFilters(),
              QStringList({"Alle Dateien (*.*)", "Bitmaps (*.bmp)", "JPEG Bilder (*.jpg)",
                           "Paintbrush (*.pcx)", "Targa - Bitmap (*.tga)", "PNG Bilder (*.png)"}));
}

struct LoadCase
{
    const char* File;
    Expect Rule;
};

class LoadPictureFileTest : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(LoadPictureFileTest, ReadsEveryReadableKindAs24BitColour)
{
    const LoadCase& c = GetParam();
    const Bitmap picture = LoadPictureFile(test::FixturePath(c.File));
    EXPECT_EQ(picture.BitsPerPixel(), 24);
    const std::string reference = std::string(c.File) + ".ppm";
    test::ExpectMatchesReference(picture, test::ReadReferencePpm(reference.c_str()), c.Rule);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LoadPictureFileTest,
                         ::testing::Values(LoadCase{"bmp24.bmp", Expect::Exact},
                                           LoadCase{"bmp8.bmp", Expect::Exact},
                                           LoadCase{"jpeg_colour.jpg", Expect::Exact},
                                           LoadCase{"pcx_mono.pcx", Expect::Exact},
                                           LoadCase{"pcx_256colour.pcx", Expect::SixBitPalette},
                                           LoadCase{"tga8_mapped.tga", Expect::SixBitPalette},
                                           LoadCase{"tga16.tga", Expect::FiveBitTimesEight},
                                           LoadCase{"png_colour.png", Expect::Exact}),
                         [](const auto& info) { return test::CaseName(info.param.File); });

class PictureFileFolder : public ::testing::Test
{
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir_;
};

TEST_F(PictureFileFolder, ReadsAMixedCaseTgaNameWithTheTargaReader)
{
    // Qt's own Targa reader cannot read this file (no TGA 2.0 footer); the
    // six-bit palette shows the program's reader did.
    WriteBytes(Path("x.Tga"), test::FixtureBytes("tga8_mapped_rle_topdown.tga"));
    const Bitmap picture = LoadPictureFile(Path("x.Tga"));
    test::ExpectMatchesReference(picture, test::ReadReferencePpm("tga8_mapped_rle_topdown.tga.ppm"),
                                 Expect::SixBitPalette);
}

TEST_F(PictureFileFolder, WritesTheFormatOfTheFilterWhateverTheExtensionSays)
{
    const Bitmap picture = test::PatternPicture(5, 3);
    SavePictureFile(Path("x.bmp"), picture, kSaveTarga);
    EXPECT_EQ(ReadBytes(Path("x.bmp")), EncodeTGA(picture));
    SavePictureFile(Path("y.jpg"), picture, kSaveTiff);
    EXPECT_EQ(ReadBytes(Path("y.jpg")), EncodeTIFF(picture));
    SavePictureFile(Path("z.tga"), picture, kSaveJpeg);
    EXPECT_EQ(ReadBytes(Path("z.tga")), EncodeJPEG(picture, 80));

    SavePictureFile(Path("b.tif"), picture, kSaveBmp);
    const QByteArray bmp = ReadBytes(Path("b.tif"));
    ASSERT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(test::U16At(bmp, 28), 24); // bits per pixel

    SavePictureFile(Path("p.bmp"), picture, kSavePng);
    EXPECT_TRUE(ReadBytes(Path("p.bmp")).startsWith("\x89PNG"));
}

TEST_F(PictureFileFolder, ReadsBackWhatItWroteLosslessly)
{
    const Bitmap picture = test::PatternPicture(9, 4);
    const std::pair<const char*, int> cases[] = {
        {"r.bmp", kSaveBmp}, {"r.tga", kSaveTarga}, {"r.png", kSavePng}};
    for (const auto& [name, filter] : cases) {
        SavePictureFile(Path(name), picture, filter);
        EXPECT_EQ(LoadPictureFile(Path(name)), picture) << name;
    }
}

TEST_F(PictureFileFolder, NamesTheFileWhenItCannotBeRead)
{
    WriteBytes(Path("broken.tga"), test::FixtureBytes("tga24.tga").left(100));
    WriteBytes(Path("pcx.bmp"), test::FixtureBytes("pcx_mono.pcx"));
    WriteBytes(Path("broken.png"), test::FixtureBytes("png_colour.png").left(80));
    // Qt's reader would return the cut pictures with made-up rows.
    WriteBytes(Path("cut24.bmp"), test::FixtureBytes("bmp24.bmp").left(200));
    WriteBytes(Path("cut8.bmp"), test::FixtureBytes("bmp8.bmp").left(1150));
    WriteBytes(Path("notes.txt"), "text");
    const std::pair<const char*, const char*> cases[] = {
        {"broken.tga", "ends before"},       {"pcx.bmp", "not a BMP"},
        {"broken.png", "not a PNG"},         {"notes.txt", "file type cannot be read"},
        {"cut24.bmp", "ends before"},        {"cut8.bmp", "ends before"},
        {"missing.pcx", "cannot be opened"},
    };
    for (const auto& [name, part] : cases) {
        const std::string text = ErrorOf([&] { LoadPictureFile(Path(name)); });
        EXPECT_NE(text.find(std::string("\"") + name + "\""), std::string::npos)
            << name << ": " << text;
        EXPECT_NE(text.find(part), std::string::npos) << text;
    }
}

TEST_F(PictureFileFolder, KeepsThePreviousFileWhenSavingFails)
{
    const QString target = Path("keep.tga");
    WriteBytes(target, "previous");
    const Bitmap picture = test::PatternPicture(2, 2);
    EXPECT_NE(ErrorOf([&] { SavePictureFile(target, picture, 0); }).find("number 0"),
              std::string::npos);
    EXPECT_NE(ErrorOf([&] { SavePictureFile(target, picture, 6); }).find("number 6"),
              std::string::npos);
    EXPECT_NE(ErrorOf([&] { SavePictureFile(target, Bitmap(), kSaveTarga); }).find("no picture"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(target), QByteArray("previous"));
    EXPECT_NE(ErrorOf([&] {
                  SavePictureFile(Path("no/such/folder/x.tga"), picture, kSaveTarga);
              }).find("cannot be written"),
              std::string::npos);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"keep.tga"}));
}

TEST(SaveFilterForExtension, MapsTheWrittenExtensionsToTheirFilters)
{
    const std::pair<const char*, int> cases[] = {
        {"a.BMP", kSaveBmp},   {"a.jpg", kSaveJpeg}, {"a.jpeg", kSaveJpeg},
        {"a.Tga", kSaveTarga}, {"a.tif", kSaveTiff}, {"a.TIFF", kSaveTiff},
        {"a.png", kSavePng},   {"a.pcx", 0},         {"a", 0},
    };
    for (const auto& [name, filter] : cases)
        EXPECT_EQ(SaveFilterForExtension(QString::fromUtf8(name)), filter) << name;
}

} // namespace
} // namespace lumora
