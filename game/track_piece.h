// One 200-unit slice of the tunnel: 32 cells around the wall, its kind, checkpoint bonus, gems,
// pushable blocks and turbo marks.
#pragma once

#include "track_geometry.h"
#include "track_piece_meshes.h"

#include <memory>

class TrackPiece {
public:
    static constexpr int kColumns = 32;
    // Cell kinds, as IsSolid reports them.
    enum Cell { kFloor = 0, kBlock = 1, kGemCell = 2, kTurboCell = 3 };
    enum Kind { kPlain = 0, kStart = 1, kFinish = 2, kCheckpoint = 3 };
    // A gem is collected from less than this distance.
    static constexpr double kGemReach = 30.0;

    struct TurboMark {
        bool painted = false;
        int third = 0;  // 0 to 2: which column of the arrow's three
        int part = 0;  // 0 to 2: which piece of the arrow's three
    };

    explicit TrackPiece(std::unique_ptr<TrackPieceMeshes> meshes = nullptr);
    TrackPiece(const TrackPiece&) = delete;
    TrackPiece& operator=(const TrackPiece&) = delete;

    // Reads the cells from a 32-character row ("#" pushable block, "X" fixed block, "O" gem, "^"
    // turbo strip, anything else floor; a short row or null is floor beyond its end) and makes
    // the meshes with the sign texture (kTexNone: no sign).
    void Build(const char* row, int signTexture);
    void SetZ(double z);
    double GetZ() const { return z_; }
    void SetKind(int kind) { kind_ = kind; }
    int GetKind() const { return kind_; }
    void SetCheckpoint(int p, int q, int r);
    // Seconds a checkpoint adds for a difficulty 0 to 2; 0 for any other.
    int GetBonus(int difficulty) const;

    // Paints the ninth of a turbo arrow centred on a column: part 0 on the piece before the "^",
    // 1 on its own piece, 2 on the piece after.
    void MarkTurbo(int column, int part);
    TurboMark GetTurboMark(int column) const;

    void SetVisible(bool visible);
    bool IsVisible() const { return visible_; }

    // The cell kind as seen by the car: 1 for a block in place or one pushed in from the piece
    // before, 0 for a column whose block was pushed away, otherwise the cell. Only 1 is a wall.
    int IsSolid(int column) const;
    bool IsWall(int column) const { return IsSolid(column) == kBlock; }
    int GetCell(int column) const;
    bool IsPushable(int column) const;
    bool IsBlockPresent(int column) const;
    bool IsMoved(int column) const;
    // A block pushed from the piece before came to rest in this column.
    void MarkMoved(int column);
    // Pushes the column's pushable block into the next piece; false when there is none or it
    // was pushed already.
    bool PushBlock(int column);
    void ResetBlocks();

    // Gems are kept by facet: entry 31 - c holds the gem of column c.
    bool HasPresentGem(int facet) const;
    TrackPoint GemCentre(int facet) const;
    // The first present gem whose centre lies less than 30 units from the point, or -1.
    int FindGemNear(const TrackPoint& point) const;
    void CollectGem(int facet);
    void ResetGems();
    int GetGemCount() const { return gemCount_; }
    int GetCollectedCount() const { return collected_; }

    // The wall column under a car angle in [0, 2pi) (the car stands at position angle a + 3pi/2);
    // any other angle is taken round the circle first.
    static int ColumnOfAngle(double angle);
    // The car angle at a column's first edge.
    static double AngleOfColumn(int column);
    static int FacetOfColumn(int column) { return kColumns - 1 - column; }

    TrackPieceMeshes* Meshes() const { return meshes_.get(); }

private:
    static bool ValidColumn(int column) { return column >= 0 && column < kColumns; }

    std::unique_ptr<TrackPieceMeshes> meshes_;
    int cells_[kColumns] = {};
    bool pushable_[kColumns] = {};
    bool blockPresent_[kColumns] = {};
    bool moved_[kColumns] = {};
    bool gemPresent_[kColumns] = {};  // by facet
    TurboMark turbo_[kColumns];
    double z_ = 0;
    int kind_ = kPlain;
    int bonus_[3] = {};
    int gemCount_ = 0;
    int collected_ = 0;
    bool visible_ = true;
};
