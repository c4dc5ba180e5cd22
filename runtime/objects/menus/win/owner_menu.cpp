#include "owner_menu.h"

#include <set>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kSilhouetteLimit = 0x808080;  // darker pixels make the silhouette
constexpr int kBarMargin = 10;  // the bar is this much wider than the image box
constexpr int kTextMargin = 5;  // on each side of the text
constexpr int kSeparatorHeight = 7;
constexpr int kSeparatorLine = 3;
constexpr int kMaxMenuDepth = 64;

void Fill(HDC dc, const RECT& rect, COLORREF colour)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const COLORREF old = ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(dc, old);
}

void Frame(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FrameRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

bool HasBrush(int index) { return ::GetSysColorBrush(index) != nullptr; }

}  // namespace

COwnerMenu::COwnerMenu()
{
    // The image bar takes the menu bar's colour; the selection a light blue where the system has
    // the flat menu colours.
    const bool flat = HasBrush(COLOR_MENUBAR);
    m_colours[qbk::MenuBarColour] = ::GetSysColor(flat ? COLOR_MENUBAR : COLOR_BTNFACE);
    m_colours[qbk::MenuBackColour] = ::GetSysColor(COLOR_MENU);
    m_colours[qbk::MenuTextColour] = ::GetSysColor(COLOR_MENUTEXT);
    m_colours[qbk::MenuGrayedTextColour] = ::GetSysColor(COLOR_GRAYTEXT);
    m_colours[qbk::MenuSelectedTextColour] = m_colours[qbk::MenuTextColour];
    m_colours[qbk::MenuSelectedBackColour] = flat ? RGB(193, 210, 238) : ::GetSysColor(COLOR_MENU);
    m_colours[qbk::MenuSelectedEdgeColour] = ::GetSysColor(COLOR_HIGHLIGHT);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_fontDescription = metrics.lfMenuFont;
    else
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_fontDescription, &m_fontDescription);
    m_font = ::CreateFontIndirectA(&m_fontDescription);
}

COwnerMenu::~COwnerMenu()
{
    if (m_menu && ::IsMenu(m_menu)) {
        // Sub-menus are other objects' menus: they go with those objects, once.
        while (::GetMenuItemCount(m_menu) > 0 && ::RemoveMenu(m_menu, 0, MF_BYPOSITION)) {
        }
        if (m_barWindow && ::IsWindow(m_barWindow) && ::GetMenu(m_barWindow) == m_menu) ::SetMenu(m_barWindow, nullptr);
        ::DestroyMenu(m_menu);
    }
    if (m_font) ::DeleteObject(m_font);
}

bool COwnerMenu::Create(bool popup)
{
    if (m_menu) return true;
    m_menu = popup ? ::CreatePopupMenu() : ::CreateMenu();
    return m_menu != nullptr;
}

const COwnerMenu::Item* COwnerMenu::ItemAt(int position) const
{
    return position >= 0 && position < ItemCount() ? m_items[size_t(position)].get() : nullptr;
}

bool COwnerMenu::AppendItem(const std::string& text, UINT id, UINT flags, const CImageBitmap* image, HMENU subMenu)
{
    if (!m_menu) return false;
    auto item = std::make_unique<Item>();
    item->Id = id;
    item->Flags = flags | MF_OWNERDRAW;
    item->Text = qbk::KeptMenuText(text);
    item->NoBar = !m_items.empty() && m_items.front()->NoBar;
    if (image) {
        auto copy = std::make_unique<CImageBitmap>();
        if (copy->CopyFrom(image)) {
            copy->SetTransparentColor(kMagenta);
            item->Image = std::move(copy);
        }
    }
    const UINT_PTR idOrMenu = (flags & MF_POPUP) ? UINT_PTR(subMenu) : UINT_PTR(id);
    if (!::AppendMenuA(m_menu, item->Flags, idOrMenu, reinterpret_cast<LPCSTR>(item.get()))) return false;
    m_items.push_back(std::move(item));
    return true;
}

bool COwnerMenu::IsReachableFrom(HMENU other) const
{
    std::set<HMENU> seen;
    std::vector<std::pair<HMENU, int>> open = {{other, 0}};
    while (!open.empty()) {
        const auto [menu, depth] = open.back();
        open.pop_back();
        if (menu == m_menu) return true;
        if (!menu || depth > kMaxMenuDepth || !seen.insert(menu).second) continue;
        const int count = ::GetMenuItemCount(menu);
        for (int i = 0; i < count; ++i)
            if (HMENU sub = ::GetSubMenu(menu, i)) open.push_back({sub, depth + 1});
    }
    return false;
}

void COwnerMenu::SetNoBar(bool noBar)
{
    for (auto& item : m_items) item->NoBar = noBar;
}

void COwnerMenu::RemoveAllItems()
{
    for (size_t i = 0; i < m_items.size(); ++i) ::RemoveMenu(m_menu, 0, MF_BYPOSITION);
    m_items.clear();
}

const COwnerMenu::Item* COwnerMenu::RecordOf(ULONG_PTR data) const
{
    for (const auto& item : m_items)
        if (ULONG_PTR(item.get()) == data) return item.get();
    return nullptr;
}

bool COwnerMenu::MeasureItem(MEASUREITEMSTRUCT& measure) const
{
    if (measure.CtlType != ODT_MENU || !measure.itemData) return false;
    const Item* item = RecordOf(measure.itemData);
    if (!item) return false;
    if (item->Flags & MF_SEPARATOR) {
        measure.itemWidth = item->NoBar ? 0 : UINT(m_imageWidth + kBarMargin);
        measure.itemHeight = kSeparatorHeight;
        return true;
    }
    const std::string text = qbk::MeasuredMenuText(item->Text);
    SIZE size = {0, 0};
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, m_font ? HGDIOBJ(m_font) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextExtentPoint32A(screen, text.empty() ? " " : text.c_str(), text.empty() ? 1 : int(text.size()), &size);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    // Room for the text's margins besides the bar, so that it is never cut.
    const int bar = item->NoBar ? 0 : m_imageWidth + kBarMargin;
    measure.itemWidth = UINT(bar + size.cx + 2 * kTextMargin);
    measure.itemHeight = UINT(size.cy + 8);
    return true;
}

void COwnerMenu::DrawImageBox(HDC dc, const RECT& box, const Item& item, UINT state) const
{
    const bool grayed = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool selected = (state & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    if (state & ODS_CHECKED) {
        const COLORREF colour = m_colours[grayed ? qbk::MenuGrayedTextColour : qbk::MenuSelectedEdgeColour];
        const int w = m_imageWidth / 2, h = m_imageHeight / 2;
        const int x = box.left + (m_imageWidth - w) / 2, y = box.top + (m_imageHeight - h) / 2;
        HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
        HBRUSH brush = ::CreateSolidBrush(colour);
        HGDIOBJ oldPen = ::SelectObject(dc, pen), oldBrush = ::SelectObject(dc, brush);
        ::Ellipse(dc, x, y, x + w, y + h);
        ::SelectObject(dc, oldPen);
        ::SelectObject(dc, oldBrush);
        ::DeleteObject(pen);
        ::DeleteObject(brush);
        return;
    }
    if (!item.Image) return;
    if (grayed) {
        std::vector<uint32_t> pixels;
        int width = 0, height = 0;
        if (!item.Image->ReadPixels(&pixels, &width, &height)) return;
        const COLORREF grey = m_colours[qbk::MenuGrayedTextColour];
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const uint32_t p = pixels[size_t(y) * size_t(width) + size_t(x)];
                const COLORREF colour = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                if (colour != kMagenta && colour <= kSilhouetteLimit) ::SetPixelV(dc, box.left + x, box.top + y, grey);
            }
        return;
    }
    const int shift = selected ? 1 : 0;
    CDC target;
    target.Attach(dc);
    item.Image->DrawTransparent(&target, box.left - shift, box.top - shift, m_imageWidth, m_imageHeight, false);
    target.Detach();
}

bool COwnerMenu::DrawItem(const DRAWITEMSTRUCT& draw) const
{
    if (draw.CtlType != ODT_MENU || HMENU(draw.hwndItem) != m_menu || !draw.itemData) return false;
    const Item* item = RecordOf(draw.itemData);
    if (!item) return false;
    const int width = draw.rcItem.right - draw.rcItem.left, height = draw.rcItem.bottom - draw.rcItem.top;
    if (width <= 0 || height <= 0) return true;
    HDC dc = ::CreateCompatibleDC(draw.hDC);
    HBITMAP bitmap = ::CreateCompatibleBitmap(draw.hDC, width, height);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);

    const RECT whole = {0, 0, width, height};
    const RECT bar = {0, 0, item->NoBar ? 0 : m_imageWidth + kBarMargin, height};
    const RECT textArea = {bar.right, 0, width, height};
    Fill(dc, bar, m_colours[qbk::MenuBarColour]);
    if (item->Flags & MF_SEPARATOR) {
        Fill(dc, textArea, m_colours[qbk::MenuBackColour]);
        Fill(dc, RECT{bar.right, kSeparatorLine, width, kSeparatorLine + 1}, m_colours[qbk::MenuGrayedTextColour]);
    } else {
        const bool selected = (draw.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
        const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
        COLORREF textColour = m_colours[grayed ? qbk::MenuGrayedTextColour : qbk::MenuTextColour];
        if (!selected) {
            Fill(dc, textArea, item->NoBar ? ::GetSysColor(COLOR_BTNFACE) : m_colours[qbk::MenuBackColour]);
        } else if (grayed) {
            Fill(dc, textArea, m_colours[qbk::MenuBackColour]);
        } else {
            Fill(dc, whole, m_colours[qbk::MenuSelectedBackColour]);
            Frame(dc, whole, m_colours[qbk::MenuSelectedEdgeColour]);
            textColour = m_colours[qbk::MenuSelectedTextColour];
        }
        if (!item->NoBar) {
            const int x = (bar.right - m_imageWidth) / 2, y = (height - m_imageHeight) / 2;
            DrawImageBox(dc, RECT{x, y, x + m_imageWidth, y + m_imageHeight}, *item, draw.itemState);
        }
        if (!item->Text.empty()) {
            RECT text = {textArea.left + kTextMargin, 0, textArea.right - kTextMargin, height};
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, textColour);
            HGDIOBJ oldFont = ::SelectObject(dc, m_font ? HGDIOBJ(m_font) : ::GetStockObject(DEFAULT_GUI_FONT));
            std::string left, right;
            bool hasRight = false;
            qbk::SplitMenuText(item->Text, &left, &right, &hasRight);
            const UINT line = DT_VCENTER | DT_SINGLELINE;
            ::DrawTextA(dc, left.c_str(), int(left.size()), &text, line | DT_LEFT);
            if (hasRight) ::DrawTextA(dc, right.c_str(), int(right.size()), &text, line | DT_RIGHT);
            ::SelectObject(dc, oldFont);
        }
    }
    ::BitBlt(draw.hDC, draw.rcItem.left, draw.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return true;
}
