#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <vector>
#include <string>
#include <thread>

#include "clipboard_helpers.h"
#include "dialog_canceller.h"
#include "file_helpers.h"
#include "menu_colors.h"
#include "registry_helpers.h"
#include "shell_helpers.h"
#include "win_test_support.h"

namespace {

const char* kTestKey = "Software\\QbkCoreTest";

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
};

}  // namespace

TEST_F(RegistryTest, WriteReadDelete)
{
    CString sub = CString(kTestKey) + "\\Sub";
    ASSERT_TRUE(RegSetString(HKEY_CURRENT_USER, sub, "Name", "value 1"));
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, sub, "Name"), "value 1");
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, sub, "Other"), "");
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, CString(kTestKey) + "\\None", "Name"), "");
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, sub, "", "default"));
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, sub, ""), "default");
    EXPECT_TRUE(RegDeleteValue(HKEY_CURRENT_USER, sub, "Name"));
    EXPECT_FALSE(RegDeleteValueName(HKEY_CURRENT_USER, sub, "Name"));
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, sub, "Name"), "");
    EXPECT_TRUE(RegDeleteSubKey(HKEY_CURRENT_USER, sub));
    EXPECT_FALSE(RegDeleteKeyPath(HKEY_CURRENT_USER, sub));
}

TEST_F(RegistryTest, OnlyTerminatedStringsThatFitAreRead)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD number = 7;
    RegSetValueExA(key, "Dword", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof number);
    RegSetValueExA(key, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    RegSetValueExA(key, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%TEMP%"), 7);
    std::string fits(1023, 'x'), tooLong(1024, 'y');
    RegSetValueExA(key, "Fits", 0, REG_SZ, reinterpret_cast<const BYTE*>(fits.c_str()), 1024);
    RegSetValueExA(key, "TooLong", 0, REG_SZ, reinterpret_cast<const BYTE*>(tooLong.c_str()), 1025);
    RegCloseKey(key);
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, kTestKey, "Dword"), "");
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, kTestKey, "Unterminated"), "abc");
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, kTestKey, "Expand"), "%TEMP%");  // not expanded
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, kTestKey, "Fits").GetLength(), 1023);
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, kTestKey, "TooLong"), "");
}

TEST(ClipboardTest, TextAndBitmapRoundTrip)
{
    SetClipboardText("line 1\r\nline \xE9 2");
    EXPECT_EQ(GetClipboardText(), "line 1\r\nline \xE9 2");
    SetClipboardText("");
    EXPECT_EQ(GetClipboardText(), "");
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(SetClipboardBitmap(bitmap));
    EXPECT_NE(GetClipboardBitmap(), nullptr);
    SetClipboardText("text again");
    EXPECT_EQ(GetClipboardBitmap(), nullptr);  // setting text empties the clipboard first
}

TEST(ShellTest, CreateShortcutAnswersTrueWhenSaved)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string link = zvtest::TempDir() + "qbk shortcut.lnk";
    DeleteFileA(link.c_str());
    EXPECT_TRUE(CreateShortcut(program, link.c_str(), "a test shortcut"));
    EXPECT_TRUE(FileExists(link.c_str()));
    EXPECT_FALSE(CreateShellLink(program, (zvtest::TempDir() + "no such folder\\x.lnk").c_str(), "x"));
    DeleteFileA(link.c_str());
    CoUninitialize();
}

TEST(ShellTest, LoadResourceToFileCopiesAllBytes)
{
    struct Case {
        int id;
        size_t size;
    } cases[] = {{201, 250}, {202, 200}};
    for (const auto& c : cases) {
        CMemFile file;
        file.Write("x", 1);  // the copy goes at the file's position
        ASSERT_TRUE(LoadResourceToFile("QBKBLOB", c.id, file)) << c.id;
        EXPECT_EQ(file.GetLength(), c.size + 1);
        std::vector<uint8_t> want = zvtest::ReadFileBytes(
            zvtest::SourceDir() + "\\tests\\runtime\\core\\win\\data\\blob" + std::to_string(c.size) + ".bin");
        ASSERT_EQ(want.size(), c.size);
        EXPECT_EQ(std::memcmp(file.Data() + 1, want.data(), c.size), 0);
    }
    CMemFile file;
    EXPECT_FALSE(LoadResourceToFile("QBKBLOB", 999, file));
    EXPECT_FALSE(LoadResourceToFile("NOTYPE", 201, file));
    BYTE fixed[10];
    CMemFile small(fixed, sizeof fixed);  // refuses to grow
    small.SeekToEnd();
    EXPECT_FALSE(LoadResourceToFile("QBKBLOB", 201, small));
}

TEST(ShellTest, BrowseForFolderCancelledGivesEmptyText)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    DialogCanceller canceller;
    EXPECT_EQ(BrowseForFolder(nullptr, "Pick a folder"), "");
    EXPECT_TRUE(canceller.Cancelled());
    CoUninitialize();
}

TEST(MenuColorsTest, DefaultsFollowTheSystemColours)
{
    MenuColors c{};
    InitMenuColors(c);
    bool flat = GetSysColorBrush(COLOR_MENUHILIGHT) != nullptr;
    EXPECT_EQ(c.back, GetSysColor(COLOR_MENU));
    EXPECT_EQ(c.text, GetSysColor(COLOR_MENUTEXT));
    EXPECT_EQ(c.textGrayed, GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(c.selText, c.text);
    EXPECT_EQ(c.selEdge, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(c.bar, GetSysColor(flat ? COLOR_MENUHILIGHT : COLOR_BTNFACE));
    EXPECT_EQ(c.selBack, flat ? RGB(193, 210, 238) : GetSysColor(COLOR_MENU));
}
