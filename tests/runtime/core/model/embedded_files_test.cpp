// Embedded files: lookup, memory copies, pictures, temporary files.
#include "stored_project_fixture.h"

#include <fstream>

#include "file_helpers.h"

#include "stored_format.h"

namespace {

class EmbeddedFilesTest : public StoredProjectTest {
protected:
    void SetUp() override
    {
        StoredProjectTest::SetUp();
        tempFolder = folder_.string() + "/";
        runtime_.m_embeddedFiles.makeTempFileName = [] {
            // The first name of the pattern that no file has.
            for (int n = 0;; ++n) {
                CString name;
                name.Format("%s~qbktmp%d.tmp", tempFolder.c_str(), n);
                if (!std::ifstream(name.GetString())) return name;
            }
        };
    }
    static std::string ReadAll(CMemFile* file)
    {
        std::string bytes(size_t(file->GetLength()), '\0');
        file->SeekToBegin();
        file->Read(bytes.data(), UINT(bytes.size()));
        file->SeekToBegin();
        return bytes;
    }
    static std::string tempFolder;
};
std::string EmbeddedFilesTest::tempFolder;

TEST_F(EmbeddedFilesTest, FilesAreFoundByNameWithoutRegardToCaseAndUnscrambled)
{
    const std::string bytes("\x00\x01\x3a\xff\xc6 data", 10);
    qbkw::ProjectPlan project;
    project.files.push_back({0, "Docs/Read.Me", bytes, std::nullopt, nullptr});
    project.files.push_back({0, "second", "two", std::nullopt, nullptr});
    ASSERT_TRUE(Load(project));
    EXPECT_EQ(runtime_.FindEmbeddedFile("DOCS/read.me"), 0);
    EXPECT_EQ(runtime_.FindEmbeddedFile("Second"), 1);
    EXPECT_EQ(runtime_.FindEmbeddedFile("docs/read"), -1);
    EXPECT_EQ(runtime_.OpenEmbeddedFile("missing"), nullptr);
    CMemFile* file = runtime_.OpenEmbeddedFile("docs/READ.me");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(ReadAll(file), bytes);
    EXPECT_EQ(file->GetGrowBytes(), 1024u);
}

TEST_F(EmbeddedFilesTest, ASecondOpenReturnsTheSameCopyRewoundWithoutReadingAgain)
{
    qbkw::ProjectPlan project;
    project.files.push_back({0, "a.txt", "first bytes", std::nullopt, nullptr});
    const std::string path = WriteProgram(project);
    ASSERT_TRUE(runtime_.LoadProject(path.c_str()));
    CMemFile* first = runtime_.OpenEmbeddedFile("a.txt");
    ASSERT_NE(first, nullptr);
    BYTE byte;
    first->Read(&byte, 1);
    std::filesystem::remove(path);  // the program file is not read again
    CMemFile* second = runtime_.OpenEmbeddedFile("A.TXT");
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->GetPosition(), 0u);
    EXPECT_EQ(ReadAll(second), "first bytes");
}

TEST_F(EmbeddedFilesTest, ATruncatedProgramFileIsAFailureNotAShortCopy)
{
    qbkw::ProjectPlan project;
    project.files.push_back({0, "big.bin", std::string(5000, 'z'), std::nullopt, nullptr});
    const std::string path = WriteProgram(project);
    ASSERT_TRUE(runtime_.LoadProject(path.c_str()));
    std::filesystem::resize_file(path, runtime_.m_embeddedFiles.GetAt(0)->Offset + 4000);
    EXPECT_EQ(runtime_.FindEmbeddedFile("big.bin"), -1);
    EXPECT_EQ(runtime_.OpenEmbeddedFile("big.bin"), nullptr);
    EXPECT_EQ(runtime_.m_embeddedFiles.GetAt(0)->Copy->GetLength(), 0u);
    // Once the program file is whole again, the file loads.
    WriteProgram(project);
    CMemFile* file = runtime_.OpenEmbeddedFile("big.bin");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetLength(), 5000u);
}

TEST_F(EmbeddedFilesTest, OnlyPicturesOfTheImageFolderAreConverted)
{
    static std::vector<std::string> converted;
    converted.clear();
    runtime_.m_embeddedFiles.convertPicture = [](CMemFile& file, bool png) {
        BYTE head[2] = {};
        file.Read(head, 2);
        converted.push_back(std::string(reinterpret_cast<char*>(head), 2) + (png ? "/png" : "/jpg"));
        if (head[0] == 'X') return false;
        file.SetLength(0);
        file.Write("BM", 2);
        return true;
    };
    ASSERT_TRUE(Load(R"(
file "Image/Logo.JPG" type 1 text "JFIF"
file "image/pic.png" type 1 text "PNG."
file "other/logo.jpg" type 1 text "JFIF"
file "image/readme.txt" type 0 text "text"
file "image/bad.jpg" type 1 text "XX"
file "imagery/pic.png" type 1 text "PNG."
)"));
    EXPECT_EQ(ReadAll(runtime_.OpenEmbeddedFile("image/logo.jpg")), "BM");
    EXPECT_EQ(ReadAll(runtime_.OpenEmbeddedFile("image/pic.png")), "BM");
    EXPECT_EQ(ReadAll(runtime_.OpenEmbeddedFile("other/logo.jpg")), "JFIF");
    EXPECT_EQ(ReadAll(runtime_.OpenEmbeddedFile("image/readme.txt")), "text");
    EXPECT_EQ(ReadAll(runtime_.OpenEmbeddedFile("imagery/pic.png")), "PNG.");
    EXPECT_EQ(runtime_.OpenEmbeddedFile("image/bad.jpg"), nullptr);
    EXPECT_EQ(runtime_.m_embeddedFiles.GetAt(4)->Copy->GetLength(), 0u);
    EXPECT_EQ(converted, (std::vector<std::string>{"JF/jpg", "PN/png", "XX/jpg"}));
}

TEST_F(EmbeddedFilesTest, TypeTwoFilesAreWrittenToTemporaryFilesAndRemovedWithTheProject)
{
    ASSERT_TRUE(Load(R"(
file "lib/plugin.dll" type 2 hex "4d5a0001ff"
file "keep.txt" type 0 text "no temporary file"
file "empty.dll" type 2 text ""
file "second.dll" type 2 text "two"
)"));
    const EmbeddedFile& plugin = *runtime_.m_embeddedFiles.GetAt(0);
    EXPECT_EQ(plugin.TempName, (tempFolder + "~qbktmp0.tmp").c_str());
    EXPECT_EQ(qbkw::ReadWholeFile(plugin.TempName.GetString()), std::string("\x4d\x5a\x00\x01\xff", 5));
    EXPECT_EQ(runtime_.m_embeddedFiles.GetAt(1)->TempName, "");
    EXPECT_EQ(runtime_.m_embeddedFiles.GetAt(2)->TempName, "") << "an empty file is not extracted";
    const EmbeddedFile& second = *runtime_.m_embeddedFiles.GetAt(3);
    EXPECT_EQ(second.TempName, (tempFolder + "~qbktmp1.tmp").c_str())
        << "the failed extraction left no file and the name is no one's";
    EXPECT_EQ(qbkw::ReadWholeFile(second.TempName.GetString()), "two");
    const std::string pluginPath = plugin.TempName.GetString();
    runtime_.ResetProject();
    EXPECT_FALSE(std::filesystem::exists(pluginPath));
}

TEST_F(StoredProjectTest, TypeTwoFilesGoToTheSystemTemporaryFolderByDefault)
{
    ASSERT_TRUE(Load("file \"lib.dll\" type 2 text \"MZ\"\nfile \"empty.dll\" type 2 text \"\""));
    const CString name = runtime_.m_embeddedFiles.GetAt(0)->TempName;
    ASSERT_FALSE(name.IsEmpty());
    EXPECT_EQ(name.Left(GetTempFolder().GetLength()), GetTempFolder());
    EXPECT_GE(name.Find("~qbktmp"), 0);
    EXPECT_EQ(qbkw::ReadWholeFile(name.GetString()), "MZ");
    EXPECT_EQ(runtime_.m_embeddedFiles.GetAt(1)->TempName, "");
    runtime_.ResetProject();
    EXPECT_FALSE(std::filesystem::exists(name.GetString()));
}

TEST_F(EmbeddedFilesTest, ExtractingRefusesNullEmptyAndUnwritable)
{
    ASSERT_TRUE(Load("file \"a.bin\" type 0 text \"abc\"\nfile \"e.bin\" type 0 text \"\""));
    CMemFile* a = runtime_.OpenEmbeddedFile("a.bin");
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(runtime_.ExtractEmbeddedFile(nullptr, Path("x").c_str()));
    EXPECT_FALSE(runtime_.ExtractEmbeddedFile(runtime_.OpenEmbeddedFile("e.bin"), Path("e").c_str()));
    EXPECT_FALSE(runtime_.ExtractEmbeddedFile(a, Path("no/such/folder/x").c_str()));
    BYTE byte;
    a->Read(&byte, 1);
    ASSERT_TRUE(runtime_.ExtractEmbeddedFile(a, Path("out.bin").c_str()));
    EXPECT_EQ(qbkw::ReadWholeFile(Path("out.bin")), "abc");
    EXPECT_EQ(a->GetPosition(), 0u);
    CMemFile own;
    own.Write("xyz", 3);
    ASSERT_TRUE(runtime_.ExtractEmbeddedFile(&own, Path("own.bin").c_str()));
    EXPECT_EQ(qbkw::ReadWholeFile(Path("own.bin")), "xyz");
}

}  // namespace
