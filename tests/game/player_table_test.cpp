// The player slots: defaults, names, progress, and their file.
#include "player_table.h"
#include "score_table.h"
#include "table_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <string>

namespace {

TEST(PlayerTableRules, DefaultsAreEightNumberedPlayersWithoutProgress)
{
    PlayerTable players;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(KString(("PLAYER " + std::to_string(i + 1)).c_str()), players.GetPlayerName(i));
        for (int d = 0; d < 3; ++d) EXPECT_EQ(0, players.GetPlayerProgress(i, d));
    }
    EXPECT_EQ(KString(), players.GetPlayerName(8));
    EXPECT_EQ(KString(), players.GetPlayerName(-1));
}

TEST(PlayerTableRules, NamesAreCutTo16PrintableCharacters)
{
    struct Case {
        const char* name;
        const char* stored;
    };
    const Case cases[] = {{"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOP"},
                          {"SIXTEEN CHARS OK", "SIXTEEN CHARS OK"},
                          {"", ""},
                          {nullptr, ""},
                          {"EVE\r\n[3]\r\nNAME=X", "EVE[3]NAME=X"}};
    for (const Case& c : cases) {
        PlayerTable players;
        players.SetPlayerName(2, c.name);
        EXPECT_EQ(KString(c.stored), players.GetPlayerName(2));
        EXPECT_EQ(KString("PLAYER 4"), players.GetPlayerName(3)) << "the next player is untouched";
    }
}

TEST(PlayerTableRules, ProgressPerDifficulty)
{
    PlayerTable players;
    players.SetPlayerProgress(5, 0, 3);
    players.SetPlayerProgress(5, 1, 7);
    players.SetPlayerProgress(5, 2, 12);
    players.SetPlayerProgress(5, 3, 9);  // no such difficulty: nothing
    players.SetPlayerProgress(5, -1, 9);
    players.SetPlayerProgress(9, 0, 9);  // no such player: nothing
    EXPECT_EQ(3, players.GetPlayerProgress(5, 0));
    EXPECT_EQ(7, players.GetPlayerProgress(5, 1));
    EXPECT_EQ(12, players.GetPlayerProgress(5, 2));
    EXPECT_EQ(0, players.GetPlayerProgress(5, 3));
    EXPECT_EQ(0, players.GetPlayerProgress(4, 0));
    players.SetPlayerProgress(5, 0, -2);
    EXPECT_EQ(0, players.GetPlayerProgress(5, 0));
    players.ResetPlayer(5);
    EXPECT_EQ(0, players.GetPlayerProgress(5, 2));
    EXPECT_EQ(-1, players.Text().FindSection(players.Text().GetStream(), "8"));
}

TEST(PlayerTableRules, LevelCountByDifficulty)
{
    EXPECT_EQ(10, LevelCount(0));
    EXPECT_EQ(15, LevelCount(1));
    EXPECT_EQ(20, LevelCount(2));
    EXPECT_EQ(0, LevelCount(3));
    EXPECT_EQ(0, LevelCount(-1));
}

using PlayerFile = TableFolder;

TEST_F(PlayerFile, SaveThenLoadKeepsEverything)
{
    PlayerTable players;
    players.SetPlayerName(0, "ADA");
    players.SetPlayerProgress(0, 1, 4);
    players.SetPlayerProgress(7, 2, 19);
    const std::string before = Text(players.Text().GetStream());
    ASSERT_TRUE(players.Save(Path("player.dat").c_str(), &key));
    EXPECT_EQ(before, Text(players.Text().GetStream())) << "the table in memory stays plain";
    const std::string stored = Read(Path("player.dat"));
    EXPECT_EQ(before.size(), stored.size());
    EXPECT_NE(before, stored) << "stored scrambled";
    EXPECT_EQ(std::string::npos, stored.find("ADA"));

    PlayerTable loaded;
    ASSERT_TRUE(loaded.Load(Path("player.dat").c_str(), &key));
    EXPECT_EQ(KString("ADA"), loaded.GetPlayerName(0));
    EXPECT_EQ(4, loaded.GetPlayerProgress(0, 1));
    EXPECT_EQ(19, loaded.GetPlayerProgress(7, 2));
    EXPECT_EQ(KString("PLAYER 2"), loaded.GetPlayerName(1));
}

TEST_F(PlayerFile, MissingOrEmptyFilesGiveDefaults)
{
    PlayerTable players;
    players.SetPlayerName(1, "CHANGED");
    ASSERT_TRUE(players.Load(Path("none.dat").c_str(), &key));
    EXPECT_EQ(KString("PLAYER 2"), players.GetPlayerName(1));
    Write(Path("empty.dat"), "");
    players.SetPlayerName(1, "CHANGED");
    ASSERT_TRUE(players.Load(Path("empty.dat").c_str(), &key));
    EXPECT_EQ(KString("PLAYER 2"), players.GetPlayerName(1));
}

// A table file that is there but cannot be read must not pass for a missing one: defaults saved
// over it later would lose what it holds. Both tables, each way a file can fail to open here.
TEST_F(TableFolder, AFileThatCannotBeReadIsNotTakenForAMissingOne)
{
    struct Way {
        const char* name;
        void (*make)(const std::filesystem::path&);
    };
    const Way ways[] = {
        // Opens natively but cannot be read; under Wine it does not open at all.
        {"a folder", [](const std::filesystem::path& p) { std::filesystem::create_directories(p / "inside"); }},
#ifndef _WIN32
        // Does not open: a link that leads back to itself.
        {"a link loop", [](const std::filesystem::path& p) { std::filesystem::create_symlink(p.filename(), p); }},
#endif
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        std::filesystem::remove_all(dir / "player.dat");
        std::filesystem::remove_all(dir / "score.dat");
        way.make(dir / "player.dat");
        way.make(dir / "score.dat");
        PlayerTable players;
        players.SetPlayerName(0, "CHANGED");
        EXPECT_FALSE(players.Load(Path("player.dat").c_str(), &key));
        EXPECT_EQ(KString("PLAYER 1"), players.GetPlayerName(0)) << "the defaults";
        ScoreTable scores;
        scores.InsertScore(0, 1, 1, "X");
        EXPECT_FALSE(scores.Load(Path("score.dat").c_str(), &key));
        EXPECT_EQ(0, scores.GetScoreCount(0)) << "empty tables";
    }
}

TEST_F(PlayerFile, CorruptValuesReadSafely)
{
    WriteScrambled(Path("player.dat"), "[0]\r\nNAME=A NAME FAR LONGER THAN SIXTEEN\r\nEASY=-4\r\nMEDIUM=abc\r\n"
                                       "HARD=2x\r\n[1]\r\nEASY=99999999999\r\n");
    PlayerTable players;
    ASSERT_TRUE(players.Load(Path("player.dat").c_str(), &key));
    EXPECT_EQ(KString("A NAME FAR LONGE"), players.GetPlayerName(0));
    EXPECT_EQ(0, players.GetPlayerProgress(0, 0));
    EXPECT_EQ(0, players.GetPlayerProgress(0, 1));
    EXPECT_EQ(2, players.GetPlayerProgress(0, 2));
    EXPECT_EQ(2147483647, players.GetPlayerProgress(1, 0));
    EXPECT_EQ(KString(), players.GetPlayerName(1)) << "a missing name reads as empty";
}

TEST_F(PlayerFile, ASaveRewritesOnlyThePlayersThatChanged)
{
    const std::string text = "[0]\r\nNAME=A NAME FAR LONGER THAN SIXTEEN\r\nEASY=-4\r\n[1]\r\nNAME=BO\r\nEASY=2\r\n"
                             "MEDIUM=0\r\nHARD=0\r\n[NOTES]\r\nKEPT=yes\r\n";
    WriteScrambled(Path("player.dat"), text);
    PlayerTable players;
    ASSERT_TRUE(players.Load(Path("player.dat").c_str(), &key));
    EXPECT_EQ(text, Text(players.Text().GetStream())) << "nothing changed yet";
    players.SetPlayerProgress(1, 0, 3);
    ASSERT_TRUE(players.Save(Path("player.dat").c_str(), &key));
    EXPECT_EQ("[0]\r\nNAME=A NAME FAR LONGER THAN SIXTEEN\r\nEASY=-4\r\n[1]\r\nNAME=BO\r\nEASY=3\r\n"
              "MEDIUM=0\r\nHARD=0\r\n[NOTES]\r\nKEPT=yes\r\n",
              Text(players.Text().GetStream()));
    PlayerTable loaded;
    ASSERT_TRUE(loaded.Load(Path("player.dat").c_str(), &key));
    EXPECT_EQ(3, loaded.GetPlayerProgress(1, 0));
    EXPECT_EQ(KString("A NAME FAR LONGE"), loaded.GetPlayerName(0));
}

TEST_F(PlayerFile, AFileThatCannotBeUnscrambledGivesDefaultsAndFalse)
{
    Write(Path("player.dat"), "something");
    KMemStream noKey;
    PlayerTable players;
    EXPECT_FALSE(players.Load(Path("player.dat").c_str(), &noKey));
    EXPECT_EQ(KString("PLAYER 1"), players.GetPlayerName(0));
    EXPECT_FALSE(players.Load(Path("player.dat").c_str(), nullptr));
}

TEST_F(PlayerFile, AFailedSaveKeepsThePreviousFile)
{
    Write(Path("player.dat"), "previous");
    PlayerTable players;
    KMemStream noKey;
    EXPECT_FALSE(players.Save(Path("player.dat").c_str(), &noKey));
    EXPECT_FALSE(players.Save(Path("player.dat").c_str(), nullptr));
    EXPECT_FALSE(players.Save(Path("no/such/folder/player.dat").c_str(), &key));
    EXPECT_EQ("previous", Read(Path("player.dat")));
}

}  // namespace
