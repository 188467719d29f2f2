#include "collision/check_commands.h"

namespace orvalis::collision {

namespace {

// The edits of one shank or holder section: a new component and its three sizes.
void AddComponent(std::vector<std::string>& lines, const std::string& edit,
                  const std::string& component, const AssemblyRecord& row, int first_field) {
    lines.push_back(edit + component + " ADD");
    lines.push_back(edit + component + " LOWERDIA  " + FieldOf(row, first_field));
    lines.push_back(edit + component + " UPPERDIA  " + FieldOf(row, first_field + 1));
    lines.push_back(edit + component + " LENGTH  " + FieldOf(row, first_field + 2));
}

}  // namespace

std::vector<std::string> ToolEditCommands(const std::string& tool, const AssemblyRecord& row) {
    const std::string edit = "EDIT TOOL '" + tool + "' ";
    std::vector<std::string> lines;
    lines.push_back(edit + "LENGTH  " + FieldOf(row, kToolLength) + "Yes");
    lines.push_back(edit + "SHANK_CLEAR");
    AddComponent(lines, edit, "SHANK_COMPONENT", row, kShank1Lower);
    AddComponent(lines, edit, "SHANK_COMPONENT", row, kShank1Lower + 3);
    lines.push_back(edit + "HOLDER_CLEAR");
    AddComponent(lines, edit, "HOLDER_COMPONENT", row, kHolder1Lower);
    AddComponent(lines, edit, "HOLDER_COMPONENT", row, kHolder1Lower + 3);
    lines.push_back(edit + "OVERHANG 0");
    lines.push_back("EDIT TOOL ; HOLDER_COMPONENT IGNORE NO");
    return lines;
}

std::vector<std::string> CollisionCommands(const AssemblyRecord& row) {
    return {
        "FORM COLLISION",
        "EDIT COLLISION TYPE COLLISION",
        "EDIT COLLISION STOCKMODEL_CHECK N",
        "EDIT COLLISION SCOPE ALL",
        "EDIT COLLISION SPLIT_TOOLPATH N",
        "EDIT COLLISION SHANK_CLEARANCE " + FieldOf(row, kShankClearance),
        "EDIT COLLISION HOLDER_CLEARANCE " + FieldOf(row, kHolderClearance),
        "EDIT COLLISION DEPTH Y",
        "EDIT COLLISION ADJUST_TOOL Y",
        "UNDRAW COLLISION",
        "EDIT COLLISION APPLY",
        "COLLISION ACCEPT",
    };
}

std::vector<std::string> GougeCommands() {
    return {
        "EDIT COLLISION STOCKMODEL_CHECK N",
        "EDIT COLLISION SCOPE ALL",
        "DRAW COLLISION",
        "EDIT COLLISION APPLY",
    };
}

}  // namespace orvalis::collision
