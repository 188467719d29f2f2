// Speed targets: the whole typical run of a shop (main window load, survey,
// collision check, capture, setup sheet, picture workbook and one NC file per
// toolpath) against the simulated host takes under 1 s of wall time for the
// sample project's twelve toolpaths, and under 2 s for a 60-toolpath project.
// Run: build/bench/typical_run_bench
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "bench_drives.h"
#include "cli/cli.h"
#include "platform/drive_paths.h"
#include "platform/tool_assembly_file.h"
#include "sim/sim_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace orvalis;

// The sample tool-assembly table, for the collision check.
void UseSampleToolAssemblies() {
    fs::copy_file(sim::ShippedSimDir() / "sample-tool-assemblies.DAT",
                  ResolvePath(settings::ToolAssemblyFilePath()),
                  fs::copy_options::overwrite_existing);
}

// The sample project with its toolpaths repeated under new names until it
// holds `count` of them: the largest project the setup sheet takes.
fs::path ProjectWith(int count, const fs::path& folder) {
    std::ifstream in(sim::SampleProjectFile());
    nlohmann::json project = nlohmann::json::parse(in);
    const nlohmann::json sample = project["toolpaths"];
    nlohmann::json toolpaths = nlohmann::json::array();
    for (int n = 0; static_cast<int>(toolpaths.size()) < count; ++n) {
        nlohmann::json toolpath = sample[static_cast<std::size_t>(n) % sample.size()];
        toolpath["name"] = "TP" + std::to_string(n + 1) + "-" + toolpath["name"].get<std::string>();
        toolpaths.push_back(std::move(toolpath));
    }
    project["toolpaths"] = std::move(toolpaths);
    fs::path file = folder / ("project-" + std::to_string(count) + ".json");
    std::ofstream(file) << project.dump();
    return file;
}

// The argument is the number of toolpaths: 12 runs the bundled sample
// project itself, any other number a generated one.
void TypicalRun(benchmark::State& state) {
    bench::BenchDrives drives;
    UseSampleToolAssemblies();
    int toolpaths = static_cast<int>(state.range(0));
    std::string host = "sim";
    if (toolpaths != 12) host = "sim:" + ProjectWith(toolpaths, drives.root()).string();
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
