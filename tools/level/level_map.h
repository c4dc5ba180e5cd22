// A compact copy of a parsed level's cells, the form the reachability search works on.
#pragma once
#include <array>
#include <string>
#include <vector>

class Track;

namespace zvtools {

enum class Cell : char { Floor, Fixed, Pushable, Gem, Turbo };

struct LevelMap {
    static constexpr int kColumns = 32;
    std::vector<std::array<Cell, kColumns>> pieces;  // every piece of the track, fillers included
    int start = 0, finish = 0;  // piece indices
    int limits[3] = {};  // seconds by difficulty
    std::vector<int> checkpoints;  // piece indices, in order
    std::vector<std::array<int, 3>> bonuses;  // seconds by difficulty, per checkpoint

    int PieceCount() const { return static_cast<int>(pieces.size()); }
    Cell At(int piece, int column) const { return pieces[piece][column]; }
    int GemCount() const;
};

// The cells of a track built by the game's own level parser.
LevelMap MapOfTrack(const Track& track);
// Parses a level text with the game's parser; false when the game would refuse it.
bool MapOfLevelText(const std::string& text, LevelMap& map);

}  // namespace zvtools
