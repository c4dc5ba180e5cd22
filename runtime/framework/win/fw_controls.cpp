#include "fw_controls.h"

BOOL CControl::CreateControl(const char* className, DWORD exStyle, const char* text, DWORD style, const RECT& rect,
                             CWnd* parent, UINT id)
{
    return CWnd::CreateEx(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, parent ? parent->GetSafeHwnd() : nullptr,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

int CTabCtrl::InsertItem(int index, const char* text)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    return int(SendMessage(TCM_INSERTITEMA, WPARAM(index), LPARAM(&item)));
}

BOOL CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    static const HMODULE library = ::LoadLibraryA("riched20.dll");
    if (!library) return FALSE;
    return CreateControl(RICHEDIT_CLASSA, 0, "", style, rect, parent, id);
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    m_owner = parent;
    return CreateEx(0, TOOLTIPS_CLASSA, nullptr, style | WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, parent ? parent->GetSafeHwnd() : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const char* text)
{
    if (!window || !window->GetSafeHwnd()) return FALSE;
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_owner ? m_owner->GetSafeHwnd() : ::GetParent(window->GetSafeHwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(window->GetSafeHwnd());
    tool.lpszText = const_cast<char*>(text);
    return BOOL(SendMessage(TTM_ADDTOOLA, 0, LPARAM(&tool)));
}

BOOL CImageList::Attach(HIMAGELIST list)
{
    if (m_hImageList || !list) return FALSE;
    m_hImageList = list;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList) return FALSE;
    const BOOL done = ImageList_Destroy(Detach());
    return done;
}

BOOL CMenu::Attach(HMENU menu)
{
    if (m_hMenu || !menu) return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu) return FALSE;
    return ::DestroyMenu(Detach());
}
