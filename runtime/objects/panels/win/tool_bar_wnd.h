// CToolBarWnd: the strip of ToolBar objects. Image buttons and separator images stand left to
// right in the order they were added, each as high as the bar less its margins; buttons are square.
// Every button has a tool tip of its own, silent until the tips are switched on. A click on a
// button tells the bar's owner which button it was: WM_USER+11 with the bar's control id and the
// button's index (Windows only).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "flat_button.h"
#include "fw_controls.h"
#include "image_bitmap.h"
#include "shape_button.h"

class CToolBarWnd : public CWnd {
public:
    static constexpr int kMargin = 2;
    static constexpr int kFirstButtonId = 3000;
    static constexpr int kBareSeparatorWidth = 5;  // a separator without an image

    CToolBarWnd();
    ~CToolBarWnd() override;

    // A plain child window; its tool tips start switched off.
    BOOL Create(DWORD style, CWnd* parent, const RECT& rect, UINT id);

    // Adds a button or a separator after the last item, showing a copy of the image (none for
    // null) with the transparent colour; a new button's tip reads "Tool Tip". False without a
    // window.
    bool AddButton(const CImageBitmap* image, COLORREF transparent, bool separator);
    // Separators are not counted among the buttons.
    int GetButtonCount() const { return int(m_buttons.size()); }
    CFlatButton* GetButton(int index) const;
    void SetButtonToolTip(int index, const char* text);
    // Empty for an index that names no button.
    CString GetButtonToolTip(int index) const;
    void ActivateToolTips(bool active) { m_tips.Activate(active); }
    CToolTipCtrl& ToolTips() { return m_tips; }

    // The bar's colour and the back colour of every separator; nothing is redrawn.
    void SetColor(COLORREF colour);
    COLORREF GetColor() const { return m_color; }
    void EnableButton(int index, bool enable);
    void EnableAllButtons(bool enable);
    // Every button and separator goes, with the buttons' tips; the next item starts at the margin.
    void RemoveAllButtons();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum Kind : uint8_t { ButtonKind = 0, SeparatorKind = 1 };

    int ItemHeight() const;
    static int SeparatorWidth(CShapeButton& separator);
    RECT ItemRect(int x, int width) const;
    void Layout();
    void OnButtonCommand(WPARAM wParam, LPARAM lParam);

    CWnd* m_owner = nullptr;
    int m_id = -1;
    std::vector<std::unique_ptr<CFlatButton>> m_buttons;
    std::vector<std::unique_ptr<CShapeButton>> m_separators;
    std::vector<Kind> m_kinds;  // in the order of adding
    CToolTipCtrl m_tips;
    int m_nextX = kMargin;
    COLORREF m_color;
};
