#include <ostream>

#include "cli/commands.h"
#include "mainwin/form4.h"
#include "survey/toolpath_grid.h"

namespace orvalis::cli {

namespace {

void PrintGridRows(std::ostream& out, const forms::FlexGrid& grid, int rows) {
    for (int row = 1; row <= rows; ++row) {
        for (int column = survey::kHostName; column <= survey::kCuttingType; ++column) {
            out << (column == survey::kHostName ? "" : "\t") << grid.TextMatrix(row, column);
        }
        out << '\n';
    }
}

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

// Puts the NAMEs (default: the whole project list) into the survey list,
// presses "불러오기", then types the prefix and start number if given; prints
// the rows surveyed, 13 TAB-separated cells each. A survey that failed
// prints the rows it wrote and says on stderr where it stopped.
int RunSurvey(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--prefix", "--start"}, {});
    Form4& form4 = context.LoadMainWindow();
    if (arguments.operands().empty()) {
        form4.Command1_Click();
    } else {
        for (const auto& name : arguments.operands()) form4.List2.AddItem(name);
    }
    context.Session()->Mark("survey");
    form4.Command14_Click();
    const survey::SurveyResult& result = form4.last_survey();
    bool numbered = true;
    if (result.problems.empty()) {
        numbered = TypeNumbering(form4, arguments, context.err());
    } else {
        context.err() << "orvalis-cli: " << form4.StatusBar1 << '\n';
    }
    PrintGridRows(context.out(), form4.MSFlexGrid1, static_cast<int>(result.rows.size()));
    return result.complete() && numbered ? 0 : 1;
}

}  // namespace orvalis::cli
