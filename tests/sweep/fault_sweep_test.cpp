// Every host call of every action fails once: the action must end without a
// crash, tell the user which call failed, give the host back (dialogs,
// display, temporary NC programs and tool clones) and leave the data folder
// as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

#include "data_files/tool_assembly_file.h"
#include "platform/atomic_file.h"
#include "support/forms_rig.h"
#include "support/host_reports.h"
#include "window_models/block_panel_model.h"
#include "window_models/main_window_model.h"
#include "window_models/rename_window_model.h"

namespace orvalis {
namespace {

namespace fs = std::filesystem;
using testing::FormsRig;
using testing::ParamLine;
using Lines = std::vector<std::string>;

// A call that, once sent, obliges the action to send another later: the
// host must not be left with its dialogs off or a temporary object behind.
struct Obligation {
    std::string opened_by;
    std::string closed_by;
};

const std::vector<Obligation> kDialogs = {
    {"RunCommand DIALOGS MESSAGE OFF", "RunCommand DIALOGS MESSAGE ON"},
    {"RunCommand DIALOGS ERROR OFF", "RunCommand DIALOGS ERROR ON"},
};

std::vector<Obligation> With(std::vector<Obligation> more) {
    more.insert(more.begin(), kDialogs.begin(), kDialogs.end());
    return more;
}

// One user action: how to get the windows ready for it, the action itself,
// and what it owes the host once it has begun.
struct Action {
    std::string name;
    bool with_collision_answers = false;
    std::function<void(FormsRig&)> prepare;
    std::function<void(FormsRig&)> run;
    std::vector<Obligation> obligations;
    // Whether the main window is back to normal when the action has ended;
    // the block panel keeps it minimised while it stays open.
    bool main_window_returns = true;
    // What else must hold once the action has ended, failure or not.
    std::function<void(FormsRig&)> expect_after = nullptr;
};

testing::SurveyedToolpath Toolpath(const std::string& name, const std::string& tool,
                                   const std::string& diameter) {
    testing::SurveyedToolpath t;
    t.name = name;
    t.tool = tool;
    t.tool_lines = {"TYPE  :  ENDMILL", ParamLine("DIAMETER", diameter), ParamLine("LENGTH", "60"),
                    ParamLine("OVERHANG", "30")};
    t.toolpath_lines = {"TYPE  :  RASTER", ParamLine("STEPOVER", "2"),
                        ParamLine("THICKNESS", "0.2")};
    return t;
}

// Two toolpaths, each with its own tool; the collision check clones each tool
// once, so the active tool answers go tool, clone, tool, clone.
std::string Script(bool with_collision_answers) {
    std::string script = "version 8009\nblock -50 120 -40 40 -30 0\n";
    script += "toolpath 1-ROUGH\ntoolpath 2-FINISH\n";
    script += testing::ReplayAnswer("PRINT VALUE PROJECTPATH", "D:\\JOB\r\n");
    script += testing::ReplayAnswer("PRINT VALUE PROJECTNAME", "INSERT\r\n");
    if (with_collision_answers) {
        for (const char* tool : {"D10", "D10_1", "B6", "B6_1"}) {
            script += testing::ReplayAnswer("PRINT FORMVALUE ToolToolBar.Active",
                                            std::string(tool) + "\r\n");
        }
    }
    return script + testing::SurveyAnswers(
                        {Toolpath("1-ROUGH", "D10", "10"), Toolpath("2-FINISH", "B6", "6")});
}

const std::string kAssemblyTable =
    "\"10\",\"75\",\"10\",\"10\",\"30\",\"\",\"\",\"\",\"24\",\"32\",\"30\",\"\",\"\",\"\","
    "\"0.5\",\"2\"\r\n"
    "\"6\",\"57\",\"6\",\"6\",\"20\",\"\",\"\",\"\",\"16\",\"24\",\"30\",\"\",\"\",\"\","
    "\"0.3\",\"1.5\"\r\n";

std::string CreateProgramCall(const std::string& n) {
    return "RunCommand CREATE NCPROGRAM '" + n + "' EDIT NCPROGRAM '" + n + "' APPEND TOOLPATH '" +
           n + "' DEACTIVATE NCPROGRAM";
}

void ListBothToolpaths(FormsRig& rig) {
    MainWindowModel& form = rig.forms().main_window();
    form.ClickAddAll();
    form.nc_prefix.SetText("T");
}

const std::vector<Action>& Actions() {
    static const std::vector<Action> actions = {
        {"load", false, [](FormsRig&) {}, [](FormsRig& rig) { rig.forms().main_window(); }, {}},
        {"survey", false, ListBothToolpaths,
         [](FormsRig& rig) { rig.forms().main_window().ClickSurvey(); },
         With({{"RunCommand DIALOGS MESSAGE OFF", "RunCommand edit preference seldrawtp yes"}})},
        {"block panel",
         false,
         [](FormsRig& rig) { rig.forms().main_window(); },
         [](FormsRig& rig) { rig.forms().main_window().ClickCapture(); },
         {},
         false},
        {"capture", false,
         [](FormsRig& rig) {
             rig.forms().main_window().ClickCapture();
             rig.forms().block_panel().x_maximum.SetText("50");
         },
         [](FormsRig& rig) { rig.forms().block_panel().ClickCapture(); },
         With({{"RunCommand UNDRAW TRANSFORM", "RunCommand DRAW TRANSFORM"},
               {"RunCommand EDIT COLOUR PatternInactive 1.00000 1.00000 1.00000",
                "RunCommand EDIT COLOUR PatternInactive RESET"},
               {"RunCommand EDIT COLOUR BlockWireframe 1.00000 1.00000 1.00000",
                "RunCommand EDIT COLOUR BlockWireframe RESET"}}),
         true,
         // The block panel closes whatever happened.
         [](FormsRig& rig) { EXPECT_FALSE(rig.forms().HasBlockPanel()); }},
        {"collision", true,
         [](FormsRig& rig) {
             rig.drives().Write(settings::ToolAssemblyFilePath(), kAssemblyTable);
             ListBothToolpaths(rig);
         },
         [](FormsRig& rig) { rig.forms().main_window().ClickCollisionCheck(); },
         // A clone whose name was read and used must be deleted again.
         With({{"RunCommand EDIT TOOL 'D10_1' LENGTH  75Yes", "RunCommand DELETE TOOL 'D10_1'"},
               {"RunCommand EDIT TOOL 'B6_1' LENGTH  57Yes", "RunCommand DELETE TOOL 'B6_1'"}})},
        {"gouge", false, ListBothToolpaths,
         [](FormsRig& rig) { rig.forms().main_window().ClickGougeDisplay(); }, kDialogs},
        {"post", false,
         [](FormsRig& rig) {
             fs::create_directories(rig.drives().File("D:\\JOB\\NCDATA"));
             ListBothToolpaths(rig);
             rig.forms().main_window().folder_list.Path = "D:\\JOB\\NCDATA";
             rig.forms().main_window().FolderChanged();
         },
         [](FormsRig& rig) { rig.forms().main_window().ClickPostNc(); },
         // The NC programs made for the output are deleted again.
         With({{CreateProgramCall("1-ROUGH"), "RunCommand DELETE NCPROGRAM ALL"},
               {CreateProgramCall("2-FINISH"), "RunCommand DELETE NCPROGRAM ALL"}})},
        {"rename",
         false,
         [](FormsRig& rig) {
             rig.forms().rename_window().rename_prefix.SetText("T-");
             rig.interaction().confirm_answer = true;  // the user agrees to the renaming
         },
         [](FormsRig& rig) { rig.forms().rename_window().ClickRename(); },
         {}},
    };
    return actions;
}

// Every file under the drive folder, with its bytes.
std::map<fs::path, std::optional<std::string>> Snapshot(const fs::path& root) {
    std::map<fs::path, std::optional<std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) files[entry.path()] = ReadFileBytes(entry.path());
    }
    return files;
}

// What the user was told since `first_message`: the main window's status bar
// and the message boxes shown.
std::string Told(FormsRig& rig, std::size_t first_message) {
    std::string told =
        rig.forms().HasMainWindow() ? rig.forms().main_window().status_bar + "\n" : "";
    const auto& messages = rig.interaction().messages;
    for (std::size_t i = first_message; i < messages.size(); ++i) told += messages[i].text + "\n";
    return told;
}

// An obligation still open when the call failed (opened, and not yet met by
// a call before it or by the failing call itself) must be met after it.
void ExpectObligationsMet(const Action& action, const Lines& calls, std::size_t failing) {
    auto index_of_last = [&](const std::string& call, std::size_t up_to) -> std::size_t {
        for (std::size_t i = std::min(up_to, calls.size()); i >= 1; --i) {
            if (calls[i - 1] == call) return i;
        }
        return 0;
    };
    for (const auto& obligation : action.obligations) {
        std::size_t opened = index_of_last(obligation.opened_by, failing);
        if (opened == 0 || index_of_last(obligation.closed_by, failing) > opened) continue;
        EXPECT_GT(index_of_last(obligation.closed_by, calls.size()), failing)
            << "'" << obligation.opened_by << "' was sent but '" << obligation.closed_by
            << "' did not follow the failing call";
    }
}

// Runs the action once, with the `failing`-th of its calls failing (0: none);
// returns how many host calls the action made.
std::size_t RunWithFailure(const Action& action, std::size_t failing) {
    FormsRig rig(Script(action.with_collision_answers));
    action.prepare(rig);
    auto before = Snapshot(rig.drives().root());
    std::size_t first_message = rig.interaction().messages.size();
    std::size_t calls_before = rig.host().call_count();
    if (failing > 0) rig.host().FailCallNumber(calls_before + failing);
    rig.forms().session()->Mark("sweep");

    action.run(rig);

    std::size_t made = rig.host().call_count() - calls_before;
    if (failing == 0) return made;
    Lines calls = rig.TranscriptSince("sweep");  // call k is calls[k - 1]
    EXPECT_GE(calls.size(), failing);
    std::string failed_call = failing <= calls.size() ? calls[failing - 1] : "?";
    SCOPED_TRACE(action.name + ": call " + std::to_string(failing) + " fails (" + failed_call +
                 ")");
    std::string reason = "injected failure of call " + std::to_string(calls_before + failing);
    EXPECT_NE(Told(rig, first_message).find(reason), std::string::npos) << "the user was told:\n"
                                                                        << Told(rig, first_message);
    ExpectObligationsMet(action, calls, failing);
    if (action.main_window_returns && rig.forms().HasMainWindow()) {
        EXPECT_EQ(rig.forms().main_window().WindowState(), forms::Window::kNormal);
    }
    if (action.expect_after) action.expect_after(rig);
    EXPECT_TRUE(Snapshot(rig.drives().root()) == before) << "a file in the drives changed";
    return made;
}

TEST(FaultSweep, EveryHostCallOfEveryActionFailsOnceAndIsHandled) {
    std::size_t runs = 0;
    for (const Action& action : Actions()) {
        std::size_t calls = RunWithFailure(action, 0);
        ASSERT_GT(calls, 0u) << action.name;
        for (std::size_t k = 1; k <= calls; ++k) RunWithFailure(action, k);
        runs += calls;
        std::cout << "[ sweep    ] " << action.name << ": " << calls << " calls\n";
    }
    std::cout << "[ sweep    ] " << Actions().size() << " actions, " << runs << " failing runs\n";
}

}  // namespace
}  // namespace orvalis
