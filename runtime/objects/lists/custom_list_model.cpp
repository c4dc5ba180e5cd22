#include "custom_list_model.h"

#include <algorithm>

namespace qbk {

namespace {

bool LabelBefore(const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; }

}  // namespace

int ListLayout::Columns() const
{
    const int step = ColumnWidth();
    return step > 0 ? std::max(1, AreaWidth / step) : 1;
}

int ListLayout::Rows() const
{
    const int step = RowHeight();
    return step > 0 ? std::max(1, AreaHeight / step) : 1;
}

TileRect ListLayout::Tile(int place) const
{
    const int columns = Columns();
    const int left = HorizontalGap + place % columns * ColumnWidth();
    const int top = VerticalGap + place / columns * RowHeight();
    return {left, top, left + ItemWidth, top + ItemHeight};
}

int ListLayout::PlaceAt(int x, int y) const
{
    if (x < 0 || y < 0 || ColumnWidth() <= 0 || RowHeight() <= 0) return -1;
    const int column = (x - HorizontalGap) / ColumnWidth(), row = (y - VerticalGap) / RowHeight();
    if (x < HorizontalGap || y < VerticalGap || column >= Columns() || row >= Rows()) return -1;
    const int place = row * Columns() + column;
    const TileRect tile = Tile(place);
    if (x >= tile.Right || y >= tile.Bottom + LabelBand()) return -1;  // in a gap
    return place;
}

int CustomListModel::SortedPlace(const CString& label, int wanted) const
{
    auto first = std::lower_bound(m_items.begin(), m_items.end(), label,
                                  [](const Item& item, const CString& key) { return LabelBefore(item.Label, key); });
    auto last = std::upper_bound(first, m_items.end(), label,
                                 [](const CString& key, const Item& item) { return LabelBefore(key, item.Label); });
    const int low = int(first - m_items.begin()), high = int(last - m_items.begin());
    return std::min(std::max(wanted, low), high);
}

int CustomListModel::Insert(std::unique_ptr<ListPicture> picture, int index)
{
    if (index == -1) index = Count();
    if (index < 0 || index > Count()) return -1;
    Item item;
    item.Picture = std::move(picture);
    if (m_sort) index = SortedPlace(item.Label, index);
    m_items.insert(m_items.begin() + index, std::move(item));
    for (int& selected : m_selection)
        if (selected >= index) ++selected;
    return index;
}

bool CustomListModel::Delete(int index)
{
    if (!InRange(index)) return false;
    m_selection.clear();
    m_items.erase(m_items.begin() + index);
    SetFirstRow(m_firstRow);
    return true;
}

void CustomListModel::DeleteAll()
{
    m_selection.clear();
    m_items.clear();
    m_firstRow = 0;
}

int CustomListModel::Move(int from, int to)
{
    if (to < 0 || to > Count()) to = Count();
    if (!InRange(from) || from == to) return -1;
    m_selection.clear();
    Item item = std::move(m_items[size_t(from)]);
    m_items.erase(m_items.begin() + from);
    const int place = to > from ? to - 1 : to;
    m_items.insert(m_items.begin() + place, std::move(item));
    return place;
}

bool CustomListModel::Swap(int a, int b)
{
    if (!InRange(a) || !InRange(b)) return false;
    m_selection.clear();
    std::swap(m_items[size_t(a)], m_items[size_t(b)]);
    return true;
}

void CustomListModel::Sort()
{
    m_selection.clear();
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const Item& a, const Item& b) { return LabelBefore(a.Label, b.Label); });
}

void CustomListModel::SetSorted(bool sorted)
{
    if (sorted && !m_sort) Sort();
    m_sort = sorted;
}

int CustomListModel::SetLabel(int index, const CString& label)
{
    if (!InRange(index)) return -1;
    if (!m_sort) {
        m_items[size_t(index)].Label = label;
        return index;
    }
    Item item = std::move(m_items[size_t(index)]);
    item.Label = label;
    m_items.erase(m_items.begin() + index);
    const int place = SortedPlace(label, index);
    m_items.insert(m_items.begin() + place, std::move(item));
    for (int& selected : m_selection) {
        if (selected == index)
            selected = place;
        else {
            const int without = selected > index ? selected - 1 : selected;
            selected = without >= place ? without + 1 : without;
        }
    }
    return place;
}

CString CustomListModel::Label(int index) const { return InRange(index) ? m_items[size_t(index)].Label : CString(); }

bool CustomListModel::SetTag(int index, const CString& tag)
{
    if (!InRange(index)) return false;
    m_items[size_t(index)].Tag = tag;
    return true;
}

CString CustomListModel::Tag(int index) const { return InRange(index) ? m_items[size_t(index)].Tag : CString(); }

ListPicture* CustomListModel::Picture(int index) const
{
    return InRange(index) ? m_items[size_t(index)].Picture.get() : nullptr;
}

bool CustomListModel::Select(int index, bool append)
{
    if (!Selection || (!MultipleSelection && !m_selection.empty()) || !InRange(index) || IsSelected(index))
        return false;
    m_selection.insert(append ? m_selection.end() : m_selection.begin(), index);
    return true;
}

bool CustomListModel::Deselect(int index)
{
    const int k = FindSelected(index);
    if (k < 0) return false;
    m_selection.erase(m_selection.begin() + k);
    return true;
}

bool CustomListModel::ClearSelection()
{
    if (m_selection.empty()) return false;
    m_selection.clear();
    return true;
}

int CustomListModel::Selected(int k) const
{
    return Selection && k >= 0 && k < int(m_selection.size()) ? m_selection[size_t(k)] : -1;
}

int CustomListModel::FindSelected(int index) const
{
    if (!Selection || !InRange(index)) return -1;
    const auto found = std::find(m_selection.begin(), m_selection.end(), index);
    return found == m_selection.end() ? -1 : int(found - m_selection.begin());
}

bool CustomListModel::ClickSelect(int index, bool shift, bool ctrl)
{
    if (!Selection) return false;
    const std::vector<int> before = m_selection;
    if (!InRange(index)) {
        m_selection.clear();
    } else if (MultipleSelection && shift) {
        const int anchor = m_selection.empty() ? -1 : m_selection.front();
        m_selection.clear();
        if (anchor < 0) {
            m_selection.push_back(index);
        } else {
            // The clicked index first: it is the next anchor.
            const int step = anchor >= index ? 1 : -1;
            for (int i = index;; i += step) {
                m_selection.push_back(i);
                if (i == anchor) break;
            }
        }
    } else if (MultipleSelection && ctrl) {
        if (!Deselect(index)) m_selection.insert(m_selection.begin(), index);
    } else {
        m_selection.assign(1, index);
    }
    return m_selection != before;
}

int CustomListModel::RowCount() const
{
    const int columns = Layout.Columns();
    return (Count() + columns - 1) / columns;
}

int CustomListModel::LastFirstRow() const { return std::max(0, RowCount() - Layout.Rows()); }

bool CustomListModel::SetFirstRow(int row)
{
    row = std::max(0, std::min(row, LastFirstRow()));
    if (row == m_firstRow) return false;
    m_firstRow = row;
    return true;
}

bool CustomListModel::IsVisible(int index) const
{
    return InRange(index) && index >= FirstVisible() && index < FirstVisible() + Layout.VisibleCount();
}

bool CustomListModel::EnsureVisible(int index)
{
    if (!InRange(index) || IsVisible(index)) return false;
    const int row = index / Layout.Columns();
    return SetFirstRow(row < m_firstRow ? row : row - Layout.Rows() + 1);
}

int CustomListModel::ItemAtPlace(int place) const
{
    if (place < 0 || place >= Layout.VisibleCount()) return -1;
    const int index = FirstVisible() + place;
    return InRange(index) ? index : -1;
}

int CustomListModel::HitTest(int x, int y) const { return ItemAtPlace(Layout.PlaceAt(x, y)); }

}  // namespace qbk
