#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data_files/tool_assembly_file.h"

namespace orvalis::collision {

// The sixteen fields of a tool-assembly record, in file order.
inline constexpr int kFieldCount = 16;

// The headings of columns 1 to 16, which the entry boxes' labels carry too.
inline constexpr std::array<std::string_view, kFieldCount> kFieldHeadings = {
    "공구경",    "공구길이",  "샹크(1)하", "샹크(1)상", "샹크(1)길", "샹크(2)하",
    "샹크(2)상", "샹크(2)길", "홀더(1)하", "홀더(1)상", "홀더(1)길", "홀더(2)하",
    "홀더(2)상", "홀더(2)길", "샹크오버",  "홀더오버",
};

// Field numbers (1-based, as the columns and boxes count them).
enum Field : int {
    kDiameter = 1,
    kToolLength = 2,
    kShank1Lower = 3,
    kShank1Length = 5,
    kShank2Length = 8,
    kHolder1Lower = 9,
    kHolder1Length = 11,
    kHolder2Lower = 12,
    kHolder2Length = 14,
    kShankClearance = 15,
    kHolderClearance = 16,
};

using AssemblyRecord = settings::ToolAssemblyRecord;

// The text of field `number` (1 to 16) of a record.
inline const std::string& FieldOf(const AssemblyRecord& record, int number) {
    return record[static_cast<std::size_t>(number - 1)];
}

// Why a record typed for saving cannot be kept, in Korean, naming the field;
// nothing when it can. The diameter is the lookup key and must be given; a
// field that is filled must be a number, as the host takes it as one.
std::optional<std::string> RecordProblem(const AssemblyRecord& record);

}  // namespace orvalis::collision
