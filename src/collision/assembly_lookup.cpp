#include "collision/assembly_lookup.h"

#include <string_view>

namespace orvalis::collision {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool BreaksCommandLine(std::string_view value) {
    std::size_t first = 0, last = value.size();
    while (first < last && IsBlank(value[first])) ++first;
    while (last > first && IsBlank(value[last - 1])) --last;
    for (char c : value.substr(first, last - first)) {
        if (c == '\'' || c == '"' || c == ';' || IsBlank(c)) return true;
    }
    return false;
}

}  // namespace

const AssemblyRecord* FindAssemblyRow(const std::vector<AssemblyRecord>& rows,
                                      const std::string& diameter) {
    for (const auto& row : rows) {
        if (FieldOf(row, kDiameter) == diameter) return &row;
    }
    return nullptr;
}

survey::AssemblyValues AssemblyValuesOf(const AssemblyRecord& record) {
    return {FieldOf(record, kShank1Length), FieldOf(record, kShank2Length),
            FieldOf(record, kHolder1Lower), FieldOf(record, kHolder1Length),
            FieldOf(record, kHolder2Lower), FieldOf(record, kHolder2Length)};
}

std::optional<int> UnsafeField(const AssemblyRecord& record) {
    for (int number = kToolLength; number <= kHolderClearance; ++number) {
        if (BreaksCommandLine(FieldOf(record, number))) return number;
    }
    return std::nullopt;
}

}  // namespace orvalis::collision
