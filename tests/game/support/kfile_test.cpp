#include "KFile.h"
#include "KMemStream.h"

#include "kstring_print.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(KFileOpen, ModesFromTheFlags)
{
    std::string path = scratch::Path("modes.txt");
    ASSERT_TRUE(scratch::WriteFile(path, "old"));
    struct Case {
        bool write;
        bool create;
        bool read;
        bool opens;
        const char* text;
        const char* after;
    };
    const Case cases[] = {
        {false, false, true, true, "x", "old"},  // "rb": writes fail
        {true, true, true, true, "new", "new"},  // "w+b"
        {true, false, true, true, "N", "New"},  // "r+b"
        {true, true, false, true, "w", "w"},  // "wb"
        {true, false, false, true, "+a", "w+a"},  // "ab"
        {false, false, false, false, "", "w+a"},  // neither read nor write
    };
    for (const Case& c : cases) {
        KFile f;
        EXPECT_EQ(f.Open(path.c_str(), c.write, c.create, c.read), c.opens);
        EXPECT_EQ(f.IsOpen(), c.opens);
        if (c.opens) {
            EXPECT_EQ(f.GetName(), path.c_str());
            f.WriteText(c.text);
        }
        f.Close();
        EXPECT_EQ(f.GetName(), "");
        EXPECT_EQ(scratch::ReadFile(path), c.after) << c.text;
    }
    KFile f;
    EXPECT_FALSE(f.Open(""));
    EXPECT_FALSE(f.Open(nullptr));
    EXPECT_FALSE(f.Open(scratch::Path("missing.txt").c_str()));
}

TEST(KFileClosed, AnswersWithoutAFile)
{
    KFile f;
    char buffer[4];
    KString out("x");
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(f.Write("ab", 2), 0);
    EXPECT_EQ(f.Read(buffer, 4), 0);
    EXPECT_FALSE(f.ReadLine(out));
    EXPECT_EQ(out, "");
    EXPECT_EQ(f.ReadString(out), 0);
    EXPECT_EQ(f.Seek(3), 0);
    EXPECT_EQ(f.Tell(), 0);
    EXPECT_FALSE(f.SetSize(3));
    EXPECT_EQ(f.Size(), 0);
    EXPECT_TRUE(f.AtEnd());
    EXPECT_EQ(f.ReadText(out), 0);
}

TEST(KFileLines, ReadLinesLoopEndsAfterTheLastLine)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"  a \r\n\r\nb", {"a", "", "b"}},
        {"a\nb\rc\r\n", {"abc"}},  // lone CR and LF are dropped
        {"", {}},
    };
    for (const Case& c : cases) {
        std::string path = scratch::Path("lines.txt");
        ASSERT_TRUE(scratch::WriteFile(path, c.bytes));
        KFile f(path.c_str());
        ASSERT_TRUE(f.IsOpen());
        std::vector<std::string> lines;
        KString line;
        while (!f.AtEnd()) {
            f.ReadLine(line);
            lines.push_back(line.c_str());
        }
        EXPECT_EQ(lines, c.lines) << c.bytes;
        EXPECT_FALSE(f.ReadLine(line));
    }
}

TEST(KFileData, WriteSeekReadAndSize)
{
    std::string path = scratch::Path("data.bin");
    KFile f(path.c_str(), true, true, true);
    ASSERT_TRUE(f.IsOpen());
    EXPECT_EQ(f.WriteLine("head"), 6);
    EXPECT_EQ(f.WriteData("\0zero\0", 6), 6);
    EXPECT_EQ(f.Size(), 12);
    EXPECT_EQ(f.Tell(), 12);
    EXPECT_TRUE(f.AtEnd());
    EXPECT_EQ(f.Seek(-1), 12);
    EXPECT_EQ(f.Seek(40), 12);
    EXPECT_EQ(f.Seek(6), 6);
    KString out;
    EXPECT_EQ(f.ReadString(out), 0);  // the zero byte is consumed, not stored
    EXPECT_EQ(f.Tell(), 7);
    EXPECT_EQ(f.ReadString(out), 4);
    EXPECT_EQ(out, "zero");
    EXPECT_TRUE(f.AtEnd());
    // Writing right after reading goes where the position is.
    f.Seek(0);
    char buffer[4] = {};
    EXPECT_EQ(f.ReadData(buffer, 2), 2);
    EXPECT_EQ(f.Write("AD", 2), 2);
    f.Seek(0);
    EXPECT_EQ(f.ReadText(out, 4), 4);
    EXPECT_EQ(out, "heAD");
    EXPECT_EQ(f.Remaining(), 8);

    EXPECT_TRUE(f.SetSize(3));
    EXPECT_EQ(f.Size(), 3);
    EXPECT_EQ(f.Tell(), 3);
    EXPECT_TRUE(f.SetSize(5));
    EXPECT_EQ(f.Size(), 5);
    f.Close();
    EXPECT_EQ(scratch::ReadFile(path), std::string("heA\0\0", 5));
}

TEST(KFileCopy, BetweenFilesAndMemory)
{
    std::string bytes;
    for (int i = 0; i < 2500; ++i) {
        bytes += static_cast<char>(i % 251);
    }
    std::string path = scratch::Path("copy.bin");
    ASSERT_TRUE(scratch::WriteFile(path, bytes));
    KFile in(path.c_str());
    KMemStream memory;
    in.Seek(10);
    EXPECT_EQ(memory.CopyFrom(&in), 2490);
    EXPECT_TRUE(in.AtEnd());
    std::string outPath = scratch::Path("copy-out.bin");
    KFile out(outPath.c_str(), true, true, false);
    memory.Seek(0);
    EXPECT_EQ(out.CopyFrom(&memory, 1500), 1500);
    EXPECT_EQ(memory.Tell(), 1500);
    out.Close();
    EXPECT_EQ(scratch::ReadFile(outPath), bytes.substr(10, 1500));
}

}  // namespace
