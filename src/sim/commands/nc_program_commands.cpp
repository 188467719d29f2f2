#include <algorithm>

#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"
#include "sim/nc/nc_file.h"
#include "sim/nc/post_options.h"

namespace orvalis::sim {

namespace {

constexpr const char* kNcProgram = "NC program";
constexpr const char* kNcToolpathForm = "NCTOOLPATH";

// The NC program a command names at token `index` (";": the active one).
NcProgram& ProgramAt(CommandCall& call, std::size_t index) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, index, project.active_nc_program, kNcProgram);
    NcProgram* program = project.FindNcProgram(name);
    if (!program) call.Fail(MissingEntity(kNcProgram, name));
    return *program;
}

// The path after FILENAME or TAPEOPTIONS: the rest of the line as sent, or
// the text inside quotes when the whole path stands in them.
std::string PathFrom(CommandCall& call, std::size_t index) {
    const Command& command = call.command();
    if (index + 1 == command.size() && command[index].kind == TokenKind::kQuoted &&
        !command[index].unterminated) {
        return std::string(command[index].text);
    }
    std::string path(command.RawFrom(index));
    if (path.empty()) call.FailUnreadable();
    return path;
}

// "CREATE NCPROGRAM 'a'": a new, empty program, which becomes the active one.
void CreateProgram(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 2, "", kNcProgram);
    call.ExpectEnd(3);
    if (project.FindNcProgram(name)) call.Fail("NC program '" + name + "' already exists");
    project.nc_programs.push_back({name, {}, {}, {}});
    project.active_nc_program = name;
}

void AppendToolpath(CommandCall& call, NcProgram& program) {
    if (!call.command().IsKeyword(4, "TOOLPATH")) call.FailUnreadable();
    Project& project = call.project();
    std::string name = EntityNameAt(call, 5, project.active_toolpath, "toolpath");
    call.ExpectEnd(6);
    if (!project.FindToolpath(name)) call.Fail(MissingEntity("Toolpath", name));
    program.toolpaths.push_back(name);
}

// "EDIT NCPROGRAM 'a' ...": toolpaths, option file, output file; the form closes on QUIT.
void EditProgram(CommandCall& call) {
    const Command& command = call.command();
    NcProgram& program = ProgramAt(call, 2);
    if (command.IsKeyword(3, "APPEND")) return AppendToolpath(call, program);
    if (command.IsKeyword(3, "TAPEOPTIONS")) {
        std::string path = PathFrom(call, 4);
        LoadPostOptions(path);  // the host reads the options when they are chosen
        program.tape_options = path;
    } else if (command.IsKeyword(3, "FILENAME")) {
        program.filename = PathFrom(call, 4);
    } else if (command.IsKeyword(3, "QUIT")) {
        call.ExpectEnd(4);
    } else {
        call.Record();  // other settings of the program: no effect on the file
    }
}

// "DELETE NCPROGRAM ALL" or "DELETE NCPROGRAM 'a'".
void DeleteProgram(CommandCall& call) {
    Project& project = call.project();
    call.ExpectEnd(3);
    if (call.command().IsKeyword(2, "ALL")) {
        project.nc_programs.clear();
        project.active_nc_program.clear();
        return;
    }
    std::string name = ProgramAt(call, 2).name;
    std::erase_if(project.nc_programs, [&](const NcProgram& p) { return p.name == name; });
    if (project.active_nc_program == name) project.active_nc_program.clear();
}

void ActivateProgram(CommandCall& call) {
    std::string name = ProgramAt(call, 2).name;
    call.ExpectEnd(3);
    call.project().active_nc_program = name;
}

void DeactivateProgram(CommandCall& call) {
    call.ExpectEnd(2);
    call.project().active_nc_program.clear();
}

// "KEEP NCPROGRAM ;": writes the program's NC file.
void KeepProgram(CommandCall& call) {
    const NcProgram& program = ProgramAt(call, 2);
    call.ExpectEnd(3);
    KeepNcFile(call.project(), program);
}

// "NCTOOLPATH ACCEPT": closes the NC toolpath form opened by "FORM NCTOOLPATH".
void AcceptNcToolpathForm(CommandCall& call) {
    call.ExpectEnd(2);
    call.state().open_forms.erase(kNcToolpathForm);
}

}  // namespace

// "EXPLORER SELECT NCProgram 'a' NEW": selecting changes nothing in the
// project, but the program must exist. (The explorer's one route lives with
// the patterns, which it hands NC programs on to.)
void SelectNcProgramInExplorer(CommandCall& call) {
    const Command& command = call.command();
    ProgramAt(call, 3);
    call.ExpectEnd(command.IsKeyword(4, "NEW") ? 5 : 4);
}

void RegisterNcProgramCommands(CommandTable& table) {
    table.Route("CREATE", "NCPROGRAM", CreateProgram);
    table.Route("EDIT", "NCPROGRAM", EditProgram);
    table.Route("DELETE", "NCPROGRAM", DeleteProgram);
    table.Route("ACTIVATE", "NCPROGRAM", ActivateProgram);
    table.Route("DEACTIVATE", "NCPROGRAM", DeactivateProgram);
    table.Route("KEEP", "NCPROGRAM", KeepProgram);
    table.Route("NCTOOLPATH", "ACCEPT", AcceptNcToolpathForm);
    // The path after these words is the rest of the line and may hold blanks.
    table.AddTailKeyword("FILENAME");
    table.AddTailKeyword("TAPEOPTIONS");
}

}  // namespace orvalis::sim
