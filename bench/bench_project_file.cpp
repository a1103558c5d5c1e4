// Saving and loading a project of 200 objects of every kind, pictures
// included: the bytes of the file written (WriteProjectBytes) and read back
// (ReadProjectBytes).
#include "project/project.h"
#include "project/project_file.h"
#include "support/every_kind_project.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kCopies = 200;
constexpr int32_t kQuality = 80;

void BM_SaveProject(benchmark::State& state)
{
    lumora::Project project;
    lumora::test::BuildEveryKindProject(project, kCopies);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> data = lumora::WriteProjectBytes(project, kQuality);
        bytes = data.size();
        benchmark::DoNotOptimize(data.data());
    }
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_LoadProject(benchmark::State& state)
{
    lumora::Project project;
    lumora::test::BuildEveryKindProject(project, kCopies);
    const std::vector<uint8_t> data = lumora::WriteProjectBytes(project, kQuality);
    for (auto _ : state) {
        lumora::ReadProjectResult read = lumora::ReadProjectBytes(
            std::span<const uint8_t>(data.data(), data.size()), "bench.l2p", 600, 450);
        benchmark::DoNotOptimize(read.Loaded.get());
    }
    state.counters["file_bytes"] = double(data.size());
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
