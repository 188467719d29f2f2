#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/file_error.h"
#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/commands/scene_arguments.h"
#include "sim/scene_picture.h"
#include "sim/scene_view.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

constexpr double kPictureAspect = static_cast<double>(kViewPictureWidth) / kViewPictureHeight;

void FitToWhatIsDrawn(HostState& state) {
    state.scene.fitted = FitView(state, state.scene.view, kPictureAspect);
}

// The words after a view command: the view window (VIEWMILL) and whether the
// view is fitted to what is drawn (RESIZEVIEW), both optional, in this order.
bool ResizeWordsFrom(const CommandCall& call, std::size_t index) {
    const Command& command = call.command();
    if (command.IsKeyword(index, "VIEWMILL")) ++index;
    bool resize = command.IsKeyword(index, "RESIZEVIEW");
    call.ExpectEnd(resize ? index + 1 : index);
    return resize;
}

// "ROTATE TRANSFORM TOP VIEWMILL RESIZEVIEW" (FRONT, RIGHT, ISO2): the view
// looks from that side; RESIZEVIEW fits it to what is drawn now, and what is
// undrawn later keeps that window.
void RotateView(CommandCall& call) {
    struct Named {
        std::string_view word;
        ViewDirection direction;
    };
    static constexpr Named kViews[] = {
        {"TOP", ViewDirection::kTop},
        {"FRONT", ViewDirection::kFront},
        {"RIGHT", ViewDirection::kRight},
        {"ISO2", ViewDirection::kIso},
    };
    std::string_view word = WordAt(call, 2);
    const Named* found = nullptr;
    for (const Named& named : kViews) {
        if (EqualsNoCase(word, named.word)) found = &named;
    }
    if (!found) call.FailUnreadable();
    bool resize = ResizeWordsFrom(call, 3);
    Scene& scene = call.state().scene;
    scene.view = found->direction;
    scene.fitted.reset();
    if (resize) FitToWhatIsDrawn(call.state());
}

// "REFRESH VIEWMILL RESIZEVIEW": fits the view again to what is drawn.
void Refresh(CommandCall& call) {
    if (ResizeWordsFrom(call, 1)) FitToWhatIsDrawn(call.state());
}

// "KEEP BITMAP WHITEBG 'C:\...\Top.bmp'YES": the view as a picture of
// 1024 x 768 pixels. A file of that name is replaced, whole or not at all
// (YES tells the host to do so without asking; the simulated host never asks).
void KeepBitmap(CommandCall& call) {
    std::size_t index = 2;
    bool white_background = call.command().IsKeyword(index, "WHITEBG");
    if (white_background) ++index;
    std::string path = PathAt(call, index);
    bool replace = call.command().IsKeyword(index + 1, "YES");
    call.ExpectEnd(replace ? index + 2 : index + 1);
    std::filesystem::path file = ResolvePath(path);
    std::error_code error;
    if (!std::filesystem::is_directory(file.parent_path(), error)) {
        call.Fail("Cannot save bitmap '" + path + "': the folder does not exist");
    }
    BitmapCanvas picture = RenderView(call.state(), white_background);
    try {
        ReplaceFileAtomically(file, picture.File());
    } catch (const FileError& failure) {
        call.Fail("Cannot save bitmap '" + path + "': " + failure.what());
    }
}

}  // namespace

void RegisterViewCommands(CommandTable& table) {
    table.Route("ROTATE", "TRANSFORM", RotateView);
    table.Route("REFRESH", "", Refresh);
    table.Route("KEEP", "BITMAP", KeepBitmap);
}

}  // namespace orvalis::sim
