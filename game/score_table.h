// The high-score table of each of the 20 levels ("score.dat"): up to ten entries, best first.
// The file's text is read once into the tables and written back with their changes when it is
// saved.
#pragma once

#include "KString.h"
#include "scrambled_table.h"

class ScoreTable : public ScrambledTable {
public:
    static constexpr int kLevels = 20;
    static constexpr int kEntries = 10;

    // Starts with every table empty.
    ScoreTable();

    void ResetAll() override;
    // 0 to 10 whatever the file says; 0 for a level outside 0 to 19.
    int GetScoreCount(int level) const;
    // Entry i of a level's table; empty and 0 outside it.
    KString GetScoreName(int level, int i) const;
    int GetScoreGems(int level, int i) const;
    // Hundredths of a second.
    int GetScoreTime(int level, int i) const;
    // More gems rank higher, then the shorter time; a result equal to an entry goes before it.
    // Returns the new entry's rank 0 to 9, or -1 when it was not entered.
    int InsertScore(int level, int gems, int time, const char* name);

private:
    struct Entry {
        KString name;
        int gems = 0;
        int time = 0;
    };
    struct Level {
        int count = 0;
        Entry entries[kEntries];
        bool changed = false;  // to be written into the text
    };
    void ParseText() override;
    void WriteChanges() override;
    const Entry* Find(int level, int i) const;

    Level levels_[kLevels];
};
