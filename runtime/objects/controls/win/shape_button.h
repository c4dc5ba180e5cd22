// CShapeButton: the window of ShapedImage objects. It shows one image, plain, aligned or stretched,
// around it its back colour, or with a transparent colour through which the window behind shows.
// It reacts to the mouse only where its image is not transparent: there it reports every button
// message (WM_COMMAND with the message's number as code), the mouse entering (7) and leaving (8)
// the opaque part and moving over it (WM_MOUSEMOVE); it never takes the focus or shows a pushed
// state. Clicks on its transparent parts go to the window behind it.
#pragma once

#include "fw_controls.h"
#include "image_bitmap.h"

class CShapeButton : public CButton {
public:
    // Makes the window draw itself (the system's button draws nothing of it).
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    CImageBitmap& Image() { return m_image; }
    bool GetStretch() const { return m_stretch; }
    void SetStretch(bool stretch) { m_stretch = stretch; }
    // -1: none.
    COLORREF GetTransparentColor() const { return m_transparent; }
    void SetTransparentColor(COLORREF colour) { m_transparent = colour; }
    COLORREF GetBackColor() const { return m_back; }
    void SetBackColor(COLORREF colour) { m_back = colour; }
    // 0 left / top, 1 centre, 2 right / bottom.
    int GetHorizontalAlign() const { return m_horizontal; }
    int GetVerticalAlign() const { return m_vertical; }
    void SetAlign(int horizontal, int vertical) { m_horizontal = horizontal, m_vertical = vertical; }
    // Repaints the parent's area under the control, then the control over it: what its transparent
    // parts showed before goes.
    void RedrawWithBackground();
    bool IsHovered() const { return m_hovered; }

    // True when the point (client coordinates) shows a pixel of the transparent colour, or shows no
    // image at all; false everywhere without a transparent colour. The point is mapped to the
    // image as it is drawn: aligned, or scaled when stretched.
    bool HitTest(int x, int y);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CRect Target() const;
    void Paint();
    void OnMouseMove(LPARAM point);

    CImageBitmap m_image;
    bool m_hovered = false;
    bool m_stretch = false;
    COLORREF m_transparent = COLORREF(-1);
    COLORREF m_back = RGB(255, 255, 255);
    int m_vertical = 0;
    int m_horizontal = 0;
};
