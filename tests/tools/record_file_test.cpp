// The data tool's record files: what it packs unpacks to the same records, the file on disk is
// the game's layout scrambled with the key, and broken files are refused with a reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KMemStream.h"
#include "datafile/record_file.h"
#include "image/png_file.h"
#include "key/data_key.h"
#include "sound/wave_file.h"

using namespace zvtools;

namespace {

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto bytes = MakeDataKey(kKeyLength);
        key.Write(bytes.data(), static_cast<int>(bytes.size()));
    }

    static Record Text(const std::string& s) { return Record(s.begin(), s.end()); }
    static Record Png(int side) { return EncodePng(Canvas(side, side, Rgb{0.2f, 0.4f, 0.6f})); }
    static Record Wave(int samples) { return EncodeWave(std::vector<std::int16_t>(samples, 100), 22050); }

    std::vector<Record> Records(RecordKind kind, int count)
    {
        std::vector<Record> records;
        for (int i = 0; i < count; ++i) {
            switch (kind) {
            case RecordKind::Image: records.push_back(Png(4 + i)); break;
            case RecordKind::Sound: records.push_back(Wave(10 + 3 * i)); break;
            case RecordKind::Level:
                records.push_back(Text("1,2,3\r\n" + std::string(32, '.') + "\r\n" + std::to_string(i)));
                break;
            }
        }
        return records;
    }

    // The unscrambled bytes of a packed file.
    std::string Plain(KMemStream& packed)
    {
        KMemStream copy;
        copy.Write(packed.GetData(), packed.Size());
        EXPECT_TRUE(copy.UnscrambleStream(&key, 0));
        return std::string(reinterpret_cast<const char*>(copy.GetData()), copy.Size());
    }

    // Packs plain bytes the way the game would read them, to feed the unpacker broken files.
    void Scrambled(const std::string& plain, KMemStream& out)
    {
        out.Close();
        out.Write(plain.data(), static_cast<int>(plain.size()));
        ASSERT_TRUE(out.ScrambleStream(&key, 0));
    }

    KMemStream key;
};

TEST_F(RecordFileTest, EveryKindRoundTrips)
{
    for (const char* name : {"image", "sound", "level"}) {
        const RecordFormat* format = FindRecordFormat(name);
        ASSERT_NE(format, nullptr) << name;
        const auto records = Records(format->kind, format->count);
        KMemStream packed;
        std::string error;
        ASSERT_TRUE(PackRecords(*format, records, key, packed, error)) << name << ": " << error;
        std::vector<Record> back;
        ASSERT_TRUE(UnpackRecords(*format, packed, key, back, error)) << name << ": " << error;
        EXPECT_EQ(back, records) << name;
    }
}

TEST_F(RecordFileTest, PackedFileIsLengthLinesAndBytesScrambledFromKeyOffsetZero)
{
    const RecordFormat& format = *FindRecordFormat("level");
    const auto records = Records(RecordKind::Level, format.count);
    KMemStream packed;
    std::string error;
    ASSERT_TRUE(PackRecords(format, records, key, packed, error)) << error;
    std::string expected;
    for (const Record& r : records) expected += std::to_string(r.size()) + "\r\n" + std::string(r.begin(), r.end());
    EXPECT_EQ(Plain(packed), expected);
    // Scrambled: the stored bytes are not the plain ones, byte 0 carries key byte 0.
    const auto keyBytes = MakeDataKey(1);
    EXPECT_EQ(packed.GetData()[0], static_cast<unsigned char>(expected[0] + keyBytes[0]));
}

TEST_F(RecordFileTest, PackRefusesWrongCountsAndWrongContents)
{
    struct Case {
        const char* format;
        std::vector<Record> records;
        const char* why;
    };
    std::vector<Record> sounds = Records(RecordKind::Sound, 17);
    sounds[5] = Png(4);
    std::vector<Record> images = Records(RecordKind::Image, 20);
    images[19] = Text("not an image");
    std::vector<Record> levels = Records(RecordKind::Level, 20);
    levels[0].clear();
    const Case cases[] = {
        {"image", Records(RecordKind::Image, 19), "19 images"},
        {"sound", Records(RecordKind::Sound, 18), "18 sounds"},
        {"level", {}, "no levels"},
        {"sound", sounds, "an image among the sounds"},
        {"image", images, "text among the images"},
        {"level", levels, "an empty level"},
    };
    for (const Case& c : cases) {
        KMemStream packed;
        std::string error;
        EXPECT_FALSE(PackRecords(*FindRecordFormat(c.format), c.records, key, packed, error)) << c.why;
        EXPECT_FALSE(error.empty()) << c.why;
    }
}

TEST_F(RecordFileTest, SoundRecordsMustBeTheChunksTheGameReads)
{
    Record wave = Wave(8);
    // A "LIST" chunk between "fmt " and "data" is refused by the game's loader, so by us too.
    Record listed(wave.begin(), wave.begin() + 36);
    const char list[] = {'L', 'I', 'S', 'T', 4, 0, 0, 0, 'a', 'b', 'c', 'd'};
    listed.insert(listed.end(), list, list + sizeof list);
    listed.insert(listed.end(), wave.begin() + 36, wave.end());
    EXPECT_FALSE(CheckRecord(RecordKind::Sound, listed).empty());
    Record trailing = wave;
    trailing.push_back(0);
    EXPECT_FALSE(CheckRecord(RecordKind::Sound, trailing).empty());
    Record cut(wave.begin(), wave.end() - 1);
    EXPECT_FALSE(CheckRecord(RecordKind::Sound, cut).empty());
    EXPECT_TRUE(CheckRecord(RecordKind::Sound, wave).empty());
}

TEST_F(RecordFileTest, UnpackRefusesBrokenFiles)
{
    const RecordFormat& levels = *FindRecordFormat("level");
    const RecordFormat& sounds = *FindRecordFormat("sound");
    std::string good;
    for (int i = 0; i < 20; ++i) good += "3\r\nabc";
    std::string goodSounds;
    const Record wave = Wave(4);
    for (int i = 0; i < 17; ++i) goodSounds += "x\r\n" + std::string(wave.begin(), wave.end());
    struct Case {
        const RecordFormat& format;
        std::string plain;
        const char* why;
    };
    const Case cases[] = {
        {levels, good.substr(0, good.size() - 6), "one record missing"},
        {levels, good + "3\r\nabc", "a record too many"},
        {levels, good.substr(0, good.size() - 1), "last record cut short"},
        {levels, "x3\r\nabc" + good.substr(6), "a length that is no number"},
        {levels, "-3\r\nabc" + good.substr(6), "a negative length"},
        {levels, "99999999999\r\n" + good, "an absurd length"},
        {sounds, goodSounds.substr(0, goodSounds.size() - 2), "a WAVE image cut short"},
        {sounds, goodSounds + "x", "a byte after the last sound"},
    };
    for (const Case& c : cases) {
        KMemStream file;
        Scrambled(c.plain, file);
        std::vector<Record> records;
        std::string error;
        EXPECT_FALSE(UnpackRecords(c.format, file, key, records, error)) << c.why;
        EXPECT_FALSE(error.empty()) << c.why;
    }
    // The sound records' first lines are not read as lengths, as in the game.
    KMemStream file;
    Scrambled(goodSounds, file);
    std::vector<Record> records;
    std::string error;
    EXPECT_TRUE(UnpackRecords(sounds, file, key, records, error)) << error;
    EXPECT_EQ(records.size(), 17u);
}

TEST_F(RecordFileTest, UnpackWithoutKeyOrDataFails)
{
    KMemStream emptyKey, file, empty;
    Scrambled("3\r\nabc", file);
    std::vector<Record> records;
    std::string error;
    EXPECT_FALSE(UnpackRecords(*FindRecordFormat("level"), file, emptyKey, records, error));
    EXPECT_FALSE(UnpackRecords(*FindRecordFormat("level"), empty, key, records, error));
}

}  // namespace
