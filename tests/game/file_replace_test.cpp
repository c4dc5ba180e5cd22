// Saving over a file: the old contents survive every failure.
#include "file_replace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;

namespace {

class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / (std::string("zv_replace_") + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        target = (dir / "score.dat").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string Read(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    bool Replace(const std::string& bytes) { return ReplaceFileContents(target.c_str(), bytes.data(), bytes.size()); }
    bool OnlyTargetLeft() const
    {
        int entries = 0;
        for (const auto& entry : fs::directory_iterator(dir))
            entries += entry.path().filename() == "score.dat" ? 1 : 100;
        return entries <= 1;
    }

    fs::path dir;
    std::string target;
};

TEST_F(ReplaceFileTest, CreatesAndReplacesWholeFiles)
{
    ASSERT_TRUE(Replace(std::string("first\0bytes", 11)));
    EXPECT_EQ(std::string("first\0bytes", 11), Read(target));
    ASSERT_TRUE(Replace("2nd"));
    EXPECT_EQ("2nd", Read(target));
    ASSERT_TRUE(Replace(""));
    EXPECT_EQ("", Read(target));
    EXPECT_TRUE(fs::exists(target));
    EXPECT_TRUE(OnlyTargetLeft());
}

TEST_F(ReplaceFileTest, FailuresKeepTheOldFile)
{
    Write(target, "old contents");
    // The temporary file cannot be made.
    fs::create_directory(target + ".tmp");
    EXPECT_FALSE(Replace("new"));
    EXPECT_EQ("old contents", Read(target));
    fs::remove(target + ".tmp");
    EXPECT_TRUE(OnlyTargetLeft());
    // No folder to write in.
    EXPECT_FALSE(ReplaceFileContents((dir / "missing" / "x.dat").string().c_str(), "a", 1));
    EXPECT_FALSE(ReplaceFileContents("", "a", 1));
    EXPECT_FALSE(ReplaceFileContents(nullptr, "a", 1));
    EXPECT_FALSE(ReplaceFileContents(target.c_str(), nullptr, 1));
    EXPECT_EQ("old contents", Read(target));
}

TEST_F(ReplaceFileTest, ATargetThatCannotBeReplacedLeavesNoTemporaryFile)
{
    fs::create_directories(fs::path(target) / "inside");
    EXPECT_FALSE(Replace("new"));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_FALSE(fs::exists(target + ".tmp"));
}

#ifndef _WIN32
// A disk that fills up: files may grow to 64 bytes only. Saves of a real table's size fit the
// C library's buffer, so the write itself succeeds and only the flush or the close finds out.
TEST_F(ReplaceFileTest, AFullDiskKeepsTheOldFile)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    for (size_t size : {65, 500, 3000, 100000}) {
        SCOPED_TRACE(size);
        Write(target, "old contents");
        rlimit small = old;
        small.rlim_cur = 64;
        ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
        const bool saved = Replace(std::string(size, 'x'));
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_FALSE(saved);
        EXPECT_EQ("old contents", Read(target));
        EXPECT_TRUE(OnlyTargetLeft());
    }
}
#endif

}  // namespace
