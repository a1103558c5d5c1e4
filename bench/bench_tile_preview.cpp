// Editing one band's effect in the tile-map window: the effect values go
// into the selected tile, then the preview of a 600 x 450 tile map (three
// bands of 150 rows, repeated across the width) is generated anew.
#include "common/random_generator.h"
#include "rendering/lumo_pixelengine.h"
#include "tilemap/tile_map.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_randomdot.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lumora;

constexpr int kPreviewWidth = 600;
constexpr int kBandHeight = 150;
constexpr int kTileWidth = 120;

void FillMap(TileMap& tiles)
{
    for (int i = 0; i < 3; ++i) {
        Tile_tm_RandomDot tile;
        tiles.Tile_Add(kBandHeight, tile);
    }
    tiles.Select(1);
}

// One edit: a slider value stored through SetKachelAttributes and the
// preview drawn anew.
void EditEffect(benchmark::State& state, void (*change)(TileEffects&, int))
{
    TileMap tiles;
    FillMap(tiles);
    RandomGenerator generator;
    TileRandomSource random(generator, 7);
    TPixelEngine preview(kPreviewWidth, static_cast<int>(tiles.TotalHeight()));
    int step = 0;
    for (auto _ : state) {
        TileEffects effects = tiles.SelectedTile()->Effects();
        change(effects, ++step);
        tiles.SetKachelAttributes(effects);
        tiles.GenerateKachelPreview(preview, kTileWidth, random);
        benchmark::DoNotOptimize(preview);
    }
}

void BM_EditBrightness(benchmark::State& state)
{
    EditEffect(state, [](TileEffects& e, int step) { e.FxBrightness = step % 200 - 100; });
}
BENCHMARK(BM_EditBrightness)->Unit(benchmark::kMillisecond);

void BM_EditRippleWithEveryEffectOn(benchmark::State& state)
{
    EditEffect(state, [](TileEffects& e, int step) {
        e.FxBrightness = 40;
        e.FxContrast = 60;
        e.FxSolarize = 100;
        e.FxPosterize = 8;
        e.FxInvert = 1;
        e.FxSpray = 30;
        e.FxMirrorH = 1;
        e.FxMirrorV = 1;
        e.FxRipple = static_cast<uint8_t>(step % 30 + 1);
    });
}
BENCHMARK(BM_EditRippleWithEveryEffectOn)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
