// Progress bars in a running project: the image tiled over the filled part (horizontal, vertical,
// an empty range), and the commands that move, range, colour and load the bar.
#include <gtest/gtest.h>

#include "project_run.h"

#include <commctrl.h>

#include "bmp_hex.h"
#include "capture_control.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;
using zvtest::Rgb;

const uint32_t kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0);

// Pixels of the row (or column) that are red, from the start.
int RedRun(const zvtest::Image& image, bool vertical)
{
    int run = 0;
    if (vertical) {
        for (int y = image.height - 1; y >= 0 && zvtest::ColorNear(image.At(image.width / 2, y), kRed); --y) ++run;
    } else {
        for (int x = 0; x < image.width && zvtest::ColorNear(image.At(x, image.height / 2), kRed); ++x) ++run;
    }
    return run;
}

bool AllOf(const zvtest::Image& image, uint32_t colour)
{
    return !image.Empty() && image.Count(0, 0, image.width, image.height, [&](uint32_t p) {
        return zvtest::ColorNear(p, colour);
    }) == image.width * image.height;
}

std::string Project()
{
    return R"(
window MAIN
  caption "Bars"
  style 0x100B0001
  rect 0 0 420 320
  event 16
    @out.SetText(@cmd.SetRange(0, 50) & "," & @cmd.SetPos(40) & "," & @cmd.Increase(20) & "," & @cmd.Decrease(15) & "," & @cmd.GetPos() & "," & @cmd.GetRange() & "," & @cmd.34() & "," & @cmd.GetBackColor() & "," & @cmd.SetBackColor(255) & @cmd.GetBackColor() & "," & @cmd.SetBackColor(-1) & @cmd.GetBackColor() & "," & @cmd.LoadImageFile("nowhere.bmp") & "," & @cmd.LoadImageEmbedded("missing.bmp") & "," & @cmd.LoadImageEmbedded("tile.bmp"))
  object ProgressBar bar
    rect 10 10 200 20
    values 0 0 0 65280 -1
    property "Min Value" "0"
    property "Max Value" "100"
    property "Value" "30"
    property "Image" "tile.bmp"
  object ProgressBar vbar
    rect 250 10 20 100
    style 0x50000004
    values 0 0 0 65280 -1
    property "Max Value" "100"
    property "Value" "30"
    property "Image" "tile.bmp"
  object ProgressBar empty
    rect 10 60 100 20
    values 0 0 0 65280 -1
    property "Min Value" "5"
    property "Max Value" "5"
    property "Value" "5"
    property "Image" "tile.bmp"
  object ProgressBar cmd
    rect 10 120 100 20
  object ProgressBar none
    rect 10 160 100 20
  object CheckBox out
    rect 10 200 400 20
file "tile.bmp" hex ")" +
           qbktest::SolidBmpHex(7, 6, kRed) + "\"\n";
}

TEST(ProgressBarCommands, ImageFillsTheBarsShareAndCommandsMoveRangeColourAndLoad)
{
    ProjectRun run(Project());
    HWND out = run.Control("MAIN", "out");
    ASSERT_NE(out, nullptr);
    const std::string window = std::to_string(GetSysColor(COLOR_WINDOW));
    EXPECT_TRUE(run.WaitForText(out, ",0,50,35,35,50,50," + window + ",255," + window + ",0,0,1"))
        << ProjectRun::Text(out);

    // 30 of 0..100: 60 of 200 pixels in tiles of 7, cut at the end; vertically the bottom 30 of 100.
    HWND bar = run.Control("MAIN", "bar"), vbar = run.Control("MAIN", "vbar");
    zvtest::Image shot;
    EXPECT_TRUE(
        zvtest::WaitFor([&] { return RedRun(shot = qbktest::CaptureControl(bar), false) == 60; }, qbktest::kWait))
        << RedRun(shot, false);
    EXPECT_TRUE(zvtest::ColorNear(shot.At(100, 10), kGreen));
    EXPECT_TRUE(
        zvtest::WaitFor([&] { return RedRun(shot = qbktest::CaptureControl(vbar), true) == 30; }, qbktest::kWait))
        << RedRun(shot, true);
    EXPECT_TRUE(zvtest::ColorNear(shot.At(10, 10), kGreen));

    // A range whose ends are equal shows nothing filled.
    EXPECT_TRUE(zvtest::WaitFor([&] { return AllOf(qbktest::CaptureControl(run.Control("MAIN", "empty")), kGreen); },
                                qbktest::kWait));

    // The commanded bar: 35 of 0..50 in the loaded tiles over the window colour.
    HWND cmd = run.Control("MAIN", "cmd");
    EXPECT_TRUE(
        zvtest::WaitFor([&] { return RedRun(shot = qbktest::CaptureControl(cmd), false) == 70; }, qbktest::kWait))
        << RedRun(shot, false);
    const COLORREF system = GetSysColor(COLOR_WINDOW);
    EXPECT_TRUE(zvtest::ColorNear(shot.At(90, 10), Rgb(GetRValue(system), GetGValue(system), GetBValue(system))));
    EXPECT_EQ(SendMessageA(cmd, PBM_GETPOS, 0, 0), 35);
}

class ProgressBarWithoutControl : public ScriptTest {};

TEST_F(ProgressBarWithoutControl, GettersAnswerTheirFailureAndSettersNothing)
{
    Start(qbktest::CommandWordsOf({"ProgressBar"}) + R"(
window MAIN
  object ProgressBar bar
  event 0
    @Application.Return(@bar.Increase(1) & "," & @bar.GetBackColor() & "," & @bar.GetRange() & "," & @bar.34() & "," & @bar.GetPos() & "," & @bar.LoadImageFile("x.bmp") & "," & @bar.LoadImageEmbedded("x.bmp") & "," & @bar.SetBackColor(1) & "," & @bar.SetRange(1, 2) & "," & @bar.SetPos(1) & "," & @bar.Decrease(1))
)");
    EXPECT_EQ(Run("MAIN", 0), "0,-1,0,0,0,0,0,,0,0,0");
}

}  // namespace
