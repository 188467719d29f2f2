#include "window_models/block_panel_model.h"

#include <charconv>
#include <optional>
#include <string>

#include "capture/glyph_check.h"
#include "capture/leading_number.h"
#include "capture/view_capture.h"
#include "host/host_error.h"
#include "host/host_work.h"
#include "host/number_text.h"
#include "platform/file_stamps.h"
#include "window_models/forms.h"

namespace orvalis {

BlockPanelModel::BlockPanelModel(forms::Forms& forms) : Window(forms), pm(forms.session()) {
    for (int index = 1; index <= 6; ++index) {
        LimitBox(index).Change = [this, index] { LimitChanged(index); };
    }
}

forms::TextBox& BlockPanelModel::LimitBox(int limit) {
    forms::TextBox* boxes[] = {&x_minimum, &x_maximum, &y_minimum,
                               &y_maximum, &z_minimum, &z_maximum};
    return *boxes[limit - 1];
}

capture::BlockBoxes BlockPanelModel::Boxes() const {
    return {x_minimum.Text(), x_maximum.Text(), y_minimum.Text(),
            y_maximum.Text(), z_minimum.Text(), z_maximum.Text()};
}

void BlockPanelModel::Load() {
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
            LimitBox(index).SetText(host::NumberText(pm.BlockLimit(index)));
        }
        host_failure_shown_ = false;
        capture_button.Enabled = true;
    } catch (const host::HostError& error) {
        // Half a block, or the boxes' design-time names, must not pass for limits.
        ClearBoxes();
        capture_button.Enabled = false;
        ReportHostFailure("블럭을 읽지 못했습니다", error.what());
    }
    NotifyChanged();
}

void BlockPanelModel::ClearBoxes() {
    quiet_ = true;
    for (int index = 1; index <= 6; ++index) LimitBox(index).SetText("");
    quiet_ = false;
    accepted_.fill("");
}

namespace {

const char* const kBoxNames[] = {"X 최소", "X 최대", "Y 최소", "Y 최대", "Z 최소", "Z 최대"};

// What is sent carries at most 15 significant digits, like the number text.
// A value whose rounded text a double holds only below its normal range
// (2.2250738585072014E-308 rounds to a subnormal) is sent as it was typed.
double SentLimit(double value) {
    std::string text = host::NumberText(value);
    double rounded = value;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rounded);
    return error == std::errc() ? rounded : value;
}

}  // namespace

void BlockPanelModel::LimitChanged(int index) {
    if (quiet_) return;
    forms::TextBox& box = LimitBox(index);
    std::string& accepted = accepted_[static_cast<std::size_t>(index - 1)];
    if (!capture::IsLimitText(box.Text())) {
        std::string refused = box.Text();
        quiet_ = true;
        box.SetText(accepted);
        quiet_ = false;
        NotifyChanged();
        forms().interaction().Message({std::string(kBoxNames[index - 1]) +
                                           " 상자에는 숫자만 넣을 수 있습니다: '" + refused + "'",
                                       "블럭", forms::MessageIcon::kExclamation});
        return;
    }
    accepted = box.Text();
    double limit = SentLimit(capture::LeadingNumber(box.Text()));
    try {
        pm.SetBlockLimit(index, limit);
        host_failure_shown_ = false;
    } catch (const host::HostError& error) {
        ReportHostFailure("블럭 한계값을 보내지 못했습니다", error.what());
    }
}

std::optional<std::string> BlockPanelModel::InvertedAxis() {
    for (int minimum = 1; minimum <= 5; minimum += 2) {
        const std::string& low = LimitBox(minimum).Text();
        const std::string& high = LimitBox(minimum + 1).Text();
        if (capture::LeadingNumber(low) > capture::LeadingNumber(high)) {
            return std::string(kBoxNames[minimum - 1]) + " " + low + "이(가) " +
                   kBoxNames[minimum] + " " + high + "보다 큽니다.";
        }
    }
    return std::nullopt;
}

void BlockPanelModel::ReportHostFailure(const std::string& what, const std::string& reason) {
    if (host_failure_shown_) return;
    host_failure_shown_ = true;
    forms().interaction().Message(
        {what + ".\n(" + reason + ")", "블럭", forms::MessageIcon::kCritical});
}

void BlockPanelModel::ClickCapture() {
    if (!capture_button.Enabled) {
        forms().interaction().Message(
            {"블럭을 읽지 못해 캡처할 수 없습니다. \"블럭\"을 눌러 블럭을 다시 읽어 주세요.",
             "캡처", forms::MessageIcon::kExclamation});
        if (CaptureDone) CaptureDone(false);
        return;
    }
    // Labels of a block whose minimum lies above its maximum would be drawn
    // the wrong way round on the pictures the operator works from.
    if (std::optional<std::string> inverted = InvertedAxis()) {
        forms().interaction().Message({*inverted + " 최솟값을 최댓값 이하로 고친 뒤 캡처하십시오.",
                                       "캡처", forms::MessageIcon::kExclamation});
        if (CaptureDone) CaptureDone(false);
        return;
    }
    std::optional<host::LongWork> work(std::in_place, pm);
    FileStamps before = StampFiles(capture::BitmapFiles());
    std::optional<capture::CaptureFailure> failure;
    try {
        failure = capture::RunCapture(pm, Boxes(), [this](const std::vector<std::string>& chars) {
            label_characters.Clear();
            for (const auto& c : chars) label_characters.AddItem(c);
        });
    } catch (const capture::GlyphFileError& error) {
        forms().interaction().Message(
            {"라벨 글자 파일을 읽을 수 없어 캡처하지 않았습니다: " + error.path() + "\n(" +
                 error.what() + ")\n파일을 지우면 다음에 시작할 때 설치된 파일로 다시 채웁니다.",
             "캡처", forms::MessageIcon::kCritical});
        if (CaptureDone) CaptureDone(false);
        return;
    }
    if (failure) {
        std::string text = "캡처를 마치지 못했습니다: " + failure->command + "\n(" +
                           failure->reason + ")\n그림 파일이 모두 저장되지 않았을 수 있습니다.";
        if (!failure->restored) text += "\n화면 설정과 대화상자를 되돌리지 못했습니다.";
        forms().interaction().Message({text, "캡처", forms::MessageIcon::kCritical});
    }
    // The host writes the bitmaps on its own; a run it accepted without
    // writing them must not pass for a finished capture.
    std::vector<std::string> unwritten =
        failure ? std::vector<std::string>{} : UnwrittenFiles(capture::BitmapFiles(), before);
    if (!unwritten.empty()) {
        std::string text = "호스트가 그림 파일을 만들지 않았습니다:";
        for (const auto& file : unwritten) text += "\n" + file;
        forms().interaction().Message({text, "캡처", forms::MessageIcon::kCritical});
    }
    work.reset();  // the panel unloads below
    bool kept = !failure && unwritten.empty();
    forms().TellMainWindow(kept ? "캡처: 그림 4개를 저장했습니다 (Top, Front, Right, ISO)"
                                : "캡처를 마치지 못했습니다");
    if (CaptureDone) CaptureDone(kept);
    // Whether or not the run succeeded, the main window comes back and the panel closes.
    forms().RestoreMainWindow();
    Unload();
}

void BlockPanelModel::Unload() {
    forms().RestoreMainWindow();
    Hide();
    forms().UnloadBlockPanel();
}

}  // namespace orvalis
