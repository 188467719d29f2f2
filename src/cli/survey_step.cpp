#include "cli/survey_step.h"

#include <ostream>

#include "mainwin/form4.h"
#include "survey/toolpath_grid.h"

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

}  // namespace orvalis::cli
