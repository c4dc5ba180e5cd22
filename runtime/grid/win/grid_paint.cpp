// Painting the grid: the paint handler with its off-screen context, the order of background, cells
// and grid lines, one cell drawn at once, and a cell's own drawing from what the model works out.
#include "fw_dc.h"
#include "grid_ctrl.h"

namespace {

// Painting through a bitmap of the clip box's size, copied to the target once at the end.
class CGridPaintDC : public CDC {
public:
    explicit CGridPaintDC(HDC target) : m_target(target)
    {
        if (::GetClipBox(target, &m_clip) == ERROR || m_clip.IsRectEmpty()) return;
        if (!Attach(::CreateCompatibleDC(target))) return;
        if (!m_bitmap.Attach(::CreateCompatibleBitmap(target, m_clip.Width(), m_clip.Height()))) {
            DeleteDC();
            return;
        }
        m_oldBitmap = SelectObject(&m_bitmap);
        ::SetWindowOrgEx(m_hDC, m_clip.left, m_clip.top, nullptr);
        FillSolidRect(&m_clip, ::GetBkColor(target));
    }
    ~CGridPaintDC() override
    {
        if (!m_hDC) return;
        ::BitBlt(m_target, m_clip.left, m_clip.top, m_clip.Width(), m_clip.Height(), m_hDC, m_clip.left, m_clip.top,
                 SRCCOPY);
        SelectObject(m_oldBitmap);
    }
    CGridPaintDC(const CGridPaintDC&) = delete;
    CGridPaintDC& operator=(const CGridPaintDC&) = delete;

    // False when no off-screen bitmap could be made: paint the target itself.
    bool Buffered() const { return m_hDC != nullptr; }

private:
    HDC m_target;
    CRect m_clip;
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
};

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}

// A one-pixel solid pen, selected for as long as the object lives.
class SolidPen {
public:
    SolidPen(HDC dc, COLORREF colour) : m_dc(dc), m_pen(::CreatePen(PS_SOLID, 0, colour))
    {
        m_old = ::SelectObject(dc, m_pen);
    }
    ~SolidPen()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_pen);
    }
    SolidPen(const SolidPen&) = delete;
    SolidPen& operator=(const SolidPen&) = delete;

private:
    HDC m_dc;
    HPEN m_pen;
    HGDIOBJ m_old;
};

}  // namespace

void CGridCtrl::OnPaint()
{
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (!dc) return;
    if (GetDoubleBuffering()) {
        CGridPaintDC buffer(dc);
        OnDraw(buffer.Buffered() ? buffer.GetSafeHdc() : dc);
    } else {
        OnDraw(dc);
    }
    ::EndPaint(m_hWnd, &paint);
}

void CGridCtrl::OnDraw(HDC dc)
{
    CRect clip;
    if (!GetRedraw() || ::GetClipBox(dc, &clip) == ERROR) return;
    CDC target;
    target.Attach(dc);
    for (const GridFill& fill : GetBackgroundFills(clip)) target.FillSolidRect(&fill.rect, fill.colour);
    target.Detach();

    ForEachCellToPaint(clip, [&](int row, int col, const CRect& rect) { DrawCellOn(dc, row, col, rect, false); });

    const GridLinesLayout lines = GetGridLinesLayout();
    SolidPen pen(dc, GetGridLineColor());
    for (const int x : lines.xs) Line(dc, x, lines.top, x, lines.bottom);
    for (const int y : lines.ys) Line(dc, lines.left, y, lines.right, y);
}

bool CGridCtrl::DrawCell(int row, int col, const CRect& rect)
{
    if (!m_hWnd) return false;
    const HDC dc = ::GetDC(m_hWnd);
    if (!dc) {
        CRect grown = rect;
        grown.InflateRect(0, 0, 1, 1);
        ::InvalidateRect(m_hWnd, &grown, TRUE);
        return true;
    }
    const bool drawn = DrawCellOn(dc, row, col, rect, true);
    if (drawn && row >= GetFixedRowCount() && col >= GetFixedColumnCount()) DrawCellLines(dc, rect);
    ::ReleaseDC(m_hWnd, dc);
    return drawn;
}

// The grid lines along a non-fixed cell's right and bottom edges.
void CGridCtrl::DrawCellLines(HDC dc, const CRect& rect)
{
    const int lines = GetGridLines();
    if (lines == 0) return;
    SolidPen pen(dc, GetGridLineColor());
    if (lines & 1) Line(dc, rect.left, rect.bottom, rect.right + 1, rect.bottom);
    if (lines & 2) Line(dc, rect.right, rect.top, rect.right, rect.bottom + 1);
}

bool CGridCtrl::DrawCellOn(HDC dc, int row, int col, const CRect& rect, bool erase)
{
    const GridCellPaint paint = GetCellPaint(row, col, rect, erase);
    const CGridCellBase* cell = GetCell(row, col);
    if (!paint.draw || !cell) return false;
    const int saved = ::SaveDC(dc);
    ::SetBkMode(dc, TRANSPARENT);
    CDC target;
    target.Attach(dc);
    if (paint.fill) target.FillSolidRect(&paint.fillRect, paint.fillColour);
    target.Detach();
    if (paint.frame) {
        const HBRUSH brush = ::CreateSolidBrush(paint.textColour);
        ::FrameRect(dc, &paint.frameRect, brush);
        ::DeleteObject(brush);
    }
    const CRect& edge = paint.edgeRect;
    if (paint.edge == GridCellPaint::Edge::Raised) {
        {
            SolidPen light(dc, paint.edgeLight);
            ::MoveToEx(dc, edge.right, edge.top, nullptr);
            ::LineTo(dc, edge.left, edge.top);
            ::LineTo(dc, edge.left, edge.bottom);
        }
        SolidPen dark(dc, paint.edgeDark);
        ::MoveToEx(dc, edge.right, edge.top, nullptr);
        ::LineTo(dc, edge.right, edge.bottom);
        ::LineTo(dc, edge.left, edge.bottom);
    } else if (paint.edge == GridCellPaint::Edge::Sunken) {
        RECT sunken = edge;
        ::DrawEdge(dc, &sunken, BDR_SUNKENINNER, BF_RECT);
    }
    if (const HFONT font = CellFont(*cell)) ::SelectObject(dc, font);
    ::SetTextColor(dc, paint.textColour);
    RECT text = paint.textRect;
    if (paint.text) ::DrawTextA(dc, *paint.text, -1, &text, paint.format);
    ::RestoreDC(dc, saved);
    return true;
}
