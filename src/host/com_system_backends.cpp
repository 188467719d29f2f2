// On Windows the real host is reached through its automation control.
#include "host/com_backend.h"
#include "host/session.h"
#include "host/system_backends.h"

namespace orvalis::host {

void RegisterSystemBackends() {
    RegisterBackend("com", MakeComBackend);
}

const char* SystemDefaultHost() {
    return "com";
}

}  // namespace orvalis::host
