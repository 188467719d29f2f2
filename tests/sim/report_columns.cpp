#include "report_columns.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string_view>

namespace orvalis::testing {

std::vector<std::string> SplitAnswer(const std::string& answer) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = answer.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(answer.substr(start));
            return lines;
        }
        lines.push_back(answer.substr(start, end - start));
        start = end + 2;
    }
}

std::string TrimBlanks(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string KeyOf(const std::string& line, std::size_t count) {
    return TrimBlanks(line.substr(0, count));
}

std::string ValueFrom(const std::string& line, std::size_t position) {
    if (position > line.size()) return "";
    return TrimBlanks(line.substr(position - 1));
}

namespace {

double ReadNumber(const std::string& text) {
    std::size_t used = 0;
    double value = std::stod(text, &used);
    if (used != text.size()) throw std::invalid_argument("not a number: " + text);
    return value;
}

std::string WholeNumberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
}

}  // namespace

ToolReading ReadToolReport(const std::string& answer, ToolReading reading) {
    auto lines = SplitAnswer(answer);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::string whole = TrimBlanks(line);
        if (whole == "TYPE  :  ENDMILL" || whole == "TYPE  :  TIPRADIUSED")
            reading.type_letter = "F";
        if (whole == "TYPE  :  BALLNOSED") reading.type_letter = "B";
        std::string key = KeyOf(line, 8);
        if (key == "LENGTH") {
            std::fesetround(FE_TONEAREST);
            reading.length = WholeNumberText(std::nearbyint(ReadNumber(ValueFrom(line, 12))));
        } else if (key == "DIAMETER") {
            reading.diameter = ValueFrom(line, 12);
            reading.description = "Ø" + reading.diameter + reading.type_letter;
        } else if (key == "TIP-RADI") {
            reading.tip_radius = ValueFrom(line, 14);
            reading.description =
                "Ø" + reading.diameter + reading.type_letter + "*" + reading.tip_radius + "R";
        } else if (key == "OVERHANG") {
            double value = ReadNumber(ValueFrom(line, 12));
            reading.overhang = WholeNumberText(std::floor(value - 0.0000001) + 1);
            break;
        }
    }
    return reading;
}

std::string ReadCollisionDiameter(const std::string& answer) {
    auto lines = SplitAnswer(answer);
    for (std::size_t i = 4; i < lines.size(); ++i) {
        if (KeyOf(lines[i], 8) == "DIAMETER") return ValueFrom(lines[i], 12);
    }
    return "";
}

namespace {

struct StrategyLine {
    std::string_view line;
    std::string_view name;
    enum { kNone, kEmptyStepdown, kEmptyStepover, kAskStepdown } effect;
};

constexpr StrategyLine kStrategyLines[] = {
    {":dmkMcPar3dOffset", "3D옵셋", StrategyLine::kEmptyStepdown},
    {":dmkMcParConstZ", "등고선", StrategyLine::kEmptyStepover},
    {":dmkMcParOptiConstZ", "옵티마Z", StrategyLine::kEmptyStepdown},
    {"TYPE  :  PROFILE", "프로파일", StrategyLine::kNone},
    {"TYPE  :  OFFSET", "황삭옵셋", StrategyLine::kAskStepdown},
    {":dmkMcParNewCorner", "펜슬", StrategyLine::kEmptyStepdown},
    {"TYPE  :  RASTER", "라스트", StrategyLine::kEmptyStepdown},
    {"TYPE  :  PATTERN", "패턴", StrategyLine::kEmptyStepdown},
    {"TYPE  :  RADIAL", "방사선", StrategyLine::kEmptyStepdown},
    {"TYPE  :  SPIRAL", "스파이널", StrategyLine::kEmptyStepdown},
    {"TYPE  :  ROTARY", "로타리", StrategyLine::kEmptyStepdown},
};

void ApplyStrategyLine(const std::string& whole, ToolpathReading& reading,
                       const std::function<std::string()>& area_clear_stepdown) {
    for (const auto& strategy : kStrategyLines) {
        if (whole != strategy.line) continue;
        reading.strategy = strategy.name;
        if (strategy.effect == StrategyLine::kEmptyStepdown) reading.stepdown.clear();
        if (strategy.effect == StrategyLine::kEmptyStepover) reading.stepover.clear();
        if (strategy.effect == StrategyLine::kAskStepdown) {
            reading.stepdown = SplitAnswer(area_clear_stepdown()).front();
        }
    }
}

}  // namespace

ToolpathReading ReadToolpathReport(const std::string& answer,
                                   const std::function<std::string()>& area_clear_stepdown,
                                   ToolpathReading reading) {
    for (const std::string& line : SplitAnswer(answer)) {
        ApplyStrategyLine(TrimBlanks(line), reading, area_clear_stepdown);
        std::string key = KeyOf(line, 10);
        if (key == "STEPOVER") {
            reading.stepover = ValueFrom(line, 12);
        } else if (key == "STEPDOWN") {
            reading.stepdown = ValueFrom(line, 12);
        } else if (key == "RADIAL-THI") {
            reading.radial_thickness = ValueFrom(line, 20);
        } else if (key == "THICKNESS") {
            reading.allowance = ValueFrom(line, 13);
            break;
        } else if (key == "AXIAL-THIC") {
            reading.axial_thickness = ValueFrom(line, 19);
            reading.allowance = reading.radial_thickness + "(" + reading.axial_thickness + ")";
            break;
        }
    }
    return reading;
}

std::string ReadLowestPoint(const std::string& answer) {
    auto lines = SplitAnswer(answer);
    if (lines.size() < 2) throw std::invalid_argument("a size answer needs two lines");
    double value = ReadNumber(ValueFrom(lines[1], 47));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    if (text.back() == '0') text.pop_back();  // "###0.0#": one or two decimals
    return text;
}

}  // namespace orvalis::testing
