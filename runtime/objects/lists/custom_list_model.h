// The items, selection, order and row layout of the runtime's own list window: tiles of one size
// in rows, a label under each, scrolled vertically by whole rows. Platform-free; the window class
// draws it and turns input into these calls.
#pragma once

#include <memory>
#include <vector>

#include "fw_string.h"

namespace qbk {

// What an item shows; the window's image type derives from it. The list owns it.
class ListPicture {
public:
    virtual ~ListPicture() = default;
};

struct TileRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Where tiles go in an area: from (horizontal gap, vertical gap), each next one a column width
// further right, a new row when the next tile would not fit whole. Only whole rows and columns
// count (at least one of each, so that a small area still shows its first item clipped).
struct ListLayout {
    int ItemWidth = 100, ItemHeight = 100;
    int HorizontalGap = 5, VerticalGap = 5;
    int LabelHeight = 25;
    bool Labels = true;
    int AreaWidth = 0, AreaHeight = 0;

    int LabelBand() const { return Labels ? LabelHeight : 0; }
    int ColumnWidth() const { return ItemWidth + HorizontalGap; }
    int RowHeight() const { return ItemHeight + VerticalGap + LabelBand(); }
    int Columns() const;
    int Rows() const;
    int VisibleCount() const { return Columns() * Rows(); }
    // The tile of the k-th visible place (0 is the first visible item's).
    TileRect Tile(int place) const;
    // The visible place whose tile or label band holds the point, or -1.
    int PlaceAt(int x, int y) const;
};

class CustomListModel {
public:
    struct Item {
        std::unique_ptr<ListPicture> Picture;
        CString Label;
        CString Tag;
        int Number = 0;
    };

    ListLayout Layout;
    bool DragDrop = false;
    bool Selection = true;
    bool MultipleSelection = false;

    int Count() const { return int(m_items.size()); }
    bool InRange(int index) const { return index >= 0 && index < Count(); }
    const Item* At(int index) const { return InRange(index) ? &m_items[size_t(index)] : nullptr; }

    // ---- items
    // At index (-1: the end; above the count: refused with -1). A sorted list puts the item where
    // its label belongs, as near the index asked as its equals allow. Answers the new index.
    int Insert(std::unique_ptr<ListPicture> picture, int index);
    bool Delete(int index);
    void DeleteAll();
    // A target below 0 or above the count means the end; -1 for a bad source or source == target.
    // Answers the item's new index.
    int Move(int from, int to);
    bool Swap(int a, int b);
    // Stable, by label, without regard to case.
    void Sort();
    // With sorting on, the item moves to where its new label belongs; the selection follows it.
    // Answers the item's index then, or -1 out of range.
    int SetLabel(int index, const CString& label);
    CString Label(int index) const;
    bool SetTag(int index, const CString& tag);
    CString Tag(int index) const;
    ListPicture* Picture(int index) const;

    bool Sorted() const { return m_sort; }
    // Turning sorting on sorts the items.
    void SetSorted(bool sorted);

    // ---- selection (entry 0 is the anchor of Shift-clicks)
    // False with selection off, when a single selection already has an item, or for an index out
    // of range or already selected; append puts it last, else first.
    bool Select(int index, bool append);
    bool Deselect(int index);
    bool ClearSelection();
    int SelectedCount() const { return Selection ? int(m_selection.size()) : 0; }
    int Selected(int k) const;
    int FirstSelected() const { return Selected(0); }
    int FindSelected(int index) const;
    bool IsSelected(int index) const { return FindSelected(index) >= 0; }
    // A click (or arrow key) on index with the Shift and Ctrl keys as given; true when the
    // selection changed.
    bool ClickSelect(int index, bool shift, bool ctrl);

    // ---- scrolling by rows
    int FirstRow() const { return m_firstRow; }
    int FirstVisible() const { return m_firstRow * Layout.Columns(); }
    int RowCount() const;
    int LastFirstRow() const;
    // Clamped to 0..LastFirstRow; true when it moved.
    bool SetFirstRow(int row);
    // Scrolls the least that shows the item's row; true when it moved.
    bool EnsureVisible(int index);
    bool IsVisible(int index) const;
    // The item at a point of the area, or -1.
    int HitTest(int x, int y) const;
    // The item at a visible place, or -1.
    int ItemAtPlace(int place) const;

private:
    // Where an item of this label goes among the others of a sorted list, given where it was asked.
    int SortedPlace(const CString& label, int wanted) const;

    std::vector<Item> m_items;
    std::vector<int> m_selection;
    bool m_sort = false;
    int m_firstRow = 0;
};

}  // namespace qbk
