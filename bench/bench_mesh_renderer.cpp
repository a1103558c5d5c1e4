// The mesh depth renderer at the 3D dialog's view size: turning a model in
// the dialog repaints the view on every mouse move, so one frame of the
// teapot should take at most 16 ms on one core.
#include "models/model_readers.h"
#include "models/scene_3d.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

lumora::Model3D Teapot()
{
    return lumora::LoadL3M(QStringLiteral(LUMORA_ASSETS_DIR "/data/teapot.l3m"));
}

void BM_TeapotFrame(benchmark::State& state)
{
    lumora::Scene3D scene;
    scene.Model = Teapot();
    scene.View.SetScaleValue(150);
    int angle = 0;
    for (auto _ : state) {
        scene.View.ModelMatrix = lumora::Matrix4::RotationDegrees({0, 1, 0}, angle++) *
                                 lumora::Matrix4::RotationDegrees({1, 0, 0}, -25);
        const lumora::GreyPicture picture = scene.Paint();
        benchmark::DoNotOptimize(picture.Levels.data());
    }
    state.counters["triangles"] = double(scene.Model.TriangleCount());
}
BENCHMARK(BM_TeapotFrame)->Unit(benchmark::kMillisecond);

void BM_TextFrame(benchmark::State& state)
{
    lumora::Scene3D scene;
    scene.ShowText = true;
    scene.View.SetScaleValue(0.7);
    scene.View.ModelMatrix = lumora::Matrix4::Translation(-0.95f, -0.2f, 0);
    scene.Text_laden("Text");
    scene.Paint(); // builds the glyph models once
    for (auto _ : state) {
        const lumora::GreyPicture picture = scene.Paint();
        benchmark::DoNotOptimize(picture.Levels.data());
    }
}
BENCHMARK(BM_TextFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the text's fonts need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
