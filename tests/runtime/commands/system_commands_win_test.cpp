// Facts about the machine and the user, system colours, the font list and font files, read and
// changed inside the project's Wine prefix.
#include <windows.h>
#include <shlobj.h>

#include "file_script_test.h"

namespace {

class SystemCommandsTest : public FileScriptTest {
protected:
    // The value of the expression, run in MAIN with two string lists.
    CString Eval(const std::string& expression, const std::string& more = "")
    {
        Start(kSystemWords +
              std::string("window MAIN\n  object StringList fonts\n  object TextFile other\n  event 0\n") +
              Indent("@Application.Return(" + expression + ")\n") + more);
        return Run("MAIN", 0);
    }
    static std::string Folder(int id)
    {
        char path[MAX_PATH] = {};
        return SHGetFolderPathA(nullptr, id, nullptr, 0, path) == S_OK ? std::string(path) + "\\" : "?";
    }
};

TEST_F(SystemCommandsTest, NamesFoldersAndScreen)
{
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {}, user[256] = {}, windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    size = sizeof user;
    GetUserNameA(user, &size);
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string expected =
        std::string(computer) + "|" + user + "|" + windows + "\\|" + system + "\\|" + temp + "|" +
        Folder(CSIDL_DESKTOP) + "|" + Folder(CSIDL_FONTS) + "|" + Folder(CSIDL_RECENT) + "|" + Folder(CSIDL_PROGRAMS) +
        "|" + windows + "\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\|" +
        std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(Eval("@System.ComputerName() & \"|\" & @System.UserName() & \"|\" & @System.WindowsDir() & \"|\" & "
                   "@System.SystemDir() & \"|\" & @System.Temp() & \"|\" & @System.Desktop() & \"|\" & "
                   "@System.FontsDir() & \"|\" & @System.Recent() & \"|\" & @System.Programs() & \"|\" & "
                   "@System.QuickLaunch() & \"|\" & @System.Width() & \"x\" & @System.Height()"),
              expected);
    const int depth = std::stoi(Eval("@System.Depth()").Str());
    EXPECT_TRUE(depth == 24 || depth == 32) << depth;
    EXPECT_EQ(std::string(temp).back(), '\\');  // never doubled: checked equal above
}

TEST_F(SystemCommandsTest, VolumeSerialOfADriveLetter)
{
    DWORD serial = 0;
    ASSERT_TRUE(GetVolumeInformationA("C:\\", nullptr, 0, &serial, nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(Eval("@System.Serial(\"C\") & \"|\" & @System.Serial(\"C:\") & \"|\" & @System.Serial(\"\")"),
              std::to_string(int(serial)) + "|0|0");
}

TEST_F(SystemCommandsTest, SystemColoursByExactName)
{
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(Eval("@System.GetColor(\"BTNFACE\") & \"|\" & @System.GetColor(\"3DFACE\") & \"|\" & "
                   "@System.GetColor(\"btnface\") & \"|\" & @System.GetColor(\"INFOBK\")"),
              std::to_string(GetSysColor(COLOR_BTNFACE)) + "|" + std::to_string(GetSysColor(COLOR_3DFACE)) + "|0|" +
                  std::to_string(GetSysColor(COLOR_INFOBK)));
    EXPECT_EQ(Eval("@System.SetColor(\"WINDOW\", 255) & @System.GetColor(\"WINDOW\") & @System.SetColor(\"window\", "
                   "65280) & \"|\" & @System.GetColor(\"WINDOW\")"),
              "255|255");
    const INT element = COLOR_WINDOW;
    SetSysColors(1, &element, &window);  // the prefix's colours as they were
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), window);
}

TEST_F(SystemCommandsTest, FontListsAreSortedWithoutRepeats)
{
    Start(kSystemWords + std::string("window MAIN\n  object StringList fonts\n  object TextFile other\n  event 0\n"
                                     "    @System.FontList(12)\n    @System.FontList(13)\n    @System.FontList(99)\n"));
    // Entries the list held before stay, sorted in with the faces.
    CStringArray& names = Window("MAIN").Objects[12]->TextList;
    names.Add("zz own entry");
    names.Add("ZZ OWN ENTRY");
    Run("MAIN", 0);
    ASSERT_GT(names.GetSize(), 2);
    int own = 0;
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        if (i > 0) EXPECT_LT(names[i - 1].CompareNoCase(names[i]), 0) << names[i - 1].GetString();
        own += names[i].CompareNoCase("zz own entry") == 0;
    }
    EXPECT_EQ(own, 1);
    EXPECT_EQ(Window("MAIN").Objects[13]->TextList.GetSize(), 0);
}

TEST_F(SystemCommandsTest, FontFilesAreCopiedIntoTheFontFolderOnce)
{
    const std::string target = Folder(CSIDL_FONTS) + "qbk-test-font.ttf";
    DeleteFileA(target.c_str());
    Eval("@System.InstallFont(\"fonts/sub/qbk-test-font.ttf\") & @System.InstallFont(\"missing.ttf\")",
         "file \"fonts/sub/qbk-test-font.ttf\" type 0 text \"first\"\n");
    std::ifstream first(target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(first), {}), "first");
    first.close();
    // A file of that name is never replaced.
    Eval("@System.InstallFont(\"fonts/sub/qbk-test-font.ttf\")",
         "file \"fonts/sub/qbk-test-font.ttf\" type 0 text \"second\"\n");
    std::ifstream second(target, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(second), {}), "first");
    second.close();
    EXPECT_TRUE(DeleteFileA(target.c_str()));
}

}  // namespace
