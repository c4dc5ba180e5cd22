#include "data_records.h"

#include "KMemStream.h"
#include "decimal.h"

namespace DataRecords {

bool ReadLength(KStream* file, int* length)
{
    KString line;
    if (!file || !file->ReadLine(line)) return false;
    const int n = ParseDecimal(line.c_str());
    if (n < 0 || n > file->Remaining()) return false;
    *length = n;
    return true;
}

std::vector<DataRecord> Split(KStream* file, int count)
{
    std::vector<DataRecord> records;
    if (!file || !file->IsOpen() || count <= 0) return records;
    file->Seek(0);
    while (static_cast<int>(records.size()) < count) {
        DataRecord record;
        if (!ReadLength(file, &record.size)) break;
        record.offset = file->Tell();
        records.push_back(record);
        file->Seek(record.offset + record.size);
    }
    return records;
}

bool Load(const char* fileName, KStream* key, int count, KMemStream* file, std::vector<DataRecord>* records)
{
    records->clear();
    file->Close();
    if (!file->LoadFile(fileName) || !file->UnscrambleStream(key, 0)) {
        file->Close();
        return false;
    }
    *records = Split(file, count);
    return true;
}

}  // namespace DataRecords
