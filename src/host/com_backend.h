#pragma once

#include <memory>
#include <optional>
#include <string>

#include "host/backend.h"
#include "host/com_dispatch.h"

namespace orvalis::host {

// The host's automation control under its registered name.
inline constexpr const char* kHostProgId = "PowerSolutionOLE.PowerMILL3";

// The real host through its automation control. The control is made on the
// first Connect (and again after a Connect that failed), in the
// single-threaded apartment of the thread that made this backend, and is
// called from that thread only; every operation is called by name through
// IDispatch with texts as BSTRs.
class ComBackend : public HostBackend {
  public:
    explicit ComBackend(std::string prog_id);
    // With a control made already, as a caller that holds one hands it over.
    ComBackend(std::string prog_id, ComRef<IDispatch> control);

    void Connect(std::optional<int> argument) override;
    void RunCommand(const std::string& line) override;
    std::string RunCommandOutput(const std::string& line) override;
    long Version() override;
    std::vector<std::string> ToolpathNames() override;
    void FetchBlock() override;
    double BlockLimit(int index) override;
    void SetBlockLimit(int index, double value) override;

  private:
    // The control; throws HostError naming `call` before the first Connect
    // or on another thread than this backend's.
    DispatchCaller& Control(const std::string& call);
    void RequireOwnThread(const std::string& call) const;

    std::string prog_id_;
    unsigned long thread_;  // the making thread's id (a DWORD)
    std::optional<DispatchCaller> control_;
};

// "com" reaches kHostProgId; "com:PROGID" another control of the same shape.
std::unique_ptr<HostBackend> MakeComBackend(const std::string& prog_id);

}  // namespace orvalis::host
