#include "sim/nc/nc_file.h"

#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/cp949.h"
#include "platform/drive_paths.h"
#include "platform/file_error.h"
#include "sim/command_table.h"
#include "sim/host_texts.h"
#include "sim/nc/nc_dialects.h"

namespace orvalis::sim {

namespace {

// The folder part of a path as it was sent.
std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash + (slash == 0 ? 1 : 0));
}

}  // namespace

void KeepNcFile(const Project& project, const NcProgram& program) {
    const std::string quoted = "NC program '" + program.name + "'";
    if (program.tape_options.empty()) throw CommandFailed(quoted + " has no option file");
    if (program.filename.empty()) throw CommandFailed(quoted + " has no output file");
    PostOptions options = LoadPostOptions(program.tape_options);
    std::string text = NcProgramText(MakeNcJob(project, program, options, program.filename));

    std::filesystem::path file = ResolvePath(program.filename);
    std::error_code error;
    if (!std::filesystem::is_directory(file.parent_path(), error)) {
        throw CommandFailed(MissingEntity("Folder", FolderOf(program.filename)));
    }
    try {
        ReplaceFileAtomically(file, Utf8ToCp949(text));
    } catch (const FileError& failure) {
        throw CommandFailed("Cannot write NC file '" + program.filename + "': " + failure.what());
    }
}

}  // namespace orvalis::sim
