#include "level_map.h"

#include "level.h"
#include "track.h"

namespace zvtools {

int LevelMap::GemCount() const
{
    int n = 0;
    for (const auto& piece : pieces)
        for (Cell c : piece) n += c == Cell::Gem;
    return n;
}

LevelMap MapOfTrack(const Track& track)
{
    LevelMap map;
    for (int d = 0; d < 3; ++d) map.limits[d] = track.GetTimeLimit(d);
    for (int i = 0; i < track.GetPieceCount(); ++i) {
        const TrackPiece& piece = *track.GetPiece(i);
        std::array<Cell, LevelMap::kColumns> cells{};
        for (int c = 0; c < LevelMap::kColumns; ++c) {
            switch (piece.GetCell(c)) {
            case TrackPiece::kBlock: cells[c] = piece.IsPushable(c) ? Cell::Pushable : Cell::Fixed; break;
            case TrackPiece::kGemCell: cells[c] = Cell::Gem; break;
            case TrackPiece::kTurboCell: cells[c] = Cell::Turbo; break;
            default: cells[c] = Cell::Floor; break;
            }
        }
        map.pieces.push_back(cells);
        switch (piece.GetKind()) {
        case TrackPiece::kStart: map.start = i; break;
        case TrackPiece::kFinish: map.finish = i; break;
        case TrackPiece::kCheckpoint:
            map.checkpoints.push_back(i);
            map.bonuses.push_back({piece.GetBonus(0), piece.GetBonus(1), piece.GetBonus(2)});
            break;
        default: break;
        }
    }
    return map;
}

bool MapOfLevelText(const std::string& text, LevelMap& map)
{
    Track track;
    if (!Level::ParseText(track, text.data(), text.size())) return false;
    map = MapOfTrack(track);
    return true;
}

}  // namespace zvtools
