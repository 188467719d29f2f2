#include <ostream>

#include "cli/commands.h"
#include "cli/steps.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "window_models/main_window_model.h"

namespace orvalis::cli {

// Surveys, numbers the NC names as given, chooses the folder and the
// post-processor option, then presses "NC POST"; prints each NC file written.
// NC files that exist are replaced only with --force.
int RunPost(CommandContext& context) {
    CommandArguments arguments(context.arguments(), {"--folder", "--post", "--prefix", "--start"},
                               {"--force"});
    RefuseUnquotableNames(arguments);
    std::string folder = FolderOption(arguments);
    MainWindowModel& main_window = context.LoadMainWindow();
    if (!SurveyAsTyped(context, main_window, arguments)) return 1;
    OpenFolder(main_window, folder);
    if (auto option = arguments.Option("--post")) main_window.post_option.SetText(*option);
    context.SetConfirmAnswer(arguments.Flag("--force"));  // NC files that exist
    context.Session()->Mark("post");
    int shown = context.MessagesShown();
    main_window.ClickPostNc();
    const auto& post = main_window.last_post();
    for (const auto& file : post.written) {
        context.out() << Utf8(ResolvePath(file)) << '\n';
    }
    bool clean = !post.failure && post.refused.empty() && !post.written.empty();
    if (!clean && context.MessagesShown() == shown)
        context.err() << "orvalis-cli: " << main_window.status_bar << '\n';
    return clean ? 0 : 1;
}

}  // namespace orvalis::cli
