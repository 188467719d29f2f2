// The typical run against a host as slow as a real one: the simulated host
// with the latency model of docs/performance.md. What the run costs is the
// host's time to answer; ORVALIS's own time stays under 5 % of the run.
// Also counts the host calls of each action per toolpath, from transcripts.
// Run: build/bench/slow_host_bench (about a minute and a half)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "bench_drives.h"
#include "bench_projects.h"
#include "cli/cli.h"

namespace {

using namespace orvalis;
namespace fs = std::filesystem;

// The assumed figures, in milliseconds (docs/simulated-host.md).
const nlohmann::json kLatencyModel = {
    {"*", 5},
    {"ToolpathNames", 20},
    {"TOOLPATHSTATS ESTIMATE", 300},
    {"EDIT COLLISION APPLY", 200},
    {"ACTIVATE NCPROGRAM", 250},
    {"KEEP BITMAP", 150},
};

struct RunOutput {
    int status = 0;
    std::string out;
    std::string err;
};

RunOutput Run(const std::string& host, std::vector<std::string> words,
              const fs::path& transcript = {}) {
    words.insert(words.begin(), {"--host", host});
    if (!transcript.empty()) words.insert(words.begin(), {"--transcript", transcript.string()});
    std::ostringstream out, err;
    int status = cli::Main(words, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> RunWords(const fs::path& folder) {
    return {"run", "--folder",  folder.string(), "--collision", "--prefix",
            "T",   "--company", "(주)한국정밀",  "--force"};
}

// "… 호스트 대기 21.50 s, 자체 처리 0.19 s" at the end of the summary.
bool ReadCost(const std::string& out, double& waiting, double& own) {
    std::size_t at = out.rfind("호스트 대기 ");
    return at != std::string::npos &&
           std::sscanf(out.c_str() + at, "호스트 대기 %lf s, 자체 처리 %lf s", &waiting, &own) == 2;
}

void SlowHostRun(benchmark::State& state) {
    bench::BenchDrives drives;
    bench::UseSampleToolAssemblies();
    int toolpaths = static_cast<int>(state.range(0));
    std::string host =
        "sim:" + bench::ProjectWith(toolpaths, drives.root(), kLatencyModel).string();
    double waiting = 0, own = 0;
    for (auto _ : state) {
        RunOutput run = Run(host, RunWords(drives.root() / "out"));
        if (run.status != 0 || !ReadCost(run.out, waiting, own)) {
            state.SkipWithError(("the run failed: " + run.err).c_str());
            return;
        }
    }
    state.counters["toolpaths"] = toolpaths;
    state.counters["host_wait_s"] = waiting;
    state.counters["own_s"] = own;
    state.counters["own_pct"] = 100 * own / (waiting + own);
}

// Host calls per action marker of a transcript.
std::map<std::string, double> CallsPerAction(const fs::path& transcript) {
    std::map<std::string, double> calls;
    std::ifstream in(transcript);
    std::string action;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("# ", 0) == 0) {
            action = line.substr(2);
        } else {
            ++calls[action];
        }
    }
    return calls;
}

// Calls of each action on the sample project, without latency: the load,
// the capture, the sheet and the picture workbook are fixed; the survey, the
// collision pass (with its closing survey) and NC POST are per toolpath.
void HostCallsPerToolpath(benchmark::State& state) {
    bench::BenchDrives drives;
    bench::UseSampleToolAssemblies();
    int toolpaths = static_cast<int>(state.range(0));
    std::string host = "sim:" + bench::ProjectWith(toolpaths, drives.root()).string();
    std::map<std::string, double> calls;
    for (auto _ : state) {
        fs::path run_transcript = drives.root() / "run.transcript";
        fs::path survey_transcript = drives.root() / "survey.transcript";
        fs::remove(run_transcript);
        fs::remove(survey_transcript);
        if (Run(host, RunWords(drives.root() / "out"), run_transcript).status != 0 ||
            Run(host, {"survey"}, survey_transcript).status != 0) {
            state.SkipWithError("a run failed");
            return;
        }
        calls = CallsPerAction(run_transcript);
        calls["survey"] = CallsPerAction(survey_transcript)["survey"];
    }
    for (const char* action : {"load", "block", "capture", "sheet", "pictures"}) {
        state.counters[action] = calls[action];
    }
    for (const char* action : {"survey", "collision", "post"}) {
        state.counters[std::string(action) + "/tp"] = calls[action] / toolpaths;
    }
}

BENCHMARK(SlowHostRun)->Arg(12)->Arg(60)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(HostCallsPerToolpath)->Arg(12)->Arg(60)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
