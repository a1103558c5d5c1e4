// The 24-bit buffer: memory layout, conversions, whole-buffer operations
// and image effects.
#include "common/lumora_error.h"
#include "common/random_generator.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace lumora {
namespace {

// Bytes (blue, green, red) of the pixel at memory row i, column x.
std::array<int, 3> BytesAt(const TPixelEngine& p, int i, int x)
{
    const uint8_t* q = p.Row(i) + 3 * x;
    return {q[0], q[1], q[2]};
}

void FillDistinct(TPixelEngine& p)
{
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            p.SetPixel(x, y, MakeColour(x * 20 + 1, y * 20 + 2, (x + y) * 7 + 3));
}

struct LayoutCase
{
    bool eightBit;
    int width;
    int stride;
    int padding;
};

class BufferLayout : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(BufferLayout, StrideAndPaddingFollowTheRowFormula)
{
    const LayoutCase c = GetParam();
    if (c.eightBit) {
        TPixelEngine256 p(c.width, 3);
        EXPECT_EQ(p.Stride(), c.stride);
        EXPECT_EQ(p.Padding(), c.padding);
        EXPECT_EQ(p.ImageSize(), 3 * c.stride);
        EXPECT_EQ(p.Row(0) - p.Row(1), c.stride);
    } else {
        TPixelEngine p(c.width, 3);
        EXPECT_EQ(p.Stride(), c.stride);
        EXPECT_EQ(p.Padding(), c.padding);
        EXPECT_EQ(p.ImageSize(), 3 * c.stride);
        EXPECT_EQ(p.Row(0) - p.Row(1), c.stride);
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, BufferLayout,
                         ::testing::Values(LayoutCase{false, 1, 4, 1}, LayoutCase{false, 2, 8, 2},
                                           LayoutCase{false, 3, 12, 3}, LayoutCase{false, 4, 12, 0},
                                           LayoutCase{false, 5, 16, 1}, LayoutCase{true, 1, 4, 3},
                                           LayoutCase{true, 4, 4, 0}, LayoutCase{true, 5, 8, 3},
                                           LayoutCase{true, 8, 8, 0}));

TEST(PixelEngine, NewBufferIsBlack)
{
    TPixelEngine p(7, 5);
    for (int i = 0; i < p.Height(); ++i)
        for (int k = 0; k < 3 * p.Width(); ++k)
            ASSERT_EQ(p.Row(i)[k], 0);
}

TEST(PixelEngine, RowZeroIsTheBottomPictureRow)
{
    TPixelEngine p(6, 4);
    p.SetBrushColor(MakeColour(255, 255, 255));
    p.SetPen(1, false);
    p.Line(0, 0, 6, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(BytesAt(p, i, 3)[0], i == 3 ? 255 : 0) << "memory row " << i;
    p.SetPixel(2, 3, MakeColour(1, 2, 3));
    EXPECT_EQ(BytesAt(p, 0, 2), (std::array<int, 3>{3, 2, 1}));
}

TEST(PixelEngine, EmptyAndNegativeSizesGiveAnEmptyBuffer)
{
    for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-3, 4}, std::pair{-1, -1}}) {
        TPixelEngine p(w, h);
        EXPECT_EQ(p.Width(), 0);
        EXPECT_EQ(p.Height(), 0);
        EXPECT_EQ(p.ImageSize(), 0);
        // Every operation is a harmless no-op.
        p.FillColour(0x123456);
        p.Rectangle(0, 0, 5, 5);
        p.Ellipse(0, 0, 5, 5);
        p.Line(0, 0, 5, 5);
        p.TextOut(0, 0, QStringLiteral("x"));
        p.Greyscale(true);
        p.Ripple(3);
        RandomGenerator random(1);
        p.Spray(3, random);
        p.MirrorTopHalf();
        p.LoadFromBitmap(QImage(4, 4, QImage::Format_RGB32));
        EXPECT_TRUE(p.ToQImage().isNull());
        TPixelEngine target(3, 3);
        p.DrawTo(target, 0, 0);
        p.StretchDrawTo(target, 0, 0, 3, 3);
    }
}

TEST(PixelEngine, PictureTooLargeForMemoryIsAnError)
{
    try {
        TPixelEngine p(2000000000, 2000000000);
        FAIL() << "no error";
    } catch (const LumoraError& e) {
        EXPECT_STREQ(e.what(),
                     "Not enough memory for a picture of 2000000000 x 2000000000 pixels.");
    }
    EXPECT_THROW(TPixelEngine256(100000, 100000), LumoraError);
}

TEST(PixelEngine, ToQImageIsADeepCopyAndTheRowsStay)
{
    TPixelEngine p(5, 4);
    uint8_t* bottom = p.Row(0);
    QImage copy = p.ToQImage();
    ASSERT_EQ(copy.format(), QImage::Format_BGR888);
    copy.fill(Qt::white);
    p.Rectangle(0, 0, 5, 4);
    p.TextOut(0, 0, QStringLiteral("A"));
    EXPECT_EQ(p.Row(0), bottom);
    EXPECT_EQ(p.ToQImage().pixel(0, 3), qRgb(255, 255, 255));
    EXPECT_EQ(BytesAt(p, 0, 0)[0], 255);
}

TEST(PixelEngine, ToQImageShowsTheTopRowFirst)
{
    TPixelEngine p(2, 3);
    p.SetPixel(1, 0, MakeColour(200, 100, 50));
    EXPECT_EQ(p.ToQImage().pixel(1, 0), qRgb(200, 100, 50));
}

TEST(PixelEngine, LoadFromBitmapScalesNearestPixel)
{
    QImage up(2, 2, QImage::Format_ARGB32);
    up.setPixel(0, 0, qRgb(255, 0, 0));
    up.setPixel(1, 0, qRgb(0, 255, 0));
    up.setPixel(0, 1, qRgb(0, 0, 255));
    up.setPixel(1, 1, qRgb(9, 9, 9));
    TPixelEngine p(4, 4, up);
    EXPECT_EQ(p.Pixel(1, 1), MakeColour(255, 0, 0));
    EXPECT_EQ(p.Pixel(2, 0), MakeColour(0, 255, 0));
    EXPECT_EQ(p.Pixel(0, 3), MakeColour(0, 0, 255));
    EXPECT_EQ(p.Pixel(3, 2), MakeColour(9, 9, 9));

    // Shrinking samples the pixel centres: columns and rows 1 and 3 of 4.
    QImage down(4, 4, QImage::Format_Indexed8);
    down.setColorCount(256);
    for (int v = 0; v < 256; ++v)
        down.setColor(v, qRgb(v, v, v));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            down.setPixel(x, y, static_cast<uint>(10 * y + x));
    TPixelEngine q(2, 2);
    q.LoadFromBitmap(down);
    EXPECT_EQ(q.Pixel(0, 0), MakeColour(11, 11, 11));
    EXPECT_EQ(q.Pixel(1, 0), MakeColour(13, 13, 13));
    EXPECT_EQ(q.Pixel(0, 1), MakeColour(31, 31, 31));
}

TEST(PixelEngine, BlitsCopyCutAndScale)
{
    TPixelEngine source(3, 2);
    FillDistinct(source);
    TPixelEngine target(5, 4);
    target.FillColour(0x010101);

    source.DrawTo(target, -1, 3);
    EXPECT_EQ(target.Pixel(0, 3), source.Pixel(1, 0));
    EXPECT_EQ(target.Pixel(1, 3), source.Pixel(2, 0));
    EXPECT_EQ(target.Pixel(2, 3), Colour{0x010101});

    source.DrawPartTo(target, 3, 0, 2, 1, 1, 1);
    EXPECT_EQ(target.Pixel(3, 0), source.Pixel(1, 1));
    EXPECT_EQ(target.Pixel(4, 0), source.Pixel(2, 1));

    TPixelEngine big(6, 4);
    source.StretchDrawTo(big, 0, 0, 6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(big.Pixel(x, y), source.Pixel(x / 2, y / 2)) << x << "," << y;

    // A blit into a buffer honours its clip rectangle.
    TPixelEngine clipped(4, 4);
    clipped.SetClipRect(1, 1, 3, 3);
    big.DrawTo(clipped, 0, 0);
    EXPECT_EQ(clipped.Pixel(0, 0), Colour{0});
    EXPECT_EQ(clipped.Pixel(1, 1), big.Pixel(1, 1));
    EXPECT_EQ(clipped.Pixel(3, 2), Colour{0});
}

TEST(PixelEngine, DrawsOntoAPainter)
{
    TPixelEngine p(2, 2);
    p.SetPixel(1, 0, MakeColour(10, 20, 30));
    QImage window(4, 4, QImage::Format_RGB32);
    window.fill(Qt::black);
    {
        QPainter painter(&window);
        p.DrawTo(painter, 2, 1);
    }
    EXPECT_EQ(window.pixel(3, 1), qRgb(10, 20, 30));
    {
        QPainter painter(&window);
        p.StretchDrawTo(painter, 0, 0, 4, 4);
    }
    EXPECT_EQ(window.pixel(3, 0), qRgb(10, 20, 30));
    EXPECT_EQ(window.pixel(1, 3), qRgb(0, 0, 0));
}

TEST(PixelEngine, GreyscaleWeightsTheChannels)
{
    TPixelEngine p(4, 1);
    p.SetPixel(0, 0, MakeColour(255, 0, 0));
    p.SetPixel(1, 0, MakeColour(0, 255, 0));
    p.SetPixel(2, 0, MakeColour(0, 0, 255));
    p.SetPixel(3, 0, MakeColour(255, 255, 255));
    p.Greyscale(false);
    EXPECT_EQ(p.Pixel(0, 0), MakeColour(76, 76, 76));
    EXPECT_EQ(p.Pixel(1, 0), MakeColour(150, 150, 150));
    EXPECT_EQ(p.Pixel(2, 0), MakeColour(27, 27, 27));
    EXPECT_EQ(p.Pixel(3, 0), MakeColour(255, 255, 255));
    p.Greyscale(true);
    EXPECT_EQ(p.Pixel(0, 0), MakeColour(179, 179, 179));
}

TEST(PixelEngine, GreyscaleMappedAppliesTheTableThenInverts)
{
    uint8_t half[256];
    for (int v = 0; v < 256; ++v)
        half[v] = static_cast<uint8_t>(v / 2);
    TPixelEngine p(1, 1);
    p.SetPixel(0, 0, MakeColour(0, 255, 0)); // grey 150
    p.GreyscaleMapped(half, false);
    EXPECT_EQ(p.Pixel(0, 0), MakeColour(75, 75, 75));
    p.SetPixel(0, 0, MakeColour(0, 255, 0));
    p.GreyscaleMapped(half, true);
    EXPECT_EQ(p.Pixel(0, 0), MakeColour(180, 180, 180));
}

TEST(PixelEngine, GreyscaleMappedInRectTintsOutsideInclusiveMemoryBounds)
{
    uint8_t identity[256];
    for (int v = 0; v < 256; ++v)
        identity[v] = static_cast<uint8_t>(v);
    TPixelEngine p(4, 3);
    p.FillColour(MakeColour(0, 255, 0)); // grey 150
    p.GreyscaleMappedInRect(identity, 1, 0, 2, 1);
    const std::array<int, 3> inside{150, 150, 150};
    const std::array<int, 3> tint{150 / 3 + 100, 150 / 3 + 50, 150 / 4 + 30};
    for (int i = 0; i < 3; ++i)
        for (int x = 0; x < 4; ++x) {
            const bool in = i <= 1 && x >= 1 && x <= 2;
            EXPECT_EQ(BytesAt(p, i, x), in ? inside : tint) << "row " << i << " column " << x;
        }
}

TEST(PixelEngine, CopyExceptKeySkipsPixelsWithinTheTolerance)
{
    struct Case
    {
        Colour source;
        int keyR, keyG, keyB, tolerance;
        bool copied;
    };
    const Case cases[] = {
        {MakeColour(255, 0, 0), 0, 0, 0, 0, true},
        {MakeColour(0, 0, 0), 0, 0, 0, 0, false},
        {MakeColour(255, 0, 10), 250, 5, 0, 10, false}, // bounds clamped to 0..255
        {MakeColour(239, 0, 0), 250, 5, 0, 10, true},
        {MakeColour(250, 16, 0), 250, 5, 0, 10, true},
        {MakeColour(100, 100, 100), 100, 100, 100, -1, true},
    };
    for (const Case& c : cases) {
        TPixelEngine source(2, 2);
        source.FillColour(c.source);
        TPixelEngine target(2, 2);
        target.FillColour(MakeColour(1, 2, 3));
        target.CopyExceptKey(source, c.keyR, c.keyG, c.keyB, c.tolerance);
        EXPECT_EQ(target.Pixel(1, 1), c.copied ? c.source : MakeColour(1, 2, 3))
            << std::hex << c.source;
    }
    TPixelEngine other(3, 2);
    other.FillColour(MakeColour(255, 0, 0));
    TPixelEngine target(2, 2);
    target.CopyExceptKey(other, 0, 0, 0, 0);
    EXPECT_EQ(target.Pixel(0, 0), Colour{0});
}

// One channel value before and after an effect.
struct LevelCase
{
    const char* effect;
    int a;
    int before;
    int after;
};

class LevelEffect : public ::testing::TestWithParam<LevelCase>
{
};

TEST_P(LevelEffect, MapsEveryChannel)
{
    const LevelCase c = GetParam();
    TPixelEngine p(2, 1);
    p.FillColour(MakeColour(c.before, c.before, c.before));
    const std::string effect = c.effect;
    if (effect == "Brightness")
        p.Brightness(c.a);
    else if (effect == "Contrast")
        p.Contrast(c.a);
    else if (effect == "Posterize")
        p.Posterize(c.a);
    else if (effect == "Solarize")
        p.Solarize(c.a);
    else
        p.Invert();
    EXPECT_EQ(p.Pixel(1, 0), MakeColour(c.after, c.after, c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelEffect,
    ::testing::Values(LevelCase{"Brightness", 10, 100, 110}, LevelCase{"Brightness", 10, 250, 255},
                      LevelCase{"Brightness", -10, 5, 0}, LevelCase{"Contrast", 255, 127, 127},
                      LevelCase{"Contrast", 255, 0, 0}, LevelCase{"Contrast", 255, 255, 255},
                      LevelCase{"Contrast", 255, 128, 129}, LevelCase{"Contrast", 100, 27, 0},
                      LevelCase{"Contrast", 100, 200, 228}, LevelCase{"Contrast", 0, 40, 40},
                      LevelCase{"Posterize", 2, 255, 255}, LevelCase{"Posterize", 2, 127, 128},
                      LevelCase{"Posterize", 2, 1, 0}, LevelCase{"Posterize", 2, 3, 4},
                      LevelCase{"Posterize", 2, 5, 4}, LevelCase{"Posterize", 3, 4, 3},
                      LevelCase{"Posterize", 100, 251, 255}, LevelCase{"Posterize", 0, 77, 77},
                      LevelCase{"Solarize", 100, 101, 154}, LevelCase{"Solarize", 100, 100, 100},
                      LevelCase{"Invert", 0, 55, 200}));

TEST(PixelEngine, SolarizeComparesTheChannelMean)
{
    TPixelEngine p(2, 1);
    p.SetPixel(0, 0, MakeColour(200, 100, 60)); // mean 120
    p.SetPixel(1, 0, MakeColour(10, 20, 30));
    p.Solarize(100);
    EXPECT_EQ(p.Pixel(0, 0), MakeColour(55, 155, 195));
    EXPECT_EQ(p.Pixel(1, 0), MakeColour(10, 20, 30));
}

TEST(PixelEngine, RippleShiftsColumnsByATriangleWave)
{
    const int w = 9;
    const int h = 6;
    TPixelEngine p(w, h);
    for (int i = 0; i < h; ++i)
        for (int x = 0; x < w; ++x)
            p.Row(i)[3 * x] = static_cast<uint8_t>(10 * i + x);
    p.Ripple(2);
    const int shifts[w] = {0, 1, 2, 1, 0, 1, 2, 1, 0};
    for (int x = 0; x < w; ++x) {
        const int j = shifts[x];
        for (int i = 0; i < h; ++i) {
            int expected = 10 * i + x; // rows outside the shifted run keep their content
            if (i >= j && i <= h - 1 - 2 + j)
                expected = 10 * (i - j) + x;
            EXPECT_EQ(p.Row(i)[3 * x], expected) << "column " << x << " row " << i;
        }
    }
}

TEST(PixelEngine, RippleAmplitudeIsLimitedToHalfTheHeight)
{
    TPixelEngine p(3, 4);
    for (int i = 0; i < 4; ++i)
        p.Row(i)[3 * 2] = static_cast<uint8_t>(i + 1);
    p.Ripple(10); // amplitude 2: column 2 moves up by 2
    EXPECT_EQ(p.Row(2)[6], 1);
    EXPECT_EQ(p.Row(3)[6], 2);
    EXPECT_EQ(p.Row(0)[6], 1);
}

TEST(PixelEngine, SprayDrawsCThenDThenRPerPixel)
{
    const int w = 7;
    const int h = 5;
    TPixelEngine p(w, h);
    for (int i = 0; i < h; ++i)
        for (int x = 0; x < w; ++x)
            p.Row(i)[3 * x] = static_cast<uint8_t>(16 * i + x);
    // The plain form: the same draws on a copy of the bytes.
    std::vector<int> expected(w * h);
    for (int i = 0; i < h; ++i)
        for (int x = 0; x < w; ++x)
            expected[i * w + x] = 16 * i + x;
    RandomGenerator reference(4711);
    for (int i = 0; i < h; ++i)
        for (int x = 0; x < w; ++x) {
            const int c = reference.Random(3);
            const int d = reference.Random(2 * c);
            const int r = reference.Random(2 * c);
            const int sx = x + c - r;
            const int si = i + c - d;
            if (sx >= 0 && sx < w && si >= 0 && si < h)
                expected[i * w + x] = expected[si * w + sx];
        }
    RandomGenerator random(4711);
    p.Spray(3, random);
    EXPECT_EQ(random.Seed(), reference.Seed());
    int moved = 0;
    for (int i = 0; i < h; ++i)
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(p.Row(i)[3 * x], expected[i * w + x]) << x << "," << i;
            moved += p.Row(i)[3 * x] != 16 * i + x;
        }
    EXPECT_GT(moved, 0);
}

TEST(PixelEngine, SprayOfTheFirstPixelByHand)
{
    // Seed 0: draws advance to 1, 134775814, 3698175007 (mod 2^32).
    // c = (1 * 5) >> 32 = 0, so d and r come from Random(0) and the pixel
    // stays; the generator has advanced three times per pixel.
    TPixelEngine p(1, 1);
    p.Row(0)[0] = 42;
    RandomGenerator random(0);
    p.Spray(5, random);
    EXPECT_EQ(p.Row(0)[0], 42);
    EXPECT_EQ(random.Seed(), 3698175007u);
}

TEST(PixelEngine, MirrorHalves)
{
    TPixelEngine p(5, 5);
    FillDistinct(p);
    TPixelEngine original(5, 5);
    p.DrawTo(original, 0, 0);
    p.MirrorLeftHalf();
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(p.Pixel(2, y), original.Pixel(1, y));
        EXPECT_EQ(p.Pixel(3, y), original.Pixel(0, y));
        EXPECT_EQ(p.Pixel(4, y), original.Pixel(4, y));
        EXPECT_EQ(p.Pixel(0, y), original.Pixel(0, y));
    }
    original.MirrorTopHalf();
    TPixelEngine reference(5, 5);
    FillDistinct(reference);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(original.Pixel(x, 4), reference.Pixel(x, 0));
        EXPECT_EQ(original.Pixel(x, 3), reference.Pixel(x, 1));
        EXPECT_EQ(original.Pixel(x, 2), reference.Pixel(x, 2)); // the middle row stays
        EXPECT_EQ(original.Pixel(x, 1), reference.Pixel(x, 1));
    }
}

} // namespace
} // namespace lumora
