// A level text: a header line with the three time limits, then one 32-character row per track
// piece, optionally followed by the checkpoint bonus "p,q,r". Lines end with CR LF or LF alone.
#pragma once

#include <cstddef>
#include <vector>

struct LevelRow {
    static constexpr int kLength = 32;
    char cells[kLength + 1];  // zero-terminated, blanks kept
    int bonus[3];  // seconds for difficulty 0, 1, 2
    bool IsCheckpoint() const { return bonus[0] != 0; }
};

struct LevelText {
    int timeLimits[3] = {};
    std::vector<LevelRow> rows;
};

// Never fails: a missing header value is 0, lines that are not rows are skipped.
LevelText ReadLevelText(const char* text, size_t size);
