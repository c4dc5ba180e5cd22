#include "print_layout.h"

#include <algorithm>
#include <vector>

namespace qbk {

namespace {

constexpr double kTenthsPerMm = 0.39370078740157477;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Cut towards zero, as the position's whole pixels; a sum of centimetres that lands a rounding
// hair below a whole pixel (2.5 + 0.3 on the x87 unit) keeps that pixel.
int WholePixels(double pixels)
{
    constexpr double kHair = 1e-6;
    return int(pixels < 0 ? pixels - kHair : pixels + kHair);
}

}  // namespace

PageGeometry::PageGeometry(const PrinterCaps& caps, int unitMode) : m_unitMode(unitMode), m_caps(caps)
{
    m_tenthsX = int(caps.horzSize * kTenthsPerMm);
    m_tenthsY = int(caps.vertSize * kTenthsPerMm);
    // A device that reports no size has no scale: everything lands at 0 and nothing fits.
    if (caps.horzSize > 0) m_pixelsPerMmX = double(caps.horzRes) / caps.horzSize;
    if (caps.vertSize > 0) m_pixelsPerMmY = double(caps.vertRes) / caps.vertSize;
    if (m_tenthsX > 0) m_pixelsPerTenthX = double(caps.horzRes) / m_tenthsX;
    if (m_tenthsY > 0) m_pixelsPerTenthY = double(caps.vertRes) / m_tenthsY;
}

int PageGeometry::ToPixelsX(double value) const
{
    return WholePixels(m_unitMode == kTenthsOfInchUnits ? value * m_pixelsPerTenthX : value * m_pixelsPerMmX * 10);
}

int PageGeometry::ToPixelsY(double value) const
{
    return WholePixels(m_unitMode == kTenthsOfInchUnits ? value * m_pixelsPerTenthY : value * m_pixelsPerMmY * 10);
}

double PageGeometry::FromPixelsX(int pixels) const
{
    if (m_unitMode == kTenthsOfInchUnits) return m_pixelsPerTenthX > 0 ? pixels / m_pixelsPerTenthX : 0;
    return m_pixelsPerMmX > 0 ? pixels / m_pixelsPerMmX * 0.1 : 0;
}

double PageGeometry::FromPixelsY(int pixels) const
{
    if (m_unitMode == kTenthsOfInchUnits) return m_pixelsPerTenthY > 0 ? pixels / m_pixelsPerTenthY : 0;
    return m_pixelsPerMmY > 0 ? pixels / m_pixelsPerMmY * 0.1 : 0;
}

PixelBox PageGeometry::PrintRect(const PrintMargins& margins) const
{
    const bool tenths = m_unitMode == kTenthsOfInchUnits;
    const double width = tenths ? m_tenthsX : m_caps.horzSize * 0.1;
    const double height = tenths ? m_tenthsY : m_caps.vertSize * 0.1;
    return PixelBox{ToPixelsX(margins.left), ToPixelsY(margins.top), ToPixelsX(width - margins.right),
                    ToPixelsY(height - margins.bottom)};
}

int ScaleToPrinter(int sourcePixels, int printerDpi, int sourceDpi)
{
    return int(int64_t(sourcePixels) * std::max(1, printerDpi) / std::max(1, sourceDpi));
}

namespace {

// A piece of text as printed, and where it stands in the text as given.
struct Piece {
    std::string printed;
    size_t start = 0;
};

// Each piece is one character and the non-blank characters after it, so every blank starts one.
std::vector<Piece> SplitPieces(const std::string& text)
{
    std::vector<Piece> pieces;
    size_t i = 0;
    while (i < text.size()) {
        Piece piece;
        piece.start = i;
        do {
            piece.printed += text[i] == '\t' ? std::string(4, ' ') : std::string(1, text[i]);
            ++i;
        } while (i < text.size() && !IsBlank(text[i]));
        pieces.push_back(piece);
    }
    return pieces;
}

}  // namespace

int FlowText(const std::string& text, bool newLine, FlowPosition& position, const PageGeometry& geometry,
             const PrintMargins& margins, TextSurface& surface)
{
    const PixelBox box = geometry.PrintRect(margins);
    const int lineHeight = surface.LineHeight();
    std::vector<Piece> pieces = SplitPieces(text);
    if (pieces.empty() && newLine) pieces.push_back(Piece{" ", 0});

    std::string line;
    size_t lineStart = 0;  // where the pending line begins in the text
    // Prints the pending line where the position stands; false when it would reach below the page.
    auto printLine = [&]() {
        const int y = geometry.ToPixelsY(position.y);
        if (y + lineHeight > box.bottom) return false;
        surface.Print(line, geometry.ToPixelsX(position.x), y);
        return true;
    };
    for (const Piece& piece : pieces) {
        const std::string joined = line + piece.printed;
        const int x = geometry.ToPixelsX(position.x);
        if (line.empty() || x + surface.Width(joined) <= box.right) {
            if (line.empty()) lineStart = piece.start;
            line = joined;
            continue;
        }
        if (!printLine()) return int(lineStart);
        position.x = margins.left;
        position.y += geometry.FromPixelsY(lineHeight);
        // A blank that broke the line is not carried to the next one.
        const bool lone = piece.printed == " ";
        line = lone ? std::string() : piece.printed;
        lineStart = lone ? piece.start + 1 : piece.start;
    }
    if (!line.empty() && !printLine()) return int(lineStart);
    if (newLine) {
        position.x = margins.left;
        position.y += geometry.FromPixelsY(lineHeight);
    } else {
        position.x += geometry.FromPixelsX(surface.Width(line));
    }
    return int(text.size());
}

namespace {

// The bytes up to a carriage return (dropped with the byte after it) or the stream's end.
std::string ReadLine(CFile& stream)
{
    std::string line;
    BYTE byte;
    while (stream.Read(&byte, 1) == 1) {
        if (byte == 13) {
            stream.Read(&byte, 1);
            break;
        }
        line += char(byte);
    }
    return line;
}

bool AtEnd(const CFile& stream) { return stream.GetPosition() >= stream.GetLength(); }

}  // namespace

bool PrintLines(CFile& stream, PageSink& pages)
{
    stream.SeekToBegin();
    while (!AtEnd(stream)) {
        if (!pages.StartPage()) return false;
        const ULONGLONG pageStart = stream.GetPosition();
        while (!AtEnd(stream)) {
            const ULONGLONG start = stream.GetPosition();
            const std::string line = ReadLine(stream);
            const int count = pages.PlaceLine(line);
            if (count >= int(line.size())) continue;
            stream.Seek(LONGLONG(start) + count, CFile::begin);
            break;
        }
        pages.EndPage();
        if (stream.GetPosition() == pageStart) return false;
    }
    return true;
}

}  // namespace qbk
