#include <gtest/gtest.h>

#include "host/host_error.h"
#include "sim/latency_model.h"
#include "sim/project_fields.h"
#include "sim/project_loader.h"

namespace orvalis::sim {
namespace {

using std::chrono::milliseconds;

constexpr const char* kProject = R"({
  "project": {"name": "P-1", "path": "C:\\JOBS\\P-1"},
  "version": 8009,
  "model": {"limits": [-50, 50, -40, 40, -30, 0]},
  "latency_ms": {"*": 2, "TOOLPATHSTATS ESTIMATE": 300, "TOOLPATHSTATS": 40,
                 "ToolpathNames": 20, "print entity parameters": 7.4}
})";

TEST(SimLatency, TheLongestKeyThatBeginsTheCallGivesItsDelay) {
    LatencyModel latency = ParseProject(kProject, "p.json").latency;
    const std::pair<const char*, long> cases[] = {
        {"TOOLPATHSTATS ESTIMATE", 300},
        {"toolpathstats estimate", 300},  // keywords in any letter case
        {"TOOLPATHSTATS CANCEL", 40},
        {"FORM TOOLPATHSTATS TOOLPATHSTATS ESTIMATE", 2},  // only the line's beginning counts
        {"print entity parameters  tool 'D10'", 7},
        {"TOOLPATH", 2},  // shorter than every key but "*"
    };
    for (const auto& [call, expected] : cases) {
        EXPECT_EQ(latency.DelayFor(call), milliseconds(expected)) << call;
    }
}

TEST(SimLatency, EnvironmentEntriesAddToAndOverrideTheFile) {
    LatencyModel latency = ParseProject(kProject, "p.json").latency;
    latency.AddEntries(" *=5, TOOLPATHSTATS ESTIMATE = 1000 ,Connect=0,");
    EXPECT_EQ(latency.DelayFor("TOOLPATHSTATS ESTIMATE"), milliseconds(1000));
    EXPECT_EQ(latency.DelayFor("Version"), milliseconds(5));
    EXPECT_EQ(latency.DelayFor("Connect"), milliseconds(0));
    EXPECT_EQ(latency.DelayFor("ToolpathNames"), milliseconds(20));

    LatencyModel none;
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.DelayFor("TOOLPATHSTATS ESTIMATE"), milliseconds(0));
}

TEST(SimLatency, RefusesEntriesItCannotRead) {
    for (const char* text : {"*", "*=fast", "*=-1", "*=700000", "a=1,,b"}) {
        LatencyModel latency;
        EXPECT_THROW(latency.AddEntries(text), host::HostError) << text;
    }
    const std::pair<const char*, const char*> files[] = {
        {"\"*\": -1", "latency_ms.*: must be a number of at least 0"},
        {"\"*\": 1e9", "latency_ms.*: must be at most 600000"},
        {"\" \": 1", "the key must not be empty"},
    };
    for (const auto& [entry, message] : files) {
        std::string text = std::string(kProject);
        text.replace(text.find("\"*\": 2"), 6, entry);
        try {
            ParseProject(text, "p.json");
            ADD_FAILURE() << "accepted: " << entry;
        } catch (const ProjectFileError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace orvalis::sim
