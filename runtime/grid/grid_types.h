// Value types and constants of the grid: cell identifiers and ranges, the cell state bits, the
// notification codes sent to the grid's parent, and the system values (keys, scroll actions, text
// formats) the platform-free model works with under their own names.
#pragma once

#include <cstdint>

#include "fw_types.h"

// One cell by row and column, counted from 0; -1 stands for none.
struct CCellID {
    int row = -1;
    int col = -1;

    CCellID() = default;
    CCellID(int r, int c) : row(r), col(c) {}
    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID& o) const { return row == o.row && col == o.col; }
    bool operator!=(const CCellID& o) const { return !(*this == o); }
};

// An inclusive block of cells: first and last row, first and last column.
class CCellRange {
public:
    CCellRange() = default;
    CCellRange(int minRow, int minCol, int maxRow, int maxCol)
        : m_minRow(minRow), m_minCol(minCol), m_maxRow(maxRow), m_maxCol(maxCol)
    {
    }

    int GetMinRow() const { return m_minRow; }
    int GetMinCol() const { return m_minCol; }
    int GetMaxRow() const { return m_maxRow; }
    int GetMaxCol() const { return m_maxCol; }
    void Set(int minRow, int minCol, int maxRow, int maxCol)
    {
        m_minRow = minRow, m_minCol = minCol, m_maxRow = maxRow, m_maxCol = maxCol;
    }

    bool IsValid() const
    {
        return m_minRow >= 0 && m_minCol >= 0 && m_maxRow >= 0 && m_maxCol >= 0 && m_minRow <= m_maxRow &&
               m_minCol <= m_maxCol;
    }
    bool InRange(int row, int col) const
    {
        return row >= m_minRow && row <= m_maxRow && col >= m_minCol && col <= m_maxCol;
    }
    bool InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
    bool operator==(const CCellRange& o) const
    {
        return m_minRow == o.m_minRow && m_minCol == o.m_minCol && m_maxRow == o.m_maxRow && m_maxCol == o.m_maxCol;
    }
    bool operator!=(const CCellRange& o) const { return !(*this == o); }

private:
    int m_minRow = -1;
    int m_minCol = -1;
    int m_maxRow = -1;
    int m_maxCol = -1;
};

// The 60-byte font description a cell may carry (the system's LOGFONTA, same layout natively).
#ifdef _WIN32
typedef LOGFONTA GridFont;
#else
struct GridFont {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[32];
};
#endif
static_assert(sizeof(GridFont) == 60, "a cell font is the 60-byte system description");

namespace grid {

// Cell state bits.
constexpr DWORD kFocused = 0x01;
constexpr DWORD kSelected = 0x02;
constexpr DWORD kDropHighlighted = 0x04;
constexpr DWORD kReadOnly = 0x08;
constexpr DWORD kFixed = 0x10;
constexpr DWORD kFixedRow = 0x20;
constexpr DWORD kFixedCol = 0x40;
constexpr DWORD kModified = 0x80;
// The bits that belong to a cell's place in its grid rather than to its content.
constexpr DWORD kPlaceBits = kFocused | kSelected | kFixed | kFixedRow | kFixedCol;

// A colour of 0xFF000000 takes the default cell's.
constexpr COLORREF kDefaultColor = 0xFF000000;

// Notification codes sent to the parent (WM_NOTIFY), with a row and a column.
constexpr int kNotifyClick = -2;
constexpr int kNotifyDoubleClick = -3;
constexpr int kNotifyRightClick = -5;
constexpr int kNotifySelectionChanging = -99;
constexpr int kNotifySelectionChanged = -101;
constexpr int kNotifyBeginEdit = -105;
constexpr int kNotifyEndEdit = -106;

// Text format bits (the system's DrawText flags).
constexpr UINT kFormatLeft = 0x0000;
constexpr UINT kFormatCenter = 0x0001;
constexpr UINT kFormatRight = 0x0002;
constexpr UINT kFormatVCenter = 0x0004;
constexpr UINT kFormatWordBreak = 0x0010;
constexpr UINT kFormatSingleLine = 0x0020;
constexpr UINT kFormatNoPrefix = 0x0800;
constexpr UINT kFormatEndEllipsis = 0x8000;
// The ordinary cells' format and the format of inserted columns.
constexpr UINT kDefaultFormat = kFormatNoPrefix | kFormatEndEllipsis | kFormatSingleLine | kFormatVCenter;
constexpr UINT kColumnFormat = kFormatCenter | kFormatVCenter | kFormatSingleLine;

// Virtual-key codes the grid reacts to.
constexpr UINT kKeyBack = 0x08;
constexpr UINT kKeyTab = 0x09;
constexpr UINT kKeyReturn = 0x0D;
constexpr UINT kKeyEscape = 0x1B;
constexpr UINT kKeySpace = 0x20;
constexpr UINT kKeyPageUp = 0x21;
constexpr UINT kKeyPageDown = 0x22;
constexpr UINT kKeyEnd = 0x23;
constexpr UINT kKeyHome = 0x24;
constexpr UINT kKeyLeft = 0x25;
constexpr UINT kKeyUp = 0x26;
constexpr UINT kKeyRight = 0x27;
constexpr UINT kKeyDown = 0x28;
constexpr UINT kKeyInsert = 0x2D;
constexpr UINT kKeyDelete = 0x2E;
constexpr UINT kKeyF2 = 0x71;

// Scroll-bar requests (the system's SB_ codes; left and right share line up and down).
enum ScrollAction : int {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kTop = 6,
    kBottom = 7,
    kEndScroll = 8,
};

// Dialog codes answered to WM_GETDLGCODE.
constexpr UINT kWantArrows = 0x0001;
constexpr UINT kWantTab = 0x0002;
constexpr UINT kWantChars = 0x0080;

// What the mouse is doing.
enum MouseMode : int {
    kMouseNothing = 0,
    kMouseSelectAll = 1,
    kMouseSelectColumns = 2,
    kMouseSelectRows = 3,
    kMouseSelectCells = 4,
    kMouseOverRowDivider = 6,
    kMouseSizingRow = 7,
    kMouseOverColumnDivider = 8,
    kMouseSizingColumn = 9,
    kMousePrepareEdit = 10,
    kMouseNoEdit = 11,
};

enum class Cursor { Arrow, SizeNS, SizeWE };
enum class Orientation { Horizontal, Vertical };
// How an in-place editor aligns its text (from the cell's format).
enum class EditAlign { Left, Center, Right };

// Lines per wheel notch that mean a whole page.
constexpr UINT kWheelPage = 0xFFFFFFFFu;

}  // namespace grid

// The system colours the grid starts from and follows when the user changes them.
struct GridSystemColors {
    COLORREF windowText = 0x000000;
    COLORREF window = 0xFFFFFF;
    COLORREF face3d = 0xC0C0C0;
    COLORREF shadow3d = 0x808080;
    COLORREF windowFrame = 0x000000;
    COLORREF highlight = 0x800000;
    COLORREF highlightText = 0xFFFFFF;
    COLORREF highlight3d = 0xFFFFFF;
    COLORREF darkShadow3d = 0x000000;
};
