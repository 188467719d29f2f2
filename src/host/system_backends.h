#pragma once

namespace orvalis::host {

// Adds the backends that exist only on the system this program was built
// for: on Windows "com", the real host through its automation control. The
// programs call it once at start.
void RegisterSystemBackends();

// The host when neither the command line nor ORVALIS_HOST names one: the
// real host on Windows, the simulated host elsewhere.
const char* SystemDefaultHost();

}  // namespace orvalis::host
