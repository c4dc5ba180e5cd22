// Font objects run by a project under Wine: their attributes, the glyphs of controls that were given
// a font, font files installed and removed, and fonts kept alive while a control still draws with
// them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "open_project_fixture.h"
#include "project_run.h"

namespace {

using qbktest::ProjectRun;

// A font file of a face no program knows: a monospaced face of the system, renamed.
bool WriteRenamedMonoFont(const std::string& path, const std::string& family)
{
    const std::vector<uint8_t> source =
        zvtest::ReadFileBytes("Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSansMono.ttf");
    if (source.empty() || family.size() != 6) return false;
    std::string bytes(source.begin(), source.end());
    // The names stand in the name table as bytes and as UTF-16 (big-endian); each keeps its length.
    auto replaceAll = [&bytes](const std::string& from, const std::string& to) {
        for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
            bytes.replace(at, from.size(), to);
    };
    auto wide = [](const std::string& text) {
        std::string out;
        for (char c : text) out += std::string(1, '\0') + c;
        return out;
    };
    replaceAll("DejaVu", family);
    replaceAll(wide("DejaVu"), wide(family));
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

// The box around the dark pixels of a window's client area (its text).
struct Ink {
    int Width = 0, Height = 0;
};

Ink InkOf(HWND control)
{
    // Captured through the window that holds it, as it shows on the screen.
    const RECT place = ProjectRun::PlaceInParent(control);
    const zvtest::Image shot = ProjectRun::Capture(GetParent(control))
                                   .Crop(place.left, place.top, place.right - place.left, place.bottom - place.top);
    int left = shot.width, right = -1, top = shot.height, bottom = -1;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            const uint32_t p = shot.At(x, y);
            if (((p >> 16) & 0xFF) < 128 && ((p >> 8) & 0xFF) < 128 && (p & 0xFF) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    return right < 0 ? Ink{} : Ink{right - left + 1, bottom - top + 1};
}

// Six W and six i side by side: as wide as each other only in a monospaced face.
double WidthRatio(HWND wide, HWND narrow)
{
    const Ink w = InkOf(wide), n = InkOf(narrow);
    return n.Width > 0 ? double(w.Width) / n.Width : 0.0;
}

// The window's own font command (59) is written by number: its word is the same as that of the
// common command 20, which gives the font to the window alone.
const char* const kLists = R"(
window MAIN
  caption "Fonts"
  style 0x10CF0000
  rect 0 0 340 160
  object ListBox wide
    rect 10 10 320 60
    style 0x50000101
    property "Content" "WWWWWW"
  object ListBox narrow
    rect 10 80 320 60
    style 0x50000101
    property "Content" "iiiiii"
)";

TEST(FontCommands, AttributesReadBackAndEachSetterChangesOne)
{
    ProjectRun run(std::string(kLists) + R"(
  object Font f
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @MAIN.SetText("1:" & @f.GetFaceName() & "," & @f.GetQuality() & "," & @f.GetSize() & "," & @f.IsBold() & "," & @f.SetBold(1) & "," & @f.RemoveFile())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @MAIN.SetText("2:" & @f.Create("Arial", 12) & "," & @f.GetSize() & "," & @f.IsBold() & "," & @f.SetBold(-1) & @f.IsBold() & "," & @f.SetBold(-1) & @f.IsBold() & "," & @f.GetFaceName())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @MAIN.SetText("3:" & @f.SetQuality("ANTIALIAS") & @f.GetQuality() & "," & @f.SetQuality("antialias") & @f.GetQuality() & "," & @f.SetQuality("NONANTIALIAS") & @f.GetQuality() & "," & @f.SetItalic(5) & @f.IsItalic() & @f.SetItalic(-1) & @f.IsItalic() & "," & @f.SetUnderline(-1) & @f.IsUnderline() & @f.SetStrikeOut(1) & @f.IsStrikeOut() & "," & @f.SetSize(20) & @f.GetSize() & "," & @f.IsBold() & @f.GetFaceName())
      @Condition.EndIf()
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    // Before a font is made: empty texts and "0", setters fail.
    EXPECT_EQ(run.Answer(main, 1), ",,0,0,0,");
    // Made with weight 0: -1 makes it normal first, then bold.
    EXPECT_EQ(run.Answer(main, 2), "1,12,0,10,11,Arial");
    // Keywords are exact; the other attributes stay as they were.
    EXPECT_EQ(run.Answer(main, 3), "1ANTIALIAS,1DEFAULT,1NONANTIALIAS,1110,1111,120,1Arial");
}

TEST(FontCommands, ControlsGivenAFontDrawTheirGlyphsWithIt)
{
    ProjectRun run(std::string(kLists) + R"(
  object Font f
  builtin Time
    event 0
      @f.Create("Arial", 30)
      @MAIN.59(@f.GetId())
      @MAIN.SetText("1:")
)");
    HWND main = run.Window("MAIN"), wide = run.Control("MAIN", "wide");
    ASSERT_TRUE(main && wide);
    const Ink before = InkOf(wide);
    ASSERT_GT(before.Height, 0);
    EXPECT_EQ(run.Answer(main, 1), "");
    EXPECT_TRUE(zvtest::WaitFor([&] { return InkOf(wide).Height > 2 * before.Height; }, qbktest::kWait))
        << before.Height << " then " << InkOf(wide).Height;
}

TEST(FontCommands, AnInstalledFontFileDrawsItsFaceUntilItIsReplacedOrRemoved)
{
    ProjectRun run(std::string(kLists) + R"(
  object Font f
  object Font g
  object Font h
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @f.Create("QbkTry Sans Mono", 30)
        @MAIN.59(@f.GetId())
        @MAIN.SetText("1:")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @MAIN.SetText("2:" & @g.CreateFromFile("missing.ttf", "QbkTry Sans Mono", 28) & @g.CreateFromFile("try.ttf", "QbkTry Sans Mono", 28))
        @MAIN.59(@g.GetId())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @MAIN.SetText("3:" & @g.CreateFromFile("nothere.ttf", "QbkTry Sans Mono", 24))
        @h.Create("QbkTry Sans Mono", 27)
        @MAIN.59(@h.GetId())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "4")
        @MAIN.SetText("4:" & @g.CreateFromFile("two.ttf", "QbkTwo Sans Mono", 28))
        @h.Create("QbkTry Sans Mono", 26)
        @MAIN.59(@h.GetId())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "5")
        @h.Create("QbkTwo Sans Mono", 25)
        @MAIN.59(@h.GetId())
        @MAIN.SetText("5:")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "6")
        @g.RemoveFile()
        @h.Create("QbkTwo Sans Mono", 24)
        @MAIN.59(@h.GetId())
        @MAIN.SetText("6:")
      @Condition.EndIf()
)",
                   false);
    ASSERT_TRUE(WriteRenamedMonoFont(run.Folder() + "try.ttf", "QbkTry"));
    ASSERT_TRUE(WriteRenamedMonoFont(run.Folder() + "two.ttf", "QbkTwo"));
    ASSERT_TRUE(run.Start());
    HWND main = run.Window("MAIN"), wide = run.Control("MAIN", "wide"), narrow = run.Control("MAIN", "narrow");
    ASSERT_TRUE(main && wide && narrow);
    auto monospaced = [&] { return zvtest::WaitFor([&] { return WidthRatio(wide, narrow) < 1.3; }, qbktest::kWait); };
    auto proportional = [&] { return zvtest::WaitFor([&] { return WidthRatio(wide, narrow) > 2.0; }, qbktest::kWait); };

    // Not installed: the system draws another face, whose i is much narrower than its W.
    EXPECT_EQ(run.Answer(main, 1), "");
    EXPECT_TRUE(proportional()) << WidthRatio(wide, narrow);
    // A file that cannot be installed answers "0"; the file that can gives the face.
    EXPECT_EQ(run.Answer(main, 2), "01");
    EXPECT_TRUE(monospaced()) << WidthRatio(wide, narrow);
    // A failed install keeps the file installed before.
    EXPECT_EQ(run.Answer(main, 3), "0");
    EXPECT_TRUE(monospaced()) << WidthRatio(wide, narrow);
    // Installing another file removes the first.
    EXPECT_EQ(run.Answer(main, 4), "1");
    EXPECT_TRUE(proportional()) << WidthRatio(wide, narrow);
    EXPECT_EQ(run.Answer(main, 5), "");
    EXPECT_TRUE(monospaced()) << WidthRatio(wide, narrow);
    EXPECT_EQ(run.Answer(main, 6), "");
    EXPECT_TRUE(proportional()) << WidthRatio(wide, narrow);
}

class FontLifetimeTest : public OpenProjectTest {};

TEST_F(FontLifetimeTest, AReplacedFontLivesWhileAControlStillHoldsIt)
{
    const HWND main = Open(std::string(kLists) + R"(
  object Font f
  function 0 Give
    @f.Create("Arial", 20)
    @wide.SetFont(@f.GetId())
  function 1 Change
    @f.SetSize(30)
  function 2 GiveAgain
    @wide.SetFont(@f.GetId())
  function 3 GiveAll
    @MAIN.59(@f.GetId())
)");
    ASSERT_NE(main, nullptr);
    const HWND wide = Control("MAIN", "wide");
    Call("MAIN", 0);
    const auto first = HFONT(SendMessageA(wide, WM_GETFONT, 0, 0));
    ASSERT_NE(first, nullptr);
    Call("MAIN", 1);
    // The object holds a new font; the list still draws with the first, which must live.
    EXPECT_EQ(HFONT(SendMessageA(wide, WM_GETFONT, 0, 0)), first);
    EXPECT_EQ(GetObjectType(first), DWORD(OBJ_FONT));
    Call("MAIN", 2);
    const auto second = HFONT(SendMessageA(wide, WM_GETFONT, 0, 0));
    EXPECT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u);
    LOGFONTA description = {};
    ASSERT_GT(GetObjectA(second, sizeof description, &description), 0);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(-MulDiv(description.lfHeight, 72, GetDeviceCaps(screen, LOGPIXELSY)), 30);
    ReleaseDC(nullptr, screen);
    Call("MAIN", 3);
    EXPECT_EQ(HFONT(SendMessageA(Control("MAIN", "narrow"), WM_GETFONT, 0, 0)), second);
}

}  // namespace
