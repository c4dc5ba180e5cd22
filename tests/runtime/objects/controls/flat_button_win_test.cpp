// Image buttons of a running project as the screen shows them: the normal image with its
// transparent colour, the hover image while the mouse is over it (with the enter, leave and move
// notices), pushed, disabled (the embossed grey picture) and checked.
#include <gtest/gtest.h>

#include "project_run.h"
#include "window_probes.h"
#include "test_bitmaps.h"

namespace {

using qbktest::ProjectRun;
using zvtest::Rgb;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kMagenta = 0xFF00FF, kYellow = 0xFFFF00;

// Two buttons of 60 x 40 at (20, 20) and (120, 20), yellow behind their images: 16 x 16 squares
// with a magenta frame of 2 pixels, red normally and blue for the hover image. Without text the
// image is centred: its corner at (22, 12) of the button.
std::string Project()
{
    return R"(
window MAIN
  caption "I"
  style 0x100B0001
  rect 0 0 300 200
  object ImageButton pic
    caption ""
    rect 20 20 60 40
    style 0x50010000
    values 0 0 0 0x00FFFF 0
    property "Image" "red.bmp"
    property "Image Over" "blue.bmp"
    event 0
      @MAIN.SetText(@MAIN.GetText() & "|click")
    event 1
      @Condition.If(@pic.IsMouseOver(), "=", "0")
        @MAIN.SetText(@MAIN.GetText() & "|moved-out")
      @Condition.EndIf()
    event 2
      @MAIN.SetText(@MAIN.GetText() & "|leave")
    event 3
      @MAIN.SetText(@MAIN.GetText() & "|enter")
  object ImageButton check
    caption ""
    rect 120 20 60 40
    style 0x50010002
    values 0 0 0 0x00FFFF 0
    property "Image" "red.bmp"
    property "Image Over" "blue.bmp"
  builtin Time
    event 0
      @check.SetCheck(1)
)" + qbktest::EmbeddedFileLine("red.bmp", qbktest::MakeFramedBmp(16, 2, kRed, kMagenta)) +
           qbktest::EmbeddedFileLine("blue.bmp", qbktest::MakeFramedBmp(16, 2, kBlue, kMagenta));
}

void LeftButton(bool down)
{
    // A press soon after the previous program's last click at this place could count as the second
    // half of a double click, which gives the button no click: let that time pass first.
    if (down) Sleep(GetDoubleClickTime() + 50);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

TEST(FlatButton, NormalHoverPushedAndDisabledPictures)
{
    ProjectRun run(Project());
    HWND main = run.Window("MAIN");
    HWND pic = run.Control("MAIN", "pic");
    ASSERT_TRUE(main && pic);
    ProjectRun::BringToFront(main);
    qbktest::MoveMouseTo(main, 250, 150);
    const uint32_t light = qbktest::PixelOf(GetSysColor(COLOR_BTNHIGHLIGHT));
    const uint32_t shadow = qbktest::PixelOf(GetSysColor(COLOR_BTNSHADOW));

    // The normal image; its magenta frame lets the back colour through.
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kRed, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 42, 32, kYellow, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 20, 20, kYellow, qbktest::kWait));  // no border

    // Over it: the hover image inside a raised border.
    qbktest::MoveMouseTo(main, 50, 40);
    EXPECT_TRUE(run.WaitForText(main, "I|enter")) << ProjectRun::Text(main);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kBlue, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 20, 20, light, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 79, 59, shadow, qbktest::kWait));

    // Pushed: sunken, and a click when let go over it.
    LeftButton(true);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 20, 20, shadow, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 51, 41, kBlue, qbktest::kWait));
    LeftButton(false);
    // The system may follow the release with a move of its own, which may enter already.
    EXPECT_TRUE(zvtest::WaitFor([&] { return ProjectRun::Text(main).rfind("I|enter|click", 0) == 0; }, qbktest::kWait))
        << ProjectRun::Text(main);

    // Letting go released the capture and the hover with it: the next move over it enters again.
    qbktest::MoveMouseTo(main, 52, 42);
    EXPECT_TRUE(run.WaitForText(main, "I|enter|click|enter")) << ProjectRun::Text(main);
    // Away: leave, then one move notice while no longer over it; the normal image again.
    qbktest::MoveMouseTo(main, 250, 150);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const std::string text = ProjectRun::Text(main), end = "|leave|moved-out";
            return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
        },
        qbktest::kWait))
        << ProjectRun::Text(main);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, kRed, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 20, 20, kYellow, qbktest::kWait));

    // Disabled: the dark pixels in grey with white below right of them, on the back colour.
    EnableWindow(pic, FALSE);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 50, 40, 0x808080, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 56, 46, 0xFFFFFF, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 42, 32, kYellow, qbktest::kWait));
}

TEST(FlatButton, CheckButtonShowsItsHoverImageOnlyWhileChecked)
{
    ProjectRun run(Project());
    HWND main = run.Window("MAIN");
    ASSERT_TRUE(main && run.Control("MAIN", "check"));
    ProjectRun::BringToFront(main);
    // A button made under a cursor that stands still hears of no move: it must show before the
    // mouse comes.
    qbktest::MoveMouseTo(main, 250, 150);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 150, 40, kRed, qbktest::kWait));
    qbktest::MoveMouseTo(main, 150, 40);
    EXPECT_TRUE(
        qbktest::WaitForPixel(main, 120, 20, qbktest::PixelOf(GetSysColor(COLOR_BTNHIGHLIGHT)), qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 150, 40, kRed, qbktest::kWait));
    qbktest::MoveMouseTo(main, 250, 150);
    PostMessageA(main, WM_TIMER, 1, 0);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 150, 40, kBlue, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 120, 20, qbktest::PixelOf(GetSysColor(COLOR_BTNSHADOW)), qbktest::kWait));
}

}  // namespace
