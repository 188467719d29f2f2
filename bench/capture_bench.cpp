// Speed target: a capture run against the simulated host, with its labels
// built from the shipped glyph files and four 1024 x 768 bitmaps written, takes
// under 300 ms. Run: build/bench/capture_bench
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

#include "bench_drives.h"
#include "capture/view_capture.h"
#include "host/channel.h"
#include "host/session.h"
#include "platform/drive_paths.h"
#include "sim/project_loader.h"
#include "sim/sim_folder.h"
#include "sim/sim_host.h"

namespace {

namespace fs = std::filesystem;
using namespace orvalis;

void CaptureRun(benchmark::State& state) {
    bench::BenchDrives drives;
    const sim::Project sample = sim::LoadProjectFile(sim::SampleProjectFile());
    const capture::BlockBoxes boxes{"-50", "50", "-40", "40", "-30", "0"};
    for (auto _ : state) {
        auto session =
            std::make_shared<host::HostSession>(std::make_unique<sim::SimHost>(sample), nullptr);
        host::HostChannel pm(session);
        if (auto failure = capture::RunCapture(pm, boxes)) {
            state.SkipWithError((failure->command + ": " + failure->reason).c_str());
            break;
        }
    }
    if (!fs::exists(ResolvePath(std::string(capture::kImageFolder) + "ISO.bmp"))) {
        state.SkipWithError("the bitmaps were not written");
    }
}
BENCHMARK(CaptureRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
