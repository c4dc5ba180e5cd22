// Animation objects in a running project: frames edited, saved and loaded by scripts, played frame by
// frame on the screen, made by the window factory from an embedded animation, and the mouse
// reaching their scripts.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "anim_ctrl.h"
#include "project_run.h"

namespace {

using qbktest::ProjectRun;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// A control of the project as it shows on the screen (its own context cannot be read from here).
zvtest::Image Shot(HWND control)
{
    RECT r;
    GetClientRect(control, &r);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return zvtest::CaptureScreen().Crop(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Lines of a script that append frames of 20 x 10 pixels in red, green and blue to anim.
const char* const kThreeFrames = R"(
    @bmp.SetColor(255)
    @bmp.Create(20, 10)
    @bmp.SaveBmpStream(@data.GetId())
    @anim.InsertFrame(-1, @data.GetId())
    @bmp.SetColor(65280)
    @bmp.Create(20, 10)
    @bmp.SaveBmpStream(@data.GetId())
    @anim.InsertFrame(-1, @data.GetId())
    @bmp.SetColor(16711680)
    @bmp.Create(20, 10)
    @bmp.SaveBmpStream(@data.GetId())
    @anim.InsertFrame(-1, @data.GetId())
)";

// The colour of frame i of anim, through a DataStream and a Bitmap.
std::string FrameColour(int i)
{
    return "@anim.SaveFrame(" + std::to_string(i) +
           ", @data.GetId()) & @bmp.LoadFromStream(@data.GetId()) & @pen.SetTarget(@bmp.GetId()) & \":\" & "
           "@pen.GetPixel(0, 0)";
}

TEST(AnimationCommands, FramesAreEditedSavedAndLoaded)
{
    ProjectRun run(std::string(R"(
window MAIN
  caption "start"
  style 0x100B0001
  rect 0 0 300 200
  object Animation anim
    rect 10 10 60 40
  object Animation other
    rect 100 10 60 40
  object Bitmap bmp
  object DataStream data
  object DataStream empty
  object DrawingTool pen
  object CheckBox result
    rect 10 100 280 20
  event 16)") + kThreeFrames +
                   R"(
    $ 36 and 35: the first frame's width and height (the words are the control's)
    @result.SetText(@anim.GetFrameCount() & "," & @anim.36() & "x" & @anim.35() & "," & @other.36() & "," & @anim.InsertFrame(4, @data.GetId()) & @anim.InsertFrame(0, @empty.GetId()))
    @result.SetText(@result.GetText() & "|" & @anim.MoveFrame(0, 0) & "," & @anim.MoveFrame(0, 2) & "," & @anim.MoveFrame(2, 0) & "," & @anim.MoveFrame(1, -1) & "," & @anim.MoveFrame(3, 0))
    @result.SetText(@result.GetText() & "|" & )" +
                   FrameColour(0) + R"( & "," & )" + FrameColour(1) + R"( & "," & )" + FrameColour(2) +
                   R"( & "," & @anim.SaveFrame(3, @data.GetId()))
    @anim.SetDelay(-5)
    @anim.SetCurrentFrame(3)
    @anim.SetCurrentFrame(1)
    @anim.SetLoop(-1)
    @result.SetText(@result.GetText() & "|" & @anim.GetDelay() & "," & @anim.GetCurrentFrame() & "," & @anim.IsLooping() & @anim.IsPlaying() & "," & @anim.GetBackColor() & "," & @anim.GetTransparentColor())
    @anim.SetDelay(150)
    @result.SetText(@result.GetText() & "|" & @anim.SaveFile(@Application.GetFolder() & "three.qan") & @other.LoadFile(@Application.GetFolder() & "three.qan") & "," & @other.GetFrameCount() & "," & @other.GetDelay() & "," & @other.LoadFile(@Application.GetFolder() & "missing.qan") & @other.GetFrameCount())
    @result.SetText(@result.GetText() & "|" & @anim.SaveStream(@empty.GetId()) & @other.LoadStream(@empty.GetId()) & "," & @other.GetFrameCount() & "," & @other.LoadStream(@bmp.GetId()))
    @result.SetText(@result.GetText() & "|" & @anim.RemoveFrame(3) & @anim.RemoveFrame(0) & "," & @anim.GetFrameCount())
    @anim.Clear()
    @result.SetText(@result.GetText() & "|" & @anim.GetFrameCount() & "," & @anim.36() & "," & @anim.SaveFile(@Application.GetFolder() & "none\\x.qan"))
)");
    HWND result = run.Control("MAIN", "result");
    ASSERT_NE(result, nullptr);
    // Three frames of 20 x 10, none from an empty stream or past the end; moves as the frame list
    // makes them (R G B -> G R B -> B G R -> B R G); frames read back; the default and given delays;
    // files and streams; removal and clearing.
    EXPECT_TRUE(run.WaitForText(result, "3,20x10,0,00"
                                        "|-1,1,0,2,-1"
                                        "|111:16711680,111:255,111:65280,0"
                                        "|200,1,00,16777215,-1"
                                        "|11,3,150,00"
                                        "|11,3,0"
                                        "|01,2"
                                        "|0,0,0"))
        << ProjectRun::Text(result);
}

// A project whose keys drive an animation of three frames that starts paused on frame 0.
const char* const kPlayer = R"(
window MAIN
  caption "player"
  style 0x100B0001
  rect 0 0 300 200
  object Animation anim
    rect 10 10 60 40
  object Bitmap bmp
  object DataStream data
  builtin Keyboard
    event 1
      @Condition.If(@Application.GetParameter(0), "=", "P")
        @anim.SetLoop(0)
        @anim.SetDelay(1000000)
        @anim.Play()
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "B")
        @anim.PlayBackward()
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "L")
        @anim.SetLoop(1)
        @anim.Play()
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "T")
        @anim.SetDelay(40)
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "S")
        @anim.Stop()
        @anim.SetCurrentFrame(0)
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "C")
        @anim.SetBackColor(65280)
        @anim.SetTransparentColor(255)
      @Condition.EndIf()
      @MAIN.SetText(@Application.GetParameter(0) & @anim.GetCurrentFrame() & "," & @anim.IsPlaying())
  event 16)";

class AnimationPlaying : public ::testing::Test {
protected:
    void SetUp() override
    {
        run_ = std::make_unique<ProjectRun>(std::string(kPlayer) + kThreeFrames);
        main_ = run_->Window("MAIN");
        ASSERT_NE(main_, nullptr);
        anim_ = run_->Control("MAIN", "anim");
        ASSERT_NE(anim_, nullptr);
        ProjectRun::BringToFront(main_);
    }
    // The pixel of the control's centre, where the 20 x 10 frames are drawn.
    uint32_t Centre() const { return Shot(anim_).At(30, 20); }
    bool Shows(uint32_t colour) const
    {
        return zvtest::WaitFor([&] { return Centre() == colour; }, qbktest::kWait);
    }
    // One tick of the animation's timer, as the system delivers it.
    void Tick() const { PostMessageA(anim_, WM_TIMER, 6, 0); }
    bool Key(char key, const std::string& state) const
    {
        run_->PressKey(main_, WORD(key));
        return run_->WaitForText(main_, std::string(1, key) + state);
    }

    std::unique_ptr<ProjectRun> run_;
    HWND main_ = nullptr;
    HWND anim_ = nullptr;
};

TEST_F(AnimationPlaying, FramesStepOnTheTimerForwardsBackwardsOnceOrInALoop)
{
    // Frame 0, centred on the white background.
    ASSERT_TRUE(Shows(kRed));
    const zvtest::Image first = Shot(anim_);
    EXPECT_EQ(first.At(20, 15), kRed);
    EXPECT_EQ(first.At(39, 24), kRed);
    EXPECT_EQ(first.At(19, 15), kWhite);
    EXPECT_EQ(first.At(40, 25), kWhite);
    Tick();  // not playing: nothing moves
    EXPECT_TRUE(Key('Q', "0,0"));
    EXPECT_TRUE(Shows(kRed));

    // Once forwards: it stops on the last frame.
    ASSERT_TRUE(Key('P', "0,1"));
    Tick();
    EXPECT_TRUE(Shows(kGreen));
    Tick();
    EXPECT_TRUE(Shows(kBlue));
    Tick();
    EXPECT_TRUE(Key('Q', "2,0"));
    EXPECT_TRUE(Shows(kBlue));
    // Once backwards: it stops on frame 0.
    ASSERT_TRUE(Key('B', "2,1"));
    Tick();
    EXPECT_TRUE(Shows(kGreen));
    Tick();
    EXPECT_TRUE(Shows(kRed));
    Tick();
    EXPECT_TRUE(Key('W', "0,0"));
    // In a loop it turns round.
    ASSERT_TRUE(Key('L', "0,1"));
    Tick();
    Tick();
    EXPECT_TRUE(Shows(kBlue));
    Tick();
    EXPECT_TRUE(Shows(kRed));
    EXPECT_TRUE(Key('Q', "0,1"));
    // With a short delay the system's timer plays every frame by itself.
    ASSERT_TRUE(Key('T', "0,1"));
    for (uint32_t colour : {kGreen, kBlue, kRed, kGreen}) EXPECT_TRUE(Shows(colour));
    ASSERT_TRUE(Key('S', "0,0"));
    EXPECT_TRUE(Shows(kRed));
    // Colours: a new background, and the red frame left out.
    ASSERT_TRUE(Key('C', "0,0"));
    EXPECT_TRUE(Shows(kGreen));
    EXPECT_EQ(Shot(anim_).At(2, 2), kGreen);
}

// An animation file of two frames: 20 x 10 with a blue left half and a red right half, then green.
std::string TwoFrameAnimationHex(const std::string& scratch)
{
    CAnimCtrl maker;  // no window: frames, delay and file only
    CImageBitmap frame;
    frame.CreateCompatible(nullptr, 20, 10);
    {
        std::unique_ptr<CDC> dc(frame.CreateMemDC());
        dc->FillSolidRect(0, 0, 10, 10, RGB(0, 0, 255));
        dc->FillSolidRect(10, 0, 10, 10, RGB(255, 0, 0));
    }
    maker.InsertFrame(-1, &frame);
    {
        std::unique_ptr<CDC> dc(frame.CreateMemDC());
        dc->FillSolidRect(0, 0, 20, 10, RGB(0, 255, 0));
    }
    maker.InsertFrame(-1, &frame);
    maker.SetDelay(600000);
    if (!maker.SaveFile(scratch.c_str())) return std::string();
    std::string hex;
    char digits[3];
    for (uint8_t byte : zvtest::ReadFileBytes(scratch)) {
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    return hex;
}

TEST(AnimationWindow, TheFactoryLoadsItsImageAndTheMouseReachesItsScripts)
{
    const std::string hex = TwoFrameAnimationHex(zvtest::TempDir() + "two-frames.qan");
    ASSERT_FALSE(hex.empty());
    ProjectRun run(R"(
window MAIN
  caption "factory"
  style 0x100B0001
  rect 0 0 300 200
  object Animation spin
    rect 10 10 60 40
    values 0 0 0 65535 -1
    property "Image" "spin.qan"
    property "Transparent Color" "16711680"
    property "Auto Play" "1"
    event 1
      @MAIN.SetText(@MAIN.GetText() & "d")
    event 2
      @MAIN.SetText(@MAIN.GetText() & "u")
    event 6
      @moved.SetText("moved")
    event 7
      @MAIN.SetText(@MAIN.GetText() & "l")
    event 8
      @MAIN.SetText(@MAIN.GetText() & "e")
  object Animation broken
    rect 100 10 60 40
    values 0 0 0 65535 -1
    property "Image" "missing.qan"
    property "Auto Play" "1"
  object CheckBox moved
    rect 200 10 60 20
    caption "still"
  object CheckBox result
    rect 10 100 280 20
  event 16
    @result.SetText(@spin.IsPlaying() & @spin.GetFrameCount() & "," & @spin.GetTransparentColor() & "," & @spin.GetBackColor() & "," & @spin.GetDelay() & "," & @broken.IsPlaying() & @broken.GetFrameCount() & "," & @broken.GetBackColor())
file "spin.qan" type 1 hex ")" +
                   hex + R"("
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(run.IsRunning());
    EXPECT_TRUE(run.WaitForText(run.Control("MAIN", "result"), "12,16711680,65535,600000,00,16777215"))
        << ProjectRun::Text(run.Control("MAIN", "result"));
    HWND spin = run.Control("MAIN", "spin"), broken = run.Control("MAIN", "broken");
    ASSERT_TRUE(spin && broken);
    ProjectRun::BringToFront(main);
    zvtest::WaitFor([&] { return Shot(spin).At(35, 20) == kRed; }, qbktest::kWait);
    // The blue half is left out and shows the yellow background.
    const zvtest::Image shown = Shot(spin);
    EXPECT_EQ(shown.At(2, 2), 0xFFFF00u);
    EXPECT_EQ(shown.At(25, 20), 0xFFFF00u);
    EXPECT_EQ(shown.At(35, 20), kRed);
    EXPECT_EQ(Shot(broken).At(30, 20), kWhite);  // an image that does not load: no colours

    // The mouse comes in, clicks and goes away.
    run.Click(spin);
    EXPECT_TRUE(run.WaitForText(main, "factoryedu")) << ProjectRun::Text(main);
    EXPECT_TRUE(run.WaitForText(run.Control("MAIN", "moved"), "moved"));
    RECT outer;
    GetWindowRect(main, &outer);
    zvtest::MoveMouse(outer.right + 50, outer.bottom + 50);
    EXPECT_TRUE(run.WaitForText(main, "factoryedul")) << ProjectRun::Text(main);
}

}  // namespace
