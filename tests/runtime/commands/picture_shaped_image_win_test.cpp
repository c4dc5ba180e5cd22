// Digit displays, shaped images and image progress bars driven by a running project's scripts:
// values and colours, and the images they show taken from files, embedded files, data streams and
// Bitmap objects, read back from the screen.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "capture_control.h"
#include "project_run.h"
#include "script_steps.h"
#include "script_test_fixture.h"
#include "test_bitmaps.h"
#include "type_command_words.h"

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;

constexpr int kCell = 13;  // cells of the strips, as wide as the built-in ones
constexpr int kOtherShift = 60;
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// Cell i of a strip is one colour of its own; a shift of the blue makes a second strip of others.
uint32_t CellColour(int i, int shift = 0)
{
    return uint32_t(i * 20) << 16 | uint32_t(255 - i * 20) << 8 | (0x64 + shift);
}

std::string Strip(int height, int shift = 0)
{
    return qbktest::MakeBmp(12 * kCell, height, [=](int x, int) { return CellColour(x / kCell, shift); });
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// A file of the run's folder, named in a script.
std::string InFolder(const std::string& name) { return "@Application.GetFolder() & \"" + name + "\""; }

// The cells a digit display shows, read through its window; -1 for a colour of no cell.
std::vector<int> Shown(HWND display, int count, int shift = 0)
{
    const zvtest::Image shot = qbktest::CaptureControl(display);
    std::vector<int> cells;
    for (int i = 0; i < count; ++i) {
        const uint32_t pixel = shot.Empty() ? 0 : shot.At(i * kCell + kCell / 2, 4);
        int cell = -1;
        for (int c = 0; c < 12; ++c)
            if (zvtest::ColorNear(pixel, CellColour(c, shift), 3)) cell = c;
        cells.push_back(cell);
    }
    return cells;
}

bool WaitForCells(HWND display, const std::vector<int>& cells, int shift = 0)
{
    return zvtest::WaitFor([&] { return Shown(display, int(cells.size()), shift) == cells; }, qbktest::kWait);
}

std::string Project(const std::string& objects, const std::vector<std::string>& phases)
{
    return R"(
window MAIN
  caption "P"
  style 0x100B0001
  rect 0 0 420 300
)" + objects +
           qbktest::TimerScript(phases) + qbktest::EmbeddedFileLine("strip.bmp", Strip(10)) +
           qbktest::EmbeddedFileLine("other.bmp", Strip(8, kOtherShift)) +
           qbktest::EmbeddedFileLine("blue.bmp", qbktest::MakeFramedBmp(10, 2, kBlue, kGreen)) +
           qbktest::EmbeddedFileLine("red.bmp", qbktest::MakeFramedBmp(10, 2, kRed, kGreen));
}

TEST(PictureCommands, ValuesStripsAndTheirSources)
{
    const std::vector<Step> steps = {
        Note("@digits.GetDigits()", "4"),
        Note("@digits.GetGlyphWidth()", "13"),
        Note("@digits.GetGlyphHeight()", "10"),
        Note("@digits.SetValue(7)", "0"),
        Note("@digits.Increase(5)", "12"),
        Note("@digits.Decrease(20)", "-8"),
        Note("@digits.SetValue(9)", "-8"),
        Note("@digits.SetValue(3)", "9"),
        Note("@digits.GetValue()", "3"),
        Note("@digits.GetTransparentColor()", "-1"),
        Do("@digits.SetTransparentColor(255)"),
        Note("@digits.GetTransparentColor()", "255"),
        Do("@digits.SetTransparentColor(-1)"),
        // A Bitmap object's image: a strip 8 high of other colours.
        Do("@bmp.LoadEmbedded(\"other.bmp\")"),
        Note("@digits.CopyImage(@bmp.GetId())", "1"),
        Note("@digits.GetGlyphHeight()", "8"),
        // Objects of other types change nothing.
        Note("@digits.CopyImage(@stream.GetId())", "0"),
        Note("@digits.LoadFromObject(@bmp.GetId())", "0"),
        Note("@digits.GetGlyphHeight()", "8"),
        // A stream is read from its start and keeps its position.
        Do("@stream.LoadEmbedded(\"strip.bmp\")"),
        Do("@stream.Seek(5)"),
        Note("@digits.LoadFromObject(@stream.GetId())", "1"),
        Note("@stream.GetPosition()", "5"),
        Note("@digits.GetGlyphHeight()", "10"),
        // An embedded file that is not there leaves no strip at all; commands 37 and 39 load alike.
        Note("@digits.LoadEmbedded(\"missing.bmp\")", "0"),
        Note("@digits.GetGlyphWidth()", "0"),
        Note("@digits.39(\"other.bmp\")", "1"),
        Note("@digits.GetGlyphHeight()", "8"),
        Note("@digits.LoadEmbedded(\"strip.bmp\")", "1"),
        Note("@digits.GetGlyphHeight()", "10"),
        Do("@digits.SetLeadingZeros(-1)"),
        Do("@digits.SetValue(42)"),
        // A grid answers the same two commands with its colours.
        Do("@g.SetGridBackColor(8421376)"),
        Do("@g.SetGridLineColor(128)"),
        Note("@g.33()", "8421376"),
        Note("@g.45()", "128"),
    };
    const std::string later = R"(
        @digits.SetLeadingZeros(-1)
        @digits.SetValue(-5)
)";
    const std::string last = R"(
        @digits.CopyImage(@bmp.GetId())
        @digits.SetValue(1234)
)";
    ProjectRun run(Project(R"(
  object Picture digits
    rect 10 10 52 10
    property "Image" "strip.bmp"
  object Bitmap bmp
  object DataStream stream
  object Grid g
    rect 10 100 300 150
)",
                           {qbktest::ScriptLines(steps, "MAIN", 8), later, last}));
    HWND main = qbktest::RunSteps(run, "MAIN", "P", steps);
    ASSERT_NE(main, nullptr);
    HWND digits = run.Control("MAIN", "digits");
    ProjectRun::BringToFront(main);
    // Leading zeros in front of 42, then none in front of -5 once the flag toggled back.
    EXPECT_TRUE(WaitForCells(digits, {0, 0, 4, 2})) << ::testing::PrintToString(Shown(digits, 4));
    PostMessageA(main, WM_TIMER, 2, 0);
    EXPECT_TRUE(WaitForCells(digits, {10, 10, 11, 5})) << ::testing::PrintToString(Shown(digits, 4));
    PostMessageA(main, WM_TIMER, 3, 0);
    EXPECT_TRUE(WaitForCells(digits, {1, 2, 3, 4}, kOtherShift))
        << ::testing::PrintToString(Shown(digits, 4, kOtherShift));
}

// The shape is 40 x 40 at (100, 100) of MAIN; its images are 10 x 10, a green frame round a
// coloured middle.
TEST(ShapedImageCommands, ImagesColoursAlignmentAndStretch)
{
    const std::vector<Step> steps = {
        Note("@shape.GetBackColor()", "16777215"),
        Note("@shape.GetTransparentColor()", "-1"),
        Note("@shape.LoadFile(" + InFolder("none.bmp") + ")", "0"),
        Note("@shape.LoadFile(" + InFolder("red.bmp") + ")", "1"),
        Note("@shape.LoadEmbedded(\"absent.bmp\")", "0"),
        Note("@shape.LoadEmbedded(\"blue.bmp\")", "1"),
        Do("@stream.LoadEmbedded(\"red.bmp\")"),
        Do("@stream.Seek(7)"),
        Note("@shape.LoadFromObject(@stream.GetId())", "1"),
        Note("@stream.GetPosition()", "7"),
        Note("@shape.LoadFromObject(@bmp.GetId())", "0"),
        Do("@bmp.LoadEmbedded(\"blue.bmp\")"),
        Note("@shape.CopyImage(@stream.GetId())", "0"),
        Note("@shape.CopyImage(@bmp.GetId())", "1"),
        Do("@shape.SetBackColor(255)"),
        Note("@shape.GetBackColor()", "255"),
        Do("@shape.SetHorizontalAlign(\"center\")"),
        Do("@shape.SetVerticalAlign(\"CENTER\")"),
    };
    // Right and bottom; then stretched; then the frame's green transparent over the window.
    const std::string second = R"(
        @shape.SetHorizontalAlign("RIGHT")
        @shape.SetVerticalAlign("BOTTOM")
)";
    const std::string third = R"(
        @shape.SetStretch(-1)
)";
    const std::string fourth = R"(
        @shape.SetTransparentColor(65280)
        @MAIN.SetText("transparent " & @shape.GetTransparentColor())
)";
    ProjectRun run(Project(R"(
  object ShapedImage shape
    rect 100 100 40 40
  object Bitmap bmp
  object DataStream stream
)",
                           {qbktest::ScriptLines(steps, "MAIN", 8), second, third, fourth}));
    WriteFile(run.Folder() + "red.bmp", qbktest::MakeFramedBmp(10, 2, kRed, kGreen));
    HWND main = qbktest::RunSteps(run, "MAIN", "P", steps);
    ASSERT_NE(main, nullptr);
    ProjectRun::BringToFront(main);
    // "center" in small letters is the left; "CENTER" centres vertically: blue at (105, 120).
    EXPECT_TRUE(qbktest::WaitForPixel(main, 105, 120, kBlue, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 105, 105, kRed, qbktest::kWait));  // back colour 255
    EXPECT_TRUE(qbktest::WaitForPixel(main, 125, 120, kRed, qbktest::kWait));
    PostMessageA(main, WM_TIMER, 2, 0);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 135, 135, kBlue, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 105, 120, kRed, qbktest::kWait));
    PostMessageA(main, WM_TIMER, 3, 0);
    EXPECT_TRUE(qbktest::WaitForPixel(main, 120, 120, kBlue, qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 102, 102, kGreen, qbktest::kWait));  // the frame, stretched
    PostMessageA(main, WM_TIMER, 4, 0);
    ASSERT_TRUE(run.WaitForText(main, "transparent 65280")) << ProjectRun::Text(main);
    // The window's own colour, as it shows far from the shape, shows where the frame was.
    const zvtest::Image shot = ProjectRun::Capture(main);
    ASSERT_FALSE(shot.Empty());
    EXPECT_TRUE(qbktest::WaitForPixel(main, 102, 102, shot.At(300, 250), qbktest::kWait));
    EXPECT_TRUE(qbktest::WaitForPixel(main, 120, 120, kBlue, qbktest::kWait));
}

TEST(ProgressBarCommands, ImagesFromStreamsAndBitmapObjects)
{
    const std::vector<Step> steps = {
        Do("@bar.SetRange(0, 100)"),
        Do("@bar.SetPos(50)"),
        Do("@stream.LoadEmbedded(\"red.bmp\")"),
        Do("@stream.Seek(3)"),
        Note("@bar.LoadImageFromObject(@bmp.GetId())", "0"),
        Note("@bar.LoadImageFromObject(@stream.GetId())", "1"),
        Note("@stream.GetPosition()", "3"),
        Note("@bar.CopyImage(@bmp.GetId())", "0"),  // the Bitmap object holds no image yet
        Note("@bar.CopyImage(@stream.GetId())", "0"),
    };
    const std::string later = R"(
        @bmp.LoadEmbedded("blue.bmp")
        @MAIN.SetText("copied " & @bar.CopyImage(@bmp.GetId()))
)";
    ProjectRun run(Project(R"(
  object ProgressBar bar
    rect 10 10 200 20
  object Bitmap bmp
  object DataStream stream
)",
                           {qbktest::ScriptLines(steps, "MAIN", 8), later}));
    HWND main = qbktest::RunSteps(run, "MAIN", "P", steps);
    ASSERT_NE(main, nullptr);
    HWND bar = run.Control("MAIN", "bar");
    ProjectRun::BringToFront(main);
    // Half of 200 pixels filled with the 10 x 10 tiles: red middles, the window colour beyond.
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const uint32_t back = zvtest::Rgb(GetRValue(window), GetGValue(window), GetBValue(window));
    zvtest::Image shot;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = qbktest::CaptureControl(bar);
            return !shot.Empty() && zvtest::ColorNear(shot.At(15, 5), zvtest::Rgb(255, 0, 0)) &&
                   zvtest::ColorNear(shot.At(150, 5), back);
        },
        qbktest::kWait));
    PostMessageA(main, WM_TIMER, 2, 0);
    ASSERT_TRUE(run.WaitForText(main, "copied 1")) << ProjectRun::Text(main);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = qbktest::CaptureControl(bar);
            return !shot.Empty() && zvtest::ColorNear(shot.At(15, 5), zvtest::Rgb(0, 0, 255));
        },
        qbktest::kWait));
}

class ImageControlsWithoutControl : public ScriptTest {};

TEST_F(ImageControlsWithoutControl, GettersAnswerTheirFailureAndSettersNothing)
{
    Start(qbktest::CommandWordsOf({"Picture", "ShapedImage", "ProgressBar", "DataStream"}) + R"(
window MAIN
  object Picture p
  object ShapedImage s
  object ProgressBar bar
  object DataStream d
  event 0
    @d.Create()
    @Application.Return(@p.Increase(1) & @p.GetDigits() & @p.GetGlyphHeight() & @p.GetGlyphWidth() & @p.GetTransparentColor() & @p.GetValue() & @p.LoadEmbedded("x") & @p.LoadFromObject(15) & @p.CopyImage(15) & @p.SetTransparentColor(1) & @p.SetValue(1) & @p.SetLeadingZeros(1) & @p.Decrease(1) & "|" & @s.GetBackColor() & @s.GetTransparentColor() & @s.LoadFile("x") & @s.LoadFromObject(15) & @s.LoadEmbedded("x") & @s.CopyImage(15) & @s.SetBackColor(1) & @s.SetHorizontalAlign("RIGHT") & @s.SetStretch(1) & @s.SetTransparentColor(1) & @s.SetVerticalAlign("TOP") & "|" & @bar.LoadImageFromObject(15) & @bar.CopyImage(15))
)");
    EXPECT_EQ(Run("MAIN", 0), "0000-1000000|0-10000|00");
}

}  // namespace
