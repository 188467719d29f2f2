#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/backend.h"
#include "host/transcript.h"

namespace orvalis::host {

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

  private:
    std::unique_ptr<HostBackend> backend_;
    std::unique_ptr<Transcript> transcript_;
};

// Makes a backend from the text after "NAME:" in a host spec (empty for a
// bare "NAME").
using BackendMaker = std::function<std::unique_ptr<HostBackend>(const std::string& argument)>;

// Adds a backend that host specs may name. The replay backend is always
// there; a program that offers the simulated host registers it at start, so
// the core itself never links it.
void RegisterBackend(const std::string& name, BackendMaker maker);

// Builds the backend named by a host spec: "sim", "sim:PROJECT.json",
// "replay:SCRIPT" or "com". Throws HostError for a spec that names no backend
// this build has; the message says which specs are valid.
std::unique_ptr<HostBackend> MakeBackend(const std::string& spec);

// The host to use when the command line names none: $ORVALIS_HOST, else "com"
// on Windows and "sim" elsewhere.
std::string DefaultHostSpec();

}  // namespace orvalis::host
