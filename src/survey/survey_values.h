#pragma once

#include <string>

namespace orvalis::survey {

// What the survey reads out of the host's answers for one toolpath, all as
// text. Every toolpath starts with empty values, so a key that its reports
// lack leaves its cell empty instead of showing another toolpath's data.
struct SurveyValues {
    std::string toolpath_name;
    std::string machining_time;
    std::string lowest_point;
    std::string tool_name;
    std::string type_letter;  // "F" end mill or tip-radiused, "B" ball-nosed
    std::string diameter;
    std::string tip_radius;
    std::string tool_description;  // "Ø10F*1R"
    std::string tool_length;
    std::string overhang;
    std::string step_down;
    std::string step_over;
    std::string radial_thickness;
    std::string axial_thickness;
    std::string allowance;
    std::string strategy_name;
};

}  // namespace orvalis::survey
