#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvalis::cli {

// A command line that does not fit the usage; exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct GlobalOptions {
    std::string host;        // the host chosen ("sim", "com" …); empty means the default
    std::string transcript;  // transcript file; empty means none
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> arguments;  // what follows the command
};

// Reads the global options up to the command name. Throws UsageError.
GlobalOptions ParseGlobalOptions(const std::vector<std::string>& words);

// The options and operands of one command. Options take their value from the
// next word; flags take none. Throws UsageError for an unknown option or a
// missing value.
class CommandArguments {
  public:
    CommandArguments(const std::vector<std::string>& words, const std::vector<std::string>& options,
                     const std::vector<std::string>& flags);

    std::optional<std::string> Option(const std::string& name) const;
    bool Flag(const std::string& name) const;
    const std::vector<std::string>& operands() const { return operands_; }

  private:
    std::vector<std::pair<std::string, std::string>> options_;
    std::vector<std::string> flags_;
    std::vector<std::string> operands_;
};

// The operands are toolpath NAMEs for the host: one that cannot stand in the
// host's quotes is refused (UsageError naming it and its character) before
// anything reaches the host.
void RefuseUnquotableNames(const CommandArguments& arguments);

}  // namespace orvalis::cli
