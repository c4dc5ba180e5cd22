// CPictureStatic: the digit display of Picture objects, a signed number shown in a row of digit
// cells cut from one strip image of twelve cells (0 to 9, a blank and a minus sign), like a
// counter. It paints no background: what it does not cover shows the window behind.
#pragma once

#include "fw_controls.h"
#include "fw_gdi.h"

class CPictureStatic : public CStatic {
public:
    // The strip from a bitmap resource of the program, and the digit count (1 to 10); false, and
    // nothing changed, when the resource cannot be loaded.
    bool LoadStrip(UINT resourceId, int digits);
    // Empties the strip and hands it over to be given a new picture (then SetBitmap).
    CBitmap& GetBitmap();
    // Takes the cell size from the strip's picture and redraws.
    bool SetBitmap();
    bool HasStrip() const { return m_strip.GetSafeHandle() != nullptr; }
    int GetCellWidth() const { return m_cellWidth; }
    int GetCellHeight() const { return m_cellHeight; }

    // 1 to 10.
    void SetDigitCount(int digits);
    int GetDigitCount() const { return m_digits; }
    void SetValue(int value, bool redraw);
    int GetValue() const { return m_value; }
    // Leading zeros show in front of a number that is not negative; redraws when redraw is 1.
    void SetLeadingZeros(int flag, int redraw);
    int GetLeadingZeros() const { return m_leadingZeros; }
    // -1: none.
    void SetTransparentColor(COLORREF colour) { m_transparent = colour; }
    COLORREF GetTransparentColor() const { return m_transparent; }
    // The text the cells show.
    CString FormatText() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void TakeCellSize();
    void Paint();
    void Redraw();

    CBitmap m_strip;
    int m_cellWidth = 0, m_cellHeight = 0;
    int m_digits = 2;
    int m_value = 0;
    int m_leadingZeros = 0;
    COLORREF m_transparent = COLORREF(-1);
};
