#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/nc/nc_motion.h"
#include "sim/nc/post_options.h"
#include "sim/project.h"

namespace orvalis::sim {

// One toolpath of an NC program, ready for a controller's language.
struct NcOperation {
    std::string toolpath;
    int tool_number = 0;           // the tool's place in the project's tool list, from 1
    std::string tool_description;  // "D16R1 - TIP RADIUSED D16 R1"
    long spindle_speed = 0;        // revolutions per minute
    long cutting_feed = 0;         // millimetres per minute
    long plunge_feed = 0;
    ToolpathMotion motion;
};

// Everything the host puts into one NC file.
struct NcJob {
    PostOptions options;
    std::string program_name;  // the file's name without folder and extension: "OP10"
    int program_number = 1;    // the trailing number of the file's name, else the options'
    std::string nc_program;    // the host's NC program
    std::string project;
    Limits stock{};  // the block, else the model's limits
    std::vector<NcOperation> operations;
};

// Gathers the job for the NC program written to `output_file`. Refuses, with
// the host's text, a program without toolpaths and one whose toolpath or tool
// no longer exists.
NcJob MakeNcJob(const Project& project, const NcProgram& program, const PostOptions& options,
                std::string_view output_file);

// The file's name without folder and extension, whichever separator the path uses.
std::string ProgramNameOf(std::string_view output_file);

// The number the name ends in, as a 4-digit program number; `fallback` when it
// ends in no number or in one whose last four digits are all 0.
int ProgramNumberOf(std::string_view program_name, int fallback);

}  // namespace orvalis::sim
