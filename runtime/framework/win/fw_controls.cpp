#include "fw_controls.h"

#include <algorithm>
#include <cstring>
#include <vector>

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

TTTOOLINFOA CToolTipCtrl::ToolOf(CWnd* window) const
{
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    const HWND handle = window ? window->GetSafeHwnd() : nullptr;
    tool.hwnd = m_owner ? m_owner->GetSafeHwnd() : ::GetParent(handle);
    tool.uId = reinterpret_cast<UINT_PTR>(handle);
    return tool;
}

void CToolTipCtrl::NoteText(const char* text)
{
    if (text) m_longestText = std::max(m_longestText, std::strlen(text));
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const char* text)
{
    if (!window || !window->GetSafeHwnd()) return FALSE;
    TTTOOLINFOA tool = ToolOf(window);
    tool.lpszText = const_cast<char*>(text);
    NoteText(text);
    return BOOL(SendMessage(TTM_ADDTOOLA, 0, LPARAM(&tool)));
}

void CToolTipCtrl::DelTool(CWnd* window)
{
    TTTOOLINFOA tool = ToolOf(window);
    SendMessage(TTM_DELTOOLA, 0, LPARAM(&tool));
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* window)
{
    TTTOOLINFOA tool = ToolOf(window);
    tool.lpszText = const_cast<char*>(text);
    NoteText(text);
    SendMessage(TTM_UPDATETIPTEXTA, 0, LPARAM(&tool));
}

CString CToolTipCtrl::GetText(CWnd* window) const
{
    // The wide form takes the buffer's size where the system reads it (the narrow one may cut the
    // text short); the buffer holds the longest text this tip was given in any case.
    const TTTOOLINFOA narrow = ToolOf(window);
    std::vector<wchar_t> buffer(std::max<size_t>(INFOTIPSIZE, m_longestText + 1), L'\0');
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = narrow.uFlags;
    tool.hwnd = narrow.hwnd;
    tool.uId = narrow.uId;
    tool.lpszText = buffer.data();
    SendMessage(TTM_GETTEXTW, WPARAM(buffer.size()), LPARAM(&tool));
    buffer.back() = L'\0';
    const int length = ::WideCharToMultiByte(CP_ACP, 0, buffer.data(), -1, nullptr, 0, nullptr, nullptr);
    CString text;
    if (length > 1) {
        ::WideCharToMultiByte(CP_ACP, 0, buffer.data(), -1, text.GetBuffer(length), length, nullptr, nullptr);
        text.ReleaseBuffer(length - 1);
    }
    return text;
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
