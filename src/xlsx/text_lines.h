#pragma once

#include <string_view>

#include "xlsx/font_metrics.h"

namespace orvalis::xlsx {

// The lines a text takes when the spreadsheet wraps it in a box `width`
// points wide, in the workbook's default font: it breaks at spaces, and a
// word longer than a line runs on into the lines it needs. An estimate that
// errs towards more lines, so a row made that high shows the whole text: a
// Latin letter counts as a digit, a Hangul or any other character as two.
int WrappedLines(std::string_view text, double width, const FontMetrics& font);

}  // namespace orvalis::xlsx
