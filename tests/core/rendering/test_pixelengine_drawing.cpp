// Canvas drawing on both buffers: coverage of shapes and lines, pens,
// clipping and text.
#include "common/random_generator.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"

#include <QPoint>
#include <QRect>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lumora {
namespace {

// The smallest rectangle holding every pixel that differs from background.
QRect CoveredBox(const TPixelEngine256& p, uint8_t background = 0)
{
    QRect box;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            if (p.Pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

std::set<std::pair<int, int>> CoveredPixels(const TPixelEngine256& p, uint8_t background = 0)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            if (p.Pixel(x, y) != background)
                pixels.insert({x, y});
    return pixels;
}

std::vector<std::string> Picture(const TPixelEngine256& p)
{
    std::vector<std::string> rows;
    for (int y = 0; y < p.Height(); ++y) {
        std::string row;
        for (int x = 0; x < p.Width(); ++x)
            row += p.Pixel(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

void ExpectSymmetricRowRuns(const TPixelEngine256& p, const QRect& box, const std::string& what)
{
    for (int y = box.top(); y <= box.bottom(); ++y) {
        int runs = 0;
        for (int x = box.left(); x <= box.right(); ++x) {
            const bool on = p.Pixel(x, y) != 0;
            runs += on && (x == box.left() || p.Pixel(x - 1, y) == 0);
            ASSERT_EQ(on, p.Pixel(box.left() + box.right() - x, y) != 0) << what << " row " << y;
            ASSERT_EQ(on, p.Pixel(x, box.top() + box.bottom() - y) != 0) << what << " row " << y;
        }
        ASSERT_EQ(runs, 1) << what << " row " << y;
    }
}

TEST(Drawing, RectangleCoversColumnsLeftToRightMinusOne)
{
    struct Case
    {
        int l, t, r, b;
        QRect covered;
    };
    const Case cases[] = {
        {2, 3, 7, 9, QRect(2, 3, 5, 6)},   {7, 9, 2, 3, QRect(2, 3, 5, 6)},
        {0, 0, 1, 1, QRect(0, 0, 1, 1)},   {5, 5, 5, 9, QRect()},
        {-5, -5, 3, 2, QRect(0, 0, 3, 2)}, {8, 8, 100, 100, QRect(8, 8, 4, 4)},
    };
    for (const Case& c : cases) {
        TPixelEngine256 p(12, 12);
        p.SetBrushGrey(200);
        p.SetPen(1, true);
        p.Rectangle(c.l, c.t, c.r, c.b);
        EXPECT_EQ(CoveredBox(p), c.covered) << c.l << "," << c.t << "," << c.r << "," << c.b;
        EXPECT_EQ(static_cast<int>(CoveredPixels(p).size()),
                  c.covered.width() * c.covered.height());
    }
}

TEST(Drawing, OnePixelPenOutlinesInItsOwnColour)
{
    TPixelEngine256 p(8, 7);
    p.SetBrushGrey(100);
    p.SetPen(1, true); // the pen keeps the colour of its making
    p.SetBrushGrey(200);
    p.Rectangle(1, 1, 6, 5);
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 6; ++x) {
            const bool border = x == 1 || x == 5 || y == 1 || y == 4;
            EXPECT_EQ(p.Pixel(x, y), border ? 100 : 200) << x << "," << y;
        }
    p.Fill(0);
    p.Line(0, 6, 8, 6);
    EXPECT_EQ(p.Pixel(3, 6), 100);
}

TEST(Drawing, ColourBufferDrawsTheBrushBytes)
{
    TPixelEngine p(4, 3);
    p.SetBrushColor(MakeColour(10, 20, 30));
    p.SetPen(1, true);
    p.Rectangle(1, 0, 3, 2);
    const uint8_t* q = p.Row(2) + 3;
    EXPECT_EQ(q[0], 30);
    EXPECT_EQ(q[1], 20);
    EXPECT_EQ(q[2], 10);
    EXPECT_EQ(p.Pixel(2, 1), MakeColour(10, 20, 30));
    EXPECT_EQ(p.Pixel(3, 1), Colour{0});
    EXPECT_EQ(p.Pixel(1, 2), Colour{0});
}

TEST(Drawing, EllipseTouchesEveryEdgeOfItsRectangleAndNoMore)
{
    std::vector<std::pair<int, int>> sizes;
    for (int w = 1; w <= 40; ++w)
        for (int h = 1; h <= 40; ++h)
            sizes.push_back({w, h});
    for (auto extra : {std::pair{100, 2}, {2, 100}, {120, 5}, {7, 130}, {140, 139}})
        sizes.push_back(extra);
    TPixelEngine256 p(150, 150);
    p.SetBrushGrey(255);
    p.SetPen(1, true);
    for (auto [w, h] : sizes) {
        p.Fill(0);
        p.Ellipse(3, 4, 3 + w, 4 + h);
        const QRect box = CoveredBox(p);
        ASSERT_EQ(box, QRect(3, 4, w, h)) << w << " x " << h;
        ExpectSymmetricRowRuns(p, box, std::to_string(w) + " x " + std::to_string(h));
    }
}

TEST(Drawing, SmallCircleShape)
{
    TPixelEngine256 p(5, 5);
    p.SetBrushGrey(9);
    p.SetPen(1, true);
    p.Ellipse(0, 0, 5, 5);
    EXPECT_EQ(Picture(p), (std::vector<std::string>{".###.", "#####", "#####", "#####", ".###."}));
    TPixelEngine colour(5, 5);
    colour.SetBrushColor(MakeColour(1, 2, 3));
    colour.SetPen(1, true);
    colour.Ellipse(0, 0, 5, 5);
    EXPECT_EQ(colour.Pixel(0, 0), Colour{0});
    EXPECT_EQ(colour.Pixel(1, 0), MakeColour(1, 2, 3));
}

TEST(Drawing, EllipseOutlineIsItsBorder)
{
    TPixelEngine256 p(30, 20);
    p.SetBrushGrey(100);
    p.SetPen(1, true);
    p.SetBrushGrey(200);
    p.Ellipse(2, 2, 28, 18);
    EXPECT_EQ(p.Pixel(15, 10), 200);
    EXPECT_EQ(p.Pixel(2, 10), 100);
    EXPECT_EQ(p.Pixel(15, 2), 100);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) {
            const uint8_t v = p.Pixel(x, y);
            if (v == 0)
                continue;
            const bool edge = p.Pixel(x - 1, y) == 0 || p.Pixel(x + 1, y) == 0 ||
                              p.Pixel(x, y - 1) == 0 || p.Pixel(x, y + 1) == 0;
            ASSERT_EQ(v, edge ? 100 : 200) << x << "," << y;
        }
}

TEST(Drawing, RoundRectCornersBetweenRectangleAndEllipse)
{
    TPixelEngine256 a(24, 16), b(24, 16);
    for (TPixelEngine256* p : {&a, &b})
        p->SetBrushGrey(255);
    a.RoundRect(2, 2, 22, 14, 0, 0);
    b.Rectangle(2, 2, 22, 14);
    EXPECT_EQ(Picture(a), Picture(b));
    a.Fill(0);
    b.Fill(0);
    a.RoundRect(2, 2, 22, 14, 20, 12);
    b.Ellipse(2, 2, 22, 14);
    EXPECT_EQ(Picture(a), Picture(b));
    a.Fill(0);
    a.RoundRect(2, 2, 22, 14, 8, 8);
    EXPECT_EQ(CoveredBox(a), QRect(2, 2, 20, 12));
    ExpectSymmetricRowRuns(a, QRect(2, 2, 20, 12), "round rectangle");
    EXPECT_EQ(a.Pixel(2, 2), 0);
    EXPECT_EQ(a.Pixel(6, 2), 255);
    EXPECT_EQ(a.Pixel(2, 6), 255);
    EXPECT_EQ(a.Pixel(12, 2), 255);
}

TEST(Drawing, ChordRunsCounterClockwiseFromTheFirstRadial)
{
    TPixelEngine256 left(20, 10);
    left.SetBrushGrey(255);
    left.Chord(0, 0, 20, 10, 10, 0, 10, 10); // top to bottom through the left
    EXPECT_EQ(left.Pixel(2, 5), 255);
    EXPECT_EQ(left.Pixel(17, 5), 0);
    EXPECT_EQ(CoveredBox(left).left(), 0);
    EXPECT_LE(CoveredBox(left).right(), 10);

    TPixelEngine256 right(20, 10);
    right.SetBrushGrey(255);
    right.Chord(0, 0, 20, 10, 10, 10, 10, 0);
    EXPECT_EQ(right.Pixel(2, 5), 0);
    EXPECT_EQ(right.Pixel(17, 5), 255);
    EXPECT_EQ(CoveredBox(right).right(), 19);

    // A quarter from the right end up to the top: the segment cut off by
    // the line between them.
    TPixelEngine256 quarter(21, 21);
    quarter.SetBrushGrey(255);
    quarter.Chord(0, 0, 21, 21, 20, 10, 10, 0);
    EXPECT_EQ(quarter.Pixel(16, 4), 255);
    EXPECT_EQ(quarter.Pixel(10, 10), 0);
    EXPECT_EQ(quarter.Pixel(4, 4), 0);
    EXPECT_EQ(quarter.Pixel(16, 16), 0);

    // Coinciding radials give the whole ellipse.
    TPixelEngine256 whole(20, 10), ellipse(20, 10);
    whole.SetBrushGrey(255);
    ellipse.SetBrushGrey(255);
    whole.Chord(0, 0, 20, 10, 19, 5, 19, 5);
    ellipse.Ellipse(0, 0, 20, 10);
    EXPECT_EQ(Picture(whole), Picture(ellipse));
}

TEST(Drawing, HalfEllipseBandOfTheGradient)
{
    // The outer band of a half-elliptical gradient at 0 degrees: the left
    // half of the ellipse centred on the middle of the right edge.
    const int w = 20, h = 10, i = 5;
    TPixelEngine256 p(w, h);
    p.SetBrushGrey(255);
    p.SetPen(1, true);
    p.Chord(i, 0, 2 * w - i, h, w, 0, w, h);
    EXPECT_EQ(p.Pixel(i, h / 2), 255);
    EXPECT_EQ(p.Pixel(i - 1, h / 2), 0);
    EXPECT_EQ(p.Pixel(w - 1, 0), 255);
    EXPECT_EQ(p.Pixel(w - 1, h - 1), 255);
    EXPECT_EQ(p.Pixel(i, 0), 0);
}

struct LineCase
{
    int x1, y1, x2, y2;
    std::set<std::pair<int, int>> pixels;
};

TEST(Drawing, OnePixelLinesLeaveOutTheEndPoint)
{
    const LineCase cases[] = {
        {1, 1, 6, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}},
        {6, 1, 1, 1, {{6, 1}, {5, 1}, {4, 1}, {3, 1}, {2, 1}}},
        {2, 2, 2, 7, {{2, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}}},
        {0, 0, 4, 4, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
        {3, 3, 3, 3, {}},
        {-2, 0, 2, 0, {{0, 0}, {1, 0}}},
    };
    for (const LineCase& c : cases) {
        TPixelEngine256 p(8, 8);
        p.SetBrushGrey(255);
        p.SetPen(1, false);
        p.Line(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(CoveredPixels(p), c.pixels)
            << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
    }
}

// The plain form of a one-pixel line: step k of the major axis has the
// minor offset k * minor / steps rounded halves up; the end point is left
// out.
std::set<std::pair<int, int>> PlainLine(int x1, int y1, int x2, int y2, int w, int h)
{
    std::set<std::pair<int, int>> pixels;
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    const int steps = std::max(dx, dy);
    for (int k = 0; k < steps; ++k) {
        const double minor =
            std::floor((dx >= dy ? dy : dx) * static_cast<double>(k) / steps + 0.5);
        const int x = dx >= dy ? x1 + sx * k : x1 + sx * static_cast<int>(minor);
        const int y = dx >= dy ? y1 + sy * static_cast<int>(minor) : y1 + sy * k;
        if (x >= 0 && y >= 0 && x < w && y < h)
            pixels.insert({x, y});
    }
    return pixels;
}

TEST(Drawing, OnePixelLinesMatchThePlainFormOnRandomLines)
{
    RandomGenerator random(20240611);
    TPixelEngine256 p(20, 15);
    p.SetBrushGrey(255);
    for (int n = 0; n < 2000; ++n) {
        const int x1 = random.Random(60) - 20, y1 = random.Random(45) - 15;
        const int x2 = random.Random(60) - 20, y2 = random.Random(45) - 15;
        p.Fill(0);
        p.Line(x1, y1, x2, y2);
        ASSERT_EQ(CoveredPixels(p), PlainLine(x1, y1, x2, y2, 20, 15))
            << x1 << "," << y1 << " - " << x2 << "," << y2;
    }
}

TEST(Drawing, FarReachingLinesAreCutToThePicture)
{
    TPixelEngine256 p(9, 7);
    p.SetBrushGrey(255);
    p.Line(-1000000000, 3, 1000000000, 3);
    p.Line(5, -1000000000, 5, 1000000000);
    EXPECT_EQ(CoveredPixels(p).size(), 9u + 7u - 1u);
    p.Fill(0);
    p.SetPen(4, true);
    p.Line(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(p.Pixel(3, 3), 255);
    EXPECT_EQ(p.Pixel(8, 0), 0);
}

TEST(Drawing, WidePensHaveRoundOrSquareEnds)
{
    TPixelEngine256 square(30, 20);
    square.SetBrushGrey(255);
    square.SetPen(3, true);
    square.Line(5, 10, 25, 10);
    EXPECT_EQ(CoveredBox(square), QRect(4, 9, 23, 3));
    EXPECT_EQ(CoveredPixels(square).size(), 23u * 3u);

    TPixelEngine256 vertical(12, 12);
    vertical.SetBrushGrey(255);
    vertical.SetPen(2, false);
    vertical.Line(5, 1, 5, 9);
    EXPECT_EQ(CoveredBox(vertical), QRect(4, 1, 2, 9));

    TPixelEngine256 squareEnds(60, 40), roundEnds(60, 40);
    squareEnds.SetBrushGrey(255);
    roundEnds.SetBrushGrey(255);
    squareEnds.SetPen(6, true);
    roundEnds.SetPen(6, false);
    squareEnds.Line(20, 20, 40, 20);
    roundEnds.Line(20, 20, 40, 20);
    EXPECT_EQ(squareEnds.Pixel(17, 17), 255);
    EXPECT_EQ(roundEnds.Pixel(17, 17), 0);
    EXPECT_EQ(roundEnds.Pixel(17, 20), 255);
    EXPECT_EQ(roundEnds.Pixel(30, 17), 255);
    EXPECT_EQ(roundEnds.Pixel(30, 23), 0);

    // A diagonal keeps its width across the rows.
    TPixelEngine256 diagonal(40, 40);
    diagonal.SetBrushGrey(255);
    diagonal.SetPen(2, false);
    diagonal.Line(0, 0, 39, 39);
    for (int y = 5; y < 35; ++y) {
        int count = 0;
        for (int x = 0; x < 40; ++x)
            count += diagonal.Pixel(x, y) != 0;
        EXPECT_GE(count, 2) << y;
        EXPECT_LE(count, 3) << y;
    }
}

// A wide line that only crosses a narrow picture or clip window covers
// there what the same line covers in a picture large enough to hold it.
TEST(Drawing, WideLinesCutToANarrowPictureKeepTheirPixels)
{
    uint32_t seed = 3;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(range));
    };
    constexpr int kBig = 240;
    constexpr int kLeft = 100, kTop = 30, kWidth = 9, kHeight = 170;
    for (int n = 0; n < 300; ++n) {
        const int x1 = next(kBig), y1 = next(kBig), x2 = next(kBig), y2 = next(kBig);
        const int width = 2 + next(12);
        const bool squareCaps = n % 2 == 0;
        TPixelEngine256 big(kBig, kBig), narrow(kWidth, kHeight), clipped(kBig, kBig);
        for (TPixelEngine256* p : {&big, &narrow, &clipped}) {
            p->SetBrushGrey(255);
            p->SetPen(width, squareCaps);
        }
        big.Line(x1, y1, x2, y2);
        narrow.Line(x1 - kLeft, y1 - kTop, x2 - kLeft, y2 - kTop);
        clipped.SetClipRect(kLeft, kTop, kLeft + kWidth, kTop + kHeight);
        clipped.Line(x1, y1, x2, y2);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                ASSERT_EQ(narrow.Pixel(x, y), big.Pixel(x + kLeft, y + kTop))
                    << "line " << n << " at " << x << "," << y;
                ASSERT_EQ(clipped.Pixel(x + kLeft, y + kTop), big.Pixel(x + kLeft, y + kTop))
                    << "line " << n << " at " << x << "," << y;
            }
    }
}

TEST(Drawing, PolygonOutlinePassesThroughTheVertices)
{
    TPixelEngine256 p(16, 16);
    p.SetBrushGrey(255);
    p.SetPen(1, true);
    p.Polygon({{2, 2}, {12, 2}, {12, 12}, {2, 12}});
    EXPECT_EQ(CoveredBox(p), QRect(2, 2, 11, 11));
    EXPECT_EQ(CoveredPixels(p).size(), 121u);
}

TEST(Drawing, PolygonFillsByTheEvenOddRule)
{
    // A pentagram: its inner pentagon is crossed twice and stays empty.
    std::vector<QPoint> star;
    for (int k = 0; k < 5; ++k) {
        const double a = std::numbers::pi / 2 + k * 4 * std::numbers::pi / 5;
        star.push_back(QPoint(static_cast<int>(std::lround(40 + 35 * std::cos(a))),
                              static_cast<int>(std::lround(40 - 35 * std::sin(a)))));
    }
    TPixelEngine256 p(80, 80);
    p.SetBrushGrey(255);
    p.SetPen(1, true);
    p.Polygon(star);
    EXPECT_EQ(p.Pixel(40, 40), 0);
    EXPECT_EQ(p.Pixel(40, 12), 255); // inside the top tip
    EXPECT_EQ(p.Pixel(40, 5), 255);  // the top vertex
    EXPECT_EQ(p.Pixel(5, 5), 0);
}

TEST(Drawing, ClipRectangleRestrictsEveryPrimitive)
{
    TPixelEngine256 p(20, 20);
    p.SetBrushGrey(255);
    p.SetPen(3, false);
    p.SetClipRect(5, 5, 10, 10);
    p.Rectangle(0, 0, 20, 20);
    p.Ellipse(0, 0, 20, 20);
    p.Line(0, 0, 20, 20);
    p.Polygon({{0, 0}, {19, 0}, {0, 19}});
    p.Chord(0, 0, 20, 20, 0, 0, 20, 20);
    p.RoundRect(0, 0, 20, 20, 5, 5);
    p.Font.CellHeight = 20;
    p.Font.Color = MakeColour(255, 255, 255);
    p.TextOut(0, 0, QStringLiteral("WWW"));
    EXPECT_EQ(CoveredBox(p), QRect(5, 5, 5, 5));
    p.ResetClip();
    p.Rectangle(0, 0, 20, 20);
    EXPECT_EQ(CoveredBox(p), QRect(0, 0, 20, 20));
}

TEST(Drawing, TextSetsOnlyGlyphPixelsInTheFontColour)
{
    TPixelEngine256 p(120, 50);
    p.Fill(50);
    p.Font.CellHeight = 30;
    p.Font.Color = MakeColour(0, 0, 200); // the blue byte is the grey
    p.TextOut(3, 4, QStringLiteral("Hg"));
    int glyph = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 120; ++x) {
            const uint8_t v = p.Pixel(x, y);
            ASSERT_TRUE(v == 50 || v == 200) << int(v);
            glyph += v == 200;
        }
    EXPECT_GT(glyph, 50);
    const QRect box = CoveredBox(p, 50);
    EXPECT_GE(box.left(), 3);
    EXPECT_GE(box.top(), 4);
    EXPECT_LT(box.bottom(), 4 + 30);
    EXPECT_LE(box.right(), 3 + p.TextWidth(QStringLiteral("Hg")));

    TPixelEngine colour(60, 30);
    colour.Font.CellHeight = 20;
    colour.Font.Color = MakeColour(10, 200, 30);
    colour.TextOut(0, 0, QStringLiteral("Ab"));
    int coloured = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const Colour c = colour.Pixel(x, y);
            ASSERT_TRUE(c == 0 || c == MakeColour(10, 200, 30));
            coloured += c != 0;
        }
    EXPECT_GT(coloured, 20);
}

TEST(Drawing, CellHeightSetsTheTextHeight)
{
    TPixelEngine p(1, 1);
    for (int cell : {8, 12, 20, 33, 40, 61, 100, 250}) {
        p.Font.CellHeight = cell;
        const int height = p.TextHeight(QStringLiteral("Xg"));
        EXPECT_LE(height, cell);
        EXPECT_GE(height, cell - 2) << cell;
    }
    p.Font.CellHeight = 0;
    p.Font.Size = 8; // 11 pixels of character height at 96 dpi
    EXPECT_GE(p.TextHeight(QStringLiteral("X")), 12);
    EXPECT_LE(p.TextHeight(QStringLiteral("X")), 14);
    p.Font.Size = 16;
    EXPECT_GE(p.TextHeight(QStringLiteral("X")), 23);
}

TEST(Drawing, AverageWidthStretchesTheText)
{
    TPixelEngine256 p(1, 1);
    p.Font.CellHeight = 40;
    const QString text = QStringLiteral("Hello world");
    const int natural = p.TextWidth(text);
    p.Font.AverageWidth = 10;
    const int narrow = p.TextWidth(text);
    p.Font.AverageWidth = 20;
    const int wide = p.TextWidth(text);
    EXPECT_GT(natural, 0);
    EXPECT_NEAR(static_cast<double>(wide) / narrow, 2.0, 0.2);
    EXPECT_NE(narrow, natural);
    p.Font.AverageWidth = 0;
    p.Font.Bold = true;
    EXPECT_GT(p.TextWidth(text), natural);
    EXPECT_EQ(p.TextWidth(QString()), 0);
}

} // namespace
} // namespace lumora
