// Drawing speed of the 8-bit buffer at render sizes, in the patterns the
// depth-object builds use: sweeps of one-pixel vertical lines, of wide
// diagonal lines, and nested ellipses and chords.
#include "rendering/lumo_pixelengine256.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

void VerticalLineSweep(benchmark::State& state)
{
    lumora::TPixelEngine256 p(kWidth, kHeight);
    for (auto _ : state) {
        for (int x = 0; x <= kWidth; ++x) {
            p.SetBrushGrey(x % 256);
            p.SetPen(1, false);
            p.Line(x, 0, x, kHeight);
        }
        benchmark::DoNotOptimize(p.Row(0));
    }
}
BENCHMARK(VerticalLineSweep)->Unit(benchmark::kMillisecond);

// The diagonal bands of a linear gradient at 30 degrees: W + 1 lines of
// width 2, each crossing the whole height.
void WideDiagonalSweep(benchmark::State& state)
{
    lumora::TPixelEngine256 p(kWidth, kHeight);
    p.SetClipRect(0, 0, kWidth, kHeight);
    for (auto _ : state) {
        for (int i = 0; i <= kWidth; ++i) {
            p.SetBrushGrey(i % 256);
            p.SetPen(2, false);
            p.Line(i - 1732, 0, i + 1732, kHeight);
        }
        benchmark::DoNotOptimize(p.Row(0));
    }
}
BENCHMARK(WideDiagonalSweep)->Unit(benchmark::kMillisecond);

// The rings of a radial wave: ellipses shrinking by a pixel per side.
void NestedEllipses(benchmark::State& state)
{
    lumora::TPixelEngine256 p(kWidth, kHeight);
    for (auto _ : state) {
        for (int i = 0; i <= kHeight / 2; ++i) {
            p.SetBrushGrey(i % 256);
            p.SetPen(1, true);
            p.Ellipse(i, i, kWidth - i, kHeight - i);
        }
        benchmark::DoNotOptimize(p.Row(0));
    }
}
BENCHMARK(NestedEllipses)->Unit(benchmark::kMillisecond);

// The bands of a half-elliptical gradient at 0 degrees.
void HalfEllipseChords(benchmark::State& state)
{
    const int w = state.range(0);
    const int h = w * 3 / 4;
    lumora::TPixelEngine256 p(w, h);
    for (auto _ : state) {
        for (int i = 0; i <= w; ++i) {
            p.SetBrushGrey(i % 256);
            p.SetPen(1, true);
            p.Chord(i, 0, 2 * w - i, h, w, 0, w, h);
        }
        benchmark::DoNotOptimize(p.Row(0));
    }
}
BENCHMARK(HalfEllipseChords)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
