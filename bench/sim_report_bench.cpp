// The simulated host must answer a tool report in under 20 us, so a survey of
// sixty toolpaths never waits on the stand-in. Run: build/bench/sim_report_bench
#include <benchmark/benchmark.h>

#include "sim/project_loader.h"
#include "sim/sim_folder.h"
#include "sim/sim_host.h"

namespace {

using orvalis::sim::LoadProjectFile;
using orvalis::sim::SampleProjectFile;
using orvalis::sim::SimHost;

void ToolReport(benchmark::State& state) {
    SimHost host(LoadProjectFile(SampleProjectFile()));
    const std::string line = "print entity parameters  tool 'D10R0.5'";
    for (auto _ : state) {
        std::string answer = host.RunCommandOutput(line);
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(ToolReport)->Unit(benchmark::kMicrosecond);

void ToolpathReport(benchmark::State& state) {
    SimHost host(LoadProjectFile(SampleProjectFile()));
    const std::string line = "print entity parameters  toolpath '12-OUTER-ZLEVEL-D12'";
    for (auto _ : state) {
        std::string answer = host.RunCommandOutput(line);
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(ToolpathReport)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
