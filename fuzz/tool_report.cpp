// The survey's reader of the host's tool report, on any text the host might
// print: it takes what it can or refuses the report with a ReportError.
#include <string>

#include "fuzz_check.h"
#include "survey/report_error.h"
#include "survey/tool_report.h"

namespace {

bool IsWholeNumberText(const std::string& text) {
    std::size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
    if (digits == text.size()) return false;
    return text.find_first_not_of("0123456789", digits) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using orvalis::fuzz::Require;
    orvalis::survey::SurveyValues values;
    try {
        orvalis::survey::ReadToolReport(orvalis::fuzz::InputText(data, size), values);
    } catch (const orvalis::survey::ReportError&) {
        return 0;
    }
    // The tool length column is built from these; they must be whole numbers.
    Require(values.tool_length.empty() || IsWholeNumberText(values.tool_length),
            "the tool length is a whole number");
    Require(values.overhang.empty() || IsWholeNumberText(values.overhang),
            "the overhang is a whole number");
    Require(values.tool_description.empty() || values.tool_description.rfind("\xC3\x98", 0) == 0,
            "a tool description starts with the diameter sign");
    return 0;
}
