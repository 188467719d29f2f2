#include <algorithm>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/commands.h"
#include "cli/run_summary.h"
#include "cli/steps.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

namespace {

// Everything the run wrote so far, printed as it goes.
struct Written {
    std::ostream& out;
    std::vector<std::string> files;

    void Add(const std::string& file) {
        out << file << '\n';
        files.push_back(file);
    }
};

using Clock = std::chrono::steady_clock;

// The summary ends with the host's cost: the calls and the waiting the host
// channel measured, and the rest of the run's time as ORVALIS's own.
int Finish(CommandContext& context, const MainWindowModel& main_window, const Written& written,
           Clock::time_point started, bool ok) {
    int toolpaths = static_cast<int>(main_window.last_survey().rows.size());
    const host::HostCost& cost = context.Session()->cost();
    std::chrono::duration<double> run = Clock::now() - started;
    std::chrono::duration<double> waiting = cost.waiting;
    double own = std::max(0.0, run.count() - waiting.count());
    context.out() << RunSummary(main_window.toolpath_table, toolpaths, written.files.size()) << ", "
                  << HostCostSummary(cost.calls, waiting.count(), own) << '\n';
    return ok ? 0 : 1;
}

}  // namespace

// The typical run of a shop: the main window's load, the survey of every
// toolpath, the collision check if asked, the capture, the setup sheet, the
// picture workbook and the NC files, all into one folder. Prints the grid,
// every file written and a one-line summary; stops at the first step that
// fails, with the window's message on stderr.
int RunTypicalRun(CommandContext& context) {
    CommandArguments arguments(context.arguments(),
                               {"--folder", "--company", "--offset", "--item", "--prefix"},
                               {"--collision", "--force", "--no-marks"});
    if (!arguments.operands().empty())
        throw UsageError("run에는 툴패스 이름 등 다른 인수를 줄 수 없습니다");
    std::string folder = FolderOption(arguments, "./orvalis-out");
    std::error_code error;
    std::filesystem::create_directories(ResolvePath(folder), error);
    if (error || !std::filesystem::is_directory(ResolvePath(folder))) {
        context.err() << "orvalis-cli: 폴더를 만들 수 없습니다: " << folder << '\n';
        return 1;
    }
    bool force = arguments.Flag("--force");
    Clock::time_point started = Clock::now();

    MainWindowModel& main_window = context.LoadMainWindow();
    if (arguments.Flag("--no-marks")) main_window.mark_changes_check.Value = 0;
    Written written{context.out(), {}};
    bool surveyed = arguments.Flag("--collision")
                        ? CheckCollisionsAsTyped(context, main_window, arguments)
                        : SurveyAsTyped(context, main_window, arguments);
    PrintToolpathRows(context.out(), main_window.toolpath_table,
                      static_cast<int>(main_window.last_survey().rows.size()));
    if (!surveyed) return Finish(context, main_window, written, started, false);
    if (!CaptureViews(context, main_window, std::nullopt))
        return Finish(context, main_window, written, started, false);
    for (const auto& bitmap : BitmapPaths()) written.Add(bitmap);

    OpenFolder(main_window, folder);
    TypeHeader(main_window, arguments);
    for (auto [action, press] : {std::pair{"sheet", &MainWindowModel::ClickSetupSheet},
                                 std::pair{"pictures", &MainWindowModel::ClickPictures}}) {
        auto saved = PressWorkbook(context, main_window, action, press, force, false);
        if (!saved) return Finish(context, main_window, written, started, false);
        written.Add(*saved);
        if (press == &MainWindowModel::ClickSetupSheet) {
            PrintReplacedSheetChanges(context.out(), main_window);
        }
    }
    context.Session()->Mark("post");
    int shown = context.MessagesShown();
    main_window.ClickPostNc();
    for (const auto& file : main_window.last_post().written) written.Add(Utf8(ResolvePath(file)));
    const auto& post = main_window.last_post();
    bool posted = !post.failure && post.refused.empty();
    if (!posted && context.MessagesShown() == shown)
        context.err() << "orvalis-cli: " << main_window.status_bar << '\n';
    return Finish(context, main_window, written, started, posted);
}

}  // namespace orvalis::cli
