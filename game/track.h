// The level's tunnel: its pieces in z order and its three time limits.
#pragma once

#include "track_piece.h"

#include <memory>
#include <vector>

class Track {
public:
    // The factory makes each piece's meshes; without one the track holds cell state only.
    explicit Track(TrackMeshFactory* meshes = nullptr);
    Track(const Track&) = delete;
    Track& operator=(const Track&) = delete;

    // Builds a piece from a 32-character row and a sign texture (kTexNone for none) and appends it.
    TrackPiece* AddPiece(const char* row, int signTexture);
    void DeletePieces();
    int GetPieceCount() const { return static_cast<int>(pieces_.size()); }
    // Null for an index outside the track.
    TrackPiece* GetPiece(int index) const;
    // The index of the piece under a z (trunc(z / 200)); -1 when z is not a usable number.
    static int PieceIndexOf(double z);

    void SetTimeLimits(int easy, int medium, int hard);
    // Seconds for difficulty 0 to 2. A lesson runs with no difficulty (-1): it takes the easy limit.
    int GetTimeLimit(int difficulty) const;

    int TotalGems() const;
    void ResetGems();
    void ResetBlocks();
    // A crash pushes the block of a column of piece `index` into the same column of the piece after:
    // only when both pieces exist, that column ahead is no wall and the block can be pushed. The
    // column ahead is then marked as holding the block.
    bool PushBlock(int index, int column);

private:
    TrackMeshFactory* meshes_;
    int timeLimits_[3] = {};
    std::vector<std::unique_ptr<TrackPiece>> pieces_;
};
