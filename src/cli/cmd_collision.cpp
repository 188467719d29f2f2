#include <ostream>

#include "cli/commands.h"
#include "cli/steps.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

namespace {

// The survey list: the operands, or the whole project list as ">>" gives it.
// False, with the reason on stderr, when it stays empty.
bool FillCheckList(CommandContext& context, MainWindowModel& main_window,
                   const CommandArguments& arguments) {
    FillSurveyList(main_window, arguments);  // an unlisted project leaves it empty
    if (main_window.survey_list.ListCount() > 0) return true;
    context.err() << "orvalis-cli: 검사할 툴패스가 없습니다\n";
    return false;
}

// The entry of the material selector: "steel" is "스 틸 용", "electrode" "전 극 용".
int MaterialIndex(const CommandArguments& arguments) {
    auto material = arguments.Option("--material");
    if (!material || *material == "steel") return 0;
    if (*material == "electrode") return 1;
    throw UsageError("--material에는 steel이나 electrode만 줄 수 있습니다: '" + *material + "'");
}

}  // namespace

// Ticks "충돌 간섭" over the NAMEs (default: every toolpath); the check ends
// with the survey, whose rows are printed as `survey` prints them. A toolpath
// skipped or a failure is told on stderr and gives the exit status 1.
int RunCollision(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--material"}, {});
    RefuseUnquotableNames(arguments);
    int material = MaterialIndex(arguments);
    MainWindowModel& main_window = context.LoadMainWindow();
    main_window.material.SetListIndex(material);
    if (!FillCheckList(context, main_window, arguments)) return 1;
    context.Session()->Mark("collision");
    main_window.ClickCollisionCheck();
    PrintToolpathRows(context.out(), main_window.toolpath_table,
                      static_cast<int>(main_window.last_survey().rows.size()));
    bool clean =
        main_window.last_collision().problems.empty() && main_window.last_survey().succeeded();
    return clean ? 0 : 1;
}

// Ticks "과절삭" over the NAMEs (default: every toolpath); prints nothing.
int RunGouge(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {}, {});
    RefuseUnquotableNames(arguments);
    MainWindowModel& main_window = context.LoadMainWindow();
    if (!FillCheckList(context, main_window, arguments)) return 1;
    context.Session()->Mark("gouge");
    main_window.ClickGougeDisplay();
    return main_window.last_gouge().problems.empty() ? 0 : 1;
}

}  // namespace orvalis::cli
