#include "window_models/settings_window_model.h"

#include "data_files/settings_files.h"
#include "platform/file_error.h"
#include "platform/file_names.h"
#include "sheet/picture_size.h"
#include "sheet/sheet_error.h"
#include "sheet/sheet_messages.h"
#include "window_models/company_registry_model.h"
#include "window_models/forms.h"

namespace orvalis {

SettingsWindowModel::SettingsWindowModel(forms::Forms& forms) : Window(forms) {}

settings::PictureSizeTexts SettingsWindowModel::PictureSizes() const {
    settings::PictureSizeTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = picture_sizes[i].Text();
    return texts;
}

void SettingsWindowModel::ShowSizes(const settings::PictureSizeTexts& sizes) {
    for (std::size_t i = 0; i < sizes.size(); ++i) picture_sizes[i].SetText(sizes[i]);
}

bool SettingsWindowModel::ReadSizesIntoBoxes() {
    auto read = settings::ReadPictureSizes();
    if (read.sizes) ShowSizes(*read.sizes);
    return read.complete;
}

// A picture-size file that is missing or cut short stops the load before the
// extension is read, so the extension box stays empty as well.
void SettingsWindowModel::Load() {
    if (ReadSizesIntoBoxes()) nc_extension.SetText(settings::LoadNcExtension());
    NotifyChanged();
}

void SettingsWindowModel::ClickOpenPictureSizes() {
    bool complete = ReadSizesIntoBoxes();
    NotifyChanged();
    if (complete) return;
    // The user asked for the stored sizes; a file that cannot give them is
    // worth saying, since the boxes would otherwise look as if it had.
    forms().interaction().Message(
        {"그림 크기를 읽지 못했습니다. 파일이 없거나 여덟 개의 값이 "
         "다 들어 있지 않습니다.\n" +
             settings::PictureSizeFilePath(),
         "경고", forms::MessageIcon::kExclamation});
}

// A size that is no number would only fail at the next 시트 만들기, far from
// the box that holds it: it is refused here, naming the box.
void SettingsWindowModel::ClickSavePictureSizes() {
    try {
        sheet::PictureSizesInPoints(PictureSizes());
    } catch (const sheet::SheetError& error) {
        Tell("그림 크기를 저장하지 않았습니다.\n" + sheet::SheetErrorMessage(error),
             forms::MessageIcon::kExclamation);
        return;
    }
    try {
        settings::WritePictureSizes(PictureSizes());
    } catch (const FileError& error) {
        ReportWriteFailure("그림 크기를 저장하지 못했습니다.", error.path() + "\n" + error.what());
        return;
    }
    Tell("그림 크기를 저장했습니다.", forms::MessageIcon::kInformation);
}

// Stores this window's own extension box, the one the user sees beside the
// button; the main window picks it up at its next load.
// An extension no file name can end with would only fail at the next NC POST.
void SettingsWindowModel::ClickSaveExtension() {
    const std::string& extension = nc_extension.Text();
    if (!IsUsableExtension(extension)) {
        Tell(extension.empty()
                 ? std::string("확장자 칸이 비어 있어 저장하지 않았습니다.")
                 : "확장자 '" + extension +
                       "'은(는) 파일 이름에 쓸 수 없어 저장하지 않았습니다 (\\ / : * ? \" < > |, "
                       "..과 끝의 점이나 빈칸은 쓸 수 없습니다).",
             forms::MessageIcon::kExclamation);
        return;
    }
    try {
        settings::SaveNcExtension(extension);
    } catch (const FileError& error) {
        ReportWriteFailure("확장자를 저장하지 못했습니다.", error.path() + "\n" + error.what());
        return;
    }
    Tell("확장자 '" + extension + "'을(를) 저장했습니다. 다시 시작하면 적용됩니다.",
         forms::MessageIcon::kInformation);
}

void SettingsWindowModel::ClickCompanies() {
    forms().company_registry().Show();
}

void SettingsWindowModel::Unload() {
    // A model that was already replaced must not take its successor along.
    if (forms().HasSettingsWindow() && &forms().settings_window() == this)
        forms().UnloadSettingsWindow();
}

void SettingsWindowModel::ReportWriteFailure(const std::string& what, const std::string& detail) {
    forms().interaction().Message({what + "\n" + detail, "경고", forms::MessageIcon::kCritical});
}

void SettingsWindowModel::Tell(const std::string& text, forms::MessageIcon icon) {
    forms().interaction().Message({text, "등록", icon});
}

}  // namespace orvalis
