#include <ostream>

#include "cli/commands.h"
#include "window_models/main_window_model.h"
#include "window_models/rename_window_model.h"

namespace orvalis::cli {

// Renames every toolpath to PREFIX1, PREFIX2, ... through the rename window,
// then asks the host for the names again and prints them.
int RunRename(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {}, {});
    if (arguments.operands().size() != 1) throw UsageError("rename에는 PREFIX 하나가 필요합니다");
    MainWindowModel& main_window = context.LoadMainWindow();
    RenameWindowModel& window = context.Forms().rename_window();
    window.rename_prefix.SetText(arguments.operands().front());
    context.SetConfirmAnswer(true);  // the command line itself is the user's yes
    context.Session()->Mark("rename");
    window.ClickRename();
    bool renamed = window.refused().empty() &&
                   (window.renamed() > 0 || main_window.project_list.ListCount() == 0);
    context.Session()->Mark("toolpaths");
    main_window.ClickRefreshToolpaths();
    for (const auto& name : main_window.project_list.Items()) context.out() << name << '\n';
    return renamed && main_window.toolpaths_listed() ? 0 : 1;
}

}  // namespace orvalis::cli
