// Registry texts in the project's Wine prefix, under a scratch key of HKEY_CURRENT_USER\Software.
#include <windows.h>

#include <string>

#include "file_script_test.h"

namespace {

class RegistryCommandsTest : public ScriptTest {
protected:
    void SetUp() override
    {
        ScriptTest::SetUp();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        key_ = std::string("Software\\qbk-tests\\") + info->name() + "-" + std::to_string(GetCurrentProcessId());
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
        ScriptTest::TearDown();
    }
    // The value of the expression, run in MAIN with the Registry object r.
    CString Eval(const std::string& expression)
    {
        Start(kRegistryWords + std::string("window MAIN\n  object Registry r\n  event 0\n") +
              Indent("@Application.Return(" + expression + ")\n"));
        return Run("MAIN", 0);
    }
    // The scratch key (or a key below it) as a quoted text of the description.
    std::string K(const std::string& below = "") const
    {
        return QuotedPath(below.empty() ? key_ : key_ + "\\" + below);
    }
    bool KeyExists(const std::string& path) const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }

    std::string key_;
};

TEST_F(RegistryCommandsTest, TextsWrittenAreReadBack)
{
    EXPECT_EQ(Eval("@r.Write(\"HKEY_CURRENT_USER\", " + K("a\\b") +
                   ", \"Name\", \"text 1\") & \"|\" & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K("a\\b") +
                   ", \"Name\") & \"|\" & "
                   "@r.Write(\"HKEY_CURRENT_USER\", " +
                   K("a") +
                   ", \"\", \"default\") & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K("a") +
                   ", \"\") & \"|\" & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K("a") +
                   ", \"Missing\") & \"|\" & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K("none") + ", \"Name\")"),
              "1|text 1|1default||");
    char stored[32] = {};
    DWORD size = sizeof stored, type = 0;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, (key_ + "\\a\\b").c_str(), "Name", RRF_RT_ANY, &type, stored, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, 7u);  // with its terminating zero
}

TEST_F(RegistryCommandsTest, OnlyTextsThatFitAreRead)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegSetValueExA(key, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%TEMP%\\x"), 10);
    const std::string fits(1023, 'f'), tooLong(1024, 't'), unended(1023, 'u');
    RegSetValueExA(key, "Fits", 0, REG_SZ, reinterpret_cast<const BYTE*>(fits.c_str()), 1024);
    RegSetValueExA(key, "TooLong", 0, REG_SZ, reinterpret_cast<const BYTE*>(tooLong.c_str()), 1025);
    // Texts stored without their terminating zero: one that leaves room for it, one that does not.
    RegSetValueExA(key, "Unended", 0, REG_SZ, reinterpret_cast<const BYTE*>(unended.c_str()), 1023);
    RegSetValueExA(key, "Full", 0, REG_SZ, reinterpret_cast<const BYTE*>(tooLong.c_str()), 1024);
    RegCloseKey(key);
    EXPECT_EQ(Eval("@r.Read(\"HKEY_CURRENT_USER\", " + K() +
                   ", \"Number\") & \"|\" & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K() +
                   ", \"Expand\") & \"|\" & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K() +
                   ", \"TooLong\") & \"|\" & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K() + ", \"Full\")"),
              "|%TEMP%\\x||");
    EXPECT_EQ(Eval("@r.Read(\"HKEY_CURRENT_USER\", " + K() + ", \"Fits\")"), fits);
    EXPECT_EQ(Eval("@r.Read(\"HKEY_CURRENT_USER\", " + K() + ", \"Unended\")"), unended);
}

TEST_F(RegistryCommandsTest, RootsAreExactKeywords)
{
    EXPECT_EQ(Eval("@r.Write(\"hkey_current_user\", " + K() + ", \"v\", 1) & @r.Write(\"HKCU\", " + K() +
                   ", \"v\", 1) & @r.DeleteKey(\"HKCU\", " + K() + ") & @r.DeleteValue(\"\", " + K() +
                   ", \"v\") & "
                   "\"|\" & @r.Read(\"HKCU\", " +
                   K() + ", \"v\") & \"|\""),
              "0000||");
    EXPECT_FALSE(KeyExists(key_));
}

TEST_F(RegistryCommandsTest, ValuesAndKeysAreDeleted)
{
    EXPECT_EQ(Eval("@r.Write(\"HKEY_CURRENT_USER\", " + K("a\\b") +
                   ", \"v\", 1) & "
                   "@r.Write(\"HKEY_CURRENT_USER\", " +
                   K("a\\b") +
                   ", \"w\", 2) & "
                   "@r.DeleteValue(\"HKEY_CURRENT_USER\", " +
                   K("a\\b") +
                   ", \"v\") & "
                   "@r.DeleteValue(\"HKEY_CURRENT_USER\", " +
                   K("a\\b") +
                   ", \"v\") & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K("a\\b") +
                   ", \"w\") & \"|\" & "
                   "@r.DeleteKey(\"HKEY_CURRENT_USER\", \"\") & @r.DeleteKey(\"HKEY_CURRENT_USER\", \"\\\\\") & "
                   "@r.DeleteKey(\"HKEY_CURRENT_USER\", " +
                   K("none") +
                   ") & "
                   "@r.DeleteKey(\"HKEY_CURRENT_USER\", " +
                   K("a\\b") +
                   ") & "
                   "@r.Read(\"HKEY_CURRENT_USER\", " +
                   K("a\\b") + ", \"w\")"),
              "11102|0001");
    EXPECT_FALSE(KeyExists(key_ + "\\a\\b"));
    EXPECT_TRUE(KeyExists(key_ + "\\a"));
    EXPECT_TRUE(KeyExists("Software"));
}

}  // namespace
