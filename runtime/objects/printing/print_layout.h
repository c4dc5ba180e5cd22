// How printed text is laid out on a page, free of the printer itself: the page's geometry in
// centimetres or tenths of an inch, word-wrapped text flowing from a position, and the lines of a
// stream flowed over as many pages as they need. The printer is reached through small interfaces,
// so that the same code prints on paper and in tests.
#pragma once

#include <cstdint>
#include <string>

#include "fw_file.h"

namespace qbk {

// What a printer page reports of itself.
struct PrinterCaps {
    int horzRes = 0;  // pixels across
    int vertRes = 0;  // pixels down
    int horzSize = 0;  // millimetres across
    int vertSize = 0;  // millimetres down
};

constexpr int kTenthsOfInchUnits = 1;  // any other unit mode: centimetres

struct PrintMargins {
    double left = 2.5, top = 2.5, right = 2.5, bottom = 2.5;
};

struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The page's size and its conversions between the unit mode and printer pixels.
class PageGeometry {
public:
    PageGeometry(const PrinterCaps& caps, int unitMode);

    int ToPixelsX(double value) const;
    int ToPixelsY(double value) const;
    double FromPixelsX(int pixels) const;
    double FromPixelsY(int pixels) const;
    // The page inside the margins, in pixels.
    PixelBox PrintRect(const PrintMargins& margins) const;

private:
    int m_unitMode;
    int m_tenthsX = 0, m_tenthsY = 0;  // the page in tenths of an inch, truncated
    double m_pixelsPerMmX = 0, m_pixelsPerMmY = 0;
    double m_pixelsPerTenthX = 0, m_pixelsPerTenthY = 0;
    PrinterCaps m_caps;
};

// Where text goes on a page: measured and printed in printer pixels.
class TextSurface {
public:
    virtual ~TextSurface() = default;
    virtual int LineHeight() = 0;  // of the text font
    virtual int Width(const std::string& text) = 0;
    virtual void Print(const std::string& text, int x, int y) = 0;
};

// The current position on a page, in the unit mode.
struct FlowPosition {
    double x = 0, y = 0;
};

// Word-wrapped text from the position, between the margins; every tab prints as four spaces.
// Answers how many characters of the text were printed (the text's length when all of it fitted):
// a line that would reach below the bottom margin is not printed, nor anything after it.
int FlowText(const std::string& text, bool newLine, FlowPosition& position, const PageGeometry& geometry,
             const PrintMargins& margins, TextSurface& surface);

// The pages of one print job, as the stream printer uses them.
class PageSink {
public:
    virtual ~PageSink() = default;
    virtual bool StartPage() = 0;
    // Prints as much of the line as fits on the page (ending it with a new line); answers how
    // many of its characters that was.
    virtual int PlaceLine(const std::string& line) = 0;
    virtual void EndPage() = 0;
};

// The stream's lines from its start, page after page: a line ends at a carriage return, which is
// dropped together with the byte after it. A line that does not fit whole goes on on the next
// page. False when a fresh page could not take a single character of the next line (the page is
// too small for one line): printing on would never end.
bool PrintLines(CFile& stream, PageSink& pages);

}  // namespace qbk
