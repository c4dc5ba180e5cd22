// Lists of texts (type 40): the matcher and the line reader that other families use too.
#pragma once

#include <cstddef>

#include "fw_array.h"
#include "fw_string.h"

// Whether the whole text matches the whole pattern, in which `sequence` stands for any run of
// bytes (the empty run included) and `single` for exactly one byte; other bytes match themselves.
bool WildcardMatch(const CString& text, const CString& pattern, char sequence, char single);

// Splits bytes into lines: a carriage return ends a line and the byte after it is dropped,
// whatever it is; a line feed alone is an ordinary byte; the end of the bytes ends the last line.
void AppendLines(const char* bytes, size_t count, CArray<CString>& lines);
