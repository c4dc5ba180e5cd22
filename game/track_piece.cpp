#include "track_piece.h"

#include <cmath>

using TrackGeometry::kPi;
using TrackGeometry::kTwoPi;

TrackPiece::TrackPiece(std::unique_ptr<TrackPieceMeshes> meshes) : meshes_(std::move(meshes)) {}

void TrackPiece::Build(const char* row, int signTexture)
{
    gemCount_ = 0;
    collected_ = 0;
    bool ended = row == nullptr;
    for (int c = 0; c < kColumns; ++c) {
        const char ch = ended ? '.' : row[c];
        if (ch == '\0') ended = true;
        const int facet = FacetOfColumn(c);
        cells_[c] = kFloor;
        pushable_[c] = false;
        blockPresent_[c] = false;
        moved_[c] = false;
        gemPresent_[facet] = false;
        turbo_[c] = TurboMark();
        switch (ended ? '.' : ch) {
        case '#':
            pushable_[c] = true;
            blockPresent_[c] = true;
            cells_[c] = kBlock;
            break;
        case 'X': cells_[c] = kBlock; break;
        case 'O':
            cells_[c] = kGemCell;
            gemPresent_[facet] = true;
            ++gemCount_;
            break;
        case '^': cells_[c] = kTurboCell; break;
        default: break;
        }
    }
    if (meshes_) meshes_->Build(*this, signTexture);
}

void TrackPiece::SetZ(double z)
{
    z_ = z;
    if (meshes_) meshes_->Place(*this);
}

void TrackPiece::SetCheckpoint(int p, int q, int r)
{
    bonus_[0] = p;
    bonus_[1] = q;
    bonus_[2] = r;
}

int TrackPiece::GetBonus(int difficulty) const { return difficulty >= 0 && difficulty < 3 ? bonus_[difficulty] : 0; }

void TrackPiece::MarkTurbo(int column, int part)
{
    if (!ValidColumn(column) || part < 0 || part > 2) return;
    for (int third = 0; third < 3; ++third) {
        const int c = (column + third - 1 + kColumns) % kColumns;
        turbo_[c].painted = true;
        turbo_[c].third = third;
        turbo_[c].part = part;
        if (meshes_) meshes_->PaintTurbo(*this, c);
    }
}

TrackPiece::TurboMark TrackPiece::GetTurboMark(int column) const
{
    return ValidColumn(column) ? turbo_[column] : TurboMark();
}

void TrackPiece::SetVisible(bool visible)
{
    visible_ = visible;
    if (meshes_) meshes_->Show(*this, visible);
}

int TrackPiece::IsSolid(int column) const
{
    if (!ValidColumn(column)) return kFloor;
    if (moved_[column]) return kBlock;
    if (pushable_[column] && !blockPresent_[column]) return kFloor;
    return cells_[column];
}

int TrackPiece::GetCell(int column) const { return ValidColumn(column) ? cells_[column] : kFloor; }

bool TrackPiece::IsPushable(int column) const { return ValidColumn(column) && pushable_[column]; }

bool TrackPiece::IsBlockPresent(int column) const { return ValidColumn(column) && blockPresent_[column]; }

bool TrackPiece::IsMoved(int column) const { return ValidColumn(column) && moved_[column]; }

void TrackPiece::MarkMoved(int column)
{
    if (ValidColumn(column)) moved_[column] = true;
}

bool TrackPiece::PushBlock(int column)
{
    if (!ValidColumn(column) || !pushable_[column] || !blockPresent_[column]) return false;
    blockPresent_[column] = false;
    if (meshes_) meshes_->PushBlock(*this, column);
    return true;
}

void TrackPiece::ResetBlocks()
{
    for (int c = 0; c < kColumns; ++c) {
        blockPresent_[c] = pushable_[c];
        moved_[c] = false;
    }
    if (meshes_) meshes_->ResetBlocks(*this);
}

bool TrackPiece::HasPresentGem(int facet) const { return ValidColumn(facet) && gemPresent_[facet]; }

TrackPoint TrackPiece::GemCentre(int facet) const
{
    TrackPoint p = TrackGeometry::GemCentre(FacetOfColumn(facet));
    p.z += z_;
    return p;
}

int TrackPiece::FindGemNear(const TrackPoint& point) const
{
    for (int facet = 0; facet < kColumns; ++facet) {
        if (!gemPresent_[facet]) continue;
        const TrackPoint g = GemCentre(facet);
        const double dx = g.x - point.x, dy = g.y - point.y, dz = g.z - point.z;
        if (std::sqrt(dx * dx + dy * dy + dz * dz) < kGemReach) return facet;
    }
    return -1;
}

void TrackPiece::CollectGem(int facet)
{
    if (!HasPresentGem(facet)) return;
    gemPresent_[facet] = false;
    ++collected_;
    if (meshes_) meshes_->HideGem(facet);
}

void TrackPiece::ResetGems()
{
    for (int c = 0; c < kColumns; ++c) gemPresent_[FacetOfColumn(c)] = cells_[c] == kGemCell;
    collected_ = 0;
    if (meshes_) meshes_->ResetGems(*this);
}

int TrackPiece::ColumnOfAngle(double angle)
{
    if (!(angle >= 0 && angle < kTwoPi)) {
        angle = std::fmod(angle, kTwoPi);
        if (angle < 0) angle += kTwoPi;
        if (!(angle >= 0 && angle < kTwoPi)) angle = 0;  // not a number
    }
    double t = angle + kPi;
    if (t >= kTwoPi) t -= kTwoPi;
    const int column = static_cast<int>(t / kTwoPi * kColumns);
    return column < 0 ? 0 : column >= kColumns ? kColumns - 1 : column;
}

double TrackPiece::AngleOfColumn(int column)
{
    column = ((column % kColumns) + kColumns) % kColumns;
    return (column >= 16 ? column - 16 : column + 16) * kPi / 16;
}
