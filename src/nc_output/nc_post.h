#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvalis::host {
class HostChannel;
}

namespace orvalis::nc_output {

// The host's post-processor option folder; the main window lists it.
inline constexpr const char* kPostFolder = "C:\\dcam\\config\\ductpost\\";

// One toolpath to post: its host name (also the NC program's name) and the
// NC name from the grid.
struct PostEntry {
    std::string toolpath;
    std::string nc_name;
};

// The output file: the folder, a separator, the NC name, "." and the
// extension. Drive paths are joined with "\" as they stand, so a drive root
// "C:\" gives "C:\\NAME.nc"; native folders with "/".
std::string OutputFile(const std::string& folder, const std::string& nc_name,
                       const std::string& extension);

// Why an NC name cannot name a file in the chosen folder, or empty when it can.
std::string NcNameProblem(const std::string& nc_name);

// Why the NC file extension setting (SETTING.dat, TYPE) cannot end a file
// name in the chosen folder, or empty when it can: it must not be empty nor
// hold a path separator, "..", a control character or a character Windows
// forbids in file names, so every NC file lands in the folder as named.
std::string NcExtensionProblem(const std::string& extension);

// The command lines that write one toolpath's NC file through an NC program
// of its own name.
std::vector<std::string> PostCommands(const std::string& toolpath, const std::string& option_file,
                                      const std::string& output_file);

struct PostResult {
    std::vector<std::string> written;    // output files the host was told to write, in order
    std::vector<std::string> refused;    // one Korean line per toolpath whose NC name was refused
    std::optional<std::string> failure;  // in Korean, naming the toolpath, when the run stopped
    std::vector<std::string> unwritten;  // files the host accepted but did not write
};

// Told before each toolpath with its index, so the window can select it.
using PostStarting = std::function<void(int index)>;

// Takes the output file for this run before the host is told to write it;
// false when another run or program made it first, which is then left as it
// is. Empty: every file may be written (the user agreed to replace them).
using ClaimFile = std::function<bool(const std::string& output_file)>;

// Connects twice, then posts each entry; an extension NcExtensionProblem
// refuses stops the run before the host is called. An entry whose NC name is
// refused, whose toolpath name cannot stand in the host's quotes, or whose
// file `claim` refuses is skipped; a failing call stops the run at that
// toolpath. In every case the NC programs are deleted and the host's
// messages switched back on at the end.
PostResult RunNcPost(host::HostChannel& pm, const std::vector<PostEntry>& entries,
                     const std::string& option_file, const std::string& folder,
                     const std::string& extension, const PostStarting& starting,
                     const ClaimFile& claim = {});

}  // namespace orvalis::nc_output
