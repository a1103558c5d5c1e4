// The image object (kind 12): resampling, tone map, crop margins, the
// finishing steps, its record, and what its dialog computes (presets, the
// tone curve, the crop rectangle, grey pictures from files).
#include "common/lumora_error.h"
#include "depthmap/depth_objects.h"
#include "depthmap/grey_picture_file.h"
#include "depthmap/image_crop.h"
#include "depthmap/tone_map.h"
#include "depthmap/tool_dm_image.h"
#include "imageio/picture_file.h"
#include "picture_test_support.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumora {
namespace {

using testing_support::SamePicture;

// Column x of every row holds x mod 256 plus the row times offsetPerRow.
std::unique_ptr<TPixelEngine256> Ramp(int w, int h, int offsetPerRow = 0)
{
    auto p = std::make_unique<TPixelEngine256>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p->SetPixel(x, y, static_cast<uint8_t>((x + y * offsetPerRow) & 0xFF));
    return p;
}

std::unique_ptr<Tool_dm_Image> Image(int w, int h, const TPixelEngine256& source,
                                     const CropMargins& crop = {},
                                     const ToneMapTable& map = IdentityToneMap())
{
    auto image = std::make_unique<Tool_dm_Image>(1, 0, 0, w, h, &source);
    image->ToneMap = map;
    image->SetMargins(crop);
    image->SetSize(w, h, true);
    return image;
}

TEST(Kind12, ConstructorCopiesTheSourceAndBuildsNoPicture)
{
    const auto source = Ramp(30, 20);
    Tool_dm_Image image(3, 1, 2, 60, 40, source.get());
    EXPECT_TRUE(SamePicture(*image.Source, *source));
    EXPECT_NE(image.Source.get(), source.get());
    EXPECT_EQ(image.Picture->Width(), 0);
    EXPECT_EQ(image.ToneMap, IdentityToneMap());
    EXPECT_TRUE(image.Margins().IsZero());
    EXPECT_TRUE(image.CanInvert && image.CanMirrorH && image.CanMirrorV && !image.HasDepth);
    Tool_dm_Image none;
    EXPECT_EQ(none.Source->Width(), 0);
}

TEST(Kind12, DoublingRepeatsEveryColumn)
{
    const auto source = Ramp(100, 100, 1);
    const auto image = Image(200, 100, *source);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(image->Picture->Pixel(x, y), source->Pixel(x / 2, y)) << x << "," << y;
}

TEST(Kind12, HalvingDropsEveryOtherRow)
{
    const auto source = Ramp(50, 100, 1);
    const auto image = Image(50, 50, *source);
    for (int y = 0; y < 50; ++y)
        ASSERT_EQ(image->Picture->Pixel(7, y), source->Pixel(7, 2 * y + 1)) << y;
}

TEST(Kind12, CropKeepsTheMiddleAndStretchesItBack)
{
    const auto source = Ramp(200, 100);
    CropMargins crop;
    crop.Left = 0.25;
    crop.Right = 0.25;
    const auto image = Image(200, 100, *source, crop);
    for (int x = 0; x < 200; ++x)
        ASSERT_EQ(image->Picture->Pixel(x, 40), 50 + x / 2) << x;

    // All four margins: rows 20..79 and columns 40..159 of 200 x 100 kept.
    const auto both = Ramp(200, 100, 1);
    const auto cropped = Image(200, 100, *both, CropMargins{0.2, 0.2, 0.2, 0.2});
    for (int y = 0; y < 100; y += 7)
        for (int x = 0; x < 200; x += 3) {
            const int sx = 40 + (2 * x + 1) * 120 / 400;
            const int sy = 20 + (2 * y + 1) * 60 / 200;
            ASSERT_EQ(cropped->Picture->Pixel(x, y), both->Pixel(sx, sy)) << x << "," << y;
        }
}

// Damaged margins (out of range, not a number) are held to 0..1.
TEST(Kind12, DamagedMarginsStayInsideThePicture)
{
    const auto source = Ramp(40, 30);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CropMargins damaged[] = {
        {nan, nan, nan, nan}, {-3, 1e300, 0.5, 0.7}, {1, 1, 1, 1}, {0, 0, 0.6, 0.6}};
    for (const CropMargins& m : damaged) {
        const auto image = Image(40, 30, *source, m);
        EXPECT_EQ(image->Picture->Width(), 40);
        EXPECT_EQ(image->Picture->Height(), 30);
    }
    EXPECT_TRUE(SamePicture(*Image(40, 30, *source, damaged[0])->Picture,
                            *Image(40, 30, *source)->Picture));
}

TEST(Kind12, ToneMapInvertAndMirrors)
{
    const auto source = Ramp(64, 32, 2);
    const ToneMapTable inverse = ToneMapFromPreset(ToneMapPreset::Inverse);
    const auto mapped = Image(64, 32, *source, {}, inverse);
    EXPECT_EQ(mapped->Picture->Pixel(10, 3), 255 - (10 + 6));

    // Invert gives 255 - ToneMap[v]: with the inverse preset the source
    // greys come back.
    auto inverted = Image(64, 32, *source, {}, inverse);
    inverted->SetFlags(true, false, false, true);
    EXPECT_TRUE(SamePicture(*inverted->Picture, *source));

    auto mirrored = Image(64, 32, *source);
    mirrored->SetFlags(false, true, true, true);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(mirrored->Picture->Pixel(x, y), source->Pixel(63 - x, 31 - y));
}

// The mirrors apply to the kept part: the crop names the part of the
// unmirrored picture.
TEST(Kind12, MirrorsFollowTheCrop)
{
    const auto source = Ramp(200, 10);
    CropMargins crop;
    crop.Left = 0.5;
    auto image = Image(200, 10, *source, crop);
    image->SetFlags(false, true, false, true);
    EXPECT_EQ(image->Picture->Pixel(0, 0), 199);
    EXPECT_EQ(image->Picture->Pixel(199, 0), 100);
}

TEST(Kind12, DrawsOpaquelyAndRendersAtTheRenderSize)
{
    const auto source = Ramp(10, 10, 3);
    auto image = Image(20, 20, *source);
    image->Left = 5;
    image->Top = 5;
    auto target = testing_support::Filled(100, 100, 99);
    image->Render(*target, 10, 10, 40, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(target->Pixel(10 + x, 10 + y), source->Pixel(x / 4, y / 4));
    EXPECT_EQ(target->Pixel(9, 10), 99);
    EXPECT_EQ(image->Picture->Width(), 20);
    auto drawn = testing_support::Filled(40, 40, 99);
    image->Draw(*drawn);
    EXPECT_EQ(drawn->Pixel(5, 5), 0); // black pixels are copied too
    EXPECT_EQ(drawn->Pixel(4, 5), 99);
}

TEST(Kind12, AnEmptySourceGivesThePictureOfToneMapZero)
{
    Tool_dm_Image image(1, 0, 0, 30, 20);
    image.ToneMap[0] = 140;
    image.SetSize(30, 20, true);
    EXPECT_EQ(testing_support::DistinctValues(*image.Picture), std::set<uint8_t>{140});
}

TEST(Kind12, RecordKeepsSourceLosslesslyAndMarginsExactly)
{
    auto source = Ramp(37, 23, 11);
    source->SetPixel(0, 0, 255);
    ToneMapTable map = ToneMapFromPreset(ToneMapPreset::SCurve);
    map[17] = 3;
    const CropMargins crop{0.1, 1.0 / 3.0, 0.2500000001, 0.0};
    auto image = Image(80, 50, *source, crop, map);
    image->SetFlags(true, false, true, true);
    image->Name = QStringLiteral("Bild");

    ProjectStreamWriter w;
    image->SaveToStream(w);
    const auto back = testing_support::WrittenAndReadBack(*image);
    ASSERT_NE(back, nullptr);
    const auto& read = dynamic_cast<const Tool_dm_Image&>(*back);
    EXPECT_TRUE(SamePicture(*read.Source, *source));
    EXPECT_EQ(read.ToneMap, map);
    EXPECT_EQ(read.Margins(), crop);
    EXPECT_TRUE(SamePicture(*read.Picture, *image->Picture));
    EXPECT_EQ(read.Name, QStringLiteral("Bild"));

    // After the base part: the PNG block, 256 tone bytes, four doubles.
    ProjectStreamReader r(w.Data());
    Tool_dm base(Tool_dm_Image::KindCode, 0);
    base.LoadBase(r);
    const auto block = r.ReadPngBlock();
    EXPECT_EQ(block->Width(), 37);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(r.ReadByte(), map[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(r.ReadFloat64(), 0.1);
    EXPECT_EQ(r.ReadFloat64(), 1.0 / 3.0);
    EXPECT_EQ(r.ReadFloat64(), 0.2500000001);
    EXPECT_EQ(r.ReadFloat64(), 0.0);
    EXPECT_TRUE(r.AtEnd());
}

TEST(Kind12, AnObjectWithoutSourceIsSavedAndReadBack)
{
    Tool_dm_Image image(1, 0, 0, 30, 20);
    image.SetSize(30, 20, true);
    const auto back = testing_support::WrittenAndReadBack(image);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(dynamic_cast<const Tool_dm_Image&>(*back).Source->Width(), 0);
}

TEST(Kind12, DamagedRecordsFail)
{
    const auto source = Ramp(8, 8);
    const auto image = Image(16, 16, *source);
    ProjectStreamWriter w;
    image->SaveToStream(w);
    const auto& full = w.Data();
    DepthKindRegistry registry;
    RegisterDepthmapKinds(registry);
    for (size_t cut = 0; cut < full.size(); cut += 5) {
        const std::vector<uint8_t> data(full.begin(), full.begin() + static_cast<long>(cut));
        ProjectStreamReader r(data);
        EXPECT_THROW(registry.Read(Tool_dm_Image::KindCode, r), LumoraError) << cut;
    }
    // A size no picture may have is refused before anything is allocated.
    Tool_dm_Image huge(1, 0, 0, 50000, 50000, source.get());
    ProjectStreamWriter hw;
    huge.SaveToStream(hw);
    ProjectStreamReader hr(hw.Data());
    EXPECT_THROW(registry.Read(Tool_dm_Image::KindCode, hr), LumoraError);
}

TEST(Kind12, CloneCopiesTheSourceAndBuildsItsOwnPicture)
{
    const auto source = Ramp(20, 10, 5);
    const auto image = Image(40, 20, *source, CropMargins{0, 0, 0.1, 0});
    const auto copy = image->Clone(8);
    auto& c = dynamic_cast<Tool_dm_Image&>(*copy);
    EXPECT_EQ(c.Id, 8);
    EXPECT_NE(c.Source.get(), image->Source.get());
    EXPECT_TRUE(SamePicture(*c.Source, *image->Source));
    EXPECT_TRUE(SamePicture(*c.Picture, *image->Picture));
    EXPECT_EQ(c.Margins(), image->Margins());
    c.Source->SetPixel(0, 0, 200);
    EXPECT_EQ(image->Source->Pixel(0, 0), 0);
}

TEST(Kind12, TheDialogsCreationAppendsABuiltObject)
{
    DepthObjects objects;
    objects.LastObjectId = 4;
    const auto source = Ramp(10, 10);
    Tool_dm_Image& image = AppendImageObject(objects, IntRect{5, 6, 20, 30}, *source,
                                             IdentityToneMap(), CropMargins{});
    ASSERT_EQ(objects.Count(), 1);
    EXPECT_EQ(objects.At(0), &image);
    EXPECT_EQ(image.Id, 5);
    EXPECT_EQ(objects.LastObjectId, 5);
    EXPECT_EQ(image.Name, QStringLiteral("Bild"));
    EXPECT_EQ(image.Picture->Width(), 20);
    EXPECT_EQ(image.Picture->Height(), 30);
}

// ---- tone map presets and curve -------------------------------------------

TEST(ToneMap, Presets)
{
    const ToneMapTable identity = ToneMapFromPreset(0);
    const ToneMapTable inverse = ToneMapFromPreset(1);
    const ToneMapTable s = ToneMapFromPreset(2);
    const ToneMapTable sReversed = ToneMapFromPreset(3);
    const ToneMapTable compression = ToneMapFromPreset(4);
    const ToneMapTable compressionReversed = ToneMapFromPreset(5);
    for (int i = 0; i < 256; ++i) {
        const auto at = static_cast<size_t>(i);
        ASSERT_EQ(identity[at], i);
        ASSERT_EQ(inverse[at], 255 - i);
        const double curve = (std::sin((i / 255.0 * 175 + 270) * M_PI / 180) + 1) * 90;
        ASSERT_EQ(s[at], std::nearbyint(curve) + 30) << i;
        ASSERT_EQ(sReversed[255 - at], s[at]) << i;
        ASSERT_EQ(compressionReversed[255 - at], compression[at]) << i;
    }
    EXPECT_EQ(s[0], 30);
    EXPECT_EQ(s[255], 210);
    EXPECT_EQ(compression[180], 180);
    EXPECT_EQ(compression[181], 181);
    EXPECT_EQ(compression[184], 182);
    EXPECT_EQ(compression[255], 206); // Round(74 / 3 + 181)
    EXPECT_EQ(ToneMapFromPreset(6), identity);
    EXPECT_EQ(ToneMapFromPreset(-1), identity);
}

TEST(ToneMap, CurveDragInterpolatesBetweenPointerPositions)
{
    ToneMapTable map = IdentityToneMap();
    ToneCurveDrag drag(map);
    drag.Press(QPoint(10, 200));
    EXPECT_EQ(map[10], 55);
    EXPECT_EQ(map[11], 11);
    drag.Move(QPoint(20, 100)); // 55 .. 155 over 10 entries
    for (int x = 10; x <= 20; ++x)
        EXPECT_EQ(map[static_cast<size_t>(x)], 55 + 10 * (x - 10)) << x;
    drag.Move(QPoint(16, 255)); // back to the left: 155 at 20 down to 0 at 16
    EXPECT_EQ(map[16], 0);
    EXPECT_EQ(map[18], 78); // 0 + MulDiv(2, 155, 4) = 77.5, halves away from zero
    EXPECT_EQ(map[20], 155);
    drag.Move(QPoint(400, -30)); // clamped to (255, 0)
    EXPECT_EQ(map[255], 255);
    EXPECT_EQ(map[16], 0);
    drag.Release();
    drag.Move(QPoint(0, 0)); // not dragging: nothing
    EXPECT_EQ(map[0], 0);
    EXPECT_EQ(map[1], 1);
}

// ---- crop rectangle from a drag ------------------------------------------

TEST(ImageCrop, DragInAnyDirectionGivesTheMargins)
{
    const Box shown{10, 20, 210, 120}; // 200 x 100 on the screen
    const CropMargins expected{0.25, 0.25, 0.25, 0.25};
    EXPECT_EQ(CropFromDrag(QPoint(60, 45), QPoint(160, 95), shown), expected);
    EXPECT_EQ(CropFromDrag(QPoint(160, 95), QPoint(60, 45), shown), expected);
    EXPECT_EQ(CropFromDrag(QPoint(160, 45), QPoint(60, 95), shown), expected);
    // Clamped to the shown picture.
    EXPECT_EQ(CropFromDrag(QPoint(-50, -50), QPoint(110, 70), shown),
              (CropMargins{0, 0.5, 0, 0.5}));
    EXPECT_EQ(CropFromDrag(QPoint(0, 0), QPoint(999, 999), shown), CropMargins{});
    // A click marks no crop.
    EXPECT_EQ(CropFromDrag(QPoint(60, 45), QPoint(60, 45), shown), CropMargins{});
    EXPECT_EQ(CropFromDrag(QPoint(60, 45), QPoint(60, 90), shown), CropMargins{});
    EXPECT_EQ(CropRectangle(expected, shown), (Box{60, 45, 160, 95}));
}

// ---- grey pictures from files -------------------------------------------------

TEST(GreyPicture, ColourBecomesGreyByTheWeightedSum)
{
    EXPECT_EQ(GreyOfColour(255, 255, 255), 255);
    EXPECT_EQ(GreyOfColour(255, 0, 0), 76);
    EXPECT_EQ(GreyOfColour(0, 255, 0), 150);
    EXPECT_EQ(GreyOfColour(0, 0, 255), 27);
    EXPECT_EQ(GreyOfColour(10, 20, 30), (770 + 3020 + 840) / 256);
}

TEST(GreyPicture, LoadedFromBmpAndJpegFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(7, 5, QImage::Format_RGB888);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            picture.setPixelColor(x, y, QColor(x * 30, y * 50, 200 - x * 20));
    const QString bmp = dir.filePath("bild.bmp");
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    const auto grey = LoadGreyPicture(bmp);
    ASSERT_EQ(grey->Width(), 7);
    ASSERT_EQ(grey->Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(grey->Pixel(x, y), GreyOfColour(x * 30, y * 50, 200 - x * 20));

    const QString jpeg = dir.filePath("bild.jpg");
    QImage flat(16, 8, QImage::Format_RGB888);
    flat.fill(QColor(120, 120, 120));
    ASSERT_TRUE(flat.save(jpeg, "JPEG", 95));
    const auto fromJpeg = LoadGreyPicture(jpeg);
    EXPECT_EQ(fromJpeg->Width(), 16);
    EXPECT_NEAR(fromJpeg->Pixel(5, 5), 120, 2);

    EXPECT_THROW(LoadGreyPicture(dir.filePath("missing.bmp")), LumoraError);
}

TEST(GreyPicture, SavedAndReadBack)
{
    QTemporaryDir dir;
    const auto grey = Ramp(9, 4, 20);
    const QString file = dir.filePath("grau.bmp");
    SaveGreyPicture(file, *grey, kSaveBmp);
    EXPECT_TRUE(SamePicture(*LoadGreyPicture(file), *grey));
    EXPECT_THROW(SaveGreyPicture(dir.filePath("leer.bmp"), TPixelEngine256(0, 0), kSaveBmp),
                 LumoraError);
}

} // namespace
} // namespace lumora
