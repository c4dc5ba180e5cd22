// Printed text laid out on pages: the page's units, word wrapping, tabs, continuing lines, and
// the lines of a stream flowed over pages, on a page that measures every character 10 pixels wide.
#include "print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qbk::FlowPosition;
using qbk::PageGeometry;
using qbk::PrintMargins;

// 100 x 100 mm at 10 pixels a millimetre: with the default margins of 2.5 cm, text goes from
// pixel 250 to 750 both ways: 50 characters a line, 25 lines of 20 pixels.
constexpr qbk::PrinterCaps kSquarePage = {1000, 1000, 100, 100};

struct Printed {
    std::string text;
    int x, y;
};

class FakeSurface : public qbk::TextSurface {
public:
    int LineHeight() override { return 20; }
    int Width(const std::string& text) override { return 10 * int(text.size()); }
    void Print(const std::string& text, int x, int y) override { lines.push_back({text, x, y}); }
    std::vector<Printed> lines;
};

TEST(PageGeometry, MarginsInCentimetresOrTenthsOfAnInch)
{
    const PageGeometry cm(kSquarePage, 0);
    const qbk::PixelBox box = cm.PrintRect(PrintMargins());
    EXPECT_EQ(box.left, 250);
    EXPECT_EQ(box.top, 250);
    EXPECT_EQ(box.right, 750);
    EXPECT_EQ(box.bottom, 750);
    EXPECT_EQ(cm.ToPixelsX(1.25), 125);
    EXPECT_DOUBLE_EQ(cm.FromPixelsY(300), 3.0);
    // 100 mm are 39 tenths of an inch (truncated): 25.64 pixels a tenth.
    const PageGeometry tenths(kSquarePage, qbk::kTenthsOfInchUnits);
    EXPECT_EQ(tenths.ToPixelsX(10), 256);
    EXPECT_EQ(tenths.PrintRect(PrintMargins()).right, tenths.ToPixelsX(39 - 2.5));
    EXPECT_NEAR(tenths.FromPixelsX(tenths.ToPixelsX(20)), 20, 0.05);
    // A device without a size lays everything at 0 instead of dividing by it.
    const PageGeometry none(qbk::PrinterCaps{1000, 1000, 0, 0}, 0);
    EXPECT_EQ(none.PrintRect(PrintMargins()).right, 0);
    EXPECT_EQ(none.FromPixelsX(100), 0);
}

TEST(FlowText, WrapsAtWordsBetweenTheMargins)
{
    const PageGeometry page(kSquarePage, 0);
    FakeSurface surface;
    FlowPosition at{2.5, 2.5};
    const std::string text = "the quick brown fox jumps over the lazy dog and keeps running far away";
    EXPECT_EQ(qbk::FlowText(text, true, at, page, PrintMargins(), surface), int(text.size()));
    ASSERT_EQ(surface.lines.size(), 2u);
    EXPECT_EQ(surface.lines[0].text, "the quick brown fox jumps over the lazy dog and");
    EXPECT_EQ(surface.lines[0].x, 250);
    EXPECT_EQ(surface.lines[0].y, 250);
    EXPECT_EQ(surface.lines[1].text, " keeps running far away");  // a blank begins each piece
    EXPECT_EQ(surface.lines[1].y, 270);
    EXPECT_DOUBLE_EQ(at.x, 2.5);
    EXPECT_DOUBLE_EQ(at.y, 2.9);
    // A word wider than the line is printed alone and runs past the margin.
    surface.lines.clear();
    const std::string wide(60, 'w');
    EXPECT_EQ(qbk::FlowText("a " + wide + " b", true, at, page, PrintMargins(), surface), 64);
    ASSERT_EQ(surface.lines.size(), 3u);
    EXPECT_EQ(surface.lines[1].text, " " + wide);
}

TEST(FlowText, TextWithoutNewLineContinuesTheLineAndAnEmptyLineIsOneBlank)
{
    const PageGeometry page(kSquarePage, 0);
    FakeSurface surface;
    FlowPosition at{2.5, 2.5};
    EXPECT_EQ(qbk::FlowText("abc", false, at, page, PrintMargins(), surface), 3);
    EXPECT_DOUBLE_EQ(at.x, 2.8);
    EXPECT_EQ(qbk::FlowText("de", true, at, page, PrintMargins(), surface), 2);
    EXPECT_EQ(surface.lines[1].x, 280);
    EXPECT_EQ(qbk::FlowText("", true, at, page, PrintMargins(), surface), 0);
    EXPECT_EQ(surface.lines.back().text, " ");
    EXPECT_DOUBLE_EQ(at.y, 2.9);
}

TEST(FlowText, ThePrintedCountIsCountedInTheTextAsGivenAlsoWithTabs)
{
    // Room for two lines only: the text ends at 300 pixels.
    const PageGeometry page(kSquarePage, 0);
    PrintMargins margins;
    margins.bottom = 7.0;
    FakeSurface surface;
    FlowPosition at{2.5, 2.5};
    std::string text;
    for (int i = 0; i < 30; ++i) text += "\tw" + std::to_string(i);
    const int printed = qbk::FlowText(text, true, at, page, margins, surface);
    ASSERT_EQ(surface.lines.size(), 2u);
    // Eight pieces of six characters on the first line, seven on the second.
    EXPECT_EQ(printed, int(text.find("\tw15")));
    // What was printed is exactly the text up to there: nothing lost, nothing twice.
    std::string shown, expanded;
    for (const Printed& line : surface.lines) shown += line.text;
    for (char c : text.substr(0, size_t(printed))) expanded += c == '\t' ? std::string(4, ' ') : std::string(1, c);
    EXPECT_EQ(shown, expanded);
}

// Pages of the square size whose lines are flowed as the printer flows them.
class FakePages : public qbk::PageSink {
public:
    explicit FakePages(PrintMargins margins = PrintMargins()) : margins_(margins) {}
    bool StartPage() override
    {
        pages.emplace_back();
        at_ = FlowPosition{margins_.left, margins_.top};
        return pages.size() < 1000;
    }
    int PlaceLine(const std::string& line) override
    {
        FakeSurface surface;
        const int count = qbk::FlowText(line, true, at_, page_, margins_, surface);
        for (const Printed& p : surface.lines) pages.back().push_back(p.text);
        return count;
    }
    void EndPage() override { ++ended; }

    std::vector<std::vector<std::string>> pages;
    int ended = 0;

private:
    PrintMargins margins_;
    PageGeometry page_{kSquarePage, 0};
    FlowPosition at_;
};

void Fill(CMemFile& stream, const std::string& bytes)
{
    stream.Write(bytes.data(), UINT(bytes.size()));
    stream.Seek(3, CFile::begin);  // printing starts at the start wherever the stream stands
}

TEST(PrintLines, LinesEndAtCarriageReturnsAndGoOnOnTheNextPage)
{
    std::string text = "first line\r\nsecond\r!third";
    for (int i = 0; i < 40; ++i)
        text += "\r\nline " + std::to_string(i) + " of some length, long enough to be wrapped once";
    CMemFile stream;
    Fill(stream, text);
    FakePages pages;
    ASSERT_TRUE(qbk::PrintLines(stream, pages));
    ASSERT_GE(pages.pages.size(), 3u);
    EXPECT_EQ(pages.ended, int(pages.pages.size()));
    EXPECT_EQ(pages.pages[0][0], "first line");
    EXPECT_EQ(pages.pages[0][1], "second");  // the byte after a carriage return is dropped, whatever it is
    EXPECT_EQ(pages.pages[0][2], "third");
    // Every page full but the last; every word printed once, in order.
    std::string all;
    for (const auto& page : pages.pages) {
        EXPECT_LE(page.size(), 25u);
        for (const std::string& line : page) all += line + "|";
    }
    for (int i = 0; i < 40; ++i) EXPECT_NE(all.find("line " + std::to_string(i) + " of some"), std::string::npos) << i;
    EXPECT_EQ(all.find("line 3 of"), all.rfind("line 3 of"));
    EXPECT_EQ(pages.pages[0].size(), 25u);
}

TEST(PrintLines, AnEmptyStreamPrintsNoPage)
{
    CMemFile stream;
    FakePages pages;
    EXPECT_TRUE(qbk::PrintLines(stream, pages));
    EXPECT_TRUE(pages.pages.empty());
}

TEST(PrintLines, APageTooSmallForOneLineEndsTheJobWithFailure)
{
    PrintMargins margins;
    margins.top = 4.95;  // 5 pixels of page between the margins
    margins.bottom = 5.0;
    CMemFile stream;
    Fill(stream, "some text that never fits\r\nmore");
    FakePages pages(margins);
    EXPECT_FALSE(qbk::PrintLines(stream, pages));
    EXPECT_EQ(pages.pages.size(), 1u);
    EXPECT_EQ(pages.ended, 1);
}

}  // namespace
