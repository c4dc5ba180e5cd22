// The level checker: refuses what the game would silently skip or what cannot be played, and
// passes the shipped levels and lessons, each lesson needing what its help page teaches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/file_io.h"
#include "level/level_check.h"
#include "level/level_map.h"
#include "level/level_search.h"

using namespace zvtools;

namespace {

const std::string kOpen(32, '.');

std::string Row(std::string cells = kOpen, const std::string& bonus = "") { return cells + bonus + "\r\n"; }
std::string With(std::string row, int column, char cell)
{
    row[column] = cell;
    return row;
}
std::string Ring(std::initializer_list<int> free, std::initializer_list<std::pair<int, char>> cells = {})
{
    std::string row(32, 'X');
    for (int c : free) row[c] = '.';
    for (auto [c, ch] : cells) row[c] = ch;
    return row;
}
std::string Level(const std::vector<std::string>& rows, const std::string& header = "60,50,40")
{
    std::string text = header + "\r\n";
    for (const std::string& r : rows) text += r;
    return text;
}

std::string SourceFile(const std::string& relative)
{
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(std::string(ZV_SOURCE_DIR) + "/" + relative, bytes)) << relative;
    return std::string(bytes.begin(), bytes.end());
}

bool Refused(const std::string& text, const std::string& words)
{
    for (const LevelProblem& p : CheckLevelText(text))
        if (p.message.find(words) != std::string::npos) return true;
    return false;
}

TEST(LevelCheckTest, ASimpleLevelPasses)
{
    LevelSummary summary;
    const auto problems = CheckLevelText(Level({Row(), Row(With(kOpen, 16, 'O')), Row(), Row()}), &summary);
    EXPECT_TRUE(problems.empty()) << problems.front().message;
    EXPECT_EQ(summary.rows, 4);
    EXPECT_EQ(summary.gems, 1);
}

TEST(LevelCheckTest, RefusesWhatTheGameWouldSkipOrMisread)
{
    struct Case {
        std::string text;
        const char* words;
    };
    const Case cases[] = {
        {Level({Row(), Row(kOpen + "."), Row()}), "33 characters"},
        {Level({Row(), Row(kOpen.substr(1)), Row()}), "31 cells"},
        {Level({Row(), "\r\n", Row()}), "0 cells"},
        {Level({Row(), Row(With(kOpen, 3, 'o')), Row()}), "unknown cell 'o'"},
        {Level({Row(kOpen, "5,10,20"), Row(), Row()}), "checkpoint on the first row"},
        {Level({Row(), Row(), Row(kOpen, "5,10,20")}), "checkpoint on the last row"},
        {Level({Row(), Row(kOpen, "0,10,20"), Row()}), "0 seconds for Easy"},
        {Level({Row(), Row(kOpen, "5,x,20"), Row()}), "bonus"},
        {Level({Row()}), "at least two rows"},
        {Level({}), "at least two rows"},
        {Level({Row(), Row()}, "60,50"), "header"},
        {Level({Row(), Row()}, "60,-1,40"), "header"},
        {"60,50,40\n" + kOpen + "\n" + kOpen + "\n", "CR LF"},
    };
    for (const Case& c : cases) EXPECT_TRUE(Refused(c.text, c.words)) << c.words;
}

TEST(LevelCheckTest, RefusesGemsThatCannotBeReached)
{
    // Walled in on every side, behind and ahead.
    const std::string boxed =
        Level({Row(), Row(With(kOpen, 10, 'X')), Row(With(With(With(kOpen, 9, 'X'), 11, 'X'), 10, 'O')),
               Row(With(kOpen, 10, 'X')), Row()});
    EXPECT_TRUE(Refused(boxed, "cannot be reached"));
    // On the finish row the run ends before the gem.
    EXPECT_TRUE(Refused(Level({Row(), Row(), Row(With(kOpen, 16, 'O'))}), "finish row"));
}

TEST(LevelCheckTest, RefusesLevelsThatCannotBeFinished)
{
    // A full ring of fixed blocks.
    EXPECT_TRUE(Refused(Level({Row(), Row(std::string(32, 'X')), Row()}), "finish cannot be reached"));
    // A pushable block whose landing cell is a wall: it never moves.
    EXPECT_TRUE(Refused(Level({Row(), Row(Ring({16})), Row(Ring({17}, {{16, '#'}})), Row(Ring({17}, {})), Row()}),
                        "finish cannot be reached"));
    // Two gems each reachable, but not both: once past one, the other lies behind a wall.
    const std::string split =
        Level({Row(), Row(Ring({4, 5, 20, 21})), Row(Ring({4, 5, 20, 21}, {{4, 'O'}, {20, 'O'}})),
               Row(Ring({4, 5, 20, 21})), Row(Ring({4, 5, 20, 21})), Row(Ring({4, 5, 20, 21})), Row()});
    EXPECT_TRUE(Refused(split, "one run"));
    // Not enough time even at top speed.
    std::vector<std::string> rows(40, Row());
    EXPECT_TRUE(Refused(Level(rows, "60,50,2"), "Hard: the finish"));
    rows[20] = Row(kOpen, "1,1,1");
    EXPECT_TRUE(Refused(Level(rows, "1,60,60"), "Easy: the checkpoint"));
}

TEST(LevelCheckTest, GivesUpOnLevelsTooTangledToSearch)
{
    // Rows of pushable blocks with room between them: every subset pushed is a state of its own.
    std::string blocks;
    for (int c = 0; c < 32; ++c) blocks += c % 2 ? '.' : '#';
    std::vector<std::string> rows = {Row()};
    for (int i = 0; i < 12; ++i) {
        rows.push_back(Row(blocks));
        rows.push_back(Row());
    }
    rows.push_back(Row());
    EXPECT_TRUE(Refused(Level(rows), "too many pushable blocks"));
}

TEST(LevelCheckTest, ShippedLevelsAndLessonsPass)
{
    for (int i = 1; i <= 20; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "data/levels/level%02d.txt", i);
        const auto problems = CheckLevelText(SourceFile(name));
        EXPECT_TRUE(problems.empty()) << name << ": " << problems.front().message;
    }
    for (int k = 1; k <= 5; ++k) {
        const std::string name = "data/lessons/lesson" + std::to_string(k) + ".txt";
        const auto problems = CheckLevelText(SourceFile(name));
        EXPECT_TRUE(problems.empty()) << name << ": " << problems.front().message;
    }
}

TEST(LevelCheckTest, ShippedLevelsUseEveryElementAndGrowHarder)
{
    std::string all;
    std::vector<std::size_t> sizes;
    std::size_t checkpoints = 0;
    for (int i = 1; i <= 20; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "data/levels/level%02d.txt", i);
        const std::string text = SourceFile(name);
        all += text;
        sizes.push_back(text.size());
        LevelMap map;
        ASSERT_TRUE(MapOfLevelText(text, map));
        checkpoints += map.checkpoints.size();
    }
    for (char cell : {'X', '#', 'O', '^'}) EXPECT_NE(all.find(cell), std::string::npos) << cell;
    EXPECT_GT(checkpoints, 0u);
    // Later levels are longer: the last five together outweigh the first five by half.
    std::size_t first = 0, last = 0;
    for (int i = 0; i < 5; ++i) first += sizes[i], last += sizes[15 + i];
    EXPECT_GT(last * 2, first * 3);
}

// What each lesson asks of the player, checked by taking it away.
TEST(LevelCheckTest, LessonsNeedWhatTheirHelpPagesTeach)
{
    LevelMap map;
    // Lesson 2: gems to catch.
    ASSERT_TRUE(MapOfLevelText(SourceFile("data/lessons/lesson2.txt"), map));
    EXPECT_GE(map.GemCount(), 5);
    // Lesson 3: the gem is reached only by bouncing back: without the wall ahead it cannot be.
    std::string lesson3 = SourceFile("data/lessons/lesson3.txt");
    ASSERT_TRUE(MapOfLevelText(lesson3, map));
    ASSERT_EQ(map.GemCount(), 1);
    EXPECT_TRUE(ExploreLevel(map).unreachableGems.empty());
    const std::size_t gem = lesson3.find('O');
    const std::size_t wallAhead =
        lesson3.find('X', lesson3.find("\r\n", lesson3.find("\r\n", lesson3.find("\r\n", gem) + 2) + 2));
    ASSERT_NE(wallAhead, std::string::npos);
    lesson3[wallAhead] = '.';
    ASSERT_TRUE(MapOfLevelText(lesson3, map));
    EXPECT_EQ(ExploreLevel(map).unreachableGems.size(), 1u);
    // Lesson 4: the way on needs the block pushed: fixed, it closes the tunnel.
    std::string lesson4 = SourceFile("data/lessons/lesson4.txt");
    ASSERT_TRUE(MapOfLevelText(lesson4, map));
    EXPECT_TRUE(ExploreLevel(map).finishReachable);
    ASSERT_NE(lesson4.find('#'), std::string::npos);
    lesson4[lesson4.find('#')] = 'X';
    ASSERT_TRUE(MapOfLevelText(lesson4, map));
    EXPECT_FALSE(ExploreLevel(map).finishReachable);
    // Lesson 5: a turbo strip with room to use it.
    const std::string lesson5 = SourceFile("data/lessons/lesson5.txt");
    EXPECT_NE(lesson5.find('^'), std::string::npos);
    // Lesson 1: gates to steer through.
    EXPECT_NE(SourceFile("data/lessons/lesson1.txt").find("XXXX"), std::string::npos);
}

}  // namespace
