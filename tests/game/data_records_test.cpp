// Splitting the game's record files, and the data-file key cut from the program's resource.
#include "KMemStream.h"
#include "data_key.h"
#include "data_records.h"

#include "support/scratch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

void Fill(KMemStream& stream, const std::string& bytes)
{
    stream.Close();
    stream.Write(bytes.data(), static_cast<int>(bytes.size()));
    stream.Seek(0);
}

std::string RecordText(KMemStream& file, const DataRecord& r)
{
    return std::string(reinterpret_cast<const char*>(file.GetData()) + r.offset, static_cast<size_t>(r.size));
}

const std::string kThree = "5\r\nfirst0\r\n6\r\n\0third"s;

TEST(DataRecords, SplitsEachLengthLineAndItsBytes)
{
    KMemStream file;
    Fill(file, kThree);
    file.Seek(4);  // split from the start whatever the position
    const std::vector<DataRecord> records = DataRecords::Split(&file, 3);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(RecordText(file, records[0]), "first");
    EXPECT_EQ(records[1].size, 0);
    EXPECT_EQ(RecordText(file, records[2]), "\0third"s);
}

TEST(DataRecords, ReadsNoMoreThanTheCountAsked)
{
    KMemStream file;
    Fill(file, kThree + "trailing bytes");
    EXPECT_EQ(DataRecords::Split(&file, 2).size(), 2u);
    EXPECT_EQ(DataRecords::Split(&file, 0).size(), 0u);
    EXPECT_EQ(DataRecords::Split(&file, -1).size(), 0u);
}

struct BrokenCase {
    const char* what;
    std::string bytes;
    size_t records;  // whole records before the broken one
};

TEST(DataRecords, StopsAtTheFirstRecordThatIsCutShortOrLies)
{
    const BrokenCase cases[] = {
        {"empty file", "", 0},
        {"length beyond the end", "5\r\nfirst10\r\nshort", 1},
        {"length one past the end", "5\r\nfirst6\r\nthird", 1},
        {"huge length", "99999999999\r\nabc", 0},
        {"length past the int range", "2147483648\r\nabc", 0},
        {"negative length", "-3\r\nabc", 0},
        {"length line without bytes or line end", "5\r\nfirst7", 1},
        {"no more lines", "5\r\nfirst", 1},
    };
    for (const BrokenCase& c : cases) {
        KMemStream file;
        Fill(file, c.bytes);
        const std::vector<DataRecord> records = DataRecords::Split(&file, 20);
        EXPECT_EQ(records.size(), c.records) << c.what;
        for (const DataRecord& r : records) {
            EXPECT_GE(r.offset, 0) << c.what;
            EXPECT_LE(r.offset + r.size, file.Size()) << c.what;
        }
    }
}

TEST(DataRecords, NothingToSplitWithoutAStream)
{
    EXPECT_TRUE(DataRecords::Split(nullptr, 3).empty());
    int length = 7;
    EXPECT_FALSE(DataRecords::ReadLength(nullptr, &length));
    EXPECT_EQ(length, 7);
}

std::vector<unsigned char> KeyBytes(int n)
{
    std::vector<unsigned char> key(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) key[static_cast<size_t>(i)] = static_cast<unsigned char>(i * 37 + 11);
    return key;
}

TEST(DataRecords, AScrambledFileLoadsUnscrambledAndSplit)
{
    const std::vector<unsigned char> keyBytes = KeyBytes(kDataKeyLength);
    KMemStream key;
    key.Write(keyBytes.data(), static_cast<int>(keyBytes.size()));
    key.Seek(0);

    KMemStream plain;
    Fill(plain, kThree);
    ASSERT_TRUE(plain.ScrambleStream(&key, 0));
    const std::string name = scratch::Folder() + "records.dat";
    ASSERT_TRUE(plain.SaveFile(name.c_str()));

    KMemStream file;
    std::vector<DataRecord> records;
    ASSERT_TRUE(DataRecords::Load(name.c_str(), &key, 3, &file, &records));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(RecordText(file, records[0]), "first");
    EXPECT_EQ(RecordText(file, records[2]), "\0third"s);

    records.push_back(DataRecord());
    EXPECT_FALSE(DataRecords::Load((scratch::Folder() + "missing.dat").c_str(), &key, 3, &file, &records));
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(file.Size(), 0);
}

TEST(DataKey, KeepsTheFirst8561BytesAndRefusesAShorterKey)
{
    const std::vector<unsigned char> bytes = KeyBytes(10000);
    const int lengths[] = {0, 1, 8560, 8561, 10000};
    for (int n : lengths) {
        KMemStream key;
        if (n) key.Write(bytes.data(), n);
        key.Seek(n / 2);
        const bool ok = CutDataKey(&key);
        EXPECT_EQ(ok, n >= kDataKeyLength) << n;
        if (ok) {
            EXPECT_EQ(key.Size(), kDataKeyLength) << n;
            EXPECT_EQ(key.Tell(), 0) << n;
            EXPECT_EQ(key.GetData()[kDataKeyLength - 1], bytes[kDataKeyLength - 1]) << n;
        }
    }
    EXPECT_FALSE(CutDataKey(nullptr));
}

}  // namespace
