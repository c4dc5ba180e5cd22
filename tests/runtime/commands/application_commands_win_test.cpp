// The Application commands with the Windows services installed.
#include "script_test_fixture.h"

#include <windows.h>

#include "application_commands.h"
#include "value_format.h"

namespace {

class ApplicationSystemWinTest : public ScriptTest {
protected:
    void SetUp() override
    {
        ScriptTest::SetUp();
        saved_ = GetApplicationSystem();
        InstallApplicationSystem();
    }
    void TearDown() override
    {
        GetApplicationSystem() = saved_;
        ScriptTest::TearDown();
    }
    ApplicationSystem saved_;
};

TEST_F(ApplicationSystemWinTest, ClipboardCommandLineClockAndWindows)
{
    EXPECT_EQ(Value("@Application.SetClip(\"from a script\") & @Application.Clip()"), "from a script");
    EXPECT_EQ(Value("@Application.Arguments()"), CommandLineArguments(GetCommandLineA()));
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "EDIT", "", WS_POPUP | WS_VISIBLE, 40, 40, 60, 60, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Value("@Application.WindowAt(70, 70)"), FormatNumber(int64_t(reinterpret_cast<uintptr_t>(window))));
    DestroyWindow(window);
    const DWORD start = GetTickCount();
    EXPECT_EQ(Value("@Application.Wait(120) & \"waited\""), "waited");
    EXPECT_GE(GetTickCount() - start, 100u);
}

}  // namespace
