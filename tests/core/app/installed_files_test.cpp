// The language files and picture libraries the build installs, read back
// through the program's own readers, and the generators behind the
// libraries.
#include "app/language_file.h"
#include "app/language_manager.h"
#include "app/language_widgets.h"
#include "app/library_listing.h"
#include "app/picture_library.h"
#include "app_test_support.h"
#include "common/lumora_error.h"
#include "library_generators.h"
#include "rendering/lumo_pixelengine.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdlib>

namespace lumora {
namespace {

class NoWidgets : public LanguageWidgets
{
public:
    bool HasComponent(const QString&, const QString&) const override { return false; }
    void ApplyEntry(const QString&, const QString&, const QString&, const QString&) override {}
    void ShowDisclaimer(const QString&) override { ++Disclaimers; }
    int Disclaimers = 0;
};

const LanguageTable kTables[] = {LanguageTable::Objekt_Bezeichnung, LanguageTable::Message,
                                 LanguageTable::Anzeigen, LanguageTable::Bezeichnung3D,
                                 LanguageTable::AfBuBezeichnung};

TEST(InstalledLanguages, BothFilesAreListedAndOfficial)
{
    LanguageManager manager;
    NoWidgets widgets;
    manager.ScanLanguages(test::ShareDir() + "/languages", widgets);
    ASSERT_EQ(manager.DisplayNames(), (QStringList{"Deutsch", "English - default"}));
    for (const LanguageListEntry& e : manager.Entries()) {
        EXPECT_TRUE(e.Official) << e.DisplayName.toStdString();
        EXPECT_EQ(e.Version, "2.0.0");
        EXPECT_EQ(e.Author, "Velbrook");
        EXPECT_FALSE(e.Contact.isEmpty());
    }
    // First run: no stored language, the English default is chosen.
    EXPECT_EQ(manager.SelectedItem(), 1);
    EXPECT_EQ(manager.CurrentLanguageName(), "English - default");
    EXPECT_EQ(manager.Texts().DisplayText(u"Untitled"), "Untitled");
    EXPECT_EQ(manager.Texts().BackgroundName(), "Background");
    // Choosing German with the disclaimer check asks nothing: it is official.
    ASSERT_TRUE(manager.ChooseItem(0, widgets));
    EXPECT_EQ(widgets.Disclaimers, 0);
    EXPECT_EQ(manager.Texts().BackgroundName(), "Hintergrund");
    EXPECT_EQ(manager.Texts().MessageText(u"ChangedProject2"),
              QString::fromUtf8("Sollen die Änderungen gespeichert werden?"));
    EXPECT_EQ(manager.Texts().PrimitiveName(1), QString::fromUtf8("Würfel"));
    EXPECT_EQ(manager.Texts().DisplayText(u"Kachel"), "Kachel "); // the number follows
}

TEST(InstalledLanguages, EveryTableKeyHasAText)
{
    for (const char* file : {"Deutsch.l2l", "English.l2l"}) {
        SCOPED_TRACE(file);
        LanguageManager manager;
        NoWidgets widgets;
        ASSERT_TRUE(manager.ApplyLanguage(test::ShareDir() + "/languages/" + file, false, widgets));
        for (const LanguageTable table : kTables) {
            for (const QString& key : LanguageTableKeys(table))
                EXPECT_FALSE(manager.Texts().Text(table, key).isEmpty())
                    << LanguageTableName(table).toStdString() << "." << key.toStdString();
        }
        // That every window entry names an existing component is checked
        // against the real windows by the desktop program's tests.
    }
}

struct InstalledLibrary
{
    const char* Path;
    int MinPictures;
    int MinWidth;
};

TEST(InstalledLibraries, EveryLibraryReadsBackWithAllItsPictures)
{
    const InstalledLibrary libraries[] = {{"library/tiles/Lumora.llb", 12, 90},
                                          {"library/frames/Borders.llb", 5, 600},
                                          {"library/frames/Lights.llb", 5, 600},
                                          {"library/borders/Beach.llb", 4, 600}};
    for (const InstalledLibrary& l : libraries) {
        SCOPED_TRACE(l.Path);
        const QString path = test::ShareDir() + "/" + l.Path;
        ASSERT_TRUE(CheckLibVersion(path));
        const PictureLibrary lib = PictureLibrary::Open(path);
        EXPECT_FALSE(lib.Texts().Creator.isEmpty());
        EXPECT_FALSE(lib.Texts().Contact.isEmpty());
        EXPECT_FALSE(lib.Texts().Copyright.isEmpty());
        EXPECT_FALSE(lib.Texts().Information.isEmpty());
        ASSERT_GE(lib.Count(), l.MinPictures);
        for (int k = 0; k < lib.Count(); ++k) {
            EXPECT_FALSE(lib.Name(k).isEmpty());
            EXPECT_FALSE(lib.Description(k).isEmpty());
            const auto thumbnail = lib.Thumbnail(k);
            EXPECT_EQ(thumbnail->Width(), lib.ThumbnailWidth());
            EXPECT_EQ(thumbnail->Height(), lib.ThumbnailHeight());
            const auto picture = lib.Picture(k);
            EXPECT_GE(picture->Width(), l.MinWidth) << lib.Name(k).toStdString();
        }
    }
    // Each folder lists its libraries.
    EXPECT_EQ(GetLibs(test::ShareDir() + "/library/frames").size(), 2u);
    EXPECT_EQ(GetLibs(test::ShareDir() + "/library/tiles").front().Name, "Lumora");
    EXPECT_EQ(GetLibs(test::ShareDir() + "/library/borders").front().Name, "Beach");
}

int Spread(Colour c)
{
    return std::max({RedOf(c), GreenOf(c), BlueOf(c)}) -
           std::min({RedOf(c), GreenOf(c), BlueOf(c)});
}

int Level(Colour c)
{
    return (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3;
}

// Grey everywhere, with both a clearly open and a clearly covered part.
void ExpectGreyMask(const TPixelEngine& mask)
{
    int darkest = 255;
    int brightest = 0;
    for (int y = 0; y < mask.Height(); y += 7) {
        for (int x = 0; x < mask.Width(); x += 7) {
            ASSERT_LE(Spread(mask.Pixel(x, y)), 6) << x << "," << y;
            darkest = std::min(darkest, Level(mask.Pixel(x, y)));
            brightest = std::max(brightest, Level(mask.Pixel(x, y)));
        }
    }
    EXPECT_LE(darkest, 20);
    EXPECT_GE(brightest, 240);
}

TEST(InstalledLibraries, FramesAreGreyMasksOpenInTheMiddle)
{
    const PictureLibrary frames =
        PictureLibrary::Open(test::ShareDir() + "/library/frames/Borders.llb");
    for (int k = 0; k < frames.Count(); ++k) {
        SCOPED_TRACE(frames.Name(k).toStdString());
        const auto mask = frames.Picture(k);
        const int w = mask->Width();
        const int h = mask->Height();
        ExpectGreyMask(*mask);
        EXPECT_GE(Level(mask->Pixel(w / 2 - 60, h / 2 - 60)), 235); // the stereogram shows
        for (const auto& [x, y] : {std::pair{1, 1}, {w - 2, 1}, {1, h - 2}, {w - 2, h - 2}})
            EXPECT_LE(Level(mask->Pixel(x, y)), 20) << x << "," << y; // the frame colour
    }
    const PictureLibrary lights =
        PictureLibrary::Open(test::ShareDir() + "/library/frames/Lights.llb");
    for (int k = 0; k < lights.Count(); ++k) {
        SCOPED_TRACE(lights.Name(k).toStdString());
        ExpectGreyMask(*lights.Picture(k));
    }
}

TEST(InstalledLibraries, BeachBordersSurroundABlackKey)
{
    const PictureLibrary lib =
        PictureLibrary::Open(test::ShareDir() + "/library/borders/Beach.llb");
    for (int k = 0; k < lib.Count(); ++k) {
        SCOPED_TRACE(lib.Name(k).toStdString());
        const auto picture = lib.Picture(k);
        const int w = picture->Width();
        const int h = picture->Height();
        for (int y = h / 4; y < 3 * h / 4; y += 9)
            for (int x = w / 4; x < 3 * w / 4; x += 11)
                ASSERT_LE(std::max({RedOf(picture->Pixel(x, y)), GreenOf(picture->Pixel(x, y)),
                                    BlueOf(picture->Pixel(x, y))}),
                          8)
                    << x << "," << y;
        // The border itself stays clear of the key colour.
        for (const auto& [x, y] : {std::pair{4, 4}, {w - 5, 4}, {4, h - 5}, {w / 2, 6}})
            EXPECT_GE(Level(picture->Pixel(x, y)), 40) << x << "," << y;
    }
}

// Mean colour difference between two columns of a picture.
double ColumnDifference(const QImage& image, int a, int b)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(a, y);
        const QRgb q = image.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / image.height();
}

QImage Transposed(const QImage& image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

TEST(LibraryGenerators, TilesJoinTheirOwnEdges)
{
    // The seam between the last and the first column (and row) is no
    // stronger than the step between neighbours inside the picture.
    const char* tiles[] = {"colour-noise",  "clouds",     "marble-white", "marble-green",
                           "wood-light",    "wood-dark",  "stripes-wavy", "leaves-green",
                           "leaves-autumn", "camouflage", "bricks",       "stripes-diagonal"};
    for (const char* name : tiles) {
        SCOPED_TRACE(name);
        const QImage tile = GenerateLibraryPicture(name, 120, 90, 7);
        for (const QImage& image : {tile, Transposed(tile)}) {
            const int w = image.width();
            double inside = 0;
            for (int x = 0; x + 1 < w; ++x)
                inside = std::max(inside, ColumnDifference(image, x, x + 1));
            EXPECT_LE(ColumnDifference(image, w - 1, 0), 1.1 * inside + 2.0);
        }
    }
}

TEST(LibraryGenerators, SameSeedSamePicture)
{
    for (const QString& name : LibraryGeneratorNames()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(GenerateLibraryPicture(name, 64, 48, 3), GenerateLibraryPicture(name, 64, 48, 3));
    }
    EXPECT_NE(GenerateLibraryPicture("randomdots", 30, 30, 1),
              GenerateLibraryPicture("randomdots", 30, 30, 2));
    EXPECT_THROW(GenerateLibraryPicture("no-such", 10, 10, 1), LumoraError);
    EXPECT_THROW(GenerateLibraryPicture("sand", 0, 10, 1), LumoraError);
}

} // namespace
} // namespace lumora
