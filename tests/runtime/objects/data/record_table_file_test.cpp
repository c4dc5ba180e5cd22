// Loading and saving disk files: a save that fails never harms the file that was there.
#include <gtest/gtest.h>

#include <filesystem>

#include "record_table_fixture.h"
#include "scratch_folder.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;

class RecordTableFileTest : public ScratchFolderTest {
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        Fill(table, {"Name", "Note"}, {{"Ann", "two\r\nlines"}, {"Bob", "say \"hi\""}});
    }
    // Names of everything in the folder.
    Texts Entries() const
    {
        Texts names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    CRecordTable table;
};

TEST_F(RecordTableFileTest, SavesAndLoadsBothFormats)
{
    for (int format : {CRecordTable::kLinesFormat, CRecordTable::kCsvFormat}) {
        SCOPED_TRACE(format);
        ASSERT_TRUE(table.SaveFile(Path("table.txt"), format));
        EXPECT_EQ(Saved(table, format), ReadBytes("table.txt"));
        CRecordTable loaded;
        ASSERT_TRUE(loaded.LoadFile(Path("table.txt"), format));
        EXPECT_EQ(Columns(table), Columns(loaded));
        EXPECT_EQ(Cells(table), Cells(loaded));
    }
    // A longer file replaced by a shorter one is gone whole.
    WriteBytes("table.txt", std::string(100000, 'x'));
    ASSERT_TRUE(table.SaveFile(Path("table.txt"), CRecordTable::kCsvFormat));
    EXPECT_EQ(Saved(table, CRecordTable::kCsvFormat), ReadBytes("table.txt"));
    EXPECT_EQ((Texts{"table.txt"}), Entries());
}

TEST_F(RecordTableFileTest, FilesThatCannotBeReadLeaveTheTableAlone)
{
    WriteBytes("empty.txt", "");
    fs::create_directory(dir_ / "folder.txt");
    for (const char* name : {"missing.txt", "empty.txt", "folder.txt"}) {
        EXPECT_FALSE(table.LoadFile(Path(name), CRecordTable::kLinesFormat)) << name;
        EXPECT_EQ(2, table.GetRowCount()) << name;
    }
    WriteBytes("good.txt", "1\r\nA\r\n");
    EXPECT_FALSE(table.LoadFile(Path("good.txt"), 5));
    EXPECT_EQ(2, table.GetRowCount());
    EXPECT_FALSE(table.LoadFile("", CRecordTable::kLinesFormat));
}

TEST_F(RecordTableFileTest, ADiskFileStreamIsReadFromItsStartAndKeepsItsPosition)
{
    WriteBytes("stream.txt", "A;B\r\n1;2\r\n");
    CFile file;
    ASSERT_TRUE(file.Open(Path("stream.txt"), CFile::modeRead));
    file.Seek(7, CFile::begin);
    ASSERT_TRUE(table.LoadStream(&file, CRecordTable::kCsvFormat));
    EXPECT_EQ(7u, file.GetPosition());
    EXPECT_EQ((Grid{{"1", "2"}}), Cells(table));
}

TEST_F(RecordTableFileTest, SavesThatCannotBeMadeLeaveTheOldFile)
{
    WriteBytes("old.txt", "old contents");
    // An unknown format writes nothing at all.
    EXPECT_FALSE(table.SaveFile(Path("old.txt"), 2));
    EXPECT_EQ("old contents", ReadBytes("old.txt"));
    // A folder in the file's place, a folder that is not there, no name.
    fs::create_directories(dir_ / "folder.txt" / "inside");
    EXPECT_FALSE(table.SaveFile(Path("folder.txt"), CRecordTable::kLinesFormat));
    EXPECT_FALSE(table.SaveFile(Path("missing") + Sep() + "x.txt", CRecordTable::kLinesFormat));
    EXPECT_FALSE(table.SaveFile("", CRecordTable::kLinesFormat));
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.txt" / "inside"));
    EXPECT_EQ((Texts{"folder.txt", "old.txt"}), Entries());
}

#ifdef _WIN32
TEST_F(RecordTableFileTest, AReadOnlyFileIsNotReplaced)
{
    WriteBytes("locked.txt", "old contents");
    ASSERT_TRUE(SetFileAttributesA(Path("locked.txt"), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(table.SaveFile(Path("locked.txt"), CRecordTable::kCsvFormat));
    EXPECT_EQ("old contents", ReadBytes("locked.txt"));
    EXPECT_EQ((Texts{"locked.txt"}), Entries());
    SetFileAttributesA(Path("locked.txt"), FILE_ATTRIBUTE_NORMAL);
}
#else
TEST_F(RecordTableFileTest, AFullDiskKeepsTheOldFile)
{
    WriteBytes("old.txt", "old contents");
    for (int r = 0; r < 5000; ++r) table.SetCell(0, table.InsertRow(-1), "a row long enough to fill the disk");
    // Files may grow to 4096 bytes only: the save fails part way through.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    const bool lines = table.SaveFile(Path("old.txt"), CRecordTable::kLinesFormat);
    const bool csv = table.SaveFile(Path("old.txt"), CRecordTable::kCsvFormat);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(lines);
    EXPECT_FALSE(csv);
    EXPECT_EQ("old contents", ReadBytes("old.txt"));
    EXPECT_EQ((Texts{"old.txt"}), Entries());
}
#endif

}  // namespace
