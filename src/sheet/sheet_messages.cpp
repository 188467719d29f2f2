#include "sheet/sheet_messages.h"

namespace orvalis::sheet {

namespace {

const char* BoxName(int box) {
    static const char* const kBoxes[] = {"TOP 가로 (W)",   "TOP 세로 (H)",   "ISO 가로 (W)",
                                         "ISO 세로 (H)",   "Front 가로 (W)", "Front 세로 (H)",
                                         "Right 가로 (W)", "Right 세로 (H)"};
    return box >= 0 && box < 8 ? kBoxes[box] : "그림 크기";
}

}  // namespace

std::string SheetErrorMessage(const SheetError& error) {
    const std::string& subject = error.subject();
    switch (error.kind()) {
        case SheetError::Kind::kPictureSize:
            return std::string("그림 크기 ") + BoxName(error.box()) + " 칸의 값 '" + subject +
                   "'은(는) 1에서 32767 사이의 숫자가 아닙니다. 설정 창(등록)에서 고쳐 주세요.";
        case SheetError::Kind::kWorkbookName:
            return "파일 이름으로 쓸 수 없는 이름입니다: '" + subject + "' (" + error.what() +
                   "). 이름 칸이나 첫 행의 NC 이름을 고쳐 주세요.";
        case SheetError::Kind::kWorkbookExists:
            return "같은 이름의 파일이 이미 있어 저장하지 않았습니다: " + subject;
        case SheetError::Kind::kTemplate:
            return "템플릿 파일을 열 수 없습니다: " + subject + " (" + error.what() + ")";
        case SheetError::Kind::kBitmap:
            return "그림 파일이 없거나 읽을 수 없습니다: " + subject + " (" + error.what() +
                   "). 먼저 뷰 캡처를 해 주세요.";
        case SheetError::Kind::kCellText:
            return "글이 너무 길어 시트에 쓰지 않았습니다 (한 칸에 32,767자까지): '" + subject +
                   "…'";
        case SheetError::Kind::kSave:
            break;
    }
    return "파일을 저장하지 못했습니다: " + subject + " (" + error.what() + ")";
}

std::string ReplaceQuestion(const std::string& path) {
    return "같은 이름의 파일이 이미 있습니다.\n" + path + "\n바꾸시겠습니까?";
}

}  // namespace orvalis::sheet
