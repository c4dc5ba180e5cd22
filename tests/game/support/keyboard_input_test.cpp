// Real input: keys sent as a user would reach the keyboard's own key-state path, and Alt+F4 on the
// main window ends the message loop.
#include <gtest/gtest.h>

#include "KKeyboard.h"
#include "KLibrary.h"
#include "KWnd.h"
#include "library_environment.h"
#include "win_test_support.h"

using namespace zvtest;

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

}  // namespace

TEST(KeyboardInput, SentKeysAreSeenByThePolledKeyState)
{
    HWND host = CreateTestWindow(200, 150, "keyboard host");
    ASSERT_NE(host, nullptr);
    Activate(host);
    KKeyboard keyboard;
    EXPECT_FALSE(keyboard.IsPressed('K', 0));
    SendKey('K', true);
    EXPECT_TRUE(WaitFor([&] { return keyboard.IsPressed('K', 0); }, 2000));
    // Held: the delay of that press holds further counts back.
    keyboard.SetRepeat('K', 100000);
    EXPECT_FALSE(keyboard.IsPressed('K', 0));
    SendKey('K', false);
    keyboard.SetRepeat('K', 0);
    EXPECT_TRUE(WaitFor([&] { return !keyboard.IsPressed('K', 0); }, 2000));
    SendKey(VK_RETURN, true);
    EXPECT_TRUE(WaitFor([&] { return keyboard.IsPressed(VK_RETURN, 200); }, 2000));
    SendKey(VK_RETURN, false);
    PumpMessages(30);
    DestroyWindow(host);
}

TEST(KeyboardInput, AltF4OnTheMainWindowEndsTheMessageLoop)
{
    KWnd main;
    main.SetQuitOnDestroy(true);
    RECT r = {100, 100, 400, 300};
    ASSERT_TRUE(main.Create("Zorvane", WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, &r, nullptr, nullptr));
    Activate(main.Handle());
    SendKey(VK_MENU, true);
    SendKey(VK_F4, true);
    SendKey(VK_F4, false);
    SendKey(VK_MENU, false);
    WPARAM code = 99;
    EXPECT_TRUE(QuitArrives(3000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(main.Handle(), nullptr);
}
