#include <ostream>

#include "cli/commands.h"
#include "mainwin/form4.h"
#include "ncout/form2.h"

namespace orvalis::cli {

// Renames every toolpath to PREFIX1, PREFIX2, ... through the rename window,
// then asks the host for the names again and prints them.
int RunRename(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {}, {});
    if (arguments.operands().size() != 1) throw UsageError("rename takes one PREFIX");
    Form4& form4 = context.LoadMainWindow();
    Form2& window = context.Forms().form2();
    window.Text1.SetText(arguments.operands().front());
    context.Session()->Mark("rename");
    window.Command5_Click();
    bool renamed =
        window.refused().empty() && (window.renamed() > 0 || form4.List1.ListCount() == 0);
    context.Session()->Mark("toolpaths");
    form4.Command5_Click();
    for (const auto& name : form4.List1.Items()) context.out() << name << '\n';
    return renamed && form4.toolpaths_listed() ? 0 : 1;
}

}  // namespace orvalis::cli
