// Speed target: a capture run against the simulated host, with its labels
// built from the shipped glyph files and four 1024 x 768 bitmaps written, takes
// under 300 ms. Run: build/bench/capture_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "host/channel.h"
#include "host/session.h"
#include "host/sim/project_loader.h"
#include "host/sim/sim_folder.h"
#include "host/sim/sim_host.h"
#include "mainwin/data_folder.h"
#include "mainwin/drive_paths.h"
#include "views/view_capture.h"

namespace {

namespace fs = std::filesystem;
using namespace orvalis;

// A data folder of the benchmark's own, filled from the shipped files.
class BenchDrives {
  public:
    BenchDrives() {
        std::string pattern = (fs::temp_directory_path() / "orvalis-capture-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a folder");
        root_ = pattern;
        setenv("ORVALIS_DRIVES", root_.c_str(), 1);
        setenv("ORVALIS_DATA_DIR", ORVALIS_BENCH_DATA_DIR, 1);
        EnsureDataFolder();
    }
    ~BenchDrives() {
        std::error_code error;
        fs::remove_all(root_, error);
    }

  private:
    fs::path root_;
};

void CaptureRun(benchmark::State& state) {
    BenchDrives drives;
    const host::sim::Project sample = host::sim::LoadProjectFile(host::sim::SampleProjectFile());
    const views::BlockBoxes boxes{"-50", "50", "-40", "40", "-30", "0"};
    for (auto _ : state) {
        auto session = std::make_shared<host::HostSession>(
            std::make_unique<host::sim::SimHost>(sample), nullptr);
        host::HostChannel pm(session);
        if (auto failure = views::RunCapture(pm, boxes)) {
            state.SkipWithError((failure->command + ": " + failure->reason).c_str());
            break;
        }
    }
    if (!fs::exists(ResolvePath(std::string(views::kImageFolder) + "ISO.bmp"))) {
        state.SkipWithError("the bitmaps were not written");
    }
}
BENCHMARK(CaptureRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
