// The grid file: a grid's shape and every cell's text as a stream of fields, each ended by the
// byte 0x01: column count, row count, fixed column count, fixed row count (decimal), then the
// cell texts column by column, each column from row 0 down.
//
// A text holding 0x01 writes it as 0x02 0x01; a 0x02 that could be read as such a pair (followed
// by 0x01 or 0x02, or last in its text) is written 0x02 0x02. Any other 0x02 stands as itself, so
// every file without those bytes reads as it always did.
#pragma once

#include <cstddef>
#include <string>

class CGridModel;

namespace gridfile {
constexpr char kFieldEnd = 0x01;
constexpr char kEscape = 0x02;
}  // namespace gridfile

// The grid in the file's bytes.
std::string WriteGridFile(const CGridModel& grid);
// Replaces the grid with the one the bytes describe: false, and the grid left as it was, when they
// do not hold the four counts, hold fewer cell texts than the counts ask for, have fixed counts
// beyond the counts, or a count beyond both the number of bytes and 65,536 (should memory run out
// half-way, false with the grid empty). Texts past the cells are ignored; counts that are not
// numbers read as 0.
bool ReadGridFile(CGridModel& grid, const char* data, size_t size);

// The same on a file; false when it cannot be created or written (save), cannot be opened, is
// empty or is not a grid file (load).
bool SaveGridFile(const CGridModel& grid, const char* path);
bool LoadGridFile(CGridModel& grid, const char* path);
