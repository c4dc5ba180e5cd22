// The drawing tool on a Bitmap object's image: settings, shapes, lines, text, images and pixel
// effects, each read back as the pixels they left.
#include "image_script_fixture.h"

#include "win_test_support.h"

namespace {

const char* const kObjects = "  object Bitmap bmp\n  object Bitmap picture\n  object DrawingTool pen\n"
                             "  object DataStream data\n  object Button button\n  object Font font\n";

// A white 40 x 30 image as the tool's target.
const char* const kWhiteTarget = R"(@bmp.SetColor(16777215)
@bmp.Create(40, 30)
@pen.SetTarget(@bmp.GetId())
)";

// A 10 x 6 picture: red left half, blue right half.
const char* const kPicture = R"(@picture.SetColor(16711680)
@picture.Create(10, 6)
@pen.SetTarget(@picture.GetId())
@pen.SetColor(255)
@pen.FillRect(0, 0, 5, 6)
)";

class DrawingToolCommands : public ImageScriptTest {
protected:
    std::string Draw(const std::string& lines) { return std::string(kWhiteTarget) + lines; }
    int CountOf(const char* name, uint32_t colour)
    {
        int n = 0;
        for (uint32_t p : Pixels(name)) n += p == colour;
        return n;
    }
};

TEST_F(DrawingToolCommands, NothingIsDrawnBeforeATargetIsSet)
{
    EXPECT_EQ(Run(kObjects, R"(@bmp.SetColor(16777215)
@bmp.Create(10, 10)
@pen.SetColor(255)
@pen.FillRect(0, 0, 10, 10)
@Application.Return(@pen.FillRect(0, 0, 10, 10) & "," & @pen.GetPixel(1, 1) & "," & @pen.GetTextWidth("x") & "," & @pen.GetTransparentColor()))"),
              ",-1,0,-1");
    EXPECT_EQ(CountOf("bmp", kWhitePixel), 100);
}

TEST_F(DrawingToolCommands, TargetIsABitmapWithAnImageOrTheWindow)
{
    EXPECT_EQ(
        Run(kObjects,
            R"(@Application.Return(@pen.SetTarget(@bmp.GetId()) & @pen.SetTarget(@button.GetId()) & @pen.SetTarget(3) & @pen.SetTarget(12345)))"),
        "0000");
    // A later target gives fresh settings: black pen, opaque images, no stretching.
    EXPECT_EQ(Run(kObjects, Draw(R"(@pen.SetColor(255)
@pen.SetTransparentColor(65280)
@pen.SetPenWidth(5)
@Application.Return(@pen.GetTransparentColor() & "," & @pen.SetTarget(@bmp.GetId()) & "," & @pen.GetTransparentColor()))")),
              "65280,1,-1");
    Run(kObjects, Draw("@pen.SetColor(255)\n@pen.SetTarget(@bmp.GetId())\n@pen.FillRect(0, 0, 2, 2)"));
    EXPECT_EQ(PixelAt("bmp", 1, 1), 0u);
    // After a reset the tool draws nothing until it is given a target again.
    Run(kObjects, Draw("@pen.Reset()\n@pen.FillRect(0, 0, 2, 2)"));
    EXPECT_EQ(PixelAt("bmp", 1, 1), kWhitePixel);
}

TEST_F(DrawingToolCommands, FillsShapesAndLinesUseThePenAndTheirFillColour)
{
    Run(kObjects, Draw(R"(@pen.SetColor(255)
@pen.FillRect(2, 2, 3, 3)
@pen.Rectangle(10, 2, 10, 8, 65280)
@pen.SetColor(16711680)
@pen.DrawLine(0, 20, 10, 20)
@pen.Ellipse(22, 2, 16, 16, 65280)
@pen.RoundRect(22, 20, 16, 8, 4, 4, 255)
)"));
    EXPECT_EQ(PixelAt("bmp", 2, 2), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 4, 4), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 5, 5), kWhitePixel);  // right and bottom are outside
    EXPECT_EQ(PixelAt("bmp", 10, 2), kRedPixel);  // the pen's outline
    EXPECT_EQ(PixelAt("bmp", 19, 9), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 15, 5), kGreenPixel);  // the fill
    EXPECT_EQ(PixelAt("bmp", 0, 20), kBluePixel);
    EXPECT_EQ(PixelAt("bmp", 9, 20), kBluePixel);
    EXPECT_EQ(PixelAt("bmp", 10, 20), kWhitePixel);  // a line leaves out its end point
    EXPECT_EQ(PixelAt("bmp", 30, 10), kGreenPixel);
    EXPECT_EQ(PixelAt("bmp", 22, 2), kWhitePixel);  // outside the ellipse's curve
    EXPECT_EQ(PixelAt("bmp", 30, 24), kRedPixel);
}

TEST_F(DrawingToolCommands, DotsPixelsAndPenWidths)
{
    Run(kObjects, Draw(R"(@pen.SetColor(255)
@pen.Dot(5, 5)
@pen.SetPixel(20, 20, 16711680)
@pen.SetPenWidth(5)
@pen.Dot(30, 10)
@pen.DrawLine(0, 25, 15, 25)
)"));
    EXPECT_EQ(PixelAt("bmp", 5, 5), kRedPixel);  // a thin pen's dot is its one pixel
    EXPECT_EQ(PixelAt("bmp", 6, 5), kWhitePixel);
    EXPECT_EQ(PixelAt("bmp", 20, 20), kBluePixel);
    EXPECT_EQ(PixelAt("bmp", 31, 11), kRedPixel);  // a wide pen's dot is a round blot
    EXPECT_EQ(PixelAt("bmp", 30, 10), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 5, 27), kRedPixel);
    EXPECT_EQ(Run(kObjects, Draw(R"(@pen.SetPixel(3, 4, 65280)
@Application.Return(@pen.GetPixel(3, 4) & "," & @pen.GetPixel(0, 0) & "," & @pen.GetPixel(40, 0) & "," & @pen.GetPixel(-1, 5)))")),
              "65280,16777215,-1,-1");
}

TEST_F(DrawingToolCommands, FillUsesTheColourOrTheTargetsOwnOrTheSystems)
{
    Run(kObjects, Draw("@pen.Fill(65280)"));
    EXPECT_EQ(CountOf("bmp", kGreenPixel), 1200);
    Run(kObjects, Draw("@bmp.SetColor(255)\n@pen.Fill(-1)"));
    EXPECT_EQ(CountOf("bmp", kRedPixel), 1200);
    Run(kObjects, Draw("@bmp.SetColor(-1)\n@pen.Fill(-1)"));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(PixelAt("bmp", 20, 20), uint32_t(GetRValue(face)) << 16 | GetGValue(face) << 8 | GetBValue(face));
}

TEST_F(DrawingToolCommands, InvertingTwiceRestoresAndFloodFillPaintsTheConnectedArea)
{
    Run(kObjects, Draw(R"(@pen.SetColor(255)
@pen.FillRect(5, 5, 10, 10)
@pen.InvertFrames(2, 2, 20, 20, 6, 6, 4, 4)
)"));
    EXPECT_EQ(PixelAt("bmp", 2, 2), 0u);  // the outline inverted (white to black)
    EXPECT_EQ(PixelAt("bmp", 3, 3), kWhitePixel);
    EXPECT_EQ(PixelAt("bmp", 6, 6), 0x00FFFF);  // red inverted
    EXPECT_EQ(PixelAt("bmp", 7, 7), kRedPixel);
    const PixelRows once = Pixels("bmp");
    Run(kObjects, Draw(R"(@pen.SetColor(255)
@pen.FillRect(5, 5, 10, 10)
@pen.InvertFrames(2, 2, 20, 20, 6, 6, 4, 4)
@pen.InvertFrames(2, 2, 20, 20, 6, 6, 4, 4)
@pen.InvertArea(0, 0, 2, 2)
)"));
    EXPECT_EQ(PixelAt("bmp", 2, 2), kWhitePixel);
    EXPECT_EQ(PixelAt("bmp", 6, 6), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 1, 1), 0u);
    EXPECT_NE(Pixels("bmp"), once);
    Run(kObjects, Draw(R"(@pen.SetColor(255)
@pen.Rectangle(5, 5, 10, 10, 16777215)
@pen.FloodFill(7, 7, 65280)
)"));
    EXPECT_EQ(PixelAt("bmp", 8, 8), kGreenPixel);
    EXPECT_EQ(PixelAt("bmp", 5, 5), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 1, 1), kWhitePixel);  // outside the outline
}

TEST_F(DrawingToolCommands, EdgesGradientsFlipsAndScrolling)
{
    Run(kObjects, Draw("@pen.DrawEdge(2, 2, 20, 20, \"BUMP\")"));
    const PixelRows bump = Pixels("bmp");
    Run(kObjects, Draw("@pen.DrawEdge(2, 2, 20, 20, \"bump\")"));
    EXPECT_EQ(Pixels("bmp"), bump);  // an unknown word draws the bump edge
    Run(kObjects, Draw("@pen.DrawEdge(2, 2, 20, 20, \"SUNKENOUTER\")"));
    EXPECT_NE(Pixels("bmp"), bump);

    Run(kObjects, "@bmp.Create(10, 250)\n@pen.SetTarget(@bmp.GetId())\n@pen.Gradient(0, 0, 10, 250, 0, 0)");
    EXPECT_EQ(PixelAt("bmp", 3, 0), 5u << 16);
    EXPECT_EQ(PixelAt("bmp", 3, 249), 254u << 16);
    Run(kObjects, "@bmp.Create(100, 4)\n@pen.SetTarget(@bmp.GetId())\n@pen.Gradient(0, 0, 100, 4, 1, 3)");
    EXPECT_EQ(PixelAt("bmp", 0, 0), 255u << 8);
    EXPECT_EQ(PixelAt("bmp", 99, 3), uint32_t(255 - 99 * 250 / 100) << 8);

    Run(kObjects, Draw(R"(@pen.SetPixel(0, 0, 255)
@pen.SetPixel(39, 0, 65280)
@pen.FlipVertical(0, 0, 40, 30)
@pen.FlipHorizontal(0, 0, 40, 30)
)"));
    EXPECT_EQ(PixelAt("bmp", 39, 29), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 0, 29), kGreenPixel);
    Run(kObjects, Draw("@pen.SetPixel(1, 1, 255)\n@pen.Scroll(5, 3)"));
    EXPECT_EQ(PixelAt("bmp", 6, 4), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 1, 1), kRedPixel);  // the uncovered strip keeps its pixels
}

TEST_F(DrawingToolCommands, TextIsPlacedAlignedAndMeasured)
{
    const CString sizes = Run(
        kObjects,
        Draw(
            R"(@Application.Return(@pen.GetTextWidth("W") & "," & @pen.GetTextWidth("WWWW") & "," & @pen.GetTextHeight("W") & "," & @pen.GetTextHeight("W" & @Application.GetNewLine() & "W")))"));
    int one = 0, four = 0, high = 0, twoLines = 0;
    ASSERT_EQ(sscanf(sizes.GetString(), "%d,%d,%d,%d", &one, &four, &high, &twoLines), 4) << sizes.GetString();
    EXPECT_GT(one, 0);
    EXPECT_GT(four, 3 * one);
    EXPECT_GT(high, 0);
    EXPECT_GE(twoLines, 2 * high - 1);

    // Ink only where the text was put: near the right edge, near the bottom, at a corner.
    auto inkIn = [&](int x0, int y0, int x1, int y1) {
        int w = 0, h = 0;
        const PixelRows p = Pixels("bmp", &w, &h);
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += p[size_t(y) * w + x] != kWhitePixel;
        return n;
    };
    Run(kObjects, Draw("@pen.DrawText(\"I\", 0, 0, 40, 30, \"RIGHT\", \"BOTTOM\", -1)"));
    EXPECT_GT(inkIn(30, 10, 40, 30), 0);
    EXPECT_EQ(inkIn(0, 0, 25, 30), 0);
    Run(kObjects, Draw("@pen.DrawText(\"I\", 0, 0, 40, 30, \"right\", \"bottom\", -1)"));  // lower case: left, top
    EXPECT_GT(inkIn(0, 0, 10, 20), 0);
    EXPECT_EQ(inkIn(20, 0, 40, 30), 0);
    Run(kObjects, Draw("@pen.SetColor(255)\n@pen.TextAt(\"&x\", 20, 10, 65280)"));
    EXPECT_GT(CountOf("bmp", kGreenPixel), 0);  // an opaque background
    EXPECT_EQ(inkIn(0, 0, 20, 30), 0);
}

TEST_F(DrawingToolCommands, TextTakesTheFontOfAFontObjectUntilItIsSetBack)
{
    const CString heights = Run(kObjects, Draw(R"(@font.Create("Arial", 40)
@Application.Return(@pen.GetTextHeight("W") & "," & @pen.SetFont(@font.GetId()) & @pen.GetTextHeight("W") & "," & @pen.SetFont(@button.GetId()) & @pen.GetTextHeight("W") & "," & @pen.SetFont(-1) & @pen.GetTextHeight("W")))"));
    int plain = 0, large = 0, still = 0, back = 0;
    ASSERT_EQ(sscanf(heights.GetString(), "%d,%d,%d,%d", &plain, &large, &still, &back), 4) << heights.GetString();
    EXPECT_GT(large, 2 * plain);
    EXPECT_EQ(still, large);  // an object that is no Font changes nothing
    EXPECT_EQ(back, plain);
}

TEST_F(DrawingToolCommands, ImagesAreDrawnPlainStretchedOrTransparent)
{
    // The picture, then the target: plain at its own size, then clipped to 3 columns.
    Run(kObjects, std::string(kPicture) + kWhiteTarget + R"(@pen.DrawObjectImage(@picture.GetId(), 0, 0, -1, -1)
@pen.DrawObjectImage(@picture.GetId(), 20, 0, 3, 50)
)");
    EXPECT_EQ(PixelAt("bmp", 9, 5), kBluePixel);
    EXPECT_EQ(PixelAt("bmp", 10, 5), kWhitePixel);
    EXPECT_EQ(PixelAt("bmp", 22, 5), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 23, 5), kWhitePixel);
    EXPECT_EQ(PixelAt("bmp", 22, 6), kWhitePixel);
    // Stretched: into the box, or at its own size for -1.
    Run(kObjects, std::string(kPicture) + kWhiteTarget + R"(@pen.SetStretch(-1)
@pen.SetStretch(-1)
@pen.SetStretch(-1)
@pen.DrawObjectImage(@picture.GetId(), 0, 0, 20, 12)
@pen.DrawObjectImage(@picture.GetId(), 25, 0, -1, -1)
)");
    EXPECT_EQ(PixelAt("bmp", 19, 11), kBluePixel);
    EXPECT_EQ(PixelAt("bmp", 8, 11), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 34, 5), kBluePixel);
    EXPECT_EQ(PixelAt("bmp", 35, 5), kWhitePixel);
    // Transparent: the red half is left out.
    Run(kObjects, std::string(kPicture) + kWhiteTarget + R"(@pen.SetTransparentColor(255)
@pen.DrawObjectImage(@picture.GetId(), 0, 0, -1, -1)
)");
    EXPECT_EQ(PixelAt("bmp", 2, 2), kWhitePixel);
    EXPECT_EQ(PixelAt("bmp", 7, 2), kBluePixel);
}

TEST_F(DrawingToolCommands, TransparentDrawingFollowsChangesOfTheSourcesPixels)
{
    // The picture is drawn transparent, then its blue half is painted red and it is drawn again.
    Run(kObjects, std::string(kPicture) + kWhiteTarget + R"(@pen.SetTransparentColor(255)
@pen.DrawObjectImage(@picture.GetId(), 0, 0, -1, -1)
@pen.SetTarget(@picture.GetId())
@pen.SetColor(255)
@pen.FillRect(5, 0, 5, 6)
@pen.SetTarget(@bmp.GetId())
@pen.SetTransparentColor(255)
@pen.DrawObjectImage(@picture.GetId(), 20, 0, -1, -1)
)");
    EXPECT_EQ(PixelAt("bmp", 7, 2), kBluePixel);
    EXPECT_EQ(PixelAt("bmp", 27, 2), kWhitePixel);  // now all of it is transparent
}

TEST_F(DrawingToolCommands, AnImageDrawnOntoItselfIsDrawnFromACopy)
{
    Run(kObjects, std::string(kPicture) + "@pen.DrawObjectImage(@picture.GetId(), 5, 0, -1, -1)");
    EXPECT_EQ(PixelAt("picture", 5, 3), kRedPixel);  // the red half moved right over the blue one
    EXPECT_EQ(PixelAt("picture", 9, 3), kRedPixel);
    EXPECT_EQ(PixelAt("picture", 0, 3), kRedPixel);
}

TEST_F(DrawingToolCommands, ImagesComeFromFilesStreamsAndEmbeddedFiles)
{
    Run(kObjects, std::string(kPicture) + "@picture.SaveBmpFile(" + Quoted("pic.bmp") + ")");
    const std::string files = "file \"pic.bmp\" type 1 path \"pic.bmp\"\n";
    Run(kObjects,
        std::string(kPicture) + "@picture.SavePngStream(@data.GetId())\n" + kWhiteTarget + "@pen.DrawImageFile(" +
            Quoted("pic.bmp") + R"(, 0, 0, -1, -1)
@pen.DrawImageStream(@data.GetId(), 0, 10, -1, -1)
@pen.DrawProjectImage("PIC.BMP", 0, 20, -1, -1)
@pen.DrawImageFile("missing.bmp", 20, 0, -1, -1)
@pen.DrawImageStream(@button.GetId(), 20, 10, -1, -1)
@pen.DrawProjectImage("missing.bmp", 20, 20, -1, -1)
)",
        files);
    for (int y : {2, 12, 22}) {
        EXPECT_EQ(PixelAt("bmp", 1, y), kRedPixel) << y;
        EXPECT_EQ(PixelAt("bmp", 8, y), kBluePixel) << y;
        EXPECT_EQ(PixelAt("bmp", 22, y), kWhitePixel) << y;
    }
}

TEST_F(DrawingToolCommands, PixelEffectsChangeOnlyTheirRectangle)
{
    // A checkerboard of red and blue; smoothing averages the four neighbours of inner pixels.
    std::string board = std::string(kWhiteTarget) + "@pen.SetColor(255)\n";
    for (int y = 0; y < 30; y += 2)
        for (int x = 0; x < 40; x += 2) {
            board += "@pen.SetPixel(" + std::to_string(x) + ", " + std::to_string(y) + ", 255)\n";
            board += "@pen.SetPixel(" + std::to_string(x + 1) + ", " + std::to_string(y + 1) + ", 255)\n";
        }
    Run(kObjects, board + "@pen.Smooth(10, 10, 10, 10, 12345)");
    EXPECT_EQ(PixelAt("bmp", 12, 12), kWhitePixel);  // a red pixel among four white ones
    EXPECT_EQ(PixelAt("bmp", 13, 12), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 2, 2), kRedPixel);  // outside the rectangle
    Run(kObjects, Draw("@pen.SetColor(255)\n@pen.FillRect(0, 0, 40, 30)\n@pen.ModeFilter(0, 0, 40, 30, 2, -1)\n"
                       "@pen.Wave(0, 0, 20, 20, 10, -1)\n@pen.Scatter(5, 5, 10, 10, 0, -1)"));
    // A one-colour image stays one colour, except where a wave or scatter reached outside it.
    EXPECT_EQ(PixelAt("bmp", 30, 25), kRedPixel);
    EXPECT_EQ(PixelAt("bmp", 10, 10), kRedPixel);
}

}  // namespace

namespace {

using qbktest::ProjectRun;

// The client area of a project window as it shows on the screen.
zvtest::Image ClientShot(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return zvtest::CaptureScreen().Crop(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

TEST(DrawingToolWindow, DrawingOnTheWindowShowsAtOnceAndOnTheScreenUntilItIsRefreshed)
{
    ProjectRun run(R"(
window MAIN
  caption "canvas"
  style 0x100B0001
  rect 0 0 300 200
  values 0 0 0 16777215 -1
  object DrawingTool pen
  object CheckBox result
    rect 200 150 90 20
  builtin Keyboard
    event 1
      @Condition.If(@Application.GetParameter(0), "=", "D")
        @pen.SetColor(255)
        @pen.FillRect(10, 10, 50, 30)
        @pen.SetPenWidth(3)
        @pen.SetColor(16711680)
        @pen.DrawLine(100, 100, 180, 100)
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "S")
        @pen.DrawOnScreen(160, 110, 16777215)
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "R")
        @pen.RefreshScreen(0, 0, 200, 200)
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "F")
        @pen.Fill(-1)
      @Condition.EndIf()
      @result.SetText(@Application.GetParameter(0))
  event 16
    @result.SetText(@pen.SetTarget(3) & @pen.SetTarget(-1))
)");
    HWND main = run.Window("MAIN");
    HWND result = run.Control("MAIN", "result");
    ASSERT_TRUE(main && result);
    EXPECT_TRUE(run.WaitForText(result, "01"));  // the window is named by -1, not by its id
    ProjectRun::BringToFront(main);
    auto key = [&](char k) {
        SetWindowTextA(result, "");
        run.PressKey(main, WORD(k));
        return run.WaitForText(result, std::string(1, k));
    };
    ASSERT_TRUE(key('D'));
    EXPECT_TRUE(zvtest::WaitFor([&] { return ClientShot(main).At(30, 20) == 0xFF0000u; }, qbktest::kWait));
    const zvtest::Image drawn = ClientShot(main);
    EXPECT_EQ(drawn.At(60, 20), 0xFFFFFFu);
    EXPECT_EQ(drawn.At(140, 101), 0x0000FFu);  // the wide pen

    // The window's picture on the screen at 160, 110 (over the window itself, now at 0, 0), its white
    // left out, until what lies there paints itself again.
    SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(zvtest::WaitFor([&] { return ClientShot(main).At(30, 20) == 0xFF0000u; }, qbktest::kWait));
    ASSERT_TRUE(key('S'));
    EXPECT_EQ(zvtest::CaptureScreen().At(160 + 30, 110 + 20), 0xFF0000u);
    ASSERT_TRUE(key('R'));
    EXPECT_TRUE(zvtest::WaitFor([] { return zvtest::CaptureScreen().At(190, 130) == 0xFFFFFFu; }, qbktest::kWait));

    // Filling with -1: the window's own colour.
    ASSERT_TRUE(key('F'));
    EXPECT_TRUE(zvtest::WaitFor([&] { return ClientShot(main).At(30, 20) == 0xFFFFFFu; }, qbktest::kWait));
}

}  // namespace
