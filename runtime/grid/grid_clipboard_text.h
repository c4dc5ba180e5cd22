// The grid's clipboard text: one line per row, cells separated by TAB, lines by LF.
//
// Only TAB separates cells when pasting: a comma belongs to the text, so a cell such as "3,5"
// comes back as it went.
#pragma once

#include <cstddef>
#include <vector>

#include "fw_string.h"
#include "grid_types.h"

class CGridModel;

// The selected cells of a block: an unselected cell gives an empty field, hidden rows and columns
// give nothing. No terminating zero byte.
CString BuildGridClipboardText(const CGridModel& grid, const CCellRange& range);

// Lines and their cells, each trimmed of white space (a CR before the LF goes with it). The text
// ends at size bytes or at the first zero byte, whichever comes first; a last empty line (the
// text ended with a line feed) is no row.
std::vector<std::vector<CString>> ParseGridClipboardText(const char* data, size_t size);
