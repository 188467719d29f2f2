#pragma once

#include <array>
#include "controls/controls.h"
#include "data_files/picture_size_file.h"
#include "window_models/interaction.h"
#include "window_models/window.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The settings window (title 등록): the sizes the setup sheet's four view
// pictures are placed at, the NC file extension, and the way to the company
// registry. The workbook writer reads the size boxes as they stand, saved or
// not, so the window may exist hidden.
class SettingsWindowModel : public forms::Window {
  public:
    explicit SettingsWindowModel(forms::Forms& forms);

    // The frame "그림 크기": the four pairs, two by two.
    forms::Label sizes_frame{"그림 크기"};  // Frame1
    forms::Label top_caption{"TOP"};        // Label1
    forms::Label iso_caption{"ISO"};        // Label2
    forms::Label front_caption{"Front"};    // Label3
    forms::Label right_caption{"Right"};    // Label4
    forms::Label width_caption{"W"};        // Label5, beside each width box
    forms::Label height_caption{"H"};       // Label6, beside each height box
    // Text1 to Text8: TOP width and height, then ISO, Front and Right, in the
    // picture-size file's field order.
    std::array<forms::TextBox, 8> picture_sizes;
    forms::Button open_sizes_button{"그림 크기 열기"};  // Command3
    forms::Button save_sizes_button{"그림 크기 저장"};  // Command2

    forms::Label extension_caption{"확장자"};                          // Label8
    forms::TextBox nc_extension;                                       // Text9
    forms::Button save_extension_button{"변수저장"};                   // Command1
    forms::Label restart_note{"변수 적용은 다시 시작하셔야 합니다."};  // Label7
    forms::Button companies_button{"업체 설정"};                       // Command4

    // The eight size boxes as they stand.
    settings::PictureSizeTexts PictureSizes() const;

    void Load();
    void ClickOpenPictureSizes();  // 그림 크기 열기
    void ClickSavePictureSizes();  // 그림 크기 저장
    void ClickSaveExtension();     // 변수저장
    void ClickCompanies();         // 업체 설정
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
