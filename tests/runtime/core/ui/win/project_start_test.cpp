// A stored project run as a user runs it: the messages of a program that cannot run its project,
// MAIN opening with its objects where the project put them, the start event, and the end of the
// program when MAIN closes.
#include <gtest/gtest.h>

#include "project_run.h"

#include <commctrl.h>

namespace {

using qbktest::ProjectRun;

TEST(ProjectStart, ProgramWithoutProjectSaysProgramErrorAndEnds)
{
    ProjectRun run("", false);
    // The bare runtime program, without anything appended.
    ASSERT_TRUE(CopyFileA(QBK_PROGRAM_PATH, run.ProgramPath().c_str(), FALSE));
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(run.AnswerMessageBox("Error"), "Program Error.");
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST(ProjectStart, ProjectWithoutWindowsSaysSoAndEnds)
{
    ProjectRun run("app-name \"Empty\"\n");
    EXPECT_EQ(run.AnswerMessageBox("Not Found"), "No Dialog found. Please add one in your project.");
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST(ProjectStart, ProjectWithoutMainSaysSoAndEnds)
{
    ProjectRun run(R"(
window Settings
  caption "Settings"
  style 0x100B0001
)");
    EXPECT_EQ(run.AnswerMessageBox("QBK"), "MAIN Not Found");
    EXPECT_EQ(run.WaitForExit(), 0);
    EXPECT_EQ(run.FindWindowOf("", "Settings"), nullptr);
}

TEST(ProjectStart, MainOpensWithItsObjectsWhereTheProjectPutThem)
{
    ProjectRun run(R"(
window MAIN
  caption "Geometry"
  style 0x100B0001
  rect 0 0 520 340
  object CheckBox box
    caption "Remember me"
    rect 12 20 140 24
  object ListBox names
    rect 200 30 150 120
    style 0x50A00001
    property "Content" "alpha|beta|gamma"
  object ComboBox choice
    rect 12 80 160 200
    style 0x50200003
    property "Content" "one|two"
  object TabControl pages
    rect 12 200 300 100
    property "Tab 0" "First"
    property "Tab 1" "Second"
    property "Tab 3" "Never"
  object Slider level
    rect 380 30 120 30
  object ScrollBar bar
    rect 380 80 120 20
  object ProgressBar done
    rect 380 130 120 20
    property "Value" "150"
    property "Min Value" "0"
    property "Max Value" "200"
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 520);
    EXPECT_EQ(client.bottom, 340);

    HWND box = run.Control("MAIN", "box");
    ASSERT_NE(box, nullptr);
    const RECT place = ProjectRun::PlaceInParent(box);
    EXPECT_EQ(place.left, 12);
    EXPECT_EQ(place.top, 20);
    EXPECT_EQ(place.right - place.left, 140);
    EXPECT_EQ(place.bottom - place.top, 24);
    EXPECT_EQ(ProjectRun::Text(box), "Remember me");
    EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK, BS_CHECKBOX);

    HWND names = run.Control("MAIN", "names");
    ASSERT_NE(names, nullptr);
    ASSERT_EQ(SendMessageA(names, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(names, LB_GETTEXTLEN, 2, 0), 5);  // "gamma" (texts do not cross processes)
    EXPECT_EQ(SendMessageA(run.Control("MAIN", "choice"), CB_GETCOUNT, 0, 0), 2);
    // Tabs stop at the first missing number.
    EXPECT_EQ(SendMessageA(run.Control("MAIN", "pages"), TCM_GETITEMCOUNT, 0, 0), 2);
    HWND bar = run.Control("MAIN", "bar");
    int low = -1, high = -1;
    GetScrollRange(bar, SB_CTL, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 100);
    EXPECT_NE(run.Control("MAIN", "level"), nullptr);
    // The bar's range comes first, so a value beyond the control's first range is kept.
    HWND done = run.Control("MAIN", "done");
    EXPECT_EQ(SendMessageA(done, PBM_GETPOS, 0, 0), 150);
    EXPECT_EQ(SendMessageA(done, PBM_GETRANGE, FALSE, 0), 200);
}

TEST(ProjectStart, StartEventRunsBeforeMainIsShownAndClosingMainEndsTheProgram)
{
    ProjectRun run(R"(
window MAIN
  caption "Before"
  style 0x100B0001
  rect 0 0 300 200
  event 16
    @MAIN.SetText("Started " & @Application.GetParameterCount())
)");
    HWND main = run.FindWindowOf("QUILLBRICK", "");
    ASSERT_TRUE(
        zvtest::WaitFor([&] { return (main = run.FindWindowOf("QUILLBRICK", "")) != nullptr; }, qbktest::kWait));
    EXPECT_TRUE(run.WaitForText(main, "Started 1"));
    EXPECT_TRUE(IsWindowVisible(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST(ProjectStart, StartEventThatEndsTheProgramLeavesNoLoopBehind)
{
    ProjectRun run(R"(
window MAIN
  caption "Short"
  style 0x100B0001
  event 16
    @Application.EndProgram()
)");
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST(ProjectStart, SplashShowsItsPictureOnTopAndClosesItselfWhileMainStaysOpen)
{
    ProjectRun run(R"(
splash 1
window MAIN
  caption "Behind"
  style 0x100B0001
  rect 0 0 300 200
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    HWND logo = nullptr;
    ASSERT_TRUE(zvtest::WaitFor([&] { return (logo = run.FindWindowOf("QUILLBRICKLOGO", "")) != nullptr; }, 2000));
    RECT place;
    GetWindowRect(logo, &place);
    EXPECT_EQ(place.left, 1);
    EXPECT_EQ(place.top, 1);
    EXPECT_EQ(place.right - place.left, 200);
    EXPECT_EQ(place.bottom - place.top, 200);
    EXPECT_TRUE(GetWindowLongA(logo, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // The built-in picture, not a plain background.
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const zvtest::Image shot = ProjectRun::Capture(logo);
            const uint32_t corner = shot.Empty() ? 0 : shot.At(0, 0);
            return !shot.Empty() && shot.Count(0, 0, 200, 200, [&](uint32_t c) { return c != corner; }) > 1000;
        },
        qbktest::kWait));
    EXPECT_TRUE(zvtest::WaitFor([&] { return !IsWindow(logo); }, qbktest::kWait));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(run.IsRunning());
}

TEST(ProjectStart, ProgramPathWithBlanksStillFindsItsProject)
{
    ProjectRun run(R"(
window MAIN
  caption "Path"
  style 0x100B0001
  event 16
    @MAIN.SetText(@Application.GetCommandLine())
)",
                   false);
    // The same program under a name with blanks, started with an argument.
    const std::string spaced = run.Folder() + "my program.exe";
    ASSERT_TRUE(CopyFileA(run.ProgramPath().c_str(), spaced.c_str(), FALSE));
    std::string command = "\"" + spaced + "\" -x 1";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(
        CreateProcessA(spaced.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND main = nullptr;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            main = FindWindowA("QUILLBRICK", "-x 1");
            return main != nullptr;
        },
        qbktest::kWait));
    if (main) PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, qbktest::kWait), WAIT_OBJECT_0);
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

}  // namespace
