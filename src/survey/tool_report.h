#pragma once

#include <string_view>

#include "survey/survey_values.h"

namespace orvalis::survey {

// Reads the host's tool report ("print entity parameters  tool '...'") into
// the type letter, diameter, tip radius, tool description, tool length and
// overhang. The lines after the heading line are read in order until the
// first OVERHANG line. Throws ReportError when LENGTH or OVERHANG is not a
// number.
void ReadToolReport(std::string_view report, SurveyValues& values);

}  // namespace orvalis::survey
