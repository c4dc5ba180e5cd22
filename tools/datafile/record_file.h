// The game's record files "image.dat", "sound.dat" and "level.dat": a fixed number of records,
// each a decimal length line (CR LF) and then the record's bytes, the whole file scrambled with
// the data-file key. The game reads a sound record by the WAVE image's own chunk lengths and
// skips its first line; we write the length there too, so all three files share one layout.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class KStream;
class KMemStream;

namespace zvtools {

enum class RecordKind { Image, Sound, Level };

struct RecordFormat {
    RecordKind kind;
    const char* name;  // "image", "sound", "level"
    int count;  // records the game reads
    const char* extension;  // of an unpacked record
};

// Null for an unknown name.
const RecordFormat* FindRecordFormat(const std::string& name);

using Record = std::vector<std::uint8_t>;

// Checks a record's contents for its kind: an image D3DX decodes (PNG, JPEG, BMP), a WAVE image
// the game's sound loader accepts, a non-empty level text. Empty error when it is fine.
std::string CheckRecord(RecordKind kind, const Record& record);

// Writes the records, scrambled with the key, into out (replacing its contents).
bool PackRecords(const RecordFormat& format, const std::vector<Record>& records, KStream& key, KMemStream& out,
                 std::string& error);
// Unscrambles a whole file in place and splits it into its records; refuses a wrong count,
// a bad length line, a record that runs past the end, bytes after the last record and records
// of the wrong kind.
bool UnpackRecords(const RecordFormat& format, KMemStream& file, KStream& key, std::vector<Record>& records,
                   std::string& error);

}  // namespace zvtools
