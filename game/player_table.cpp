#include "player_table.h"

#include "decimal.h"
#include "scrambled_table.h"

namespace {

const char* const kDifficultyKeys[3] = {"EASY", "MEDIUM", "HARD"};

bool ValidPlayer(int index) { return index >= 0 && index < PlayerTable::kPlayers; }

KString Section(int index)
{
    KString section;
    section.Format("%d", index);
    return section;
}

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

bool PlayerTable::Load(const char* fileName, KStream* key)
{
    const ScrambledTable::LoadResult result = ScrambledTable::Load(table_, fileName, key);
    if (result != ScrambledTable::kLoaded) ResetAll();
    return result != ScrambledTable::kUnreadable;
}

bool PlayerTable::Save(const char* fileName, KStream* key) { return ScrambledTable::Save(table_, fileName, key); }

void PlayerTable::ResetAll()
{
    table_.Clear();
    for (int i = 0; i < kPlayers; ++i) ResetPlayer(i);
}

void PlayerTable::ResetPlayer(int index)
{
    if (!ValidPlayer(index)) return;
    KString name;
    name.Format("PLAYER %d", index + 1);
    const KString section = Section(index);
    table_.SetValue(section.c_str(), "NAME", name.c_str());
    for (const char* key : kDifficultyKeys) table_.SetValue(section.c_str(), key, "0");
}

KString PlayerTable::GetPlayerName(int index)
{
    if (!ValidPlayer(index)) return KString();
    return TableName(table_.GetValue(Section(index).c_str(), "NAME").c_str(), kNameLength);
}

void PlayerTable::SetPlayerName(int index, const char* name)
{
    if (!ValidPlayer(index)) return;
    table_.SetValue(Section(index).c_str(), "NAME", TableName(name, kNameLength).c_str());
}

int PlayerTable::GetPlayerProgress(int index, int difficulty)
{
    if (!ValidPlayer(index) || difficulty < 0 || difficulty > 2) return 0;
    const int progress = ParseDecimal(table_.GetValue(Section(index).c_str(), kDifficultyKeys[difficulty]).c_str());
    return progress < 0 ? 0 : progress;
}

void PlayerTable::SetPlayerProgress(int index, int difficulty, int value)
{
    if (!ValidPlayer(index) || difficulty < 0 || difficulty > 2) return;
    KString text;
    text.Format("%d", value < 0 ? 0 : value);
    table_.SetValue(Section(index).c_str(), kDifficultyKeys[difficulty], text.c_str());
}
