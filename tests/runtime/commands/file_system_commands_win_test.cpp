// Files and folders on Wine's file system through the FileSystem commands: paths cut into parts,
// copies and appends, packing, deleting and moving, folders, listings, disk space, the shell.

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "file_script_test.h"

namespace {

class FileSystemCommandsTest : public FileScriptTest {
protected:
    // The program initialises COM at start-up; shortcuts need it.
    void SetUp() override
    {
        FileScriptTest::SetUp();
        CoInitialize(nullptr);
    }
    void TearDown() override
    {
        CoUninitialize();
        FileScriptTest::TearDown();
    }
    // The value of the expression (run in MAIN; the script may hold lines before it).
    CString Eval(const std::string& expression, const std::string& before = "", const std::string& more = "")
    {
        Start(kFileSystemWords + std::string("window MAIN\n  event 0\n") +
              Indent(before + "@Application.Return(" + expression + ")\n") + more);
        return Run("MAIN", 0);
    }
};

TEST_F(FileSystemCommandsTest, PathsCutIntoParts)
{
    struct Case {
        const char *expression, *part;
    } cases[] = {
        {"@FileSystem.Ext(\"C:\\\\a\\\\b.txt\")", ".txt"},
        {"@FileSystem.Ext(\"C:\\\\my.dir\\\\file\")", ""},
        {"@FileSystem.Ext(\"name.\")", "."},
        {"@FileSystem.Title(\"C:\\\\a\\\\b.txt\")", "b"},
        {"@FileSystem.Title(\"C:\\\\dir\\\\file\")", "file"},
        {"@FileSystem.Title(\"archive.tar.gz\")", "archive.tar"},
        {"@FileSystem.Name(\"C:\\\\a\\\\b.txt\")", "b.txt"},
        {"@FileSystem.Name(\"d/e.txt\")", "e.txt"},
        {"@FileSystem.Name(\"plain\")", "plain"},
        {"@FileSystem.Drive(\"C:dir\")", "C:\\"},
        {"@FileSystem.Drive(\"\\\\\\\\server\\\\share\\\\x\")", "\\"},
        {"@FileSystem.Drive(\"relative\\\\x\")", ""},
        {"@FileSystem.SplitPath(\"C:\\\\dir\\\\sub\\\\f.txt\")", "dir\\sub\\"},
        {"@FileSystem.SplitPath(\"a\\\\b\")", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Eval(c.expression), std::string(c.part)) << c.expression;
}

TEST_F(FileSystemCommandsTest, CopiesAndAppendsNeverEatTheirSource)
{
    WriteFile("a.txt", "abc");
    WriteFile("empty.txt", "");
    EXPECT_EQ(Eval("@FileSystem.Copy(" + Q("a.txt") + ", " + Q("b.txt") + ") & @FileSystem.Copy(" + Q("a.txt") + ", " +
                   Q("a.txt") + ") & @FileSystem.Copy(" + Q("empty.txt") + ", " + Q("c.txt") + ") & @FileSystem.Copy(" +
                   Q("none.txt") + ", " + Q("c.txt") + ") & @FileSystem.Append(" + Q("a.txt") + ", " + Q("b.txt") +
                   ") & @FileSystem.Append(" + Q("a.txt") + ", " + Q("a.txt") + ") & @FileSystem.Append(" + Q("a.txt") +
                   ", " + Q("c.txt") + ") & @FileSystem.Size(" + Q("a.txt") + ") & @FileSystem.Size(" + Q("none.txt") +
                   ")"),
              "10001106"
              "0");
    EXPECT_EQ(ReadFile("a.txt"), "abcabc");
    EXPECT_EQ(ReadFile("b.txt"), "abcabc");
    EXPECT_FALSE(Exists("c.txt"));
}

TEST_F(FileSystemCommandsTest, PackingReportsWhatHappened)
{
    const std::string bytes = std::string(300, 'x') + "\xFF" + "ab";
    WriteFile("a.bin", bytes);
    WriteFile("empty.bin", "");
    EXPECT_EQ(Eval("@FileSystem.Compress(" + Q("a.bin") + ", " + Q("p.bin") + ") & @FileSystem.Compress(" + Q("a.bin") +
                   ", " + Q("p.bin") + ") & @FileSystem.Expand(" + Q("p.bin") + ", " + Q("e.bin") +
                   ") & @FileSystem.Compress(" + Q("empty.bin") + ", " + Q("q.bin") + ") & @FileSystem.Expand(" +
                   Q("none.bin") + ", " + Q("r.bin") + ")"),
              "10100");
    EXPECT_EQ(ReadFile("p.bin"), std::string("\xFF\xFEx\xFF\x2Ex\xFF\xFF"
                                             "ab",
                                             10));
    EXPECT_EQ(ReadFile("e.bin"), bytes);
    EXPECT_FALSE(Exists("q.bin"));
    EXPECT_FALSE(Exists("r.bin"));
}

TEST_F(FileSystemCommandsTest, RefusedDeletesAndMovesAnswerNothingDone)
{
    WriteFile("a.txt", "a");
    WriteFile("b.txt", "b");
    WriteFile("held.txt", "h");
    // Held open without leave to delete or move it.
    HANDLE held = CreateFileA(Path("held.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Eval("@FileSystem.Rename(" + Q("a.txt") + ", " + Q("b.txt") + ") & @FileSystem.Rename(" + Q("a.txt") +
                   ", " + Q("c.txt") + ") & @FileSystem.Rename(" + Q("held.txt") + ", " + Q("d.txt") +
                   ") & @FileSystem.Delete(" + Q("held.txt") + ") & @FileSystem.Delete(" + Q("c.txt") +
                   ") & @FileSystem.Delete(" + Q("c.txt") + ") & @FileSystem.Exists(" + Q("b.txt") +
                   ") & @FileSystem.Exists(" + Q("c.txt") + ")"),
              "01001010");
    CloseHandle(held);
    EXPECT_EQ(ReadFile("b.txt"), "b");
    EXPECT_EQ(ReadFile("held.txt"), "h");
    EXPECT_FALSE(Exists("d.txt"));
}

TEST_F(FileSystemCommandsTest, FoldersAreMadeFoundAndRemoved)
{
    WriteFile("file.txt", "x");
    const std::string root = Path("").substr(0, 3);  // "C:\"
    EXPECT_EQ(Eval("@FileSystem.CreateDir(" + Q("x\\y\\z\\") + ") & @FileSystem.FolderExists(" + Q("x\\y\\z\\") +
                   ") & @FileSystem.FolderExists(" + Q("x\\y\\z") + ") & @FileSystem.FolderExists(" + Q("file.txt") +
                   ") & @FileSystem.FolderExists(" + QuotedPath(root) + ") & @FileSystem.FolderExists(" +
                   QuotedPath(root.substr(0, 2)) +
                   ") & @FileSystem.FolderExists(\"\") & @FileSystem.CreateDir(\"\") & @FileSystem.RemoveDir(" +
                   Q("x") + ") & @FileSystem.RemoveDir(" + Q("x\\y\\z\\") + ") & @FileSystem.FolderExists(" +
                   Q("x\\y\\z") + ") & @FileSystem.RemoveDir(\"\")"),
              "111011000100");
    EXPECT_TRUE(Exists("x\\y"));
}

TEST_F(FileSystemCommandsTest, EmptyFilesTemporaryNamesAndTheCurrentFolder)
{
    const std::string folder = Path("");  // with its trailing separator
    EXPECT_EQ(Eval("@FileSystem.TempName(" + QuotedPath(folder.substr(0, folder.size() - 1)) + ")"),
              folder + "~tmp0.tmp");
    WriteFile("~tmp0.tmp", "");
    EXPECT_EQ(Eval("@FileSystem.TempName(" + QuotedPath(folder) + ")"), folder + "~tmp1.tmp");
    EXPECT_FALSE(Exists("~tmp1.tmp"));

    WriteFile("full.txt", "full");
    EXPECT_EQ(Eval("@FileSystem.CreateFile(" + Q("full.txt") + ") & @FileSystem.Size(" + Q("full.txt") +
                   ") & @FileSystem.CreateFile(" + Q("no\\such.txt") + ")"),
              "100");

    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    const std::string root = folder.substr(0, 3);
    EXPECT_EQ(Eval("@FileSystem.CurrentDir() & \"|\" & @FileSystem.SetCurrentDir(" + QuotedPath(root) +
                       ") & @FileSystem.CurrentDir()",
                   "@FileSystem.SetCurrentDir(" + Q("x") + ")\n@FileSystem.CreateDir(" + Q("x") +
                       ")\n@FileSystem.SetCurrentDir(" + Q("x") + ")\n"),
              folder + "x\\|" + root + "\\");
    SetCurrentDirectoryA(saved);
}

TEST_F(FileSystemCommandsTest, ListingsReplaceTheNameList)
{
    std::filesystem::create_directories(Path("sub"));
    for (const char* name : {"a.txt", "b.log", "c.ini", "d.dat", "sub\\e.txt", "sub\\f.log"}) WriteFile(name, "x");
    const std::string folder = Path("");
    auto list = [&](const std::string& arguments) {
        return "@FileSystem.List(" + arguments +
               ") & \"|\" & @FileSystem.Count() & \"|\" & @FileSystem.Entry(0) & "
               "\"|\" & @FileSystem.Entry(1) & \"|\" & @FileSystem.Entry(2) & \"|\" & @FileSystem.Entry(3) & \"|\" & "
               "@FileSystem.Entry(-1)";
    };
    EXPECT_EQ(Eval(list(Q("*.txt") + ", 0, \"\", \"*.log, *.ini\"")),
              "3|3|" + folder + "a.txt|" + folder + "b.log|" + folder + "c.ini||");
    EXPECT_EQ(Eval(list(Q("*.txt") + ", 0, \"onlydirs\", \"*.log,*.ini\"")),
              "3|3|" + folder + "sub\\|" + folder + "sub\\|" + folder + "sub\\||");

    // Recursing: a folder's entries come in the file system's order, so they are compared sorted.
    auto sorted = [&](const std::string& arguments) {
        const std::string text = Eval("@FileSystem.List(" + arguments +
                                      ") & \"|\" & @FileSystem.Entry(0) & \"|\" & "
                                      "@FileSystem.Entry(1) & \"|\" & @FileSystem.Entry(2)")
                                     .Str();
        std::vector<std::string> parts;
        size_t from = 0;
        for (size_t bar; (bar = text.find('|', from)) != std::string::npos; from = bar + 1)
            parts.push_back(text.substr(from, bar - from));
        parts.push_back(text.substr(from));
        std::sort(parts.begin() + 1, parts.end());
        return parts;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(sorted(Q("*.log") + ", 1, \"\", \"\""), (V{"2", "", folder + "b.log", folder + "sub\\f.log"}));
    EXPECT_EQ(sorted(Q("*.log") + ", 1, \"FilesDirs\", \"\""),
              (V{"3", folder + "b.log", folder + "sub\\", folder + "sub\\f.log"}));

    // A path without a separator lists nothing and keeps the names listed before.
    EXPECT_EQ(Eval("@FileSystem.List(\"*.txt\", 0, \"\", \"\") & \"|\" & @FileSystem.Count() & \"|\" & "
                   "@FileSystem.Entry(0)",
                   "@FileSystem.List(" + Q("*.dat") + ", 0, \"\", \"\")\n"),
              "|1|" + folder + "d.dat");
}

TEST_F(FileSystemCommandsTest, DiskSpaceInKilobytes)
{
    ULARGE_INTEGER available, total, free;
    ASSERT_TRUE(GetDiskFreeSpaceExA(Path("").c_str(), &available, &total, &free));
    const std::string text = Eval("@FileSystem.Total(" + Q("") + ") & \"|\" & @FileSystem.Free(" + Q("") +
                                  ") & \"|\" & @FileSystem.Free(\"Q:\\\\none\\\\\") & @FileSystem.Total(\"Q:\\\\\")")
                                 .Str();
    const size_t bar = text.find('|'), last = text.rfind('|');
    // Free space moves while the test runs; the total does not.
    EXPECT_EQ(text.substr(0, bar), std::to_string(total.QuadPart / 1024));
    const long long freeKb = std::stoll(text.substr(bar + 1, last - bar - 1));
    EXPECT_GT(freeKb, 0);
    EXPECT_LE(freeKb, (long long)(total.QuadPart / 1024));
    EXPECT_EQ(text.substr(last), "|00");
}

TEST_F(FileSystemCommandsTest, ShellShortcutsShortPathsAndImages)
{
    // A 2 x 1 bitmap of 24 bits: a red and a blue pixel, the row padded to 4 bytes.
    const unsigned char bmp[] = {
        'B', 'M', 62,  0,   0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
        40,  0,   0,   0,   2, 0, 0, 0, 1, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,
        8,   0,   0,   0,   0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,  // information header
        0,   0,   255, 255, 0, 0, 0, 0};
    WriteFile("pic.bmp", std::string(reinterpret_cast<const char*>(bmp), sizeof bmp));
    const std::string echo = "/c echo shell>" + Path("out.txt");
    EXPECT_EQ(Eval("@FileSystem.Shell(\"cmd.exe\", " + QuotedPath(echo) + ", \"hide\") & @FileSystem.Shell(" +
                   Q("none.exe") + ", \"\", \"\") & @FileSystem.Shortcut(" + Q("pic.bmp") + ", " + Q("pic.lnk") +
                   ", \"A picture\") & @FileSystem.Shortcut(" + Q("pic.bmp") + ", " + Q("no\\such\\pic.lnk") +
                   ", \"\") & @FileSystem.ToJpeg(" + Q("pic.bmp") + ", " + Q("pic.jpg") +
                   ", 90) & @FileSystem.ToJpeg(" + Q("none.bmp") + ", " + Q("none.jpg") + ", 90) & \"|\" & " +
                   "@FileSystem.Short(" + Q("none.bmp") + ") & \"|\" & @FileSystem.Exists(@FileSystem.Short(" +
                   Q("pic.bmp") + "))"),
              "101010||1");
    EXPECT_EQ(ReadFile("pic.lnk").substr(0, 4), std::string("L\0\0\0", 4));
    EXPECT_EQ(ReadFile("pic.jpg").substr(0, 2), "\xFF\xD8");
    // The shell starts the command and returns; its output arrives a little later.
    for (int i = 0; i < 300 && ReadFile("out.txt").find("shell") == std::string::npos; ++i) Sleep(50);
    EXPECT_EQ(ReadFile("out.txt").substr(0, 5), "shell");
}

TEST_F(FileSystemCommandsTest, EmbeddedFilesAreWrittenOut)
{
    EXPECT_EQ(Eval("@FileSystem.Extract(\"Data/Notes.TXT\", " + Q("notes.txt") + ") & @FileSystem.Extract(" +
                       "\"missing\", " + Q("m.txt") + ") & @FileSystem.Extract(\"data/notes.txt\", " +
                       Q("no\\such\\n.txt") + ")",
                   "", "file \"data/notes.txt\" type 0 text \"line 1\\r\\nline 2\"\n"),
              "100");
    EXPECT_EQ(ReadFile("notes.txt"), "line 1\r\nline 2");
    EXPECT_FALSE(Exists("m.txt"));
}

}  // namespace
