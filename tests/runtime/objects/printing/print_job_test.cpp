// Print jobs on the tests' printer (a CUPS queue whose pages become a PDF): the dialog answered by
// a stand-in that hands over the printer's context, or cancelled; text streams flowed over pages;
// the owner window disabled while a job runs; jobs ended by a new owner or by a page too small.
#include "print_job.h"

#include <gtest/gtest.h>

#include <string>

#include "printout.h"
#include "win_test_support.h"

namespace {

using namespace qbktest;

// The dialog's answer when the user takes the default printer.
BOOL TakeDefaultPrinter(PRINTDLGA* request)
{
    char name[256] = "";
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) return FALSE;
    request->hDC = CreateDCA(nullptr, name, nullptr, nullptr);
    return request->hDC != nullptr;
}

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HasPrinter()) GTEST_SKIP() << "no printer: run with the printer fixture (cmake/printer.sh)";
        owner_ = zvtest::CreateTestWindow(100, 100, "print owner");
        job_.showDialog = TakeDefaultPrinter;
        job_.SetOwner(owner_);
        ForgetPrintout();
    }
    void TearDown() override
    {
        if (owner_) DestroyWindow(owner_);
    }
    bool PrintText(const std::string& text)
    {
        CMemFile stream;
        stream.Write(text.data(), UINT(text.size()));
        return job_.PrintStream(&stream);
    }

    HWND owner_ = nullptr;
    CPrintJob job_;
};

TEST_F(PrintJobTest, TextStreamsFlowOverAsManyPagesAsTheyNeed)
{
    std::string text = "First\tline\r\nSecond line";
    for (int i = 0; i < 120; ++i)
        text += "\r\nParagraph " + std::to_string(i) +
                ": words that wrap at the right margin of the page when the "
                "line grows longer than the space between the margins allows";
    ASSERT_TRUE(PrintText(text));
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_GE(PrintedPages(), 3);
    const std::string printed = PrintedText();
    EXPECT_NE(printed.find("First"), std::string::npos);
    EXPECT_NE(printed.find("Second line"), std::string::npos);
    // Every paragraph once: a page break loses nothing and repeats nothing.
    for (int i = 0; i < 120; ++i) {
        const std::string mark = "Paragraph " + std::to_string(i) + ":";
        const size_t at = printed.find(mark);
        EXPECT_NE(at, std::string::npos) << i;
        EXPECT_EQ(printed.find(mark, at + 1), std::string::npos) << i;
    }
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(PrintJobTest, TheDefaultMarginsLeaveTwoAndAHalfCentimetres)
{
    ASSERT_TRUE(PrintText("MMMMMMMMMM"));
    ASSERT_TRUE(WaitForPrintout());
    const int dpi = 100;
    const zvtest::Image page = PrintedPage(1, dpi);
    ASSERT_FALSE(page.Empty());
    int left = page.width, top = page.height;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x)
            if (page.At(x, y) != 0xFFFFFF) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    // 25 mm from the printable area, which the printer's own margin moves in a little.
    HDC printer = CreateDCA(nullptr, "qbkpdf", nullptr, nullptr);
    ASSERT_NE(printer, nullptr);
    const double offsetX = 25.4 * GetDeviceCaps(printer, PHYSICALOFFSETX) / GetDeviceCaps(printer, LOGPIXELSX);
    const double offsetY = 25.4 * GetDeviceCaps(printer, PHYSICALOFFSETY) / GetDeviceCaps(printer, LOGPIXELSY);
    DeleteDC(printer);
    EXPECT_NEAR(left * 25.4 / dpi, 25 + offsetX, 1.5);
    EXPECT_NEAR(top * 25.4 / dpi, 25 + offsetY, 3);  // the letters' cells start a little above their ink
}

TEST_F(PrintJobTest, ACancelledDialogPrintsNothingAndLeavesTheOwnerEnabled)
{
    job_.showDialog = [](PRINTDLGA*) { return FALSE; };
    EXPECT_FALSE(job_.BeginJob());
    EXPECT_FALSE(PrintText("never printed"));
    EXPECT_FALSE(job_.IsPrinting());
    EXPECT_EQ(job_.NewPage(), nullptr);
    EXPECT_FALSE(job_.EndJob());
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(PrintJobTest, ADocumentThatCannotStartFailsWithTheOwnerEnabled)
{
    // A screen context is no printer: its document does not start.
    job_.showDialog = [](PRINTDLGA* request) {
        request->hDC = CreateCompatibleDC(nullptr);
        return TRUE;
    };
    EXPECT_FALSE(job_.BeginJob());
    EXPECT_FALSE(job_.IsPrinting());
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(PrintJobTest, TheOwnerIsDisabledWhileAJobRunsAndANewOwnerEndsIt)
{
    ASSERT_TRUE(job_.BeginJob());
    EXPECT_FALSE(IsWindowEnabled(owner_));
    CPrintPage* page = job_.NewPage();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->PrintTextAt("Owner changed", 2.5, 2.5));
    job_.EndPage(page);
    HWND other = zvtest::CreateTestWindow(50, 50, "other owner");
    EXPECT_TRUE(job_.SetOwner(other));
    EXPECT_FALSE(job_.IsPrinting());
    EXPECT_TRUE(IsWindowEnabled(owner_));
    // The job was ended, not dropped: its page arrives.
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_NE(PrintedText().find("Owner changed"), std::string::npos);
    DestroyWindow(other);
}

TEST_F(PrintJobTest, APageTooSmallForOneLineEndsTheJobWithFailure)
{
    job_.Margins().top = 14;
    job_.Margins().bottom = 14;
    EXPECT_FALSE(PrintText("a line that finds no room\r\nand another"));
    EXPECT_FALSE(job_.IsPrinting());
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(PrintJobTest, TextFilesPrintWholeAndAMissingOneFails)
{
    const std::string path = zvtest::TempDir() + "letter.txt";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("Dear reader,\r\nthis letter was printed.", file);
    std::fclose(file);
    EXPECT_FALSE(job_.PrintTextFile((zvtest::TempDir() + "missing.txt").c_str()));
    ASSERT_TRUE(job_.PrintTextFile(path.c_str()));
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_NE(PrintedText().find("this letter was printed."), std::string::npos);
    EXPECT_EQ(PrintedPages(), 1);
}

}  // namespace

namespace {

TEST_F(PrintJobTest, RichTextPrintsItsContentAndAnEmptyControlOnePage)
{
    LoadLibraryA("riched20.dll");
    HWND edit = CreateWindowExA(0, "RichEdit20A", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 90, 90, owner_,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "Rich text on paper");
    ASSERT_TRUE(job_.PrintRichEdit(edit));
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_NE(PrintedText().find("Rich text on paper"), std::string::npos) << PrintedText();
    EXPECT_TRUE(IsWindowEnabled(owner_));
    ForgetPrintout();
    SetWindowTextA(edit, "");
    ASSERT_TRUE(job_.PrintRichEdit(edit));
    ASSERT_TRUE(WaitForPrintout());
    EXPECT_EQ(PrintedPages(), 1);
    DestroyWindow(edit);
}

}  // namespace
