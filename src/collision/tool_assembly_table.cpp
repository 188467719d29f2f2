#include "collision/tool_assembly_table.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace orvalis::collision {

namespace {

bool IsNumber(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

}  // namespace

std::optional<std::string> RecordProblem(const AssemblyRecord& record) {
    if (FieldOf(record, kDiameter).find_first_not_of(' ') == std::string::npos) {
        return std::string("공구경이 비어 있습니다. 공구경은 공구를 찾는 열쇠입니다.");
    }
    for (int number = 1; number <= kFieldCount; ++number) {
        const std::string& text = FieldOf(record, number);
        if (text.empty() || IsNumber(text)) continue;
        return std::string(kFieldHeadings[static_cast<std::size_t>(number - 1)]) +
               " 값이 숫자가 아닙니다: '" + text + "'";
    }
    return std::nullopt;
}

}  // namespace orvalis::collision
