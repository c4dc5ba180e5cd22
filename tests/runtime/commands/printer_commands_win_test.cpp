// Printer objects in a running project, printing on the tests' printer: the print dialog answered
// as a user answers it, and the printed pages read back from the PDF the printer made (text, page
// count, margins, an image's place and size).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "printout.h"
#include "project_run.h"

namespace {

using namespace qbktest;

const char* const kPrinting = R"(
window MAIN
  caption "printing"
  style 0x100B0001
  rect 0 0 300 200
  object Printer printer
  object Bitmap bmp
  object DataStream data
  object DataStream empty
  object RichEdit edit
    rect 10 40 200 60
    style 0x50000004
  object CheckBox result
    rect 10 150 280 20
  builtin Keyboard
    event 1
      @Condition.If(@Application.GetParameter(0), "=", "G")
        @printer.SetLeftMargin(5)
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "F")
        @result.SetText("F" & @printer.PrintTextFile(@Application.GetFolder() & "letter.txt"))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "G")
        @result.SetText("G" & @printer.PrintTextFile(@Application.GetFolder() & "letter.txt"))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "I")
        @bmp.SetColor(255)
        @bmp.Create(96, 48)
        @result.SetText("I" & @printer.PrintImage(@bmp.GetId(), 5, 5, 10, 10, 0, 0, 96, 48))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "J")
        @result.SetText("J" & @printer.PrintImage(@bmp.GetId(), 5, 5, 2, 2, 0, 0, 96, 48))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "R")
        @edit.SetText("Rich text on paper")
        @result.SetText("R" & @printer.PrintRichEdit(@edit.GetId()))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "S")
        @data.Create()
        @data.WriteLine("Streamed line one")
        @data.WriteLine("Streamed line two")
        @data.Seek(5)
        @result.SetText("S" & @printer.PrintStream(@data.GetId()) & "," & @data.GetPosition())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "X")
        @result.SetText("X" & @printer.PrintImage(@result.GetId(), 1, 1, 5, 5, 0, 0, 4, 4) & @printer.PrintImage(@empty.GetId(), 1, 1, 5, 5, 0, 0, 4, 4) & @printer.PrintRichEdit(@bmp.GetId()) & @printer.PrintStream(@empty.GetId()) & @printer.PrintTextFile(@Application.GetFolder() & "missing.txt"))
      @Condition.EndIf()
  event 16
    @result.SetText(@printer.GetLeftMargin() & "," & @printer.GetTopMargin() & "," & @printer.GetRightMargin() & "," & @printer.GetBottomMargin())
    @printer.SetBottomMargin(1.25)
    @printer.SetTopMargin("abc")
    @result.SetText(@result.GetText() & "|" & @printer.GetBottomMargin() & "," & @printer.GetTopMargin())
    @printer.SetBottomMargin(2.5)
    @printer.SetTopMargin(2.5)
)";

// The leftmost, topmost, rightmost and bottommost pixel of a page that is not white, or -1s.
struct Ink {
    int left = -1, top = -1, right = -1, bottom = -1;
};

Ink InkOf(const zvtest::Image& page, uint32_t colour = 0)
{
    Ink ink;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x) {
            const uint32_t p = page.At(x, y);
            if (colour ? !zvtest::ColorNear(p, colour, 40) : p == 0xFFFFFF) continue;
            if (ink.left < 0 || x < ink.left) ink.left = x;
            if (ink.top < 0) ink.top = y;
            ink.right = std::max(ink.right, x);
            ink.bottom = y;
        }
    return ink;
}

class PrinterCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HasPrinter()) GTEST_SKIP() << "no printer: run with the printer fixture (cmake/printer.sh)";
        run_ = std::make_unique<ProjectRun>(kPrinting, false);
        std::string letter;
        for (int i = 0; i < 70; ++i) letter += "Line " + std::to_string(i) + " of the letter\r\n";
        FILE* file = std::fopen((run_->Folder() + "letter.txt").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(letter.c_str(), file);
        std::fclose(file);
        ASSERT_TRUE(run_->Start());
        main_ = run_->Window("MAIN");
        result_ = run_->Control("MAIN", "result");
        ASSERT_TRUE(main_ && result_);
    }

    // Presses the key whose script prints, answers the print dialog with the button, and waits
    // for the script's result.
    bool Print(char key, int button, const std::string& result)
    {
        ForgetPrintout();
        SetWindowTextA(result_, "");
        run_->PressKey(main_, WORD(key));
        HWND dialog = nullptr;
        zvtest::WaitFor([&] { return (dialog = run_->FindWindowOf("#32770", "Print")) != nullptr; }, kWait);
        if (!dialog) {
            char title[256] = "";
            GetWindowTextA(GetForegroundWindow(), title, sizeof title);
            ADD_FAILURE() << "no dialog; foreground " << title << " enabled " << IsWindowEnabled(main_) << " result "
                          << ProjectRun::Text(result_) << " focus " << GetFocus();
            return false;
        }
        EXPECT_FALSE(IsWindowEnabled(main_));  // the dialog is modal
        PostMessageA(dialog, WM_COMMAND, button, 0);
        const bool answered = run_->WaitForText(result_, std::string(1, key) + result);
        if (!answered) ADD_FAILURE() << "result: " << ProjectRun::Text(result_);
        return answered;
    }

    std::unique_ptr<ProjectRun> run_;
    HWND main_ = nullptr;
    HWND result_ = nullptr;
};

TEST_F(PrinterCommands, MarginsStartAtTwoAndAHalfAndTakeAnyNumber)
{
    EXPECT_TRUE(run_->WaitForText(result_, "2.5,2.5,2.5,2.5|1.25,0")) << ProjectRun::Text(result_);
}

TEST_F(PrinterCommands, TextFilesPrintOverPagesBetweenTheMargins)
{
    ASSERT_TRUE(Print('F', IDOK, "1"));
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_EQ(PrintedPages(), 2);
    const std::string text = PrintedText();
    EXPECT_NE(text.find("Line 0 of the letter"), std::string::npos);
    EXPECT_NE(text.find("Line 69 of the letter"), std::string::npos);
    EXPECT_TRUE(IsWindowEnabled(main_));
    const Ink narrow = InkOf(PrintedPage(1, 100));

    // Five centimetres on the left: the text moves right by 25 mm (98 pixels at 100 dpi).
    ASSERT_TRUE(Print('G', IDOK, "1"));
    ASSERT_TRUE(WaitForPrintout());
    const Ink wide = InkOf(PrintedPage(1, 100));
    EXPECT_NEAR(wide.left - narrow.left, 98, 3);
    EXPECT_EQ(wide.top, narrow.top);
}

TEST_F(PrinterCommands, ACancelledDialogPrintsNothingAndLeavesTheWindowEnabled)
{
    ASSERT_TRUE(Print('F', IDCANCEL, "0"));
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_FALSE(WaitForPrintout(3000));
}

TEST_F(PrinterCommands, AnImageKeepsItsLengthOnPaperAtItsPlace)
{
    ASSERT_TRUE(Print('I', IDOK, "1"));
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_EQ(PrintedPages(), 1);
    const int dpi = 100;
    const Ink red = InkOf(PrintedPage(1, dpi), 0xFF0000);
    ASSERT_GE(red.left, 0);
    // 96 screen pixels are an inch on paper whatever the printer's resolution, fitted into 10 cm.
    HDC screen = GetDC(nullptr);
    const double inches = 96.0 / GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_NEAR(red.right - red.left + 1, inches * dpi, 3);
    EXPECT_NEAR(red.bottom - red.top + 1, inches * dpi / 2, 3);
    // At 5 cm from the printable area's corner, which the printer moves in a little.
    HDC printer = CreateDCA(nullptr, "qbkpdf", nullptr, nullptr);
    ASSERT_NE(printer, nullptr);
    const double offsetX = double(GetDeviceCaps(printer, PHYSICALOFFSETX)) / GetDeviceCaps(printer, LOGPIXELSX);
    const double offsetY = double(GetDeviceCaps(printer, PHYSICALOFFSETY)) / GetDeviceCaps(printer, LOGPIXELSY);
    DeleteDC(printer);
    EXPECT_NEAR(red.left, (50 / 25.4 + offsetX) * dpi, 3);
    EXPECT_NEAR(red.top, (50 / 25.4 + offsetY) * dpi, 3);

    // Into a box smaller than itself: shrunk to its width, keeping its shape.
    ASSERT_TRUE(Print('J', IDOK, "1"));
    ASSERT_TRUE(WaitForPrintout());
    const Ink shrunk = InkOf(PrintedPage(1, dpi), 0xFF0000);
    EXPECT_NEAR(shrunk.right - shrunk.left + 1, 20 / 25.4 * dpi, 3);
    EXPECT_NEAR(shrunk.bottom - shrunk.top + 1, 10 / 25.4 * dpi, 3);
}

TEST_F(PrinterCommands, RichTextAndStreamsPrintAndTheStreamStaysWhereItWas)
{
    ASSERT_TRUE(Print('R', IDOK, "1"));
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_NE(PrintedText().find("Rich text on paper"), std::string::npos);
    // The whole stream from its start, one line a line; the stream is left where it stood.
    ASSERT_TRUE(Print('S', IDOK, "1,5"));
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_EQ(PrintedPages(), 1);
    const std::string text = PrintedText();
    EXPECT_NE(text.find("Streamed line one\nStreamed line two"), std::string::npos) << text;
}

TEST_F(PrinterCommands, ObjectsOfTheWrongKindPrintNothingAndShowNoDialog)
{
    SetWindowTextA(result_, "");
    run_->PressKey(main_, 'X');
    EXPECT_TRUE(run_->WaitForText(result_, "X00000")) << ProjectRun::Text(result_);
    EXPECT_EQ(run_->FindWindowOf("#32770", "Print"), nullptr);
}

}  // namespace
