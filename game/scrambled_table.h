// The game's saved tables ("player.dat", "score.dat"): INI text stored scrambled with the data-file
// key. A table reads the text once into its records and keeps it, so that a save writes back
// what it does not know as it was, with the records' changes written in.
#pragma once

#include "KIniFile.h"
#include "KString.h"

class KStream;

class ScrambledTable {
public:
    virtual ~ScrambledTable() = default;

    // A missing or empty file gives the defaults. False when the file is there but cannot be read
    // or unscrambled; the table then holds the defaults too.
    bool Load(const char* fileName, KStream* key);
    // Writes the text scrambled into the file, replacing the old file only once everything is
    // written. False when nothing was saved.
    bool Save(const char* fileName, KStream* key);
    // Takes a plain table text (from its start) in place of the file's.
    void ReadText(KStream* text);
    // The text as Save stores it before scrambling, every change written in.
    KIniFile& Text();

    // Every record at its default; the text empty but for them.
    virtual void ResetAll() = 0;

protected:
    // The records from the text.
    virtual void ParseText() = 0;
    // The records changed since they were read into the text.
    virtual void WriteChanges() = 0;
    // A number as the tables write it.
    static KString Number(int value);

    KIniFile text_;
};
