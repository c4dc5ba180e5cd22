// The game's first mode: pages of texts over a backdrop (main menu, players, levels, high scores,
// help, credits, level starting, exit). It edits the players and ends by filling the run's
// parameters and returning false from its frame.
#pragma once

#include "KKeyboard.h"
#include "KString.h"
#include "KSystemSources.h"
#include "game_keys.h"
#include "race_time.h"
#include "run_params.h"
#include "run_seams.h"

#include <functional>
#include <memory>
#include <vector>

class KStream;
class PlayerTable;
class ScoreTable;

// The full-screen picture behind the texts: a quad on the device showing one of the game's
// textures. It leaves the device when it goes.
class MenuBackdrop {
public:
    virtual ~MenuBackdrop() = default;
    virtual void SetTexture(int index) = 0;
    virtual int GetTexture() const = 0;
};

class MenuBackdropFactory {
public:
    virtual ~MenuBackdropFactory() = default;
    virtual std::unique_ptr<MenuBackdrop> CreateBackdrop() = 0;
};

// What the menu needs of the game around it.
struct MenuHost {
    RunDevice* device = nullptr;
    RunTextSink* text = nullptr;  // none: the pages draw no text
    MenuBackdropFactory* backdrops = nullptr;  // none: no picture
    KKeyStateSource keyDown;
    KMillisecondSource clock;
    PlayerTable* players = nullptr;
    ScoreTable* scores = nullptr;
    KStream* key = nullptr;  // the data-file key, for "level.dat"
    std::function<void()> quit;  // the exit page ends the program
};

class Menu {
public:
    enum Page {
        kMain = 0,
        kPlayers = 1,
        kLevels = 2,
        kHighScores = 3,
        kHelp = 4,
        kCredits = 5,
        kStarting = 6,
        kExit = 7
    };
    enum MainItem { kItemPlayers = 0, kItemHighScores = 1, kItemHelp = 2, kItemCredits = 3, kItemExit = 4 };

    // Backdrop textures by index in "image.dat".
    static constexpr int kBackdropPlayers = 11;  // also help and credits
    static constexpr int kBackdropLevels = 12;
    static constexpr int kBackdropMain = 13;
    static constexpr int kBackdropHighScores = 14;
    static constexpr int kBackdropStarting = 15;
    static constexpr int kBackdropExit = 16;

    static constexpr int kMainItems = 5;
    static constexpr int kHelpPages = 7;  // the goal, lessons 1 to 5, the last words
    static constexpr double kFieldOfView = 1.570796326;

    explicit Menu(const MenuHost& host);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    void Init();
    // Back from a run: the page, selection, difficulty and player it was started from.
    void SetResult(const RunParams& params);
    // False once a level or lesson was chosen; `params` then holds it.
    bool Frame(RunParams& params);
    void Draw();

    int GetPage() const { return page_; }
    int GetSelection() const { return selection_; }
    int GetDifficulty() const { return difficulty_; }
    int GetPlayer() const { return player_; }
    const KString& GetPlayerName() const { return name_; }
    int GetProgress(int difficulty) const;
    // The backdrop's texture (also kept when there is no backdrop to show it).
    int GetBackdropTexture() const { return texture_; }
    const RunCamera& Camera() const { return camera_; }

    // Entries of the high-score table shown.
    struct ScoreEntry {
        KString name;
        int gems = 0;
        int time = 0;  // hundredths of a second
    };
    const std::vector<ScoreEntry>& GetScores() const { return scores_; }

private:
    bool Pressed(int key) { return keyboard_.IsPressed(key, kKeyRepeatDelay); }
    void SetPage(int page, int selection);
    void SetTexture(int texture);
    void ChoosePlayer(int index);
    // The last level the player may choose in the present difficulty.
    int LastOpenLevel() const;

    void MainPage();
    void PlayersPage();
    bool LevelsPage(RunParams& params);
    void HighScoresPage();
    bool HelpPage(RunParams& params);
    void LeavePage(int selection);
    void EditName(int player);
    void ReadScores(int level);
    void FillLevel(RunParams& params);
    void FillLesson(RunParams& params, int lesson);
    // Leaves for the run: the starting page is drawn once more.
    bool StartRun();

    void DrawTexts(int w, int h);
    void DrawItems(const KString* items, int count, int selected, int top);
    void DrawLevels(int w, int h);
    void DrawHighScores(int w, int h);
    void DrawHelp(int w, int h);
    void DrawCredits(int w, int h);

    MenuHost host_;
    RaceTimeFormat timeFormat_;
    std::unique_ptr<MenuBackdrop> backdrop_;
    RunCamera camera_;
    int texture_ = kBackdropMain;
    int page_ = kMain;
    int selection_ = 0;
    int difficulty_ = 1;
    int player_ = 0;
    KKeyboard keyboard_;
    KString name_;
    int progress_[3] = {0, 0, 0};
    std::vector<ScoreEntry> scores_;
    int scoresLevel_ = -1;  // the level whose table was read last
};
