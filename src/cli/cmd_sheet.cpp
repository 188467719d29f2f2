#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/steps.h"
#include "cli/tab_text.h"
#include "platform/atomic_file.h"
#include "platform/native_path.h"
#include "platform/text_encoding.h"
#include "survey/toolpath_table.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

namespace {

const std::vector<std::string> kSheetOptions = {"--folder", "--grid", "--company", "--offset",
                                                "--item",   "--part", "--prefix",  "--start"};
const std::vector<std::string> kWorkbookFlags = {"--force", "--show"};
const std::vector<std::string> kSheetFlags = {"--force", "--show", "--no-marks"};

// Fills the survey list and the toolpath table from a file of rows, 13 TAB-separated
// cells each (escaped as `survey` prints them), as if a survey had written
// them. The file may be UTF-8 or, as Korean Windows saves it, code page 949.
void LoadGrid(MainWindowModel& main_window, const std::string& path) {
    auto bytes = ReadFileChecked(NativePath(path));  // a folder or FIFO is refused here
    if (!bytes) throw UsageError("그리드 파일을 읽을 수 없습니다: " + path);
    std::string text = DecodeIncomingText(*bytes);
    main_window.ClickRemoveAll();
    int row = 0;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (++row > survey::kMaxToolpaths) {
            throw UsageError(path + ": 행이 60개를 넘습니다");
        }
        std::vector<std::string> cells = SplitTabLine(line);
        if (cells.size() != static_cast<std::size_t>(survey::kColumnCount)) {
            throw UsageError(path + ": " + std::to_string(row) + "번째 행의 칸이 13개가 아니라 " +
                             std::to_string(cells.size()) + "개입니다");
        }
        main_window.survey_list.AddItem(cells[0]);
        survey::ToolpathRecord& record = main_window.toolpath_table.Row(row - 1);
        for (int col = survey::kHostName; col <= survey::kCuttingType; ++col) {
            record.SetText(static_cast<survey::Column>(col),
                           cells[static_cast<std::size_t>(col - 1)]);
        }
    }
}

int Print(CommandContext& context, const std::optional<std::string>& saved) {
    if (!saved) return 1;  // the window's message went to stderr
    context.out() << *saved << '\n';
    return 0;
}

}  // namespace

// Fills the grid by a survey (or from --grid), sets the header boxes and the
// folder, and presses "시트 만들기".
int RunSheet(CommandContext& context) {
    CommandArguments arguments(context.arguments(), kSheetOptions, kSheetFlags);
    RefuseUnquotableNames(arguments);
    MainWindowModel& main_window = context.LoadMainWindow();
    if (arguments.Flag("--no-marks")) main_window.mark_changes_check.Value = 0;
    OpenFolder(main_window, FolderOption(arguments));
    if (auto grid = arguments.Option("--grid")) {
        if (!arguments.operands().empty())
            throw UsageError("툴패스 이름과 --grid는 함께 줄 수 없습니다");
        LoadGrid(main_window, *grid);
        if (!TypeNumbering(main_window, arguments, context.err())) return 1;
    } else if (!SurveyAsTyped(context, main_window, arguments, arguments.Flag("--force"))) {
        return 1;  // without --force a stopped survey ends here; with it the sheet asks
    }
    TypeHeader(main_window, arguments);
    int status = Print(
        context, PressWorkbook(context, main_window, "sheet", &MainWindowModel::ClickSetupSheet,
                               arguments.Flag("--force"), arguments.Flag("--show")));
    PrintReplacedSheetChanges(context.out(), main_window);
    return status;
}

// Presses "그림": the picture workbook IMAGE in the folder.
int RunPictures(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--folder", "--item", "--part"},
                               kWorkbookFlags);
    if (!arguments.operands().empty()) throw UsageError("pictures에는 다른 인수를 줄 수 없습니다");
    MainWindowModel& main_window = context.LoadMainWindow();
    OpenFolder(main_window, FolderOption(arguments));
    TypeHeader(main_window, arguments);
    return Print(context,
                 PressWorkbook(context, main_window, "pictures", &MainWindowModel::ClickPictures,
                               arguments.Flag("--force"), arguments.Flag("--show")));
}

}  // namespace orvalis::cli
