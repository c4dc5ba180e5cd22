// Keys, mouse buttons, mouse movement, the wheel and the auto-scroll timer as steps on the
// model's state; what only the window can do (capture, cursor, timer, the tracking line) goes
// through the host.
#include <algorithm>

#include "grid_model.h"

namespace {

// The entry shown just before another on the screen: past the scrolled-out ones to the fixed.
int ScreenBefore(const CGridAxis& axis, int index)
{
    int before = index - 1;
    if (before >= axis.Fixed() && before < axis.FirstScrolled()) before = axis.Fixed() - 1;
    return before;
}

}  // namespace

// --- Keyboard -----------------------------------------------------------------------------------

bool CGridModel::OnKeyDown(UINT key, bool ctrl, bool shift)
{
    if (!IsValid(m_focus)) return false;
    if (ctrl) {
        switch (key) {
        case 'C':
        case grid::kKeyInsert: OnEditCopy(); return true;
        case 'A': OnEditSelectAll(); return true;
        case 'V': OnEditPaste(); return true;
        case 'X': OnEditCut(); return true;
        default: break;
        }
    }
    if (shift && key == grid::kKeyInsert) {
        OnEditPaste();
        return false;
    }

    const int fixedRows = GetFixedRowCount(), fixedCols = GetFixedColumnCount();
    CCellID target = m_focus;
    bool wrapped = false;
    switch (key) {
    case grid::kKeyDelete:
        if (IsCellEditable(m_focus.row, m_focus.col)) SetItemTextWithEdit(m_focus.row, m_focus.col, "");
        return true;
    case grid::kKeyDown:
        if (int r = m_rowAxis.NextShown(m_focus.row); r >= 0) target.row = r;
        break;
    case grid::kKeyUp:
        if (int r = m_rowAxis.PreviousShown(m_focus.row, fixedRows); r >= 0) target.row = r;
        break;
    case grid::kKeyRight:
        if (int c = m_colAxis.NextShown(m_focus.col); c >= 0) target.col = c;
        break;
    case grid::kKeyLeft:
        if (int c = m_colAxis.PreviousShown(m_focus.col, fixedCols); c >= 0) target.col = c;
        break;
    case grid::kKeyTab:
        if (!shift) {
            if (int c = m_colAxis.NextShown(m_focus.col); c >= 0) {
                target.col = c;
            } else {
                const int r = m_rowAxis.NextShown(m_focus.row), first = m_colAxis.FirstShownFrom(fixedCols);
                if (r < 0 || first < 0) return false;
                target = CCellID(r, first), wrapped = true;
            }
        } else {
            if (int c = m_colAxis.PreviousShown(m_focus.col, fixedCols); c >= 0) {
                target.col = c;
            } else {
                const int r = m_rowAxis.PreviousShown(m_focus.row, fixedRows);
                const int last = m_colAxis.PreviousShown(GetColumnCount(), fixedCols);
                if (r < 0 || last < 0) return false;
                target = CCellID(r, last), wrapped = true;
            }
        }
        break;
    case grid::kKeyPageDown:
    case grid::kKeyPageUp: {
        const bool down = key == grid::kKeyPageDown;
        const int before = m_rowAxis.FirstScrolled();
        OnVScroll(down ? grid::kPageDown : grid::kPageUp);
        const int moved = m_rowAxis.FirstScrolled() - before;
        int row = moved != 0 ? std::max(fixedRows, std::min(GetRowCount() - 1, m_focus.row + moved))
                             : (down ? GetRowCount() - 1 : fixedRows);
        // Not onto a hidden row: the nearest shown one back towards the focus.
        if (GetRowHeight(row) <= 0)
            row = down ? m_rowAxis.PreviousShown(row, fixedRows) : m_rowAxis.FirstShownFrom(row);
        if (row >= 0) target.row = row;
        break;
    }
    case grid::kKeyHome:
    case grid::kKeyEnd: {
        const bool home = key == grid::kKeyHome;
        if (ctrl) {
            OnVScroll(home ? grid::kTop : grid::kBottom);
            const int r =
                home ? m_rowAxis.FirstShownFrom(fixedRows) : m_rowAxis.PreviousShown(GetRowCount(), fixedRows);
            if (r >= 0) target.row = r;
        }
        OnHScroll(home ? grid::kTop : grid::kBottom);
        const int c = home ? m_colAxis.FirstShownFrom(fixedCols) : m_colAxis.PreviousShown(GetColumnCount(), fixedCols);
        if (c >= 0) target.col = c;
        break;
    }
    case grid::kKeyF2: OnEditCell(m_focus.row, m_focus.col, CPoint(-1, -1), 1); return true;
    default: return false;
    }

    if (target == m_focus || !IsValid(target)) return true;
    if (m_mouseMode == grid::kMouseNothing) {
        m_mouseMode = grid::kMouseSelectCells;
        if (!shift || key == grid::kKeyTab) m_selectionStart = target;
        OnSelecting(target);
        m_mouseMode = grid::kMouseNothing;
    }
    SetFocusCell(target);
    if (!IsCellVisible(target.row, target.col)) {
        switch (key) {
        case grid::kKeyDown: OnVScroll(grid::kLineDown); break;
        case grid::kKeyUp: OnVScroll(grid::kLineUp); break;
        case grid::kKeyRight: OnHScroll(grid::kLineDown); break;
        case grid::kKeyLeft: OnHScroll(grid::kLineUp); break;
        case grid::kKeyTab:
            if (!wrapped) {
                OnHScroll(shift ? grid::kLineUp : grid::kLineDown);
            } else {
                OnVScroll(shift ? grid::kLineUp : grid::kLineDown);
                SetScrollPos32(false, shift ? m_colAxis.MaxPosition() : 0);
            }
            break;
        default: break;
        }
        InvalidateAllIfDrawing();
    }
    EnsureVisible(target);
    return true;
}

bool CGridModel::OnChar(UINT character, bool ctrl)
{
    if (ctrl || m_mouseMode != grid::kMouseNothing || character == grid::kKeyEscape) return false;
    if (character == grid::kKeyTab && m_handleTab) return false;
    if (!IsValid(m_focus)) return false;
    OnEditCell(m_focus.row, m_focus.col, CPoint(-1, -1), character);
    return true;
}

UINT CGridModel::GetDlgCode(bool ctrl) const
{
    const UINT code = grid::kWantArrows | grid::kWantChars;
    return m_handleTab && !ctrl ? code | grid::kWantTab : code;
}

// --- Dividers -----------------------------------------------------------------------------------

// Within the capture range of a divider between two columns (rows), in the heading row (column).
BOOL CGridModel::OverDivider(const CPoint& point, bool columns) const
{
    const int across = columns ? point.y : point.x, along = columns ? point.x : point.y;
    if (across >= (columns ? GetFixedRowHeight() : GetFixedColumnWidth())) return FALSE;
    const CCellID cell = GetCellFromPt(point, true);
    CRect rect;
    if (!IsValid(cell) || !GetCellRect(cell.row, cell.col, rect)) return FALSE;
    const int start = columns ? rect.left : rect.top, end = columns ? rect.right : rect.bottom;
    const int index = columns ? cell.col : cell.row;
    if (along - start < m_resizeCaptureRange && ScreenBefore(columns ? m_colAxis : m_rowAxis, index) >= 0) return TRUE;
    return end - along < m_resizeCaptureRange;
}

BOOL CGridModel::MouseOverColumnResizeArea(const CPoint& point) const { return OverDivider(point, true); }

BOOL CGridModel::MouseOverRowResizeArea(const CPoint& point) const { return OverDivider(point, false); }

grid::Cursor CGridModel::GetCursorAt(const CPoint& point) const
{
    if (m_mouseMode == grid::kMouseOverRowDivider) return grid::Cursor::SizeNS;
    if (m_mouseMode == grid::kMouseOverColumnDivider) return grid::Cursor::SizeWE;
    return grid::Cursor::Arrow;
}

// Which row or column a press on a divider resizes: the one left of (above) the divider, past
// hidden ones unless hidden ones may be unhidden, or the last one when it is thinner than the
// capture range and the press is at its end.
bool CGridModel::SizingTarget(const CPoint& point, bool columns, CCellID& cell) const
{
    const CGridAxis& axis = columns ? m_colAxis : m_rowAxis;
    const bool unhide = columns ? m_unhideCols : m_unhideRows;
    const int coordinate = columns ? point.x : point.y;
    int& index = columns ? cell.col : cell.row;
    CRect rect;
    if (!GetCellRect(cell.row, cell.col, rect)) return false;
    const int start = columns ? rect.left : rect.top;
    const int last = axis.Count() - 1;
    int64_t lastStart = 0;
    if (axis.Size(last) < m_resizeCaptureRange && axis.Start(last, lastStart) &&
        lastStart + axis.Size(last) - coordinate <= m_resizeCaptureRange) {
        index = last;
    } else if (coordinate - start < m_resizeCaptureRange) {
        int before = ScreenBefore(axis, index);
        if (!unhide)
            while (before >= 0 && axis.Size(before) <= 0) before = ScreenBefore(axis, before);
        if (before < 0) return false;
        index = before;
    }
    return true;
}

void CGridModel::EndSizing(const CPoint& point, bool columns)
{
    m_host->EndTracker();
    CPoint origin;
    if (point == m_buttonDownPoint || !GetCellOrigin(m_clickDown.row, m_clickDown.col, origin)) return;
    const bool allowHide = columns ? m_hideCols : m_hideRows;
    const int size = std::max<int>(allowHide ? 0 : 1, columns ? point.x - origin.x : point.y - origin.y);
    if (columns)
        SetColumnWidth(m_clickDown.col, size);
    else
        SetRowHeight(m_clickDown.row, size);
    ResetScrollBars();
    InvalidateAllIfDrawing();
}

// --- Mouse --------------------------------------------------------------------------------------

void CGridModel::OnLButtonDown(const CPoint& point, bool shift)
{
    m_buttonDownPoint = point;
    m_buttonDown = true;
    m_clickDown = GetCellFromPt(point, true);
    if (!IsValid(m_clickDown)) return;
    if (!shift)
        m_selectionStart = m_clickDown;
    else if (!IsValid(m_selectionStart))
        m_selectionStart = m_focus;
    EndEditing();
    if (m_clickDown == m_focus) {
        if (IsCellEditable(m_clickDown.row, m_clickDown.col)) m_mouseMode = grid::kMousePrepareEdit;
        return;
    }
    const int fixedRows = GetFixedRowCount(), fixedCols = GetFixedColumnCount();
    if (m_mouseMode != grid::kMouseOverRowDivider && m_mouseMode != grid::kMouseOverColumnDivider) {
        ClearFocus();
        if (GetRowCount() > fixedRows && GetColumnCount() > fixedCols) SetFocusCell(RaiseToNonFixed(m_clickDown));
    }
    m_host->CaptureMouse();
    if (m_mouseMode == grid::kMouseNothing) {
        if (m_colResize && MouseOverColumnResizeArea(point)) {
            m_mouseMode = grid::kMouseOverColumnDivider;
            m_host->SetCursor(grid::Cursor::SizeWE);
        } else if (m_rowResize && MouseOverRowResizeArea(point)) {
            m_mouseMode = grid::kMouseOverRowDivider;
            m_host->SetCursor(grid::Cursor::SizeNS);
        }
    }
    const CRect client = GetClientRect();
    if (m_mouseMode == grid::kMouseOverColumnDivider || m_mouseMode == grid::kMouseOverRowDivider) {
        const bool columns = m_mouseMode == grid::kMouseOverColumnDivider;
        CPoint origin;
        if (!SizingTarget(point, columns, m_clickDown) || !GetCellOrigin(m_clickDown.row, m_clickDown.col, origin)) {
            m_mouseMode = grid::kMouseNothing;
        } else if (columns) {
            m_mouseMode = grid::kMouseSizingColumn;
            m_host->BeginTracker(grid::Orientation::Vertical, point.x,
                                 CRect(origin.x, client.top, client.right, client.bottom));
        } else {
            m_mouseMode = grid::kMouseSizingRow;
            m_host->BeginTracker(grid::Orientation::Horizontal, point.y,
                                 CRect(client.left, origin.y, client.right, client.bottom));
        }
    } else {
        m_host->Notify(grid::kNotifySelectionChanging, m_clickDown.row, m_clickDown.col);
        if (m_clickDown.row >= fixedRows && m_clickDown.col >= fixedCols) {
            m_mouseMode = grid::kMouseSelectCells;
            OnSelecting(m_clickDown);
            m_host->StartAutoScroll();
        } else if (m_clickDown.row < fixedRows) {
            OnFixedRowClick(m_clickDown);
        } else {
            OnFixedColumnClick(m_clickDown);
        }
    }
    m_lastMouse = point;
}

void CGridModel::OnFixedRowClick(const CCellID& cell)
{
    if (!IsValid(cell) || !m_fixedRowSelection) return;
    m_mouseMode = cell.col < GetFixedColumnCount() ? grid::kMouseSelectAll : grid::kMouseSelectColumns;
    OnSelecting(cell);
}

void CGridModel::OnFixedColumnClick(const CCellID& cell)
{
    if (!IsValid(cell) || !m_fixedColSelection) return;
    m_mouseMode = cell.row < GetFixedRowCount() ? grid::kMouseSelectAll : grid::kMouseSelectRows;
    OnSelecting(cell);
}

void CGridModel::OnMouseMove(const CPoint& point)
{
    if (!GetClientRect().PtInRect(point)) return;
    if (m_buttonDown) {
        if (m_mouseMode != grid::kMouseNothing && IsValid(m_clickDown)) {
            switch (m_mouseMode) {
            case grid::kMouseSelectColumns:
            case grid::kMouseSelectRows:
            case grid::kMouseSelectCells: {
                const CCellID cell = GetCellFromPt(point, true);
                if (!IsValid(cell) || cell == m_focus) break;
                OnSelecting(cell);
                const bool nonFixed = cell.row >= GetFixedRowCount() && cell.col >= GetFixedColumnCount();
                if (nonFixed || m_mouseMode != grid::kMouseSelectCells) SetFocusCell(cell);
                break;
            }
            case grid::kMouseSizingRow: m_host->MoveTracker(point.y); break;
            case grid::kMouseSizingColumn: m_host->MoveTracker(point.x); break;
            case grid::kMousePrepareEdit:
            case grid::kMouseNoEdit: m_mouseMode = grid::kMouseNoEdit; break;
            default: break;
            }
        }
    } else if (m_colResize && MouseOverColumnResizeArea(point)) {
        m_mouseMode = grid::kMouseOverColumnDivider;
        m_host->SetCursor(grid::Cursor::SizeWE);
    } else if (m_rowResize && MouseOverRowResizeArea(point)) {
        m_mouseMode = grid::kMouseOverRowDivider;
        m_host->SetCursor(grid::Cursor::SizeNS);
    } else if (m_mouseMode != grid::kMouseNothing) {
        m_mouseMode = grid::kMouseNothing;
        m_host->SetCursor(grid::Cursor::Arrow);
    }
    m_lastMouse = point;
}

void CGridModel::OnLButtonUp(const CPoint& point)
{
    m_buttonDown = false;
    m_host->ReleaseMouse();
    switch (m_mouseMode) {
    case grid::kMousePrepareEdit:
        OnEditCell(m_focus.row, m_focus.col, CPoint(point.x - m_buttonDownPoint.x, point.y - m_buttonDownPoint.y), 1);
        break;
    case grid::kMouseNoEdit:
        m_host->Notify(grid::kNotifyClick, m_clickDown.row, m_clickDown.col);
        m_host->Notify(grid::kNotifySelectionChanging, m_clickDown.row, m_clickDown.col);
        ClearSelection();
        ClearFocus();
        m_host->Notify(grid::kNotifySelectionChanged, m_focus.row, m_focus.col);
        break;
    case grid::kMouseSizingColumn: EndSizing(point, true); break;
    case grid::kMouseSizingRow: EndSizing(point, false); break;
    default:
        // A release after a press outside the cells reports nothing.
        if (!IsValid(m_clickDown)) break;
        m_host->Notify(grid::kNotifySelectionChanged, m_focus.row, m_focus.col);
        m_host->Notify(grid::kNotifyClick, m_clickDown.row, m_clickDown.col);
        break;
    }
    m_mouseMode = grid::kMouseNothing;
    m_host->SetCursor(grid::Cursor::Arrow);
    if (IsValid(m_clickDown)) m_host->PostClickCommand();
}

void CGridModel::OnLButtonDblClk(const CPoint& point)
{
    const CCellID cell = GetCellFromPt(point, true);
    CRect rect;
    if (!IsValid(cell) || !GetCellRect(cell.row, cell.col, rect)) return;
    int mode = m_mouseMode;
    // The release before a double click ends any hover mode; a divider under the point still counts.
    if (mode == grid::kMouseNothing) {
        if (m_colResize && MouseOverColumnResizeArea(point))
            mode = grid::kMouseOverColumnDivider;
        else if (m_rowResize && MouseOverRowResizeArea(point))
            mode = grid::kMouseOverRowDivider;
    }
    if (mode == grid::kMouseOverColumnDivider || mode == grid::kMouseOverRowDivider) {
        const bool columns = mode == grid::kMouseOverColumnDivider;
        const CGridAxis& axis = columns ? m_colAxis : m_rowAxis;
        int index = columns ? cell.col : cell.row;
        if ((columns ? point.x - rect.left : point.y - rect.top) < m_resizeCaptureRange)
            index = ScreenBefore(axis, index);
        while (index >= 0 && axis.Size(index) <= 0) index = ScreenBefore(axis, index);
        if (index < 0) return;
        if (columns)
            AutoSizeColumn(index, m_autoSizeStyle, true);
        else
            AutoSizeRow(index, true);
        InvalidateAllIfDrawing();
    } else if (mode == grid::kMouseNothing && cell.row >= GetFixedRowCount() && cell.col >= GetFixedColumnCount()) {
        if (IsValid(m_clickDown)) OnEditCell(cell.row, cell.col, CPoint(point.x - rect.left, point.y - rect.top), 1);
        m_host->Notify(grid::kNotifyDoubleClick, cell.row, cell.col);
    }
}

void CGridModel::OnRButtonDown(const CPoint& point)
{
    EndEditing();
    const CCellID cell = GetCellFromPt(point, true);
    if (!IsValid(cell)) {
        m_host->Notify(grid::kNotifyRightClick, -1, -1);
        return;
    }
    ClearFocus();
    SetFocusCell(RaiseToNonFixed(cell));
    m_host->Notify(grid::kNotifyRightClick, cell.row, cell.col);
}

void CGridModel::OnAutoScrollTimer(const CPoint& cursor)
{
    const CRect client = GetClientRect();
    const int fixedWidth = GetFixedColumnWidth(), fixedHeight = GetFixedRowHeight();
    const auto selectTo = [&](int x, int y) {
        const CCellID cell = GetCellFromPt(CPoint(x, y), true);
        if (IsValid(cell)) OnSelecting(cell);
    };
    const int x = std::max<int>(client.left, std::min<int>(cursor.x, client.right - 1));
    const int y = std::max<int>(client.top, std::min<int>(cursor.y, client.bottom - 1));
    if (cursor.y >= client.bottom) {
        OnKeyDown(grid::kKeyDown, false, false);
        selectTo(x, client.bottom - 1);
    } else if (cursor.y < fixedHeight) {
        OnKeyDown(grid::kKeyUp, false, false);
        selectTo(x, fixedHeight + 1);
    }
    if (cursor.x >= client.right) {
        OnKeyDown(grid::kKeyRight, false, false);
        selectTo(client.right - 1, y);
    } else if (cursor.x < fixedWidth) {
        OnKeyDown(grid::kKeyLeft, false, false);
        selectTo(fixedWidth + 1, y);
    }
}

void CGridModel::OnMouseWheel(int delta)
{
    const bool pages = m_wheelLines == grid::kWheelPage;
    const int64_t steps = pages ? delta / 120 : int64_t(delta) * int64_t(m_wheelLines) / 120;
    const grid::ScrollAction back = pages ? grid::kPageUp : grid::kLineUp;
    const grid::ScrollAction on = pages ? grid::kPageDown : grid::kLineDown;
    for (int64_t i = 0; i < (steps < 0 ? -steps : steps); ++i)
        if (!OnVScroll(steps > 0 ? back : on)) break;
}
