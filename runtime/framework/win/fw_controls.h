// Thin classes over the system's controls: one class per control class, each a CWnd whose Create
// makes a child of that class, plus the few messages the runtime sends it (Windows only).
#pragma once

#include "fw_types.h"

#include <commctrl.h>
#include <richedit.h>

#include "fw_wnd.h"

// Shared by the controls: a child window of a system class with a control id.
class CControl : public CWnd {
public:
    BOOL CreateControl(const char* className, DWORD exStyle, const char* text, DWORD style, const RECT& rect,
                       CWnd* parent, UINT id);
};

class CStatic : public CControl {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl("STATIC", 0, text, style, rect, parent, id);
    }
};

class CButton : public CControl {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl("BUTTON", 0, text, style, rect, parent, id);
    }
    int GetCheck() const { return int(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, WPARAM(state)); }
};

class CEdit : public CControl {
public:
    BOOL CreateEx(DWORD exStyle, const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl("EDIT", exStyle, text, style, rect, parent, id);
    }
};

class CListBox : public CControl {
public:
    BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl("LISTBOX", exStyle, "", style, rect, parent, id);
    }
    int AddString(const char* text) { return int(SendMessage(LB_ADDSTRING, 0, LPARAM(text))); }
    int GetCount() const { return int(SendMessage(LB_GETCOUNT)); }
};

class CComboBox : public CControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl("COMBOBOX", 0, "", style, rect, parent, id);
    }
    int AddString(const char* text) { return int(SendMessage(CB_ADDSTRING, 0, LPARAM(text))); }
    int GetCount() const { return int(SendMessage(CB_GETCOUNT)); }
};

class CScrollBar : public CControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl("SCROLLBAR", 0, "", style, rect, parent, id);
    }
    void SetScrollRange(int min, int max, BOOL redraw) { ::SetScrollRange(m_hWnd, SB_CTL, min, max, redraw); }
    void SetScrollPos(int pos, BOOL redraw) { ::SetScrollPos(m_hWnd, SB_CTL, pos, redraw); }
};

class CSliderCtrl : public CControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl(TRACKBAR_CLASSA, 0, "", style, rect, parent, id);
    }
    int GetPos() const { return int(SendMessage(TBM_GETPOS)); }
};

class CProgressCtrl : public CControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl(PROGRESS_CLASSA, 0, "", style, rect, parent, id);
    }
    void SetRange32(int min, int max) { SendMessage(PBM_SETRANGE32, WPARAM(min), LPARAM(max)); }
    int SetPos(int pos) { return int(SendMessage(PBM_SETPOS, WPARAM(pos))); }
    int GetPos() const { return int(SendMessage(PBM_GETPOS)); }
    COLORREF SetBkColor(COLORREF colour) { return COLORREF(SendMessage(PBM_SETBKCOLOR, 0, LPARAM(colour))); }
};

class CListCtrl : public CControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl(WC_LISTVIEWA, 0, "", style, rect, parent, id);
    }
    DWORD GetExtendedStyle() const { return DWORD(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    DWORD SetExtendedStyle(DWORD style) { return DWORD(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LPARAM(style))); }
};

class CTreeCtrl : public CControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl(WC_TREEVIEWA, 0, "", style, rect, parent, id);
    }
};

class CTabCtrl : public CControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateControl(WC_TABCONTROLA, 0, "", style, rect, parent, id);
    }
    int InsertItem(int index, const char* text);
    int GetItemCount() const { return int(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return int(SendMessage(TCM_GETCURSEL)); }
};

class CRichEditCtrl : public CControl {
public:
    // Loads the control's library on first use.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    DWORD SetEventMask(DWORD mask) { return DWORD(SendMessage(EM_SETEVENTMASK, 0, LPARAM(mask))); }
};

class CToolTipCtrl : public CWnd {
public:
    // A tool tip owned by parent's window.
    BOOL Create(CWnd* parent, DWORD style);
    // Tools cover the whole of a window: the window's handle is the tool's id, and the tip
    // watches the window's mouse messages itself.
    BOOL AddTool(CWnd* window, const char* text);
    void DelTool(CWnd* window);
    void UpdateTipText(const char* text, CWnd* window);
    // The tool's text; empty when window is no tool of this tip.
    CString GetText(CWnd* window) const;
    int GetToolCount() const { return int(SendMessage(TTM_GETTOOLCOUNT)); }
    void Activate(BOOL active) { SendMessage(TTM_ACTIVATE, active ? TRUE : FALSE); }
    void RelayEvent(MSG* message) { SendMessage(TTM_RELAYEVENT, 0, LPARAM(message)); }

private:
    TTTOOLINFOA ToolOf(CWnd* window) const;
    void NoteText(const char* text);

    CWnd* m_owner = nullptr;
    size_t m_longestText = 0;  // of the texts given: reading a text back needs a buffer this long
};

// Owner of one image list handle.
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    HIMAGELIST m_hImageList = nullptr;
};

// Owner of one menu handle.
class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU GetSafeHmenu() const { return m_hMenu; }
    BOOL CreateMenu() { return Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL DestroyMenu();
    UINT EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }

    HMENU m_hMenu = nullptr;
};
