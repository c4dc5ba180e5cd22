// The high-score table of each of the 20 levels ("score.dat"): up to ten entries, best first.
#pragma once

#include "KIniFile.h"
#include "KString.h"

class KStream;

class ScoreTable {
public:
    static constexpr int kLevels = 20;
    static constexpr int kEntries = 10;

    // Starts with every table empty.
    ScoreTable();

    // A missing or empty file gives empty tables. False when the file is there but cannot be
    // read; the tables are then empty too.
    bool Load(const char* fileName, KStream* key);
    bool Save(const char* fileName, KStream* key);

    void ResetAll();
    // 0 to 10 whatever the file says.
    int GetScoreCount(int level);
    KString GetScoreName(int level, int i);
    int GetScoreGems(int level, int i);
    // Hundredths of a second.
    int GetScoreTime(int level, int i);
    // More gems rank higher, then the shorter time; a result equal to an entry goes before it.
    // Returns the new entry's rank 0 to 9, or -1 when it was not entered.
    int InsertScore(int level, int gems, int time, const char* name);

    KIniFile& Table() { return table_; }

private:
    KString Value(int level, char key, int i);

    KIniFile table_;
};
