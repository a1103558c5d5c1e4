// Times the whole render pipeline (depth composition, tile generation, the
// rows, the afterburner) on the default 600 x 450 project with a handful of
// objects, and on 4000 x 3000 at quality "Normal"; and each stage on its own,
// to show where the time goes.

#include "afterburner/tool_ab_border_simple.h"
#include "afterburner/tool_ab_spot.h"
#include "afterburner/tool_ab_text.h"
#include "common/random_generator.h"
#include "depthmap/depth_composition.h"
#include "depthmap/example_depth_scene.h"
#include "project/project.h"
#include "project/render_stereogram.h"
#include "rendering/algorithmus.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "tilemap/tile_random_source.h"
#include "tilemap/tile_tm_randomdot.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <memory>

using namespace lumora;

namespace {

// The example scene (rectangles, an ellipse, a line, a polygon, a text), a
// random-dot tile, a border, spots and a text, rendered at w x h.
std::unique_ptr<Project> MakeProject(int w, int h, int quality)
{
    auto project = std::make_unique<Project>();
    BuildExampleDepthScene(project->Depth);
    project->Options.RenderOptions_RenderWidth = w;
    project->Options.RenderOptions_RenderHeight = h;
    project->Options.RenderOptions_Settings_quality = quality;
    project->Tiles.Append(std::make_unique<Tile_tm_RandomDot>());
    Tool_ab_border_simple border;
    project->AfBu_Add(border);
    project->AfBu_Add(Tool_ab_spot());
    Tool_ab_text text;
    text.Text = QStringLiteral("Lumora R2");
    text.Anchor = 5;
    text.BackOn = 1;
    project->AfBu_Add(text);
    return project;
}

void SetSize(benchmark::State& state, int& w, int& h, int& quality)
{
    w = static_cast<int>(state.range(0));
    h = static_cast<int>(state.range(1));
    quality = static_cast<int>(state.range(2));
}

// Rendering again, as after an edit: the previous stereogram's memory serves
// the new one.
void BM_RenderStereogram(benchmark::State& state)
{
    int w, h, quality;
    SetSize(state, w, h, quality);
    auto project = MakeProject(w, h, quality);
    RandomGenerator generator;
    TileRandomSource random(generator, 1);
    RenderStereogram(*project, random);
    for (auto _ : state)
        RenderStereogram(*project, random);
    state.counters["Mpixels_per_s"] = benchmark::Counter(
        static_cast<double>(w) * h * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

// The first render of a project, into memory never used before.
void BM_FirstRender(benchmark::State& state)
{
    int w, h, quality;
    SetSize(state, w, h, quality);
    RandomGenerator generator;
    TileRandomSource random(generator, 1);
    for (auto _ : state) {
        state.PauseTiming();
        auto project = MakeProject(w, h, quality);
        state.ResumeTiming();
        RenderStereogram(*project, random);
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
}

void BM_ComposeDepthMap(benchmark::State& state)
{
    int w, h, quality;
    SetSize(state, w, h, quality);
    auto project = MakeProject(w, h, quality);
    TPixelEngine256 depth(w, h);
    for (auto _ : state)
        Generate_VorlageBitm(project->Depth, &depth, w, h);
}

void BM_GenerateTileBitmap(benchmark::State& state)
{
    int w, h, quality;
    SetSize(state, w, h, quality);
    auto project = MakeProject(w, h, quality);
    TPixelEngine tile(project->Options.RenderOptions_Tile_Width, h);
    RandomGenerator generator;
    TileRandomSource random(generator, 1);
    for (auto _ : state)
        project->Tiles.Generate_KachelBitm(project->Options, &tile, random);
}

void BM_Rows(benchmark::State& state)
{
    int w, h, quality;
    SetSize(state, w, h, quality);
    auto project = MakeProject(w, h, quality);
    TPixelEngine256 depth(w, h);
    Generate_VorlageBitm(project->Depth, &depth, w, h);
    TPixelEngine tile(project->Options.RenderOptions_Tile_Width, h);
    RandomGenerator generator;
    TileRandomSource random(generator, 1);
    project->Tiles.Generate_KachelBitm(project->Options, &tile, random);
    TPixelEngine output(w, h);
    for (auto _ : state) {
        Algorithmus algorithm;
        algorithm.PrepareRender(project->Options, tile);
        algorithm.BuildSeparationTable();
        for (int r = 0; r < h; ++r)
            algorithm.RenderRow(r, depth, tile, output);
    }
}

void BM_Afterburner(benchmark::State& state)
{
    int w, h, quality;
    SetSize(state, w, h, quality);
    auto project = MakeProject(w, h, quality);
    RandomGenerator generator;
    TileRandomSource random(generator, 1);
    RenderStereogram(*project, random);
    for (auto _ : state)
        project->Repaint_Stereo();
}

// The default project, and 4000 x 3000 at quality 2 ("Normal", factor 4).
void Sizes(benchmark::internal::Benchmark* b)
{
    b->Args({600, 450, 0})->Args({4000, 3000, 2})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_RenderStereogram)->Apply(Sizes);
BENCHMARK(BM_FirstRender)->Apply(Sizes);
BENCHMARK(BM_ComposeDepthMap)->Apply(Sizes);
BENCHMARK(BM_GenerateTileBitmap)->Apply(Sizes);
BENCHMARK(BM_Rows)->Apply(Sizes);
BENCHMARK(BM_Afterburner)->Apply(Sizes);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the texts' fonts need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
