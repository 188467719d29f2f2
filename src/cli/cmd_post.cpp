#include <ostream>

#include "cli/commands.h"
#include "cli/steps.h"
#include "mainwin/drive_paths.h"
#include "mainwin/form4.h"

namespace orvalis::cli {

// Surveys, numbers the NC names as given, chooses the folder and the
// post-processor option, then presses "NC POST"; prints each NC file written.
int RunPost(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--folder", "--post", "--prefix", "--start"},
                               {});
    auto folder = arguments.Option("--folder");
    if (!folder) throw UsageError("post needs --folder DIR");
    Form4& form4 = context.LoadMainWindow();
    if (!SurveyAsTyped(context, form4, arguments)) return 1;
    OpenFolder(form4, *folder);
    if (auto option = arguments.Option("--post")) form4.Combo1.SetText(*option);
    context.Session()->Mark("post");
    form4.Command2_Click();
    const auto& post = form4.last_post();
    for (const auto& file : post.written) {
        context.out() << ResolvePath(file).string() << '\n';
    }
    bool clean = !post.failure && post.refused.empty() && !post.written.empty();
    if (!clean) context.err() << "orvalis-cli: " << form4.StatusBar1 << '\n';
    return clean ? 0 : 1;
}

}  // namespace orvalis::cli
