// The wave kinds 10 and 11: the grey of each sweep step, the rings of the
// radial wave and its transparency.
#include "common/numeric.h"
#include "depthmap/tool_dm_radial_wave.h"
#include "depthmap/tool_dm_wave.h"
#include "depthmap/wave_profile.h"
#include "picture_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

namespace lumora {
namespace {

using testing_support::CountDifferences;
using testing_support::DistinctValues;
using testing_support::Filled;
using testing_support::SamePicture;

struct WaveSetup
{
    int w = 360, h = 20;
    uint8_t bound1 = 0, bound2 = 255;
    int angle = 0, waveCount = 1, phase = 0;
    bool invert = false, mirrorH = false, mirrorV = false;
};

std::unique_ptr<Tool_dm_Wave> MakeWave(const WaveSetup& s)
{
    auto w = std::make_unique<Tool_dm_Wave>(1, 0, 0, s.w, s.h);
    w->Bound1 = s.bound1;
    w->Bound2 = s.bound2;
    w->Angle = s.angle;
    w->WaveCount = s.waveCount;
    w->Phase = s.phase;
    w->SetFlags(s.invert, s.mirrorH, s.mirrorV, true);
    return w;
}

std::unique_ptr<Tool_dm_Radial_Wave> MakeRadial(int w, int h, uint8_t b1, uint8_t b2, int count,
                                                int phase, bool invert)
{
    auto r = std::make_unique<Tool_dm_Radial_Wave>(1, 0, 0, w, h);
    r->Bound1 = b1;
    r->Bound2 = b2;
    r->WaveCount = count;
    r->Phase = phase;
    r->SetFlags(invert, false, false, true);
    return r;
}

TEST(Kind10, A360WideWaveAtItsQuarters)
{
    const auto wave = MakeWave({});
    const TPixelEngine256& p = *wave->Picture;
    EXPECT_EQ(p.Pixel(0, 0), 0);
    EXPECT_TRUE(p.Pixel(90, 0) == 126 || p.Pixel(90, 0) == 127) << int(p.Pixel(90, 0));
    EXPECT_EQ(p.Pixel(180, 0), 254);
    EXPECT_TRUE(p.Pixel(270, 0) == 126 || p.Pixel(270, 0) == 127) << int(p.Pixel(270, 0));
    // Every column is floor(127 sin(x + 270 deg) + 127), give or take the
    // last bit of the sine, and one grey from top to bottom.
    for (int x = 0; x < 360; ++x) {
        const double exact = 127 * std::sin((x + 270) * M_PI / 180) + 127;
        const bool nearWhole = std::abs(exact - std::round(exact)) < 1e-9;
        EXPECT_NEAR(p.Pixel(x, 0), std::floor(exact), nearWhole ? 1 : 0) << x;
        for (int y = 1; y < 20; ++y)
            ASSERT_EQ(p.Pixel(x, y), p.Pixel(x, 0)) << x << "," << y;
    }
}

TEST(Kind10, InvertedItStartsAtItsHighestValue)
{
    WaveSetup s;
    s.invert = true;
    const auto wave = MakeWave(s);
    EXPECT_EQ(wave->Picture->Pixel(0, 0), 254);
    EXPECT_EQ(wave->Picture->Pixel(180, 0), 0);
}

TEST(Kind10, StaysBetweenBaseAndBasePlusTwiceTheAmplitude)
{
    WaveSetup s;
    s.bound1 = 200;
    s.bound2 = 51; // amp = 74, base = 51
    s.waveCount = 7;
    s.phase = 33;
    s.angle = 40;
    s.w = 150;
    s.h = 90;
    const auto wave = MakeWave(s);
    const std::set<uint8_t> values = DistinctValues(*wave->Picture);
    EXPECT_GE(*values.begin(), 51);
    EXPECT_LE(*values.rbegin(), 51 + 2 * 74);
}

// The grey follows neither which bound is which nor which way the
// direction points.
TEST(Kind10, PicturesThatAreTheSame)
{
    struct Pair
    {
        const char* name;
        WaveSetup a, b;
    };
    WaveSetup base;
    base.w = 120;
    base.h = 70;
    base.waveCount = 3;
    base.phase = 40;
    base.bound1 = 30;
    base.bound2 = 220;
    auto with = [&](auto change) {
        WaveSetup s = base;
        change(s);
        return s;
    };
    const Pair pairs[] = {
        {"BoundsSwapped", base, with([](WaveSetup& s) { std::swap(s.bound1, s.bound2); })},
        {"At180", base, with([](WaveSetup& s) { s.angle = 180; })},
        {"At360", base, with([](WaveSetup& s) { s.angle = 360; })},
        {"MirroredH", base, with([](WaveSetup& s) { s.mirrorH = true; })},
        {"At90And270", with([](WaveSetup& s) { s.angle = 90; }),
         with([](WaveSetup& s) { s.angle = 270; })},
        {"At90MirroredV", with([](WaveSetup& s) { s.angle = 90; }),
         with([](WaveSetup& s) { s.angle = 90, s.mirrorV = true; })},
        {"DiagonalBoundsSwapped", with([](WaveSetup& s) { s.angle = 30; }),
         with([](WaveSetup& s) { s.angle = 30, std::swap(s.bound1, s.bound2); })},
        {"DiagonalMirroredVAs330", with([](WaveSetup& s) { s.angle = 30, s.mirrorV = true; }),
         with([](WaveSetup& s) { s.angle = 330; })},
    };
    for (const Pair& p : pairs)
        EXPECT_TRUE(SamePicture(*MakeWave(p.a)->Picture, *MakeWave(p.b)->Picture)) << p.name;
}

// a and a + 180 sweep the same lines with tangents that differ in the last
// bit at most: the pictures agree but for stray pixels where a line end
// falls on a whole number.
TEST(Kind10, OppositeDiagonalDirectionsAgree)
{
    for (auto [a, w, h] : {std::tuple{30, 120, 70}, std::tuple{60, 70, 120},
                           std::tuple{135, 120, 70}, std::tuple{110, 70, 120}}) {
        WaveSetup s;
        s.w = w;
        s.h = h;
        s.waveCount = 4;
        s.angle = a;
        const auto first = MakeWave(s);
        s.angle = a + 180;
        const auto second = MakeWave(s);
        EXPECT_LE(CountDifferences(*first->Picture, *second->Picture), w * h / 100) << a;
    }
}

TEST(Kind10, DiagonalSweepCoversThePictureAndItsCrestsRunAlongTheLines)
{
    WaveSetup s;
    s.w = 200;
    s.h = 100;
    s.bound1 = 20;
    s.bound2 = 240;
    s.angle = 45;
    s.waveCount = 2;
    const auto wave = MakeWave(s);
    const TPixelEngine256& p = *wave->Picture;
    int equal = 0, total = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            ASSERT_GE(p.Pixel(x, y), 20) << x << "," << y;
            if (x + 1 < 200 && y + 1 < 100) {
                ++total;
                equal += p.Pixel(x, y) == p.Pixel(x + 1, y + 1);
            }
        }
    EXPECT_GT(equal, total * 9 / 10);
    EXPECT_EQ(wave->Picture->Pixel(0, 99), 20); // the sweep starts at the bottom-left corner
}

TEST(Kind10, DrawsOpaquely)
{
    const auto wave = MakeWave({});
    wave->Left = 10;
    auto target = Filled(400, 30, 99);
    wave->Draw(*target);
    EXPECT_EQ(target->Pixel(10, 5), 0);
    EXPECT_EQ(target->Pixel(190, 5), 254);
    EXPECT_EQ(target->Pixel(9, 5), 99);
    EXPECT_EQ(target->Pixel(10, 25), 99);
}

// ---- kind 11: radial wave --------------------------------------------------

TEST(WaveProfile, DerivedValues)
{
    const WaveProfile a(255, 0, 10, false);
    EXPECT_EQ(a.Amplitude, 127);
    EXPECT_EQ(a.Base, 0);
    EXPECT_EQ(a.PhaseOffset, 280);
    const WaveProfile b(40, 141, 0, true);
    EXPECT_EQ(b.Amplitude, 50);
    EXPECT_EQ(b.Base, 40);
    EXPECT_EQ(b.PhaseOffset, 450);
    // No steps: the wave stands at its start.
    EXPECT_DOUBLE_EQ(b.Value(0, 0, 3), 140);
}

// In 100 x 60 the rings are ellipses 0 .. 30, one pixel in per step; on
// the middle row ring i begins at column i and carries Round(amp sin + base
// + amp) of its step.
TEST(Kind11, RingsStepInOnePixelPerSide)
{
    for (auto [w, h] : {std::pair{100, 60}, std::pair{60, 100}, std::pair{100, 61}}) {
        const auto r = MakeRadial(w, h, 10, 250, 2, 30, false);
        const int rings = std::min(w, h) / 2;
        ASSERT_EQ(r->InnermostRing(w, h), 30);
        const WaveProfile wave(10, 250, 30, false);
        const bool wide = w >= h;
        for (int i = 0; i < rings; ++i) {
            const int x = wide ? i : (w - 1) / 2;
            const int y = wide ? (h - 1) / 2 : i;
            EXPECT_EQ(r->Picture->Pixel(x, y), Round(wave.Value(i, rings, 2)))
                << w << "x" << h << " ring " << i;
        }
        // An odd side leaves the last ring one pixel high: ring 30 is drawn.
        if (h == 61) {
            EXPECT_EQ(r->Picture->Pixel(50, 30), Round(wave.Value(30, 30, 2)));
        }
    }
}

TEST(Kind11, NeverPaintsItsOwnZero)
{
    for (bool invert : {false, true}) {
        // Inverted, the wave starts at 254 and falls to 0 halfway in.
        const auto r = MakeRadial(100, 60, 0, 255, 1, 0, invert);
        EXPECT_EQ(r->TransparentValue(), 0);
        r->Left = 0;
        r->Top = 0;
        auto target = Filled(100, 60, 99);
        r->Draw(*target);
        int zeros = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 100; ++x) {
                const uint8_t v = r->Picture->Pixel(x, y);
                zeros += v == 0;
                ASSERT_EQ(target->Pixel(x, y), v == 0 ? 99 : v) << x << "," << y;
            }
        EXPECT_GT(zeros, 0);
        EXPECT_EQ(r->Picture->Pixel(0, 0), 0); // a corner outside the outermost ring
        EXPECT_EQ(r->Picture->Pixel(0, 29), invert ? 254 : 0);
    }
}

TEST(Kind11, HitsTheInscribedEllipse)
{
    const auto r = MakeRadial(100, 60, 0, 255, 1, 0, false);
    r->Left = 50;
    r->Top = 50;
    EXPECT_TRUE(r->HitTest(100, 80));
    EXPECT_FALSE(r->HitTest(50, 50));
    EXPECT_FALSE(r->HitTest(149, 109));
    r->Visible = false;
    EXPECT_FALSE(r->HitTest(100, 80));
}

TEST(Kind11, AOnePixelSideIsOneRing)
{
    const auto r = MakeRadial(1, 40, 0, 255, 3, 90, false); // h = 0
    const WaveProfile wave(0, 255, 90, false);
    EXPECT_EQ(DistinctValues(*r->Picture),
              std::set<uint8_t>{static_cast<uint8_t>(Round(wave.Value(0, 0, 3)))});
}

TEST(Waves, RenderBuildsAtTheRenderSize)
{
    WaveSetup s;
    s.w = 90;
    s.h = 40;
    s.angle = 20;
    s.waveCount = 5;
    const auto wave = MakeWave(s);
    auto target = Filled(200, 100, 0);
    wave->Render(*target, 10, 10, 180, 80);
    s.w = 180;
    s.h = 80;
    const auto large = MakeWave(s);
    large->Left = 10;
    large->Top = 10;
    auto expected = Filled(200, 100, 0);
    large->Draw(*expected);
    EXPECT_TRUE(SamePicture(*target, *expected));
    EXPECT_EQ(wave->Picture->Width(), 90);

    const auto radial = MakeRadial(50, 40, 0, 255, 2, 0, false);
    auto radialTarget = Filled(100, 80, 0);
    radial->Render(*radialTarget, 0, 0, 100, 80);
    const auto radialLarge = MakeRadial(100, 80, 0, 255, 2, 0, false);
    auto radialExpected = Filled(100, 80, 0);
    radialLarge->Draw(*radialExpected);
    EXPECT_TRUE(SamePicture(*radialTarget, *radialExpected));
}

TEST(Waves, RecordsAndClonesRebuildTheirPictures)
{
    WaveSetup s;
    s.w = 70;
    s.h = 50;
    s.angle = 125;
    s.waveCount = 4;
    s.phase = 77;
    s.invert = true;
    s.mirrorH = true;
    const auto wave = MakeWave(s);
    const auto radial = MakeRadial(70, 50, 12, 200, 6, 300, true);
    for (const PicturedDepthObject* o : {static_cast<const PicturedDepthObject*>(wave.get()),
                                         static_cast<const PicturedDepthObject*>(radial.get())}) {
        const auto back = testing_support::WrittenAndReadBack(*o);
        ASSERT_NE(back, nullptr) << o->Kind;
        EXPECT_TRUE(
            SamePicture(*dynamic_cast<const PicturedDepthObject&>(*back).Picture, *o->Picture));
        const auto copy = o->Clone(9);
        EXPECT_TRUE(
            SamePicture(*dynamic_cast<const PicturedDepthObject&>(*copy).Picture, *o->Picture));
    }
    const auto back = testing_support::WrittenAndReadBack(*wave);
    const auto& w = dynamic_cast<const Tool_dm_Wave&>(*back);
    EXPECT_EQ(w.Angle, 125);
    EXPECT_EQ(w.WaveCount, 4);
    EXPECT_EQ(w.Phase, 77);
}

} // namespace
} // namespace lumora
