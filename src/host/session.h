#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "host/backend.h"
#include "host/host_work.h"
#include "host/transcript.h"

namespace orvalis::host {

// What the host has cost so far: the calls made and the time spent waiting
// for their answers.
struct HostCost {
    long calls = 0;
    std::chrono::steady_clock::duration waiting{};
};

// The one host of a process and its optional transcript. Every window's
// channel object is made from the same session, so they all reach the same
// host and write to the same transcript.
class HostSession {
  public:
    HostSession(std::unique_ptr<HostBackend> backend, std::unique_ptr<Transcript> transcript);

    HostBackend& backend() { return *backend_; }
    // Writes "# action" when a transcript is kept; nothing otherwise.
    void Mark(const std::string& action);
    // Writes one call line when a transcript is kept.
    void Record(const std::string& call);

    const HostCost& cost() const { return cost_; }
    // Counts one call of every channel and the time its answer took.
    void AddCall(std::chrono::steady_clock::duration waited);

    // The front end told about long work; nullptr for none.
    void SetWatcher(WorkWatcher* watcher) { watcher_ = watcher; }
    // Long work begins and ends (see LongWork); a new work is not cancelled.
    void BeginWork();
    void EndWork();
    // Asks the running work to stop after the host call under way; ignored
    // when no work runs.
    void RequestCancel();
    // Whether the running (or the last) work was cancelled.
    bool cancelled() const { return cancel_requested_; }
    // Before each call: the watcher's turn, then, once after a cancel, the
    // refusal (throws Cancelled naming `call`).
    void BeforeCall(const std::string& call);

  private:
    std::unique_ptr<HostBackend> backend_;
    std::unique_ptr<Transcript> transcript_;
    HostCost cost_;
    WorkWatcher* watcher_ = nullptr;
    int work_depth_ = 0;
    bool cancel_requested_ = false;
    bool cancel_delivered_ = false;
};

// Makes a backend from the text after "NAME:" in a host choice (empty for a
// bare "NAME").
using BackendMaker = std::function<std::unique_ptr<HostBackend>(const std::string& argument)>;

// Adds a backend that a host choice may name. The replay backend is always
// there; a program that offers the simulated host registers it at start, so
// the core itself never links it.
void RegisterBackend(const std::string& name, BackendMaker maker);

// Builds the backend a host choice names: "sim", "sim:PROJECT.json",
// "replay:SCRIPT" or "com". Throws HostError for a choice that names no backend
// this build has; the message says which choices are valid.
std::unique_ptr<HostBackend> MakeBackend(const std::string& choice);

// The host to use when the command line names none: $ORVALIS_HOST, else "com"
// on Windows and "sim" elsewhere.
std::string DefaultHostChoice();

}  // namespace orvalis::host
