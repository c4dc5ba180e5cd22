// The game's record files ("image.dat", "sound.dat", "level.dat"): record after record, a decimal
// length line ended by CR LF, then that many bytes.
#pragma once

#include <vector>

class KStream;
class KMemStream;

struct DataRecord {
    int offset = 0;  // of the record's bytes, after its length line
    int size = 0;
};

namespace DataRecords {

// Reads the length line at the stream's position and moves past it. False when there is no line
// or the length is negative or longer than what remains of the stream.
bool ReadLength(KStream* file, int* length);

// The first `count` records from the start of an unscrambled file. Splitting stops at the first
// record whose length cannot be read; what came before it is kept.
std::vector<DataRecord> Split(KStream* file, int count);

// Loads a scrambled record file whole into `file`, unscrambles it with the data-file key and
// splits it. False (and no records) when the file cannot be read or unscrambled.
bool Load(const char* fileName, KStream* key, int count, KMemStream* file, std::vector<DataRecord>* records);

}  // namespace DataRecords
