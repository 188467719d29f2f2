// The survey's single-value answers (machining time, lowest point, the first
// line of an answer) and the numbers read from the reports, on any text.
#include <charconv>
#include <cmath>
#include <string>

#include "fuzz_check.h"
#include "survey/host_answers.h"
#include "survey/report_error.h"
#include "survey/report_numbers.h"
#include "survey/report_text.h"

namespace {

using orvalis::fuzz::Require;
namespace survey = orvalis::survey;

void ReadAnswers(std::string_view answer) {
    try {
        survey::MachiningTimeFrom(answer);
    } catch (const survey::ReportError&) {
    }
    try {
        survey::LowestPointFrom(answer);
    } catch (const survey::ReportError&) {
    }
    survey::FirstLineOf(answer);
}

double Parsed(const std::string& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    Require(error == std::errc() && end == text.data() + text.size(), "the result is a number");
    return value;
}

// "###0.0#": digits, a point, one or two decimals, and the value it stands for.
void CheckLowestPoint(std::string_view text, double value) {
    std::string shown = survey::LowestPointText(text);
    std::size_t start = shown.rfind('-', 0) == 0 ? 1 : 0;
    std::size_t point = shown.find('.');
    Require(point != std::string::npos && point > start, "the lowest point has integer digits");
    Require(shown.size() - point - 1 >= 1 && shown.size() - point - 1 <= 2,
            "the lowest point has one or two decimals");
    Require(shown.find_first_not_of("0123456789.", start) == std::string::npos,
            "the lowest point holds only digits and a point");
    if (std::fabs(value) < 1e12) {
        // Rounded on the value's first 15 digits, as the host's format does.
        Require(std::fabs(Parsed(shown) - value) <= 0.005 + std::fabs(value) * 1e-14 + 1e-9,
                "the lowest point is the value to two decimals");
    }
}

void CheckWholeNumbers(std::string_view text, double value) {
    if (std::fabs(value) >= 1e14) return;
    if (auto length = survey::LengthAsWholeNumber(text)) {
        Require(std::fabs(Parsed(*length) - value) <= 0.5, "the length is the nearest whole");
    }
    if (auto overhang = survey::OverhangAsWholeNumber(text)) {
        double up = Parsed(*overhang);
        Require(up >= value - 1e-6 && up < value + 1, "the overhang is the next whole number up");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string_view text = orvalis::fuzz::InputText(data, size);
    ReadAnswers(text);
    std::string_view trimmed = survey::TrimBlanks(text);
    if (auto value = survey::ReadNumber(trimmed)) {
        CheckLowestPoint(trimmed, *value);
        CheckWholeNumbers(trimmed, *value);
    } else {
        survey::LowestPointText(trimmed);  // shown as it is
        Require(!survey::LengthAsWholeNumber(trimmed) && !survey::OverhangAsWholeNumber(trimmed),
                "a text that is no number gives no whole number");
    }
    return 0;
}
