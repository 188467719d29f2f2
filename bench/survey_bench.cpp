// The program's own time per surveyed toolpath: a host that answers at once
// with realistic reports, so what is measured is the command building, the
// report reading and the row making. Target: under 50 µs per toolpath.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "host/backend.h"
#include "host/channel.h"
#include "host/session.h"
#include "survey/survey.h"

namespace {

using orvalis::host::HostBackend;

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (auto line : lines) text.append(line).append("\r\n");
    return text;
}

// Answers every survey command at once; the reports are those of a tip-radiused
// tool and an offset roughing toolpath, the longest path through the readers.
class InstantHost : public HostBackend {
  public:
    void Connect(std::optional<int>) override {}
    void RunCommand(const std::string&) override {}
    std::string RunCommandOutput(const std::string& line) override {
        std::string_view command = line;
        if (command.starts_with("PRINT FORMVALUE ToolpathStats.Time")) return time_;
        if (command.starts_with("SIZE TOOLPATH")) return size_;
        if (command.starts_with("PRINT FORMVALUE ToolToolBar.Active")) return tool_name_;
        if (command.starts_with("print entity parameters  tool ")) return tool_report_;
        if (command.starts_with("print entity parameters  toolpath ")) return toolpath_report_;
        if (command.starts_with("PRINT FORMVALUE AreaClear")) return step_down_;
        return {};
    }
    long Version() override { return 8009; }
    std::vector<std::string> ToolpathNames() override { return {}; }
    void FetchBlock() override {}
    double BlockLimit(int) override { return 0; }
    void SetBlockLimit(int, double) override {}

  private:
    std::string time_ = "0:12:30\r\n";
    std::string size_ = Lines({"Size of toolpath '1-ROUGH'",
                               "  Lowest point (Z minimum) of the toolpath    -12.3456",
                               "  Highest point (Z maximum) of the toolpath   25.0"});
    std::string tool_name_ = "D10R1\r\n";
    std::string tool_report_ =
        Lines({"", "Tool 'D10R1'", "-------------------", "", "TYPE  :  TIPRADIUSED",
               "NAME      : D10R1", "DIAMETER  : 10", "TIP-RADIUS : 1", "LENGTH    : 100.5",
               "OVERHANG  : 35.2", "NUMBER    : 3"});
    std::string toolpath_report_ =
        Lines({"Toolpath '1-ROUGH'", "-------------------", "TYPE  :  OFFSET", "STEPOVER  : 5",
               "TOLERANCE : 0.1", "RADIAL-THICKNESS : 0.3", "AXIAL-THICKNESS : 0.1"});
    std::string step_down_ = "1.5\r\n";
};

void BM_SurveyPerToolpath(benchmark::State& state) {
    auto session =
        std::make_shared<orvalis::host::HostSession>(std::make_unique<InstantHost>(), nullptr);
    orvalis::host::HostChannel pm(session);
    std::vector<std::string> toolpaths;
    for (int i = 1; i <= 60; ++i) toolpaths.push_back("T" + std::to_string(i) + "-ROUGH");
    orvalis::survey::AssemblyValues assembly{"40", "25", "32", "60", "40", "45"};
    int selected = -1;
    for (auto _ : state) {
        auto result = orvalis::survey::RunSurvey(pm, toolpaths, assembly,
                                                 [&selected](int index) { selected = index; });
        if (!result.complete() || result.rows.size() != toolpaths.size()) {
            state.SkipWithError("the survey did not survey every toolpath");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
    benchmark::DoNotOptimize(selected);
    state.counters["per_toolpath"] = benchmark::Counter(
        static_cast<double>(toolpaths.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SurveyPerToolpath)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
