// The survey's reader of the host's toolpath report, on any text the host
// might print. The roughing step-down question is answered from the report's
// own last line, so the fuzzer controls that answer too.
#include <string>

#include "fuzz_check.h"
#include "survey/report_text.h"
#include "survey/toolpath_report.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string_view report = orvalis::fuzz::InputText(data, size);
    auto lines = orvalis::survey::SplitLines(report);
    std::size_t questions = 0;
    orvalis::survey::SurveyValues values;
    orvalis::survey::ReadToolpathReport(report, values, [&] {
        ++questions;
        return std::string(lines.back());
    });
    orvalis::fuzz::Require(questions <= lines.size(),
                           "the host is asked at most once per report line");
    return 0;
}
