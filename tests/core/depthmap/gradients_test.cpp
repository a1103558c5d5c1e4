// The gradient kinds 6 to 9: their pictures as the build procedures make
// them, the transparent value, drawing opaque or keyed, and rendering by
// building at the render size.
#include "common/lumora_error.h"
#include "common/numeric.h"
#include "depthmap/depth_composition.h"
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_gradient_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_rectangle.h"
#include "depthmap/tool_dm_gradient_rectangle.h"
#include "depthmap/tool_dm_rectangle.h"
#include "picture_test_support.h"

#include <gtest/gtest.h>
#include <ostream>

#include <cfenv>
#include <cmath>
#include <functional>
#include <random>
#include <utility>

namespace lumora {
namespace {

using testing_support::CountDifferences;
using testing_support::DistinctValues;
using testing_support::Filled;
using testing_support::SamePicture;

std::unique_ptr<Tool_dm_Gradient_Rectangle> Linear(int w, int h, int angle, uint8_t start,
                                                   uint8_t end, bool mirrorH = false,
                                                   bool mirrorV = false, bool invert = false)
{
    auto g = std::make_unique<Tool_dm_Gradient_Rectangle>(1, 0, 0, w, h);
    g->StartDepth = start;
    g->EndDepth = end;
    g->Angle = angle;
    g->SetFlags(invert, mirrorH, mirrorV, true);
    return g;
}

// ---- kind 6: linear gradient ------------------------------------------

struct AxisCase
{
    const char* name;
    int angle;
    bool mirrorH, mirrorV, invert;
    bool alongX;        // the grey changes from column to column
    bool fromStartSide; // step 0 carries StartDepth
};

void PrintTo(const AxisCase& c, std::ostream* os)
{
    *os << c.name;
}

class LinearAxis : public testing::TestWithParam<AxisCase>
{
};

// Column (or row) n carries m + MulDiv(n, o - m, W (or H)), exactly.
TEST_P(LinearAxis, EveryLineCarriesItsMulDivStep)
{
    const AxisCase& c = GetParam();
    const int W = 100, H = 50;
    const uint8_t S = 20, E = 220;
    const auto g = Linear(W, H, c.angle, S, E, c.mirrorH, c.mirrorV, c.invert);
    const int m = c.fromStartSide ? S : E;
    const int o = c.fromStartSide ? E : S;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int n = c.alongX ? x : y;
            const int expected = m + MulDiv(n, o - m, c.alongX ? W : H);
            ASSERT_EQ(g->Picture->Pixel(x, y), expected) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Kind6, LinearAxis,
    testing::Values(AxisCase{"At0", 0, false, false, false, true, true},
                    AxisCase{"At360", 360, false, false, false, true, true},
                    AxisCase{"At180", 180, false, false, false, true, false},
                    AxisCase{"At0MirroredH", 0, true, false, false, true, false},
                    AxisCase{"At0Inverted", 0, false, false, true, true, false},
                    AxisCase{"At0MirroredV", 0, false, true, false, true, true},
                    // 90 rises to the top: the top row is step 0 and carries EndDepth.
                    AxisCase{"At90", 90, false, false, false, false, false},
                    AxisCase{"At270", 270, false, false, false, false, true},
                    AxisCase{"At90MirroredV", 90, false, true, false, false, true},
                    AxisCase{"At90MirroredH", 90, true, false, false, false, false},
                    AxisCase{"At270Inverted", 270, false, false, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The axis-parallel sweep writes its lines straight into the rows: the
// same pixels as one-pixel lines drawn by the buffer, on random sizes.
TEST(Kind6, AxisSweepEqualsTheBuffersOnePixelLines)
{
    std::mt19937 random(3);
    for (int n = 0; n < 40; ++n) {
        const int W = 1 + static_cast<int>(random() % 150),
                  H = 1 + static_cast<int>(random() % 150);
        const int angle = n % 2 == 0 ? 0 : 90;
        const auto g =
            Linear(W, H, angle, static_cast<uint8_t>(random()), static_cast<uint8_t>(random()));
        TPixelEngine256 plain(W, H);
        plain.SetClipRect(0, 0, W, H);
        const int m = g->StartDepth, o = g->EndDepth;
        const int count = angle == 0 ? W : H;
        for (int i = 0; i <= count; ++i) {
            // At 90 the top row is step 0 and carries EndDepth.
            const int grey = angle == 0 ? m + MulDiv(i, o - m, W) : o + MulDiv(i, m - o, H);
            plain.SetBrushGrey(grey);
            plain.SetPen(1, false);
            if (angle == 0)
                plain.Line(i, 0, i, H);
            else
                plain.Line(0, i, W, i);
        }
        ASSERT_TRUE(SamePicture(*g->Picture, plain)) << W << "x" << H << " at " << angle;
    }
}

struct DiagonalCase
{
    int w, h, angle;
};

void PrintTo(const DiagonalCase& c, std::ostream* os)
{
    *os << c.w << " x " << c.h << " at " << c.angle << " degrees";
}

class LinearDiagonal : public testing::TestWithParam<DiagonalCase>
{
};

// Every pixel is covered by some line, and the depth grows in the
// gradient's direction: of two pixels whose positions along the direction
// differ by 3 pixels or more, the farther one is never lower.
TEST_P(LinearDiagonal, CoversThePictureAndRisesAlongItsDirection)
{
    const DiagonalCase& c = GetParam();
    const auto g = Linear(c.w, c.h, c.angle, 10, 250);
    const double a = c.angle * M_PI / 180.0;
    auto along = [&](int x, int y) { return x * std::cos(a) - y * std::sin(a); }; // y points down
    std::mt19937 random(c.angle * 1000 + c.w);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            ASSERT_GE(g->Picture->Pixel(x, y), 10) << "uncovered " << x << "," << y;
    for (int n = 0; n < 20000; ++n) {
        const int x1 = static_cast<int>(random() % c.w), y1 = static_cast<int>(random() % c.h);
        const int x2 = static_cast<int>(random() % c.w), y2 = static_cast<int>(random() % c.h);
        if (along(x2, y2) - along(x1, y1) >= 3.0) {
            ASSERT_LE(g->Picture->Pixel(x1, y1), g->Picture->Pixel(x2, y2))
                << x1 << "," << y1 << " / " << x2 << "," << y2;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kind6, LinearDiagonal,
                         testing::Values(DiagonalCase{100, 100, 45}, DiagonalCase{120, 60, 30},
                                         DiagonalCase{60, 120, 60}, DiagonalCase{120, 60, 135},
                                         DiagonalCase{60, 120, 120}, DiagonalCase{120, 60, 200},
                                         DiagonalCase{60, 120, 250}, DiagonalCase{120, 60, 300},
                                         DiagonalCase{60, 120, 330}, DiagonalCase{90, 80, 89},
                                         DiagonalCase{90, 80, 1}));

TEST(Kind6, At45OnASquareRunsFromBottomLeftToTopRight)
{
    const int N = 100;
    const auto g = Linear(N, N, 45, 0, 255);
    const TPixelEngine256& p = *g->Picture;
    EXPECT_LE(p.Pixel(0, N - 1), 3);
    EXPECT_GE(p.Pixel(N - 1, 0), 252);
    // Lines of equal depth run from the top left to the bottom right.
    int equal = 0, total = 0;
    for (int y = 1; y < N - 1; ++y)
        for (int x = 1; x < N - 1; ++x, ++total)
            equal += p.Pixel(x, y) == p.Pixel(x + 1, y + 1);
    EXPECT_GT(equal, total * 95 / 100);
    for (int k = 1; k < N; ++k)
        EXPECT_LE(p.Pixel(k - 1, N - k), p.Pixel(k, N - 1 - k)) << k;
}

struct MirrorCase
{
    int angle;
    bool mirrorH, mirrorV;
    int buildsAs;
};

// The mirrors change the direction only: the picture equals the one built
// at the mirrored angle.
TEST(Kind6, MirrorsBuildAsTheMirroredAngle)
{
    const MirrorCase cases[] = {{30, false, true, 330},  {30, true, false, 150},
                                {30, true, true, 210},   {200, true, false, 340},
                                {135, false, true, 225}, {300, true, true, 120}};
    for (const MirrorCase& c : cases) {
        for (auto [w, h] : {std::pair{90, 50}, std::pair{50, 90}}) {
            const auto mirrored = Linear(w, h, c.angle, 5, 240, c.mirrorH, c.mirrorV);
            const auto plain = Linear(w, h, c.buildsAs, 5, 240);
            EXPECT_TRUE(SamePicture(*mirrored->Picture, *plain->Picture))
                << c.angle << " " << c.mirrorH << c.mirrorV << " " << w << "x" << h;
        }
    }
}

TEST(Kind6, InvertExchangesTheDepthsInsteadOfInvertingValues)
{
    for (int angle : {0, 45, 90, 160, 250, 300}) {
        const auto inverted = Linear(80, 60, angle, 30, 200, false, false, true);
        const auto swapped = Linear(80, 60, angle, 200, 30);
        EXPECT_TRUE(SamePicture(*inverted->Picture, *swapped->Picture)) << angle;
    }
}

TEST(Kind6, AnglesOutsideTheCircleDrawNothing)
{
    for (int angle : {-1, 361, 720}) {
        const auto g = Linear(40, 30, angle, 100, 200);
        EXPECT_EQ(DistinctValues(*g->Picture), std::set<uint8_t>{0}) << angle;
    }
}

TEST(Kind6, TheRoundingDirectionIsRestored)
{
    for (int mode : {FE_TONEAREST, FE_UPWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        const auto g = Linear(70, 40, 30, 0, 255);
        const int after = std::fegetround();
        std::fesetround(FE_TONEAREST);
        EXPECT_EQ(after, mode);
    }
}

// The sweep plans its lines under the rounding toward minus infinity: the
// caller's rounding direction changes nothing.
TEST(Kind6, PictureDoesNotDependOnTheCallersRounding)
{
    const auto reference = Linear(97, 61, 37, 0, 255);
    std::fesetround(FE_UPWARD);
    const auto upward = Linear(97, 61, 37, 0, 255);
    std::fesetround(FE_TONEAREST);
    EXPECT_TRUE(SamePicture(*reference->Picture, *upward->Picture));
}

// ---- kind 7: half-elliptical bands ---------------------------------------

struct EllipseCase
{
    const char* name;
    int angle;
    bool mirrorH, mirrorV;
    int drawnAs; // 0 right edge, 90 top, 180 left, 270 bottom
};

void PrintTo(const EllipseCase& c, std::ostream* os)
{
    *os << c.name;
}

class HalfEllipse : public testing::TestWithParam<EllipseCase>
{
};

// Band i carries m + MulDiv(i, o - m, n) and is found i pixels in from the
// far edge, on the line through the middle of the centre edge.
TEST_P(HalfEllipse, BandsStepInFromTheFarEdge)
{
    const EllipseCase& c = GetParam();
    const int W = 60, H = 40;
    Tool_dm_Gradient_Ellipse g(1, 0, 0, W, H);
    g.StartDepth = 10;
    g.EndDepth = 250;
    g.Angle = c.angle;
    g.SetFlags(false, c.mirrorH, c.mirrorV, true);
    EXPECT_EQ(g.DrawnAngle() % 360, c.drawnAs);
    const TPixelEngine256& p = *g.Picture;
    const bool horizontal = c.drawnAs == 0 || c.drawnAs == 180;
    const int n = horizontal ? W : H;
    for (int i = 0; i < n; ++i) {
        const int expected = 10 + MulDiv(i, 240, n);
        int x = W / 2, y = H / 2 - 1;
        switch (c.drawnAs) {
        case 0:
            x = i;
            break;
        case 180:
            x = W - 1 - i;
            break;
        case 90:
            y = H - 1 - i;
            break;
        default:
            y = i;
            break;
        }
        ASSERT_EQ(p.Pixel(x, y), expected) << "band " << i;
    }
    // The far corners lie outside the outermost band.
    const bool farLeft = c.drawnAs == 0, farRight = c.drawnAs == 180;
    const bool farTop = c.drawnAs == 270, farBottom = c.drawnAs == 90;
    if (farLeft || farTop) {
        EXPECT_EQ(p.Pixel(0, 0), 0);
    }
    if (farRight || farBottom) {
        EXPECT_EQ(p.Pixel(W - 1, H - 1), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Kind7, HalfEllipse,
                         testing::Values(EllipseCase{"At0", 0, false, false, 0},
                                         EllipseCase{"At360", 360, false, false, 0},
                                         EllipseCase{"At180", 180, false, false, 180},
                                         EllipseCase{"At90", 90, false, false, 90},
                                         EllipseCase{"At270", 270, false, false, 270},
                                         EllipseCase{"At0MirroredH", 0, true, false, 180},
                                         EllipseCase{"At180MirroredH", 180, true, false, 0},
                                         EllipseCase{"At90MirroredV", 90, false, true, 270},
                                         EllipseCase{"At270MirroredV", 270, false, true, 90},
                                         EllipseCase{"At90MirroredH", 90, true, false, 90},
                                         EllipseCase{"At0MirroredV", 0, false, true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Kind7, At90MirroredVBuildsAs270CentredOnTheBottomEdge)
{
    Tool_dm_Gradient_Ellipse mirrored(1, 0, 0, 80, 50);
    mirrored.Angle = 90;
    mirrored.SetFlags(false, false, true, true);
    Tool_dm_Gradient_Ellipse plain(2, 0, 0, 80, 50);
    plain.Angle = 270;
    plain.SetSize(80, 50, true);
    EXPECT_TRUE(SamePicture(*mirrored.Picture, *plain.Picture));
    EXPECT_EQ(mirrored.Picture->Pixel(40, 49), MulDiv(49, 255, 50)); // the innermost band
    EXPECT_EQ(mirrored.Picture->Pixel(0, 0), 0);                     // a far corner is transparent
    EXPECT_EQ(mirrored.Picture->Pixel(79, 0), 0);
}

TEST(Kind7, OtherAnglesDrawNothing)
{
    Tool_dm_Gradient_Ellipse g(1, 0, 0, 30, 20);
    g.StartDepth = 100;
    g.Angle = 45;
    g.SetSize(30, 20, true);
    EXPECT_EQ(DistinctValues(*g.Picture), std::set<uint8_t>{0});
}

// ---- kinds 8 and 9: concentric bands -------------------------------------

TEST(Kind8, OnAWideRectangleBandKSpansFromRoundOf2K)
{
    Tool_dm_Gradient_Radial_Rectangle g(1, 0, 0, 200, 100);
    g.StartDepth = 10;
    g.EndDepth = 250;
    g.SetSize(200, 100, true);
    ASSERT_EQ(g.TipSize, 10);
    const TPixelEngine256& p = *g.Picture;
    // half = 50, f = 5: bands 0 .. 45.
    for (int k = 0; k <= 45; ++k) {
        const int grey = 10 + MulDiv(k, 240, 45);
        EXPECT_EQ(p.Pixel(2 * k, k), grey) << k;            // top-left corner of band k
        EXPECT_EQ(p.Pixel(199 - 2 * k, 99 - k), grey) << k; // bottom-right corner
    }
    EXPECT_EQ(DistinctValues(p).size(), 46u);
    EXPECT_EQ(p.Pixel(100, 50), 250);          // the plateau carries the inner depth
    EXPECT_EQ(*DistinctValues(p).begin(), 10); // nothing left uncovered
    EXPECT_EQ(g.TransparentValue(), PicturedDepthObject::kOpaque);
}

// The long axis is inset by Round(k * ratio), halves to even: at ratio
// 1.5 band 3 starts at 4, band 5 at 8.
TEST(Kind8, LongAxisInsetRoundsHalfToEven)
{
    for (auto [w, h] : {std::pair{150, 100}, std::pair{100, 150}}) {
        Tool_dm_Gradient_Radial_Rectangle g(1, 0, 0, w, h);
        g.TipSize = 0;
        g.SetSize(w, h, true);
        const bool flat = h <= w;
        const int half = 50;
        for (int k = 0; k < half; ++k) { // band 50 has no area
            const int l = static_cast<int>(Round(k * 1.5));
            const int x = flat ? l : k, y = flat ? k : l;
            EXPECT_EQ(g.Picture->Pixel(x, y), MulDiv(k, 255, half)) << w << "x" << h << " " << k;
        }
    }
}

TEST(Kind8, RoundnessRoundsTheBandsAndMakesTheCornersTransparent)
{
    Tool_dm_Gradient_Radial_Rectangle g(1, 0, 0, 120, 80);
    g.StartDepth = 40;
    g.Roundness = 50;
    g.SetSize(120, 80, true);
    EXPECT_EQ(g.TransparentValue(), 0);
    EXPECT_EQ(g.Picture->Pixel(0, 0), 0);
    EXPECT_EQ(g.Picture->Pixel(60, 0), 40);
    g.Left = 10;
    g.Top = 10;
    EXPECT_FALSE(g.HitTest(10, 10));
    EXPECT_TRUE(g.HitTest(70, 10));
    g.Roundness = 0;
    EXPECT_TRUE(g.HitTest(10, 10));
    EXPECT_FALSE(g.HitTest(130, 10));
}

TEST(Kind9, EllipsesOnTheMiddleRowAndTransparentCorners)
{
    Tool_dm_Gradient_Radial_Ellipse g(1, 0, 0, 200, 100);
    g.StartDepth = 10;
    g.EndDepth = 250;
    g.SetSize(200, 100, true);
    const TPixelEngine256& p = *g.Picture;
    for (int k = 0; k <= 45; ++k)
        EXPECT_EQ(p.Pixel(2 * k, 49), 10 + MulDiv(k, 240, 45)) << k;
    for (auto [x, y] : {std::pair{0, 0}, std::pair{199, 0}, std::pair{0, 99}, std::pair{199, 99}})
        EXPECT_EQ(p.Pixel(x, y), 0) << x << "," << y;
    g.Left = 100;
    g.Top = 100;
    EXPECT_FALSE(g.HitTest(100, 100));
    EXPECT_TRUE(g.HitTest(200, 150));
    g.Visible = false;
    EXPECT_FALSE(g.HitTest(200, 150));
}

// A plateau as large as the picture is the one band, and it carries the
// inner depth (MulDiv by 0 would give the outer depth minus one).
TEST(Kinds8And9, AFullTipIsOnePlateauOfTheInnerDepth)
{
    Tool_dm_Gradient_Radial_Ellipse e(1, 0, 0, 60, 40);
    e.StartDepth = 0;
    e.EndDepth = 180;
    e.TipSize = 100;
    e.SetSize(60, 40, true);
    EXPECT_EQ(e.Picture->Pixel(30, 20), 180);
    EXPECT_EQ(e.Picture->Pixel(0, 0), 0);
    Tool_dm_Gradient_Radial_Rectangle r(1, 0, 0, 1, 30); // half = 0
    r.StartDepth = 0;
    r.EndDepth = 70;
    r.SetSize(1, 30, true);
    EXPECT_EQ(DistinctValues(*r.Picture), std::set<uint8_t>{70});
    // A tip beyond 100 % leaves only the fill.
    e.TipSize = 200;
    e.SetSize(60, 40, true);
    EXPECT_EQ(DistinctValues(*e.Picture), std::set<uint8_t>{0});
}

// ---- what the four kinds share --------------------------------------------

using Maker = std::function<std::unique_ptr<PicturedDepthObject>(int w, int h)>;

struct KindCase
{
    const char* name;
    Maker make;
    bool keyed; // copied leaving out the transparent value
};

void PrintTo(const KindCase& c, std::ostream* os)
{
    *os << c.name;
}

template <typename T> Maker Make(std::function<void(T&)> setup = nullptr)
{
    return [setup](int w, int h) {
        auto g = std::make_unique<T>(1, 0, 0, w, h);
        g->StartDepth = 30;
        g->EndDepth = 220;
        if (setup)
            setup(*g);
        g->SetSize(w, h, true);
        return std::unique_ptr<PicturedDepthObject>(std::move(g));
    };
}

const KindCase kGradientKinds[] = {
    {"Linear", Make<Tool_dm_Gradient_Rectangle>([](auto& g) { g.Angle = 35; }), false},
    {"HalfEllipse", Make<Tool_dm_Gradient_Ellipse>([](auto& g) { g.Angle = 270; }), true},
    {"RadialRectangle", Make<Tool_dm_Gradient_Radial_Rectangle>(), false},
    {"RoundedRadialRectangle",
     Make<Tool_dm_Gradient_Radial_Rectangle>([](auto& g) { g.Roundness = 40; }), true},
    {"RadialEllipse", Make<Tool_dm_Gradient_Radial_Ellipse>(), true},
};

class GradientKind : public testing::TestWithParam<KindCase>
{
};

// Opaque kinds replace every pixel of their rectangle; keyed kinds leave
// the pixels below wherever their picture holds the transparent value (0,
// or 255 inverted), and Invert swaps the two depths.
TEST_P(GradientKind, DrawsOpaqueOrKeyed)
{
    for (bool invert : {false, true}) {
        auto g = GetParam().make(60, 40);
        g->SetFlags(invert, false, false, true);
        g->Left = 5;
        g->Top = 7;
        const uint8_t key = invert ? 255 : 0;
        if (GetParam().keyed) {
            EXPECT_EQ(g->TransparentValue(), key);
        }
        auto target = Filled(80, 60, 99);
        g->Draw(*target);
        int shownThrough = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x) {
                const bool inside = x >= 5 && x < 65 && y >= 7 && y < 47;
                const uint8_t v = inside ? g->Picture->Pixel(x - 5, y - 7) : 99;
                const bool through = inside && GetParam().keyed && v == key;
                shownThrough += through;
                ASSERT_EQ(target->Pixel(x, y), through ? 99 : v) << x << "," << y;
            }
        EXPECT_EQ(shownThrough > 0, GetParam().keyed) << invert;
    }
}

// Inverted, the bands run from EndDepth to StartDepth and the fill
// (uncovered, transparent) becomes 255.
TEST_P(GradientKind, InvertSwapsTheDepthsAndTheFill)
{
    auto inverted = GetParam().make(50, 30);
    inverted->SetFlags(true, false, false, true);
    auto swapped = GetParam().make(50, 30);
    auto& g = *swapped;
    if (auto* k6 = dynamic_cast<Tool_dm_Gradient_Rectangle*>(&g))
        std::swap(k6->StartDepth, k6->EndDepth);
    if (auto* k7 = dynamic_cast<Tool_dm_Gradient_Ellipse*>(&g))
        std::swap(k7->StartDepth, k7->EndDepth);
    if (auto* k8 = dynamic_cast<Tool_dm_Gradient_Radial_Rectangle*>(&g))
        std::swap(k8->StartDepth, k8->EndDepth);
    if (auto* k9 = dynamic_cast<Tool_dm_Gradient_Radial_Ellipse*>(&g))
        std::swap(k9->StartDepth, k9->EndDepth);
    g.SetSize(50, 30, true);
    int filled = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x) {
            const uint8_t v = g.Picture->Pixel(x, y);
            filled += v == 0;
            ASSERT_EQ(inverted->Picture->Pixel(x, y), v == 0 ? 255 : v) << x << "," << y;
        }
    EXPECT_EQ(filled > 0, GetParam().keyed);
}

// Rendering builds the picture at the render size and keeps the one of
// the object's own size.
TEST_P(GradientKind, RenderRecomputesAtTheRenderSize)
{
    auto g = GetParam().make(60, 40);
    g->Left = 3;
    g->Top = 4;
    auto target = Filled(140, 100, 0);
    g->Render(*target, 6, 8, 120, 80);
    EXPECT_EQ(g->Width, 60);
    EXPECT_EQ(g->Height, 40);
    EXPECT_EQ(g->Picture->Width(), 60);
    EXPECT_EQ(g->Picture->Height(), 40);
    auto large = GetParam().make(120, 80);
    large->Left = 6;
    large->Top = 8;
    auto expected = Filled(140, 100, 0);
    large->Draw(*expected);
    EXPECT_TRUE(SamePicture(*target, *expected));
    // Not the editor picture stretched.
    auto stretched = Filled(140, 100, 0);
    g->Picture->StretchDrawTo(*stretched, 6, 8, 120, 80);
    EXPECT_GT(CountDifferences(*target, *stretched), 100);
    // And the editor picture is the one it had.
    auto fresh = GetParam().make(60, 40);
    EXPECT_TRUE(SamePicture(*g->Picture, *fresh->Picture));
}

TEST_P(GradientKind, DrawClippedCopiesOnlyTheClippedPart)
{
    auto g = GetParam().make(60, 40);
    g->Left = -10;
    g->Top = 5;
    auto whole = Filled(70, 60, 99);
    g->Draw(*whole);
    auto clipped = Filled(70, 60, 99);
    const Box clip{0, 10, 30, 25};
    g->DrawClipped(*clipped, clip);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 70; ++x) {
            const bool in = x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
            ASSERT_EQ(clipped->Pixel(x, y), in ? whole->Pixel(x, y) : 99) << x << "," << y;
        }
}

TEST_P(GradientKind, RecordAndCloneRebuildTheSamePicture)
{
    auto g = GetParam().make(45, 35);
    g->SetFlags(true, true, false, true);
    const auto back = testing_support::WrittenAndReadBack(*g);
    ASSERT_NE(back, nullptr);
    const auto& read = dynamic_cast<const PicturedDepthObject&>(*back);
    EXPECT_TRUE(SamePicture(*read.Picture, *g->Picture));
    const auto copy = g->Clone(5);
    auto& cloned = dynamic_cast<PicturedDepthObject&>(*copy);
    EXPECT_TRUE(SamePicture(*cloned.Picture, *g->Picture));
    EXPECT_NE(cloned.Picture.get(), g->Picture.get());
}

INSTANTIATE_TEST_SUITE_P(Kinds6To9, GradientKind, testing::ValuesIn(kGradientKinds),
                         [](const auto& info) { return std::string(info.param.name); });

// Rendering at twice the editor size: twice as many bands, not stretched.
TEST(Kind8, RenderAtTwiceTheEditorSizeHasTwiceTheBands)
{
    DepthObjects objects;
    objects.Append(std::make_unique<Tool_dm_Gradient_Radial_Rectangle>(1, 10, 10, 200, 100));
    TPixelEngine256 depth(1200, 900);
    Generate_VorlageBitm(objects, &depth, 1200, 900);
    Tool_dm_Gradient_Radial_Rectangle large(2, 0, 0, 400, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            ASSERT_EQ(depth.Pixel(20 + x, 20 + y), large.Picture->Pixel(x, y));
    EXPECT_EQ(DistinctValues(*large.Picture).size(), 91u);
}

// The objects below show through a half-elliptical gradient wherever its
// picture holds 0, or 255 when inverted.
TEST(Composition, ObjectsBelowShowThroughTheTransparentValue)
{
    for (bool invert : {false, true}) {
        DepthObjects objects;
        auto below = std::make_unique<Tool_dm_Rectangle>(1, 0, 0, 600, 450);
        below->Depth = 77;
        objects.Append(std::move(below));
        auto g = std::make_unique<Tool_dm_Gradient_Ellipse>(2, 100, 100, 200, 100);
        g->SetFlags(invert, false, false, true);
        objects.Append(std::move(g));
        TPixelEngine256 depth(600, 450);
        Generate_VorlageBitm(objects, &depth, 600, 450);
        EXPECT_EQ(depth.Pixel(100, 100), 77) << invert; // a far corner
        // The innermost band, at the centre edge: MulDiv(199, 255, 200) from either end.
        EXPECT_EQ(depth.Pixel(299, 150), invert ? 1 : 254) << invert;
    }
}

TEST(PicturedDepthObject, RefusesPicturesBeyondTheLimits)
{
    Tool_dm_Gradient_Radial_Ellipse g(1, 0, 0, 10, 10);
    EXPECT_THROW(g.SetSize(70000, 10, true), LumoraError);
    EXPECT_THROW(g.SetSize(30000, 30000, true), LumoraError);
    EXPECT_EQ(g.Picture->Width(), 10); // the old picture and size are kept
    EXPECT_EQ(g.Width, 10);
    EXPECT_EQ(g.Height, 10);
    auto target = Filled(20, 20, 0);
    EXPECT_THROW(g.Render(*target, 0, 0, 40000, 40000), LumoraError);
    EXPECT_EQ(g.Width, 10);
    EXPECT_EQ(g.Height, 10);
    ASSERT_TRUE(g.Picture);
    EXPECT_EQ(g.Picture->Width(), 10);
    // Objects without area keep an empty picture and draw nothing.
    g.SetSize(-5, 10, true);
    EXPECT_EQ(g.Picture->Width(), 0);
    g.Draw(*target);
    EXPECT_EQ(DistinctValues(*target), std::set<uint8_t>{0});
}

} // namespace
} // namespace lumora
