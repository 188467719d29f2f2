#include "cli/steps.h"

#include <algorithm>
#include <ostream>

#include "mainwin/drive_paths.h"
#include "mainwin/form4.h"
#include "survey/toolpath_grid.h"
#include "views/form1.h"
#include "views/view_capture.h"

namespace orvalis::cli {

namespace {

// Types the prefix and the start number as the user would. False, with the
// window's message on stderr, when the start number is not a number.
bool TypeNumbering(Form4& form4, const CommandArguments& arguments, std::ostream& err) {
    if (auto prefix = arguments.Option("--prefix")) form4.Text8.SetText(*prefix);
    auto start = arguments.Option("--start");
    if (!start) return true;
    std::string status_before = form4.StatusBar1;
    form4.Text10.SetText(*start);
    if (form4.StatusBar1 == status_before || form4.StatusBar1 == Form4::kReady) return true;
    err << "orvalis-cli: " << form4.StatusBar1 << '\n';
    return false;
}

}  // namespace

void PrintGridRows(std::ostream& out, const forms::FlexGrid& grid, int rows) {
    for (int row = 1; row <= rows; ++row) {
        for (int column = survey::kHostName; column <= survey::kCuttingType; ++column) {
            out << (column == survey::kHostName ? "" : "\t") << grid.TextMatrix(row, column);
        }
        out << '\n';
    }
}

bool SurveyAsTyped(CommandContext& context, Form4& form4, const CommandArguments& arguments) {
    if (arguments.operands().empty()) {
        form4.Command1_Click();
    } else {
        for (const auto& name : arguments.operands()) form4.List2.AddItem(name);
    }
    context.Session()->Mark("survey");
    form4.Command14_Click();
    if (!form4.last_survey().problems.empty()) {
        context.err() << "orvalis-cli: " << form4.StatusBar1 << '\n';
        return false;
    }
    return TypeNumbering(form4, arguments, context.err()) && form4.last_survey().complete();
}

bool CheckCollisions(CommandContext& context, Form4& form4) {
    context.Session()->Mark("collision");
    form4.Check1_Click();
    if (!form4.last_collision().problems.empty()) {
        context.err() << "orvalis-cli: " << form4.StatusBar1 << '\n';
        return false;
    }
    return form4.last_survey().complete();
}

bool CaptureViews(CommandContext& context, Form4& form4,
                  const std::optional<std::vector<std::string>>& limits) {
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
    return kept;
}

std::vector<std::string> BitmapPaths() {
    std::vector<std::string> paths;
    for (const auto& file : views::BitmapFiles()) paths.push_back(ResolvePath(file).string());
    return paths;
}

void OpenFolder(Form4& form4, const std::string& folder) {
    form4.Dir1.Path = folder;
    form4.Dir1_Change();
}

void TypeHeader(Form4& form4, const CommandArguments& arguments) {
    if (auto company = arguments.Option("--company")) form4.Combo2.SetText(*company);
    if (auto offset = arguments.Option("--offset")) {
        const auto& offsets = form4.Combo3.Items();
        if (std::find(offsets.begin(), offsets.end(), *offset) == offsets.end()) {
            throw UsageError("--offset takes G54 to G59");
        }
        form4.Combo3.SetText(*offset);
    }
    if (auto item = arguments.Option("--item")) form4.Text1.SetText(*item);
    if (auto part = arguments.Option("--part")) form4.Text2.SetText(*part);
}

std::optional<std::string> PressWorkbook(CommandContext& context, Form4& form4,
                                         const std::string& action, void (Form4::*press)(),
                                         bool force, bool show) {
    context.SetConfirmAnswer(force);
    context.SetShowDocuments(show);
    context.Session()->Mark(action);
    (form4.*press)();
    if (form4.last_workbook().empty()) return std::nullopt;
    return form4.last_workbook();
}

}  // namespace orvalis::cli
