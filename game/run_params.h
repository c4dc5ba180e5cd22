// The block the menu fills to start a level run, which the run reads and updates and the menu
// reads back.
#pragma once

#include "KMemStream.h"
#include "KString.h"

struct RunParams {
    enum Kind { kLevel = 0, kLesson = 1 };

    int kind = kLevel;
    int player = -1;  // 0 to 7; -1 for a lesson
    KString playerName;  // empty for a lesson
    int difficulty = -1;  // 0 easy, 1 medium, 2 hard; -1 for a lesson
    KMemStream levelText;
    int levelIndex = -1;  // 0 to 19; -1 for a lesson
    // The level is not the player's current one (always so for a lesson); the run sets it once
    // the level is completed.
    bool replay = true;
    int background = -1;  // texture index the menu's backdrop showed
    int returnPage = 0;
    int returnSelection = 0;

    // The difficulty whose time limits and checkpoint bonuses apply: a lesson has none and
    // takes the easy values.
    int TimingDifficulty() const { return difficulty >= 0 && difficulty <= 2 ? difficulty : 0; }
};
