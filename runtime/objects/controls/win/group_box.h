// CGroupBox: the frame of GroupBox objects, a button of the group-box style that does nothing of
// its own.
#pragma once

#include "fw_controls.h"

class CGroupBox : public CButton {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CButton::Create(text, style | BS_GROUPBOX, rect, parent, id);
    }
};
