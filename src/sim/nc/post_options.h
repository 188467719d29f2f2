#pragma once

#include <string>
#include <string_view>

namespace orvalis::sim {

// The controller language an option file asks for.
enum class NcDialect { kFanuc, kHeidenhain };

enum class Coolant { kFlood, kMist, kOff };

// What the simulated host takes from a post-processor option file. The file
// is "key=value" lines; a line starting with ";" is a comment; keys are read
// in any letter case and keys the host does not use are ignored, so a shop's
// own settings may stand beside them.
struct PostOptions {
    NcDialect dialect = NcDialect::kFanuc;
    std::string controller;           // named in the program's heading
    int decimals = 3;                 // digits after the point of coordinates
    std::string work_offset = "G54";  // Fanuc: the work offset selected before the first move
    Coolant coolant = Coolant::kFlood;
    int program_number = 1;  // Fanuc: the O number when the file's name ends in no number
};

// Reads an option file's text (code page 949). Refuses, with the host's text
// naming `path`, a file that names no dialect the host can write or holds a
// value it cannot use.
PostOptions ReadPostOptions(std::string_view text, const std::string& path);

// Reads the option file at `path` as the command sent it (a drive path or a
// native one); refuses a file that does not exist.
PostOptions LoadPostOptions(const std::string& path);

}  // namespace orvalis::sim
