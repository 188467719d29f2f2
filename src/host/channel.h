#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/session.h"

namespace orvalis::host {

// One window's automation control (the `PM` / `pm` of a window). It reaches
// the session's host, writes each call to the transcript before making it,
// counts it and the time its answer took in the session's cost, and refuses
// every call until Connect has succeeded on it, as the real control does.
// During long work each call is preceded by the front end's turn and may be
// refused as Cancelled (see LongWork).
// Text the host answers is always handed on as UTF-8 (DecodeIncomingText),
// whatever code page the host wrote it in.
class HostChannel {
  public:
    explicit HostChannel(std::shared_ptr<HostSession> session);

    void Connect();
    void Connect(int argument);
    void RunCommand(const std::string& line);
    std::string RunCommandOutput(const std::string& line);
    long Version();
    std::vector<std::string> ToolpathNames();
    void FetchBlock();
    double BlockLimit(int index);
    void SetBlockLimit(int index, double value);

    bool connected() const { return connected_; }
    HostSession& session() { return *session_; }
    // Whether the user cancelled the running (or the last) long work.
    bool cancelled() const { return session_->cancelled(); }

  private:
    void ConnectWith(std::optional<int> argument, const std::string& call);
    // Throws HostError, recording nothing, when `call` holds a control character.
    static void RefuseControlCharacters(const std::string& call);
    // Gives the front end its turn, records the call and throws HostError
    // when the channel is not connected (Cancelled after a cancel).
    void Begin(const std::string& call);
    // Makes the backend call, counting it and its waiting time.
    template <typename Call>
    auto Timed(Call call) -> decltype(call());

    std::shared_ptr<HostSession> session_;
    bool connected_ = false;
};

}  // namespace orvalis::host
