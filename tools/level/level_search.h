// Reachability over a level's cells: where the car can get to, and whether it can collect every
// gem and reach the finish in one run.
//
// The model, drawn from the level run's rules and kept on the safe side:
// - the car always moves forward (never below its minimum speed) and can steer round the tunnel
//   within a piece through cells that are not solid;
// - it enters the next piece in the same column when that cell is not solid; otherwise it
//   crashes: from a run-up it bounces back, and it pushes a pushable block one piece ahead when
//   the cell behind that block is not solid (a pushed block blocks its new cell for good);
// - after a run-up of k pieces (k <= 3; steering keeps the speed) a bounce carries it back
//   k - 1 pieces at most, steering allowed, stopped by a solid cell behind;
// - driving into a gem's cell collects it; a gem on the finish row never is (the run ends as
//   the car enters that piece).
#pragma once
#include <utility>
#include <vector>

#include "level_map.h"

namespace zvtools {

struct LevelReach {
    std::vector<std::pair<int, int>> unreachableGems;  // (piece, column)
    bool finishReachable = false;
    bool allGemsInOneRun = false;
    bool tooComplex = false;  // the search gave up: nothing above can be trusted
};

LevelReach ExploreLevel(const LevelMap& map);

}  // namespace zvtools
