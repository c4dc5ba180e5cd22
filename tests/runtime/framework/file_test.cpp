#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "fw_file.h"

namespace {

class CFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("qbkfw_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};

}  // namespace

TEST_F(CFileTest, CreateWriteReadBack)
{
    std::string name = Path("a.bin");
    {
        CFile f;
        ASSERT_TRUE(f.Open(name.c_str(), CFile::modeCreate | CFile::modeWrite));
        f.Write("ab\r\ncd", 6);
        EXPECT_EQ(f.GetLength(), 6u);
    }
    CFile f(name.c_str(), CFile::modeRead | CFile::shareDenyNone);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, sizeof buf), 6u);  // bytes as they are, CR LF included
    EXPECT_EQ(std::string(buf, 6), "ab\r\ncd");
    EXPECT_EQ(f.Read(buf, 4), 0u);
    EXPECT_EQ(f.Seek(2, CFile::begin), 2u);
    EXPECT_EQ(f.Read(buf, 2), 2u);
    EXPECT_EQ(std::string(buf, 2), "\r\n");
    EXPECT_EQ(f.GetFileName(), "a.bin");
    EXPECT_THROW(f.Write("x", 1), CFileException);  // opened for reading
    EXPECT_THROW(f.Seek(-1, CFile::begin), CFileException);
    EXPECT_EQ(f.GetPosition(), 4u);
}

TEST_F(CFileTest, LengthAndRelativeSeeksBetweenReadsLoseNoBytes)
{
    std::string name = Path("c.bin");
    {
        CFile f(name.c_str(), CFile::modeCreate | CFile::modeWrite);
        for (int i = 0; i < 5000; ++i) {
            const char c = char(i % 251);
            f.Write(&c, 1);
        }
    }
    CFile f(name.c_str(), CFile::modeRead);
    unsigned char buf[10] = {};
    ASSERT_EQ(f.Read(buf, 10), 10u);
    EXPECT_EQ(f.GetLength(), 5000u);
    EXPECT_EQ(f.GetPosition(), 10u);
    ASSERT_EQ(f.Read(buf, 10), 10u);
    EXPECT_EQ(buf[0], 10);
    EXPECT_EQ(f.Seek(5, CFile::current), 25u);
    ASSERT_EQ(f.Read(buf, 1), 1u);
    EXPECT_EQ(buf[0], 25);
}

TEST_F(CFileTest, OpenFailuresAreResults)
{
    CFile f;
    CFileException e;
    EXPECT_FALSE(f.Open(Path("missing.txt").c_str(), CFile::modeRead, &e));
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(f.Open(dir_.string().c_str(), CFile::modeRead));  // a folder is not a file
    EXPECT_FALSE(f.Open("", CFile::modeRead));
    EXPECT_THROW(CFile(Path("missing.txt").c_str(), CFile::modeRead), CFileException);
}

TEST_F(CFileTest, NoTruncateKeepsContentAndAppendAtEnd)
{
    std::string name = Path("b.txt");
    {
        CFile f(name.c_str(), CFile::modeCreate | CFile::modeWrite);
        f.Write("12345", 5);
    }
    {
        CFile f(name.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(f.GetLength(), 5u);
        EXPECT_EQ(f.SeekToEnd(), 5u);
        f.Write("6", 1);
        f.SeekToBegin();
        char c = 0;
        EXPECT_EQ(f.Read(&c, 1), 1u);
        EXPECT_EQ(c, '1');
        f.Write("X", 1);  // a write right after a read lands at the position
        f.SetLength(3);
        EXPECT_EQ(f.GetLength(), 3u);
    }
    CFile f(name.c_str(), CFile::modeRead);
    char buf[8] = {};
    EXPECT_EQ(f.Read(buf, 8), 3u);
    EXPECT_EQ(std::string(buf, 3), "1X3");
}

TEST_F(CFileTest, RemoveAndRenameRaiseWhenRefused)
{
    std::string a = Path("a"), b = Path("b");
    {
        CFile f(a.c_str(), CFile::modeCreate | CFile::modeWrite);
    }
    {
        CFile f(b.c_str(), CFile::modeCreate | CFile::modeWrite);
    }
    EXPECT_THROW(CFile::Rename(a.c_str(), b.c_str()), CFileException);  // never replaces
    CFile::Remove(b.c_str());
    CFile::Rename(a.c_str(), b.c_str());
    EXPECT_FALSE(std::filesystem::exists(a));
    EXPECT_THROW(CFile::Remove(a.c_str()), CFileException);
}

TEST(CMemFileTest, GrowsInStepsOfTheGrowthSize)
{
    CMemFile m;
    EXPECT_EQ(m.GetLength(), 0u);
    EXPECT_EQ(m.GetBufferSize(), 0u);
    m.Write("abc", 3);
    EXPECT_EQ(m.GetBufferSize(), 1024u);
    std::string block(1500, 'z');
    m.Write(block.data(), static_cast<UINT>(block.size()));
    EXPECT_EQ(m.GetLength(), 1503u);
    EXPECT_EQ(m.GetBufferSize(), 2048u);
    CMemFile small(10);
    small.Write("0123456789A", 11);
    EXPECT_EQ(small.GetBufferSize(), 20u);
}

TEST(CMemFileTest, ReadWriteSeekAndLength)
{
    CMemFile m;
    m.Write("hello", 5);
    EXPECT_EQ(m.GetPosition(), 5u);
    m.SeekToBegin();
    char buf[8] = {};
    EXPECT_EQ(m.Read(buf, 8), 5u);
    EXPECT_EQ(m.Read(buf, 8), 0u);
    m.Seek(-2, CFile::end);
    m.Write("LO!", 3);
    EXPECT_EQ(m.GetLength(), 6u);
    EXPECT_EQ(std::memcmp(m.Data(), "helLO!", 6), 0);
    EXPECT_THROW(m.Seek(-1, CFile::begin), CFileException);
    EXPECT_EQ(m.GetPosition(), 6u);
    m.Seek(10, CFile::begin);  // past the end: a write fills the gap with zeros
    EXPECT_EQ(m.Read(buf, 1), 0u);
    m.Write("x", 1);
    EXPECT_EQ(m.GetLength(), 11u);
    EXPECT_EQ(m.Data()[7], 0);
    m.SetLength(2);
    EXPECT_EQ(m.GetPosition(), 2u);
    m.SetLength(4);
    EXPECT_EQ(std::memcmp(m.Data(), "he\0\0", 4), 0);
}

TEST(CMemFileTest, AttachAndDetach)
{
    BYTE fixed[4] = {'a', 'b', 'c', 'd'};
    CMemFile m(fixed, 4);
    EXPECT_EQ(m.GetLength(), 4u);
    char buf[4];
    EXPECT_EQ(m.Read(buf, 4), 4u);
    EXPECT_THROW(m.Write("e", 1), CMemoryException);  // a fixed block never grows
    m.Close();
    m.Write("new", 3);  // after closing it is an ordinary growing file again
    EXPECT_EQ(fixed[0], 'a');
    BYTE* block = m.Detach();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::memcmp(block, "new", 3), 0);
    std::free(block);
    EXPECT_EQ(m.GetLength(), 0u);

    BYTE start[2] = {'x', 'y'};
    CMemFile g(start, 2, 16);  // starts empty in the caller's block and moves out when it grows
    g.Write("12", 2);
    g.Write("345", 3);
    EXPECT_EQ(g.GetLength(), 5u);
    EXPECT_EQ(start[0], '1');
    EXPECT_EQ(std::memcmp(g.Data(), "12345", 5), 0);
}

TEST(CMemFileTest, WorksThroughTheFileInterface)
{
    CMemFile m;
    CFile& f = m;
    f.Write("abc", 3);
    f.SeekToBegin();
    char c;
    EXPECT_EQ(f.Read(&c, 1), 1u);
    EXPECT_EQ(c, 'a');
    EXPECT_EQ(f.GetLength(), 3u);
}
