// The eight player slots: a name and the progress in each difficulty ("player.dat"). The file's
// text is read once into the slots and written back with their changes when it is saved.
#pragma once

#include "KString.h"
#include "scrambled_table.h"

// Levels open in a difficulty: 10, 15, 20; 0 for any other difficulty.
int LevelCount(int difficulty);

class PlayerTable : public ScrambledTable {
public:
    static constexpr int kPlayers = 8;
    static constexpr int kNameLength = 16;
    static constexpr int kDifficulties = 3;

    // Starts with the eight default players.
    PlayerTable();

    void ResetAll() override;
    // "PLAYER " + (index + 1), no progress.
    void ResetPlayer(int index);
    KString GetPlayerName(int index) const;
    // Cut to 16 characters; control characters are left out, they would break the table's lines.
    void SetPlayerName(int index, const char* name);
    // The index of the next level to play; 0 for a difficulty outside 0 to 2.
    int GetPlayerProgress(int index, int difficulty) const;
    void SetPlayerProgress(int index, int difficulty, int value);

private:
    struct Player {
        KString name;
        int progress[kDifficulties] = {};
        bool changed = false;  // to be written into the text
    };
    void ParseText() override;
    void WriteChanges() override;

    Player players_[kPlayers];
};

// Keeps the printable characters of a name for a table line, at most `limit` of them (-1: all).
KString TableName(const char* name, int limit);
