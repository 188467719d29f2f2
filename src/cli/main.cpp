#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "host/system_backends.h"
#include "sim/sim_backend.h"

int main(int argc, char** argv) {
    orvalis::sim::RegisterSimBackend();
    orvalis::host::RegisterSystemBackends();
    std::vector<std::string> words(argv + 1, argv + argc);
    return orvalis::cli::Main(words, std::cout, std::cerr);
}
