// CNotifyButton: the push button of Button objects. Besides what a button does, it tells its
// window about its keys and mouse moves (WM_USER+11, the control id in the low word of wParam and
// what happened in the high word), and asks the window to move the focus on Tab.
#pragma once

#include "fw_controls.h"

class CNotifyButton : public CButton {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
