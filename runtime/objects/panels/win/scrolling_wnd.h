// CScrollingWnd: the ticker of ScrollingWindow objects. Its window text moves across a colour or
// image background on timer 666, by the time elapsed times its speeds, and comes back from the
// other side once it has left the area. Transparent, it shows its parent around the text
// (Windows only).
#pragma once

#include "fw_controls.h"
#include "image_bitmap.h"
#include "scrolling_text.h"

class CScrollingWnd : public CStatic {
public:
    static constexpr UINT_PTR kTimerId = 666;
    static constexpr UINT kTickMs = 20;

    CScrollingWnd();

    // A static that paints itself: its type becomes owner-drawn, whatever the style names.
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    COLORREF GetBackColor() const { return m_backColor; }
    void SetBackColor(COLORREF colour) { m_backColor = colour; }
    COLORREF GetTextColor() const { return m_textColor; }
    void SetTextColor(COLORREF colour) { m_textColor = colour; }
    // DrawText's DT_ flags.
    void SetTextFormat(UINT format) { m_textFormat = format; }
    bool IsTransparent() const { return m_transparent; }
    void SetTransparent(bool transparent) { m_transparent = transparent; }
    bool IsStretched() const { return m_stretch; }
    void SetStretch(bool stretch) { m_stretch = stretch; }
    // Whether the background image is drawn (when there is one).
    bool ShowsImage() const { return m_hasImage; }
    void ShowImage(bool show) { m_hasImage = show; }
    CImageBitmap& Image() { return m_image; }

    // Pixels per millisecond on each axis; both 0 stops the text. Starts it outside the area on
    // the side it moves in from.
    void SetSpeed(double x, double y);
    void SetOffset(double x, double y) { m_motion.SetOffset(x, y); }
    double OffsetX() const { return m_motion.X(); }
    double OffsetY() const { return m_motion.Y(); }
    // The window text's size in the window's font and text format.
    CSize MeasureText() const;
    // Repaints the window, or where it is transparent the parent's area under it.
    void Redraw();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    qbk::TextExtent Extent() const;
    UINT MeasureFormat() const;
    void Paint(HDC target);

    COLORREF m_backColor;
    COLORREF m_textColor;
    UINT m_textFormat = 0;
    bool m_transparent = false;
    bool m_stretch = false;
    bool m_hasImage = false;
    CImageBitmap m_image;
    qbk::TextMotion m_motion;
    DWORD m_lastTick = 0;
};
