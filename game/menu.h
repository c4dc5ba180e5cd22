// The game's first mode: pages of texts over a backdrop (main menu, players, levels, high scores,
// help, credits, level starting, exit). It edits the players and ends by filling the run's
// parameters and returning false from its frame.
#pragma once

#include "KClock.h"
#include "KKeyboard.h"
#include "KString.h"
#include "KSystemSources.h"
#include "run_params.h"
#include "run_seams.h"

#include <functional>
#include <memory>

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
    RunTextSink* text = nullptr;                   // none: the pages draw no text
    MenuBackdropFactory* backdrops = nullptr;      // none: no picture
    KKeyStateSource keyDown;
    KMillisecondSource clock;
    PlayerTable* players = nullptr;
    ScoreTable* scores = nullptr;
    KStream* key = nullptr;                        // the data-file key, for "level.dat"
    std::function<void()> quit;                    // the exit page ends the program
};

class Menu {
public:
    enum Page { kMain = 0, kPlayers = 1, kLevels = 2, kHighScores = 3, kHelp = 4, kCredits = 5, kStarting = 6, kExit = 7 };

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

private:
    MenuHost host_;
    int page_ = kMain;
    int selection_ = 0;
};
