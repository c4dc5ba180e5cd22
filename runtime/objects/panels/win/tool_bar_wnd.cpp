#include "tool_bar_wnd.h"

#include "control_notice.h"
#include "paint_message.h"

namespace {

const char kClassName[] = "QUILLBRICKTOOLBAR";
const char kDefaultTip[] = "Tool Tip";
constexpr int kImageAbove = 1;
constexpr int kCentred = 1;
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

bool RegisterToolBarClass()
{
    static const bool registered = RegisterFrameworkClass(kClassName);
    return registered;
}

}  // namespace

CToolBarWnd::CToolBarWnd() : m_color(::GetSysColor(COLOR_BTNFACE)) {}

CToolBarWnd::~CToolBarWnd()
{
    RemoveAllButtons();
    if (GetSafeHwnd()) DestroyWindow();
}

BOOL CToolBarWnd::Create(DWORD style, CWnd* parent, const RECT& rect, UINT id)
{
    if (!RegisterToolBarClass()) return FALSE;
    m_owner = parent;
    m_id = int(id);
    if (!CreateEx(0, kClassName, "", style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent ? parent->GetSafeHwnd() : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return FALSE;
    m_tips.Create(this, 0);
    m_tips.Activate(FALSE);
    return TRUE;
}

int CToolBarWnd::ItemHeight() const
{
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    return client.bottom;
}

int CToolBarWnd::SeparatorWidth(CShapeButton& separator)
{
    return separator.Image().GetSafeHandle() ? int(separator.Image().GetSize().cx) : kBareSeparatorWidth;
}

RECT CToolBarWnd::ItemRect(int x, int width) const { return RECT{x, kMargin, x + width, ItemHeight() - kMargin}; }

bool CToolBarWnd::AddButton(const CImageBitmap* image, COLORREF transparent, bool separator)
{
    if (!GetSafeHwnd()) return false;
    const bool hasImage = image && image->GetSafeHandle();
    if (separator) {
        auto item = std::make_unique<CShapeButton>();
        if (hasImage) item->Image().Assign(*image);
        const int width = SeparatorWidth(*item);
        item->Create("", WS_CHILD | WS_VISIBLE, ItemRect(m_nextX, width), this, 0);
        item->SetAlign(item->GetHorizontalAlign(), kCentred);
        item->SetBackColor(m_color);
        item->SetTransparentColor(transparent);
        m_separators.push_back(std::move(item));
        m_kinds.push_back(SeparatorKind);
        m_nextX += width;
        return true;
    }
    const int width = ItemHeight();
    auto button = std::make_unique<CFlatButton>();
    button->Create("", WS_CHILD | WS_VISIBLE, ItemRect(m_nextX, width), this, UINT(kFirstButtonId + GetButtonCount()));
    button->SetAlign(kImageAbove);
    if (hasImage) {
        auto copy = std::make_unique<CImageBitmap>();
        copy->Assign(*image);
        button->SetBitmaps(copy.release(), transparent, nullptr, 0);
    }
    m_tips.AddTool(button.get(), kDefaultTip);
    m_buttons.push_back(std::move(button));
    m_kinds.push_back(ButtonKind);
    m_nextX += width;
    return true;
}

CFlatButton* CToolBarWnd::GetButton(int index) const
{
    return index >= 0 && index < GetButtonCount() ? m_buttons[size_t(index)].get() : nullptr;
}

void CToolBarWnd::SetButtonToolTip(int index, const char* text)
{
    if (CFlatButton* button = GetButton(index)) m_tips.UpdateTipText(text, button);
}

CString CToolBarWnd::GetButtonToolTip(int index) const
{
    CFlatButton* button = GetButton(index);
    return button ? m_tips.GetText(button) : CString();
}

void CToolBarWnd::SetColor(COLORREF colour)
{
    m_color = colour;
    for (auto& separator : m_separators) separator->SetBackColor(colour);
}

void CToolBarWnd::EnableButton(int index, bool enable)
{
    CFlatButton* button = GetButton(index);
    if (!button || !button->GetSafeHwnd()) return;
    ::EnableWindow(*button, enable ? TRUE : FALSE);
    ::RedrawWindow(*button, nullptr, nullptr, kRedrawNow);
}

void CToolBarWnd::EnableAllButtons(bool enable)
{
    for (int i = 0; i < GetButtonCount(); ++i) EnableButton(i, enable);
}

void CToolBarWnd::RemoveAllButtons()
{
    // The tips let go of the buttons before the buttons go: a tool left behind would name a
    // window that is no more.
    if (m_tips.GetSafeHwnd())
        for (auto& button : m_buttons) m_tips.DelTool(button.get());
    m_buttons.clear();
    m_separators.clear();
    m_kinds.clear();
    m_nextX = kMargin;
}

void CToolBarWnd::Layout()
{
    int x = kMargin;
    size_t button = 0, separator = 0;
    for (const Kind kind : m_kinds) {
        CWnd* item = nullptr;
        int width = 0;
        if (kind == SeparatorKind) {
            CShapeButton& shape = *m_separators[separator++];
            item = &shape;
            width = SeparatorWidth(shape);
        } else {
            item = m_buttons[button++].get();
            width = ItemHeight();
        }
        const RECT place = ItemRect(x, width);
        ::SetWindowPos(*item, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        x += width;
    }
    m_nextX = x;
}

void CToolBarWnd::OnButtonCommand(WPARAM wParam, LPARAM lParam)
{
    // Only a click (code 0) of a button; separators report mouse messages as their codes.
    const HWND sender = reinterpret_cast<HWND>(lParam);
    if (!sender || HIWORD(wParam) != BN_CLICKED || !m_owner) return;
    const int index = ::GetDlgCtrlID(sender) - kFirstButtonId;
    if (index < 0 || !GetButton(index) || GetButton(index)->GetSafeHwnd() != sender) return;
    ::SendMessageA(m_owner->GetSafeHwnd(), kControlNoticeMessage, WPARAM(m_id), LPARAM(index));
}

LRESULT CToolBarWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const HWND window = m_hWnd;
        OnButtonCommand(wParam, lParam);
        // The owner's script may have closed the window the bar stands in.
        if (FromHandlePermanent(window) != this) return 0;
        break;
    }
    case WM_SIZE: Layout(); break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return AnswerPaint(m_hWnd, wParam, [this](HDC dc) { FillClient(m_hWnd, dc, m_color); });
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
