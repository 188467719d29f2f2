#include "views/block_panel_model.h"

#include <optional>
#include <string>

#include "forms/forms.h"
#include "forms/window_slot.h"
#include "host/host_error.h"
#include "host/host_work.h"
#include "host/number_text.h"
#include "platform/file_stamps.h"
#include "views/leading_number.h"
#include "views/view_capture.h"

namespace orvalis {

BlockPanelModel::BlockPanelModel(forms::Forms& forms) : Window(forms), pm(forms.session()) {
    for (int index = 1; index <= 6; ++index) {
        BoxOf(index).Change = [this, index] { LimitChanged(index); };
    }
}

forms::TextBox& BlockPanelModel::BoxOf(int index) {
    forms::TextBox* boxes[] = {&Text3, &Text6, &Text2, &Text5, &Text1, &Text4};
    return *boxes[index - 1];
}

views::BlockBoxes BlockPanelModel::Boxes() const {
    return {Text3.Text(), Text6.Text(), Text2.Text(), Text5.Text(), Text1.Text(), Text4.Text()};
}

void BlockPanelModel::Load() {
    MakeTopmost();
    ReloadBlock(false);
}

void BlockPanelModel::ClickBlock() {
    ReloadBlock(true);
}

// The host recomputes its block; the boxes then show the six limits. Filling
// a box is a change like any other, so the host gets each value back.
void BlockPanelModel::ReloadBlock(bool reset_limit) {
    try {
        pm.Connect();
        pm.RunCommand("DELETE BLOCK");
        if (reset_limit) pm.RunCommand("EDIT BLOCK RESETLIMIT 0");
        pm.RunCommand("EDIT BLOCK RESET");
        pm.FetchBlock();
        for (int index = 1; index <= 6; ++index) {
            BoxOf(index).SetText(host::NumberText(pm.BlockLimit(index)));
        }
        host_failure_shown_ = false;
    } catch (const host::HostError& error) {
        ReportHostFailure("블럭을 읽지 못했습니다", error.what());
    }
    NotifyChanged();
}

void BlockPanelModel::LimitChanged(int index) {
    // What is sent carries at most 15 significant digits, like the number text.
    double limit = std::stod(host::NumberText(views::LeadingNumber(BoxOf(index).Text())));
    try {
        pm.SetBlockLimit(index, limit);
        host_failure_shown_ = false;
    } catch (const host::HostError& error) {
        ReportHostFailure("블럭 한계값을 보내지 못했습니다", error.what());
    }
}

void BlockPanelModel::ReportHostFailure(const std::string& what, const std::string& reason) {
    if (host_failure_shown_) return;
    host_failure_shown_ = true;
    forms().interaction().Message(
        {what + ".\n(" + reason + ")", "블럭", forms::MessageIcon::kCritical});
}

void BlockPanelModel::ClickCapture() {
    std::optional<host::LongWork> work(std::in_place, pm);
    FileStamps before = StampFiles(views::BitmapFiles());
    auto failure = views::RunCapture(pm, Boxes(), [this](const std::vector<std::string>& chars) {
        List2.Clear();
        for (const auto& c : chars) List2.AddItem(c);
    });
    if (failure) {
        std::string text = "캡처를 마치지 못했습니다: " + failure->command + "\n(" +
                           failure->reason + ")\n그림 파일이 모두 저장되지 않았을 수 있습니다.";
        if (!failure->restored) text += "\n화면 설정과 대화상자를 되돌리지 못했습니다.";
        forms().interaction().Message({text, "캡처", forms::MessageIcon::kCritical});
    }
    // The host writes the bitmaps on its own; a run it accepted without
    // writing them must not pass for a finished capture.
    std::vector<std::string> unwritten =
        failure ? std::vector<std::string>{} : UnwrittenFiles(views::BitmapFiles(), before);
    if (!unwritten.empty()) {
        std::string text = "호스트가 그림 파일을 만들지 않았습니다:";
        for (const auto& file : unwritten) text += "\n" + file;
        forms().interaction().Message({text, "캡처", forms::MessageIcon::kCritical});
    }
    work.reset();  // the panel unloads below
    if (CaptureDone) CaptureDone(!failure && unwritten.empty());
    // Whether or not the run succeeded, the main window comes back and the panel closes.
    forms().RestoreMainWindow();
    Unload();
}

void BlockPanelModel::Unload() {
    forms().RestoreMainWindow();
    Hide();
    forms().UnloadBlockPanel();
}

// The registry's slot for the block limits panel.
BlockPanelModel& forms::Forms::block_panel() {
    return Get(block_panel_);
}
void forms::Forms::UnloadBlockPanel() {
    Drop(block_panel_);
}

}  // namespace orvalis
