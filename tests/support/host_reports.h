#pragma once

#include <string>
#include <vector>

namespace orvalis::testing {

// Host answers in the layout the host prints them, for the survey's tests.

// A parameter line: the key left-justified in 9 columns, " : ", the value.
std::string ParamLine(std::string key, const std::string& value);
// The lines joined, each ended by CR LF.
std::string CrlfLines(const std::vector<std::string>& lines);
// A tool report: four heading lines, then the given lines.
std::string ToolReport(const std::string& tool, const std::vector<std::string>& lines);
// A toolpath report: two heading lines, then the given lines.
std::string ToolpathReport(const std::string& name, const std::vector<std::string>& lines);
// A SIZE TOOLPATH answer with the lowest point on its second line from the
// 47th character.
std::string SizeAnswer(const std::string& name, const std::string& lowest_point);

// The replay-script block that answers `command` with `answer` once.
std::string ReplayAnswer(const std::string& command, const std::string& answer);

// One toolpath as the host answers the survey about it.
struct SurveyedToolpath {
    std::string name;
    std::string time_answer = "0:12:30\r\n";
    std::string lowest_point = "-12.3456";
    std::string tool = "D10R1";
    std::vector<std::string> tool_lines;
    std::vector<std::string> toolpath_lines;
    std::string roughing_step_down;  // answered when not empty
};

// The replay-script blocks that answer the survey of these toolpaths, one
// after the other.
std::string SurveyAnswers(const std::vector<SurveyedToolpath>& toolpaths);

// A raster toolpath (step-over 6, thickness 0.5) on a tool whose report has
// the type word ("ENDMILL", "BALLNOSED") and the diameter, length and overhang.
SurveyedToolpath RasterToolpath(const std::string& name, const std::string& tool,
                                const std::string& type, const std::string& diameter,
                                const std::string& length, const std::string& overhang);

// An offset roughing on the tip-radiused D10R1 (radial and axial thickness,
// the step-down asked of the form: 1.5) and a constant-Z finishing on the
// ball-nosed B6.
SurveyedToolpath OffsetRoughing(const std::string& name = "1-ROUGH");
SurveyedToolpath ConstZFinishing(const std::string& name = "2-FINISH");

}  // namespace orvalis::testing
