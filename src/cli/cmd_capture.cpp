#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/steps.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

namespace {

// "XMIN,XMAX,YMIN,YMAX,ZMIN,ZMAX", each kept as typed.
std::vector<std::string> SplitLimits(const std::string& text) {
    std::vector<std::string> limits;
    std::stringstream in(text);
    for (std::string limit; std::getline(in, limit, ',');) limits.push_back(limit);
    if (!text.empty() && text.back() == ',') limits.emplace_back();
    if (limits.size() != 6) {
        throw UsageError("--limits에는 값 여섯 개가 필요합니다: XMIN,XMAX,YMIN,YMAX,ZMIN,ZMAX");
    }
    return limits;
}

}  // namespace

// Opens the block limits panel, types the limits given, presses "캡처" and
// prints where the four bitmaps are.
int RunCapture(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--limits"}, {});
    if (!arguments.operands().empty()) throw UsageError("capture에는 다른 인수를 줄 수 없습니다");
    std::optional<std::vector<std::string>> limits;
    if (auto text = arguments.Option("--limits")) limits = SplitLimits(*text);

    MainWindowModel& main_window = context.LoadMainWindow();
    if (!CaptureViews(context, main_window, limits)) return 1;  // the message went to stderr
    for (const auto& path : BitmapPaths()) context.out() << path << '\n';
    return 0;
}

}  // namespace orvalis::cli
