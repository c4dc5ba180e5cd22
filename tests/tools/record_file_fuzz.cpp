// Any bytes handed to the data tool's unpacker as a scrambled record file: it must refuse or
// split them without reading outside the file, for every kind of record file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "KMemStream.h"
#include "datafile/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const char* kinds[] = {"image", "sound", "level"};
    const zvtools::RecordFormat* format = zvtools::FindRecordFormat(kinds[data[0] % 3]);
    KMemStream key;
    const unsigned char keyByte = 0;  // the bytes arrive as they will be read
    key.Write(&keyByte, 1);
    KMemStream file;
    file.Write(data + 1, static_cast<int>(size - 1));
    std::vector<zvtools::Record> records;
    std::string error;
    if (zvtools::UnpackRecords(*format, file, key, records, error)) {
        // What unpacks is a valid set of records, so it packs again.
        KMemStream again;
        if (!zvtools::PackRecords(*format, records, key, again, error)) __builtin_trap();
    }
    return 0;
}
