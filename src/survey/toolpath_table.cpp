#include "survey/toolpath_table.h"

#include <algorithm>
#include <stdexcept>

namespace orvalis::survey {

namespace {

std::size_t Slot(int index) {
    if (index < 0 || index >= kMaxToolpaths) {
        throw std::out_of_range("toolpath row " + std::to_string(index) + " is not in the table");
    }
    return static_cast<std::size_t>(index);
}

// The fields that are texts alone, by column from kHostName on; the
// machining time, which keeps its seconds as well, is none of them.
constexpr std::string ToolpathRecord::*kTextFields[kColumnCount] = {
    &ToolpathRecord::host_name,     &ToolpathRecord::nc_name,
    &ToolpathRecord::tool,          &ToolpathRecord::allowance,
    &ToolpathRecord::step_down,     &ToolpathRecord::step_over,
    &ToolpathRecord::lowest_point,  nullptr,
    &ToolpathRecord::tool_length,   &ToolpathRecord::shank_length,
    &ToolpathRecord::holder_length, &ToolpathRecord::holder_diameter,
    &ToolpathRecord::cutting_type,
};

std::string ToolpathRecord::*TextField(Column column) {
    if (column < kHostName || column > kCuttingType || column == kMachiningTime) {
        throw std::out_of_range("column " + std::to_string(column) + " holds no plain text");
    }
    return kTextFields[static_cast<std::size_t>(column - kHostName)];
}

}  // namespace

const std::string& ToolpathRecord::Text(Column column) const {
    if (column == kMachiningTime) return machining_time.text();
    return this->*TextField(column);
}

void ToolpathRecord::SetText(Column column, std::string text) {
    if (column == kMachiningTime) {
        machining_time = MachiningTime(std::move(text));
    } else {
        this->*TextField(column) = std::move(text);
    }
}

ToolpathRecord MakeToolpathRecord(const SurveyValues& values, const AssemblyValues& assembly) {
    ToolpathRecord row;
    row.host_name = values.toolpath_name;
    row.nc_name = values.toolpath_name;
    row.tool = values.tool_description;
    row.allowance = values.allowance;
    row.step_down = values.step_down;
    row.step_over = values.step_over;
    row.lowest_point = values.lowest_point;
    row.machining_time = MachiningTime(values.machining_time);
    row.tool_length = values.overhang + "(" + values.tool_length + ")";
    row.shank_length = assembly.ShankLengths();
    row.holder_length = assembly.HolderLengths();
    row.holder_diameter = assembly.HolderDiameters();
    row.cutting_type = values.strategy_name;
    return row;
}

const ToolpathRecord& ToolpathTable::Row(int index) const {
    return rows_[Slot(index)];
}

ToolpathRecord& ToolpathTable::Row(int index) {
    return rows_[Slot(index)];
}

std::vector<ToolpathRecord> ToolpathTable::FirstRows(int count) const {
    count = std::clamp(count, 0, kMaxToolpaths);
    return {rows_.begin(), rows_.begin() + count};
}

void ToolpathTable::NumberNcNames(const std::string& prefix, int first_number, int count) {
    count = std::min(count, kMaxToolpaths);
    for (int index = 0; index < count; ++index) {
        rows_[Slot(index)].nc_name =
            prefix + std::to_string(static_cast<long long>(first_number) + index);
    }
}

}  // namespace orvalis::survey
