// The cell model of a track piece: cells, solidity, pushes, gems, turbo marks, angles.
#include "track.h"
#include "track_piece.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A row of floor with the given characters placed at their columns.
std::string Row(std::initializer_list<std::pair<int, char>> cells)
{
    std::string row(32, '.');
    for (const auto& cell : cells) row[static_cast<size_t>(cell.first)] = cell.second;
    return row;
}

TEST(TrackPieceCells, EachRowCharacterGivesItsCellKind)
{
    struct Case {
        char ch;
        int cell;
        bool pushable;
    };
    const Case cases[] = {{'#', 1, true},  {'X', 1, false}, {'O', 2, false}, {'^', 3, false},
                          {'.', 0, false}, {' ', 0, false}, {'o', 0, false}, {'x', 0, false}};
    for (const Case& c : cases) {
        TrackPiece piece;
        piece.Build(Row({{7, c.ch}}).c_str(), kTexNone);
        SCOPED_TRACE(std::string(1, c.ch));
        EXPECT_EQ(c.cell, piece.GetCell(7));
        EXPECT_EQ(c.cell, piece.IsSolid(7));
        EXPECT_EQ(c.cell == 1, piece.IsWall(7));
        EXPECT_EQ(c.pushable, piece.IsPushable(7));
        EXPECT_EQ(0, piece.IsSolid(6));
    }
}

TEST(TrackPieceCells, GemAndTurboCellsAreNotWalls)
{
    TrackPiece piece;
    piece.Build(Row({{3, 'O'}, {4, '^'}}).c_str(), kTexNone);
    EXPECT_EQ(2, piece.IsSolid(3));
    EXPECT_EQ(3, piece.IsSolid(4));
    EXPECT_FALSE(piece.IsWall(3));
    EXPECT_FALSE(piece.IsWall(4));
}

TEST(TrackPieceCells, ShortOrMissingRowIsFloorBeyondItsEnd)
{
    TrackPiece piece;
    piece.Build("XX", kTexNone);
    EXPECT_EQ(1, piece.IsSolid(1));
    for (int c = 2; c < 32; ++c) EXPECT_EQ(0, piece.IsSolid(c)) << c;
    piece.Build(nullptr, kTexNone);
    EXPECT_EQ(0, piece.IsSolid(0));
}

TEST(TrackPieceCells, ColumnsOutsideTheWallAreFloor)
{
    TrackPiece piece;
    piece.Build(std::string(32, 'X').c_str(), kTexNone);
    for (int c : {-1, 32, 1000, -1000}) {
        EXPECT_EQ(0, piece.IsSolid(c));
        EXPECT_FALSE(piece.PushBlock(c));
        EXPECT_FALSE(piece.HasPresentGem(c));
        piece.CollectGem(c);
        piece.MarkMoved(c);
        piece.MarkTurbo(c, 1);
    }
    EXPECT_EQ(0, piece.GetCollectedCount());
}

TEST(TrackPieceAngles, ColumnOfAngle)
{
    const double pi = 3.141592654;
    struct Case {
        double angle;
        int column;
    };
    const Case cases[] = {
        {0.0, 16},  // the floor under a car at angle 0
        {pi / 16 - 1e-7, 16},
        {pi / 16 + 1e-7, 17},
        {pi / 2, 24},  // right wall
        {pi - 1e-6, 31},
        {pi + 1e-6, 0},  // top
        {3 * pi / 2, 8},  // left wall
        {2 * pi - 1e-6, 15},  // just left of the floor column
        {-0.01, 15},  // outside [0, 2pi): taken round the circle
        {2 * pi + 0.01, 16},
        {100.0, 13},
    };
    for (const Case& c : cases) EXPECT_EQ(c.column, TrackPiece::ColumnOfAngle(c.angle)) << c.angle;
    const int nan = TrackPiece::ColumnOfAngle(std::nan(""));
    EXPECT_TRUE(nan >= 0 && nan < 32);
    const int inf = TrackPiece::ColumnOfAngle(INFINITY);
    EXPECT_TRUE(inf >= 0 && inf < 32);
}

TEST(TrackPieceAngles, AngleOfColumnIsTheColumnsFirstEdge)
{
    EXPECT_DOUBLE_EQ(0.0, TrackPiece::AngleOfColumn(16));
    EXPECT_NEAR(3.141592654, TrackPiece::AngleOfColumn(0), 1e-12);
    EXPECT_NEAR(15 * 3.141592654 / 16, TrackPiece::AngleOfColumn(31), 1e-12);
    for (int c = 0; c < 32; ++c) {
        const double a = TrackPiece::AngleOfColumn(c);
        EXPECT_TRUE(a >= 0 && a < 6.283185307);
        EXPECT_EQ(c, TrackPiece::ColumnOfAngle(a + 0.001)) << c;
        EXPECT_EQ((c + 31) % 32, TrackPiece::ColumnOfAngle(a > 0.001 ? a - 0.001 : a - 0.001 + 6.283185307)) << c;
    }
    EXPECT_DOUBLE_EQ(TrackPiece::AngleOfColumn(0), TrackPiece::AngleOfColumn(32));
    EXPECT_DOUBLE_EQ(TrackPiece::AngleOfColumn(31), TrackPiece::AngleOfColumn(-1));
}

TEST(TrackPieceTurbo, MarkPaintsThreeColumnsWrappingAtTheEdges)
{
    struct Case {
        int column;
        int left, right;
    };
    for (const Case& c : {Case{0, 31, 1}, Case{31, 30, 0}, Case{10, 9, 11}}) {
        TrackPiece piece;
        piece.Build(nullptr, kTexNone);
        piece.MarkTurbo(c.column, 2);
        const int expected[3] = {c.left, c.column, c.right};
        for (int third = 0; third < 3; ++third) {
            const TrackPiece::TurboMark mark = piece.GetTurboMark(expected[third]);
            EXPECT_TRUE(mark.painted);
            EXPECT_EQ(third, mark.third);
            EXPECT_EQ(2, mark.part);
        }
        int painted = 0;
        for (int col = 0; col < 32; ++col) painted += piece.GetTurboMark(col).painted;
        EXPECT_EQ(3, painted);
    }
}

TEST(TrackPieceTurbo, BadPartsAreIgnoredAndRebuildClearsMarks)
{
    TrackPiece piece;
    piece.Build(nullptr, kTexNone);
    piece.MarkTurbo(5, -1);
    piece.MarkTurbo(5, 3);
    EXPECT_FALSE(piece.GetTurboMark(5).painted);
    piece.MarkTurbo(5, 0);
    EXPECT_TRUE(piece.GetTurboMark(5).painted);
    piece.Build(nullptr, kTexNone);
    EXPECT_FALSE(piece.GetTurboMark(5).painted);
}

class TrackPushTest : public ::testing::Test {
protected:
    // Piece 0 has a pushable block in column 16 and a fixed one in 17; piece 1 a wall in column 18,
    // a gem in 19 and a turbo strip in 20, piece 0 pushable blocks there too.
    void SetUp() override
    {
        track.AddPiece(Row({{16, '#'}, {17, 'X'}, {18, '#'}, {19, '#'}, {20, '#'}}).c_str(), kTexNone);
        track.AddPiece(Row({{18, 'X'}, {19, 'O'}, {20, '^'}, {21, '#'}}).c_str(), kTexNone);
    }
    Track track;
};

TEST_F(TrackPushTest, APushedBlockLeavesItsColumnAndFillsTheNext)
{
    TrackPiece* first = track.GetPiece(0);
    TrackPiece* next = track.GetPiece(1);
    EXPECT_EQ(1, first->IsSolid(16));
    ASSERT_TRUE(track.PushBlock(0, 16));
    EXPECT_EQ(0, first->IsSolid(16));
    EXPECT_FALSE(first->IsBlockPresent(16));
    EXPECT_TRUE(next->IsMoved(16));
    EXPECT_EQ(1, next->IsSolid(16));
    EXPECT_FALSE(track.PushBlock(0, 16)) << "the same block twice";
    EXPECT_FALSE(first->PushBlock(16));
}

TEST_F(TrackPushTest, OnlyPushableBlocksWithRoomAheadMove)
{
    EXPECT_FALSE(track.PushBlock(0, 17)) << "fixed block";
    EXPECT_FALSE(track.PushBlock(0, 15)) << "floor";
    EXPECT_FALSE(track.PushBlock(0, 18)) << "wall ahead";
    EXPECT_EQ(1, track.GetPiece(0)->IsSolid(18));
    EXPECT_TRUE(track.PushBlock(0, 19)) << "a gem ahead is no wall";
    EXPECT_TRUE(track.PushBlock(0, 20)) << "a turbo strip ahead is no wall";
    EXPECT_FALSE(track.PushBlock(1, 21)) << "no piece after the last";
    EXPECT_TRUE(track.GetPiece(1)->IsBlockPresent(21));
    EXPECT_FALSE(track.PushBlock(-1, 16));
    EXPECT_FALSE(track.PushBlock(2147483647, 16));
}

TEST_F(TrackPushTest, ResetPutsEveryBlockBack)
{
    ASSERT_TRUE(track.PushBlock(0, 16));
    track.ResetBlocks();
    EXPECT_TRUE(track.GetPiece(0)->IsBlockPresent(16));
    EXPECT_EQ(1, track.GetPiece(0)->IsSolid(16));
    EXPECT_FALSE(track.GetPiece(1)->IsMoved(16));
    EXPECT_EQ(0, track.GetPiece(1)->IsSolid(16));
    EXPECT_TRUE(track.PushBlock(0, 16));
}

TEST(TrackPieceGems, GemsSitOnTheMiddleOfTheirColumnAtTheCarsRadius)
{
    TrackPiece piece;
    piece.Build(Row({{16, 'O'}, {0, 'O'}}).c_str(), kTexNone);
    piece.SetZ(400);
    EXPECT_EQ(2, piece.GetGemCount());
    EXPECT_TRUE(piece.HasPresentGem(TrackPiece::FacetOfColumn(16)));
    EXPECT_TRUE(piece.HasPresentGem(31));
    EXPECT_FALSE(piece.HasPresentGem(16));
    const TrackPoint bottom = piece.GemCentre(15);
    const double middle = 24.5 * 3.141592654 / 16;  // column 16 spans 24 pi/16 to 25 pi/16
    EXPECT_NEAR(180 * std::cos(middle), bottom.x, 1e-6);
    EXPECT_NEAR(180 * std::sin(middle), bottom.y, 1e-6);
    EXPECT_DOUBLE_EQ(500, bottom.z);
}

TEST(TrackPieceGems, FindGemNearFindsPresentGemsWithinReach)
{
    TrackPiece piece;
    piece.Build(Row({{16, 'O'}, {17, 'O'}}).c_str(), kTexNone);
    const int facet16 = TrackPiece::FacetOfColumn(16), facet17 = TrackPiece::FacetOfColumn(17);
    TrackPoint at = piece.GemCentre(facet16);
    EXPECT_EQ(facet16, piece.FindGemNear(at));
    at.z += 29.9;
    EXPECT_EQ(facet16, piece.FindGemNear(at));
    at.z += 0.2;
    EXPECT_EQ(-1, piece.FindGemNear(at));
    // Both in reach: the first by facet index comes first.
    const TrackPoint a = piece.GemCentre(facet16), b = piece.GemCentre(facet17);
    const TrackPoint between{(a.x + b.x) / 2, (a.y + b.y) / 2, a.z};
    EXPECT_EQ(std::min(facet16, facet17), piece.FindGemNear(between));
    piece.CollectGem(std::min(facet16, facet17));
    EXPECT_EQ(std::max(facet16, facet17), piece.FindGemNear(between)) << "collected gems are ignored";
}

TEST(TrackPieceGems, CollectCountsOnceAndResetRestores)
{
    TrackPiece piece;
    piece.Build(Row({{2, 'O'}, {3, 'O'}}).c_str(), kTexNone);
    const int facet = TrackPiece::FacetOfColumn(2);
    piece.CollectGem(facet);
    piece.CollectGem(facet);
    piece.CollectGem(0);  // no gem there
    EXPECT_EQ(1, piece.GetCollectedCount());
    EXPECT_FALSE(piece.HasPresentGem(facet));
    EXPECT_EQ(-1, piece.FindGemNear(piece.GemCentre(facet)));
    piece.ResetGems();
    EXPECT_EQ(0, piece.GetCollectedCount());
    EXPECT_TRUE(piece.HasPresentGem(facet));
    EXPECT_EQ(2, piece.GetGemCount());
}

TEST(TrackTotals, TotalGemsAndResetsCoverEveryPiece)
{
    Track track;
    track.AddPiece(Row({{1, 'O'}, {2, 'O'}}).c_str(), kTexNone);
    track.AddPiece(Row({{3, 'O'}}).c_str(), kTexNone);
    EXPECT_EQ(3, track.TotalGems());
    track.GetPiece(0)->CollectGem(TrackPiece::FacetOfColumn(1));
    track.GetPiece(1)->CollectGem(TrackPiece::FacetOfColumn(3));
    track.ResetGems();
    EXPECT_EQ(0, track.GetPiece(0)->GetCollectedCount() + track.GetPiece(1)->GetCollectedCount());
    EXPECT_EQ(3, track.TotalGems());
}

TEST(TrackLookup, PiecesOutsideTheTrackAreNull)
{
    Track track;
    EXPECT_EQ(nullptr, track.GetPiece(0));
    track.AddPiece(nullptr, kTexNone);
    track.AddPiece(nullptr, kTexNone);
    EXPECT_NE(nullptr, track.GetPiece(1));
    EXPECT_EQ(nullptr, track.GetPiece(2));
    EXPECT_EQ(nullptr, track.GetPiece(-1));
    EXPECT_EQ(0, Track::PieceIndexOf(199.9));
    EXPECT_EQ(1, Track::PieceIndexOf(200));
    EXPECT_EQ(0, Track::PieceIndexOf(-150));  // truncation, as the run measures it
    EXPECT_EQ(-1, Track::PieceIndexOf(1e300));
    EXPECT_EQ(-1, Track::PieceIndexOf(std::nan("")));
    track.DeletePieces();
    EXPECT_EQ(0, track.GetPieceCount());
}

TEST(TrackLimits, LessonsTakeTheEasyLimit)
{
    Track track;
    track.SetTimeLimits(60, 50, 40);
    EXPECT_EQ(60, track.GetTimeLimit(0));
    EXPECT_EQ(50, track.GetTimeLimit(1));
    EXPECT_EQ(40, track.GetTimeLimit(2));
    EXPECT_EQ(60, track.GetTimeLimit(-1));
    EXPECT_EQ(60, track.GetTimeLimit(3));
}

// Records what the piece tells its meshes.
struct RecordingMeshes : TrackPieceMeshes {
    std::vector<std::string>* log;
    explicit RecordingMeshes(std::vector<std::string>* l) : log(l) {}
    void Build(const TrackPiece&, int sign) override { log->push_back("build " + std::to_string(sign)); }
    void Place(const TrackPiece& p) override { log->push_back("place " + std::to_string(static_cast<int>(p.GetZ()))); }
    void Show(const TrackPiece&, bool v) override { log->push_back(v ? "show" : "hide"); }
    void PaintTurbo(const TrackPiece&, int c) override { log->push_back("turbo " + std::to_string(c)); }
    void HideGem(int f) override { log->push_back("gem " + std::to_string(f)); }
    void PushBlock(const TrackPiece&, int c) override { log->push_back("push " + std::to_string(c)); }
    void ResetGems(const TrackPiece&) override { log->push_back("reset gems"); }
    void ResetBlocks(const TrackPiece&) override { log->push_back("reset blocks"); }
};

struct RecordingFactory : TrackMeshFactory {
    std::vector<std::string> log;
    std::unique_ptr<TrackPieceMeshes> CreatePieceMeshes() override { return std::make_unique<RecordingMeshes>(&log); }
};

TEST(TrackPieceMeshes, EveryChangeReachesTheMeshesOnce)
{
    RecordingFactory factory;
    Track track(&factory);
    TrackPiece* piece = track.AddPiece(Row({{4, '#'}, {5, 'O'}}).c_str(), kTexStartSign);
    piece->SetZ(600);
    piece->MarkTurbo(0, 1);
    piece->SetVisible(false);
    piece->CollectGem(TrackPiece::FacetOfColumn(5));
    piece->CollectGem(TrackPiece::FacetOfColumn(5));
    piece->PushBlock(4);
    piece->PushBlock(4);
    piece->ResetGems();
    piece->ResetBlocks();
    const std::vector<std::string> expected = {"build 9", "place 600", "turbo 31", "turbo 0",    "turbo 1",
                                               "hide",    "gem 26",    "push 4",   "reset gems", "reset blocks"};
    EXPECT_EQ(expected, factory.log);
}

}  // namespace
