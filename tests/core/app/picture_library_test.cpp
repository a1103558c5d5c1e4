// Picture libraries: the reader against libraries laid out by hand, its
// refusal of damaged files, the listing, and the writer of lumora-assets.
#include "app/library_listing.h"
#include "app/picture_library.h"
#include "app_test_support.h"
#include "common/lumora_error.h"
#include "library_writer.h"
#include "rendering/lumo_pixelengine.h"
#include "stream/jpeg_codec.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <functional>

namespace lumora {
namespace {

using test::AppendInt32;

QByteArray Jpeg(int width, int height, Colour colour)
{
    TPixelEngine picture(width, height);
    picture.FillColour(colour);
    std::vector<uint8_t> out;
    EncodeJpeg(picture, 90, out);
    return QByteArray(reinterpret_cast<const char*>(out.data()),
                      static_cast<qsizetype>(out.size()));
}

QByteArray ShortText(const QByteArray& text, char filler = 'x')
{
    QByteArray field(256, filler);
    field[0] = static_cast<char>(text.size());
    field.replace(1, text.size(), text);
    return field;
}

struct HandPicture
{
    QByteArray Name;
    QByteArray Description;
    QByteArray Thumbnail;
    QByteArray Picture;
};

// Lays a library out by hand. With reversed, the blocks follow the index
// from the last picture to the first and each picture's blocks in reverse.
QByteArray HandLibrary(const std::vector<HandPicture>& pictures, bool reversed = false,
                       int32_t version = 1, int32_t thumbWidth = 40, int32_t thumbHeight = 30)
{
    QByteArray out(256, 'H');
    AppendInt32(out, version);
    AppendInt32(out, thumbWidth);
    AppendInt32(out, thumbHeight);
    out.append(ShortText("Maker"));
    out.append(ShortText("maker@example.org"));
    out.append(ShortText("\xA9 Maker")); // the copyright sign in Windows-1252
    out.append(ShortText("Test pictures"));
    AppendInt32(out, static_cast<int32_t>(pictures.size()));
    const qsizetype index = out.size();
    out.append(QByteArray(static_cast<qsizetype>(pictures.size()) * 16, '\0'));
    const auto put = [&out](qsizetype at, qsizetype value) {
        QByteArray v;
        AppendInt32(v, static_cast<int32_t>(value));
        out.replace(at, 4, v);
    };
    for (size_t n = 0; n < pictures.size(); ++n) {
        const size_t k = reversed ? pictures.size() - 1 - n : n;
        const HandPicture& p = pictures[k];
        const qsizetype entry = index + static_cast<qsizetype>(k) * 16;
        const std::vector<std::pair<int, QByteArray>> blocks = {{0, ShortText(p.Name)},
                                                                {4, ShortText(p.Description)},
                                                                {8, p.Thumbnail},
                                                                {12, p.Picture}};
        for (size_t b = 0; b < blocks.size(); ++b) {
            const auto& [field, bytes] = blocks[reversed ? blocks.size() - 1 - b : b];
            put(entry + field, out.size());
            out.append(bytes);
        }
    }
    return out;
}

std::vector<HandPicture> ThreePictures()
{
    return {{"Red", "A red picture", Jpeg(40, 30, MakeColour(255, 0, 0)),
             Jpeg(120, 90, MakeColour(255, 0, 0))},
            {"Green", "A green picture", Jpeg(40, 30, MakeColour(0, 255, 0)),
             Jpeg(90, 180, MakeColour(0, 255, 0))},
            {"Blue", "", Jpeg(40, 30, MakeColour(0, 0, 255)), Jpeg(7, 5, MakeColour(0, 0, 255))}};
}

bool Near(Colour a, Colour b, int tolerance = 12)
{
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
           std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

TEST(PictureLibrary, ReadsEveryFieldInAnyBlockOrder)
{
    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed);
        const PictureLibrary lib =
            PictureLibrary::FromBytes(HandLibrary(ThreePictures(), reversed));
        EXPECT_EQ(lib.ThumbnailWidth(), 40);
        EXPECT_EQ(lib.ThumbnailHeight(), 30);
        EXPECT_EQ(lib.Texts().Creator, "Maker");
        EXPECT_EQ(lib.Texts().Contact, "maker@example.org");
        EXPECT_EQ(lib.Texts().Copyright, QString::fromUtf8("© Maker"));
        EXPECT_EQ(lib.Texts().Information, "Test pictures");
        ASSERT_EQ(lib.Count(), 3);
        const struct
        {
            const char* Name;
            const char* Description;
            int Width, Height;
            Colour Fill;
        } expected[] = {{"Red", "A red picture", 120, 90, MakeColour(255, 0, 0)},
                        {"Green", "A green picture", 90, 180, MakeColour(0, 255, 0)},
                        {"Blue", "", 7, 5, MakeColour(0, 0, 255)}};
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(lib.Name(k), expected[k].Name);
            EXPECT_EQ(lib.Description(k), expected[k].Description);
            const auto thumbnail = lib.Thumbnail(k);
            EXPECT_EQ(thumbnail->Width(), 40);
            EXPECT_EQ(thumbnail->Height(), 30);
            EXPECT_TRUE(Near(thumbnail->Pixel(20, 15), expected[k].Fill));
            const auto picture = lib.Picture(k);
            EXPECT_EQ(picture->Width(), expected[k].Width);
            EXPECT_EQ(picture->Height(), expected[k].Height);
            EXPECT_TRUE(Near(picture->Pixel(3, 2), expected[k].Fill));
        }
        EXPECT_THROW(lib.Name(3), LumoraError);
        EXPECT_THROW(lib.Picture(-1), LumoraError);
    }
}

TEST(PictureLibrary, LibraryWithoutPictures)
{
    const PictureLibrary lib = PictureLibrary::FromBytes(HandLibrary({}));
    EXPECT_EQ(lib.Count(), 0);
    EXPECT_EQ(lib.Texts().Creator, "Maker");
}

struct Damage
{
    const char* What;
    std::function<void(QByteArray&)> Apply;
    bool FailsOnOpen; // otherwise reading the first picture fails
};

void PutAt(QByteArray& data, qsizetype at, int32_t value)
{
    QByteArray v;
    AppendInt32(v, value);
    data.replace(at, 4, v);
}

int32_t Int32At(const QByteArray& data, qsizetype at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(data[at + i]);
    return static_cast<int32_t>(v);
}

TEST(PictureLibrary, DamagedLibrariesGiveAClearError)
{
    const QByteArray good = HandLibrary(ThreePictures());
    const qsizetype index = PictureLibrary::kIndexOffset;
    const std::vector<Damage> damages = {
        {"empty", [](QByteArray& d) { d.clear(); }, true},
        {"cut in the header", [](QByteArray& d) { d.truncate(300); }, true},
        {"cut in the texts", [](QByteArray& d) { d.truncate(1200); }, true},
        {"version 2", [](QByteArray& d) { PutAt(d, 256, 2); }, true},
        {"thumbnail width 0", [](QByteArray& d) { PutAt(d, 260, 0); }, true},
        {"thumbnail height huge", [](QByteArray& d) { PutAt(d, 264, 1 << 30); }, true},
        {"count beyond the file", [](QByteArray& d) { PutAt(d, 1292, 0x10000000); }, true},
        {"negative count", [](QByteArray& d) { PutAt(d, 1292, -1); }, true},
        {"offset beyond the file", [&](QByteArray& d) { PutAt(d, index + 12, d.size() + 10); },
         true},
        {"negative offset", [&](QByteArray& d) { PutAt(d, index, -5); }, true},
        {"offset into the index", [&](QByteArray& d) { PutAt(d, index + 4, index); }, true},
        {"name longer than the file",
         [&](QByteArray& d) {
             // Move the first name to the last byte of the file.
             PutAt(d, index, static_cast<int32_t>(d.size() - 1));
             d[d.size() - 1] = static_cast<char>(200);
         },
         false},
        {"picture not a JPEG",
         [&](QByteArray& d) {
             const int32_t at = Int32At(d, index + 12);
             for (int i = 0; i < 64; ++i)
                 d[at + i] = static_cast<char>(i * 37);
         },
         false},
        {"picture offset inside its stream",
         [&](QByteArray& d) {
             const int32_t next = Int32At(d, index + 16);
             PutAt(d, index + 12, next - 40);
         },
         false},
        {"thumbnail runs into the next block",
         [&](QByteArray& d) { PutAt(d, index + 8, Int32At(d, index + 8) + 2); }, false},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.What);
        QByteArray data = good;
        damage.Apply(data);
        try {
            const PictureLibrary lib = PictureLibrary::FromBytes(data);
            ASSERT_FALSE(damage.FailsOnOpen) << "opened";
            const auto readFirst = [&lib]() {
                lib.Name(0);
                lib.Thumbnail(0);
                lib.Picture(0);
            };
            EXPECT_THROW(readFirst(), LumoraError);
        } catch (const LumoraError& e) {
            EXPECT_TRUE(damage.FailsOnOpen) << e.what();
            EXPECT_GT(std::strlen(e.what()), 10u);
        }
    }
}

TEST(PictureLibrary, PictureCutShortAtTheEndOfTheFile)
{
    QByteArray data = HandLibrary(ThreePictures());
    data.chop(60); // into the last picture's stream
    const PictureLibrary lib = PictureLibrary::FromBytes(data);
    EXPECT_EQ(lib.Picture(0)->Width(), 120);
    EXPECT_EQ(lib.Thumbnail(2)->Width(), 40);
    EXPECT_THROW(lib.Picture(2), LumoraError);
}

TEST(PictureLibrary, MissingFile)
{
    EXPECT_THROW(PictureLibrary::Open("/nonexistent/none.llb"), LumoraError);
    EXPECT_FALSE(CheckLibVersion("/nonexistent/none.llb"));
}

TEST(LibraryListing, ListsVersionOneFilesByName)
{
    QTemporaryDir dir;
    const QByteArray good = HandLibrary(ThreePictures());
    test::WriteFile(dir.filePath("Zebra.llb"), good);
    test::WriteFile(dir.filePath("alpha.llb"), HandLibrary({}));
    QByteArray v2 = good;
    PutAt(v2, 256, 2);
    test::WriteFile(dir.filePath("Version2.llb"), v2);
    test::WriteFile(dir.filePath("Short.llb"), good.left(259));
    test::WriteFile(dir.filePath("Other.txt"), good);
    test::WriteFile(dir.filePath(".Hidden.llb"), good);
    const std::vector<LibraryListEntry> libs = GetLibs(dir.path());
    ASSERT_EQ(libs.size(), 3u);
    EXPECT_EQ(libs[0].Name, ".Hidden");
    EXPECT_EQ(libs[1].Name, "alpha");
    EXPECT_EQ(libs[1].Path, dir.filePath("alpha.llb"));
    EXPECT_EQ(libs[2].Name, "Zebra");
    EXPECT_TRUE(GetLibs(dir.filePath("no such folder")).empty());
}

TEST(LibraryWriter, RoundTripsTextsThumbnailsAndPictures)
{
    LibrarySource source;
    source.Texts = {"Velbrook", "contact", QString::fromUtf8("© 2024"), "Some pictures"};
    source.ThumbnailWidth = 60;
    source.ThumbnailHeight = 45;
    for (int k = 0; k < 3; ++k) {
        QImage picture(90 + 30 * k, 60 + 10 * k, QImage::Format_RGB32);
        picture.fill(QColor(40 * k, 200 - 50 * k, 90));
        source.Pictures.push_back({QString("Picture %1").arg(k),
                                   QString::fromUtf8("Beschreibung Nr. %1 – ä").arg(k), picture});
    }
    const PictureLibrary lib = PictureLibrary::FromBytes(EncodePictureLibrary(source));
    EXPECT_EQ(lib.Texts().Creator, "Velbrook");
    EXPECT_EQ(lib.Texts().Copyright, QString::fromUtf8("© 2024"));
    EXPECT_EQ(lib.ThumbnailWidth(), 60);
    EXPECT_EQ(lib.ThumbnailHeight(), 45);
    ASSERT_EQ(lib.Count(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(lib.Name(k), source.Pictures[size_t(k)].Name);
        EXPECT_EQ(lib.Description(k), source.Pictures[size_t(k)].Description);
        const auto thumbnail = lib.Thumbnail(k);
        EXPECT_EQ(thumbnail->Width(), 60);
        EXPECT_EQ(thumbnail->Height(), 45);
        const auto picture = lib.Picture(k);
        EXPECT_EQ(picture->Width(), 90 + 30 * k);
        EXPECT_EQ(picture->Height(), 60 + 10 * k);
        EXPECT_TRUE(Near(picture->Pixel(10, 10), MakeColour(40 * k, 200 - 50 * k, 90)));
    }
}

TEST(LibraryWriter, RefusesWhatTheFormatCannotHold)
{
    LibrarySource source;
    source.Texts.Information = QString(256, 'x');
    EXPECT_THROW(EncodePictureLibrary(source), LumoraError);
    source.Texts.Information = QString::fromUtf8("漢字");
    EXPECT_THROW(EncodePictureLibrary(source), LumoraError);
    source.Texts.Information.clear();
    source.Pictures.push_back({"Empty", "", QImage()});
    EXPECT_THROW(EncodePictureLibrary(source), LumoraError);
    source.Pictures.clear();
    source.ThumbnailWidth = 0;
    EXPECT_THROW(EncodePictureLibrary(source), LumoraError);
}

TEST(LibraryWriter, ThumbnailKeepsTheProportions)
{
    QImage wide(200, 50, QImage::Format_RGB32);
    wide.fill(Qt::black);
    const QImage thumbnail = MakeThumbnail(wide, 80, 60);
    EXPECT_EQ(thumbnail.size(), QSize(80, 60));
    EXPECT_EQ(QColor(thumbnail.pixel(40, 30)), QColor(Qt::black)); // the picture
    EXPECT_EQ(QColor(thumbnail.pixel(40, 2)), QColor(Qt::white));  // the ground above it
}

} // namespace
} // namespace lumora
