#include "platform/file_names.h"

namespace orvalis {

namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i]) return false;
    }
    return true;
}

bool EndsInDotOrBlank(std::string_view name) {
    return !name.empty() && (name.back() == '.' || name.back() == ' ');
}

}  // namespace

bool HasForbiddenFileNameCharacter(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

bool IsWindowsDeviceName(std::string_view name) {
    // Windows reads the name up to its first dot, blanks at its end dropped.
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (EqualsIgnoringCase(stem, device)) return true;
    }
    if (stem.size() < 4) return false;
    std::string_view port = stem.substr(0, 3);
    if (!EqualsIgnoringCase(port, "COM") && !EqualsIgnoringCase(port, "LPT")) return false;
    std::string_view number = stem.substr(3);
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "¹" ||
           number == "²" || number == "³";
}

std::string FileNameProblem(std::string_view name) {
    if (name.empty()) return "이름이 비어 있습니다";
    if (name == "." || name == "..") return "'.'과 '..'은 파일 이름이 될 수 없습니다";
    if (HasForbiddenFileNameCharacter(name))
        return "\\ / : * ? \" < > | 와 제어 문자는 파일 이름에 쓸 수 없습니다";
    if (IsWindowsDeviceName(name))
        return "CON, PRN, AUX, NUL, COM1~9, LPT1~9는 Windows의 장치 이름이라 파일 이름으로 쓸 "
               "수 없습니다";
    if (EndsInDotOrBlank(name)) return "Windows는 이름 끝의 점(.)과 빈칸을 지우므로 쓸 수 없습니다";
    return "";
}

bool IsUsableExtension(std::string_view extension) {
    return !extension.empty() && !HasForbiddenFileNameCharacter(extension) &&
           extension.find("..") == std::string_view::npos && !EndsInDotOrBlank(extension);
}

}  // namespace orvalis
