// Shaped images and the digit display of a running project: the opaque part of an image takes the
// mouse (enter, leave, clicks), its transparent parts let clicks through to the window, also where
// the image is stretched or centred; the digit display sized to the built-in strip.
#include <gtest/gtest.h>

#include "project_run.h"
#include "window_probes.h"
#include "test_bitmaps.h"

namespace {

using qbktest::FocusOf;
using qbktest::ProjectRun;

constexpr uint32_t kRed = 0xFF0000, kMagenta = 0xFF00FF, kYellow = 0xFFFF00;

// Left half red, right half magenta.
std::string HalfRed(int size)
{
    return qbktest::MakeBmp(size, size, [=](int x, int) { return x < size / 2 ? kRed : kMagenta; });
}

std::string Project()
{
    return R"(
window MAIN
  caption "S"
  style 0x100B0001
  rect 0 0 300 200
  event 5
    @MAIN.SetText(@MAIN.GetText() & "|window")
  object ShapedImage plain
    rect 20 20 40 40
    property "Image" "half40.bmp"
    property "Transparent Color" "16711935"
    event 1
      @MAIN.SetText(@MAIN.GetText() & "|down")
    event 2
      @MAIN.SetText(@MAIN.GetText() & "|up")
    event 7
      @MAIN.SetText(@MAIN.GetText() & "|leave")
    event 8
      @MAIN.SetText(@MAIN.GetText() & "|enter")
  object ShapedImage stretched
    rect 100 20 40 40
    property "Image" "half20.bmp"
    property "Transparent Color" "16711935"
    property "Stretch Mode" "1"
    event 1
      @MAIN.SetText(@MAIN.GetText() & "|stretched")
  object ShapedImage centred
    rect 180 20 60 40
    property "Image" "half20.bmp"
    property "Transparent Color" "16711935"
    property "Horizontal Align" "center"
    property "Vertical Align" "Center"
    event 1
      @MAIN.SetText(@MAIN.GetText() & "|centred")
  object ShapedImage opaque
    rect 20 100 60 40
    values 0 0 0 0x00FFFF 0
    property "Image" "half20.bmp"
    property "Horizontal Align" "Right"
    property "Vertical Align" "Bottom"
    event 1
      @MAIN.SetText(@MAIN.GetText() & "|opaque")
  object Picture counter
    rect 150 120 100 30
)" + qbktest::EmbeddedFileLine("half40.bmp", HalfRed(40)) +
           qbktest::EmbeddedFileLine("half20.bmp", HalfRed(20));
}

TEST(ShapeButton, OpaquePartsTakeTheMouseAndTransparentOnesLetClicksThrough)
{
    ProjectRun run(Project());
    HWND main = run.Window("MAIN");
    HWND plain = run.Control("MAIN", "plain");
    ASSERT_TRUE(main && plain);
    ProjectRun::BringToFront(main);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 25, 40, kRed, qbktest::kWait));
    const zvtest::Image shot = ProjectRun::Capture(main);
    ASSERT_FALSE(shot.Empty());
    EXPECT_FALSE(zvtest::ColorNear(shot.At(50, 40), kMagenta));  // the window shows through
    // No transparent colour: the image at the bottom right, the back colour around it.
    EXPECT_TRUE(zvtest::ColorNear(shot.At(22, 102), kYellow));
    EXPECT_TRUE(zvtest::ColorNear(shot.At(65, 130), kRed));

    qbktest::MoveMouseTo(main, 250, 150);
    qbktest::MoveMouseTo(main, 30, 40);
    EXPECT_TRUE(run.WaitForText(main, "S|enter")) << ProjectRun::Text(main);
    qbktest::MoveMouseTo(main, 50, 40);  // onto its own transparent part: leave, and no move notice
    EXPECT_TRUE(run.WaitForText(main, "S|enter|leave")) << ProjectRun::Text(main);
    run.ClickAt(main, 30, 40);
    EXPECT_TRUE(run.WaitForText(main, "S|enter|leave|enter|down|up")) << ProjectRun::Text(main);
    EXPECT_NE(FocusOf(plain), plain);
    run.ClickAt(main, 50, 40);
    EXPECT_TRUE(run.WaitForText(main, "S|enter|leave|enter|down|up|leave|window")) << ProjectRun::Text(main);
    run.Click(run.Control("MAIN", "counter"));  // away, so that the next clicks are no double clicks
    const std::string before = ProjectRun::Text(main);

    // Stretched 20 x 20 over 40 x 40: its right half is magenta.
    run.ClickAt(main, 110, 40);
    run.ClickAt(main, 130, 40);
    // Centred at (200, 30): outside the image, on its red half, on its magenta half.
    run.ClickAt(main, 185, 25);
    run.ClickAt(main, 205, 40);
    run.ClickAt(main, 215, 40);
    // Without a transparent colour even the back colour takes the click.
    run.ClickAt(main, 25, 105);
    EXPECT_TRUE(run.WaitForText(main, before + "|stretched|window|window|centred|window|opaque"))
        << ProjectRun::Text(main);
}

TEST(DigitDisplay, BuiltInStripSizesTheDisplay)
{
    ProjectRun run(Project());
    HWND main = run.Window("MAIN");
    HWND counter = run.Control("MAIN", "counter");
    ASSERT_TRUE(main && counter);
    RECT place;
    GetWindowRect(counter, &place);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 150);
    EXPECT_EQ(place.right - place.left, 91);  // seven digits of 13
    EXPECT_EQ(place.bottom - place.top, 17);
    // Value 0 in seven cells: six blanks, then the digit.
    ProjectRun::BringToFront(main);
    auto bright = [](uint32_t p) { return ((p >> 8) & 0xFF) > 120; };
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const zvtest::Image shot = ProjectRun::Capture(main);
            return !shot.Empty() && shot.Count(150 + 78, 120, 150 + 91, 137, bright) > 10 &&
                   shot.Count(150, 120, 150 + 78, 137, bright) == 0 && zvtest::ColorNear(shot.At(151, 121), 0x000000);
        },
        qbktest::kWait));
}

}  // namespace
