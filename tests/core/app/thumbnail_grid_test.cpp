// The library window's geometry and its model: the thumbnail grid, hits,
// the preview fitting, selection, picking and importing.
#include "app/library_browser.h"
#include "app/thumbnail_grid.h"
#include "app_test_support.h"
#include "common/lumora_error.h"
#include "library_writer.h"
#include "rendering/lumo_pixelengine.h"

#include <QTemporaryDir>

namespace lumora {
namespace {

TEST(ThumbnailGrid, FourColumnsAtThreeHundredPixels)
{
    const ThumbnailGrid grid{300};
    EXPECT_EQ(grid.Columns(), 4);
    EXPECT_EQ(grid.Position(0), (GridPoint{10, 10}));
    EXPECT_EQ(grid.Position(3), (GridPoint{220, 10}));
    EXPECT_EQ(grid.Position(5), (GridPoint{80, 80}));
    EXPECT_EQ(grid.Height(0), 80);
    EXPECT_EQ(grid.Height(5), 150);
    EXPECT_EQ(grid.Height(8), 220); // a full last row still adds one
}

TEST(ThumbnailGrid, ClicksPickTheCellUnderThem)
{
    const ThumbnailGrid grid{300, 80, 60};
    EXPECT_EQ(grid.Columns(), 3);
    const struct
    {
        int X, Y, Count, Index;
    } cases[] = {
        {0, 0, 10, 0},    {89, 69, 10, 0},  {90, 0, 10, 1},    {180, 70, 10, 5},
        {95, 145, 10, 7}, {95, 145, 7, -1}, {275, 10, 10, -1}, // right of the last column
        {-1, 5, 10, -1},  {5, -1, 10, -1},  {10, 10, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid.IndexAt(c.X, c.Y, c.Count), c.Index) << c.X << "," << c.Y;
}

TEST(ThumbnailGrid, NarrowGridKeepsOneColumn)
{
    const ThumbnailGrid grid{50};
    EXPECT_EQ(grid.Columns(), 1);
    EXPECT_EQ(grid.Position(2), (GridPoint{10, 150}));
    EXPECT_EQ(grid.IndexAt(20, 150, 3), 2);
}

TEST(ThumbnailGrid, FrameColours)
{
    EXPECT_EQ(kSelectedThumbnailFrame, MakeColour(0xFA, 0xA0, 0x28)); // orange
    EXPECT_EQ(kThumbnailFrame, MakeColour(0x3C, 0x64, 0xA0));         // blue
}

TEST(FitPreview, KeepsTheAspectAndCentres)
{
    const struct
    {
        int BoxW, BoxH, PicW, PicH;
        IntRect Expected;
    } cases[] = {
        {200, 200, 100, 200, {50, 0, 100, 200}}, // narrower than tall: height fills
        {200, 200, 300, 100, {0, 66, 200, 67}},  // 66.67 rounds to 67
        {200, 200, 50, 50, {0, 0, 200, 200}},    // square fills the box
        {200, 150, 90, 100, {32, 0, 135, 150}},
        {201, 100, 1, 2, {75, 0, 50, 100}},      // centred at (201 - 50) div 2
        {300, 200, 5, 2, {0, 40, 300, 120}},     // wide: width fills
        {200, 100, 110, 100, {45, 0, 110, 100}}, // width filling would overflow the height
        {100, 200, 100, 110, {0, 45, 100, 110}}, // height filling would overflow the width
        {100, 200, 0, 10, {}},
        {0, 200, 10, 10, {}},
    };
    for (const auto& c : cases) {
        const IntRect r = FitPreview(c.BoxW, c.BoxH, c.PicW, c.PicH);
        EXPECT_EQ(r, c.Expected) << c.BoxW << "x" << c.BoxH << " " << c.PicW << "x" << c.PicH
                                 << " got " << r.Left << "," << r.Top << " " << r.Width << "x"
                                 << r.Height;
        EXPECT_LE(r.Width, c.BoxW);
        EXPECT_LE(r.Height, c.BoxH);
    }
    // Halves round to even: 2.5 becomes 2, 3.5 becomes 4.
    EXPECT_EQ(FitPreview(5, 5, 10, 5).Height, 2);
    EXPECT_EQ(FitPreview(7, 7, 2, 1).Height, 4);
}

class LibraryBrowserTest : public ::testing::Test
{
protected:
    static QImage Picture(int w, int h, QColor colour)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QString WriteLibrary(const QString& name, int pictures, int thumbnailSide = 50)
    {
        LibrarySource source;
        source.Texts = {"Maker of " + name, "contact", "rights", "info"};
        source.ThumbnailWidth = thumbnailSide;
        source.ThumbnailHeight = thumbnailSide;
        for (int k = 0; k < pictures; ++k)
            source.Pictures.push_back({QString("%1 %2").arg(name).arg(k), "about it",
                                       Picture(20 + k, 10 + k, QColor(10 * k, 100, 200))});
        const QString path = dir_.filePath(name + ".llb");
        test::WriteFile(path, EncodePictureLibrary(source));
        return path;
    }

    QTemporaryDir dir_;
    LibraryBrowser browser_;
};

TEST_F(LibraryBrowserTest, FolderWithoutLibrariesShowsNothing)
{
    test::WriteFile(dir_.filePath("x.llb"), "not a library");
    EXPECT_FALSE(browser_.ShowFolder(dir_.path()));
    EXPECT_EQ(browser_.Library(), nullptr);
    EXPECT_EQ(browser_.Grid(300).ThumbnailWidth, 60);
}

TEST_F(LibraryBrowserTest, OpensTheFirstLibraryAndItsFirstPicture)
{
    WriteLibrary("Beta", 2, 40);
    WriteLibrary("Alpha", 6);
    ASSERT_TRUE(browser_.ShowFolder(dir_.path()));
    ASSERT_EQ(browser_.Libraries().size(), 2u);
    EXPECT_EQ(browser_.SelectedLibrary(), 0);
    ASSERT_NE(browser_.Library(), nullptr);
    EXPECT_EQ(browser_.Library()->Texts().Creator, "Maker of Alpha");
    EXPECT_EQ(browser_.Thumbnails().size(), 6u);
    EXPECT_EQ(browser_.SelectedImage(), 0);
    EXPECT_EQ(browser_.ImageName(), "Alpha 0");
    EXPECT_EQ(browser_.ImageDescription(), "about it");
    ASSERT_NE(browser_.Picture(), nullptr);
    EXPECT_EQ(browser_.Picture()->Width(), 20);

    const ThumbnailGrid grid = browser_.Grid(300);
    EXPECT_EQ(grid.Columns(), 5);
    browser_.ClickGrid(grid.Position(5).X, grid.Position(5).Y, 300);
    EXPECT_EQ(browser_.SelectedImage(), 5);
    EXPECT_EQ(browser_.ImageName(), "Alpha 5");
    // Beyond the last picture: the selection stays and is read again.
    browser_.ClickGrid(200, 70, 300);
    EXPECT_EQ(browser_.SelectedImage(), 5);
    EXPECT_EQ(browser_.ImageName(), "Alpha 5");

    const auto picked = browser_.PickedPicture();
    ASSERT_EQ(picked->Width(), 25);
    EXPECT_EQ(picked->Height(), 15);
    EXPECT_EQ(picked->Pixel(3, 3), browser_.Picture()->Pixel(3, 3));
    EXPECT_EQ(browser_.PreviewRect(100, 100), (IntRect{0, 20, 100, 60}));

    browser_.SelectLib(1);
    EXPECT_EQ(browser_.SelectedImage(), 0);
    EXPECT_EQ(browser_.ImageName(), "Beta 0");
    EXPECT_EQ(browser_.Grid(300).ThumbnailWidth, 40);
}

TEST_F(LibraryBrowserTest, LibraryWithoutPicturesPicksTheEmptyPicture)
{
    WriteLibrary("Empty", 0);
    ASSERT_TRUE(browser_.ShowFolder(dir_.path()));
    EXPECT_TRUE(browser_.Thumbnails().empty());
    EXPECT_EQ(browser_.Picture(), nullptr);
    EXPECT_TRUE(browser_.ImageName().isEmpty());
    browser_.ClickGrid(15, 15, 300);
    const auto picked = browser_.PickedPicture();
    EXPECT_EQ(picked->Width(), 0);
    EXPECT_EQ(picked->Height(), 0);
    EXPECT_EQ(browser_.PreviewRect(100, 100), IntRect{});
}

TEST_F(LibraryBrowserTest, DamagedLibraryIsReportedAndLeftClosed)
{
    WriteLibrary("Good", 2);
    QByteArray damaged = test::ReadFile(WriteLibrary("Damaged", 2));
    ASSERT_GT(damaged.size(), 4000);
    damaged.truncate(4000); // the last blocks are cut off
    test::WriteFile(dir_.filePath("Damaged.llb"), damaged);
    ASSERT_THROW(browser_.ShowFolder(dir_.path()), LumoraError);
    EXPECT_EQ(browser_.Library(), nullptr);
    EXPECT_EQ(browser_.SelectedLibrary(), -1);
    EXPECT_TRUE(browser_.Thumbnails().empty());
    browser_.SelectLib(1);
    EXPECT_EQ(browser_.ImageName(), "Good 0");
}

TEST_F(LibraryBrowserTest, ImportAsksBeforeReplacing)
{
    WriteLibrary("Tiles", 1);
    ASSERT_TRUE(browser_.ShowFolder(dir_.path()));
    QTemporaryDir other;
    LibrarySource source;
    source.Texts.Creator = "Newcomer";
    source.Pictures.push_back({"New", "", Picture(30, 30, Qt::red)});
    const QString replacement = other.filePath("Tiles.llb");
    test::WriteFile(replacement, EncodePictureLibrary(source));

    int asked = 0;
    EXPECT_EQ(browser_.ImportLibrary(replacement,
                                     [&](const QString&) {
                                         ++asked;
                                         return false;
                                     }),
              ImportResult::Declined);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(PictureLibrary::Open(dir_.filePath("Tiles.llb")).Texts().Creator, "Maker of Tiles");
    EXPECT_EQ(browser_.ImportLibrary(replacement, [](const QString&) { return true; }),
              ImportResult::Copied);
    EXPECT_EQ(browser_.Library()->Texts().Creator, "Newcomer");
    EXPECT_EQ(browser_.ImageName(), "New");
}

TEST_F(LibraryBrowserTest, DamagedOrForeignFileIsRefusedBeforeAnythingIsReplaced)
{
    WriteLibrary("Tiles", 1);
    ASSERT_TRUE(browser_.ShowFolder(dir_.path()));
    const QByteArray installed = test::ReadFile(dir_.filePath("Tiles.llb"));
    QTemporaryDir other;
    QByteArray cut = installed;
    cut.truncate(1500); // the index points past the end
    QByteArray version = installed;
    version[PictureLibrary::kVersionOffset] = 2;
    const std::pair<const char*, QByteArray> refused[] = {
        {"a project file", QByteArray("LMAR2_PF_2003 and more bytes")},
        {"a cut library", cut},
        {"another version", version},
        {"an empty file", QByteArray()},
    };
    for (const auto& [what, bytes] : refused) {
        const QString source = other.filePath("Tiles.llb");
        test::WriteFile(source, bytes);
        int asked = 0;
        try {
            browser_.ImportLibrary(source, [&](const QString&) {
                ++asked;
                return true;
            });
            ADD_FAILURE() << what << " was imported";
        } catch (const LumoraError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith("The file Tiles.llb cannot be "
                                                               "imported."))
                << e.what();
        }
        EXPECT_EQ(asked, 0) << what;
        EXPECT_EQ(test::ReadFile(dir_.filePath("Tiles.llb")), installed) << what;
        EXPECT_EQ(browser_.ImageName(), "Tiles 0") << what;
    }
}

} // namespace
} // namespace lumora
