#include "survey/host_answers.h"

#include "survey/report_error.h"
#include "survey/report_numbers.h"
#include "survey/report_text.h"

namespace orvalis::survey {

std::string MachiningTimeFrom(std::string_view answer) {
    if (CharacterCount(answer) < 2) {
        throw ReportError("가공시간 응답이 너무 짧습니다: '" + std::string(answer) + "'");
    }
    return std::string(WithoutLastCharacters(answer, 2));
}

std::string LowestPointFrom(std::string_view answer) {
    auto lines = SplitLines(answer);
    if (lines.size() < 2) throw ReportError("툴패스 크기 응답에 최저점 줄이 없습니다");
    return LowestPointText(ValueFrom(lines[1], 47));
}

std::string FirstLineOf(std::string_view answer) {
    return std::string(SplitLines(answer).front());
}

}  // namespace orvalis::survey
