#include "collision/gouge_display.h"

#include "collision/check_commands.h"
#include "collision/collision_check.h"
#include "host/host_error.h"
#include "host/host_messages.h"
#include "host/quoted_names.h"

namespace orvalis::collision {

GougeResult RunGougeDisplay(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                            const survey::ToolpathStarting& starting) {
    GougeResult result;
    for (std::size_t n = 0; n < toolpaths.size(); ++n) {
        int index = static_cast<int>(n);
        if (starting) starting(index);
        if (auto problem = host::UnquotableNameProblem("툴패스 이름", toolpaths[n]);
            !problem.empty()) {
            result.problems.push_back(std::to_string(index + 1) +
                                      "번째 툴패스는 과절삭 표시를 건너뛰었습니다: " + problem);
            continue;
        }
        try {
            pm.RunCommand("DIALOGS MESSAGE OFF");
            pm.RunCommand("ACTIVATE Toolpath '" + toolpaths[n] + "'");
            for (const auto& line : GougeCommands()) pm.RunCommand(line);
            ++result.drawn;
        } catch (const host::HostError& error) {
            result.failed_entry = index;
            result.problems.push_back("'" + toolpaths[n] + "' 툴패스(" + std::to_string(index + 1) +
                                      "번째)에서 과절삭 표시를 " +
                                      "멈췄습니다: " + host::HostProblem(error));
            break;
        }
    }
    SwitchDialogsOn(pm, result.problems);
    return result;
}

}  // namespace orvalis::collision
