#include "sim/project_loader.h"

#include <gtest/gtest.h>

namespace orvalis::sim {
namespace {

// A valid project, one key per line, that the error cases below break.
constexpr const char* kValid = R"({
  "project": {"name": "P-1", "path": "C:\\JOBS\\P-1"},
  "version": 8009,
  "model": {"limits": [-50, 50, -40, 40, -30, 0],
            "wireframe": [[[0, 0, 0], [1, 0, 0]]]},
  "block": {"expansion": 1},
  "tools": [
    {"name": "D10", "type": "ENDMILL", "diameter": 10, "length": 75, "overhang": 35,
     "shank": [{"lower_diameter": 10, "upper_diameter": 10, "length": 20}]},
    {"name": "D10R1", "type": "tipradiused", "diameter": 10, "tip_radius": 1,
     "length": 75, "overhang": 35}
  ],
  "toolpaths": [
    {"name": "R1", "tool": "D10", "strategy": "offset", "stepover": 5, "stepdown": 1,
     "thickness": 0.3, "lowest_z": -12, "machining_time": 600},
    {"name": "F1", "tool": "D10R1", "strategy": "constant_z", "stepdown": 0.2,
     "radial_thickness": 0.1, "axial_thickness": 0.05,
     "points": [[0, 0, -3], [1, 1, -7.5]]}
  ],
  "patterns": [{"name": "OUT_LINE", "polylines": [[[0, 0, 0], [10, 0, 0]]]}],
  "nc_programs": [{"name": "R1", "toolpaths": ["R1"]}],
  "active": {"toolpath": "F1", "pattern": "OUT_LINE"},
  "dialogs": {"errors": false},
  "preferences": {"SelDrawTP": "no"}
})";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(SimProjectLoader, ReadsEveryPartOfAProject) {
    Project project = ParseProject(kValid, "p.json");
    EXPECT_EQ(project.name, "P-1");
    EXPECT_EQ(project.path, "C:\\JOBS\\P-1");
    EXPECT_EQ(project.version, 8009);
    EXPECT_TRUE(project.block.exists);
    EXPECT_EQ(project.block.limits, (Limits{-51, 51, -41, 41, -31, 1}));
    ASSERT_EQ(project.tools.size(), 2u);
    EXPECT_EQ(project.tools[1].type, ToolType::kTipRadiused);
    EXPECT_EQ(project.tools[0].shank.size(), 1u);
    ASSERT_EQ(project.toolpaths.size(), 2u);
    EXPECT_EQ(project.toolpaths[0].strategy, Strategy::kOffset);
    EXPECT_FALSE(project.toolpaths[0].thickness.axial);
    EXPECT_EQ(project.toolpaths[1].thickness.axial, 0.05);
    EXPECT_EQ(project.toolpaths[1].lowest_z, -7.5);  // from the points
    EXPECT_FALSE(project.toolpaths[1].stepover);
    EXPECT_EQ(project.active_toolpath, "F1");
    EXPECT_EQ(project.active_tool, "D10R1");  // the active toolpath's tool
    EXPECT_EQ(project.active_pattern, "OUT_LINE");
    EXPECT_FALSE(project.dialogs.errors);
    EXPECT_TRUE(project.dialogs.messages);
    EXPECT_EQ(project.preferences.at("seldrawtp"), "no");
    EXPECT_EQ(project.nc_programs.at(0).toolpaths, std::vector<std::string>{"R1"});
}

TEST(SimProjectLoader, ErrorsNameTheLineAndWhatIsWrong) {
    struct Case {
        std::string from;
        std::string to;
        int line;
        std::string message;
    };
    const Case cases[] = {
        {"\"version\": 8009,", "\"version\": 8009", 4, "not valid JSON"},
        {"\"version\": 8009,", "\"version\": \"8009\",", 3, "version: must be a whole number"},
        {"\"version\": 8009,", "", 1, "the key \"version\" is missing"},
        {"\"length\": 75, \"overhang\": 35,\n     \"shank\"",
         "\"length\": 75, \"overhang\": 35,\n     \"shnak\"", 9, "tools[0].shnak: unknown key"},
        {"\"type\": \"ENDMILL\",", "\"type\": \"ENDMILL\", \"tip_radius\": 1,", 8,
         "tools[0].tip_radius: only a TIPRADIUSED tool has a tip radius"},
        {"\"tip_radius\": 1,", "\"tip_radius\": 6,", 10, "tools[1].tip_radius: is more than half"},
        {"\"tool\": \"D10R1\"", "\"tool\": \"D12\"", 16,
         "toolpaths[1].tool: no tool is named \"D12\""},
        {"\"lowest_z\": -12, ", "", 14,
         "toolpaths[0]: a toolpath needs \"lowest_z\" or \"points\""},
        {"\"name\": \"F1\"", "\"name\": \"R1\"", 16,
         "toolpaths[1].name: the name \"R1\" is used twice"},
        // A toolpath may have such a name (the host lists it); a tool may not.
        {"\"name\": \"D10R1\"", "\"name\": \"D10'R1\"", 10,
         "tools[1].name: a name must not hold a single quote"},
        {"[-50, 50, -40, 40, -30, 0]", "[-50, 50, 40, -40, -30, 0]", 4,
         "model.limits[2]: a minimum is greater than its maximum"},
        {"\"toolpaths\": [\"R1\"]", "\"toolpaths\": [\"R2\"]", 21,
         "nc_programs[0].toolpaths[0]: no toolpath is named \"R2\""},
        {"\"pattern\": \"OUT_LINE\"", "\"pattern\": \"OUT_LINE-9\"", 22,
         "active.pattern: no pattern is named \"OUT_LINE-9\""},
    };
    for (const Case& c : cases) {
        std::string text = Replace(kValid, c.from, c.to);
        try {
            ParseProject(text, "broken.json");
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const ProjectFileError& error) {
            EXPECT_EQ(error.path(), "broken.json");
            EXPECT_EQ(error.line(), c.line) << error.what();
            std::string what = error.what();
            EXPECT_EQ(what.rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << what;
            EXPECT_NE(what.find(c.message), std::string::npos) << what;
        }
    }
}

}  // namespace
}  // namespace orvalis::sim
