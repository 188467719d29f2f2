#include <ostream>

#include "cli/commands.h"
#include "cli/tab_text.h"
#include "host/host_error.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

// The main window's load only: the project list, one toolpath per line.
int RunToolpaths(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {}, {});
    if (!arguments.operands().empty()) throw UsageError("toolpaths에는 인수를 줄 수 없습니다");
    MainWindowModel& main_window = context.LoadMainWindow();
    if (!main_window.toolpaths_listed()) return 1;  // the load said why on stderr
    for (const auto& name : main_window.project_list.Items())
        context.out() << TabField(name) << '\n';
    return 0;
}

}  // namespace orvalis::cli
