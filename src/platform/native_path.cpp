#include "platform/native_path.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvalis {

namespace fs = std::filesystem;

fs::path NativePath(std::string_view utf8) {
    // From char8_t the path is UTF-8 everywhere (libstdc++ and MSVC alike).
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string Utf8(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

#ifdef _WIN32

std::optional<std::string> EnvironmentText(const char* name) {
    std::wstring wide_name(name, name + std::char_traits<char>::length(name));  // ASCII names
    DWORD size = GetEnvironmentVariableW(wide_name.c_str(), nullptr, 0);
    if (size <= 1) return std::nullopt;
    std::wstring value(size, L'\0');
    size = GetEnvironmentVariableW(wide_name.c_str(), value.data(), size);
    value.resize(size);
    if (value.empty()) return std::nullopt;
    return Utf8(fs::path(value));
}

#else

std::optional<std::string> EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
}

#endif

}  // namespace orvalis
