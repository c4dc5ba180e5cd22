// Every check of a level text: its lines, the game's parse of it, reachability and time.
#pragma once
#include <string>
#include <vector>

#include "level_lint.h"

namespace zvtools {

struct LevelSummary {
    int rows = 0, gems = 0;
    double fastestSeconds = 0;  // start to finish at the turbo's top speed, no detours
};

// Empty when the level is sound.
std::vector<LevelProblem> CheckLevelText(const std::string& text, LevelSummary* summary = nullptr);

}  // namespace zvtools
