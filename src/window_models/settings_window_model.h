#pragma once

#include "controls/controls.h"
#include "data_files/picture_size_file.h"
#include "window_models/interaction.h"
#include "window_models/window.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The settings window (title SettingsWindowModel): the sizes the setup sheet's four view
// pictures are placed at, the NC file extension, and the way to the company
// registry. The workbook writer reads the size boxes as they stand, saved or
// not, so the window may exist hidden.
class SettingsWindowModel : public forms::Window {
  public:
    explicit SettingsWindowModel(forms::Forms& forms);

    // Frame "그림 크기": the four pairs, two by two.
    forms::Label Frame1{"그림 크기"};
    forms::Label Label1{"TOP"};
    forms::Label Label2{"ISO"};
    forms::Label Label3{"Front"};
    forms::Label Label4{"Right"};
    forms::Label Label5{"W"};  // shown beside each width box
    forms::Label Label6{"H"};  // shown beside each height box
    forms::TextBox Text1;      // TOP width
    forms::TextBox Text2;      // TOP height
    forms::TextBox Text3;      // ISO width
    forms::TextBox Text4;      // ISO height
    forms::TextBox Text5;      // Front width
    forms::TextBox Text6;      // Front height
    forms::TextBox Text7;      // Right width
    forms::TextBox Text8;      // Right height
    forms::Button Command3{"그림 크기 열기"};
    forms::Button Command2{"그림 크기 저장"};

    forms::Label Label8{"확장자"};
    forms::TextBox Text9;  // NC file extension
    forms::Button Command1{"변수저장"};
    forms::Label Label7{"변수 적용은 다시 시작하셔야 합니다."};
    forms::Button Command4{"업체 설정"};

    // Text1 to Text8 in the file's field order.
    settings::PictureSizeTexts PictureSizes() const;

    void Load();
    void ClickOpenPictureSizes();  // Command3 그림 크기 열기
    void ClickSavePictureSizes();  // Command2 그림 크기 저장
    void ClickSaveExtension();     // Command1 변수저장
    void ClickCompanies();         // Command4 업체 설정
    // The user closed the window: the registry drops it, so the model may be
    // gone when this returns.
    void Unload();

  private:
    // Puts the file's last complete group of eight into the boxes; false when
    // the file is missing or ends inside a group.
    bool ReadSizesIntoBoxes();
    void ShowSizes(const settings::PictureSizeTexts& sizes);
    void ReportWriteFailure(const std::string& what, const std::string& detail);
    void Tell(const std::string& text, forms::MessageIcon icon);
};

}  // namespace orvalis
