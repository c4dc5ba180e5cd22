// The line-by-line checks of a level text that the game itself does not make: the game skips
// lines it cannot use, where our own levels must have none.
#pragma once
#include <string>
#include <vector>

namespace zvtools {

struct LevelProblem {
    int line;  // 1-based; 0 for the level as a whole
    std::string message;
};

// Header of three non-negative integers, then only rows: 32 cells of ". # X O ^", optionally
// followed by a checkpoint bonus of three integers whose first is not 0; at least two rows; no
// checkpoint on the first or the last row.
std::vector<LevelProblem> LintLevelText(const std::string& text);

}  // namespace zvtools
