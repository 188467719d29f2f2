#include "cli/steps.h"

#include <algorithm>
#include <ostream>

#include "capture/view_capture.h"
#include "cli/tab_text.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "sheet/setup_sheet_reader.h"
#include "survey/toolpath_table.h"
#include "window_models/block_panel_model.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

bool FillSurveyList(MainWindowModel& main_window, const CommandArguments& arguments) {
    if (arguments.operands().empty()) {
        if (!main_window.toolpaths_listed()) return false;
        main_window.ClickAddAll();
    } else {
        for (const auto& name : arguments.operands()) main_window.survey_list.AddItem(name);
    }
    return true;
}

bool TypeNumbering(MainWindowModel& main_window, const CommandArguments& arguments,
                   std::ostream& err) {
    if (auto prefix = arguments.Option("--prefix")) main_window.nc_prefix.SetText(*prefix);
    auto start = arguments.Option("--start");
    if (!start) return true;
    std::string status_before = main_window.status_bar;
    main_window.nc_start.SetText(*start);
    if (main_window.status_bar == status_before ||
        main_window.status_bar == MainWindowModel::kReady)
        return true;
    err << "orvalis-cli: " << main_window.status_bar << '\n';
    return false;
}

void PrintToolpathRows(std::ostream& out, const survey::ToolpathTable& table, int rows) {
    for (int row = 0; row < rows; ++row) {
        for (int column = survey::kHostName; column <= survey::kCuttingType; ++column) {
            out << (column == survey::kHostName ? "" : "\t")
                << TabField(table.Row(row).Text(static_cast<survey::Column>(column)));
        }
        out << '\n';
    }
}

bool SurveyAsTyped(CommandContext& context, MainWindowModel& main_window,
                   const CommandArguments& arguments, bool keep_incomplete) {
    if (!FillSurveyList(main_window, arguments)) return false;
    context.Session()->Mark("survey");
    main_window.ClickSurvey();
    if (!main_window.last_survey().problems.empty()) {
        context.err() << "orvalis-cli: " << main_window.status_bar << '\n';
        if (!keep_incomplete || main_window.last_survey().rows.empty()) return false;
    }
    // Toolpaths past the grid's 60 rows were named in the window's message;
    // the first 60 go on to the sheet and the NC files.
    return TypeNumbering(main_window, arguments, context.err()) &&
           (main_window.last_survey().succeeded() || keep_incomplete);
}

bool CheckCollisions(CommandContext& context, MainWindowModel& main_window) {
    context.Session()->Mark("collision");
    main_window.ClickCollisionCheck();
    if (!main_window.last_collision().problems.empty() ||
        !main_window.last_survey().problems.empty()) {
        context.err() << "orvalis-cli: " << main_window.status_bar << '\n';
        return false;
    }
    return main_window.last_survey().succeeded();
}

bool CheckCollisionsAsTyped(CommandContext& context, MainWindowModel& main_window,
                            const CommandArguments& arguments) {
    if (!FillSurveyList(main_window, arguments)) return false;
    return CheckCollisions(context, main_window) &&
           TypeNumbering(main_window, arguments, context.err());
}

bool CaptureViews(CommandContext& context, MainWindowModel& main_window,
                  const std::optional<std::vector<std::string>>& limits) {
    context.Session()->Mark("block");
    main_window.ClickCapture();
    BlockPanelModel& panel = context.Forms().block_panel();
    if (limits) {
        for (int limit = 1; limit <= 6; ++limit) {
            const std::string& text = (*limits)[static_cast<std::size_t>(limit - 1)];
            forms::TextBox& box = panel.LimitBox(limit);
            box.SetText(text);
            // A box that refused its limit said why; capturing with another would mislabel.
            if (box.Text() != text) {
                panel.Unload();
                return false;
            }
        }
    }
    bool kept = false;
    panel.CaptureDone = [&kept](bool succeeded) { kept = succeeded; };
    context.Session()->Mark("capture");
    panel.ClickCapture();  // the panel closes itself: `panel` is not used after this
    return kept;
}

std::vector<std::string> BitmapPaths() {
    std::vector<std::string> paths;
    for (const auto& file : capture::BitmapFiles()) paths.push_back(Utf8(ResolvePath(file)));
    return paths;
}

std::string FolderOption(const CommandArguments& arguments,
                         const std::optional<std::string>& fallback) {
    std::optional<std::string> folder = arguments.Option("--folder");
    if (!folder) folder = fallback;
    if (!folder) throw UsageError("--folder DIR이 필요합니다");
    if (folder->empty()) throw UsageError("--folder에 빈 폴더 이름을 줄 수 없습니다");
    return *folder;
}

void OpenFolder(MainWindowModel& main_window, const std::string& folder) {
    main_window.folder_list.Path = folder;
    main_window.FolderChanged();
}

void TypeHeader(MainWindowModel& main_window, const CommandArguments& arguments) {
    if (auto company = arguments.Option("--company")) main_window.company_name.SetText(*company);
    if (auto offset = arguments.Option("--offset")) {
        const auto& offsets = main_window.work_offset.Items();
        if (std::find(offsets.begin(), offsets.end(), *offset) == offsets.end()) {
            throw UsageError("--offset에는 G54부터 G59까지만 줄 수 있습니다");
        }
        main_window.work_offset.SetText(*offset);
    }
    if (auto item = arguments.Option("--item")) main_window.item_name.SetText(*item);
    if (auto part = arguments.Option("--part")) main_window.part_name.SetText(*part);
}

std::optional<std::string> PressWorkbook(CommandContext& context, MainWindowModel& main_window,
                                         const std::string& action,
                                         void (MainWindowModel::*press)(), bool force, bool show) {
    context.SetConfirmAnswer(force);
    context.SetShowDocuments(show);
    context.Session()->Mark(action);
    (main_window.*press)();
    if (main_window.last_workbook().empty()) return std::nullopt;
    return main_window.last_workbook();
}

void PrintSheetChanges(std::ostream& out, const sheet::SheetComparison& comparison) {
    for (const std::string& line : sheet::ChangeLines(comparison.changes, comparison.after)) {
        out << line << '\n';
    }
}

void PrintReplacedSheetChanges(std::ostream& out, const MainWindowModel& main_window) {
    const auto& written = main_window.last_sheet();
    if (written && written->comparison) PrintSheetChanges(out, *written->comparison);
}

}  // namespace orvalis::cli
