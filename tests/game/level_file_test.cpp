// Level texts from "level.dat" records, lesson files and streams.
#include "KFile.h"
#include "KMemStream.h"
#include "level.h"
#include "level_file.h"
#include "track.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Text(KMemStream& stream)
{
    stream.Seek(0);
    KString text;
    stream.ReadText(text, -1);
    return std::string(text.c_str(), static_cast<size_t>(text.Length()));
}

KMemStream* Stream(const std::string& bytes)
{
    auto* stream = new KMemStream;
    stream->Write(bytes.data(), static_cast<int>(bytes.size()));
    stream->Seek(0);
    return stream;
}

const std::string kRecords =
    std::string("5\r\nfirst") + "0\r\n" + std::string("13\r\nthird\r\n\0third", 17) + "3\r\nend";

TEST(LevelRecords, EachRecordByItsIndex)
{
    std::unique_ptr<KMemStream> levels(Stream(kRecords));
    levels->Seek(7);  // read from the start whatever the position
    KMemStream out;
    const char* expected[] = {"first", "", nullptr, "end"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(LevelFile::ReadRecord(levels.get(), i, &out)) << i;
        EXPECT_EQ(i == 2 ? std::string("third\r\n\0third", 13) : expected[i], Text(out)) << i;
    }
    out.Write("stale", 5);
    EXPECT_FALSE(LevelFile::ReadRecord(levels.get(), 4, &out));
    EXPECT_EQ(0, out.Size()) << "no stale text is left behind";
    EXPECT_FALSE(LevelFile::ReadRecord(levels.get(), -1, &out));
    EXPECT_FALSE(LevelFile::ReadRecord(nullptr, 0, &out));
    EXPECT_FALSE(LevelFile::ReadRecord(levels.get(), 0, nullptr));
}

TEST(LevelRecords, LyingLengthsFail)
{
    struct Case {
        const char* bytes;
        int index;
    };
    const Case cases[] = {{"9\r\nshort", 0}, {"-3\r\nabc", 0}, {"2\r\nab99\r\nx", 1}, {"", 0}, {"abc", 1}};
    for (const Case& c : cases) {
        std::unique_ptr<KMemStream> levels(Stream(c.bytes));
        KMemStream out;
        EXPECT_FALSE(LevelFile::ReadRecord(levels.get(), c.index, &out)) << c.bytes;
        EXPECT_EQ(0, out.Size());
    }
}

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        old = fs::current_path();
        dir = fs::temp_directory_path() /
              (std::string("zv_levels_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
    }
    void TearDown() override
    {
        fs::current_path(old);
        fs::remove_all(dir);
    }
    static void WriteFile(const char* name, const std::string& bytes)
    {
        KFile file(name, true, true, false);
        file.Write(bytes.data(), static_cast<int>(bytes.size()));
    }
    fs::path old, dir;
};

TEST_F(ScratchFolder, RecordsOfAScrambledFile)
{
    std::unique_ptr<KMemStream> key(Stream("k3y!"));
    std::unique_ptr<KMemStream> plain(Stream(kRecords));
    KMemStream scrambled;
    ASSERT_TRUE(plain->ScrambleStream(key.get(), 0, &scrambled));
    WriteFile("level.dat", Text(scrambled));
    KMemStream out;
    ASSERT_TRUE(LevelFile::LoadRecord("level.dat", key.get(), 3, &out));
    EXPECT_EQ("end", Text(out));
    EXPECT_FALSE(LevelFile::LoadRecord("missing.dat", key.get(), 0, &out));
    EXPECT_EQ(0, out.Size());
    KMemStream emptyKey;
    EXPECT_FALSE(LevelFile::LoadRecord("level.dat", &emptyKey, 0, &out));
    EXPECT_FALSE(LevelFile::LoadRecord("level.dat", nullptr, 0, &out));
}

TEST(LessonFiles, NamesAndRange)
{
    EXPECT_EQ(KString("help\\lesson1.dat"), LevelFile::LessonFileName(1));
    EXPECT_EQ(KString("help\\lesson5.dat"), LevelFile::LessonFileName(5));
    KMemStream out;
    EXPECT_FALSE(LevelFile::LoadLesson(0, &out));
    EXPECT_FALSE(LevelFile::LoadLesson(6, &out));
    EXPECT_FALSE(LevelFile::LoadLesson(1, nullptr));
}

#ifdef _WIN32
TEST_F(ScratchFolder, LessonsAreReadFromTheHelpFolder)
{
    fs::create_directory("help");
    WriteFile("help\\lesson2.dat", "30,30,30\r\n................................\r\n");
    KMemStream out;
    ASSERT_TRUE(LevelFile::LoadLesson(2, &out));
    Track track;
    ASSERT_TRUE(Level::Parse(track, &out));
    EXPECT_EQ(14, track.GetPieceCount());
    EXPECT_FALSE(LevelFile::LoadLesson(3, &out));
    EXPECT_EQ(0, out.Size());
}
#endif

TEST(LevelParse, ReadsTheWholeStreamFromItsStart)
{
    std::unique_ptr<KMemStream> text(Stream("7,8,9\r\n................................\r\n"));
    text->Seek(text->Size());
    Track track;
    ASSERT_TRUE(Level::Parse(track, text.get()));
    EXPECT_EQ(14, track.GetPieceCount());
    EXPECT_EQ(8, track.GetTimeLimit(1));
    EXPECT_FALSE(Level::Parse(track, nullptr));
}

TEST(LevelParse, AnEmptyTextGivesFillersOnly)
{
    KMemStream nothing;  // what is left when "level.dat" could not be read
    Track track;
    ASSERT_TRUE(Level::Parse(track, &nothing));
    EXPECT_EQ(13, track.GetPieceCount());
    EXPECT_EQ(0, track.GetTimeLimit(0));
}

}  // namespace
