// Message boxes, keys, the pointer and the recycle bin as a running project meets them: the project
// is packed onto qbk.exe and driven with real clicks; keys and buttons it synthesises reach the
// display's input. Check boxes serve as the buttons that start the scripts.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "project_run.h"
#include "win_test_support.h"

namespace {

using qbktest::ProjectRun;

TEST(SystemProject, MessageBoxesAnswerTheButtonPressed)
{
    ProjectRun run(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 300 200
  object CheckBox ask
    caption "ask"
    rect 10 10 80 24
    style 0x50014000
    event 0
      @MAIN.SetText(@MessageBox.Show("One", "Proceed?", "YESNO", "") & "|" & @MessageBox.Show("Two", "Lower case", "yesno", "question") & "|" & @MessageBox.Show("Three", "Again?", "RETRYCANCEL", "INFORMATION") & "|" & @MessageBox.Show("Four", "Really?", "YESNOCANCEL", "STOP"))
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.Click(run.Control("MAIN", "ask"));
    EXPECT_EQ(run.MessageBoxButtons("One"), (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(run.AnswerMessageBox("One", qbktest::kWait, IDYES), "Proceed?");
    // A keyword written in lower case is none: one OK button.
    EXPECT_EQ(run.MessageBoxButtons("Two"), (std::vector<std::string>{"OK"}));
    EXPECT_EQ(run.AnswerMessageBox("Two"), "Lower case");
    EXPECT_EQ(run.MessageBoxButtons("Three"), (std::vector<std::string>{"&Retry", "Cancel"}));
    EXPECT_EQ(run.AnswerMessageBox("Three", qbktest::kWait, IDRETRY), "Again?");
    EXPECT_EQ(run.AnswerMessageBox("Four", qbktest::kWait, IDNO), "Really?");
    EXPECT_TRUE(run.WaitForText(main, "YES|OK|RETRY|NO")) << ProjectRun::Text(main);
}

TEST(SystemProject, KeysAreSentAndTestedByName)
{
    ProjectRun run(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 300 200
  object CheckBox keys
    caption "keys"
    rect 10 10 80 24
    style 0x50014000
    event 0
      @Keyboard.KeyDown("shift")
      @MAIN.SetText(@MAIN.GetText() & "|" & @Keyboard.IsKeyDown("SHIFT") & @Keyboard.IsKeyDown(""))
      @Keyboard.KeyUp("Shift")
      @MAIN.SetText(@MAIN.GetText() & @Keyboard.IsKeyDown("SHIFT") & @Keyboard.IsKeyDown("nosuchkey") & "|")
      @Mouse.SetClientPos(200, 150)
      @Mouse.LeftDown()
      @MAIN.SetText(@MAIN.GetText() & @Keyboard.IsKeyDown("") & "|")
      @Mouse.LeftUp()
      @Keyboard.PressKey("f5")
      @Keyboard.PressKey("nosuchkey")
  builtin Keyboard
    event 0
      @MAIN.SetText(@MAIN.GetText() & "+" & @Application.GetParameter(0))
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.Click(run.Control("MAIN", "keys"));
    EXPECT_TRUE(run.WaitForText(main, "T|1100|1|+SHIFT+F5")) << ProjectRun::Text(main);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST(SystemProject, ThePointerMovesClicksAndIsCaptured)
{
    ProjectRun run(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 400 300
  object CheckBox mouse
    caption "mouse"
    rect 10 10 80 24
    style 0x50014000
    event 0
      @Mouse.SetClientPos(0, 0)
      @MAIN.SetText(@Mouse.GetClientX() & "," & @Mouse.GetClientY() & "|")
      @Mouse.SetCapture(1)
      @MAIN.SetText(@MAIN.GetText() & @Mouse.GetCapture())
      @Mouse.SetCapture(0)
      @MAIN.SetText(@MAIN.GetText() & @Mouse.GetCapture() & "|")
      @Mouse.SetClientPos(240, 212)
      @Mouse.RightDown()
      @MAIN.SetText(@MAIN.GetText() & @Mouse.IsRightButtonDown())
      @Mouse.RightUp()
      @Mouse.MiddleDown()
      @MAIN.SetText(@MAIN.GetText() & @Mouse.IsMiddleButtonDown())
      @Mouse.MiddleUp()
      @Mouse.LeftClick()
  object CheckBox target
    caption "target"
    rect 200 200 80 24
    style 0x50014000
    event 0
      @MAIN.SetText(@MAIN.GetText() & "|clicked at " & @Mouse.GetClientX() & "," & @Mouse.GetClientY() & " " & @Mouse.GetScreenX() & "," & @Mouse.GetScreenY())
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.Click(run.Control("MAIN", "mouse"));
    POINT at = {240, 212};
    ClientToScreen(main, &at);
    const std::string expected = "0,0|10|11|clicked at 240,212 " + std::to_string(at.x) + "," + std::to_string(at.y);
    EXPECT_TRUE(run.WaitForText(main, expected)) << ProjectRun::Text(main);
    POINT now;
    GetCursorPos(&now);
    EXPECT_EQ(now.x, at.x);
    EXPECT_EQ(now.y, at.y);
}

TEST(SystemProject, ClicksComeAsTheirButtonEventsInOrder)
{
    ProjectRun run(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 400 300
  event 4
    @MAIN.SetText(@MAIN.GetText() & "D")
  event 5
    @MAIN.SetText(@MAIN.GetText() & "d")
  event 6
    @MAIN.SetText(@MAIN.GetText() & "u")
  event 8
    @MAIN.SetText(@MAIN.GetText() & "m")
  event 9
    @MAIN.SetText(@MAIN.GetText() & "n")
  event 13
    @MAIN.SetText(@MAIN.GetText() & "r")
  event 14
    @MAIN.SetText(@MAIN.GetText() & "s")
  object CheckBox clicks
    caption "clicks"
    rect 10 10 80 24
    style 0x50014000
    event 0
      @MAIN.SetText("|")
      @Mouse.SetClientPos(200, 150)
      @Mouse.LeftDoubleClick()
      @Mouse.RightClick()
      @Mouse.MiddleClick()
      @Mouse.SetCursor("HAND")
  object CheckBox hide
    caption "hide"
    rect 100 10 80 24
    style 0x50014000
    event 0
      @Mouse.ShowCursor(0)
      @Mouse.ShowCursor(0)
      @Mouse.SetCursor("hand")
      @Mouse.SetCursor("ARROW")
      @MAIN.SetText("hidden")
  object CheckBox show
    caption "show"
    rect 190 10 80 24
    style 0x50014000
    event 0
      @Mouse.ShowCursor(1)
      @MAIN.SetText("shown")
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.Click(run.Control("MAIN", "clicks"));
    EXPECT_TRUE(run.WaitForText(main, "|duDursmn")) << ProjectRun::Text(main);
    // The pointer of the program in front shows until it hides it (twice, counted once).
    CURSORINFO cursor = {sizeof cursor};
    ASSERT_TRUE(GetCursorInfo(&cursor));
    EXPECT_NE(cursor.flags & CURSOR_SHOWING, 0u);
    run.Click(run.Control("MAIN", "hide"));
    ASSERT_TRUE(run.WaitForText(main, "hidden"));
    ASSERT_TRUE(GetCursorInfo(&cursor));
    EXPECT_EQ(cursor.flags & CURSOR_SHOWING, 0u);
    run.Click(run.Control("MAIN", "show"));  // one call shows it again
    ASSERT_TRUE(run.WaitForText(main, "shown"));
    ASSERT_TRUE(GetCursorInfo(&cursor));
    EXPECT_NE(cursor.flags & CURSOR_SHOWING, 0u);
}

// Wine keeps the recycle bin in XDG_DATA_HOME's Trash folder: the program is started with that
// folder inside the run's scratch folder, so the desktop's own bin is never touched.
TEST(SystemProject, TheRecycleBinIsEmptied)
{
    ProjectRun run(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 300 200
  object CheckBox empty
    caption "empty"
    rect 10 10 80 24
    style 0x50014000
    event 0
      @MAIN.SetText(@FileSystem.EmptyRecycleBin())
)",
                   false);
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName =
        reinterpret_cast<UnixName>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    ASSERT_NE(unixName, nullptr);
    WCHAR folder[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, run.Folder().c_str(), -1, folder, MAX_PATH);
    char* dataHome = unixName(folder);
    ASSERT_NE(dataHome, nullptr);
    const std::string trash = run.Folder() + "Trash\\";
    for (const char* sub : {"", "files", "info"}) CreateDirectoryA((trash + sub).c_str(), nullptr);
    const std::string junk = trash + "files\\junk.txt";
    std::ofstream(junk, std::ios::binary) << "x";
    std::ofstream(trash + "info\\junk.txt.trashinfo", std::ios::binary)
        << "[Trash Info]\nPath=/tmp/junk.txt\nDeletionDate=2024-01-01T10:00:00\n";
    std::string home = dataHome;
    HeapFree(GetProcessHeap(), 0, dataHome);
    if (!home.empty() && home.back() == '/') home.pop_back();  // Wine finds no bin under "...//Trash"
    SetEnvironmentVariableA("XDG_DATA_HOME", home.c_str());
    const bool started = run.Start();
    SetEnvironmentVariableA("XDG_DATA_HOME", nullptr);
    ASSERT_TRUE(started);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.Click(run.Control("MAIN", "empty"));
    EXPECT_TRUE(run.WaitForText(main, "1")) << ProjectRun::Text(main);
    EXPECT_EQ(GetFileAttributesA(junk.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
