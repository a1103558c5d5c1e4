// The 8-bit buffer: conversions, keyed blits, the mask blend and the
// whole-buffer operations.
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lumora {
namespace {

void FillDistinct(TPixelEngine256& p)
{
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            p.SetPixel(x, y, static_cast<uint8_t>(1 + x + 16 * y));
}

TEST(PixelEngine256, NewBufferIsZeroAndRowZeroIsTheBottom)
{
    TPixelEngine256 p(5, 3);
    for (int i = 0; i < 3; ++i)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(p.Row(i)[x], 0);
    p.SetBrushGrey(77);
    p.SetPen(1, false);
    p.Line(0, 0, 5, 0);
    EXPECT_EQ(p.Row(2)[4], 77);
    EXPECT_EQ(p.Row(1)[4], 0);
    EXPECT_EQ(p.Row(0)[4], 0);
}

TEST(PixelEngine256, EmptyBufferIgnoresEveryOperation)
{
    TPixelEngine256 p(0, 7);
    EXPECT_EQ(p.Height(), 0);
    TPixelEngine256 other(3, 3);
    other.Fill(9);
    p.Fill(1);
    p.FillRect(0, 0, 5, 5, 1);
    p.Ellipse(0, 0, 4, 4);
    p.Chord(0, 0, 4, 4, 0, 0, 4, 4);
    p.Polygon({{0, 0}, {3, 0}, {0, 3}});
    p.FlipVertical();
    p.BlitKeyed(other, 0, 0, 0);
    p.DrawTo(other, 0, 0);
    other.BlitKeyed(p, 0, 0, 0);
    other.DrawTo(p, 0, 0);
    EXPECT_TRUE(p.SaveToBitmap().isNull());
    EXPECT_EQ(other.Pixel(1, 1), 9);
}

TEST(PixelEngine256, FromColourTakesTheBlueByte)
{
    TPixelEngine colour(2, 2);
    colour.FillColour(MakeColour(10, 20, 30));
    TPixelEngine256 grey(2, 2);
    grey.FromColour(colour);
    EXPECT_EQ(grey.Pixel(1, 0), 30);

    TPixelEngine wrongSize(3, 2);
    wrongSize.FillColour(MakeColour(0, 0, 99));
    grey.FromColour(wrongSize);
    EXPECT_EQ(grey.Pixel(0, 0), 30);
}

TEST(PixelEngine256, ToColourMakesGreys)
{
    TPixelEngine256 grey(2, 2);
    grey.SetPixel(0, 1, 123);
    TPixelEngine colour(2, 2);
    colour.FillColour(MakeColour(1, 2, 3));
    grey.ToColour(colour);
    EXPECT_EQ(colour.Pixel(0, 1), MakeColour(123, 123, 123));
    EXPECT_EQ(colour.Pixel(1, 1), MakeColour(0, 0, 0));
    TPixelEngine other(2, 3);
    other.FillColour(MakeColour(1, 2, 3));
    grey.ToColour(other);
    EXPECT_EQ(other.Pixel(0, 1), MakeColour(1, 2, 3));
}

TEST(PixelEngine256, SaveToBitmapShowsTheBufferUpsideDown)
{
    TPixelEngine256 p(3, 4);
    FillDistinct(p);
    const QImage bitmap = p.SaveToBitmap();
    ASSERT_EQ(bitmap.format(), QImage::Format_Indexed8);
    ASSERT_EQ(bitmap.colorCount(), 256);
    for (int v = 0; v < 256; ++v)
        ASSERT_EQ(bitmap.color(v), qRgb(v, v, v));
    for (int i = 0; i < 4; ++i)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap.pixelIndex(x, i), p.Row(i)[x]);
    // The top picture row lands at the bitmap's bottom.
    EXPECT_EQ(bitmap.pixelIndex(2, 3), p.Pixel(2, 0));
}

TEST(PixelEngine256, ToQImageIsAGreyCopyTopRowFirst)
{
    TPixelEngine256 p(2, 2);
    p.SetPixel(1, 0, 200);
    QImage copy = p.ToQImage();
    ASSERT_EQ(copy.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(copy.constScanLine(0)[1], 200);
    copy.fill(0);
    EXPECT_EQ(p.Pixel(1, 0), 200);
}

TEST(PixelEngine256, FillRectWritesPictureRowsAndStaysInside)
{
    TPixelEngine256 p(6, 5);
    p.SetClipRect(0, 0, 1, 1); // ignored: the fill writes memory directly
    p.FillRect(1, 0, 3, 2, 50);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(p.Pixel(x, y), (x >= 1 && x < 3 && y < 2) ? 50 : 0) << x << "," << y;
    p.FillRect(-10, 3, 100, 100, 7);
    EXPECT_EQ(p.Pixel(0, 4), 7);
    EXPECT_EQ(p.Pixel(5, 3), 7);
    EXPECT_EQ(p.Pixel(5, 2), 0);
}

TEST(PixelEngine256, LevelOperations)
{
    uint8_t table[256];
    for (int v = 0; v < 256; ++v)
        table[v] = static_cast<uint8_t>(v / 4);
    TPixelEngine256 p(3, 2);
    p.Fill(200);
    p.MapLevels(table, false);
    EXPECT_EQ(p.Pixel(2, 1), 50);
    p.MapLevels(table, true);
    EXPECT_EQ(p.Pixel(0, 0), 255 - 12);
    p.Invert();
    EXPECT_EQ(p.Pixel(1, 1), 12);
}

TEST(PixelEngine256, Flips)
{
    TPixelEngine256 p(3, 2);
    FillDistinct(p);
    p.FlipHorizontal();
    EXPECT_EQ(p.Pixel(0, 0), 3);
    EXPECT_EQ(p.Pixel(2, 1), 17);
    p.FlipVertical();
    EXPECT_EQ(p.Pixel(0, 0), 19);
    EXPECT_EQ(p.Pixel(2, 1), 1);
}

// Reference for the keyed blits: target pixel (tx, ty) after copying the
// part [left, right) x [top, bottom) of source to (x, y).
uint8_t KeyedExpectation(const TPixelEngine256& source, uint8_t before, int tx, int ty, int left,
                         int top, int right, int bottom, int x, int y, uint8_t key)
{
    const int sx = tx - x + left;
    const int sy = ty - y + top;
    if (sx < left || sx >= right || sy < top || sy >= bottom)
        return before;
    const uint8_t v = source.Pixel(sx, sy);
    return v == key ? before : v;
}

class KeyedBlit : public ::testing::TestWithParam<std::pair<int, int>>
{
};

TEST_P(KeyedBlit, CopiesOnlyTheOverlapAndSkipsTheKey)
{
    const auto [x, y] = GetParam();
    TPixelEngine256 source(4, 3);
    FillDistinct(source);
    source.SetPixel(1, 1, 0); // the key
    TPixelEngine256 target(5, 4);
    target.Fill(99);
    source.BlitKeyed(target, x, y, 0);
    for (int ty = 0; ty < 4; ++ty)
        for (int tx = 0; tx < 5; ++tx)
            EXPECT_EQ(target.Pixel(tx, ty),
                      KeyedExpectation(source, 99, tx, ty, 0, 0, 4, 3, x, y, 0))
                << tx << "," << ty;
}

INSTANTIATE_TEST_SUITE_P(Positions, KeyedBlit,
                         ::testing::Values(std::pair{0, 0}, std::pair{-2, -1}, std::pair{-1, 2},
                                           std::pair{3, -2}, std::pair{4, 3}, std::pair{-4, 0},
                                           std::pair{5, 0}, std::pair{-100000, 7}));

TEST(PixelEngine256, BlitKeyedPartNeedsThePartInsideTheSource)
{
    TPixelEngine256 source(4, 3);
    FillDistinct(source);
    TPixelEngine256 target(5, 4);
    target.Fill(99);
    source.BlitKeyedPart(target, 1, 1, 3, 3, 0, 2, 18);
    for (int ty = 0; ty < 4; ++ty)
        for (int tx = 0; tx < 5; ++tx)
            EXPECT_EQ(target.Pixel(tx, ty),
                      KeyedExpectation(source, 99, tx, ty, 1, 1, 3, 3, 0, 2, 18))
                << tx << "," << ty;
    for (auto [l, t, r, b] : {std::tuple{-1, 0, 2, 2}, std::tuple{0, -1, 2, 2},
                              std::tuple{0, 0, 5, 2}, std::tuple{0, 0, 2, 4}}) {
        TPixelEngine256 untouched(5, 4);
        untouched.Fill(99);
        source.BlitKeyedPart(untouched, l, t, r, b, 1, 1, 0);
        for (int ty = 0; ty < 4; ++ty)
            for (int tx = 0; tx < 5; ++tx)
                ASSERT_EQ(untouched.Pixel(tx, ty), 99);
    }
}

TEST(PixelEngine256, BlitsBetweenGreyBuffers)
{
    TPixelEngine256 source(2, 2);
    FillDistinct(source);
    TPixelEngine256 target(4, 4);
    source.DrawTo(target, 1, -1);
    EXPECT_EQ(target.Pixel(1, 0), source.Pixel(0, 1));
    EXPECT_EQ(target.Pixel(2, 0), source.Pixel(1, 1));
    EXPECT_EQ(target.Pixel(1, 1), 0);
    source.StretchDrawTo(target, 0, 0, 4, 4);
    EXPECT_EQ(target.Pixel(3, 3), source.Pixel(1, 1));
    EXPECT_EQ(target.Pixel(1, 2), source.Pixel(0, 1));
    TPixelEngine colour(4, 2);
    source.StretchDrawTo(colour, 0, 0, 4, 2);
    EXPECT_EQ(colour.Pixel(2, 1), MakeColour(18, 18, 18));
    TPixelEngine256 part(2, 2);
    target.DrawPartTo(part, 0, 0, 2, 2, 2, 2);
    EXPECT_EQ(part.Pixel(1, 1), source.Pixel(1, 1));
    // A buffer copied onto itself reads the pixels as they were.
    target.DrawTo(target, 1, 0);
    EXPECT_EQ(target.Pixel(1, 0), source.Pixel(0, 0));
    EXPECT_EQ(target.Pixel(2, 0), source.Pixel(0, 0));
}

struct BlendCase
{
    int mask;
    bool invert;
    int transparency;
    int tolerance;
    int picture;
    int colour;
    int expected;
};

class MaskBlend : public ::testing::TestWithParam<BlendCase>
{
};

TEST_P(MaskBlend, MixesPictureAndColourByTheMask)
{
    const BlendCase c = GetParam();
    TPixelEngine256 mask(1, 1);
    mask.Fill(static_cast<uint8_t>(c.mask));
    TPixelEngine picture(1, 1);
    picture.FillColour(MakeColour(c.picture, 0, 255));
    mask.BlendWithColour(picture, c.invert, c.transparency, c.tolerance,
                         MakeColour(c.colour, 255, 0));
    EXPECT_EQ(RedOf(picture.Pixel(0, 0)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, MaskBlend,
    ::testing::Values(BlendCase{0, false, 0, 0, 200, 10, 10},    // mask 0: the colour
                      BlendCase{255, false, 0, 0, 200, 10, 200}, // mask 255: the picture
                      BlendCase{128, false, 0, 0, 200, 0, 100},
                      BlendCase{128, false, 0, 0, 0, 255, 127},
                      BlendCase{1, false, 0, 0, 0, 255, 254}, // truncated toward zero
                      BlendCase{2, false, 0, 0, 100, 0, 0},
                      BlendCase{250, false, 0, 5, 100, 0, 100}, // within the tolerance
                      BlendCase{249, false, 0, 5, 100, 0, 97},
                      BlendCase{0, true, 0, 0, 100, 0, 100},    // inverted mask
                      BlendCase{100, false, 155, 0, 60, 0, 60}, // transparency caps at 255
                      BlendCase{100, false, 50, 0, 255, 0, 150}));

TEST(PixelEngine256, BlendWithColourWorksPerChannelAndNeedsEqualSizes)
{
    TPixelEngine256 mask(2, 1);
    mask.Fill(51); // a fifth
    TPixelEngine picture(2, 1);
    picture.FillColour(MakeColour(255, 0, 100));
    mask.BlendWithColour(picture, false, 0, 0, MakeColour(0, 255, 0));
    EXPECT_EQ(picture.Pixel(1, 0), MakeColour(51, 255 - 51, 20));
    TPixelEngine other(3, 1);
    other.FillColour(MakeColour(1, 2, 3));
    mask.BlendWithColour(other, false, 0, 0, 0);
    EXPECT_EQ(other.Pixel(0, 0), MakeColour(1, 2, 3));
}

} // namespace
} // namespace lumora
