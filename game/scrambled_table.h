// The game's saved tables ("player.dat", "score.dat"): INI text kept in memory, stored scrambled
// with the data-file key.
#pragma once

class KIniFile;
class KStream;

namespace ScrambledTable {

enum LoadResult {
    kLoaded,  // the file's text is in the table
    kMissing,  // no file, or an empty one: the caller fills in its defaults
    kUnreadable,  // a file is there but could not be read or unscrambled: the table is empty
};

LoadResult Load(KIniFile& table, const char* fileName, KStream* key);
// Writes the table's text scrambled into the file without touching the table, replacing the old
// file only once everything is written. False when nothing was saved.
bool Save(KIniFile& table, const char* fileName, KStream* key);

}  // namespace ScrambledTable
