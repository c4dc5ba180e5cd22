// CKeyEdit: the edit control of EditBox objects. Tab on a box that is a tab stop asks the window
// to move the focus: always on a single-line box, only with Ctrl on a multi-line one (where Tab
// alone is text); either way the key goes no further.
#pragma once

#include "fw_controls.h"

class CKeyEdit : public CEdit {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
