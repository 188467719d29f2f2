#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "survey/survey_values.h"

namespace orvalis::survey {

// Asks the host for the step-down of an offset roughing toolpath (the first
// line of its answer). Called at the report line that names the strategy.
using AskRoughingStepDown = std::function<std::string()>;

// Reads the host's toolpath report ("print entity parameters  toolpath
// '...'") into the strategy name, step-down, step-over and allowance. Lines
// are read in order until the first THICKNESS or AXIAL-THICKNESS line; a
// strategy line that empties a value acts at its place in the report.
void ReadToolpathReport(std::string_view report, SurveyValues& values,
                        const AskRoughingStepDown& ask_roughing_step_down);

}  // namespace orvalis::survey
