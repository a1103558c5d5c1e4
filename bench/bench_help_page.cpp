// Laying out and drawing a help page, as the help window does on every
// page change and every change of its width.
#include "help/lumo_help.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace lumora {
namespace {

void LoadEachTime(benchmark::State& state, const QString& path)
{
    TLumoHelp help(static_cast<int>(state.range(0)), 560);
    help.Look = HelpWindowLook();
    for (auto _ : state) {
        help.LoadPage(path, false);
        benchmark::DoNotOptimize(help.Height());
    }
}

// The walk-through with its three pictures.
void BM_GettingStarted(benchmark::State& state)
{
    LoadEachTime(state, QStringLiteral(LUMORA_ASSETS_DIR "/help/english/getting_started.l2h"));
}
BENCHMARK(BM_GettingStarted)->Arg(540)->Arg(1200)->Unit(benchmark::kMillisecond);

// A long page of 200 paragraphs with bold words and links, no pictures.
void BM_LongTextPage(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.l2h"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.write("A long page\r\n");
    for (int i = 0; i < 200; ++i)
        file.write("Some <B>bold</B> words and a <L>link to the index|index.l2h</L> in a "
                   "paragraph long enough to wrap over two or three lines of the help "
                   "window at its usual width.\r\n");
    file.close();
    LoadEachTime(state, path);
}
BENCHMARK(BM_LongTextPage)->Arg(540)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lumora

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // drawing text needs it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
