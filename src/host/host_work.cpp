#include "host/host_work.h"

#include "host/channel.h"
#include "host/session.h"

namespace orvalis::host {

LongWork::LongWork(HostChannel& pm) : session_(pm.session()) {
    session_.BeginWork();
}

LongWork::~LongWork() {
    session_.EndWork();
}

}  // namespace orvalis::host
