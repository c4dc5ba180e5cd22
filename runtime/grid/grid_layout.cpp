// Where everything is in pixels: the client area and scroll bars, cell positions and hit-testing,
// scrolling, auto-sizing, and what a paint draws.
#include <algorithm>

#include "grid_model.h"

void CGridModel::SetViewSize(int width, int height)
{
    m_viewWidth = std::max(0, width);
    m_viewHeight = std::max(0, height);
}

void CGridModel::SetScrollBarSizes(int verticalBarWidth, int horizontalBarHeight)
{
    m_vBarWidth = std::max(0, verticalBarWidth);
    m_hBarHeight = std::max(0, horizontalBarHeight);
}

void CGridModel::OnSize(int clientWidth, int clientHeight)
{
    EndEditing();
    SetViewSize(clientWidth + (m_rowAxis.BarShown() ? m_vBarWidth : 0),
                clientHeight + (m_colAxis.BarShown() ? m_hBarHeight : 0));
    ResetScrollBars();
}

CRect CGridModel::GetClientRect() const
{
    return CRect(0, 0, std::max(0, m_viewWidth - (m_rowAxis.BarShown() ? m_vBarWidth : 0)),
                 std::max(0, m_viewHeight - (m_colAxis.BarShown() ? m_hBarHeight : 0)));
}

void CGridModel::InvalidateAllIfDrawing()
{
    if (m_allowDraw) m_host->InvalidateAll();
}

void CGridModel::RepaintCell(int row, int col, bool now)
{
    CRect rect;
    if (!m_allowDraw || !IsCellShown(row, col) || !GetCellRect(row, col, rect)) return;
    if (now) {
        m_host->DrawCell(row, col, rect);
    } else {
        rect.InflateRect(0, 0, 1, 1);
        m_host->InvalidateRect(rect);
    }
}

// --- Positions and hit-testing -------------------------------------------------------------------

CCellID CGridModel::GetTopleftNonFixedCell() const
{
    return CCellID(m_rowAxis.FirstScrolled(), m_colAxis.FirstScrolled());
}

CCellRange CGridModel::GetVisibleNonFixedCellRange(CRect* rect) const
{
    const CRect client = GetClientRect();
    const CCellID topLeft = GetTopleftNonFixedCell();
    const int lastRow = m_rowAxis.LastInView(client.Height());
    const int lastCol = m_colAxis.LastInView(client.Width());
    if (rect) {
        const auto farEdge = [](const CGridAxis& axis, int first, int last) {
            if (last < first) return axis.FixedTotal();
            return ClampToInt(axis.FixedTotal() + axis.Offset(last + 1) - axis.Offset(first));
        };
        rect->SetRect(0, 0, farEdge(m_colAxis, topLeft.col, lastCol), farEdge(m_rowAxis, topLeft.row, lastRow));
    }
    return CCellRange(topLeft.row, topLeft.col, lastRow, lastCol);
}

BOOL CGridModel::GetCellOrigin(int row, int col, CPoint& origin) const
{
    int64_t x = 0, y = 0;
    if (!IsValid(row, col) || !m_colAxis.Start(col, x) || !m_rowAxis.Start(row, y)) return FALSE;
    origin = CPoint(ClampToInt(x), ClampToInt(y));
    return TRUE;
}

BOOL CGridModel::GetCellRect(int row, int col, CRect& rect) const
{
    CPoint origin;
    if (!GetCellOrigin(row, col, origin)) return FALSE;
    rect.SetRect(origin.x, origin.y, ClampToInt(int64_t(origin.x) + GetColumnWidth(col) - 1),
                 ClampToInt(int64_t(origin.y) + GetRowHeight(row) - 1));
    return TRUE;
}

CCellID CGridModel::GetCellFromPt(const CPoint& point, bool allowFixed) const
{
    if (!IsValid(GetTopleftNonFixedCell())) return CCellID();
    return CCellID(m_rowAxis.IndexAt(point.y, allowFixed), m_colAxis.IndexAt(point.x, allowFixed));
}

BOOL CGridModel::IsCellVisible(int row, int col) const
{
    const CRect client = GetClientRect();
    return IsValid(row, col) && m_rowAxis.IsWhollyInView(row, client.Height()) &&
           m_colAxis.IsWhollyInView(col, client.Width());
}

BOOL CGridModel::IsCellShown(int row, int col) const
{
    const CRect client = GetClientRect();
    return IsValid(row, col) && m_rowAxis.IsPartlyInView(row, client.Height()) &&
           m_colAxis.IsPartlyInView(col, client.Width());
}

// --- Scrolling ----------------------------------------------------------------------------------

void CGridModel::EnsureVisible(int row, int col)
{
    if (!m_allowDraw) return;
    const CRect client = GetClientRect();
    const bool movedAcross = m_colAxis.EnsureVisible(col, client.Width());
    const bool movedDown = m_rowAxis.EnsureVisible(row, client.Height());
    if (movedAcross || movedDown) {
        m_host->ScrollBarsChanged();
        m_host->InvalidateAll();
    }
}

void CGridModel::ResetScrollBars()
{
    if (!m_allowDraw || m_viewWidth <= 0 || m_viewHeight <= 0) return;
    int width = m_viewWidth, height = m_viewHeight;
    const int fixedWidth = GetFixedColumnWidth(), fixedHeight = GetFixedRowHeight();
    bool vertical = false, horizontal = false;
    if (width > fixedWidth && height > fixedHeight) {
        const int rowsHeight = m_rowAxis.NonFixedTotal(), colsWidth = m_colAxis.NonFixedTotal();
        vertical = rowsHeight > height - fixedHeight;
        if (vertical) width -= m_vBarWidth;
        horizontal = colsWidth > width - fixedWidth;
        if (horizontal) {
            height -= m_hBarHeight;
            if (!vertical && rowsHeight > height - fixedHeight) {
                vertical = true;
                width -= m_vBarWidth;
            }
        }
    }
    m_rowAxis.SetScrollLayout(vertical, height - fixedHeight);
    m_colAxis.SetScrollLayout(horizontal, width - fixedWidth);
    m_host->ScrollBarsChanged();
}

int CGridModel::GetScrollPos32(bool vertical) const { return vertical ? m_rowAxis.Position() : m_colAxis.Position(); }

BOOL CGridModel::SetScrollPos32(bool vertical, int position)
{
    if (Axis(vertical).SetPosition(position)) m_host->ScrollBarsChanged();
    return TRUE;
}

bool CGridModel::ScrollAxis(bool vertical, grid::ScrollAction action, int thumb)
{
    EndEditing();
    const CRect client = GetClientRect();
    const bool moved = Axis(vertical).Scroll(action, thumb, vertical ? client.Height() : client.Width());
    if (moved) {
        m_host->ScrollBarsChanged();
        InvalidateAllIfDrawing();
    }
    return moved;
}

bool CGridModel::OnVScroll(grid::ScrollAction action, int thumb) { return ScrollAxis(true, action, thumb); }

bool CGridModel::OnHScroll(grid::ScrollAction action, int thumb) { return ScrollAxis(false, action, thumb); }

// --- Measuring ----------------------------------------------------------------------------------

bool CGridModel::MeasureCell(const CGridCellBase& cell, const CString& text, CSize& extent) const
{
    CSize size;
    if (!m_host->MeasureCellText(cell, text, size)) return false;
    const UINT storedMargin = cell.GetMargin();
    const int64_t margin = storedMargin == UINT(-1) ? 0 : storedMargin;
    int64_t cx = size.cx + 4 * margin, cy = size.cy + 2 * margin;
    const GridFont* font = cell.GetFont();
    if (font && (font->lfEscapement == 900 || font->lfEscapement == -900)) {
        std::swap(cx, cy);
        cy += 4 * margin;
    }
    extent = CSize(ClampToInt(cx), ClampToInt(cy));
    return true;
}

CSize CGridModel::GetTextExtent(const CGridCellBase& cell, const CString& text) const
{
    CSize extent;
    if (MeasureCell(cell, text, extent)) return extent;
    const CGridDefaultCell* def = cell.GetDefaultCell();
    return def ? CSize(def->GetWidth(), def->GetHeight()) : CSize(0, 0);
}

BOOL CGridModel::AutoSizeColumn(int col, UINT style, bool resetScroll)
{
    if (style == 0) style = m_autoSizeStyle;
    const int first = (style & 0x1) ? 0 : GetFixedRowCount();
    const int last = (style & 0x2) ? GetRowCount() - 1 : GetFixedRowCount() - 1;
    return AutoSize(false, col, first, last, resetScroll);
}

BOOL CGridModel::AutoSizeRow(int row, bool resetScroll)
{
    return AutoSize(true, row, 0, GetColumnCount() - 1, resetScroll);
}

// Sizes a row (column) to the tallest (widest) of its cells from first to last across it.
BOOL CGridModel::AutoSize(bool rows, int index, int first, int last, bool resetScroll)
{
    CGridAxis& axis = Axis(rows);
    if (axis.Size(index) < 1) return FALSE;
    int size = 0;
    bool measured = false;
    for (int j = first; j <= last; ++j) {
        const CGridCellBase* cell = CellAcross(rows, index, j);
        CSize extent;
        if (!cell) continue;
        if (!MeasureCell(*cell, cell->GetText(), extent)) return FALSE;
        size = std::max<int>(size, rows ? extent.cy : extent.cx);
        measured = true;
    }
    if (!measured) return FALSE;
    axis.SetSize(index, size);
    if (resetScroll) ResetScrollBars();
    return TRUE;
}

// --- Painting -----------------------------------------------------------------------------------

void CGridModel::Refresh() { InvalidateAllIfDrawing(); }

BOOL CGridModel::RedrawCell(int row, int col)
{
    CRect rect;
    if (!m_allowDraw || !IsCellShown(row, col) || !GetCellRect(row, col, rect)) return FALSE;
    return m_host->DrawCell(row, col, rect) ? TRUE : FALSE;
}

BOOL CGridModel::RedrawRow(int row)
{
    BOOL all = TRUE;
    for (int c = 0; c < GetColumnCount(); ++c)
        if (!RedrawCell(row, c)) all = FALSE;
    return all;
}

BOOL CGridModel::RedrawColumn(int col)
{
    BOOL all = TRUE;
    for (int r = 0; r < GetRowCount(); ++r)
        if (!RedrawCell(r, col)) all = FALSE;
    return all;
}

BOOL CGridModel::InvalidateCellRect(int row, int col)
{
    CRect rect;
    if (!m_allowDraw || !IsCellShown(row, col) || !GetCellRect(row, col, rect)) return FALSE;
    rect.InflateRect(0, 0, 1, 1);
    m_host->InvalidateRect(rect);
    return TRUE;
}

std::vector<GridFill> CGridModel::GetBackgroundFills(const CRect& clip) const
{
    std::vector<GridFill> fills;
    const int fixedWidth = GetFixedColumnWidth(), fixedHeight = GetFixedRowHeight();
    CRect visible;
    GetVisibleNonFixedCellRange(&visible);
    if (clip.left < fixedWidth && clip.top < visible.bottom)
        fills.push_back(
            {CRect(clip.left, clip.top, fixedWidth, visible.bottom), GetDefaultCell(false, true)->GetBackClr()});
    if (clip.top < fixedHeight && clip.right > fixedWidth && clip.left < visible.right)
        fills.push_back(
            {CRect(fixedWidth - 1, clip.top, visible.right, fixedHeight), GetDefaultCell(true, false)->GetBackClr()});
    CRect cells;
    if (cells.IntersectRect(clip, visible)) {
        cells.left = std::max<LONG>(cells.left, fixedWidth);
        cells.top = std::max<LONG>(cells.top, fixedHeight);
        if (!cells.IsRectEmpty()) fills.push_back({cells, GetDefaultCell(false, false)->GetBackClr()});
    }
    if (visible.right < clip.right)
        fills.push_back({CRect(visible.right, clip.top, clip.right, clip.bottom), m_bkColour});
    if (visible.bottom < clip.bottom && clip.left < visible.right)
        fills.push_back({CRect(clip.left, visible.bottom, visible.right, clip.bottom), m_bkColour});
    return fills;
}

void CGridModel::ForEachCellToPaint(const CRect& clip, const std::function<void(int, int, const CRect&)>& draw) const
{
    const CCellRange visible = GetVisibleNonFixedCellRange();
    const int fixedWidth = GetFixedColumnWidth(), fixedHeight = GetFixedRowHeight();
    const auto pass = [&](int firstRow, int lastRow, int64_t top, int firstCol, int lastCol, int64_t left) {
        int64_t y = top;
        for (int r = firstRow; r <= lastRow; ++r) {
            if (y >= clip.bottom) break;
            const int height = GetRowHeight(r);
            if (height > 0 && y + height > clip.top) {
                int64_t x = left;
                for (int c = firstCol; c <= lastCol; ++c) {
                    if (x >= clip.right) break;
                    const int width = GetColumnWidth(c);
                    if (width > 0 && x + width > clip.left)
                        draw(
                            r, c,
                            CRect(ClampToInt(x), ClampToInt(y), ClampToInt(x + width - 1), ClampToInt(y + height - 1)));
                    x += width;
                }
            }
            y += height;
        }
    };
    const int fixedRows = GetFixedRowCount(), fixedCols = GetFixedColumnCount();
    pass(0, fixedRows - 1, 0, 0, fixedCols - 1, 0);
    pass(visible.GetMinRow(), visible.GetMaxRow(), fixedHeight, 0, fixedCols - 1, 0);
    pass(0, fixedRows - 1, 0, visible.GetMinCol(), visible.GetMaxCol(), fixedWidth);
    pass(visible.GetMinRow(), visible.GetMaxRow(), fixedHeight, visible.GetMinCol(), visible.GetMaxCol(), fixedWidth);
}

GridLinesLayout CGridModel::GetGridLinesLayout() const
{
    GridLinesLayout lines;
    CRect area;
    const CCellRange visible = GetVisibleNonFixedCellRange(&area);
    const int fixedWidth = GetFixedColumnWidth(), fixedHeight = GetFixedRowHeight();
    if (m_gridLines & 2) {
        lines.xs = m_colAxis.LastPixels(visible.GetMinCol(), visible.GetMaxCol());
        lines.top = fixedHeight;
        lines.bottom = area.bottom;
    }
    if (m_gridLines & 1) {
        lines.ys = m_rowAxis.LastPixels(visible.GetMinRow(), visible.GetMaxRow());
        lines.left = fixedWidth;
        lines.right = area.right;
    }
    return lines;
}

GridCellPaint CGridModel::GetCellPaint(int row, int col, const CRect& cellRect, bool erase) const
{
    GridCellPaint paint;
    const CGridCellBase* cell = GetCell(row, col);
    const CGridDefaultCell* def = cell ? cell->GetDefaultCell() : nullptr;
    if (!cell || cellRect.right <= cellRect.left || cellRect.bottom <= cellRect.top || !def) return paint;
    paint.draw = true;
    CRect rect = cellRect;
    COLORREF text = cell->GetTextClr() == grid::kDefaultColor ? def->GetTextClr() : cell->GetTextClr();
    COLORREF back = def->GetBackClr();
    if (cell->GetBackClr() != grid::kDefaultColor) {
        back = cell->GetBackClr();
        erase = true;
    }
    const DWORD state = cell->GetState();
    const bool selected = (state & grid::kSelected) != 0;
    CRect grown = rect;
    grown.InflateRect(0, 0, 1, 1);
    if (!(state & (grid::kFocused | grid::kDropHighlighted))) {
        if (selected) {
            paint.fill = true, paint.fillRect = grown, paint.fillColour = m_sys.highlight;
            text = m_sys.highlightText;
        } else if (erase) {
            paint.fill = true, paint.fillRect = grown, paint.fillColour = back;
        }
    } else {
        if (selected) {
            back = m_sys.highlight;
            text = m_sys.highlightText;
            erase = true;
        }
        rect = grown;
        if (erase) paint.fill = true, paint.fillRect = rect, paint.fillColour = back;
        if (m_gridLines != 0) rect.InflateRect(0, 0, -1, -1);
        if (m_frameFocus) paint.frame = true, paint.frameRect = rect;
        if (m_gridLines == 0) rect.InflateRect(0, 0, -1, -1);
        rect.DeflateRect(1, 1);
    }
    if ((state & grid::kFixed) && m_gridLines != 0) {
        const bool headsFocus = m_trackFocus && IsValid(m_focus) && (m_focus.row == row || m_focus.col == col);
        if (headsFocus) {
            rect.InflateRect(0, 0, 1, 1);
            paint.edge = GridCellPaint::Edge::Sunken;
        } else {
            paint.edge = GridCellPaint::Edge::Raised;
            paint.edgeLight = m_sys.highlight3d;
            paint.edgeDark = m_sys.darkShadow3d;
        }
        paint.edgeRect = rect;
        rect.DeflateRect(1, 1);
    }
    const int margin = ClampToInt(cell->GetMargin() == UINT(-1) ? 0 : int64_t(cell->GetMargin()));
    rect.DeflateRect(margin, 0);
    paint.textRect = rect;
    paint.textColour = text;
    paint.format = cell->GetFormat() | grid::kFormatNoPrefix;
    paint.font = cell->GetFont();
    paint.text = &cell->GetText();
    return paint;
}
