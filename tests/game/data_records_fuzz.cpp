// Any bytes as an unscrambled record file: every record found lies inside the file.
#include "KMemStream.h"
#include "data_records.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KMemStream file;
    if (size) file.Write(data, static_cast<int>(size));
    const std::vector<DataRecord> records = DataRecords::Split(&file, 20);
    int end = 0;
    for (const DataRecord& r : records) {
        if (r.offset < end || r.size < 0 || r.offset + r.size > file.Size()) std::abort();
        end = r.offset + r.size;
    }
    return 0;
}
