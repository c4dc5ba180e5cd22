// Level texts: header, rows, checkpoint suffixes, filler pieces, signs and turbo arrows.
#include "level.h"
#include "level_text.h"
#include "track.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kDots(32, '.');

LevelText Read(const std::string& text) { return ReadLevelText(text.data(), text.size()); }

TEST(LevelTextHeader, ThreeLimitsMissingOnesZero)
{
    struct Case {
        const char* header;
        int a, b, c;
    };
    const Case cases[] = {{"60,50,40", 60, 50, 40}, {" 60, 50 ,40x", 60, 50, 40},
                          {"60", 60, 0, 0},         {"", 0, 0, 0},
                          {"60,,40", 60, 0, 40},    {"abc,7", 0, 7, 0},
                          {"-5,1,2", -5, 1, 2},     {"99999999999,1,2", 2147483647, 1, 2}};
    for (const Case& c : cases) {
        const LevelText level = Read(std::string(c.header) + "\r\n");
        EXPECT_EQ(c.a, level.timeLimits[0]) << c.header;
        EXPECT_EQ(c.b, level.timeLimits[1]) << c.header;
        EXPECT_EQ(c.c, level.timeLimits[2]) << c.header;
        EXPECT_TRUE(level.rows.empty());
    }
}

TEST(LevelTextRows, OnlyLinesOf32CharactersOrWithASuffixAreRows)
{
    const std::string text = "1,2,3\r\n" + kDots + "\r\n" +  // a row
                             kDots + ".\r\n" +  // 33 characters: skipped, not cut
                             kDots.substr(1) + "\r\n" +  // 31: skipped
                             "\r\n" +  // blank line
                             kDots + "5,\r\n" +  // 34: a row with a suffix
                             "; a comment\r\n" + kDots;  // last line without a line end
    const LevelText level = Read(text);
    ASSERT_EQ(3u, level.rows.size());
    EXPECT_EQ(0, level.rows[0].bonus[0]);
    EXPECT_EQ(5, level.rows[1].bonus[0]);
    EXPECT_EQ(0, level.rows[1].bonus[1]);
    EXPECT_EQ(kDots, level.rows[2].cells);
}

TEST(LevelTextRows, CheckpointSuffix)
{
    struct Case {
        const char* suffix;
        bool checkpoint;
        int p, q, r;
    };
    const Case cases[] = {{"5,10,20", true, 5, 10, 20},
                          {"0,10,20", false, 0, 10, 20},
                          {" 7 ,x,3", true, 7, 0, 3},
                          {"12", true, 12, 0, 0},
                          {",4,4", false, 0, 4, 4}};
    for (const Case& c : cases) {
        const LevelText level = Read("1,1,1\r\n" + kDots + c.suffix + "\r\n");
        ASSERT_EQ(1u, level.rows.size()) << c.suffix;
        const LevelRow& row = level.rows[0];
        EXPECT_EQ(kDots, row.cells) << "the row is cut to its 32 cells";
        EXPECT_EQ(c.checkpoint, row.IsCheckpoint()) << c.suffix;
        EXPECT_EQ(c.p, row.bonus[0]);
        EXPECT_EQ(c.q, row.bonus[1]);
        EXPECT_EQ(c.r, row.bonus[2]);
    }
}

TEST(LevelTextRows, BlanksAreKeptAndLoneLineFeedsEndLines)
{
    const std::string blanks = "  ##" + std::string(24, ' ') + "O   ";
    ASSERT_EQ(32u, blanks.size());
    const LevelText level = Read("9,8,7\n" + blanks + "\n" + kDots + "\r\n" + blanks);
    EXPECT_EQ(9, level.timeLimits[0]);
    ASSERT_EQ(3u, level.rows.size());
    EXPECT_EQ(blanks, level.rows[0].cells);
    EXPECT_EQ(blanks, level.rows[2].cells);
}

TEST(LevelTextRows, ZeroBytesInARowAreFloor)
{
    std::string row = kDots;
    row[3] = '\0';
    row[4] = 'X';
    const LevelText level = Read("1,1,1\r\n" + row + "\r\n");
    ASSERT_EQ(1u, level.rows.size());
    EXPECT_EQ('.', level.rows[0].cells[3]);
    Track track;
    ASSERT_TRUE(Level::Build(track, level));
    EXPECT_EQ(1, track.GetPiece(5)->IsSolid(4));
}

bool Parse(Track& track, const std::string& text) { return Level::ParseText(track, text.data(), text.size()); }

TEST(LevelBuild, OneRowGivesFourteenPiecesWithTheStartWinning)
{
    Track track;
    ASSERT_TRUE(Parse(track, "60,50,40\r\n" + kDots + "\r\n"));
    ASSERT_EQ(14, track.GetPieceCount());
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(i == 5 ? TrackPiece::kStart : TrackPiece::kPlain, track.GetPiece(i)->GetKind()) << i;
        EXPECT_DOUBLE_EQ(200.0 * i, track.GetPiece(i)->GetZ());
    }
    EXPECT_EQ(50, track.GetTimeLimit(1));
}

TEST(LevelBuild, NoRowsGiveThirteenFillers)
{
    for (const char* text : {"", "10,10,10\r\nnot a row\r\n"}) {
        Track track;
        ASSERT_TRUE(Parse(track, text));
        ASSERT_EQ(13, track.GetPieceCount());
        EXPECT_EQ(TrackPiece::kStart, track.GetPiece(5)->GetKind());
        EXPECT_EQ(TrackPiece::kFinish, track.GetPiece(4)->GetKind());
        EXPECT_EQ(0, track.TotalGems());
    }
}

TEST(LevelBuild, SignsAndKindsByRow)
{
    Track track;
    const std::string text = "1,1,1\r\n" + kDots + "\r\n" + kDots + "5,10,20\r\n" + kDots + "0,10,20\r\n" + kDots;
    ASSERT_TRUE(Parse(track, text));
    ASSERT_EQ(4 + 13, track.GetPieceCount());
    EXPECT_EQ(TrackPiece::kStart, track.GetPiece(5)->GetKind());
    EXPECT_EQ(TrackPiece::kCheckpoint, track.GetPiece(6)->GetKind());
    EXPECT_EQ(5, track.GetPiece(6)->GetBonus(0));
    EXPECT_EQ(10, track.GetPiece(6)->GetBonus(1));
    EXPECT_EQ(20, track.GetPiece(6)->GetBonus(2));
    EXPECT_EQ(0, track.GetPiece(6)->GetBonus(-1));
    EXPECT_EQ(TrackPiece::kPlain, track.GetPiece(7)->GetKind()) << "p = 0 is a plain row";
    EXPECT_EQ(0, track.GetPiece(7)->GetBonus(1));
    EXPECT_EQ(TrackPiece::kFinish, track.GetPiece(8)->GetKind());
}

TEST(LevelBuild, CheckpointsOnTheFirstAndLastRowsTakeTheirPlace)
{
    Track track;
    ASSERT_TRUE(Parse(track, "1,1,1\r\n" + kDots + "3,3,3\r\n" + kDots + "\r\n" + kDots + "4,4,4\r\n"));
    ASSERT_EQ(16, track.GetPieceCount());
    int starts = 0, finishes = 0;
    for (int i = 0; i < track.GetPieceCount(); ++i) {
        starts += track.GetPiece(i)->GetKind() == TrackPiece::kStart;
        finishes += track.GetPiece(i)->GetKind() == TrackPiece::kFinish;
    }
    EXPECT_EQ(0, starts);
    EXPECT_EQ(0, finishes);
    EXPECT_EQ(TrackPiece::kCheckpoint, track.GetPiece(5)->GetKind());
    EXPECT_EQ(TrackPiece::kCheckpoint, track.GetPiece(7)->GetKind());
    EXPECT_EQ(nullptr, track.GetPiece(16));
}

TEST(LevelBuild, TurboArrowSpansThePiecesAroundItsRow)
{
    std::string first = kDots, last = kDots;
    first[0] = '^';
    last[20] = '^';
    Track track;
    ASSERT_TRUE(Parse(track, "1,1,1\r\n" + first + "\r\n" + kDots + "\r\n" + last + "\r\n"));
    // The first row's arrow begins on filler piece 4.
    for (int part = 0; part < 3; ++part) {
        const TrackPiece* piece = track.GetPiece(4 + part);
        for (int column : {31, 0, 1}) {
            EXPECT_TRUE(piece->GetTurboMark(column).painted) << part << " " << column;
            EXPECT_EQ(part, piece->GetTurboMark(column).part);
        }
        EXPECT_EQ(0, piece->GetTurboMark(31).third);
        EXPECT_EQ(2, piece->GetTurboMark(1).third);
    }
    EXPECT_FALSE(track.GetPiece(3)->GetTurboMark(0).painted);
    EXPECT_EQ(3, track.GetPiece(5)->IsSolid(0));
    EXPECT_EQ(0, track.GetPiece(4)->IsSolid(0)) << "a painted neighbour is still floor";
    EXPECT_TRUE(track.GetPiece(8)->GetTurboMark(21).painted);
    EXPECT_EQ(2, track.GetPiece(8)->GetTurboMark(21).part);
    EXPECT_FALSE(track.GetPiece(9)->GetTurboMark(20).painted);
}

TEST(LevelBuild, NegativeLimitFailsWithNoPieces)
{
    Track track;
    ASSERT_TRUE(Parse(track, "1,1,1\r\n" + kDots + "\r\n"));
    EXPECT_FALSE(Parse(track, "10,-1,10\r\n" + kDots + "\r\n"));
    EXPECT_EQ(0, track.GetPieceCount());
    EXPECT_FALSE(Parse(track, "-1\r\n"));
    EXPECT_EQ(0, track.GetPieceCount());
}

TEST(LevelBuild, GemsAndBlocksOfTheRowsReachTheirPieces)
{
    std::string row = kDots;
    row[16] = 'O';
    row[15] = '#';
    row[17] = 'X';
    Track track;
    ASSERT_TRUE(Parse(track, "1,1,1\r\n" + row + "\r\n" + row + "\r\n"));
    EXPECT_EQ(2, track.TotalGems());
    EXPECT_EQ(1, track.GetPiece(6)->IsSolid(15));
    EXPECT_TRUE(track.GetPiece(6)->IsPushable(15));
    EXPECT_FALSE(track.GetPiece(6)->IsPushable(17));
    EXPECT_EQ(0, track.GetPiece(4)->IsSolid(15));
}

}  // namespace
