#include "track.h"

#include <climits>

Track::Track(TrackMeshFactory* meshes) : meshes_(meshes) {}

TrackPiece* Track::AddPiece(const char* row, int signTexture)
{
    pieces_.push_back(std::make_unique<TrackPiece>(meshes_ ? meshes_->CreatePieceMeshes() : nullptr));
    TrackPiece* piece = pieces_.back().get();
    piece->Build(row, signTexture);
    return piece;
}

void Track::DeletePieces() { pieces_.clear(); }

TrackPiece* Track::GetPiece(int index) const
{
    return index >= 0 && index < GetPieceCount() ? pieces_[static_cast<size_t>(index)].get() : nullptr;
}

int Track::PieceIndexOf(double z)
{
    const double index = z * 0.005;
    if (!(index > INT_MIN && index < INT_MAX)) return -1;
    return static_cast<int>(index);
}

void Track::SetTimeLimits(int easy, int medium, int hard)
{
    timeLimits_[0] = easy;
    timeLimits_[1] = medium;
    timeLimits_[2] = hard;
}

int Track::GetTimeLimit(int difficulty) const
{
    return timeLimits_[difficulty >= 0 && difficulty < 3 ? difficulty : 0];
}

int Track::TotalGems() const
{
    int total = 0;
    for (const auto& piece : pieces_) total += piece->GetGemCount();
    return total;
}

void Track::ResetGems()
{
    for (const auto& piece : pieces_) piece->ResetGems();
}

void Track::ResetBlocks()
{
    for (const auto& piece : pieces_) piece->ResetBlocks();
}

bool Track::PushBlock(int index, int column)
{
    TrackPiece* piece = GetPiece(index);
    TrackPiece* next = piece ? GetPiece(index + 1) : nullptr;
    if (!next || next->IsWall(column) || !piece->PushBlock(column)) return false;
    next->MarkMoved(column);
    return true;
}
