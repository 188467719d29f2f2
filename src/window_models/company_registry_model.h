#pragma once

#include <string>

#include "controls/controls.h"
#include "window_models/window.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The company registry dialog (title 업체 등록): stores customer company names
// in the twenty numbered slots of the company list file, which the main window
// offers at its next load, and lists what is stored.
class CompanyRegistryModel : public forms::Window {
  public:
    explicit CompanyRegistryModel(forms::Forms& forms);

    forms::Label path_caption{"파일경로"};  // Label3
    forms::TextBox file_path;               // Text3: the company list file's path, display only
    forms::Label names_frame{"업체명"};     // Frame1
    forms::ComboBox stored_names;  // Combo3: the stored names, filled by "업체명 찾기"
    // The key list: "업체명1" to "업체명20", hidden under stored_names. Its selection
    // is the slot the next save writes.
    forms::ComboBox slot_keys;                  // Combo2
    forms::Label name_caption{"업체명 기록"};   // Label4
    forms::TextBox new_name;                    // Text4: the name to store
    forms::Button find_button{"업체명 찾기"};   // Command2
    forms::Button save_button{"업체명 저장 "};  // Command1
    forms::Label instructions{
        // Label5
        "업체명을 추가하실려면 업체명 기록에 추가 하실려는 업체명을 기록하시고 업체명 저장을 "
        "클릭하시면 저장이 됩니다. 위와 같이 반복작을 하시면 계속 추가를 하실수 있습니다. 그리고 "
        "업체명 찾기를 클릭하시면 지금까지 등록하시 업체명들이 나타납니다."};

    void Load();
    void ClickFindCompanies();  // 업체명 찾기
    void ClickSaveCompany();    // 업체명 저장
    // The user closed the dialog: the registry drops it, so the model may be
    // gone when this returns.
    void Unload();

  private:
    // The slot position recorded by the last save, or 0 when there is none
    // that names a slot.
    static int RecordedPosition();
    // Writes the position that follows the slot just saved (slot k gives k).
    void RecordFollowingPosition(int position);
    void Fail(const std::string& what, const std::string& path, const std::string& reason);
};

}  // namespace orvalis
