#include "cli/commands.h"
#include "cli/steps.h"
#include "mainwin/form4.h"

namespace orvalis::cli {

// Surveys the NAMEs (default: every toolpath) and prints the rows surveyed,
// 13 TAB-separated cells each. A survey that failed prints the rows it wrote
// and says on stderr where it stopped.
int RunSurvey(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--prefix", "--start"}, {});
    Form4& form4 = context.LoadMainWindow();
    bool surveyed = SurveyAsTyped(context, form4, arguments);
    PrintGridRows(context.out(), form4.MSFlexGrid1,
                  static_cast<int>(form4.last_survey().rows.size()));
    return surveyed ? 0 : 1;
}

}  // namespace orvalis::cli
