// The nested-band painter against the plain form: every band drawn whole,
// one over the other, as the build procedures state them. Random sizes and
// settings of the half-elliptical, concentric and radial-wave builds must
// give the same pictures pixel for pixel.
#include "common/numeric.h"
#include "depthmap/tool_dm_gradient_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_rectangle.h"
#include "depthmap/tool_dm_radial_wave.h"
#include "depthmap/wave_profile.h"
#include "picture_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

namespace lumora {
namespace {

using testing_support::CountDifferences;

void SetGrey(TPixelEngine256& p, int grey)
{
    p.SetBrushGrey(grey & 0xFF);
    p.SetPen(1, true);
}

// ---- the plain forms ---------------------------------------------------------

std::unique_ptr<TPixelEngine256> PlainHalfEllipse(const Tool_dm_Gradient_Ellipse& g, int W, int H)
{
    auto p = std::make_unique<TPixelEngine256>(W, H);
    p->Fill(g.Invert ? 255 : 0);
    int m = g.StartDepth, o = g.EndDepth;
    if (g.Invert)
        std::swap(m, o);
    const int n = g.Angle == 90 || g.Angle == 270 ? H : W;
    for (int i = 0; i <= n; ++i) {
        SetGrey(*p, m + MulDiv(i, o - m, n));
        switch (g.DrawnAngle()) {
        case 0:
        case 360:
            p->Chord(i, 0, 2 * W - i, H, W, 0, W, H);
            break;
        case 180:
            p->Chord(i - W, 0, W - i, H, 0, H, 0, 0);
            break;
        case 90:
            p->Chord(0, i - H, W, H - i, 0, 0, W, 0);
            break;
        default:
            p->Chord(0, i, W, 2 * H - i, W, H, 0, H);
            break;
        }
    }
    return p;
}

std::unique_ptr<TPixelEngine256> PlainConcentric(int W, int H, int start, int end, int tip,
                                                 bool invert, int kind, int roundness)
{
    auto p = std::make_unique<TPixelEngine256>(W, H);
    p->Fill(invert ? 255 : 0);
    const int outer = invert ? end : start;
    const int inner = invert ? start : end;
    const int half = H <= W ? H / 2 : W / 2;
    const double ratio = H <= W ? double(W) / H : double(H) / W;
    const int f = static_cast<int>(Round(tip / 100.0 * half));
    if (half - f < 0)
        return p;
    for (int k = 0; k <= half - f; ++k) {
        SetGrey(*p, half - f == 0 ? inner : outer + MulDiv(k, inner - outer, half - f));
        const int l = static_cast<int>(Round(k * ratio));
        const Box b = H <= W ? Box{l, k, W - l, H - k} : Box{k, l, W - k, H - l};
        if (kind == 9) {
            p->Ellipse(b.Left, b.Top, b.Right, b.Bottom);
        } else if (roundness == 0) {
            p->Rectangle(b.Left, b.Top, b.Right, b.Bottom);
        } else {
            const int r = static_cast<int>(
                Round(roundness / 100.0 * std::min(b.Right - b.Left, b.Bottom - b.Top)));
            p->RoundRect(b.Left, b.Top, b.Right, b.Bottom, r, r);
        }
    }
    return p;
}

std::unique_ptr<TPixelEngine256> PlainRadialWave(const Tool_dm_Radial_Wave& r, int W, int H)
{
    auto p = std::make_unique<TPixelEngine256>(W, H);
    const WaveProfile wave(r.Bound1, r.Bound2, r.Phase, r.Invert);
    const int h = W < H ? W / 2 : H / 2;
    for (int i = 0; i <= h; ++i) {
        SetGrey(*p, static_cast<int>(Round(wave.Value(i, h, r.WaveCount))));
        p->Ellipse(i, i, W - i, H - i);
    }
    return p;
}

// ---- random comparisons ------------------------------------------------------

struct Size
{
    int w, h;
};

std::vector<Size> Sizes(std::mt19937& random, int count)
{
    std::vector<Size> sizes = {{1, 1}, {2, 3}, {3, 2}, {1, 40}, {40, 1}, {600, 450}, {97, 233}};
    std::uniform_int_distribution<int> side(1, 160);
    for (int i = 0; i < count; ++i)
        sizes.push_back({side(random), side(random)});
    return sizes;
}

TEST(NestedBands, HalfEllipseBuildEqualsEveryBandDrawnWhole)
{
    std::mt19937 random(7);
    const int angles[] = {0, 90, 180, 270, 360};
    for (const Size& s : Sizes(random, 60)) {
        Tool_dm_Gradient_Ellipse g(1, 0, 0, s.w, s.h);
        g.StartDepth = static_cast<uint8_t>(random());
        g.EndDepth = static_cast<uint8_t>(random());
        g.Angle = angles[random() % 5];
        g.SetFlags(random() % 2, random() % 2, random() % 2, true);
        const auto plain = PlainHalfEllipse(g, s.w, s.h);
        ASSERT_EQ(CountDifferences(*g.Picture, *plain), 0)
            << s.w << "x" << s.h << " angle " << g.Angle << " drawn " << g.DrawnAngle();
    }
}

// Toward the top or bottom the rows are painted by bisection over the
// bands: tall, flat and square pictures, both directions, every flag.
TEST(NestedBands, VerticalHalfEllipseBuildEqualsEveryBandDrawnWhole)
{
    std::mt19937 random(23);
    std::vector<Size> sizes = Sizes(random, 150);
    for (const Size extra : {Size{1, 300}, Size{2, 257}, Size{3, 500}, Size{300, 1}, Size{255, 2}})
        sizes.push_back(extra);
    for (const Size& s : sizes) {
        Tool_dm_Gradient_Ellipse g(1, 0, 0, s.w, s.h);
        g.StartDepth = static_cast<uint8_t>(random());
        g.EndDepth = static_cast<uint8_t>(random());
        g.Angle = random() % 2 ? 90 : 270;
        g.SetFlags(random() % 2, random() % 2, random() % 2, true);
        const auto plain = PlainHalfEllipse(g, s.w, s.h);
        ASSERT_EQ(CountDifferences(*g.Picture, *plain), 0)
            << s.w << "x" << s.h << " angle " << g.Angle << " drawn " << g.DrawnAngle();
    }
}

TEST(NestedBands, ConcentricBuildsEqualEveryBandDrawnWhole)
{
    std::mt19937 random(11);
    for (const Size& s : Sizes(random, 60)) {
        const auto start = static_cast<uint8_t>(random());
        const auto end = static_cast<uint8_t>(random());
        const auto tip = static_cast<uint8_t>(random() % 4 == 0 ? random() % 256 : random() % 101);
        const bool invert = random() % 2;
        const auto roundness = static_cast<uint8_t>(random() % 3 == 0 ? 0 : random() % 101);

        Tool_dm_Gradient_Radial_Ellipse e(1, 0, 0, s.w, s.h);
        e.StartDepth = start;
        e.EndDepth = end;
        e.TipSize = tip;
        e.SetFlags(invert, false, false, true);
        ASSERT_EQ(
            CountDifferences(*e.Picture, *PlainConcentric(s.w, s.h, start, end, tip, invert, 9, 0)),
            0)
            << "ellipse " << s.w << "x" << s.h << " tip " << int(tip);

        Tool_dm_Gradient_Radial_Rectangle r(1, 0, 0, s.w, s.h);
        r.StartDepth = start;
        r.EndDepth = end;
        r.TipSize = tip;
        r.Roundness = roundness;
        r.SetFlags(invert, false, false, true);
        ASSERT_EQ(CountDifferences(*r.Picture, *PlainConcentric(s.w, s.h, start, end, tip, invert,
                                                                8, roundness)),
                  0)
            << "rectangle " << s.w << "x" << s.h << " tip " << int(tip) << " round "
            << int(roundness);
    }
}

TEST(NestedBands, RadialWaveBuildEqualsEveryRingDrawnWhole)
{
    std::mt19937 random(13);
    for (const Size& s : Sizes(random, 60)) {
        Tool_dm_Radial_Wave r(1, 0, 0, s.w, s.h);
        r.Bound1 = static_cast<uint8_t>(random());
        r.Bound2 = static_cast<uint8_t>(random());
        r.WaveCount = 1 + static_cast<int>(random() % 30);
        r.Phase = static_cast<int>(random() % 361);
        r.SetFlags(random() % 2, false, false, true);
        ASSERT_EQ(CountDifferences(*r.Picture, *PlainRadialWave(r, s.w, s.h)), 0)
            << s.w << "x" << s.h;
    }
}

} // namespace
} // namespace lumora
