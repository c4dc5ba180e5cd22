// Bitmap objects made, loaded, turned, masked, captured and saved by scripts, read back as pixels
// and as the files and streams they wrote.
#include "image_script_fixture.h"

#include <fstream>

#include "win_test_support.h"

namespace {

const char* const kTwoBitmaps = "  object Bitmap bmp\n  object Bitmap other\n  object DataStream data\n"
                                "  object DrawingTool pen\n  object Button button\n";

class BitmapCommands : public ImageScriptTest {};

TEST_F(BitmapCommands, CreateFillsWithTheObjectsColourAndReportsItsSize)
{
    EXPECT_EQ(
        Run(kTwoBitmaps,
            R"(@Application.Return(@bmp.GetWidth() & "," & @bmp.GetHeight() & "," & @bmp.GetHandle() & "," & @bmp.Clear()))"),
        "0,0,0,0");
    EXPECT_EQ(Run(kTwoBitmaps, R"(@bmp.SetColor(255)
@Application.Return(@bmp.Create(100, 50) & "," & @bmp.GetWidth() & "," & @bmp.GetHeight() & "," & @bmp.GetColor()))"),
              "1,100,50,255");
    const PixelRows pixels = Pixels("bmp");
    ASSERT_EQ(pixels.size(), 5000u);
    for (uint32_t p : pixels) ASSERT_EQ(p, kRedPixel);
    EXPECT_NE(Run(kTwoBitmaps, "@bmp.Create(4, 4)\n@Application.Return(@bmp.GetHandle())"), "0");
    // Clearing keeps the image object but not its bitmap.
    EXPECT_EQ(Run(kTwoBitmaps, R"(@bmp.Create(4, 4)
@Application.Return(@bmp.Clear() & "," & @bmp.GetWidth() & "," & @bmp.GetHandle()))"),
              "1,0,0");
}

TEST_F(BitmapCommands, RotateTurnsAndSwapsTheSides)
{
    // A red pixel in the top-right corner of a white 100 x 50 image.
    const std::string draw = R"(@bmp.SetColor(16777215)
@bmp.Create(100, 50)
@pen.SetTarget(@bmp.GetId())
@pen.SetPixel(99, 0, 255)
)";
    EXPECT_EQ(Run(kTwoBitmaps,
                  draw + R"(@Application.Return(@bmp.Rotate(2) & "," & @bmp.GetWidth() & "," & @bmp.GetHeight()))"),
              "1,50,100");
    EXPECT_EQ(PixelAt("bmp", 0, 0), kRedPixel);  // counter-clockwise: the top-right corner comes to the top left
    Run(kTwoBitmaps, draw + "@bmp.Rotate(3)");
    EXPECT_EQ(PixelAt("bmp", 49, 99), kRedPixel);
    Run(kTwoBitmaps, draw + "@bmp.Rotate(1)");
    EXPECT_EQ(PixelAt("bmp", 0, 49), kRedPixel);
    EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@bmp.Rotate(1))"), "0");
}

TEST_F(BitmapCommands, MakeMaskWhitensTheColourAndBlackensTheRest)
{
    const std::string draw = R"(@bmp.SetColor(16777215)
@bmp.Create(10, 10)
@pen.SetTarget(@bmp.GetId())
@pen.SetColor(255)
@pen.FillRect(0, 0, 5, 10)
)";
    Run(kTwoBitmaps, draw + "@bmp.MakeMask(255)");
    EXPECT_EQ(PixelAt("bmp", 2, 2), kWhitePixel);
    EXPECT_EQ(PixelAt("bmp", 7, 2), 0u);
    Run(kTwoBitmaps, draw + "@bmp.MakeMask(65280)");  // no pixel is green
    for (uint32_t p : Pixels("bmp")) ASSERT_EQ(p, 0u);
}

TEST_F(BitmapCommands, FilesRoundTripAndAreRecognisedByContent)
{
    const std::string draw = R"(@bmp.SetColor(16711680)
@bmp.Create(20, 10)
@pen.SetTarget(@bmp.GetId())
@pen.SetColor(255)
@pen.FillRect(0, 0, 10, 10)
)";
    const std::string png = Quoted("picture.bmp"), bmp = Quoted("plain.bmp"), jpeg = Quoted("photo.jpg");
    EXPECT_EQ(Run(kTwoBitmaps, draw + "@Application.Return(@bmp.SavePngFile(" + png + ") & @bmp.SaveBmpFile(" + bmp +
                                   ") & @bmp.SaveJpegFile(" + jpeg + ", 150))"),
              "111");
    const std::vector<uint8_t> pngBytes = zvtest::ReadFileBytes(Path("picture.bmp"));
    ASSERT_GT(pngBytes.size(), 8u);
    EXPECT_EQ(pngBytes[1], 'P');  // a PNG under a BMP name
    const std::vector<uint8_t> bmpBytes = zvtest::ReadFileBytes(Path("plain.bmp"));
    ASSERT_GT(bmpBytes.size(), 54u);
    EXPECT_EQ(bmpBytes[28], 24);  // 24 bits a pixel
    // Quality 150 is taken as 100: the JPEG holds the two halves almost exactly.
    for (const std::string& file : {png, bmp, jpeg}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@other.LoadFile(" + file +
                                       ") & \",\" & @other.GetWidth() & \",\" & @other.GetHeight())"),
                  "1,20,10");
        EXPECT_TRUE(zvtest::ColorNear(PixelAt("other", 2, 5), kRedPixel, 12));
        EXPECT_TRUE(zvtest::ColorNear(PixelAt("other", 17, 5), kBluePixel, 12));
    }
    std::ofstream(Path("text.bmp")) << "not a picture at all";
    EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@other.LoadFile(" + Quoted("text.bmp") + ") & @other.GetWidth())"),
              "00");
    // Saving without an image, or where no file can be made, fails.
    EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@bmp.SaveBmpFile(" + bmp + ") & @bmp.SavePngFile(" + png + "))"),
              "00");
    EXPECT_EQ(Run(kTwoBitmaps, draw + "@Application.Return(@bmp.SaveBmpFile(" + Quoted("no folder\\x.bmp") + "))"),
              "0");
}

TEST_F(BitmapCommands, StreamsCarryImagesAndAreKeptWhenThereIsNothingToSave)
{
    const std::string draw = R"(@bmp.SetColor(65280)
@bmp.Create(8, 6)
)";
    for (const char* save :
         {"SaveBmpStream(@data.GetId())", "SavePngStream(@data.GetId())", "SaveJpegStream(@data.GetId(), -5)"}) {
        SCOPED_TRACE(save);
        EXPECT_EQ(Run(kTwoBitmaps, draw + "@Application.Return(@bmp." + save +
                                       " & @other.LoadFromStream(@data.GetId()) & \",\" & @other.GetWidth())"),
                  "11,8");
        EXPECT_TRUE(zvtest::ColorNear(PixelAt("other", 3, 3), kGreenPixel, 12));
    }
    // A Bitmap without an image writes nothing and leaves the stream with what it held.
    EXPECT_EQ(Run(kTwoBitmaps, draw + R"(@bmp.SaveBmpStream(@data.GetId())
@Application.Return(@other.SavePngStream(@data.GetId()) & @other.LoadFromStream(@data.GetId())))"),
              "01");
    EXPECT_EQ(Run(kTwoBitmaps, draw + "@Application.Return(@bmp.SavePngStream(@button.GetId()))"), "0");
    // No stream yet, or an object that is no DataStream: nothing to load.
    EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@other.LoadFromStream(@data.GetId()) & "
                               "@other.LoadFromStream(@button.GetId()) & @other.GetWidth())"),
              "000");
}

TEST_F(BitmapCommands, CopyFromTakesOnlyAnotherBitmapsImage)
{
    const std::string draw = R"(@other.SetColor(255)
@other.Create(7, 3)
)";
    EXPECT_EQ(Run(kTwoBitmaps, draw + R"(@Application.Return(@bmp.CopyFrom(@other.GetId()) & "," & @bmp.GetWidth()))"),
              "1,7");
    EXPECT_EQ(PixelAt("bmp", 6, 2), kRedPixel);
    EXPECT_EQ(
        Run(kTwoBitmaps, draw + "@Application.Return(@bmp.CopyFrom(@button.GetId()) & @bmp.CopyFrom(@data.GetId()))"),
        "00");
}

TEST_F(BitmapCommands, EmbeddedImagesLoadByName)
{
    // An embedded picture made by a script of its own first.
    Run(kTwoBitmaps, "@bmp.SetColor(16711680)\n@bmp.Create(5, 4)\n@bmp.SaveBmpFile(" + Quoted("embedded.bmp") + ")");
    const std::string files = "file \"pictures/logo.bmp\" type 1 path \"embedded.bmp\"\n";
    EXPECT_EQ(
        Run(kTwoBitmaps,
            R"(@Application.Return(@other.LoadEmbedded("Pictures/Logo.BMP") & @other.GetWidth() & @other.LoadEmbedded("none.bmp") & @other.GetWidth()))",
            files),
        "1505");  // no such file: nothing is loaded
    EXPECT_EQ(PixelAt("other", 0, 0), kBluePixel);
}

class BitmapScreenCommands : public ImageScriptTest {};

TEST_F(BitmapScreenCommands, CaptureTakesTheScreenOrAWindowAndRefusesAnEmptyArea)
{
    // A red window on the screen.
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    WNDCLASSA type = {};
    type.lpfnWndProc = DefWindowProcA;
    type.hInstance = GetModuleHandleA(nullptr);
    type.hbrBackground = red;
    type.lpszClassName = "capture test";
    RegisterClassA(&type);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "capture test", "", WS_POPUP | WS_VISIBLE, 100, 120, 60, 40, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(zvtest::WaitFor(
        [&] {
            zvtest::Image shown = zvtest::CaptureScreen();
            return !shown.Empty() && shown.At(130, 140) == kRedPixel;
        },
        qbktest::kWait));
    const std::string handle = std::to_string(reinterpret_cast<intptr_t>(window));
    EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@bmp.CaptureScreen(" + handle +
                                   ", 10, 5, -1, -1) & \",\" & @bmp.GetWidth() & \",\" & @bmp.GetHeight())"),
              "1,50,35");
    EXPECT_EQ(PixelAt("bmp", 20, 20), kRedPixel);
    EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@bmp.CaptureScreen(0, 0, 0, -1, -1) & \",\" & @bmp.GetWidth() & "
                               "\",\" & @bmp.GetHeight())"),
              "1," + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "," +
                  std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(PixelAt("bmp", 130, 140), kRedPixel);
    // Nothing of the screen in the area: no picture.
    EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@bmp.CaptureScreen(0, 10, 10, 0, 5) & "
                               "@bmp.CaptureScreen(0, 100000, 0, 10, 10) & @bmp.CaptureScreen(" +
                                   handle + ", 70, 0, 10, 10))"),
              "000");
    DestroyWindow(window);
    DeleteObject(red);
}

TEST_F(BitmapScreenCommands, ClipboardCarriesACopyBothWays)
{
    const std::string draw = R"(@bmp.SetColor(16711680)
@bmp.Create(30, 20)
@pen.SetTarget(@bmp.GetId())
@pen.SetColor(255)
@pen.FillRect(0, 0, 5, 5)
)";
    EXPECT_EQ(
        Run(kTwoBitmaps,
            draw +
                R"(@Application.Return(@pen.CopyToClipboard(0, 0, 10, 8) & @other.PasteFromClipboard() & "," & @other.GetWidth() & "," & @other.GetHeight()))"),
        "11,10,8");
    EXPECT_EQ(PixelAt("other", 1, 1), kRedPixel);
    EXPECT_EQ(PixelAt("other", 9, 7), kBluePixel);
    // Nothing to copy, and no bitmap on the clipboard.
    EXPECT_EQ(Run(kTwoBitmaps, draw + "@Application.Return(@pen.CopyToClipboard(0, 0, 0, 8))"), "0");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(Run(kTwoBitmaps, "@Application.Return(@other.PasteFromClipboard())"), "0");
}

}  // namespace
