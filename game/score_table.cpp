#include "score_table.h"

#include "decimal.h"
#include "player_table.h"
#include "scrambled_table.h"

namespace {

KString Number(int value)
{
    KString text;
    text.Format("%d", value);
    return text;
}

KString Key(char kind, int i)
{
    KString key;
    key.Format("%c%d", kind, i);
    return key;
}

}  // namespace

ScoreTable::ScoreTable() { ResetAll(); }

bool ScoreTable::Load(const char* fileName, KStream* key)
{
    const ScrambledTable::LoadResult result = ScrambledTable::Load(table_, fileName, key);
    if (result != ScrambledTable::kLoaded) ResetAll();
    return result != ScrambledTable::kUnreadable;
}

bool ScoreTable::Save(const char* fileName, KStream* key) { return ScrambledTable::Save(table_, fileName, key); }

void ScoreTable::ResetAll()
{
    table_.Clear();
    for (int level = 0; level < kLevels; ++level) table_.SetValue(Number(level).c_str(), "COUNT", "0");
}

KString ScoreTable::Value(int level, char key, int i)
{
    return table_.GetValue(Number(level).c_str(), Key(key, i).c_str());
}

int ScoreTable::GetScoreCount(int level)
{
    const int count = ParseDecimal(table_.GetValue(Number(level).c_str(), "COUNT").c_str());
    return count < 0 ? 0 : count > kEntries ? kEntries : count;
}

KString ScoreTable::GetScoreName(int level, int i) { return Value(level, 'N', i); }

int ScoreTable::GetScoreGems(int level, int i) { return ParseDecimal(Value(level, 'G', i).c_str()); }

int ScoreTable::GetScoreTime(int level, int i) { return ParseDecimal(Value(level, 'T', i).c_str()); }

int ScoreTable::InsertScore(int level, int gems, int time, const char* name)
{
    if (level < 0 || level >= kLevels || gems < 0 || time < 0) return -1;
    struct Entry {
        KString name;
        int gems;
        int time;
    } entries[kEntries + 1];
    const int count = GetScoreCount(level);
    int rank = -1;
    for (int i = 0; i < count; ++i) {
        entries[i] = {GetScoreName(level, i), GetScoreGems(level, i), GetScoreTime(level, i)};
        if (rank < 0 && (gems > entries[i].gems || (gems == entries[i].gems && time <= entries[i].time))) rank = i;
    }
    if (rank < 0) {
        if (count >= kEntries) return -1;
        rank = count;
    }
    for (int i = count; i > rank; --i) entries[i] = entries[i - 1];
    entries[rank] = {TableName(name, -1), gems, time};
    const int newCount = count + 1 < kEntries ? count + 1 : kEntries;
    const KString section = Number(level);
    table_.SetValue(section.c_str(), "COUNT", Number(newCount).c_str());
    for (int i = 0; i < newCount; ++i) {
        table_.SetValue(section.c_str(), Key('N', i).c_str(), entries[i].name.c_str());
        table_.SetValue(section.c_str(), Key('G', i).c_str(), Number(entries[i].gems).c_str());
        table_.SetValue(section.c_str(), Key('T', i).c_str(), Number(entries[i].time).c_str());
    }
    return rank;
}
