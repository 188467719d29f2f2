#include "cli/commands.h"
#include "cli/steps.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

// Surveys the NAMEs (default: every toolpath) and prints the rows surveyed,
// 13 TAB-separated cells each. A survey that failed prints the rows it wrote
// and says on stderr where it stopped.
int RunSurvey(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--prefix", "--start"}, {});
    RefuseUnquotableNames(arguments);
    MainWindowModel& main_window = context.LoadMainWindow();
    bool surveyed = SurveyAsTyped(context, main_window, arguments);
    PrintToolpathRows(context.out(), main_window.toolpath_table,
                      static_cast<int>(main_window.last_survey().rows.size()));
    return surveyed ? 0 : 1;
}

}  // namespace orvalis::cli
