// Work on the items of a system list view that the control does not do itself: texts of any
// length, moving an item with everything it holds, and a stable sort by a column's texts
// without regard to case (Windows only).
#pragma once

#include "fw_string.h"
#include "fw_types.h"

// The header control of a report view, or null.
HWND ListHeader(HWND list);
// Columns to copy and sort over: the header's, or the item's own text alone without a header.
int ListColumnCount(HWND list);
CString ListItemText(HWND list, int item, int subItem);
void SetListItemText(HWND list, int item, int subItem, const char* text);
// Moves an item to a new place with its image, data, state and texts; a target past the end puts
// it last. Answers the item's new index, or -1.
int MoveListItem(HWND list, int from, int to);
// The order a stable insertion sort by the column's upper-cased texts gives.
void SortListByColumn(HWND list, int column, bool ascending);
