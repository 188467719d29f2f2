// Off Windows there is no real host to reach; the simulated host stands in.
#include "host/system_backends.h"

namespace orvalis::host {

void RegisterSystemBackends() {}

const char* SystemDefaultHost() {
    return "sim";
}

}  // namespace orvalis::host
