#include "KMemStream.h"

#include "kstring_print.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Contents(KMemStream& s)
{
    return std::string(reinterpret_cast<const char*>(s.GetData()), static_cast<size_t>(s.Size()));
}

void Fill(KMemStream& s, const std::string& bytes)
{
    s.Close();
    s.WriteText(bytes.c_str(), static_cast<int>(bytes.size()));
    s.Seek(0);
}

TEST(KMemStreamBlock, GrowsInSteps)
{
    struct Case {
        int size;
        int capacity;
    };
    const Case cases[] = {{0, 1024}, {1023, 1024}, {1024, 2048}, {2047, 2048}, {-1, 1024}};
    for (const Case& c : cases) {
        EXPECT_EQ(KMemStream::CapacityFor(c.size), c.capacity) << c.size;
    }
    KMemStream s;
    EXPECT_FALSE(s.IsOpen());
    EXPECT_TRUE(s.AtEnd());
    ASSERT_TRUE(s.Allocate(1024));
    EXPECT_EQ(s.Capacity(), 2048);
    EXPECT_EQ(s.Size(), 1024);
    EXPECT_EQ(s.Tell(), 0);
    s.Close();
    EXPECT_FALSE(s.IsOpen());
    EXPECT_EQ(s.Size(), 0);
    EXPECT_EQ(s.Capacity(), 0);
}

TEST(KMemStreamPosition, SeekWriteRead)
{
    KMemStream s;
    Fill(s, "abcdef");
    struct SeekCase {
        int to;
        int at;
    };
    for (SeekCase c : {SeekCase{-5, 6}, SeekCase{7, 6}, SeekCase{0, 0}, SeekCase{6, 6}, SeekCase{3, 3}}) {
        EXPECT_EQ(s.Seek(c.to), c.at) << c.to;
        EXPECT_EQ(s.Tell(), c.at);
    }
    s.Seek(4);
    EXPECT_EQ(s.Write("0123456789", 10), 10);
    EXPECT_EQ(s.Size(), 14);
    EXPECT_EQ(s.Tell(), 14);
    EXPECT_EQ(Contents(s), "abcd0123456789");
    EXPECT_EQ(s.Write("x", 0), 0);
    EXPECT_EQ(s.Write(nullptr, 3), 0);

    s.Seek(2);
    char buffer[8] = {};
    EXPECT_EQ(s.Read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "cd0");
    EXPECT_EQ(s.Remaining(), 9);
    EXPECT_EQ(s.Read(buffer, 0), 0);
    s.Seek(12);
    EXPECT_EQ(s.Read(buffer, 8), 2);
    EXPECT_TRUE(s.AtEnd());
    EXPECT_EQ(s.Read(buffer, 8), 0);
}

TEST(KMemStreamPosition, WriteFromItsOwnBlockWhileGrowing)
{
    KMemStream s;
    std::string text(1000, 'q');
    Fill(s, text);
    s.Seek(1000);
    EXPECT_EQ(s.Write(s.GetData(), 1000), 1000);  // the block moves to 2048 bytes
    EXPECT_EQ(Contents(s), std::string(2000, 'q'));
}

TEST(KMemStreamText, ReadTextAndReadString)
{
    KMemStream s;
    Fill(s, std::string("name\0rest", 9));
    KString out;
    EXPECT_EQ(s.ReadString(out), 5);  // the zero byte counts
    EXPECT_STREQ(out.c_str(), "name");
    EXPECT_EQ(s.Tell(), 5);
    EXPECT_EQ(s.ReadString(out), 4);
    EXPECT_EQ(out, "rest");
    EXPECT_EQ(s.ReadText(out, -1), 0);
    EXPECT_EQ(out, "");
    s.Seek(1);
    EXPECT_EQ(s.ReadText(out, 3), 3);
    EXPECT_EQ(out, "ame");
    EXPECT_EQ(s.ReadText(out, 100), 5);
    EXPECT_EQ(out.Length(), 5);
    s.Seek(0);
    EXPECT_EQ(s.ReadText(out), 9);
}

TEST(KMemStreamText, ReadLineEndsAtCrLfOnly)
{
    struct Case {
        std::string bytes;
        bool keepBlanks;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb", false, {"a", "b"}},
        {"a\r\n", false, {"a"}},
        {"a\r\n\r\nb\r\n", false, {"a", "", "b"}},
        {"a\nb\rc\r\nd", false, {"a\nb\rc", "d"}},
        {"  x \t\r\n", false, {"x"}},
        {"  x \t\r\n", true, {"  x \t"}},
        {"\r", false, {"\r"}},
    };
    for (const Case& c : cases) {
        KMemStream s;
        Fill(s, c.bytes);
        std::vector<std::string> lines;
        KString line;
        while (!s.AtEnd()) {
            ASSERT_TRUE(s.ReadLine(line, c.keepBlanks));
            lines.push_back(line.c_str());
        }
        EXPECT_FALSE(s.ReadLine(line));
        EXPECT_EQ(line, "");
        EXPECT_EQ(lines, c.lines) << c.bytes;
    }
    KMemStream s;
    Fill(s, "a\r\nb");
    KString line;
    s.ReadLine(line);
    EXPECT_EQ(s.Tell(), 3);
    EXPECT_EQ(s.WriteLine("cd"), 4);
    EXPECT_EQ(Contents(s), "a\r\ncd\r\n");
}

TEST(KMemStreamEdit, SetSizeKeepsThePositionAtTheEnd)
{
    struct Case {
        int size;
        int position;
        int newSize;
        int newPosition;
        const char* after;
    };
    const Case cases[] = {
        {6, 5, 3, 3, "abc"},  // a position beyond the cut goes to the new end
        {6, 6, 6, 6, "abcdef"},  // cutting at the current end leaves the position there
        {6, 3, 3, 3, "abc"},    {6, 2, 4, 2, "abcd"}, {6, 4, 0, 0, ""}, {6, 6, 8, 6, "abcdef"},
    };
    for (const Case& c : cases) {
        KMemStream s;
        Fill(s, std::string("abcdef").substr(0, static_cast<size_t>(c.size)));
        s.Seek(c.position);
        EXPECT_TRUE(s.SetSize(c.newSize));
        EXPECT_EQ(s.Size(), c.newSize);
        EXPECT_EQ(s.Tell(), c.newPosition) << c.newSize;
        EXPECT_EQ(Contents(s).substr(0, 6), std::string(c.after).substr(0, 6));
        // Writing after the cut appends instead of overwriting the last byte.
        s.Seek(s.Size());
        s.WriteText("Z");
        EXPECT_EQ(s.Size(), c.newSize + 1);
    }
    KMemStream grown;
    Fill(grown, "ab");
    grown.SetSize(8);
    EXPECT_EQ(Contents(grown), std::string("ab\0\0\0\0\0\0", 8));
}

TEST(KMemStreamEdit, InsertAndRemove)
{
    KMemStream s;
    Fill(s, "abcdef");
    s.Seek(2);
    EXPECT_FALSE(s.Insert(-1, 2));
    EXPECT_FALSE(s.Insert(7, 2));
    EXPECT_FALSE(s.Insert(2, 0));
    ASSERT_TRUE(s.Insert(2, 3));
    EXPECT_EQ(s.Size(), 9);
    EXPECT_EQ(s.Tell(), 2);
    s.WriteText("XYZ");
    EXPECT_EQ(Contents(s), "abXYZcdef");
    ASSERT_TRUE(s.Insert(9, 1));
    EXPECT_EQ(s.Size(), 10);

    struct RemoveCase {
        int pos;
        int n;
        bool ok;
    };
    const RemoveCase bad[] = {{-1, 1, false}, {10, 1, false}, {2, 0, false}, {8, 3, false}};
    for (const RemoveCase& c : bad) {
        EXPECT_EQ(s.Remove(c.pos, c.n), c.ok) << c.pos << " " << c.n;
    }
    EXPECT_EQ(s.Size(), 10);
    s.SetSize(9);
    ASSERT_TRUE(s.Remove(2, 3));
    EXPECT_EQ(Contents(s), "abcdef");
    s.Seek(6);
    ASSERT_TRUE(s.Remove(4, 2));  // cut at the end while positioned there
    EXPECT_EQ(s.Tell(), 4);
    EXPECT_EQ(Contents(s), "abcd");

    // A large stream shrinks its block when bytes are removed.
    KMemStream big;
    big.Allocate(5000);
    ASSERT_TRUE(big.Remove(0, 4500));
    EXPECT_EQ(big.Capacity(), 1024);
}

TEST(KMemStreamCopy, ChunksFromMemoryAndIntoItself)
{
    std::string bytes;
    for (int i = 0; i < 3500; ++i) {
        bytes += static_cast<char>(i * 7);
    }
    KMemStream source;
    Fill(source, bytes);
    source.Seek(500);
    KMemStream target;
    EXPECT_EQ(target.CopyFrom(&source, -1), 3000);
    EXPECT_EQ(Contents(target), bytes.substr(500));
    EXPECT_TRUE(source.AtEnd());
    EXPECT_EQ(target.CopyFrom(&source), 0);
    EXPECT_EQ(target.CopyFrom(nullptr), 0);
    source.Seek(100);
    target.Close();
    EXPECT_EQ(target.CopyFrom(&source, 50), 50);
    EXPECT_EQ(source.Tell(), 150);
    EXPECT_EQ(Contents(target), bytes.substr(100, 50));

    // Into itself: the bytes stay as they are and the position moves past them.
    source.Seek(0);
    EXPECT_EQ(source.CopyFrom(&source), 3500);
    EXPECT_EQ(Contents(source), bytes);
    EXPECT_EQ(source.Tell(), 3500);
    source.Seek(1200);
    EXPECT_EQ(source.CopyFrom(&source, 2000), 2000);
    EXPECT_EQ(source.Tell(), 3200);
    EXPECT_EQ(Contents(source), bytes);
}

TEST(KMemStreamFile, LoadAndSave)
{
    std::string bytes("line one\r\nline two\0binary\xff", 27);
    std::string path = scratch::Path("load.bin");
    ASSERT_TRUE(scratch::WriteFile(path, bytes));
    KMemStream s;
    ASSERT_TRUE(s.LoadFile(path.c_str()));
    EXPECT_EQ(s.Tell(), 0);
    EXPECT_EQ(Contents(s), bytes);
    s.Seek(s.Size());
    s.WriteLine("more");
    std::string saved = scratch::Path("saved.bin");
    ASSERT_TRUE(s.SaveFile(saved.c_str()));
    EXPECT_EQ(scratch::ReadFile(saved), bytes + "more\r\n");

    // Failures leave the stream as it was.
    EXPECT_FALSE(s.LoadFile(""));
    EXPECT_FALSE(s.LoadFile(nullptr));
    EXPECT_FALSE(s.LoadFile(scratch::Path("missing.bin").c_str()));
    EXPECT_EQ(s.Size(), 33);
    EXPECT_FALSE(s.SaveFile(""));
    EXPECT_FALSE(s.SaveFile(scratch::Path("no-such-folder/x.bin").c_str()));

    std::string empty = scratch::Path("empty.bin");
    ASSERT_TRUE(scratch::WriteFile(empty, ""));
    ASSERT_TRUE(s.LoadFile(empty.c_str()));
    EXPECT_TRUE(s.IsOpen());
    EXPECT_EQ(s.Size(), 0);
}

}  // namespace
