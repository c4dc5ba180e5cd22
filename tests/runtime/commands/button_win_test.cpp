// Buttons driven by a running project's scripts: check boxes with three states, radio buttons and
// their groups.
#include <gtest/gtest.h>

#include <fstream>

#include "project_run.h"
#include "script_steps.h"
#include "test_bitmaps.h"
#include "window_probes.h"

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;

std::string Project(const std::string& objects, const std::vector<qbktest::Step>& steps)
{
    return R"(
window MAIN
  caption "B"
  style 0x100B0001
  rect 0 0 420 300
)" + objects +
           qbktest::TimerScript({qbktest::ScriptLines(steps, "MAIN", 8)});
}

TEST(CheckBoxCommands, StatesSetAndReadWithThePreviousOneAnswered)
{
    const std::vector<Step> steps = {
        Note("@box.GetCheck()", "0"),    Note("@box.SetCheck(1)", "0"),  Note("@box.GetCheck()", "1"),
        Note("@box.SetCheck(2)", "1"),   Note("@box.GetCheck()", "2"),   Note("@box.SetCheck(5)", "2"),
        Note("@box.GetCheck()", "0"),    Note("@box.SetCheck(-1)", "0"), Note("@box.GetCheck()", "0"),
        Note("@plain.SetCheck(1)", "0"), Note("@plain.GetCheck()", "1"),
    };
    ProjectRun run(Project(R"(
  object CheckBox box
    caption "Three"
    rect 10 10 120 20
    style 0x50010006
  object CheckBox plain
    caption "Two"
    rect 10 40 120 20
)",
                           steps));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "B", steps), nullptr);
    EXPECT_EQ(SendMessageA(run.Control("MAIN", "plain"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(RadioButtonCommands, GroupsCheckOneButtonEach)
{
    const std::vector<Step> steps = {
        Note("@a.GetGroup()", "3"),
        Note("@none.GetGroup()", "-1"),
        Do("@a.SetCheck(1)"),
        Do("@b.SetCheck(1)"),
        Note("@a.GetCheck()", "0"),
        Note("@b.GetCheck()", "1"),
        Do("@c.SetCheck(1)"),
        Note("@b.GetCheck()", "1"),
        // A button without a group checks only itself.
        Do("@none.SetCheck(1)"),
        Note("@none.GetCheck()", "1"),
        Note("@b.GetCheck()", "1"),
        Note("@c.GetCheck()", "1"),
        Do("@b.SetCheck(0)"),
        Note("@b.GetCheck()", "0"),
        // Joining group 2: checking c now unchecks it.
        Do("@none.SetGroup(2)"),
        Note("@none.GetGroup()", "2"),
        Do("@c.SetCheck(1)"),
        Note("@none.GetCheck()", "0"),
        Note("@c.GetCheck()", "1"),
        Do("@c.SetCheck(5)"),
        Note("@c.GetCheck()", "0"),
    };
    ProjectRun run(Project(R"(
  object RadioButton a
    rect 10 10 100 20
    property "Group" "3"
  object RadioButton b
    rect 10 40 100 20
    property "Group" "3"
  object RadioButton c
    rect 10 70 100 20
    property "Group" "2"
  object RadioButton none
    rect 10 100 100 20
    property "Group" "-1"
)",
                           steps));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "B", steps), nullptr);
    EXPECT_EQ(SendMessageA(run.Control("MAIN", "a"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(ImageButtonCommands, ColoursAlignmentAndCheck)
{
    const std::string face = std::to_string(GetSysColor(COLOR_BTNFACE));
    const std::string text = std::to_string(GetSysColor(COLOR_BTNTEXT));
    const std::vector<Step> steps = {
        Note("@pic.GetBackColor(1)", "65535"),
        Note("@pic.GetBackColor(0)", "65535"),
        Note("@pic.GetTextColor(1)", text),
        Do("@pic.SetBackColors(255, 65280)"),
        Note("@pic.GetBackColor(1)", "255"),
        Note("@pic.GetBackColor(0)", "65280"),
        Do("@pic.SetTextColors(16711680, 128)"),
        Note("@pic.GetTextColor(1)", "16711680"),
        Note("@pic.GetTextColor(0)", "128"),
        Do("@pic.ResetColors()"),
        Note("@pic.GetBackColor(1)", face),
        Note("@pic.GetBackColor(0)", face),
        Note("@pic.GetTextColor(0)", text),
        // Without an image the factory leaves "Image Align" unread.
        Note("@pic.GetImageAlign()", "LEFT"),
        Do("@pic.SetImageAlign(\"RIGHT\")"),
        Note("@pic.GetImageAlign()", "RIGHT"),
        Do("@pic.SetImageAlign(\"top\")"),
        Note("@pic.GetImageAlign()", "LEFT"),
        Do("@pic.SetImageAlign(\"TOP\")"),
        Note("@pic.GetImageAlign()", "TOP"),
        Do("@pic.SetImageAlign(\"CENTER\")"),
        Note("@pic.GetImageAlign()", "LEFT"),
        Note("@pic.IsMouseOver()", "0"),
        // Only a check button takes a check.
        Do("@pic.SetCheck(1)"),
        Note("@pic.GetCheck()", "0"),
        Do("@check.SetCheck(1)"),
        Note("@check.GetCheck()", "1"),
        Do("@check.SetCheck(-1)"),
        Note("@check.GetCheck()", "0"),
        Do("@check.SetCheck(-1)"),
        Note("@check.GetCheck()", "1"),
        Do("@check.SetCheck(0)"),
        Note("@check.GetCheck()", "0"),
        // A plain button and a group box have nothing of their own.
        Note("@plain.31(1)", ""),
        Note("@frame.31(1)", ""),
    };
    ProjectRun run(Project(R"(
  object ImageButton pic
    caption "Text"
    rect 10 10 100 30
    values 0 0 0 0x00FFFF -1
    property "Image Align" "top"
  object ImageButton check
    rect 10 50 100 30
    style 0x50010002
  object Button plain
    rect 10 90 100 30
  object GroupBox frame
    rect 150 10 100 100
)",
                           steps));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "B", steps), nullptr);
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00;

// MAIN with a yellow image button of 60 x 40 at (20, 20) and the objects given, the phases of its
// timer, and the embedded images red.bmp (framed in blue) and blue.bmp (framed in red).
std::string ImageButtonProject(const std::string& objects, const std::vector<std::string>& phases)
{
    return R"(
window MAIN
  caption "B"
  style 0x100B0001
  rect 0 0 300 200
  object ImageButton pic
    caption ""
    rect 20 20 60 40
    values 0 0 0 0x00FFFF 0
)" + objects +
           qbktest::TimerScript(phases) +
           qbktest::EmbeddedFileLine("red.bmp", qbktest::MakeFramedBmp(16, 2, kRed, kBlue)) +
           qbktest::EmbeddedFileLine("blue.bmp", qbktest::MakeFramedBmp(16, 2, kBlue, kRed));
}

// Images from files and from embedded files: a second one that does not load leaves the first in
// both states; a first one that does not load changes nothing. The button is 60 x 40 at (20, 20),
// its 16 x 16 image centred (corner at (42, 32)).
TEST(ImageButtonCommands, ImagesFromFilesAndEmbeddedFiles)
{
    const std::string then = R"(
        @pic.LoadImages(@Application.GetFolder() & "green.bmp", 255, @Application.GetFolder() & "none.bmp", 0)
)";
    const std::string later = R"(
        @pic.LoadImagesEmbedded("blue.bmp", 255, "red.bmp", 16711680)
        @pic.LoadImagesEmbedded("absent.bmp", 255, "red.bmp", 16711680)
        @pic.LoadImages("", 255, "", 255)
)";
    ProjectRun run(ImageButtonProject("", {then, later}));
    // Green with a red frame, red being the transparent colour 255.
    WriteFile(run.Folder() + "green.bmp", qbktest::MakeFramedBmp(16, 2, kGreen, kRed));
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    ProjectRun::BringToFront(main);
    qbktest::MoveMouseTo(main, 250, 150);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kYellow, qbktest::kWait));  // no image yet
    PostMessageA(main, WM_TIMER, 1, 0);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kGreen, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 42, 32, kYellow, qbktest::kWait));
    // Over it: the first image again, with the first colour transparent.
    qbktest::MoveMouseTo(main, 50, 40);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 20, 20, qbktest::PixelOf(GetSysColor(COLOR_BTNHIGHLIGHT)), qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kGreen, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 42, 32, kYellow, qbktest::kWait));
    // Embedded: blue framed in red and red framed in blue, the frames transparent; the images that
    // do not load change nothing.
    PostMessageA(main, WM_TIMER, 2, 0);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kRed, qbktest::kWait));  // the hover image
    qbktest::MoveMouseTo(main, 250, 150);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kBlue, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 42, 32, kYellow, qbktest::kWait));
}

// Images from DataStream objects and copies of Bitmap objects' images: both sources must be objects
// of the right type holding something, else nothing changes; a second stream that holds no image
// gives the first image to both states; streams keep their positions.
TEST(ImageButtonCommands, ImagesFromStreamsAndBitmapObjects)
{
    const std::vector<Step> steps = {
        Do("@one.LoadEmbedded(\"green.bmp\")"),
        Do("@one.Seek(5)"),
        Do("@two.Create()"),
        Do("@two.WriteText(\"no image\")"),
        // A Bitmap object is no stream; a stream is no Bitmap object; empty Bitmap objects hold none.
        Do("@pic.LoadImagesFromObjects(@one.GetId(), 255, @bmp.GetId(), 255)"),
        Do("@pic.CopyImages(@one.GetId(), 255, @one.GetId(), 255)"),
        Do("@pic.CopyImages(@bmp.GetId(), 255, @bmp2.GetId(), 255)"),
        Note("@MAIN.GetText()", "B"),
    };
    const std::string then = R"(
        @pic.LoadImagesFromObjects(@one.GetId(), 255, @two.GetId(), 0)
        @MAIN.SetText("streams " & @one.GetPosition() & "," & @two.GetPosition())
)";
    const std::string later = R"(
        @bmp.LoadEmbedded("blue.bmp")
        @bmp2.LoadEmbedded("red.bmp")
        @pic.CopyImages(@bmp.GetId(), 255, @bmp2.GetId(), 16711680)
        @MAIN.SetText("copied")
)";
    ProjectRun run(ImageButtonProject(R"(
  object DataStream one
  object DataStream two
  object Bitmap bmp
  object Bitmap bmp2
)",
                                      {qbktest::ScriptLines(steps, "MAIN", 8), then, later}) +
                   qbktest::EmbeddedFileLine("green.bmp", qbktest::MakeFramedBmp(16, 2, kGreen, kRed)));
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    ProjectRun::BringToFront(main);
    qbktest::MoveMouseTo(main, 250, 150);
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "B", steps), nullptr);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kYellow, qbktest::kWait));  // still no image
    PostMessageA(main, WM_TIMER, 2, 0);
    ASSERT_TRUE(run.WaitForText(main, "streams 5,8")) << ProjectRun::Text(main);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kGreen, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 42, 32, kYellow, qbktest::kWait));  // the red frame is transparent
    // Over it: the first image again, its colour transparent in both states.
    qbktest::MoveMouseTo(main, 50, 40);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 20, 20, qbktest::PixelOf(GetSysColor(COLOR_BTNHIGHLIGHT)), qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kGreen, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 42, 32, kYellow, qbktest::kWait));
    // Copies of the Bitmap objects' images: red framed in blue while over it, blue framed in red
    // otherwise, each frame transparent.
    PostMessageA(main, WM_TIMER, 3, 0);
    ASSERT_TRUE(run.WaitForText(main, "copied")) << ProjectRun::Text(main);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kRed, qbktest::kWait));
    qbktest::MoveMouseTo(main, 250, 150);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kBlue, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 42, 32, kYellow, qbktest::kWait));
}

}  // namespace
