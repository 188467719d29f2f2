#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/commands.h"
#include "cli/run_summary.h"
#include "cli/steps.h"
#include "mainwin/drive_paths.h"
#include "mainwin/form4.h"

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

int Finish(CommandContext& context, const Form4& form4, const Written& written, bool ok) {
    int toolpaths = static_cast<int>(form4.last_survey().rows.size());
    context.out() << RunSummary(form4.MSFlexGrid1, toolpaths, written.files.size()) << '\n';
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
                               {"--collision", "--force"});
    if (!arguments.operands().empty()) throw UsageError("run takes no operands");
    std::string folder = arguments.Option("--folder").value_or("./orvalis-out");
    std::error_code error;
    std::filesystem::create_directories(ResolvePath(folder), error);
    if (error) throw UsageError("cannot create the folder " + folder + ": " + error.message());
    bool force = arguments.Flag("--force");

    Form4& form4 = context.LoadMainWindow();
    Written written{context.out(), {}};
    bool surveyed = SurveyAsTyped(context, form4, arguments);
    // The collision check ends with a survey of its own, which gives the NC
    // names back their toolpath names: the prefix is typed again after it.
    if (surveyed && arguments.Flag("--collision")) {
        surveyed = CheckCollisions(context, form4);
        if (auto prefix = arguments.Option("--prefix"); prefix && surveyed) {
            form4.Text8.SetText("");
            form4.Text8.SetText(*prefix);
        }
    }
    PrintGridRows(context.out(), form4.MSFlexGrid1,
                  static_cast<int>(form4.last_survey().rows.size()));
    if (!surveyed) return Finish(context, form4, written, false);
    if (!CaptureViews(context, form4, std::nullopt)) return Finish(context, form4, written, false);
    for (const auto& bitmap : BitmapPaths()) written.Add(bitmap);

    OpenFolder(form4, folder);
    TypeHeader(form4, arguments);
    for (auto [action, press] : {std::pair{"sheet", &Form4::Command3_Click},
                                 std::pair{"pictures", &Form4::Command13_Click}}) {
        auto saved = PressWorkbook(context, form4, action, press, force, false);
        if (!saved) return Finish(context, form4, written, false);
        written.Add(*saved);
    }
    context.Session()->Mark("post");
    form4.Command2_Click();
    for (const auto& file : form4.last_post().written) written.Add(ResolvePath(file).string());
    const auto& post = form4.last_post();
    bool posted = !post.failure && post.refused.empty();
    if (!posted) context.err() << "orvalis-cli: " << form4.StatusBar1 << '\n';
    return Finish(context, form4, written, posted);
}

}  // namespace orvalis::cli
