#include "support/host_reports.h"

#include <algorithm>

namespace orvalis::testing {

std::string ParamLine(std::string key, const std::string& value) {
    key.resize(std::max<std::size_t>(key.size(), 9), ' ');
    return key + " : " + value;
}

std::string CrlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::string ToolReport(const std::string& tool, const std::vector<std::string>& lines) {
    std::vector<std::string> all = {"", "Tool '" + tool + "'", "-------------------", ""};
    all.insert(all.end(), lines.begin(), lines.end());
    return CrlfLines(all);
}

std::string ToolpathReport(const std::string& name, const std::vector<std::string>& lines) {
    std::vector<std::string> all = {"Toolpath '" + name + "'", "-------------------"};
    all.insert(all.end(), lines.begin(), lines.end());
    return CrlfLines(all);
}

std::string SizeAnswer(const std::string& name, const std::string& lowest_point) {
    std::string label = "  Lowest point (Z minimum) of the toolpath";
    label.resize(46, ' ');
    return CrlfLines({"Size of toolpath '" + name + "'", label + lowest_point,
                      "  Highest point (Z maximum) of the toolpath   25.0"});
}

std::string ReplayAnswer(const std::string& command, const std::string& answer) {
    bool ends_line = answer.size() >= 2 && answer.compare(answer.size() - 2, 2, "\r\n") == 0;
    std::string body = ends_line ? answer.substr(0, answer.size() - 2) : answer;
    std::string script = "answer " + command + "\n";
    std::size_t start = 0;
    while (true) {
        std::size_t end = body.find("\r\n", start);
        std::string line = body.substr(start, end == std::string::npos ? end : end - start);
        script += line.empty() ? "|\n" : "| " + line + "\n";
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return script + (ends_line ? "" : "noeol\n");
}

std::string SurveyAnswers(const std::vector<SurveyedToolpath>& toolpaths) {
    std::string script;
    for (const auto& t : toolpaths) {
        script += ReplayAnswer("PRINT FORMVALUE ToolpathStats.Time", t.time_answer);
        script +=
            ReplayAnswer("SIZE TOOLPATH  '" + t.name + "'", SizeAnswer(t.name, t.lowest_point));
        script += ReplayAnswer("PRINT FORMVALUE ToolToolBar.Active", t.tool + "\r\n");
        script += ReplayAnswer("print entity parameters  tool '" + t.tool + "'",
                               ToolReport(t.tool, t.tool_lines));
        script += ReplayAnswer("print entity parameters  toolpath '" + t.name + "'",
                               ToolpathReport(t.name, t.toolpath_lines));
        if (!t.roughing_step_down.empty()) {
            script += ReplayAnswer("PRINT FORMVALUE AreaClear.StepdownFrame.StepDown",
                                   t.roughing_step_down + "\r\n");
        }
    }
    return script;
}

SurveyedToolpath RasterToolpath(const std::string& name, const std::string& tool,
                                const std::string& type, const std::string& diameter,
                                const std::string& length, const std::string& overhang) {
    SurveyedToolpath t;
    t.name = name;
    t.tool = tool;
    t.tool_lines = {"TYPE  :  " + type, ParamLine("DIAMETER", diameter),
                    ParamLine("LENGTH", length), ParamLine("OVERHANG", overhang)};
    t.toolpath_lines = {"TYPE  :  RASTER", ParamLine("STEPOVER", "6"),
                        ParamLine("THICKNESS", "0.5")};
    return t;
}

SurveyedToolpath OffsetRoughing(const std::string& name) {
    SurveyedToolpath t;
    t.name = name;
    t.tool = "D10R1";
    t.tool_lines = {"TYPE  :  TIPRADIUSED",       ParamLine("NAME", "D10R1"),
                    ParamLine("DIAMETER", "10"),  ParamLine("TIP-RADIUS", "1"),
                    ParamLine("LENGTH", "100.5"), ParamLine("OVERHANG", "35.2"),
                    ParamLine("NUMBER", "3")};
    t.toolpath_lines = {"TYPE  :  OFFSET", ParamLine("STEPOVER", "5"),
                        ParamLine("TOLERANCE", "0.1"), ParamLine("RADIAL-THICKNESS", "0.3"),
                        ParamLine("AXIAL-THICKNESS", "0.1")};
    t.roughing_step_down = "1.5";
    return t;
}

SurveyedToolpath ConstZFinishing(const std::string& name) {
    SurveyedToolpath t;
    t.name = name;
    t.time_answer = "0:45:10\r\n";
    t.lowest_point = "5";
    t.tool = "B6";
    t.tool_lines = {"TYPE  :  BALLNOSED", ParamLine("DIAMETER", "6"), ParamLine("LENGTH", "60"),
                    ParamLine("OVERHANG", "25")};
    t.toolpath_lines = {":dmkMcParConstZ", ParamLine("STEPDOWN", "0.2"),
                        ParamLine("THICKNESS", "0")};
    return t;
}

}  // namespace orvalis::testing
