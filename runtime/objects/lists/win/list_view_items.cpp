#include "list_view_items.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <commctrl.h>

namespace {

LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(list, message, wParam, lParam);
}

void SetItemParam(HWND list, int item, LPARAM value)
{
    LVITEMA change = {};
    change.mask = LVIF_PARAM;
    change.iItem = item;
    change.lParam = value;
    Send(list, LVM_SETITEMA, 0, LPARAM(&change));
}

int CALLBACK CompareRanks(LPARAM a, LPARAM b, LPARAM) { return a < b ? -1 : a > b ? 1 : 0; }

}  // namespace

HWND ListHeader(HWND list) { return HWND(Send(list, LVM_GETHEADER)); }

int ListColumnCount(HWND list)
{
    const HWND header = ListHeader(list);
    return header ? int(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
}

CString ListItemText(HWND list, int item, int subItem)
{
    std::vector<char> buffer(256);
    for (;;) {
        LVITEMA request = {};
        request.iSubItem = subItem;
        request.pszText = buffer.data();
        request.cchTextMax = int(buffer.size());
        const int length = int(Send(list, LVM_GETITEMTEXTA, WPARAM(item), LPARAM(&request)));
        if (length < int(buffer.size()) - 1 || buffer.size() >= (1u << 20)) return CString(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

void SetListItemText(HWND list, int item, int subItem, const char* text)
{
    LVITEMA change = {};
    change.iSubItem = subItem;
    change.pszText = const_cast<char*>(text);
    Send(list, LVM_SETITEMTEXTA, WPARAM(item), LPARAM(&change));
}

int MoveListItem(HWND list, int from, int to)
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = from;
    item.stateMask = UINT(-1);
    if (!Send(list, LVM_GETITEMA, 0, LPARAM(&item))) return -1;
    item.mask |= LVIF_TEXT;
    item.iItem = to;
    item.pszText = const_cast<char*>("");
    const int placed = int(Send(list, LVM_INSERTITEMA, 0, LPARAM(&item)));
    if (placed < 0) return -1;
    // Where the control put the new item decides where the old one stands now.
    const int old = placed <= from ? from + 1 : from;
    const int columns = ListColumnCount(list);
    for (int column = 0; column < columns; ++column)
        SetListItemText(list, placed, column, ListItemText(list, old, column));
    Send(list, LVM_DELETEITEM, WPARAM(old));
    return old < placed ? placed - 1 : placed;
}

// Moving items one by one would rebuild each item many times: the order is found in memory, and
// the control's own sort applies it in one pass with each item carrying its rank, after which
// every item gets its own data back.
void SortListByColumn(HWND list, int column, bool ascending)
{
    const int count = int(Send(list, LVM_GETITEMCOUNT));
    std::vector<CString> keys(static_cast<size_t>(count));
    std::vector<LPARAM> data(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        keys[size_t(i)] = ListItemText(list, i, column);
        keys[size_t(i)].MakeUpper();
        LVITEMA read = {};
        read.mask = LVIF_PARAM;
        read.iItem = i;
        Send(list, LVM_GETITEMA, 0, LPARAM(&read));
        data[size_t(i)] = read.lParam;
    }
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int compared = keys[size_t(a)].Compare(keys[size_t(b)]);
        return ascending ? compared < 0 : compared > 0;
    });
    for (int rank = 0; rank < count; ++rank) SetItemParam(list, order[size_t(rank)], LPARAM(rank));
    Send(list, LVM_SORTITEMS, 0, LPARAM(&CompareRanks));
    for (int rank = 0; rank < count; ++rank) SetItemParam(list, rank, data[size_t(order[size_t(rank)])]);
}
