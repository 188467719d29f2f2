#include "survey/toolpath_report.h"

#include "survey/host_answers.h"
#include "survey/report_text.h"

namespace orvalis::survey {

namespace {

enum class StepEffect { kNone, kEmptyStepDown, kEmptyStepOver, kAskRoughingStepDown };

struct Strategy {
    std::string_view line;  // the report line, blanks trimmed
    std::string_view name;  // as the work order calls it
    StepEffect effect;
};

constexpr Strategy kStrategies[] = {
    {":dmkMcPar3dOffset", "3D옵셋", StepEffect::kEmptyStepDown},
    {":dmkMcParConstZ", "등고선", StepEffect::kEmptyStepOver},
    {":dmkMcParOptiConstZ", "옵티마Z", StepEffect::kEmptyStepDown},
    {"TYPE  :  PROFILE", "프로파일", StepEffect::kNone},
    {"TYPE  :  OFFSET", "황삭옵셋", StepEffect::kAskRoughingStepDown},
    {":dmkMcParNewCorner", "펜슬", StepEffect::kEmptyStepDown},
    {"TYPE  :  RASTER", "라스트", StepEffect::kEmptyStepDown},
    {"TYPE  :  PATTERN", "패턴", StepEffect::kEmptyStepDown},
    {"TYPE  :  RADIAL", "방사선", StepEffect::kEmptyStepDown},
    {"TYPE  :  SPIRAL", "스파이널", StepEffect::kEmptyStepDown},
    {"TYPE  :  ROTARY", "로타리", StepEffect::kEmptyStepDown},
};

void ApplyStrategy(std::string_view trimmed_line, SurveyValues& values,
                   const AskRoughingStepDown& ask_roughing_step_down) {
    for (const auto& strategy : kStrategies) {
        if (trimmed_line != strategy.line) continue;
        values.strategy_name = strategy.name;
        switch (strategy.effect) {
            case StepEffect::kNone:
                break;
            case StepEffect::kEmptyStepDown:
                values.step_down.clear();
                break;
            case StepEffect::kEmptyStepOver:
                values.step_over.clear();
                break;
            case StepEffect::kAskRoughingStepDown:
                values.step_down = FirstLineOf(ask_roughing_step_down());
                break;
        }
        return;
    }
}

// Takes what one line's key says; false once the allowance ends the report.
bool ApplyKey(std::string_view line, SurveyValues& values) {
    std::string_view key = TrimBlanks(FirstCharacters(line, 10));
    if (key == "STEPOVER") {
        values.step_over = ValueFrom(line, 12);
    } else if (key == "STEPDOWN") {
        values.step_down = ValueFrom(line, 12);
    } else if (key == "RADIAL-THI") {
        values.radial_thickness = ValueFrom(line, 20);
    } else if (key == "THICKNESS") {
        values.allowance = ValueFrom(line, 13);
        return false;
    } else if (key == "AXIAL-THIC") {
        values.axial_thickness = ValueFrom(line, 19);
        values.allowance = values.radial_thickness + "(" + values.axial_thickness + ")";
        return false;
    }
    return true;
}

}  // namespace

void ReadToolpathReport(std::string_view report, SurveyValues& values,
                        const AskRoughingStepDown& ask_roughing_step_down) {
    for (std::string_view line : SplitLines(report)) {
        ApplyStrategy(TrimBlanks(line), values, ask_roughing_step_down);
        if (!ApplyKey(line, values)) return;
    }
}

}  // namespace orvalis::survey
