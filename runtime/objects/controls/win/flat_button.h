// CFlatButton: the image button of ImageButton objects and of toolbars. It paints itself: a normal
// image, an optional hover image and an embossed grey image while disabled, each with a
// transparent colour; four colours (back and text, while the mouse is over it or it is pushed, and
// otherwise); a border only while hovered or pushed. The mouse over it makes it hovered (it holds
// the mouse capture until the mouse is over another window), and it tells its window when the
// mouse enters (WM_COMMAND code 6), leaves (7) and moves (WM_MOUSEMOVE). Made with BS_CHECKBOX in
// its style it is a check button: pushed while checked.
//
// The button owns the images it is given; the three image sets only borrow their handles and own
// the masks made for them.
#pragma once

#include <memory>

#include "fw_controls.h"
#include "image_bitmap.h"

class CFlatButton : public CButton {
public:
    enum ColorSlot { BackActive = 0, TextActive = 1, BackNormal = 2, TextNormal = 3, ColorSlots = 4 };

    CFlatButton();
    ~CFlatButton() override;

    // Records the check style of the style given and makes the button draw itself.
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Slots of 4 or more are ignored (GetColor leaves the output as it was).
    void SetColor(int slot, COLORREF colour, bool redraw);
    void GetColor(int slot, COLORREF* colour) const;
    void SetDefaultColors(bool redraw);
    // Takes both images (the hover image may be null); false, and no images shown, when a bitmap's
    // size cannot be read or a mask cannot be made.
    bool SetBitmaps(CImageBitmap* normal, COLORREF normalTransparent, CImageBitmap* hover, COLORREF hoverTransparent);
    // 0 image left of the text, 1 above it, 2 right of it; other values are ignored.
    void SetAlign(int align);
    int GetAlign() const { return m_align; }
    // Only for a check button.
    void SetChecked(bool checked, bool redraw);
    bool GetChecked() const { return m_checked; }
    bool IsCheckStyle() const { return m_checkStyle; }
    bool IsHovered() const { return m_hovered; }
    // Deletes the masks of the three image sets and forgets the sets.
    void FreeImages();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnDrawBackground(CDC* dc, const RECT& rect);
    virtual void OnDrawBorder(CDC* dc, const RECT& rect);

private:
    struct ImageSet {
        HBITMAP Bitmap = nullptr;  // borrowed from an owned image
        int Width = 0, Height = 0;
        HBITMAP Mask = nullptr;  // owned
        COLORREF Transparent = 0;
    };
    enum { NormalSet, HoverSet, DisabledSet, SetCount };

    bool FillSet(ImageSet& set, CImageBitmap& image, COLORREF transparent);
    void Paint();
    void PaintImage(CDC& dc, const CRect& client, CRect* text);
    void PaintText(CDC& dc, CRect text);
    void OnMouseMove(WPARAM keys, LPARAM point);
    void DropHover();
    void Redraw(UINT flags);

    bool m_hovered = false;
    bool m_pressed = false, m_focus = false, m_disabled = false;  // read at every paint
    COLORREF m_colors[ColorSlots];
    int m_align = 0;
    bool m_flat = true;
    bool m_showFocus = false;
    ImageSet m_sets[SetCount];
    std::unique_ptr<CImageBitmap> m_normal, m_hover, m_disabledImage;
    bool m_checkStyle = false;
    bool m_checked = false;
    int m_colorDepth = 32;
};
