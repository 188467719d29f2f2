#include "window_models/company_registry_model.h"

#include <charconv>

#include "data_files/settings_files.h"
#include "platform/file_error.h"
#include "window_models/forms.h"

namespace orvalis {

CompanyRegistryModel::CompanyRegistryModel(forms::Forms& forms) : Window(forms) {}

int CompanyRegistryModel::RecordedPosition() {
    std::string text = settings::LoadListIndex();
    int position = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), position);
    bool names_a_slot = error == std::errc() && end == text.data() + text.size() && position >= 0 &&
                        position < settings::kCompanySlots;
    return names_a_slot ? position : 0;
}

// The dialog carries on after the slot the last save recorded, so reopening
// it does not overwrite the companies stored before.
void CompanyRegistryModel::Load() {
    file_path.SetText(settings::CompanyFilePath());
    slot_keys.Clear();
    for (int slot = 1; slot <= settings::kCompanySlots; ++slot) {
        slot_keys.AddItem(settings::CompanyKey(slot));
    }
    slot_keys.SetListIndex(RecordedPosition());
    NotifyChanged();
}

// The list is not emptied first: a second press lists the names again.
void CompanyRegistryModel::ClickFindCompanies() {
    for (auto& name : settings::LoadCompanyList()) stored_names.AddItem(std::move(name));
    if (stored_names.ListCount() > 0) stored_names.SetListIndex(0);
    NotifyChanged();
}

// An empty name would take a slot that no company list shows (the list ends
// at the first empty slot), and the names saved after it would be lost from
// view; it is refused. So is a name of blanks only.
void CompanyRegistryModel::ClickSaveCompany() {
    if (new_name.Text().find_first_not_of(" \t") == std::string::npos) {
        forms().interaction().Message(
            {"업체명을 입력한 뒤 저장하십시오. 빈 이름은 저장하지 않습니다.", "업체 등록",
             forms::MessageIcon::kExclamation});
        return;
    }
    int position = slot_keys.ListIndex();
    try {
        settings::SaveCompany(position + 1, new_name.Text());
    } catch (const FileError& error) {
        Fail("업체명을 저장하지 못했습니다.", error.path(), error.what());
        return;
    }
    // The main window's company box shows the new name without a restart.
    forms().CompaniesChanged();
    if (position + 1 >= settings::kCompanySlots) {
        RecordFollowingPosition(position + 1);
        NotifyChanged();
        forms().interaction().Message(
            {"업체명 자리 20개를 모두 사용했습니다.\n이 창에서 다시 저장하면 20번 자리를 "
             "덮어쓰고, 창을 다시 열면 1번 자리부터 저장합니다.",
             "업체 등록", forms::MessageIcon::kExclamation});
        return;
    }
    // The name is stored, so the list moves on even if the position cannot
    // be recorded; the next save must not overwrite it.
    slot_keys.SetListIndex(position + 1);
    RecordFollowingPosition(position + 1);
    NotifyChanged();
    forms().interaction().Message(
        {settings::CompanyKey(position + 1) + "에 '" + new_name.Text() + "'을(를) 저장했습니다.",
         "업체 등록", forms::MessageIcon::kInformation});
}

void CompanyRegistryModel::RecordFollowingPosition(int position) {
    try {
        settings::SaveListIndex(position);
    } catch (const FileError& error) {
        Fail("다음 저장 위치를 기록하지 못했습니다.", error.path(), error.what());
    }
}

void CompanyRegistryModel::Unload() {
    // A model that was already replaced must not take its successor along.
    if (forms().HasCompanyRegistry() && &forms().company_registry() == this)
        forms().UnloadCompanyRegistry();
}

void CompanyRegistryModel::Fail(const std::string& what, const std::string& path,
                                const std::string& reason) {
    forms().interaction().Message(
        {what + "\n" + path + "\n" + reason, "경고", forms::MessageIcon::kCritical});
}

}  // namespace orvalis
