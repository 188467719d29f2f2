#include "host/com_text.h"

#include <windows.h>

#include <new>

namespace orvalis::host {

std::wstring Utf8ToWide(std::string_view utf8) {
    if (utf8.empty()) return {};
    int size = static_cast<int>(utf8.size());
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string WideToUtf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string BstrToUtf8(BSTR text) {
    return text ? WideToUtf8(std::wstring_view(text, SysStringLen(text))) : std::string();
}

Bstr::Bstr(std::string_view utf8) {
    std::wstring wide = Utf8ToWide(utf8);
    text_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (!text_) throw std::bad_alloc();
}

}  // namespace orvalis::host
