// The menu's pages: transitions, player names, level choice, the parameters of a run, the
// high-score tables, the exit page and what each page draws, all through simulated keys and time.
#include "menu.h"

#include "KFile.h"
#include "KMemStream.h"
#include "player_table.h"
#include "recording_text.h"
#include "run_simulation.h"
#include "score_table.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class RecordingBackdrop : public MenuBackdrop {
public:
    explicit RecordingBackdrop(std::vector<int>* log) : log_(log) {}
    void SetTexture(int index) override { texture_ = index, log_->push_back(index); }
    int GetTexture() const override { return texture_; }

private:
    std::vector<int>* log_;
    int texture_ = -1;
};

class RecordingBackdrops : public MenuBackdropFactory {
public:
    std::unique_ptr<MenuBackdrop> CreateBackdrop() override
    {
        ++created;
        auto backdrop = std::make_unique<RecordingBackdrop>(&textures);
        last = backdrop.get();
        return backdrop;
    }
    int created = 0;
    RecordingBackdrop* last = nullptr;
    std::vector<int> textures;
};

constexpr uint32_t kFrameMs = 16;
constexpr uint32_t kAfterRepeat = 250;  // longer than the key repeat delay

const char kLevelRecords[] = "11\r\n0,0,0\r\nabcd"
                             "14\r\n30,25,20\r\n1234"
                             "5\r\nthird";

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        old = fs::current_path();
        dir = fs::temp_directory_path() /
              (std::string("zv_menu_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        key.Write("menu key", 8);

        host.device = &device;
        host.text = &text;
        host.backdrops = &backdrops;
        host.keyDown = [this](int k) { return k >= 0 && k < 256 && keys[static_cast<size_t>(k)]; };
        host.clock = [this] { return now; };
        host.players = &players;
        host.scores = &scores;
        host.key = &key;
        host.quit = [this] { ++quits; };
        Restart();
    }
    void TearDown() override
    {
        fs::current_path(old);
        fs::remove_all(dir);
    }

    // A new menu, as the game makes one for each visit.
    void Restart()
    {
        menu = std::make_unique<Menu>(host);
        menu->Init();
    }

    // One frame after a frame's time; returns its result.
    bool Frame(uint32_t ms = kFrameMs)
    {
        now += ms;
        text.frame.clear();
        running = menu->Frame(params);
        return running;
    }
    // Taps each key in turn: held for one frame, then released well past the repeat delay.
    void Press(std::initializer_list<int> sequence)
    {
        for (int k : sequence) {
            keys[static_cast<size_t>(k)] = true;
            Frame(kAfterRepeat);
            keys[static_cast<size_t>(k)] = false;
            if (running) Frame();
        }
    }
    void PressTimes(int k, int times)
    {
        for (int i = 0; i < times; ++i) Press({k});
    }
    // From the main page onto the level page with a player.
    void ChoosePlayer(int player)
    {
        Press({kKeyReturn});
        PressTimes(kKeyDown, player);
        Press({kKeyReturn});
        ASSERT_EQ(Menu::kLevels, menu->GetPage());
    }
    void SetProgress(int player, int easy, int medium, int hard)
    {
        players.SetPlayerProgress(player, 0, easy);
        players.SetPlayerProgress(player, 1, medium);
        players.SetPlayerProgress(player, 2, hard);
    }
    static void WriteFile(const char* name, const std::string& bytes)
    {
        KFile file(name, true, true, false);
        file.Write(bytes.data(), static_cast<int>(bytes.size()));
    }
    void WriteLevels()
    {
        KMemStream plain, scrambled;
        plain.Write(kLevelRecords, sizeof kLevelRecords - 1);
        ASSERT_TRUE(plain.ScrambleStream(&key, 0, &scrambled));
        WriteFile("level.dat", std::string(reinterpret_cast<const char*>(scrambled.GetData()),
                                           static_cast<size_t>(scrambled.Size())));
    }
    static std::string Text(KMemStream& stream)
    {
        return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.Size()));
    }
    const DrawnText* WithText(const std::string& s) const
    {
        const DrawnText* found = nullptr;
        for (const DrawnText& t : text.frame)
            if (t.text == s) {
                EXPECT_EQ(nullptr, found) << "drawn twice: " << s;
                found = &t;
            }
        return found;
    }

    fs::path old, dir;
    SimulatedDevice device;
    RecordingText text;
    RecordingBackdrops backdrops;
    PlayerTable players;
    ScoreTable scores;
    KMemStream key;
    std::array<bool, 256> keys{};
    uint32_t now = 100000;
    int quits = 0;
    MenuHost host;
    std::unique_ptr<Menu> menu;
    RunParams params;
    bool running = true;
};

TEST_F(MenuTest, PageTransitionsFromTheMainPage)
{
    constexpr int R = kKeyReturn, E = kKeyEscape, U = kKeyUp, D = kKeyDown, L = kKeyLeft, Ri = kKeyRight;
    struct Case {
        std::vector<int> keys;
        int page, selection, backdrop;
    };
    const Case cases[] = {
        {{}, Menu::kMain, 0, 13},
        {{E}, Menu::kExit, 0, 16},
        {{U}, Menu::kMain, 4, 13},
        {{D, D, D, D, D}, Menu::kMain, 0, 13},
        {{U, U, D}, Menu::kMain, 4, 13},
        {{R}, Menu::kPlayers, 0, 11},
        {{D, R}, Menu::kHighScores, 0, 14},
        {{D, D, R}, Menu::kHelp, 0, 11},
        {{D, D, D, R}, Menu::kCredits, 0, 11},
        {{U, R}, Menu::kExit, 0, 16},
        {{R, E}, Menu::kMain, 0, 13},
        {{R, D, D, D, D, D, D, D, D, D}, Menu::kPlayers, 7, 11},
        {{R, D, U, U}, Menu::kPlayers, 0, 11},
        {{R, D, D, R}, Menu::kLevels, 0, 12},
        {{R, R, E}, Menu::kMain, 0, 13},
        {{D, R, E}, Menu::kMain, 1, 13},
        {{D, R, R}, Menu::kMain, 1, 13},
        {{D, R, Ri, Ri}, Menu::kHighScores, 2, 14},
        {{D, R, L}, Menu::kHighScores, 0, 14},
        {{D, D, R, R}, Menu::kHelp, 1, 11},
        {{D, D, R, E}, Menu::kMain, 2, 13},
        {{D, D, R, R, E}, Menu::kMain, 2, 13},
        {{D, D, D, R, R}, Menu::kMain, 3, 13},
        {{D, D, D, R, E}, Menu::kMain, 3, 13},
        {{U, R, U, D, L}, Menu::kExit, 0, 16},
    };
    for (const Case& c : cases) {
        Restart();
        for (int k : c.keys) Press({k});
        std::string keyList;
        for (int k : c.keys) keyList += std::to_string(k) + " ";
        EXPECT_EQ(c.page, menu->GetPage()) << keyList;
        EXPECT_EQ(c.selection, menu->GetSelection()) << keyList;
        EXPECT_EQ(c.backdrop, menu->GetBackdropTexture()) << keyList;
        ASSERT_NE(nullptr, backdrops.last);
        EXPECT_EQ(c.backdrop, backdrops.last->GetTexture()) << keyList;
        EXPECT_TRUE(running);
        EXPECT_EQ(0, quits);
    }
}

TEST_F(MenuTest, HighScoresOpenWithNoLevelUntilTheirFirstFrameAndStopAtBothEnds)
{
    Press({kKeyDown});
    keys[kKeyReturn] = true;
    Frame(kAfterRepeat);
    EXPECT_EQ(Menu::kHighScores, menu->GetPage());
    EXPECT_EQ(-1, menu->GetSelection());
    keys[kKeyReturn] = false;
    Frame();
    EXPECT_EQ(0, menu->GetSelection());
    PressTimes(kKeyRight, 25);
    EXPECT_EQ(19, menu->GetSelection());
    PressTimes(kKeyLeft, 25);
    EXPECT_EQ(0, menu->GetSelection());
}

TEST_F(MenuTest, ChoosingAPlayerReadsItsNameAndProgressAndStartsOnMedium)
{
    players.SetPlayerName(2, "ANNA");
    SetProgress(2, 4, 2, 1);
    ChoosePlayer(2);
    EXPECT_EQ(2, menu->GetPlayer());
    EXPECT_EQ(KString("ANNA"), menu->GetPlayerName());
    EXPECT_EQ(1, menu->GetDifficulty());
    EXPECT_EQ(0, menu->GetSelection());
    EXPECT_EQ(4, menu->GetProgress(0));
    EXPECT_EQ(2, menu->GetProgress(1));
    EXPECT_EQ(1, menu->GetProgress(2));
}

TEST_F(MenuTest, KeysHeldDownRepeatEveryTwoHundredMilliseconds)
{
    Press({kKeyReturn});
    keys[kKeyDown] = true;
    for (int i = 0; i < 30; ++i) Frame(15);  // 450 ms: counted at 15, 225 and 435 ms
    keys[kKeyDown] = false;
    Frame();
    EXPECT_EQ(3, menu->GetSelection());
}

TEST_F(MenuTest, TypingEditsTheSelectedPlayersNameAtOnce)
{
    Press({kKeyReturn, kKeyDown});
    PressTimes(kKeyBackspace, 8);
    EXPECT_EQ(KString(""), players.GetPlayerName(1));
    PressTimes(kKeyBackspace, 2);  // nothing left to remove
    EXPECT_EQ(KString(""), players.GetPlayerName(1));
    Press({'Z', 'E', 'D', '7', kKeyNumpad0 + 3, kKeySpace, 'Q'});
    EXPECT_EQ(KString("ZED73 Q"), players.GetPlayerName(1));
    Press({kKeyBackspace});
    EXPECT_EQ(KString("ZED73 "), players.GetPlayerName(1));
    EXPECT_EQ(KString("PLAYER 1"), players.GetPlayerName(0));
    // Sixteen characters at most.
    for (int i = 0; i < 14; ++i) Press({'A' + i});
    EXPECT_EQ(KString("ZED73 ABCDEFGHIJ"), players.GetPlayerName(1));
    // Keys that are no part of a name change nothing.
    Press({0xBA, 'A' - 1, kKeyNumpad0 + 10});
    EXPECT_EQ(KString("ZED73 ABCDEFGHIJ"), players.GetPlayerName(1));
    // Names are drawn from the table as they are.
    const DrawnText* name = WithText("ZED73 ABCDEFGHIJ");
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(kTextPalette[2], name->colour);
}

TEST_F(MenuTest, DeleteResetsThePlayer)
{
    players.SetPlayerName(3, "MAX");
    SetProgress(3, 5, 6, 7);
    Press({kKeyReturn, kKeyDown, kKeyDown, kKeyDown, kKeyDelete});
    EXPECT_EQ(KString("PLAYER 4"), players.GetPlayerName(3));
    for (int d = 0; d < 3; ++d) EXPECT_EQ(0, players.GetPlayerProgress(3, d));
}

TEST_F(MenuTest, LettersTypeNothingOutsideThePlayersPage)
{
    Press({'A', '1', kKeySpace, kKeyBackspace, kKeyDelete});
    players.SetPlayerName(0, "KEEP");
    ChoosePlayer(0);
    Press({'A', kKeyBackspace, kKeyDelete});
    EXPECT_EQ(KString("KEEP"), players.GetPlayerName(0));
    EXPECT_EQ(Menu::kLevels, menu->GetPage());
}

TEST_F(MenuTest, LevelChoiceIsLimitedByProgressAndLevelCount)
{
    SetProgress(0, 12, 3, 17);
    ChoosePlayer(0);
    ASSERT_EQ(1, menu->GetDifficulty());
    PressTimes(kKeyRight, 6);
    EXPECT_EQ(3, menu->GetSelection());
    PressTimes(kKeyLeft, 6);
    EXPECT_EQ(0, menu->GetSelection());
    // Easy: progress 12 is beyond the ten levels.
    Press({kKeyDown});
    EXPECT_EQ(0, menu->GetDifficulty());
    PressTimes(kKeyRight, 15);
    EXPECT_EQ(9, menu->GetSelection());
    Press({kKeyDown});
    EXPECT_EQ(0, menu->GetDifficulty());
    // Up to Medium cuts to its progress; Hard keeps it.
    Press({kKeyUp});
    EXPECT_EQ(1, menu->GetDifficulty());
    EXPECT_EQ(3, menu->GetSelection());
    Press({kKeyUp, kKeyUp});
    EXPECT_EQ(2, menu->GetDifficulty());
    EXPECT_EQ(3, menu->GetSelection());
    PressTimes(kKeyRight, 20);
    EXPECT_EQ(17, menu->GetSelection());
}

TEST_F(MenuTest, GoingDownFromHardCutsTheLevelAtEachStep)
{
    struct Case {
        int easy, medium, hard;
        int onMedium, onEasy;
    };
    const Case cases[] = {
        {20, 20, 17, 14, 9},
        {2, 20, 17, 14, 2},
        {20, 5, 17, 5, 5},
        {0, 0, 17, 0, 0},
    };
    for (const Case& c : cases) {
        Restart();
        SetProgress(0, c.easy, c.medium, c.hard);
        ChoosePlayer(0);
        Press({kKeyUp});
        PressTimes(kKeyRight, 17);
        ASSERT_EQ(17, menu->GetSelection());
        Press({kKeyDown});
        EXPECT_EQ(c.onMedium, menu->GetSelection()) << c.easy << " " << c.medium;
        Press({kKeyDown});
        EXPECT_EQ(c.onEasy, menu->GetSelection()) << c.easy << " " << c.medium;
    }
}

TEST_F(MenuTest, LevelPageShowsWhetherEachLevelIsCompleted)
{
    players.SetPlayerName(0, "ANNA");
    SetProgress(0, 0, 3, 0);
    ChoosePlayer(0);
    for (int level = 0; level <= 3; ++level) {
        KString expected;
        expected.Format("Level %d of 15\nLevel Completed : %s", level + 1, level < 3 ? "Yes" : "No");
        const DrawnText* line = WithText(expected.c_str());
        ASSERT_NE(nullptr, line) << level;
        EXPECT_EQ(2, line->font);
        EXPECT_EQ(kTextPalette[0], line->colour);
        Press({kKeyRight});
    }
    const DrawnText* name = WithText("ANNA");
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(2, name->font);
    EXPECT_EQ(kTextPalette[1], name->colour);
    const DrawnText* difficulty = WithText("Medium");
    ASSERT_NE(nullptr, difficulty);
    EXPECT_EQ(3, difficulty->font);
    EXPECT_EQ(kTextPalette[2], difficulty->colour);
    Press({kKeyUp});
    EXPECT_NE(nullptr, WithText("Hard"));
    EXPECT_NE(nullptr, WithText("Level 1 of 20\nLevel Completed : No"));
    Press({kKeyDown, kKeyDown});
    EXPECT_NE(nullptr, WithText("Easy"));
    EXPECT_NE(nullptr, WithText("Level 1 of 10\nLevel Completed : No"));
}

TEST_F(MenuTest, ReturnOnALevelFillsTheRunParameters)
{
    WriteLevels();
    players.SetPlayerName(1, "BEA");
    SetProgress(1, 0, 1, 0);
    ChoosePlayer(1);
    Press({kKeyRight});
    const int framesBefore = device.Frames();
    keys[kKeyReturn] = true;
    EXPECT_FALSE(Frame(kAfterRepeat));
    EXPECT_EQ(framesBefore + 1, device.Frames());  // the starting page is drawn once
    EXPECT_EQ(Menu::kStarting, menu->GetPage());
    EXPECT_EQ(15, menu->GetBackdropTexture());
    EXPECT_EQ(RunParams::kLevel, params.kind);
    EXPECT_EQ(1, params.player);
    EXPECT_EQ(KString("BEA"), params.playerName);
    EXPECT_EQ(1, params.difficulty);
    EXPECT_EQ(1, params.levelIndex);
    EXPECT_FALSE(params.replay);  // the player's current level
    EXPECT_EQ("30,25,20\r\n1234", Text(params.levelText));
    EXPECT_EQ(0, params.levelText.Tell());
    EXPECT_EQ(12, params.background);
    EXPECT_EQ(Menu::kLevels, params.returnPage);
    EXPECT_EQ(1, params.returnSelection);
    // A lower level is a replay.
    keys[kKeyReturn] = false;
    Restart();
    ChoosePlayer(1);
    keys[kKeyReturn] = true;
    EXPECT_FALSE(Frame(kAfterRepeat));
    EXPECT_TRUE(params.replay);
    EXPECT_EQ(0, params.levelIndex);
    EXPECT_EQ("0,0,0\r\nabcd", Text(params.levelText));
}

TEST_F(MenuTest, AMissingOrUnreadableLevelFileGivesAnEmptyLevelText)
{
    params.levelText.Write("old", 3);
    ChoosePlayer(0);
    keys[kKeyReturn] = true;
    EXPECT_FALSE(Frame(kAfterRepeat));
    EXPECT_EQ(0, params.levelText.Size());
    EXPECT_EQ(0, params.levelIndex);
    // A file whose records are cut short.
    WriteFile("level.dat", "99\r\nshort");
    keys[kKeyReturn] = false;
    Restart();
    ChoosePlayer(0);
    keys[kKeyReturn] = true;
    EXPECT_FALSE(Frame(kAfterRepeat));
    EXPECT_EQ(0, params.levelText.Size());
}

TEST_F(MenuTest, HelpPagesStartTheLessonsAndComeBackToTheNextPage)
{
    fs::create_directory("help");
    WriteFile("help\\lesson1.dat", "90,90,90\r\nlesson one");
    WriteFile("help\\lesson5.dat", "90,90,90\r\nlesson five");
    Press({kKeyDown, kKeyDown, kKeyReturn, kKeyReturn});
    ASSERT_EQ(Menu::kHelp, menu->GetPage());
    ASSERT_EQ(1, menu->GetSelection());
    params.player = 4;
    params.playerName = "SOMEONE";
    keys[kKeyReturn] = true;
    EXPECT_FALSE(Frame(kAfterRepeat));
    keys[kKeyReturn] = false;
    EXPECT_EQ(RunParams::kLesson, params.kind);
    EXPECT_EQ(-1, params.player);
    EXPECT_TRUE(params.playerName.IsEmpty());
    EXPECT_EQ(-1, params.difficulty);
    EXPECT_EQ(-1, params.levelIndex);
    EXPECT_TRUE(params.replay);
    EXPECT_EQ("90,90,90\r\nlesson one", Text(params.levelText));
    EXPECT_EQ(11, params.background);
    EXPECT_EQ(Menu::kHelp, params.returnPage);
    EXPECT_EQ(2, params.returnSelection);

    // Back from the lesson: the next help page.
    Restart();
    menu->SetResult(params);
    EXPECT_EQ(Menu::kHelp, menu->GetPage());
    EXPECT_EQ(2, menu->GetSelection());
    EXPECT_EQ(11, menu->GetBackdropTexture());
    Frame();
    EXPECT_NE(nullptr, WithText("Lesson 2"));

    // Lesson 2 has no file here: an empty text.
    keys[kKeyReturn] = true;
    EXPECT_FALSE(Frame(kAfterRepeat));
    keys[kKeyReturn] = false;
    EXPECT_EQ(0, params.levelText.Size());
    EXPECT_EQ(3, params.returnSelection);

    // Lesson 5 comes back to the last page, whose Return leads to the main page.
    params.returnSelection = 5;
    Restart();
    menu->SetResult(params);
    keys[kKeyReturn] = true;
    EXPECT_FALSE(Frame(kAfterRepeat));
    keys[kKeyReturn] = false;
    EXPECT_EQ("90,90,90\r\nlesson five", Text(params.levelText));
    EXPECT_EQ(6, params.returnSelection);
    Restart();
    menu->SetResult(params);
    Frame();
    EXPECT_NE(nullptr, WithText("Let's Go !"));
    Press({kKeyReturn});
    EXPECT_EQ(Menu::kMain, menu->GetPage());
    EXPECT_EQ(2, menu->GetSelection());
}

TEST_F(MenuTest, BackFromALevelRereadsThePlayer)
{
    RunParams back;
    back.kind = RunParams::kLevel;
    back.player = 3;
    back.playerName = "OLD NAME";
    back.difficulty = 2;
    back.levelIndex = 4;
    back.background = 12;
    back.returnPage = Menu::kLevels;
    back.returnSelection = 4;
    players.SetPlayerName(3, "NEW NAME");
    SetProgress(3, 1, 2, 5);
    menu->SetResult(back);
    EXPECT_EQ(Menu::kLevels, menu->GetPage());
    EXPECT_EQ(4, menu->GetSelection());
    EXPECT_EQ(2, menu->GetDifficulty());
    EXPECT_EQ(3, menu->GetPlayer());
    EXPECT_EQ(KString("NEW NAME"), menu->GetPlayerName());
    EXPECT_EQ(5, menu->GetProgress(2));
    EXPECT_EQ(12, menu->GetBackdropTexture());
    Press({kKeyRight});
    EXPECT_EQ(5, menu->GetSelection());
    EXPECT_NE(nullptr, WithText("Level 6 of 20\nLevel Completed : No"));
}

TEST_F(MenuTest, ABrokenReturnBlockLeadsToTheMainPage)
{
    struct Case {
        int kind, player, difficulty, page, selection;
    };
    const Case cases[] = {
        {RunParams::kLevel, 9, 1, Menu::kLevels, 0},
        {RunParams::kLevel, -1, 1, Menu::kLevels, 0},
        {RunParams::kLevel, 0, 3, Menu::kLevels, 0},
        {RunParams::kLevel, 0, 1, Menu::kStarting, 0},
        {RunParams::kLevel, 0, 1, 42, 0},
        {RunParams::kLesson, -1, -1, Menu::kLevels, 0},
        {RunParams::kLesson, -1, -1, -3, 0},
    };
    for (const Case& c : cases) {
        Restart();
        RunParams back;
        back.kind = c.kind;
        back.player = c.player;
        back.difficulty = c.difficulty;
        back.returnPage = c.page;
        back.returnSelection = c.selection;
        menu->SetResult(back);
        EXPECT_EQ(Menu::kMain, menu->GetPage()) << c.player << " " << c.page;
        // The main page answers its keys.
        Press({kKeyEscape});
        EXPECT_EQ(Menu::kExit, menu->GetPage());
    }
    // Selections out of range are brought back into it.
    Restart();
    RunParams back;
    back.kind = RunParams::kLesson;
    back.returnPage = Menu::kHelp;
    back.returnSelection = 40;
    menu->SetResult(back);
    EXPECT_EQ(6, menu->GetSelection());
    back.kind = RunParams::kLevel;
    back.player = 0;
    back.difficulty = 0;
    back.returnPage = Menu::kLevels;
    back.returnSelection = 12;
    menu->SetResult(back);
    EXPECT_EQ(0, menu->GetSelection());  // player 0 has no progress
}

TEST_F(MenuTest, HighScoreTablesAreReadWhenTheLevelChanges)
{
    scores.InsertScore(0, 3, 1234, "ANNA");
    scores.InsertScore(0, 2, 999, "BEA");
    scores.InsertScore(1, 1, 6000, "CAT");
    Press({kKeyDown, kKeyReturn});
    ASSERT_EQ(2u, menu->GetScores().size());
    EXPECT_EQ(KString("ANNA"), menu->GetScores()[0].name);
    EXPECT_EQ(3, menu->GetScores()[0].gems);
    EXPECT_EQ(1234, menu->GetScores()[0].time);
    EXPECT_NE(nullptr, WithText("Level 1"));
    EXPECT_NE(nullptr, WithText("ANNA\nBEA"));
    EXPECT_NE(nullptr, WithText("3\n2"));
    EXPECT_NE(nullptr, WithText("0 : 12 : 34\n0 : 09 : 99"));
    // Read once per change of level, not each frame.
    scores.InsertScore(0, 9, 100, "DAN");
    Frame();
    EXPECT_EQ(2u, menu->GetScores().size());
    Press({kKeyRight});
    ASSERT_EQ(1u, menu->GetScores().size());
    EXPECT_NE(nullptr, WithText("Level 2"));
    EXPECT_NE(nullptr, WithText("1 : 00 : 00"));
    Press({kKeyLeft});
    ASSERT_EQ(3u, menu->GetScores().size());
    EXPECT_EQ(KString("DAN"), menu->GetScores()[0].name);
    // An empty table: headings only.
    Press({kKeyRight, kKeyRight});
    EXPECT_TRUE(menu->GetScores().empty());
    const DrawnText* names = WithText("Names");
    ASSERT_NE(nullptr, names);
    EXPECT_EQ(2, names->font);
    EXPECT_EQ(kTextPalette[2], names->colour);
    EXPECT_NE(nullptr, WithText("Gems"));
    EXPECT_NE(nullptr, WithText("Times"));
    EXPECT_EQ(4u, text.frame.size());
}

TEST_F(MenuTest, AHugeTimeFromADamagedTableIsHeld)
{
    scores.InsertScore(0, 1, 2000000000, "HUGE");
    Press({kKeyDown, kKeyReturn});
    ASSERT_EQ(1u, menu->GetScores().size());
    for (const auto& entry : menu->GetScores()) {
        EXPECT_GE(entry.time, 0) << entry.name.c_str();
        EXPECT_LE(entry.time, 214748364) << entry.name.c_str();
    }
}

TEST_F(MenuTest, TheExitPageEndsTheProgram)
{
    Press({kKeyEscape});
    EXPECT_EQ(0, quits);
    Press({kKeyReturn});
    EXPECT_EQ(1, quits);
    Restart();
    Press({kKeyUp, kKeyReturn, kKeyEscape});
    EXPECT_EQ(2, quits);
    // Without a quit callback the page just stays.
    host.quit = nullptr;
    Restart();
    Press({kKeyEscape, kKeyReturn});
    EXPECT_EQ(Menu::kExit, menu->GetPage());
    EXPECT_TRUE(text.frame.empty());
}

TEST_F(MenuTest, AReturnHeldFromTheRunActsOnlyAfterHalfASecond)
{
    keys[kKeyReturn] = true;
    Restart();
    for (uint32_t t = 0; t + kFrameMs < 500; t += kFrameMs) Frame();
    EXPECT_EQ(Menu::kMain, menu->GetPage());
    Frame(2 * kFrameMs);
    EXPECT_EQ(Menu::kPlayers, menu->GetPage());
    // Not held at the start: it acts at once.
    keys[kKeyReturn] = false;
    Restart();
    keys[kKeyReturn] = true;
    Frame();
    EXPECT_EQ(Menu::kPlayers, menu->GetPage());
}

TEST_F(MenuTest, MainPageDrawsItsItemsOverTheBackdrop)
{
    EXPECT_EQ(1, backdrops.created);
    ASSERT_FALSE(backdrops.textures.empty());
    EXPECT_EQ(13, backdrops.textures.front());
    Press({kKeyDown});
    const char* items[] = {"Select Player", "High Scores", "Help", "Credits", "Exit"};
    ASSERT_EQ(5u, text.frame.size());
    for (int i = 0; i < 5; ++i) {
        const DrawnText& t = text.frame[static_cast<size_t>(i)];
        EXPECT_EQ(items[i], t.text);
        EXPECT_EQ(3, t.font);
        EXPECT_EQ(kTextCentre, t.format);
        EXPECT_EQ(kTextPalette[i == 1 ? 2 : 0], t.colour) << i;
        if (i > 0) {
            EXPECT_GT(t.rect.top, text.frame[static_cast<size_t>(i - 1)].rect.top);
        }
    }
    // The camera makes the backdrop quad fill a 4:3 screen.
    EXPECT_DOUBLE_EQ(-600, device.LastCamera().z);
    EXPECT_DOUBLE_EQ(0, device.LastCamera().x);
    EXPECT_DOUBLE_EQ(0, device.LastCamera().a1);
    EXPECT_NEAR(1.570796326, device.LastCamera().fieldOfView, 1e-9);
}

TEST_F(MenuTest, HelpPagesShowTheirTitleTextAndPrompt)
{
    Press({kKeyDown, kKeyDown, kKeyReturn});
    const DrawnText* title = WithText("Goal of the Game");
    ASSERT_NE(nullptr, title);
    EXPECT_EQ(5, title->font);
    EXPECT_EQ(kTextPalette[1], title->colour);
    const DrawnText* body =
        WithText("The aim of the game is to reach the exit after catching \nall the Gems scattered on the track.");
    ASSERT_NE(nullptr, body);
    EXPECT_EQ(kTextPalette[0], body->colour);
    EXPECT_EQ(kTextWrapCentre, body->format);
    EXPECT_GT(body->rect.left, 0);
    const DrawnText* prompt = WithText("Press the 'Return' key to continue...");
    ASSERT_NE(nullptr, prompt);
    EXPECT_EQ(2, prompt->font);
    EXPECT_EQ(kTextPalette[2], prompt->colour);
    EXPECT_GT(prompt->rect.top, body->rect.top);

    RunParams back;
    back.kind = RunParams::kLesson;
    back.returnPage = Menu::kHelp;
    back.returnSelection = 4;
    menu->SetResult(back);
    Frame();
    EXPECT_NE(nullptr, WithText("Lesson 4"));
    EXPECT_NE(nullptr,
              WithText("Certain blocks making up the tunnel walls can be moved. It is therefore possible to move "
                       "a block following a crash if the minimum speed is attained. In this sample, only the "
                       "middle block can be moved."));
}

TEST_F(MenuTest, CreditsNameTheTeamAndEndWithThePlainNotice)
{
    Press({kKeyUp, kKeyUp, kKeyReturn});
    ASSERT_EQ(Menu::kCredits, menu->GetPage());
    const char* headings[] = {"Programming", "Levels by", "Additional Level by", "Music", "Tester", "Thanks"};
    for (const char* heading : headings) {
        const DrawnText* t = WithText(heading);
        ASSERT_NE(nullptr, t) << heading;
        EXPECT_EQ(3, t->font);
        EXPECT_EQ(kTextPalette[2], t->colour);
        EXPECT_TRUE(t->shadow);
    }
    int team = 0, plain = 0;
    for (const DrawnText& t : text.frame) {
        if (t.font == 2 && t.colour == kTextPalette[0] && t.text == "The Zorvane team") ++team;
        if (!t.shadow) {
            ++plain;
            EXPECT_EQ(1, t.font);
            EXPECT_EQ(kTextPalette[1], t.colour);
            EXPECT_NE(std::string::npos, t.text.find("Zorvane team"));
            EXPECT_GT(t.rect.top, 700 * 3 / 4);
        }
    }
    EXPECT_GE(team, 2);
    EXPECT_EQ(1, plain);
    EXPECT_EQ(13u, text.frame.size());
}

TEST_F(MenuTest, StartingAndExitPagesShowOnlyTheBackdrop)
{
    ChoosePlayer(0);
    keys[kKeyReturn] = true;
    EXPECT_FALSE(Frame(kAfterRepeat));
    EXPECT_TRUE(text.frame.empty());
    EXPECT_EQ(15, backdrops.last->GetTexture());
    keys[kKeyReturn] = false;
    // The starting page waits for the run; its keys do nothing.
    Press({kKeyEscape, kKeyReturn});
    EXPECT_EQ(Menu::kStarting, menu->GetPage());
    EXPECT_TRUE(running);
    Restart();
    Press({kKeyEscape});
    EXPECT_TRUE(text.frame.empty());
    EXPECT_EQ(16, backdrops.last->GetTexture());
}

TEST_F(MenuTest, WithoutDeviceTextOrBackdropTheMenuStillWorks)
{
    host.device = nullptr;
    host.text = nullptr;
    host.backdrops = nullptr;
    host.players = nullptr;
    host.scores = nullptr;
    Restart();
    Press({kKeyReturn, 'A', kKeyReturn});
    EXPECT_EQ(Menu::kLevels, menu->GetPage());
    EXPECT_TRUE(menu->GetPlayerName().IsEmpty());
    Press({kKeyEscape, kKeyDown, kKeyReturn});
    EXPECT_EQ(Menu::kHighScores, menu->GetPage());
    EXPECT_TRUE(menu->GetScores().empty());
    EXPECT_EQ(14, menu->GetBackdropTexture());
    keys[kKeyReturn] = true;
    Restart();
    Frame(600);
    EXPECT_EQ(Menu::kPlayers, menu->GetPage());
}

}  // namespace
