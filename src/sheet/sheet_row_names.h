#pragma once

#include <optional>
#include <string>
#include <vector>

#include "xlsx/workbook.h"

namespace orvalis::sheet {

// The host's toolpath name of each row of a setup sheet, in row order. The
// sheet shows only NC names, which a new numbering changes; the names are
// kept with the workbook so that a later sheet can match its rows to them.
void RecordRowNames(xlsx::Workbook& book, const std::vector<std::string>& toolpaths);

// The names a sheet recorded; nothing for a sheet that recorded none.
std::optional<std::vector<std::string>> RecordedRowNames(xlsx::Workbook& book);

}  // namespace orvalis::sheet
