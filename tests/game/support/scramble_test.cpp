#include "KFile.h"
#include "KMemStream.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(int n, int seed)
{
    std::string bytes;
    for (int i = 0; i < n; ++i) {
        bytes += static_cast<char>((i * 31 + seed * 17 + (i >> 3)) & 0xFF);
    }
    return bytes;
}

std::string Contents(KMemStream& s)
{
    return std::string(reinterpret_cast<const char*>(s.GetData()), static_cast<size_t>(s.Size()));
}

void Fill(KMemStream& s, const std::string& bytes)
{
    s.Close();
    s.Allocate(static_cast<int>(bytes.size()));
    s.Write(bytes.data(), static_cast<int>(bytes.size()));
    s.Seek(0);
}

// What scrambling must give: byte i from the offset on plus key byte (i - offset) mod L.
std::string Expected(const std::string& data, const std::string& key, int offset)
{
    std::string out = data;
    for (size_t i = static_cast<size_t>(offset); i < out.size(); ++i) {
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) +
                                   static_cast<unsigned char>(key[(i - static_cast<size_t>(offset)) % key.size()]));
    }
    return out;
}

TEST(Scramble, RoundTripsForEveryRangeAndKeyLength)
{
    const int lengths[] = {0, 1, 7, 999, 1000, 1001, 2000, 2500, 8561, 9000};
    const int keyLengths[] = {1, 7, 1000, 1001, 8561};
    const int offsets[] = {0, 3, 1000};
    for (int keyLength : keyLengths) {
        KMemStream key;
        std::string keyBytes = Bytes(keyLength, 99);
        Fill(key, keyBytes);
        for (int length : lengths) {
            for (int offset : offsets) {
                std::string data = Bytes(length, length);
                KMemStream s;
                Fill(s, data);
                if (length == 0) {
                    s.Allocate(0);
                }
                ASSERT_TRUE(s.ScrambleStream(&key, offset)) << length;
                std::string scrambled = Contents(s);
                EXPECT_EQ(scrambled, length > offset ? Expected(data, keyBytes, offset) : data)
                    << "length " << length << " key " << keyLength << " offset " << offset;
                EXPECT_EQ(s.Tell(), s.Size());
                ASSERT_TRUE(s.UnscrambleStream(&key, offset));
                EXPECT_EQ(Contents(s), data) << "length " << length << " key " << keyLength;
            }
        }
    }
}

TEST(Scramble, OffsetLeavesEarlierBytesAndStartsTheKeyThere)
{
    KMemStream key;
    Fill(key, std::string("\x01\x02\x03", 3));
    KMemStream s;
    Fill(s, std::string("\x10\x10\x10\x10\x10\xff", 6));
    ASSERT_TRUE(s.ScrambleStream(&key, 2));
    EXPECT_EQ(Contents(s), std::string("\x10\x10\x11\x12\x13\x00", 6));
    ASSERT_TRUE(s.UnscrambleStream(&key, 2));
    EXPECT_EQ(Contents(s), std::string("\x10\x10\x10\x10\x10\xff", 6));

    KMemStream one;
    Fill(one, "\x05");
    Fill(s, std::string(2500, '\x01'));
    ASSERT_TRUE(s.ScrambleStream(&one));
    EXPECT_EQ(Contents(s), std::string(2500, '\x06'));
}

TEST(Scramble, IntoAnOutputStream)
{
    KMemStream key;
    std::string keyBytes = Bytes(10, 5);
    Fill(key, keyBytes);
    std::string data = Bytes(1500, 1);
    KMemStream s;
    Fill(s, data);
    KMemStream out;
    out.WriteText("hdr");
    ASSERT_TRUE(s.ScrambleStream(&key, 100, &out));
    EXPECT_EQ(Contents(s), data);
    EXPECT_EQ(Contents(out), "hdr" + Expected(data, keyBytes, 100).substr(100));
    // The output being the target itself works in place.
    ASSERT_TRUE(s.ScrambleStream(&key, 100, &s));
    EXPECT_EQ(Contents(s), Expected(data, keyBytes, 100));
}

TEST(Scramble, RefusesWithoutKeyOrOpenTarget)
{
    KMemStream key;
    Fill(key, "k");
    KMemStream empty;
    KMemStream closed;
    KMemStream s;
    Fill(s, "abc");
    EXPECT_FALSE(s.ScrambleStream(nullptr));
    EXPECT_FALSE(s.ScrambleStream(&empty));
    EXPECT_FALSE(s.UnscrambleStream(&empty));
    EXPECT_FALSE(closed.ScrambleStream(&key));
    EXPECT_EQ(Contents(s), "abc");
    KFile notOpen;
    EXPECT_FALSE(notOpen.ScrambleStream(&key));
    EXPECT_FALSE(s.ScrambleStream(&notOpen));
}

TEST(Scramble, FilesInPlace)
{
    std::string data = Bytes(2100, 3);
    std::string path = scratch::Path("scramble.dat");
    ASSERT_TRUE(scratch::WriteFile(path, data));
    KMemStream key;
    std::string keyBytes = Bytes(333, 8);
    Fill(key, keyBytes);
    {
        KFile f(path.c_str(), true, false, true);
        ASSERT_TRUE(f.ScrambleStream(&key, 5));
    }
    EXPECT_EQ(scratch::ReadFile(path), Expected(data, keyBytes, 5));
    {
        KFile readOnly(path.c_str());
        EXPECT_FALSE(readOnly.UnscrambleStream(&key, 5));  // cannot write back
    }
    KFile f(path.c_str(), true, false, true);
    ASSERT_TRUE(f.UnscrambleStream(&key, 5));
    f.Close();
    EXPECT_EQ(scratch::ReadFile(path), data);
}

}  // namespace
