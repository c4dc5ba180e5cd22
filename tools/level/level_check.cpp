#include "level_check.h"

#include <cstdio>

#include "level_map.h"
#include "level_search.h"

namespace zvtools {
namespace {

constexpr double kPieceLength = 200;
constexpr double kTopSpeed = 1600;  // units per second with the turbo on (0.016 per 10 us tick)
const char* const kDifficulty[3] = {"Easy", "Medium", "Hard"};

// Time can only run out before a checkpoint or the finish: each must be reachable at top speed
// within the limit and the bonuses of the checkpoints before it.
void CheckTime(const LevelMap& map, std::vector<LevelProblem>& problems)
{
    for (int d = 0; d < 3; ++d) {
        double available = map.limits[d];
        for (std::size_t k = 0; k <= map.checkpoints.size(); ++k) {
            const int piece = k < map.checkpoints.size() ? map.checkpoints[k] : map.finish;
            const double needed = (piece - map.start) * kPieceLength / kTopSpeed;
            if (available < needed) {
                char message[160];
                std::snprintf(message, sizeof message,
                              "%s: %s at row %d needs %.1f s even at top speed, only %.0f s given", kDifficulty[d],
                              k < map.checkpoints.size() ? "the checkpoint" : "the finish", piece - map.start + 1,
                              needed, available);
                problems.push_back({0, message});
                break;
            }
            if (k < map.checkpoints.size()) available += map.bonuses[k][d];
        }
    }
}

}  // namespace

std::vector<LevelProblem> CheckLevelText(const std::string& text, LevelSummary* summary)
{
    std::vector<LevelProblem> problems = LintLevelText(text);
    if (!problems.empty()) return problems;
    LevelMap map;
    if (!MapOfLevelText(text, map)) {
        problems.push_back({0, "the game refuses this level text"});
        return problems;
    }
    auto rowOf = [&](int piece) { return piece - map.start + 1; };
    const LevelReach reach = ExploreLevel(map);
    if (reach.tooComplex) {
        problems.push_back({0, "too many pushable blocks close together to check this level"});
        return problems;
    }
    for (const auto& gem : reach.unreachableGems)
        problems.push_back({0, "gem in row " + std::to_string(rowOf(gem.first)) + ", column " +
                                   std::to_string(gem.second) +
                                   (gem.first == map.finish ? " lies on the finish row, where it cannot be collected"
                                                            : " cannot be reached")});
    if (!reach.finishReachable)
        problems.push_back({0, "the finish cannot be reached"});
    else if (reach.unreachableGems.empty() && !reach.allGemsInOneRun)
        problems.push_back({0, "the gems cannot all be collected in one run that reaches the finish"});
    CheckTime(map, problems);
    if (summary) {
        summary->rows = map.finish - map.start + 1;
        summary->gems = map.GemCount();
        summary->fastestSeconds = (map.finish - map.start) * kPieceLength / kTopSpeed;
    }
    return problems;
}

}  // namespace zvtools
