// The text outline a tree is saved as: one line per item in depth-first order, as many TABs as the
// item's depth, its text, and optionally a TAB and a number (the item's data), each line ended by
// CR LF. Reading accepts lines ended by CR, LF or both.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qbk {

struct OutlineLine {
    int Depth = 0;
    std::string Text;
    bool HasNumber = false;
    long Number = 0;
    // The line the item goes under, or -1 for the top level. A line deeper than the one before it
    // by more than one level goes under the last line of the level above it that exists.
    int Parent = -1;
};

// The lines of an outline with their parents. Empty lines are skipped.
std::vector<OutlineLine> ReadOutline(const char* data, size_t size);

// One line, CR LF included.
std::string OutlineLineText(int depth, const std::string& text, bool withNumber, long number);

// Names sorted without regard to case ("b", "A", "c" -> "A", "b", "c"); equal names keep their order.
void SortNamesNoCase(std::vector<std::string>& names);

}  // namespace qbk
