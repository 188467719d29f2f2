#include "support/forms_rig.h"

#include <fstream>

#include "data_files/data_folder.h"
#include "host/replay_script.h"

namespace orvalis::testing {

FormsRig::FormsRig(const std::string& replay_script) {
    FillMissingFiles(ORVALIS_TEST_DATA_DIR, kDataFolder);
    auto backend =
        std::make_unique<host::ReplayBackend>(host::ParseReplayScript(replay_script, "rig"));
    backend_ = backend.get();
    auto transcript = std::make_unique<host::Transcript>((folder_.path() / "transcript").string());
    auto session = std::make_shared<host::HostSession>(std::move(backend), std::move(transcript));
    forms_ = std::make_unique<forms::Forms>(session, interaction_);
}

std::vector<std::string> FormsRig::Transcript() const {
    std::ifstream in(folder_.path() / "transcript");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> FormsRig::TranscriptSince(const std::string& action) const {
    auto lines = Transcript();
    std::vector<std::string> since;
    for (const auto& line : lines) {
        if (line == "# " + action) {
            since.clear();
        } else {
            since.push_back(line);
        }
    }
    return since;
}

std::vector<std::string> FormsRig::CallsOf(const std::function<void()>& action) {
    forms_->session()->Mark("calls of");
    action();
    return TranscriptSince("calls of");
}

}  // namespace orvalis::testing
