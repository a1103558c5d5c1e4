// The image tile: band heights with kept proportions, stretching, the
// dialog's preview rectangle, and picture files.
#include "tile_test_support.h"

#include "common/lumora_error.h"
#include "common/random_generator.h"
#include "stream/project_stream_writer.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_image.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumora {
namespace {

constexpr Colour kTopLeft = MakeColour(255, 0, 0);
constexpr Colour kTopRight = MakeColour(0, 0, 255);
constexpr Colour kBottomLeft = MakeColour(255, 255, 0);
constexpr Colour kBottomRight = MakeColour(0, 255, 255);

// A picture of four coloured quarters.
std::unique_ptr<TPixelEngine> Quarters(int w, int h)
{
    auto p = std::make_unique<TPixelEngine>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p->SetPixel(x, y,
                        y < h / 2 ? (x < w / 2 ? kTopLeft : kTopRight)
                                  : (x < w / 2 ? kBottomLeft : kBottomRight));
    return p;
}

TEST(ImageTile, KeptProportionsFollowTheTileWidth)
{
    Tile_tm_Image t(Quarters(200, 100), true, 90);
    EXPECT_EQ(t.Kind, 3);
    EXPECT_EQ(t.BandHeight, 45);
    t.SetTileWidth(120);
    EXPECT_EQ(t.BandHeight, 60);
    EXPECT_EQ(t.DialogBandHeight(90, 300), 45);
}

TEST(ImageTile, WithoutProportionsTheBandHasItsOwnHeight)
{
    Tile_tm_Image t(Quarters(200, 100), false, 90);
    EXPECT_EQ(t.BandHeight, 100); // the picture's height, as "Höhe:" shows it
    t.BandHeight = 300;
    t.SetTileWidth(120);
    EXPECT_EQ(t.BandHeight, 300);
    EXPECT_EQ(t.DialogBandHeight(90, 300), 300);
}

TEST(ImageTile, ThePictureIsStretchedToTheWholeBand)
{
    Tile_tm_Image t(Quarters(200, 100), false, 90);
    t.BandHeight = 300;
    TPixelEngine band(90, 300);
    RandomGenerator generator;
    TileRandomSource random(generator);
    t.Generate(band, random);
    const struct
    {
        int x, y;
        Colour c;
    } cases[] = {{0, 0, kTopLeft},        {44, 149, kTopLeft},    {45, 0, kTopRight},
                 {89, 149, kTopRight},    {0, 150, kBottomLeft},  {44, 299, kBottomLeft},
                 {45, 150, kBottomRight}, {89, 299, kBottomRight}};
    for (const auto& c : cases)
        EXPECT_EQ(band.Pixel(c.x, c.y), c.c) << c.x << ", " << c.y;
}

TEST(ImageTile, ProportionalHeightsStayWithinTheBandLimits)
{
    const struct
    {
        int w, h, tileWidth, band;
    } cases[] = {{200, 100, 90, 45},
                 {3, 2, 1, 1},
                 {1000, 1, 90, 1},
                 {1, 2000, 65535, 100000},
                 {90, 91, 90, 91}};
    for (const auto& c : cases) {
        const Tile_tm_Image t(std::make_unique<TPixelEngine>(c.w, c.h), true, c.tileWidth);
        EXPECT_EQ(t.ProportionalBandHeight(c.tileWidth), c.band) << c.w << " x " << c.h;
    }
    EXPECT_EQ(Tile_tm_Image().ProportionalBandHeight(90), 0);
}

TEST(ImageTile, PreviewFitsThePictureCentred)
{
    const Tile_tm_Image t(Quarters(200, 100), true, 90);
    EXPECT_EQ(t.PreviewRect(100, 100), QRect(0, 25, 100, 50));
    EXPECT_EQ(t.PreviewRect(300, 60), QRect(90, 0, 120, 60));
    EXPECT_EQ(t.PreviewRect(400, 200), QRect(0, 0, 400, 200));
    EXPECT_TRUE(Tile_tm_Image().PreviewRect(100, 100).isEmpty());
}

TEST(ImageTile, WithoutAPictureTheBandIsBlackAndCannotBeSaved)
{
    Tile_tm_Image t(40);
    TPixelEngine band(10, 40);
    band.FillColour(MakeColour(5, 5, 5));
    RandomGenerator generator;
    TileRandomSource random(generator);
    t.Generate(band, random);
    EXPECT_EQ(band.Pixel(3, 3), 0u);
    ProjectStreamWriter writer;
    EXPECT_THROW(t.SaveToStream(writer, 80), LumoraError);
}

TEST(ImageTile, DuplicateCopiesThePicture)
{
    Tile_tm_Image t(Quarters(20, 10), false, 90);
    t.FxMirrorV = 1;
    const std::unique_ptr<Tile_tm> copy = t.Clone();
    t.Picture->FillColour(0);
    const auto& image = static_cast<const Tile_tm_Image&>(*copy);
    EXPECT_EQ(image.Picture->Pixel(0, 0), kTopLeft);
    EXPECT_EQ(image.FxMirrorV, 1);
    EXPECT_EQ(image.KeepProportions, 0);
}

TEST(ImageTile, PictureFilesAreReadByTheirExtension)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(30, 20, QImage::Format_RGB888);
    picture.fill(QColor(10, 200, 30));
    const QString bmp = dir.filePath("tile.BMP");
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    const auto loaded = LoadTilePicture(bmp);
    ASSERT_EQ(loaded->Width(), 30);
    ASSERT_EQ(loaded->Height(), 20);
    EXPECT_EQ(loaded->Pixel(5, 5), MakeColour(10, 200, 30));

    const QString unknown = dir.filePath("tile.xyz");
    ASSERT_TRUE(picture.save(unknown, "BMP"));
    EXPECT_THROW(LoadTilePicture(unknown), LumoraError);
    EXPECT_THROW(LoadTilePicture(dir.filePath("missing.bmp")), LumoraError);
}

} // namespace
} // namespace lumora
