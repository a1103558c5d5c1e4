// Times the row algorithm over whole pictures and reports nanoseconds per
// oversampled position (the "ns_per_position" counter).

#include "rendering/algorithmus.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "rendering/render_options.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

using namespace lumora;

namespace {

// A hemisphere and a raised plate over the far plane: links break and
// reform the way they do in real depth maps.
void FillSceneDepth(TPixelEngine256& depth)
{
    const int w = depth.Width(), h = depth.Height();
    const double cx = w * 0.35, cy = h * 0.5, radius = std::min(w, h) * 0.3;
    for (int m = 0; m < h; ++m) {
        uint8_t* row = depth.Row(m);
        const int y = h - 1 - m;
        for (int x = 0; x < w; ++x) {
            const double dx = x - cx, dy = y - cy;
            const double q = 1.0 - (dx * dx + dy * dy) / (radius * radius);
            int v = q > 0 ? static_cast<int>(255 * std::sqrt(q)) : 0;
            if (x > w * 0.65 && x < w * 0.9 && y > h * 0.2 && y < h * 0.8)
                v = 160;
            row[x] = static_cast<uint8_t>(v);
        }
    }
}

void FillNoiseTile(TPixelEngine& tile)
{
    uint32_t seed = 1;
    for (int m = 0; m < tile.Height(); ++m)
        for (int x = 0; x < 3 * tile.Width(); ++x) {
            seed = seed * 134775813u + 1u;
            tile.Row(m)[x] = static_cast<uint8_t>(seed >> 24);
        }
}

void BM_RenderRows(benchmark::State& state)
{
    RenderOptions o;
    o.RenderOptions_RenderWidth = static_cast<int>(state.range(0));
    o.RenderOptions_RenderHeight = static_cast<int>(state.range(1));
    o.RenderOptions_Settings_quality = static_cast<int>(state.range(2));
    // Keep the picture's physical size: a bigger picture is a finer print.
    o.RenderOptions_RenderDPI = 72 * o.RenderOptions_RenderWidth / 600;
    o.RenderOptions_Tile_Width = ComputeTileWidth(o.RenderOptions_RenderDPI, 14, 14);
    const int w = o.RenderOptions_RenderWidth, h = o.RenderOptions_RenderHeight;
    TPixelEngine256 depth(w, h);
    FillSceneDepth(depth);
    TPixelEngine tile(o.RenderOptions_Tile_Width, h);
    FillNoiseTile(tile);
    TPixelEngine output(w, h);
    Algorithmus algorithm;
    algorithm.PrepareRender(o, tile);
    algorithm.BuildSeparationTable();
    for (auto _ : state) {
        for (int r = 0; r < h; ++r)
            algorithm.RenderRow(r, depth, tile, output);
        benchmark::DoNotOptimize(output.Row(0));
        benchmark::ClobberMemory();
    }
    const double positions = static_cast<double>(algorithm.PositionsPerRow()) * h;
    state.counters["ns_per_position"] =
        benchmark::Counter(positions * 1e-9, benchmark::Counter::kIsIterationInvariantRate |
                                                 benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_RenderRows)
    ->ArgNames({"w", "h", "quality"})
    ->Args({600, 450, 0})
    ->Args({600, 450, 2})
    ->Args({600, 450, 4})
    ->Args({4000, 3000, 2})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
