#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "host/system_backends.h"
#include "platform/command_line.h"
#include "platform/interrupt.h"
#include "sim/sim_backend.h"

int main(int argc, char** argv) {
    orvalis::UseUtf8Output();
    orvalis::CatchInterrupt();
    orvalis::IgnoreClosedPipes();
    orvalis::sim::RegisterSimBackend();
    orvalis::host::RegisterSystemBackends();
    std::vector<std::string> words = orvalis::CommandLineWords(argc, argv);
    return orvalis::cli::Main(words, std::cout, std::cerr);
}
