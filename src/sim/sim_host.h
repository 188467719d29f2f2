#pragma once

#include <string>
#include <vector>

#include "host/backend.h"
#include "sim/host_state.h"

namespace orvalis::sim {

// The simulated host: answers the automation channel from a project held in
// memory, as the CAM system would. Command lines are read by the command
// reader and carried out by the command families; lines it has no effect for
// yet are accepted and recorded.
//
// A refused command (an entity that does not exist, words the host cannot
// read) changes nothing. With the host's error dialogs on it fails the call
// with a host::HostError carrying the host's error text; with them off ("DIALOGS
// ERROR OFF") the host refuses it quietly, as the real one does: the call
// returns, the text is printed as the answer and kept in quiet_errors().
class SimHost : public host::HostBackend {
  public:
    explicit SimHost(Project project);

    void Connect(std::optional<int> argument) override;
    void RunCommand(const std::string& line) override;
    std::string RunCommandOutput(const std::string& line) override;
    long Version() override;
    std::vector<std::string> ToolpathNames() override;
    void FetchBlock() override;
    double BlockLimit(int index) override;
    void SetBlockLimit(int index, double value) override;

    const Project& project() const { return state_.project; }
    // Commands accepted without effect yet, as sent, in order.
    const std::vector<std::string>& recorded() const { return state_.recorded; }
    // Error texts of commands refused while the error dialogs were off.
    const std::vector<std::string>& quiet_errors() const { return state_.quiet_errors; }
    // The collision form's settings and whether its result is drawn.
    const CollisionForm& collision() const { return state_.collision; }

  private:
    std::string Run(const std::string& line, const std::string& call);
    static std::size_t LimitSlot(int index, const std::string& call);

    HostState state_;
};

}  // namespace orvalis::sim
