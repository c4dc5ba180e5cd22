// CCustomListWnd: the window of CustomListView objects. Items are pictures with a label under
// each, in tiles of one size filling rows; the list scrolls vertically by rows, keeps a single or
// multiple selection, lets the user drag items to a new place and can keep them sorted by label.
// It reports to its owner through a forwarding procedure: the messages it gets, and its own
// notices of a changed selection (WM_USER+1) and of drags (WM_USER+2 starts, WM_USER+3 ends on
// another place). It never moves an item itself on a drop. Windows only.
#pragma once

#include "custom_list_model.h"
#include "fw_wnd.h"
#include "image_bitmap.h"

class CCustomListWnd : public CSelfDeletingWnd<CWnd> {
public:
    using ForwardProc = void (*)(HWND parent, HWND list, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr UINT kSelectionChanged = WM_USER + 1;
    static constexpr UINT kDragStarts = WM_USER + 2;
    static constexpr UINT kDragEnds = WM_USER + 3;

    CCustomListWnd();
    ~CCustomListWnd() override;

    BOOL Create(DWORD style, CWnd* parent, const RECT& rect, UINT id);
    void SetForward(ForwardProc forward) { m_forward = forward; }
    virtual void SetFont(HFONT font, BOOL redraw);
    void Redraw();

    // ---- items; images are owned by the list
    int InsertItem(CImageBitmap* image, int index);
    // By content (BMP, JPEG or PNG); -1 when it does not load or the index is refused.
    int InsertImageItem(CFile* stream, int index);
    int InsertItemFromFile(const char* path, int index);
    bool DeleteItem(int index);
    void DeleteAll();
    int MoveItem(int from, int to);
    bool SwapItems(int a, int b);
    void SortItems();
    int GetItemCount() const { return m_model.Count(); }
    // Answers the item's index after a sorted list placed it, or -1 out of range.
    int SetItemText(int index, const char* text);
    CString GetItemText(int index) const { return m_model.Label(index); }
    bool SetItemTag(int index, const char* text) { return m_model.SetTag(index, text); }
    CString GetItemTag(int index) const { return m_model.Tag(index); }
    CImageBitmap* GetItemImage(int index) const;

    // ---- selection
    bool SelectItem(int index, bool append);
    bool Deselect(int index);
    bool ClearSelection();
    int GetSelectedCount() const { return m_model.SelectedCount(); }
    int GetSelected(int k) const { return m_model.Selected(k); }
    int FindSelected(int index) const { return m_model.FindSelected(index); }
    // The click rule: with the Shift and Ctrl keys as they are now.
    bool SelectAt(int index, bool redraw);
    // The same with the keys as a mouse message saw them (its MK_ flags).
    bool SelectAt(int index, bool redraw, bool shift, bool ctrl);
    int HitTest(int x, int y) const { return m_model.HitTest(x, y); }

    // ---- scrolling, by rows
    int GetScrollPos() const { return m_model.FirstRow(); }
    void SetScrollPos(int row);
    void EnsureVisible(int index);
    int GetVisibleCount() const { return m_model.Layout.VisibleCount(); }
    bool IsVisible(int index) const { return m_model.IsVisible(index); }
    void UpdateScrollBar();
    // Filling and emptying update the bar once the messages waiting have been handled: setting
    // it repaints the frame, which for each of many items would cost more than the items.
    void ScheduleScrollBar();

    // ---- appearance and options
    int GetItemWidth() const { return m_model.Layout.ItemWidth; }
    int GetItemHeight() const { return m_model.Layout.ItemHeight; }
    void SetItemSize(int width, int height);
    int GetLabelHeight() const { return m_model.Layout.LabelHeight; }
    void SetLabelHeight(int height);
    bool HasLabels() const { return m_model.Layout.Labels; }
    void SetLabels(bool on);
    bool HasDragDrop() const { return m_model.DragDrop; }
    void SetDragDrop(bool on) { m_model.DragDrop = on; }
    bool HasSelection() const { return m_model.Selection; }
    void SetSelection(bool on) { m_model.Selection = on; }
    bool HasMultipleSelection() const { return m_model.MultipleSelection; }
    void SetMultipleSelection(bool on) { m_model.MultipleSelection = on; }
    bool IsSorted() const { return m_model.Sorted(); }
    void SetSorted(bool on);
    // Display mode 0 fits the image into its tile keeping its proportions; 1 stretches it.
    void SetDisplayMode(int mode) { m_displayMode = mode; }

    enum Colour { Back, SelectionBack, Text, SelectedText, ColourCount };
    COLORREF GetColour(Colour which) const { return m_colours[which]; }
    void SetColour(Colour which, COLORREF colour) { m_colours[which] = colour; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Sends to the forwarding procedure; false when the list's window went meanwhile.
    bool Forward(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC target);
    void PaintItem(CDC& dc, int index, const qbk::TileRect& tile);
    void TakeAreaSize();
    void OnKey(WPARAM key, LPARAM lParam);
    void OnButton(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnDragMove(int x, int y);
    void EndDrag(bool drop);
    // While a drag waits beyond the top or bottom edge: one row further per tick.
    void OnDragScrollTick();
    void OnVScroll(int request);
    bool ScrollBy(int rows);

    qbk::CustomListModel m_model;
    ForwardProc m_forward = nullptr;
    HWND m_parent = nullptr;
    HFONT m_font = nullptr;
    int m_displayMode = 0;
    COLORREF m_colours[ColourCount];
    bool m_pressed = false;  // the left button went down inside the list
    POINT m_pressPoint = {0, 0};
    bool m_dragging = false;
    int m_dragSource = -1, m_dragTarget = -1;
    bool m_scrollTimer = false;
    bool m_sizing = false;
    bool m_scrollBarScheduled = false;
};
