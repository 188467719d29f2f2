#include "survey/tool_report.h"

#include <string>

#include "survey/report_error.h"
#include "survey/report_numbers.h"
#include "survey/report_text.h"

namespace orvalis::survey {

namespace {

// "Ø" (U+00D8) in UTF-8: the diameter sign of a tool description.
constexpr std::string_view kDiameterSign = "\xC3\x98";

// The letter a type line gives; empty for any other line.
std::string_view TypeLetter(std::string_view trimmed_line) {
    if (trimmed_line == "TYPE  :  ENDMILL") return "F";
    if (trimmed_line == "TYPE  :  BALLNOSED") return "B";
    if (trimmed_line == "TYPE  :  TIPRADIUSED") return "F";
    return {};
}

std::string Description(const SurveyValues& values) {
    return std::string(kDiameterSign) + values.diameter + values.type_letter;
}

// A number too large to write digit for digit is told apart from no number.
std::string WholeNumberOrThrow(std::optional<std::string> number, const char* what,
                               const std::string& text) {
    if (number) return *number;
    const char* problem = ReadNumber(text) ? "가 너무 큽니다: '" : "가 숫자가 아닙니다: '";
    throw ReportError(std::string(what) + problem + text + "'");
}

// Takes what one line says; false once the OVERHANG line ends the report.
bool ReadLine(std::string_view line, SurveyValues& values) {
    if (auto letter = TypeLetter(TrimBlanks(line)); !letter.empty()) values.type_letter = letter;
    std::string_view key = TrimBlanks(FirstCharacters(line, 8));
    if (key == "LENGTH") {
        std::string text = ValueFrom(line, 12);
        values.tool_length = WholeNumberOrThrow(LengthAsWholeNumber(text), "공구 길이", text);
    } else if (key == "DIAMETER") {
        values.diameter = ValueFrom(line, 12);
        values.tool_description = Description(values);
    } else if (key == "TIP-RADI") {
        values.tip_radius = ValueFrom(line, 14);
        values.tool_description = Description(values) + "*" + values.tip_radius + "R";
    } else if (key == "OVERHANG") {
        std::string text = ValueFrom(line, 12);
        values.overhang = WholeNumberOrThrow(OverhangAsWholeNumber(text), "공구 돌출 길이", text);
        return false;
    }
    return true;
}

}  // namespace

void ReadToolReport(std::string_view report, SurveyValues& values) {
    auto lines = SplitLines(report);
    // The first line is the report's heading, never a parameter.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!ReadLine(lines[i], values)) return;
    }
}

}  // namespace orvalis::survey
