#pragma once

#include <cstddef>
#include <string_view>

#include "sheet/sheet_changes.h"
#include "xlsx/workbook.h"

namespace orvalis::sheet {

// Fill colours of the marks: a cell whose value changed, every cell of a new
// toolpath's row, and the list of toolpaths that disappeared.
inline constexpr std::string_view kChangedFill = "FFFFEB9C";
inline constexpr std::string_view kNewRowFill = "FFC6EFCE";
inline constexpr std::string_view kRemovedFill = "FFFFC7CE";

// Marks the changes on a setup sheet of `rows` toolpaths: fills only, no
// text of the table changes; a renamed toolpath is marked on its NC name.
// The toolpaths that disappeared are listed below the table of the last page
// used ("삭제된 툴패스: …"), in a row as high as the list needs.
void MarkChanges(xlsx::Workbook& book, const SheetChanges& changes, std::size_t rows);

}  // namespace orvalis::sheet
