// Any text taken as the player or score table reads and updates without going wrong.
#include "KMemStream.h"
#include "player_table.h"
#include "score_table.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16) return 0;
    KMemStream text;
    text.Write(data, static_cast<int>(size));
    ScoreTable scores;
    scores.ReadText(&text);
    for (int level = 0; level < 3; ++level) {
        const int count = scores.GetScoreCount(level);
        if (count < 0 || count > ScoreTable::kEntries) __builtin_trap();
        const int rank = scores.InsertScore(level, level, 100, "FUZZ");
        if (rank < -1 || rank >= ScoreTable::kEntries) __builtin_trap();
        if (rank >= 0 && scores.GetScoreName(level, rank) != "FUZZ") __builtin_trap();
    }
    PlayerTable players;
    players.ReadText(&text);
    for (int i = 0; i < PlayerTable::kPlayers; ++i) {
        if (players.GetPlayerName(i).Length() > PlayerTable::kNameLength) __builtin_trap();
        if (players.GetPlayerProgress(i, i % 3) < 0) __builtin_trap();
        players.SetPlayerProgress(i, 0, 1);
    }
    return 0;
}
