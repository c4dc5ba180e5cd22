#include "record_file.h"

#include <cstring>

#include "KMemStream.h"
#include "KWaveData.h"

namespace zvtools {
namespace {

const RecordFormat kFormats[] = {
    {RecordKind::Image, "image", 20, "png"},
    {RecordKind::Sound, "sound", 17, "wav"},
    {RecordKind::Level, "level", 20, "txt"},
};

bool StartsWith(const Record& r, const char* magic, std::size_t n)
{
    return r.size() >= n && std::memcmp(r.data(), magic, n) == 0;
}

// The decimal length line of a record: digits only, no sign, not absurdly long.
bool ReadLengthLine(KMemStream& file, int& length)
{
    KString line;
    if (!file.ReadLine(line, true)) return false;
    const char* text = line.c_str();
    if (line.Length() < 1 || line.Length() > 9) return false;
    length = 0;
    for (int i = 0; i < line.Length(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        length = length * 10 + (text[i] - '0');
    }
    return true;
}

// A WAVE image read as the game's sound loader reads it, from the stream's position; true when it
// loads, the stream then standing after it.
bool LoadWave(KMemStream& stream)
{
    KWaveData wave;
    return wave.Load(&stream, true);
}

}  // namespace

const RecordFormat* FindRecordFormat(const std::string& name)
{
    for (const RecordFormat& f : kFormats)
        if (name == f.name) return &f;
    return nullptr;
}

std::string CheckRecord(RecordKind kind, const Record& r)
{
    switch (kind) {
    case RecordKind::Image:
        if (StartsWith(r, "\x89PNG\r\n\x1a\n", 8) || StartsWith(r, "\xFF\xD8\xFF", 3) || StartsWith(r, "BM", 2))
            return {};
        return "not a PNG, JPEG or BMP image";
    case RecordKind::Sound: {
        KMemStream stream;
        stream.Write(r.data(), static_cast<int>(r.size()));
        stream.Seek(0);
        if (!LoadWave(stream) || !stream.AtEnd()) return "not a WAVE image of exactly the chunks \"fmt \" and \"data\"";
        return {};
    }
    case RecordKind::Level: return r.empty() ? "empty level text" : std::string();
    }
    return "unknown record kind";
}

bool PackRecords(const RecordFormat& format, const std::vector<Record>& records, KStream& key, KMemStream& out,
                 std::string& error)
{
    if (static_cast<int>(records.size()) != format.count) {
        error = std::string(format.name) + " file needs " + std::to_string(format.count) + " records, got " +
                std::to_string(records.size());
        return false;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string problem = CheckRecord(format.kind, records[i]);
        if (!problem.empty()) {
            error = "record " + std::to_string(i) + ": " + problem;
            return false;
        }
    }
    out.Close();
    for (const Record& r : records) {
        out.WriteLine(std::to_string(r.size()).c_str());
        if (out.Write(r.data(), static_cast<int>(r.size())) != static_cast<int>(r.size())) {
            error = "out of memory";
            return false;
        }
    }
    if (!out.ScrambleStream(&key, 0)) {
        error = "cannot scramble (no key?)";
        return false;
    }
    out.Seek(0);
    return true;
}

bool UnpackRecords(const RecordFormat& format, KMemStream& file, KStream& key, std::vector<Record>& records,
                   std::string& error)
{
    records.clear();
    if (!file.UnscrambleStream(&key, 0)) {
        error = "cannot unscramble (empty file or no key)";
        return false;
    }
    file.Seek(0);
    for (int i = 0; i < format.count; ++i) {
        const std::string where = "record " + std::to_string(i) + ": ";
        int length = 0;
        if (file.AtEnd()) {
            error = where + "missing";
            return false;
        }
        if (format.kind == RecordKind::Sound) {
            // The game skips this line and reads the WAVE image by its own chunk lengths.
            KString skipped;
            file.ReadLine(skipped, true);
            const int start = file.Tell();
            if (!LoadWave(file)) {
                error = where + "broken WAVE image";
                return false;
            }
            length = file.Tell() - start;
            file.Seek(start);
        } else if (!ReadLengthLine(file, length)) {
            error = where + "bad length line";
            return false;
        }
        if (length > file.Remaining()) {
            error = where + "runs past the end of the file";
            return false;
        }
        Record r(static_cast<std::size_t>(length));
        if (length > 0) file.Read(r.data(), length);
        const std::string problem = CheckRecord(format.kind, r);
        if (!problem.empty()) {
            error = where + problem;
            return false;
        }
        records.push_back(std::move(r));
    }
    if (!file.AtEnd()) {
        error = std::to_string(file.Remaining()) + " bytes after the last record";
        return false;
    }
    return true;
}

}  // namespace zvtools
