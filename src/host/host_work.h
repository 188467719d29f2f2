#pragma once

#include <string>

#include "host/host_error.h"

namespace orvalis::host {

class HostChannel;
class HostSession;

// A front end that stays alive while a window's long host work runs (the
// survey, the collision pass, the capture, NC POST, renaming). The work runs
// on the thread that made the channel, as a COM host demands; the front end
// gets its turn before each host call.
class WorkWatcher {
  public:
    virtual ~WorkWatcher() = default;
    virtual void WorkStarted() = 0;
    // Before each host call of the work: repaint, take a click on cancel.
    virtual void BetweenCalls() = 0;
    virtual void WorkEnded() = 0;
};

// The refusal of the next host call once the user has cancelled the work.
// The calls after it go through, so the work still sends its closing
// commands; the work stops where it is and says what it did not do.
class Cancelled : public HostError {
  public:
    explicit Cancelled(std::string call) : HostError(std::move(call), "사용자가 취소했습니다") {}
};

// Marks a window's long host work while it lives. Work inside work (the
// survey that ends the collision pass) is part of it.
class LongWork {
  public:
    explicit LongWork(HostChannel& pm);
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

  private:
    HostSession& session_;
};

}  // namespace orvalis::host
