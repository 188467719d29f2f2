// The simulated host's command-line reader and command families on any line
// a caller might send. The input's lines go, one call each, to a fresh host
// with a small project; a line the host cannot carry out fails with HostError
// (or is refused quietly with its error dialogs off), and nothing else may
// escape.
//
// The first byte chooses whether the host starts with its error dialogs off.
#include <cstdlib>
#include <filesystem>

#include "fuzz_check.h"
#include "host/host_error.h"
#include "sim/project_loader.h"
#include "sim/sim_host.h"
#include "small_project.h"

namespace {

namespace sim = orvalis::sim;

// Commands that keep files write them below a private drive folder.
const sim::Project& SmallProject() {
    static const sim::Project project = [] {
        auto drives = std::filesystem::temp_directory_path() / "orvalis-fuzz-drives";
        std::filesystem::create_directories(drives);
        setenv("ORVALIS_DRIVES", drives.c_str(), 1);
        return sim::ParseProject(orvalis::fuzz::kSmallProject, "small-project.json");
    }();
    return project;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    sim::SimHost host(SmallProject());
    if (data[0] & 1) host.RunCommand("DIALOGS ERROR OFF");
    std::string_view lines = orvalis::fuzz::InputText(data + 1, size - 1);
    while (!lines.empty()) {
        std::size_t end = lines.find('\n');
        std::string line(lines.substr(0, end));
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        try {
            host.RunCommandOutput(line);
        } catch (const orvalis::host::HostError&) {
        }
    }
    return 0;
}
