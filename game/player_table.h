// The eight player slots: a name and the progress in each difficulty ("player.dat").
#pragma once

#include "KIniFile.h"
#include "KString.h"

class KStream;

// Levels open in a difficulty: 10, 15, 20; 0 for any other difficulty.
int LevelCount(int difficulty);

class PlayerTable {
public:
    static constexpr int kPlayers = 8;
    static constexpr int kNameLength = 16;

    // Starts with the eight default players.
    PlayerTable();

    // A missing or empty file gives the default players. False when the file is there but cannot
    // be read; the table then holds the defaults too.
    bool Load(const char* fileName, KStream* key);
    bool Save(const char* fileName, KStream* key);

    void ResetAll();
    // "PLAYER " + (index + 1), no progress.
    void ResetPlayer(int index);
    KString GetPlayerName(int index);
    // Cut to 16 characters; control characters are left out, they would break the table's lines.
    void SetPlayerName(int index, const char* name);
    // The index of the next level to play; 0 for a difficulty outside 0 to 2.
    int GetPlayerProgress(int index, int difficulty);
    void SetPlayerProgress(int index, int difficulty, int value);

    KIniFile& Table() { return table_; }

private:
    KIniFile table_;
};

// Keeps the printable characters of a name for a table line, at most `limit` of them (-1: all).
KString TableName(const char* name, int limit);
