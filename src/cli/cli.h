#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "host/session.h"

namespace orvalis::cli {

// What a command gets: its arguments, the output streams and the host.
class CommandContext {
public:
    CommandContext(GlobalOptions options, std::ostream& out, std::ostream& err);

    const std::vector<std::string>& arguments() const { return options_.arguments; }
    std::ostream& out() { return out_; }
    std::ostream& err() { return err_; }

    // The host session, made on first use from --host / ORVALIS_HOST and
    // --transcript, so commands that never talk to the host need none.
    std::shared_ptr<host::HostSession> Session();

private:
    GlobalOptions options_;
    std::ostream& out_;
    std::ostream& err_;
    std::shared_ptr<host::HostSession> session_;
};

// Runs orvalis-cli with the words after the program name and returns the exit
// status: 0 done, 1 failed (message on `err`), 2 usage error.
int Main(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace orvalis::cli
