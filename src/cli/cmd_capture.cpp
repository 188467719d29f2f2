#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "mainwin/drive_paths.h"
#include "mainwin/form4.h"
#include "views/form1.h"
#include "views/view_capture.h"

namespace orvalis::cli {

namespace {

// "XMIN,XMAX,YMIN,YMAX,ZMIN,ZMAX", each kept as typed.
std::vector<std::string> SplitLimits(const std::string& text) {
    std::vector<std::string> limits;
    std::stringstream in(text);
    for (std::string limit; std::getline(in, limit, ',');) limits.push_back(limit);
    if (!text.empty() && text.back() == ',') limits.emplace_back();
    if (limits.size() != 6) {
        throw UsageError("--limits takes six values: XMIN,XMAX,YMIN,YMAX,ZMIN,ZMAX");
    }
    return limits;
}

}  // namespace

// Opens the block limits panel, types the limits given, presses "캡처" and
// prints where the four bitmaps are.
int RunCapture(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--limits"}, {});
    if (!arguments.operands().empty()) throw UsageError("capture takes no operands");
    std::optional<std::vector<std::string>> limits;
    if (auto text = arguments.Option("--limits")) limits = SplitLimits(*text);

    Form4& form4 = context.LoadMainWindow();
    context.Session()->Mark("block");
    form4.Command15_Click();
    Form1& panel = context.Forms().form1();
    if (limits) {
        forms::TextBox* boxes[] = {&panel.Text3, &panel.Text6, &panel.Text2,
                                   &panel.Text5, &panel.Text1, &panel.Text4};
        for (int i = 0; i < 6; ++i) boxes[i]->SetText((*limits)[static_cast<std::size_t>(i)]);
    }
    bool kept = false;
    panel.CaptureDone = [&kept](bool succeeded) { kept = succeeded; };
    context.Session()->Mark("capture");
    panel.Command3_Click();  // the panel closes itself: `panel` is not used after this
    if (!kept) return 1;     // the message went to stderr
    for (const char* file : {"Top.bmp", "Front.bmp", "Right.bmp", "ISO.bmp"}) {
        context.out() << ResolvePath(std::string(views::kImageFolder) + file).string() << '\n';
    }
    return 0;
}

}  // namespace orvalis::cli
