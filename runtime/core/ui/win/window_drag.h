// Dragging list-view and tree-view items between objects: one drag at a time for the whole
// runtime, started by a control's begin-drag notice, followed by the mouse, ended by a drop or by
// Escape (Windows only).
#pragma once

#include "window_messages.h"

#include <commctrl.h>

bool DragIsRunning();
// Starts dragging list item `item` (or tree item `treeItem`) of source at the point (client
// coordinates of the control).
void StartListDrag(const WindowMessage& m, ObjectRecord& source, int item, POINT point);
void StartTreeDrag(const WindowMessage& m, ObjectRecord& source, HTREEITEM item, POINT point);
void TrackDrag(const WindowMessage& m);
void DropDrag(const WindowMessage& m);
void CancelDrag(const WindowMessage& m);
