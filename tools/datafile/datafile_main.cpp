// zv_datafile: packs and unpacks the game's record files.
//   zv_datafile pack   image|sound|level KEY-FILE OUTPUT RECORD...
//   zv_datafile unpack image|sound|level KEY-FILE INPUT FOLDER
// KEY-FILE holds the key resource's bytes; like the game, only its first 8561 bytes are key.
#include <cstdio>
#include <string>
#include <vector>

#include "KMemStream.h"
#include "common/file_io.h"
#include "key/data_key.h"
#include "record_file.h"

using namespace zvtools;

namespace {

int Fail(const std::string& message)
{
    std::fprintf(stderr, "zv_datafile: %s\n", message.c_str());
    return 1;
}

bool LoadKey(const std::string& path, KMemStream& key)
{
    if (!key.LoadFile(path.c_str())) return false;
    if (key.Size() > static_cast<int>(kKeyLength)) key.SetSize(static_cast<int>(kKeyLength));
    return key.Size() > 0;
}

int Pack(const RecordFormat& format, KMemStream& key, const std::string& output, char** inputs, int count)
{
    std::vector<Record> records;
    for (int i = 0; i < count; ++i) {
        records.emplace_back();
        if (!ReadWholeFile(inputs[i], records.back())) return Fail(std::string("cannot read ") + inputs[i]);
    }
    KMemStream out;
    std::string error;
    if (!PackRecords(format, records, key, out, error)) return Fail(output + ": " + error);
    if (!out.SaveFile(output.c_str())) return Fail("cannot write " + output);
    return 0;
}

int Unpack(const RecordFormat& format, KMemStream& key, const std::string& input, const std::string& folder)
{
    KMemStream file;
    if (!file.LoadFile(input.c_str())) return Fail("cannot read " + input);
    std::vector<Record> records;
    std::string error;
    if (!UnpackRecords(format, file, key, records, error)) return Fail(input + ": " + error);
    for (std::size_t i = 0; i < records.size(); ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/%s%02d.%s", format.name, static_cast<int>(i), format.extension);
        if (!WriteWholeFile(folder + name, records[i])) return Fail("cannot write " + folder + name);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string verb = argc > 1 ? argv[1] : "";
    const RecordFormat* format = argc > 2 ? FindRecordFormat(argv[2]) : nullptr;
    if (!format || (verb != "pack" && verb != "unpack") || (verb == "pack" && argc < 5) ||
        (verb == "unpack" && argc != 6)) {
        std::fprintf(stderr, "usage: zv_datafile pack image|sound|level KEY-FILE OUTPUT RECORD...\n"
                             "       zv_datafile unpack image|sound|level KEY-FILE INPUT FOLDER\n");
        return 2;
    }
    KMemStream key;
    if (!LoadKey(argv[3], key)) return Fail(std::string("cannot read the key ") + argv[3]);
    if (verb == "pack") return Pack(*format, key, argv[4], argv + 5, argc - 5);
    return Unpack(*format, key, argv[4], argv[5]);
}
