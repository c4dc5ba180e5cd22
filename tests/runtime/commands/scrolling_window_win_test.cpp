// Scrolling windows in a running project: the text moving with its timer and coming back from the
// left after leaving at the right, stopped at its start, its colours, transparency over the
// window's background, its background image (from files, embedded files and data streams), and the
// text's measures.
#include <gtest/gtest.h>

#include "project_run.h"

#include <cstdlib>
#include <string>

#include "bmp_hex.h"
#include "capture_control.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;
using zvtest::Rgb;

const uint32_t kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255), kCyan = Rgb(0, 255, 255),
               kPlum = Rgb(160, 40, 160);

std::string Project()
{
    return R"(
window MAIN
  caption "Ticker"
  style 0x100B0001
  rect 0 0 420 320
  values 0 0 0 0xFF0000 -1
  event 16
    @out.SetText(@tick.GetBackColor() & "," & @tick.GetTextColor() & "," & @tick.GetTextWidth() & "," & @tick.GetTextHeight())
  object ScrollingWindow tick
    caption "Ticker"
    rect 10 10 300 40
    style 0x50000002
    flags 0x24
    values 0 0 0 0x00FF00 0x0000FF
  object CheckBox go
    rect 10 100 60 20
    event 0
      @tick.SetScrollSpeed(0.2, 0)
  object CheckBox stop
    rect 80 100 60 20
    event 0
      @tick.SetScrollSpeed(0, 0)
      @out.SetText("stopped")
  object CheckBox clear
    rect 150 100 60 20
    event 0
      @tick.SetBackColor(-1)
      @out.SetText(@tick.GetBackColor() & "," & @tick.SetText("Ticker Ticker Ticker") & @tick.GetTextWidth())
  object CheckBox pic
    rect 220 100 60 20
    event 0
      @out.SetText(@tick.SetBackColor(65535) & @tick.GetBackColor() & "," & @tick.LoadImageFile("nowhere.bmp") & "," & @tick.LoadImageEmbedded("tile.bmp") & @tick.ShowImage(1) & @tick.SetOffset(0, 100) & "," & @tick.SetTextColor(65280) & @tick.GetTextColor())
  object CheckBox stream
    rect 290 100 60 20
    event 0
      @data.LoadEmbedded("plum.bmp")
      @data.Seek(5)
      @out.SetText(@tick.LoadImageFromObject(@empty.GetId()) & @tick.LoadImageFromObject(@number.GetId()) & @tick.LoadImageFromObject(77) & "," & @tick.LoadImageFromObject(@data.GetId()) & "," & @data.GetPosition())
  object CheckBox out
    rect 10 200 400 20
  object DataStream data
  object DataStream empty
  object NumberVariable number
file "plum.bmp" hex ")" +
           qbktest::SolidBmpHex(8, 8, kPlum) + R"("
file "tile.bmp" hex ")" +
           qbktest::SolidBmpHex(8, 8, kCyan) + "\"\n";
}

// The right-most column of the ticker that holds a pixel of the colour; -1 for none.
int RightMost(const zvtest::Image& shot, uint32_t colour)
{
    for (int x = shot.width - 1; x >= 0; --x)
        for (int y = 0; y < shot.height; ++y)
            if (zvtest::ColorNear(shot.At(x, y), colour, 40)) return x;
    return -1;
}

int LeftMost(const zvtest::Image& shot, uint32_t colour)
{
    for (int x = 0; x < shot.width; ++x)
        for (int y = 0; y < shot.height; ++y)
            if (zvtest::ColorNear(shot.At(x, y), colour, 40)) return x;
    return -1;
}

TEST(ScrollingWindowCommands, TextMovesWrapsStopsAndTheColoursAndImageShow)
{
    ProjectRun run(Project());
    HWND out = run.Control("MAIN", "out"), tick = run.Control("MAIN", "tick");
    ASSERT_TRUE(out && tick);
    ASSERT_TRUE(zvtest::WaitFor([&] { return ProjectRun::Text(out).rfind("65280,255,", 0) == 0; }, qbktest::kWait))
        << ProjectRun::Text(out);
    // Painted by itself: the static's type is owner-drawn, not mixed with the type it was given.
    EXPECT_EQ(GetWindowLongA(tick, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
    int width = 0, height = 0;
    ASSERT_EQ(sscanf(ProjectRun::Text(out).c_str(), "65280,255,%d,%d", &width, &height), 2);
    EXPECT_GT(width, height);
    EXPECT_GT(height, 5);

    // Standing at offset 0: the text begins at the left, on the back colour.
    zvtest::Image shot;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = qbktest::CaptureControl(tick);
            return !shot.Empty() && LeftMost(shot, kRed) >= 0 && LeftMost(shot, kRed) < 5;
        },
        qbktest::kWait));
    EXPECT_TRUE(zvtest::ColorNear(shot.At(290, 3), kGreen));

    // Moving right: its right edge advances, leaves at the right and comes back in from the left.
    run.Click(run.Control("MAIN", "go"));
    int highest = -1;
    bool cameBack = false;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const int right = RightMost(qbktest::CaptureControl(tick), kRed);
            if (right > highest) highest = right;
            cameBack = cameBack || (highest > 250 && right >= 0 && right < 60);
            return cameBack;
        },
        qbktest::kWait))
        << highest;

    run.Click(run.Control("MAIN", "stop"));
    EXPECT_TRUE(run.WaitForText(out, "stopped"));
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = qbktest::CaptureControl(tick);
            return LeftMost(shot, kRed) >= 0 && LeftMost(shot, kRed) < 5;
        },
        qbktest::kWait));
    zvtest::PumpMessages(200);
    EXPECT_LT(LeftMost(qbktest::CaptureControl(tick), kRed), 5);

    // Transparent: the window's own background around the text; a longer text measures wider.
    run.Click(run.Control("MAIN", "clear"));
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const std::string text = ProjectRun::Text(out);
            return text.rfind("-1,", 0) == 0 && std::atoi(text.c_str() + 3) > width;
        },
        qbktest::kWait))
        << ProjectRun::Text(out);
    EXPECT_TRUE(zvtest::WaitFor([&] { return zvtest::ColorNear(qbktest::CaptureControl(tick).At(290, 3), kBlue); },
                                qbktest::kWait));

    // The background image, tiled, and the text moved down out of sight in the new colour.
    run.Click(run.Control("MAIN", "pic"));
    EXPECT_TRUE(run.WaitForText(out, "65535,0,1,65280")) << ProjectRun::Text(out);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = qbktest::CaptureControl(tick);
            return shot.Count(0, 0, shot.width, shot.height, [](uint32_t p) { return zvtest::ColorNear(p, kCyan); }) ==
                   shot.width * shot.height;
        },
        qbktest::kWait));

    // From a data stream, read from its start and left where it stood; anything but a data stream
    // with bytes loads nothing. The new image shows at the next painting.
    run.Click(run.Control("MAIN", "stream"));
    EXPECT_TRUE(run.WaitForText(out, "000,1,5")) << ProjectRun::Text(out);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            InvalidateRect(tick, nullptr, FALSE);
            shot = qbktest::CaptureControl(tick);
            return shot.Count(0, 0, shot.width, shot.height, [](uint32_t p) { return zvtest::ColorNear(p, kPlum); }) ==
                   shot.width * shot.height;
        },
        qbktest::kWait));
}

class ScrollingWindowWithoutControl : public ScriptTest {};

TEST_F(ScrollingWindowWithoutControl, GettersAnswerZero)
{
    Start(qbktest::CommandWordsOf({"ScrollingWindow"}) + R"(
window MAIN
  object ScrollingWindow tick
  event 0
    @Application.Return(@tick.ShowImage(1) & "," & @tick.GetBackColor() & "," & @tick.GetTextColor() & "," & @tick.GetTextHeight() & "," & @tick.GetTextWidth() & "," & @tick.LoadImageFile("x") & "," & @tick.LoadImageEmbedded("x") & "," & @tick.LoadImageFromObject(1) & "," & @tick.SetOffset(1, 2) & @tick.SetScrollSpeed(1, 1) & @tick.SetBackColor(1) & @tick.SetTextColor(1))
)");
    EXPECT_EQ(Run("MAIN", 0), ",0,0,0,0,0,0,0,");
}

}  // namespace
