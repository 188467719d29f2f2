#include <ostream>

#include "cli/commands.h"
#include "cli/steps.h"
#include "platform/native_path.h"
#include "sheet/setup_sheet_reader.h"
#include "xlsx/workbook_error.h"

namespace orvalis::cli {

// What changed from one setup sheet to another, as a sheet that replaces
// the first would mark it. Needs no host.
int RunCompare(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {}, {});
    if (arguments.operands().size() != 2)
        throw UsageError("compare에는 OLD.xlsx NEW.xlsx 두 파일이 필요합니다");
    const std::string& before = arguments.operands()[0];
    const std::string& after = arguments.operands()[1];
    try {
        PrintSheetChanges(context.out(),
                          sheet::CompareSetupSheets(NativePath(before), NativePath(after)));
        return 0;
    } catch (const xlsx::WorkbookError& error) {
        context.err() << "orvalis-cli: 비교할 수 없습니다: " << error.path() << ": " << error.what()
                      << '\n';
        return 1;
    }
}

}  // namespace orvalis::cli
