// CPanelWnd: the area of Panel objects, filled with its colour and framed with a drawn edge
// (Windows only).
#pragma once

#include "fw_controls.h"

class CPanelWnd : public CStatic {
public:
    CPanelWnd();

    // None of the setters redraws.
    void SetColor(COLORREF colour) { m_color = colour; }
    COLORREF GetColor() const { return m_color; }
    // flags: the BF_ sides and kinds of DrawEdge; type: its EDGE_ value.
    void SetBorder(UINT flags, UINT type)
    {
        m_edgeFlags = flags;
        m_edgeType = type;
    }
    UINT EdgeFlags() const { return m_edgeFlags; }
    UINT EdgeType() const { return m_edgeType; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT m_edgeFlags = 0;
    UINT m_edgeType = 0;
    COLORREF m_color;
};
