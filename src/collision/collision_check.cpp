#include "collision/collision_check.h"

#include <algorithm>
#include <stdexcept>

#include "collision/assembly_lookup.h"
#include "collision/check_commands.h"
#include "host/host_error.h"
#include "host/host_messages.h"
#include "host/quoted_names.h"
#include "host/send_each.h"
#include "host/toolpath_pass.h"
#include "survey/host_answers.h"
#include "survey/report_text.h"

namespace orvalis::collision {

namespace {

// The host answered the clone with no new tool: editing and deleting the
// "clone" would change and delete the toolpath's own tool.
class CloneNotMade : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One toolpath's turn: what it found and whether its clone still exists.
struct Turn {
    ToolpathCheck check;
    std::string clone;
    bool clone_made = false;
    bool clone_deleted = false;
};

void RunAll(host::HostChannel& pm, const std::vector<std::string>& lines) {
    for (const auto& line : lines) pm.RunCommand(line);
}

void Quiet(host::HostChannel& pm) {
    RunAll(pm, {"DIALOGS MESSAGE OFF", "DIALOGS ERROR OFF"});
}

// Activates the toolpath, reads its tool's diameter and finds the row for
// it; null, with the reason in the turn, when the toolpath is to be skipped.
const AssemblyRecord* LookUp(host::HostChannel& pm, const std::vector<AssemblyRecord>& table,
                             Turn& turn) {
    ToolpathCheck& check = turn.check;
    if (host::UnquotableCharacter(check.toolpath)) {
        check.outcome = CheckOutcome::kUnquotable;
        return nullptr;
    }
    pm.RunCommand("DIALOGS MESSAGE OFF");
    pm.RunCommand("ACTIVATE Toolpath '" + check.toolpath + "'");
    check.tool = survey::FirstLineOf(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"));
    if (host::UnquotableCharacter(check.tool)) {
        check.outcome = CheckOutcome::kUnquotable;
        return nullptr;
    }
    auto diameter =
        DiameterFrom(pm.RunCommandOutput("print entity parameters  tool '" + check.tool + "'"));
    if (!diameter) {
        check.outcome = CheckOutcome::kNoDiameter;
        return nullptr;
    }
    check.diameter = *diameter;
    const AssemblyRecord* row = FindAssemblyRow(table, check.diameter);
    if (!row) {
        check.outcome = CheckOutcome::kNoTableRow;
        return nullptr;
    }
    check.row = *row;
    if (UnsafeField(*row)) {
        check.outcome = CheckOutcome::kUnsafeValue;
        return nullptr;
    }
    return row;
}

// Clones the tool, rebuilds the clone as the row, checks the toolpath with
// it and deletes the clone again.
void Rebuild(host::HostChannel& pm, const AssemblyRecord& row, Turn& turn) {
    const std::string& name = turn.check.toolpath;
    pm.RunCommand("EDIT TOOL '" + turn.check.tool + "' CLONE");
    turn.clone_made = true;
    turn.clone = survey::FirstLineOf(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"));
    if (turn.clone.empty() || turn.clone == turn.check.tool) {
        turn.clone_made = false;
        throw CloneNotMade("공구 '" + turn.check.tool + "'의 복제 공구가 만들어지지 않았습니다");
    }
    // A clone the host named so that it cannot be addressed is neither edited
    // nor deleted: the user is told it may be left in the project.
    if (auto problem = host::UnquotableNameProblem("복제 공구 이름", turn.clone);
        !problem.empty()) {
        turn.clone.clear();
        throw CloneNotMade(problem);
    }
    Quiet(pm);
    RunAll(pm, ToolEditCommands(turn.clone, row));
    Quiet(pm);
    pm.RunCommand("ACTIVATE Toolpath '" + name + "'");
    RunAll(pm, CollisionCommands(row));
    pm.RunCommand("DELETE TOOL '" + turn.clone + "'");
    turn.clone_deleted = true;
    pm.RunCommand("DEACTIVATE Toolpath");
    pm.RunCommand("ACTIVATE Toolpath '" + name + "'");
    turn.check.outcome = CheckOutcome::kChecked;
}

std::string SkipProblem(const ToolpathCheck& check) {
    // A toolpath name that cannot be sent cannot be shown between quotes either.
    std::string name_problem = host::UnquotableNameProblem("툴패스 이름", check.toolpath);
    if (!name_problem.empty()) return "툴패스를 건너뛰었습니다: " + name_problem;
    std::string text = "'" + check.toolpath + "' 툴패스를 건너뛰었습니다: ";
    switch (check.outcome) {
        case CheckOutcome::kUnquotable:
            return text + host::UnquotableNameProblem("공구 이름", check.tool);
        case CheckOutcome::kNoDiameter:
            return text + "공구 '" + check.tool + "'의 지름을 읽지 못했습니다";
        case CheckOutcome::kNoTableRow:
            return text + "공구 지름 " + check.diameter + "에 맞는 공구 설정이 없습니다";
        case CheckOutcome::kUnsafeValue: {
            int field = UnsafeField(*check.row).value_or(kToolLength);
            return text + "공구 지름 " + check.diameter + "의 공구 설정 '" +
                   std::string(kFieldHeadings[static_cast<std::size_t>(field - 1)]) + "' 값 '" +
                   FieldOf(*check.row, field) +
                   "'에 쓸 수 없는 문자(따옴표, 세미콜론, 값 사이의 빈칸)가 있습니다";
        }
        case CheckOutcome::kChecked:
        case CheckOutcome::kFailed:
            break;
    }
    return text;
}

// A clone made for a toolpath whose turn failed is deleted all the same, so
// the project keeps no stray tool.
void DeleteLeftoverClone(host::HostChannel& pm, const Turn& turn,
                         std::vector<std::string>& problems) {
    if (!turn.clone_made || turn.clone_deleted) return;
    if (turn.clone.empty()) {
        problems.push_back("공구 '" + turn.check.tool +
                           "'의 복제 공구가 프로젝트에 남아 있을 수 있습니다");
        return;
    }
    try {
        pm.RunCommand("DELETE TOOL '" + turn.clone + "'");
    } catch (const host::HostError& error) {
        problems.push_back("복제 공구 '" + turn.clone +
                           "'를 지우지 못했습니다: " + host::HostProblem(error));
    }
}

// Looks the toolpath up and checks it with its row, or says why it is skipped.
void CheckTurn(host::HostChannel& pm, const std::vector<AssemblyRecord>& table, Turn& turn,
               std::vector<std::string>& problems) {
    if (const AssemblyRecord* row = LookUp(pm, table, turn)) {
        Rebuild(pm, *row, turn);
    } else {
        problems.push_back(SkipProblem(turn.check));
    }
}

std::string FailureProblem(const Turn& turn, int index, const std::string& what) {
    return "'" + turn.check.toolpath + "' 툴패스(" + std::to_string(index + 1) +
           "번째)에서 충돌 검사를 멈췄습니다: " + what;
}

// The toolpath the pass stopped at failed, cancelled or not; a clone made
// for it is deleted all the same.
void EndAt(host::HostChannel& pm, const host::PassCount& pass, Turn& turn,
           CollisionResult& result) {
    int index = *pass.stopped_at;
    if (pass.cancelled) {
        result.problems.push_back(
            "취소했습니다: '" + turn.check.toolpath + "' 툴패스(" + std::to_string(index + 1) +
            "번째)부터 " + std::to_string(pass.not_done) + "개는 충돌 검사를 하지 않았습니다");
    }
    result.failed_entry = index;
    turn.check.outcome = CheckOutcome::kFailed;
    DeleteLeftoverClone(pm, turn, result.problems);
    result.toolpaths.push_back(std::move(turn.check));
}

}  // namespace

int CollisionResult::checked() const {
    return static_cast<int>(std::count_if(toolpaths.begin(), toolpaths.end(), [](const auto& c) {
        return c.outcome == CheckOutcome::kChecked;
    }));
}

std::optional<std::string> DiameterFrom(std::string_view tool_report) {
    auto lines = survey::SplitLines(tool_report);
    for (std::size_t i = 4; i < lines.size(); ++i) {
        if (survey::TrimBlanks(survey::FirstCharacters(lines[i], 8)) == "DIAMETER") {
            return survey::ValueFrom(lines[i], 12);
        }
    }
    return std::nullopt;
}

void SwitchDialogsOn(host::HostChannel& pm, std::vector<std::string>& problems) {
    if (auto failure = host::SendEach(pm, {"DIALOGS ERROR ON", "DIALOGS MESSAGE ON"})) {
        problems.push_back("파워밀 대화상자를 다시 켜지 못했습니다: " +
                           host::HostProblem(*failure));
    }
}

CollisionResult RunCollisionCheck(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                                  const std::vector<AssemblyRecord>& table,
                                  const survey::ToolpathStarting& starting) {
    CollisionResult result;
    Turn turn;  // the toolpath under way
    auto check_one = [&](int index) {
        if (starting) starting(index);
        turn = Turn{};
        turn.check.toolpath = toolpaths[static_cast<std::size_t>(index)];
        try {
            CheckTurn(pm, table, turn, result.problems);
        } catch (const CloneNotMade& error) {
            result.problems.push_back(FailureProblem(turn, index, error.what()));
            return host::StepEnd::kStop;
        }
        bool checked = turn.check.outcome == CheckOutcome::kChecked;
        result.toolpaths.push_back(std::move(turn.check));
        return checked ? host::StepEnd::kDone : host::StepEnd::kSkipped;
    };
    host::PassCount pass = host::RunToolpathPass(
        pm, static_cast<int>(toolpaths.size()), check_one,
        [&](int index, const host::HostError& error) {
            result.problems.push_back(FailureProblem(turn, index, host::HostProblem(error)));
            return host::AfterFailure::kStop;
        });
    if (pass.stopped_at) EndAt(pm, pass, turn, result);
    // The pass ends by switching the dialogs on; the closing steps do it once more.
    if (!result.failed_entry) {
        try {
            RunAll(pm, {"DIALOGS ERROR ON", "DIALOGS MESSAGE ON"});
        } catch (const host::HostError& error) {
            result.problems.push_back("파워밀 대화상자를 다시 켜지 못했습니다: " +
                                      host::HostProblem(error));
        }
    }
    SwitchDialogsOn(pm, result.problems);
    return result;
}

}  // namespace orvalis::collision
