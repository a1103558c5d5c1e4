// Drawing and hit tests of the five shape kinds.
#include "depthmap/tool_dm_ellipse.h"
#include "depthmap/tool_dm_line.h"
#include "depthmap/tool_dm_polygon.h"
#include "depthmap/tool_dm_rectangle.h"
#include "depthmap/tool_dm_text.h"
#include "rendering/lumo_pixelengine256.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>

#include <functional>
#include <string>

namespace lumora {
namespace {

using testing::ElementsAre;

// The box of pixels that differ from the background, and their count.
struct Painted
{
    Box box{};
    int count = 0;
};

Painted PaintedPixels(const TPixelEngine256& e, uint8_t background)
{
    Painted p;
    for (int y = 0; y < e.Height(); ++y) {
        for (int x = 0; x < e.Width(); ++x) {
            if (e.Pixel(x, y) == background)
                continue;
            p.box =
                p.count == 0 ? Box{x, y, x + 1, y + 1} : UnionBoxes(p.box, Box{x, y, x + 1, y + 1});
            ++p.count;
        }
    }
    return p;
}

TEST(RectangleShape, CoversItsRectangleExactlyInItsGrey)
{
    TPixelEngine256 e(40, 30);
    e.Fill(9);
    Tool_dm_Rectangle r(1, 5, 4, 20, 10);
    r.Depth = 180;
    r.Draw(e);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 25 && y >= 4 && y < 14;
            ASSERT_EQ(e.Pixel(x, y), inside ? 180 : 9) << x << "," << y;
        }
}

TEST(RectangleShape, FullRoundingOnAFlatRectangleUsesTheShorterSide)
{
    Tool_dm_Rectangle r(1, 0, 0, 100, 40);
    r.Rounding = 100;
    EXPECT_EQ(r.CornerSize(100, 40), 40);
    r.Rounding = 25;
    EXPECT_EQ(r.CornerSize(100, 40), 10);
    EXPECT_EQ(r.CornerSize(10, 10), 2); // Round(2.5) is 2
    EXPECT_EQ(r.CornerSize(14, 14), 4); // Round(3.5) is 4

    r.Rounding = 100;
    TPixelEngine256 e(100, 40);
    e.Fill(0);
    r.Draw(e);
    EXPECT_EQ(e.Pixel(0, 0), 0);
    EXPECT_EQ(e.Pixel(99, 39), 0);
    EXPECT_EQ(e.Pixel(3, 3), 0);
    EXPECT_EQ(e.Pixel(50, 0), 255); // the straight part of the edge
    EXPECT_EQ(e.Pixel(0, 20), 255); // a corner ellipse's widest point
    EXPECT_EQ(e.Pixel(50, 20), 255);
    EXPECT_FALSE(r.HitTest(0, 0));
    EXPECT_FALSE(r.HitTest(3, 3));
    EXPECT_TRUE(r.HitTest(50, 0));
    EXPECT_TRUE(r.HitTest(0, 20));
    EXPECT_TRUE(r.HitTest(97, 20));
    EXPECT_FALSE(r.HitTest(100, 20));
}

TEST(EllipseShape, IsInscribedInItsRectangle)
{
    TPixelEngine256 e(80, 70);
    e.Fill(0);
    Tool_dm_Ellipse el(1, 10, 5, 50, 44);
    el.Draw(e);
    const Painted p = PaintedPixels(e, 0);
    EXPECT_EQ(p.box, (Box{10, 5, 60, 49}));
    EXPECT_EQ(e.Pixel(10, 5), 0);
    EXPECT_EQ(e.Pixel(35, 27), 255);
    EXPECT_TRUE(el.HitTest(35, 27));
    EXPECT_TRUE(el.HitTest(10, 27));
    EXPECT_FALSE(el.HitTest(11, 6));
    EXPECT_FALSE(el.HitTest(60, 27));
    el.Visible = false;
    EXPECT_FALSE(el.HitTest(35, 27));
}

struct LineCase
{
    std::string name;
    uint8_t dirX, dirY;
    bool mirrorH, mirrorV;
    bool rising;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class LineOrientation : public testing::TestWithParam<LineCase>
{
};

// The rectangle of a drag from (50, 10) to (10, 60): (10, 10, 40, 50).
TEST_P(LineOrientation, FollowsTheDragAndTheMirrors)
{
    const LineCase c = GetParam();
    Tool_dm_line line(1, 10, 10, 40, 50, c.dirX, c.dirY);
    line.MirrorH = c.mirrorH;
    line.MirrorV = c.mirrorV;
    const auto s = line.SegmentFor(10, 10, 40, 50);
    EXPECT_EQ(s.Rising, c.rising);
    EXPECT_EQ(s.Inset, 1);
    if (c.rising) {
        EXPECT_EQ(s.From, QPoint(49, 11));
        EXPECT_EQ(s.To, QPoint(11, 59));
    } else {
        EXPECT_EQ(s.From, QPoint(11, 11));
        EXPECT_EQ(s.To, QPoint(49, 59));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LineOrientation,
                         testing::Values(LineCase{"UpRightDrag", 3, 1, false, false, true},
                                         LineCase{"DownLeftDrag", 1, 3, false, false, true},
                                         LineCase{"UpRightMirroredH", 3, 1, true, false, false},
                                         LineCase{"UpRightMirroredV", 3, 1, false, true, false},
                                         LineCase{"UpRightBothMirrors", 3, 1, true, true, true},
                                         LineCase{"DownRightDrag", 1, 1, false, false, false},
                                         LineCase{"DownRightMirroredH", 1, 1, true, false, true},
                                         LineCase{"Horizontal", 1, 2, false, false, false},
                                         LineCase{"Vertical", 2, 3, false, false, false}),
                         [](const auto& info) { return info.param.name; });

TEST(LineShape, InsetDependsOnTheCaps)
{
    Tool_dm_line line(1, 0, 0, 100, 100, 1, 1);
    line.Thickness = 10;
    line.CapStyle = 1;
    EXPECT_EQ(line.SegmentFor(0, 0, 100, 100).Inset, 8); // Round(10 / 1.3)
    EXPECT_EQ(line.SegmentFor(0, 0, 100, 100).From, QPoint(8, 8));
    line.CapStyle = 0;
    EXPECT_EQ(line.SegmentFor(0, 0, 100, 100).Inset, 5);
    EXPECT_EQ(line.SegmentFor(0, 0, 100, 100).To, QPoint(95, 95));
    line.CapStyle = 7;
    EXPECT_EQ(line.SegmentFor(0, 0, 100, 100).Inset, 0);
}

TEST(LineShape, RisingLinePaintsTheRisingDiagonal)
{
    TPixelEngine256 e(60, 70);
    e.Fill(0);
    Tool_dm_line line(1, 10, 10, 40, 50, 3, 1);
    line.Thickness = 4;
    line.Depth = 99;
    line.Draw(e);
    EXPECT_EQ(e.Pixel(47, 13), 99); // near the top-right corner
    EXPECT_EQ(e.Pixel(13, 56), 99); // near the bottom-left corner
    EXPECT_EQ(e.Pixel(30, 35), 99); // the middle
    EXPECT_EQ(e.Pixel(13, 13), 0);  // the other diagonal's ends stay clear
    EXPECT_EQ(e.Pixel(47, 56), 0);
    const Painted p = PaintedPixels(e, 0);
    EXPECT_GE(p.box.Left, 10);
    EXPECT_LE(p.box.Right, 50);
    EXPECT_GE(p.box.Top, 10);
    EXPECT_LE(p.box.Bottom, 60);
}

TEST(PolygonShape, FourCornersAtRotationZero)
{
    Tool_dm_polygon p(1, 0, 0, 100, 100);
    p.Corners = 4;
    EXPECT_THAT(
        p.Vertices(0, 0, 100, 100),
        ElementsAre(QPoint(50, 0), QPoint(0, 50), QPoint(50, 100), QPoint(100, 50), QPoint(50, 0)));
    p.Rotation = 90;
    EXPECT_EQ(p.Vertices(0, 0, 100, 100).front(), QPoint(0, 50));
}

TEST(PolygonShape, MirrorsAndNegativeExtents)
{
    Tool_dm_polygon p(1, 0, 0, 100, 100);
    p.Corners = 3;
    const auto plain = p.Vertices(10, 20, 60, 40);
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_EQ(plain[0], QPoint(40, 20));
    p.MirrorV = true;
    EXPECT_EQ(p.Vertices(10, 20, 60, 40)[0], QPoint(40, 60));
    p.MirrorV = false;
    p.MirrorH = true;
    const auto mirrored = p.Vertices(10, 20, 60, 40);
    for (size_t k = 0; k < plain.size(); ++k) {
        EXPECT_EQ(mirrored[k].x(), 2 * 10 + 60 - plain[k].x());
        EXPECT_EQ(mirrored[k].y(), plain[k].y());
    }
    p.MirrorH = false;
    // A negative extent moves the corner: the same polygon.
    EXPECT_EQ(p.Vertices(70, 60, -60, -40), plain);
    p.Corners = 0; // below three corners counts as three
    EXPECT_EQ(p.Vertices(10, 20, 60, 40).size(), 4u);
}

TEST(PolygonShape, HitTestAgreesWithTheDrawnShape)
{
    Tool_dm_polygon p(1, 3, 2, 90, 70);
    p.Corners = 7;
    p.Rotation = 20;
    TPixelEngine256 e(100, 80);
    e.Fill(0);
    p.Draw(e);
    EXPECT_TRUE(p.HitTest(48, 37));
    EXPECT_FALSE(p.HitTest(3, 2));
    int area = 0, disagreements = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool drawn = e.Pixel(x, y) == 255;
            area += drawn;
            disagreements += drawn != p.HitTest(x, y);
        }
    ASSERT_GT(area, 2000);
    // Only pixels on the outline may be judged differently.
    EXPECT_LT(disagreements, area / 20);
}

TEST(TextShape, CharacterWidthIsCorrectedByTheMeasuredWidth)
{
    TPixelEngine256 e(260, 60);
    Tool_dm_Text t(1, 10, 5, 200, 40, QStringLiteral("Wave"));
    const auto w = t.WidthsFor(e, 200, 40);
    EXPECT_EQ(w.First, 50);
    EXPECT_GT(w.Measured, 0);
    EXPECT_EQ(w.Corrected, 50 + (200 - w.Measured) / 4);
    EXPECT_EQ(e.Font.CellHeight, 40);
    EXPECT_EQ(e.Font.AverageWidth, 50);
    EXPECT_EQ(e.Font.Name, QStringLiteral("Arial"));
}

TEST(TextShape, GlyphsFillTheRectangleInOneGrey)
{
    TPixelEngine256 e(260, 60);
    e.Fill(0);
    Tool_dm_Text t(1, 10, 5, 200, 40, QStringLiteral("HHHH"));
    t.Depth = 150;
    t.Bold = true;
    t.Draw(e);
    const Painted p = PaintedPixels(e, 0);
    ASSERT_GT(p.count, 500);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 260; ++x)
            ASSERT_TRUE(e.Pixel(x, y) == 0 || e.Pixel(x, y) == 150) << x << "," << y;
    EXPECT_GE(p.box.Top, 5);
    EXPECT_LE(p.box.Bottom, 45);
    // Stretched to about the rectangle's width.
    EXPECT_GT(p.box.Right - p.box.Left, 160);
    EXPECT_LE(p.box.Right, 225);
}

TEST(TextShape, EmptyTextOrRectangleDrawsNothing)
{
    TPixelEngine256 e(50, 50);
    e.Fill(3);
    Tool_dm_Text t(1, 0, 0, 40, 40, QString());
    t.Draw(e);
    Tool_dm_Text flat(2, 0, 0, 40, 0, QStringLiteral("abc"));
    flat.Draw(e);
    EXPECT_EQ(PaintedPixels(e, 3).count, 0);
}

struct ShapeCase
{
    std::string name;
    std::function<std::unique_ptr<Tool_dm>()> make;
};

void PrintTo(const ShapeCase& c, std::ostream* os)
{
    *os << c.name;
}

class EveryShape : public testing::TestWithParam<ShapeCase>
{
};

TEST_P(EveryShape, InvertedDepth255PaintsZero)
{
    auto shape = GetParam().make();
    shape->Depth = 255;
    shape->Invert = true;
    TPixelEngine256 e(120, 80);
    e.Fill(128);
    shape->Draw(e);
    const Painted p = PaintedPixels(e, 128);
    ASSERT_GT(p.count, 50);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_TRUE(e.Pixel(x, y) == 128 || e.Pixel(x, y) == 0) << x << "," << y;
}

TEST_P(EveryShape, DrawClippedTouchesOnlyTheClipRectangle)
{
    auto shape = GetParam().make();
    TPixelEngine256 whole(120, 80);
    whole.Fill(0);
    shape->Draw(whole);
    TPixelEngine256 clipped(120, 80);
    clipped.Fill(0);
    const Box clip{30, 20, 70, 50};
    shape->DrawClipped(clipped, clip);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool inside =
                x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
            ASSERT_EQ(clipped.Pixel(x, y), inside ? whole.Pixel(x, y) : 0) << x << "," << y;
        }
    // The clip is lifted afterwards.
    clipped.Fill(0);
    shape->Draw(clipped);
    EXPECT_EQ(PaintedPixels(clipped, 0).count, PaintedPixels(whole, 0).count);
}

TEST_P(EveryShape, DrawIsRenderAtTheObjectsRectangle)
{
    auto shape = GetParam().make();
    TPixelEngine256 a(120, 80), b(120, 80);
    a.Fill(0);
    b.Fill(0);
    shape->Draw(a);
    shape->Render(b, shape->Left, shape->Top, shape->Width, shape->Height);
    EXPECT_EQ(a.ToQImage(), b.ToQImage());
}

const ShapeCase kShapes[] = {
    {"Rectangle", [] { return std::make_unique<Tool_dm_Rectangle>(1, 10, 10, 90, 60); }},
    {"RoundedRectangle",
     [] {
         auto r = std::make_unique<Tool_dm_Rectangle>(1, 10, 10, 90, 60);
         r->Rounding = 50;
         return r;
     }},
    {"Ellipse", [] { return std::make_unique<Tool_dm_Ellipse>(1, 10, 10, 90, 60); }},
    {"Line",
     [] {
         auto l = std::make_unique<Tool_dm_line>(1, 10, 10, 90, 60, 1, 1);
         l->Thickness = 12;
         return l;
     }},
    {"Polygon", [] { return std::make_unique<Tool_dm_polygon>(1, 10, 10, 90, 60); }},
    {"Text",
     [] { return std::make_unique<Tool_dm_Text>(1, 10, 10, 90, 60, QStringLiteral("Mw8")); }},
};

INSTANTIATE_TEST_SUITE_P(Kinds, EveryShape, testing::ValuesIn(kShapes),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace lumora
