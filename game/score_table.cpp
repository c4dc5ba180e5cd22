#include "score_table.h"

#include "decimal.h"
#include "player_table.h"

namespace {

KString Key(char kind, int i)
{
    KString key;
    key.Format("%c%d", kind, i);
    return key;
}

}  // namespace

ScoreTable::ScoreTable() { ResetAll(); }

void ScoreTable::ParseText()
{
    for (int level = 0; level < kLevels; ++level) {
        Level& table = levels_[level];
        const KString section = Number(level);
        const int count = ParseDecimal(text_.GetValue(section.c_str(), "COUNT").c_str());
        table.count = count < 0 ? 0 : count > kEntries ? kEntries : count;
        for (int i = 0; i < kEntries; ++i) {
            Entry& entry = table.entries[i];
            entry = Entry();
            if (i >= table.count) continue;
            entry.name = text_.GetValue(section.c_str(), Key('N', i).c_str());
            entry.gems = ParseDecimal(text_.GetValue(section.c_str(), Key('G', i).c_str()).c_str());
            entry.time = ParseDecimal(text_.GetValue(section.c_str(), Key('T', i).c_str()).c_str());
        }
        table.changed = false;
    }
}

void ScoreTable::WriteChanges()
{
    for (int level = 0; level < kLevels; ++level) {
        Level& table = levels_[level];
        if (!table.changed) continue;
        const KString section = Number(level);
        text_.SetValue(section.c_str(), "COUNT", Number(table.count).c_str());
        for (int i = 0; i < table.count; ++i) {
            const Entry& entry = table.entries[i];
            text_.SetValue(section.c_str(), Key('N', i).c_str(), entry.name.c_str());
            text_.SetValue(section.c_str(), Key('G', i).c_str(), Number(entry.gems).c_str());
            text_.SetValue(section.c_str(), Key('T', i).c_str(), Number(entry.time).c_str());
        }
        table.changed = false;
    }
}

void ScoreTable::ResetAll()
{
    text_.Clear();
    for (Level& table : levels_) {
        table = Level();
        table.changed = true;
    }
}

const ScoreTable::Entry* ScoreTable::Find(int level, int i) const
{
    if (level < 0 || level >= kLevels || i < 0 || i >= levels_[level].count) return nullptr;
    return &levels_[level].entries[i];
}

int ScoreTable::GetScoreCount(int level) const { return level >= 0 && level < kLevels ? levels_[level].count : 0; }

KString ScoreTable::GetScoreName(int level, int i) const
{
    const Entry* entry = Find(level, i);
    return entry ? entry->name : KString();
}

int ScoreTable::GetScoreGems(int level, int i) const
{
    const Entry* entry = Find(level, i);
    return entry ? entry->gems : 0;
}

int ScoreTable::GetScoreTime(int level, int i) const
{
    const Entry* entry = Find(level, i);
    return entry ? entry->time : 0;
}

int ScoreTable::InsertScore(int level, int gems, int time, const char* name)
{
    if (level < 0 || level >= kLevels || gems < 0 || time < 0) return -1;
    Level& table = levels_[level];
    int rank = -1;
    for (int i = 0; i < table.count && rank < 0; ++i) {
        const Entry& entry = table.entries[i];
        if (gems > entry.gems || (gems == entry.gems && time <= entry.time)) rank = i;
    }
    if (rank < 0) {
        if (table.count >= kEntries) return -1;
        rank = table.count;
    }
    if (table.count < kEntries) ++table.count;
    // The last entry falls off a full table.
    for (int i = table.count - 1; i > rank; --i) table.entries[i] = table.entries[i - 1];
    table.entries[rank] = Entry{TableName(name, -1), gems, time};
    table.changed = true;
    return rank;
}
