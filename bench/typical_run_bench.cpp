// Speed targets: the whole typical run of a shop (main window load, survey,
// collision check, capture, setup sheet, picture workbook and one NC file per
// toolpath) against the simulated host takes under 1 s of wall time for the
// sample project's twelve toolpaths, and under 2 s for a 60-toolpath project.
// Run: build/bench/typical_run_bench
#include <benchmark/benchmark.h>
#include <sstream>

#include "bench_drives.h"
#include "bench_projects.h"
#include "cli/cli.h"

namespace {

using namespace orvalis;

// The argument is the number of toolpaths: 12 runs the bundled sample
// project itself, any other number a generated one.
void TypicalRun(benchmark::State& state) {
    bench::BenchDrives drives;
    bench::UseSampleToolAssemblies();
    int toolpaths = static_cast<int>(state.range(0));
    std::string host = "sim";
    if (toolpaths != 12) host = "sim:" + bench::ProjectWith(toolpaths, drives.root()).string();
    const std::string folder = (drives.root() / "out").string();
    for (auto _ : state) {
        std::ostringstream out, err;
        int status = cli::Main({"--host", host, "run", "--folder", folder, "--collision",
                                "--prefix", "T", "--company", "(주)한국정밀", "--force"},
                               out, err);
        if (status != 0) {
            state.SkipWithError(("the run failed: " + err.str()).c_str());
            break;
        }
    }
    state.counters["toolpaths"] = toolpaths;
}

BENCHMARK(TypicalRun)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
