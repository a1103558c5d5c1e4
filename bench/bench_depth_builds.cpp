// Building the pictures of the gradient, wave and image objects at render
// sizes: each run is one SetSize with Rebuild, as a render does for an
// object that covers the whole depth map.
#include "depthmap/tool_dm_gradient_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_ellipse.h"
#include "depthmap/tool_dm_gradient_radial_rectangle.h"
#include "depthmap/tool_dm_gradient_rectangle.h"
#include "depthmap/tool_dm_image.h"
#include "depthmap/tool_dm_radial_wave.h"
#include "depthmap/tool_dm_wave.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lumora;

int Width(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}
int Height(const benchmark::State& state)
{
    return static_cast<int>(state.range(0) * 3 / 4);
}

template <typename T> void Build(benchmark::State& state, T& object)
{
    for (auto _ : state) {
        object.SetSize(Width(state), Height(state), true);
        benchmark::DoNotOptimize(object.Picture->Row(0));
    }
    state.counters["Mpixel/s"] = benchmark::Counter(static_cast<double>(Width(state)) *
                                                        Height(state) * state.iterations() / 1e6,
                                                    benchmark::Counter::kIsRate);
}

void LinearGradient(benchmark::State& state)
{
    Tool_dm_Gradient_Rectangle g(1, 0, 0, 1, 1);
    g.Angle = static_cast<int32_t>(state.range(1));
    Build(state, g);
}

// A tall, narrow object swept at a slant: every line of the sweep is long
// but crosses the picture in a few rows.
void NarrowLinearGradient(benchmark::State& state)
{
    Tool_dm_Gradient_Rectangle g(1, 0, 0, 1, 1);
    g.Angle = 231;
    for (auto _ : state) {
        g.SetSize(120, static_cast<int32_t>(state.range(0)), true);
        benchmark::DoNotOptimize(g.Picture->Row(0));
    }
}

void HalfEllipseGradient(benchmark::State& state)
{
    Tool_dm_Gradient_Ellipse g(1, 0, 0, 1, 1);
    g.Angle = static_cast<int32_t>(state.range(1));
    Build(state, g);
}

void RadialRectangleGradient(benchmark::State& state)
{
    Tool_dm_Gradient_Radial_Rectangle g(1, 0, 0, 1, 1);
    g.Roundness = static_cast<uint8_t>(state.range(1));
    Build(state, g);
}

void RadialEllipseGradient(benchmark::State& state)
{
    Tool_dm_Gradient_Radial_Ellipse g(1, 0, 0, 1, 1);
    Build(state, g);
}

void Wave(benchmark::State& state)
{
    Tool_dm_Wave w(1, 0, 0, 1, 1);
    w.Angle = static_cast<int32_t>(state.range(1));
    w.WaveCount = 5;
    Build(state, w);
}

void RadialWave(benchmark::State& state)
{
    Tool_dm_Radial_Wave w(1, 0, 0, 1, 1);
    w.WaveCount = 5;
    Build(state, w);
}

void Image(benchmark::State& state)
{
    TPixelEngine256 source(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            source.SetPixel(x, y, static_cast<uint8_t>(x ^ y));
    Tool_dm_Image image(1, 0, 0, 1, 1, &source);
    image.CropLeft = state.range(1) / 100.0;
    image.CropTop = state.range(1) / 100.0;
    Build(state, image);
}

// Render widths at 4:3, up to the largest render; the second argument is
// the angle (or the rounding, or the crop in percent).
BENCHMARK(LinearGradient)
    ->ArgsProduct({{1000, 4000}, {0, 90, 30, 89, 135}})
    ->Args({10000, 0})
    ->Args({10000, 30})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(NarrowLinearGradient)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(HalfEllipseGradient)
    ->ArgsProduct({{1000, 4000, 10000}, {0, 90}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RadialRectangleGradient)
    ->ArgsProduct({{1000, 4000, 10000}, {0, 30}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RadialEllipseGradient)->Arg(1000)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Wave)
    ->ArgsProduct({{1000, 4000}, {0, 45}})
    ->Args({10000, 45})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RadialWave)->Arg(1000)->Arg(4000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Image)->ArgsProduct({{1000, 4000, 10000}, {0, 10}})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
