#include "custom_list_wnd.h"

#include <algorithm>
#include <memory>

#include "aspect_fit.h"
#include "fw_dc.h"
#include "paint_message.h"

namespace {

const char kClassName[] = "QUILLBRICKLIST";
constexpr UINT_PTR kDragScrollTimer = 1;
constexpr UINT kDragScrollMs = 100;
constexpr int kPageRows = 5;
constexpr UINT kUpdateScrollBar = WM_APP + 1;

bool RegisterListClass()
{
    static const bool registered = RegisterFrameworkClass(kClassName, CS_DBLCLKS);
    return registered;
}

struct ItemImage : qbk::ListPicture {
    explicit ItemImage(CImageBitmap* image) : Image(image) {}
    std::unique_ptr<CImageBitmap> Image;
};

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

POINT PointOf(LPARAM lParam) { return {short(LOWORD(lParam)), short(HIWORD(lParam))}; }

}  // namespace

CCustomListWnd::CCustomListWnd()
    : m_colours{::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_BTNTEXT),
                ::GetSysColor(COLOR_HIGHLIGHTTEXT)}
{
}

CCustomListWnd::~CCustomListWnd() { DestroyBeforeDelete(); }

BOOL CCustomListWnd::Create(DWORD style, CWnd* parent, const RECT& rect, UINT id)
{
    if (!RegisterListClass()) return FALSE;
    m_parent = parent ? parent->GetSafeHwnd() : nullptr;
    if (!CreateEx(0, kClassName, "", style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, m_parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return FALSE;
    TakeAreaSize();
    UpdateScrollBar();
    return TRUE;
}

void CCustomListWnd::SetFont(HFONT font, BOOL redraw) { SendMessage(WM_SETFONT, WPARAM(font), redraw); }

void CCustomListWnd::Redraw()
{
    if (m_hWnd) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool CCustomListWnd::Forward(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_forward && m_hWnd) m_forward(m_parent, m_hWnd, message, wParam, lParam);
    return m_hWnd != nullptr;
}

// ---- items

int CCustomListWnd::InsertItem(CImageBitmap* image, int index)
{
    auto picture = std::make_unique<ItemImage>(image);
    const int place = m_model.Insert(std::move(picture), index);
    if (place < 0) return -1;  // the picture took the image and deleted it
    ScheduleScrollBar();
    if (m_model.IsVisible(place) || place < m_model.FirstVisible()) Redraw();
    return place;
}

int CCustomListWnd::InsertImageItem(CFile* stream, int index)
{
    if (!stream || index < -1 || index > m_model.Count()) return -1;
    auto image = std::make_unique<CImageBitmap>();
    if (!image->LoadStream(stream)) return -1;
    return InsertItem(image.release(), index);
}

int CCustomListWnd::InsertItemFromFile(const char* path, int index)
{
    if (!path || index < -1 || index > m_model.Count()) return -1;
    auto image = std::make_unique<CImageBitmap>();
    if (!image->LoadFile(path)) return -1;
    return InsertItem(image.release(), index);
}

bool CCustomListWnd::DeleteItem(int index)
{
    const bool wasVisible = m_model.IsVisible(index) || index < m_model.FirstVisible();
    if (!m_model.Delete(index)) return false;
    ScheduleScrollBar();
    if (wasVisible) Redraw();
    return true;
}

void CCustomListWnd::DeleteAll()
{
    m_model.DeleteAll();
    UpdateScrollBar();
}

int CCustomListWnd::MoveItem(int from, int to)
{
    const int place = m_model.Move(from, to);
    if (place >= 0) Redraw();
    return place;
}

bool CCustomListWnd::SwapItems(int a, int b)
{
    if (!m_model.Swap(a, b)) return false;
    Redraw();
    return true;
}

void CCustomListWnd::SortItems()
{
    m_model.Sort();
    Redraw();
}

int CCustomListWnd::SetItemText(int index, const char* text)
{
    const bool wasShown = m_model.IsVisible(index);
    const int place = m_model.SetLabel(index, text ? text : "");
    // Only a change on the screen repaints: filling a long list stays cheap.
    if (place >= 0 && (wasShown || m_model.IsVisible(place) || (place < index && place < m_model.FirstVisible())))
        Redraw();
    return place;
}

CImageBitmap* CCustomListWnd::GetItemImage(int index) const
{
    auto* picture = static_cast<ItemImage*>(m_model.Picture(index));
    return picture ? picture->Image.get() : nullptr;
}

// ---- selection

bool CCustomListWnd::SelectItem(int index, bool append) { return m_model.Select(index, append); }

bool CCustomListWnd::Deselect(int index) { return m_model.Deselect(index); }

bool CCustomListWnd::ClearSelection() { return m_model.ClearSelection(); }

bool CCustomListWnd::SelectAt(int index, bool redraw)
{
    return SelectAt(index, redraw, KeyDown(VK_SHIFT), KeyDown(VK_CONTROL));
}

bool CCustomListWnd::SelectAt(int index, bool redraw, bool shift, bool ctrl)
{
    if (!m_model.Selection) return false;
    if (index < 0 && m_model.SelectedCount() == 0) return false;
    const bool changed = m_model.ClickSelect(index, shift, ctrl);
    if (redraw && changed) Redraw();
    return changed || index >= 0;
}

// ---- scrolling

void CCustomListWnd::SetScrollPos(int row)
{
    if (!m_model.SetFirstRow(row)) return;
    UpdateScrollBar();
    Redraw();
}

void CCustomListWnd::EnsureVisible(int index)
{
    if (!m_model.EnsureVisible(index)) return;
    UpdateScrollBar();
    Redraw();
}

bool CCustomListWnd::ScrollBy(int rows)
{
    if (!m_model.SetFirstRow(m_model.FirstRow() + rows)) return false;
    UpdateScrollBar();
    Redraw();
    return true;
}

void CCustomListWnd::ScheduleScrollBar()
{
    if (!m_hWnd || m_scrollBarScheduled) return;
    m_scrollBarScheduled = PostMessage(kUpdateScrollBar) != FALSE;
    if (!m_scrollBarScheduled) UpdateScrollBar();
}

void CCustomListWnd::UpdateScrollBar()
{
    if (!m_hWnd) return;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    // A page of all the visible rows: the system hides the bar when everything fits.
    info.nMax = std::max(0, m_model.RowCount() - 1);
    info.nPage = UINT(m_model.Layout.Rows());
    info.nPos = m_model.FirstRow();
    ::SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
}

void CCustomListWnd::TakeAreaSize()
{
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    m_model.Layout.AreaWidth = client.right;
    m_model.Layout.AreaHeight = client.bottom;
    m_model.SetFirstRow(m_model.FirstRow());
}

// ---- appearance

void CCustomListWnd::SetItemSize(int width, int height)
{
    m_model.Layout.ItemWidth = width;
    m_model.Layout.ItemHeight = height;
    m_model.SetFirstRow(m_model.FirstRow());
    UpdateScrollBar();
}

void CCustomListWnd::SetLabelHeight(int height)
{
    m_model.Layout.LabelHeight = height;
    m_model.SetFirstRow(m_model.FirstRow());
    UpdateScrollBar();
}

void CCustomListWnd::SetLabels(bool on)
{
    m_model.Layout.Labels = on;
    m_model.SetFirstRow(m_model.FirstRow());
    UpdateScrollBar();
}

void CCustomListWnd::SetSorted(bool on) { m_model.SetSorted(on); }

// ---- painting

void CCustomListWnd::PaintItem(CDC& dc, int index, const qbk::TileRect& tile)
{
    const qbk::ListLayout& layout = m_model.Layout;
    const bool selected = m_model.IsSelected(index);
    if (selected) {
        const RECT band = {tile.Left - layout.HorizontalGap, tile.Top - layout.VerticalGap,
                           tile.Right + layout.HorizontalGap, tile.Bottom + layout.VerticalGap + layout.LabelBand()};
        dc.FillSolidRect(&band, m_colours[SelectionBack]);
    }
    if (CImageBitmap* image = GetItemImage(index)) {
        const CSize size = image->GetSize();
        // An item whose image has no bitmap shows no picture.
        if (size.cx > 0 && size.cy > 0) {
            if (m_displayMode == 1) {
                image->DrawRect(&dc, tile.Left, tile.Top, tile.Right, tile.Bottom, true);
            } else {
                const CSize fit = FitSizeToAspect(layout.ItemWidth, layout.ItemHeight, size.cx, size.cy);
                const int left = tile.Left + (layout.ItemWidth - fit.cx) / 2;
                const int top = tile.Top + (layout.ItemHeight - fit.cy) / 2;
                image->Draw(&dc, left, top, fit.cx, fit.cy, true);
            }
        }
    }
    if (layout.Labels && layout.LabelHeight > 0) {
        RECT band = {tile.Left, tile.Bottom, tile.Right, tile.Bottom + layout.LabelHeight};
        ::SetTextColor(dc, m_colours[selected ? SelectedText : Text]);
        const CString label = m_model.Label(index);
        ::DrawTextA(dc, label, label.GetLength(), &band, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    }
}

void CCustomListWnd::Paint(HDC target)
{
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;
    CDC screen;
    screen.Attach(target);
    CImageBitmap canvas;
    if (!canvas.CreateCompatible(&screen, width, height)) {
        screen.Detach();
        return;
    }
    {
        std::unique_ptr<CDC> dc(canvas.CreateMemDC(&screen));
        dc->FillSolidRect(&client, m_colours[Back]);
        ::SetBkMode(*dc, TRANSPARENT);
        const HGDIOBJ oldFont = m_font ? ::SelectObject(*dc, m_font) : nullptr;
        const qbk::ListLayout& layout = m_model.Layout;
        const int visible = layout.VisibleCount();
        // Selection bands first: a band reaches into the gaps around its neighbours.
        for (int place = 0; place < visible; ++place) {
            const int index = m_model.ItemAtPlace(place);
            if (index < 0) break;
            PaintItem(*dc, index, layout.Tile(place));
        }
        if (m_dragging && m_dragTarget >= 0 && m_dragTarget != m_dragSource) {
            const bool after = m_dragTarget >= m_model.Count();
            const int index = after ? m_model.Count() - 1 : m_dragTarget;
            if (m_model.IsVisible(index)) {
                const qbk::TileRect tile = layout.Tile(index - m_model.FirstVisible());
                const int left = after ? tile.Right : tile.Left - layout.HorizontalGap;
                const RECT strip = {left, tile.Top, left + layout.HorizontalGap, tile.Bottom + layout.LabelBand()};
                ::InvertRect(*dc, &strip);
            }
        }
        if (oldFont) ::SelectObject(*dc, oldFont);
    }
    canvas.Draw(&screen, 0, 0, width, height, false);
    screen.Detach();
}

// ---- input

void CCustomListWnd::OnKey(WPARAM key, LPARAM lParam)
{
    int step = 0;
    switch (key) {
    case VK_LEFT: step = -1; break;
    case VK_RIGHT: step = 1; break;
    case VK_UP: step = -m_model.Layout.Columns(); break;
    case VK_DOWN: step = m_model.Layout.Columns(); break;
    default: break;
    }
    bool changed = false;
    int index = -1;
    if (step != 0 && m_model.Selection) {
        const int from = m_model.FirstSelected();
        index = from < 0 ? 0 : from + step;
        if (m_model.InRange(index)) {
            m_model.EnsureVisible(index);
            changed = SelectAt(index, false);
            UpdateScrollBar();
            Redraw();
        }
    }
    if (!Forward(WM_KEYDOWN, key, lParam)) return;
    if (changed) Forward(kSelectionChanged, WPARAM(-1), LPARAM(index));
}

void CCustomListWnd::OnButton(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point = PointOf(lParam);
    if (message == WM_LBUTTONUP && m_dragging) {
        m_pressed = false;
        EndDrag(true);
        return;
    }
    if (::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
    if (!m_hWnd) return;
    // The second press of a double click may start a drag as well.
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        m_pressed = true;
        m_pressPoint = point;
    }
    if (message == WM_LBUTTONUP) m_pressed = false;
    if ((message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) && m_model.Selection) {
        const int index = m_model.HitTest(point.x, point.y);
        const bool wasEmpty = m_model.SelectedCount() == 0;
        const bool changed =
            SelectAt(index, true, (wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0) && !(index < 0 && wasEmpty);
        if (!Forward(message, wParam, lParam)) return;
        if (changed) Forward(kSelectionChanged, MAKEWPARAM(point.x, point.y), LPARAM(index));
        return;
    }
    Forward(message, wParam, lParam);
}

void CCustomListWnd::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    const POINT point = PointOf(lParam);
    if (m_dragging) {
        OnDragMove(point.x, point.y);
        return;
    }
    const int dx = std::abs(point.x - m_pressPoint.x), dy = std::abs(point.y - m_pressPoint.y);
    const bool pulled = dx > ::GetSystemMetrics(SM_CXDRAG) || dy > ::GetSystemMetrics(SM_CYDRAG);
    if (m_model.DragDrop && m_model.Selection && m_pressed && (wParam & MK_LBUTTON) && pulled) {
        const int source = m_model.HitTest(m_pressPoint.x, m_pressPoint.y);
        if (source >= 0) {
            m_dragging = true;
            m_dragSource = m_dragTarget = source;
            if (!Forward(kDragStarts, MAKEWPARAM(point.x, point.y), LPARAM(source))) return;
            ::SetCursor(::LoadCursor(nullptr, IDC_NO));
            ::SetCapture(m_hWnd);
            OnDragMove(point.x, point.y);
            return;
        }
    }
    Forward(WM_MOUSEMOVE, wParam, lParam);
}

void CCustomListWnd::OnDragMove(int x, int y)
{
    const qbk::ListLayout& layout = m_model.Layout;
    m_dragTarget = m_model.HitTest(x, y);
    const bool beyond = y < 0 || y >= layout.AreaHeight;
    if (beyond && !m_scrollTimer) {
        // Scrolling goes on by the timer while the cursor stays beyond the edge.
        m_scrollTimer = ::SetTimer(m_hWnd, kDragScrollTimer, kDragScrollMs, nullptr) != 0;
    } else if (!beyond && m_scrollTimer) {
        ::KillTimer(m_hWnd, kDragScrollTimer);
        m_scrollTimer = false;
    }
    const bool inside = x >= 0 && x < layout.AreaWidth && y >= 0 && y < layout.AreaHeight;
    if (m_dragTarget < 0 && inside) {
        // On the free places after the last item: the drop goes after it.
        const int column = std::min(x / std::max(1, layout.ColumnWidth()), layout.Columns() - 1);
        const int place = y / std::max(1, layout.RowHeight()) * layout.Columns() + column;
        if (m_model.FirstVisible() + place >= m_model.Count()) m_dragTarget = m_model.Count();
    }
    const bool allowed = m_dragTarget >= 0 && m_dragTarget != m_dragSource;
    ::SetCursor(::LoadCursor(nullptr, allowed ? IDC_UPARROW : IDC_NO));
    Redraw();
}

void CCustomListWnd::OnDragScrollTick()
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    if (cursor.y < 0)
        ScrollBy(-1);
    else if (cursor.y >= m_model.Layout.AreaHeight)
        ScrollBy(1);
    OnDragMove(cursor.x, cursor.y);
}

void CCustomListWnd::EndDrag(bool drop)
{
    if (m_scrollTimer) ::KillTimer(m_hWnd, kDragScrollTimer);
    m_scrollTimer = false;
    m_dragging = false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    const int source = m_dragSource, target = m_dragTarget;
    m_dragSource = m_dragTarget = -1;
    Redraw();
    if (drop && target >= 0 && target <= m_model.Count() && target != source) {
        if (m_model.Selection && m_model.ClearSelection()) Redraw();
        Forward(kDragEnds, WPARAM(source), LPARAM(target));
    }
}

void CCustomListWnd::OnVScroll(int request)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(m_hWnd, SB_VERT, &info);
    const int first = m_model.FirstRow();
    switch (request) {
    case SB_LINEUP: ScrollBy(-1); break;
    case SB_LINEDOWN: ScrollBy(1); break;
    case SB_PAGEUP: ScrollBy(-std::max(1, std::min(kPageRows, m_model.Layout.Rows()))); break;
    case SB_PAGEDOWN: ScrollBy(std::max(1, std::min(kPageRows, m_model.Layout.Rows()))); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollBy(info.nTrackPos - first); break;
    case SB_TOP: ScrollBy(-first); break;
    case SB_BOTTOM: ScrollBy(m_model.LastFirstRow() - first); break;
    default: break;
    }
}

LRESULT CCustomListWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsMouseButtonMessage(message)) {
        OnButton(message, wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return AnswerPaint(m_hWnd, wParam, [this](HDC dc) { Paint(dc); });
    case WM_SETFONT:
        m_font = HFONT(wParam);
        if (lParam) Redraw();
        return 0;
    case WM_GETFONT: return LRESULT(m_font);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SIZE:
    case WM_SIZING:
        if (!m_sizing) {
            m_sizing = true;
            TakeAreaSize();
            UpdateScrollBar();
            m_sizing = false;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Forward(message, wParam, lParam); return 0;
    case WM_KEYDOWN: OnKey(wParam, lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
    case WM_CAPTURECHANGED:
        if (m_dragging && HWND(lParam) != m_hWnd) EndDrag(false);
        break;
    case WM_SETCURSOR:
        if (m_dragging) return TRUE;
        break;
    case WM_TIMER:
        if (wParam == kDragScrollTimer && m_dragging) {
            OnDragScrollTick();
            return 0;
        }
        break;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam)); return 0;
    case kUpdateScrollBar:
        m_scrollBarScheduled = false;
        UpdateScrollBar();
        return 0;
    case WM_MOUSEWHEEL: ScrollBy(short(HIWORD(wParam)) < 0 ? 1 : -1); return 0;
    default: break;
    }
    return CSelfDeletingWnd<CWnd>::HandleMessage(message, wParam, lParam);
}
