// The editing path every change of a cell's text by the user takes (typing, Delete, cut, paste):
// the parent may refuse it before it starts, the cell validates it, the parent may reject it after;
// and the clipboard commands built on it.
#include "grid_clipboard_text.h"
#include "grid_model.h"

void CGridModel::OnEditCell(int row, int col, const CPoint& point, UINT character)
{
    CGridCellBase* cell = GetCell(row, col);
    if (!cell || !m_editable || cell->IsReadOnly()) return;
    EnsureVisible(row, col);
    CRect rect;
    if (!IsCellVisible(row, col) || !GetCellRect(row, col, rect)) return;
    if (m_host->Notify(grid::kNotifyBeginEdit, row, col) < 0) return;
    cell = GetCell(row, col);  // the parent may have changed the grid
    if (!cell) return;
    if (cell->IsEditing()) {
        m_host->ForwardChar(character);
        return;
    }
    const DWORD format = cell->GetFormat();
    const grid::EditAlign align = (format & grid::kFormatRight)    ? grid::EditAlign::Right
                                  : (format & grid::kFormatCenter) ? grid::EditAlign::Center
                                                                   : grid::EditAlign::Left;
    cell->SetEditing(true);
    m_host->OpenEditor(row, col, rect, align, character);
}

void CGridModel::ApplyEditedText(int row, int col, const CString& text)
{
    CGridCellBase* cell = GetCell(row, col);
    if (!cell || cell->GetText() == text) return;
    const CString old = cell->GetText();
    cell->SetText(text);
    if (ValidateEdit(row, col, text) && m_host->Notify(grid::kNotifyEndEdit, row, col) >= 0) {
        SetModified(true, row, col);
        RepaintCell(row, col, true);
    } else if (CGridCellBase* again = GetCell(row, col)) {
        again->SetText(old);
    }
}

void CGridModel::OnEndEditCell(int row, int col, const CString& text)
{
    ApplyEditedText(row, col, text);
    if (CGridCellBase* cell = GetCell(row, col)) cell->SetEditing(false);
}

void CGridModel::OnEndInPlaceEdit(int row, int col, const CString& text, UINT lastKey, bool ctrl, bool shift)
{
    OnEndEditCell(row, col, text);
    switch (lastKey) {
    case grid::kKeyTab:
    case grid::kKeyPageUp:
    case grid::kKeyPageDown:
    case grid::kKeyEnd:
    case grid::kKeyHome:
    case grid::kKeyLeft:
    case grid::kKeyUp:
    case grid::kKeyRight:
    case grid::kKeyDown:
        OnKeyDown(lastKey, ctrl, shift);
        OnEditCell(m_focus.row, m_focus.col, CPoint(-1, -1), lastKey);
        break;
    default: break;
    }
}

void CGridModel::SetItemTextWithEdit(int row, int col, const char* text)
{
    if (!GetCell(row, col) || m_host->Notify(grid::kNotifyBeginEdit, row, col) < 0) return;
    ApplyEditedText(row, col, CString(text));
}

BOOL CGridModel::ValidateEdit(int row, int col, const char* text)
{
    CGridCellBase* cell = GetCell(row, col);
    return !cell || cell->ValidateEdit(text);
}

void CGridModel::EndEditing()
{
    const CGridCellBase* cell = GetCell(m_focus.row, m_focus.col);
    if (cell && cell->IsEditing()) m_host->EndEditor();
}

void CGridModel::CutSelectedText()
{
    const CCellRange range = GetSelectedCellRange();
    if (!m_editable || !IsValid(range)) return;
    for (int r = range.GetMinRow(); r <= range.GetMaxRow(); ++r) {
        if (GetRowHeight(r) == 0) continue;
        for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c) {
            const DWORD state = GetItemState(r, c);
            if (GetColumnWidth(c) != 0 && (state & grid::kSelected) && !(state & grid::kReadOnly))
                SetItemTextWithEdit(r, c, "");
        }
    }
    Refresh();
}

bool CGridModel::CopyTextFromGrid(CString& text) const
{
    const CCellRange range = GetSelectedCellRange();
    if (!IsValid(range)) return false;
    text = BuildGridClipboardText(*this, range);
    return true;
}

BOOL CGridModel::PasteTextToGrid(int row, int col, const char* data, size_t size)
{
    const CGridCellBase* target = GetCell(row, col);
    if (!target || !m_editable || target->IsReadOnly()) return FALSE;
    int r = row - 1;
    for (const auto& line : ParseGridClipboardText(data, size)) {
        r = m_rowAxis.FirstShownFrom(r + 1);
        if (r < 0) break;
        int c = col - 1;
        for (const CString& text : line) {
            c = m_colAxis.FirstShownFrom(c + 1);
            if (c < 0) break;
            if (GetItemState(r, c) & grid::kReadOnly) continue;
            SetItemTextWithEdit(r, c, text);
            SetItemState(r, c, GetItemState(r, c) & ~grid::kSelected);
        }
    }
    Refresh();
    return TRUE;
}

void CGridModel::OnEditCopy()
{
    CString text;
    if (CopyTextFromGrid(text)) m_host->SetClipboardText(text);
}

void CGridModel::OnEditCut()
{
    CString text;
    if (!m_editable || !CopyTextFromGrid(text)) return;
    m_host->SetClipboardText(text);
    CutSelectedText();
}

void CGridModel::OnEditPaste()
{
    if (!m_editable) return;
    const CCellID target = IsValid(m_focus) ? m_focus : GetTopleftNonFixedCell();
    const CGridCellBase* cell = GetCell(target.row, target.col);
    if (!cell) return;
    if (cell->IsEditing() && m_host->PasteIntoEditor()) return;
    CString text;
    if (m_host->GetClipboardText(text)) PasteTextToGrid(target.row, target.col, text, size_t(text.GetLength()));
}

void CGridModel::OnEditSelectAll()
{
    m_host->Notify(grid::kNotifySelectionChanging, m_clickDown.row, m_clickDown.col);
    SelectAllCells();
    m_host->Notify(grid::kNotifySelectionChanged, m_focus.row, m_focus.col);
}

bool CGridModel::CanCopy() const
{
    const CCellRange range = GetSelectedCellRange();
    return IsValid(range) && GetSelectedCount() > 0;
}

bool CGridModel::CanPaste(bool clipboardHasText) const
{
    return IsValid(m_focus) && m_editable && !(GetItemState(m_focus.row, m_focus.col) & grid::kReadOnly) &&
           clipboardHasText;
}
