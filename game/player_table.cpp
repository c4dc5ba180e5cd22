#include "player_table.h"

#include "decimal.h"

namespace {

const char* const kDifficultyKeys[PlayerTable::kDifficulties] = {"EASY", "MEDIUM", "HARD"};

bool ValidPlayer(int index) { return index >= 0 && index < PlayerTable::kPlayers; }
bool ValidDifficulty(int difficulty) { return difficulty >= 0 && difficulty < PlayerTable::kDifficulties; }

}  // namespace

int LevelCount(int difficulty)
{
    switch (difficulty) {
    case 0: return 10;
    case 1: return 15;
    case 2: return 20;
    default: return 0;
    }
}

KString TableName(const char* name, int limit)
{
    KString kept;
    for (const char* p = name ? name : ""; *p && (limit < 0 || kept.Length() < limit); ++p) {
        if (static_cast<unsigned char>(*p) >= 32) kept.AppendChar(*p);
    }
    return kept;
}

PlayerTable::PlayerTable() { ResetAll(); }

void PlayerTable::ParseText()
{
    for (int i = 0; i < kPlayers; ++i) {
        Player& player = players_[i];
        const KString section = Number(i);
        player.name = TableName(text_.GetValue(section.c_str(), "NAME").c_str(), kNameLength);
        for (int d = 0; d < kDifficulties; ++d) {
            const int progress = ParseDecimal(text_.GetValue(section.c_str(), kDifficultyKeys[d]).c_str());
            player.progress[d] = progress < 0 ? 0 : progress;
        }
        player.changed = false;
    }
}

void PlayerTable::WriteChanges()
{
    for (int i = 0; i < kPlayers; ++i) {
        Player& player = players_[i];
        if (!player.changed) continue;
        const KString section = Number(i);
        text_.SetValue(section.c_str(), "NAME", player.name.c_str());
        for (int d = 0; d < kDifficulties; ++d)
            text_.SetValue(section.c_str(), kDifficultyKeys[d], Number(player.progress[d]).c_str());
        player.changed = false;
    }
}

void PlayerTable::ResetAll()
{
    text_.Clear();
    for (int i = 0; i < kPlayers; ++i) ResetPlayer(i);
}

void PlayerTable::ResetPlayer(int index)
{
    if (!ValidPlayer(index)) return;
    Player& player = players_[index];
    player.name.Format("PLAYER %d", index + 1);
    for (int& progress : player.progress) progress = 0;
    player.changed = true;
}

KString PlayerTable::GetPlayerName(int index) const { return ValidPlayer(index) ? players_[index].name : KString(); }

void PlayerTable::SetPlayerName(int index, const char* name)
{
    if (!ValidPlayer(index)) return;
    players_[index].name = TableName(name, kNameLength);
    players_[index].changed = true;
}

int PlayerTable::GetPlayerProgress(int index, int difficulty) const
{
    return ValidPlayer(index) && ValidDifficulty(difficulty) ? players_[index].progress[difficulty] : 0;
}

void PlayerTable::SetPlayerProgress(int index, int difficulty, int value)
{
    if (!ValidPlayer(index) || !ValidDifficulty(difficulty)) return;
    players_[index].progress[difficulty] = value < 0 ? 0 : value;
    players_[index].changed = true;
}
