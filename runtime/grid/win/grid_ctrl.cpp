// The grid window: its class, creation and lifetime, its messages, and the host services the model
// asks for (painting is in grid_paint.cpp).
#include "grid_ctrl.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "clipboard_helpers.h"
#include "grid_cell_edit.h"

namespace {

constexpr UINT kEditSelectAll = 0xE12A;
constexpr UINT kEditCopy = 0xE122;
constexpr UINT kEditCut = 0xE123;
constexpr UINT kEditPaste = 0xE125;

void RegisterGridClass()
{
    static bool registered = false;
    if (registered) return;
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (::GetClassInfoA(instance, CGridCtrl::kClassName, &existing)) {
        registered = true;
        return;
    }
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW;
    // Our procedure from the start: the window reaches its object from its very first message.
    wc.lpfnWndProc = &CWnd::FrameworkWindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    wc.lpszClassName = CGridCtrl::kClassName;
    registered = ::RegisterClassA(&wc) != 0;
}

GridSystemColors ReadSystemColors()
{
    GridSystemColors colors;
    colors.windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    colors.window = ::GetSysColor(COLOR_WINDOW);
    colors.face3d = ::GetSysColor(COLOR_3DFACE);
    colors.shadow3d = ::GetSysColor(COLOR_3DSHADOW);
    colors.windowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    colors.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    colors.highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    colors.highlight3d = ::GetSysColor(COLOR_3DHIGHLIGHT);
    colors.darkShadow3d = ::GetSysColor(COLOR_3DDKSHADOW);
    return colors;
}

UINT ReadWheelLines()
{
    UINT lines = 3;
    if (!::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
    return lines;
}

bool KeyHeld(int key) { return ::GetKeyState(key) < 0; }

CPoint PointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

}  // namespace

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols)
{
    RegisterGridClass();
    SetHost(this);
    InitSystemColors(ReadSystemColors());
    SetWheelLines(ReadWheelLines());
    SetScrollBarSizes(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) TakeFont(metrics.lfMessageFont);
    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

CGridCtrl::~CGridCtrl()
{
    DestroyBeforeDelete();
    SetHost(nullptr);
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* parent, UINT id, DWORD style)
{
    if (!CreateEx(WS_EX_CLIENTEDGE, kClassName, "", style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent ? parent->GetSafeHwnd() : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return FALSE;
    const CRect client = ClientRect();
    OnSizeMessage(client.Width(), client.Height());
    ApplyDefaultSizes();
    return TRUE;
}

void CGridCtrl::Redraw()
{
    if (m_hWnd) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

CRect CGridCtrl::ClientRect() const
{
    CRect rect;
    if (m_hWnd) ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CGridCtrl::TakeFont(const LOGFONTA& font)
{
    m_defaultFont.DeleteObject();
    m_defaultFont.CreateFontIndirect(&font);
    SetDefaultFont(font);
}

// ---- Messages ----------------------------------------------------------------------------------

LRESULT CGridCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return TRUE;  // the paint fills everything
    case WM_SIZE: OnSizeMessage(LOWORD(lParam), HIWORD(lParam)); return DefWindowProc(message, wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam) break;  // a scroll-bar control's, not ours
        OnScrollMessage(message == WM_VSCROLL, wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
        ::SetFocus(m_hWnd);
        OnLButtonDown(PointOf(lParam), (wParam & MK_SHIFT) || KeyHeld(VK_SHIFT));
        return 0;
    case WM_LBUTTONUP: OnLButtonUp(PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(PointOf(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(PointOf(lParam)); return DefWindowProc(message, wParam, lParam);
    case WM_MOUSEMOVE: OnMouseMove(PointOf(lParam)); return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && HWND(wParam) == m_hWnd) {
            POINT point;
            ::GetCursorPos(&point);
            ::ScreenToClient(m_hWnd, &point);
            SetCursor(GetCursorAt(point));
            return TRUE;
        }
        break;
    case WM_TIMER:
        if (wParam != kAutoScrollTimer) break;
        {
            POINT point;
            ::GetCursorPos(&point);
            ::ScreenToClient(m_hWnd, &point);
            OnAutoScrollTimer(point);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (HWND(lParam) != m_hWnd) ::KillTimer(m_hWnd, kAutoScrollTimer);
        break;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); break;
    case WM_KEYDOWN:
        if (OnKeyDown(UINT(wParam), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT))) return 0;
        break;
    case WM_CHAR: {
        m_typing = true;
        const bool handled = OnChar(UINT(wParam), KeyHeld(VK_CONTROL));
        m_typing = false;
        if (handled) return 0;
        break;
    }
    case WM_GETDLGCODE: return GetDlgCode(KeyHeld(VK_CONTROL));
    case WM_SYSCOLORCHANGE: OnSysColorChange(ReadSystemColors()); return 0;
    case WM_SETFONT: {
        LOGFONTA font;
        if (wParam && ::GetObjectA(HGDIOBJ(wParam), sizeof font, &font) == sizeof font) TakeFont(font);
        return 0;
    }
    case WM_GETFONT: return LRESULT(m_defaultFont.GetHandle());
    case WM_COMMAND:
        if (lParam) break;  // a control's notice
        switch (LOWORD(wParam)) {
        case kEditSelectAll: OnEditSelectAll(); return 0;
        case kEditCopy: OnEditCopy(); return 0;
        case kEditCut: OnEditCut(); return 0;
        case kEditPaste: OnEditPaste(); return 0;
        default: break;
        }
        break;
    case WM_NOTIFY: return OnNotifyMessage(wParam, lParam);
    case WM_DESTROY:
        m_destroying = true;
        ::KillTimer(m_hWnd, kAutoScrollTimer);
        break;
    default: break;
    }
    return DefWindowProc(message, wParam, lParam);
}

void CGridCtrl::OnSizeMessage(int width, int height)
{
    if (m_inSize || m_applyingBars || !m_hWnd) return;
    m_inSize = true;
    EndEditing();
    // The view the bars are laid out in: the client area with the bars it shows now given back.
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    SetViewSize(width + ((style & WS_VSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0),
                height + ((style & WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0));
    ResetScrollBars();
    m_inSize = false;
}

void CGridCtrl::OnScrollMessage(bool vertical, WPARAM wParam, LPARAM)
{
    const int action = LOWORD(wParam);
    int thumb = 0;
    if (action == SB_THUMBTRACK || action == SB_THUMBPOSITION) {
        // The 32-bit position: the message's 16 bits do not reach far down a long grid.
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        thumb = ::GetScrollInfo(m_hWnd, vertical ? SB_VERT : SB_HORZ, &info) ? info.nTrackPos : HIWORD(wParam);
    }
    if (vertical)
        OnVScroll(grid::ScrollAction(action), thumb);
    else
        OnHScroll(grid::ScrollAction(action), thumb);
}

LRESULT CGridCtrl::OnNotifyMessage(WPARAM, LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || header->idFrom != kEditorId || header->code != kGridEditEndCode) return 0;
    const auto& notice = *reinterpret_cast<const GridEditEndNotice*>(header);
    if (header->hwndFrom == m_editor) m_editor = nullptr;
    if (m_destroying) return 0;
    OnEndInPlaceEdit(notice.row, notice.col, CString(notice.text ? notice.text : ""), notice.lastKey,
                     KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT));
    return 0;
}

LRESULT CGridCtrl::SendMessageToParent(int row, int col, int code)
{
    if (!m_hWnd) return 0;
    HWND target = ::GetWindow(m_hWnd, GW_OWNER);
    if (!target) target = ::GetParent(m_hWnd);
    if (!target || !::IsWindow(target) || !CWnd::FromHandlePermanent(target)) return 0;
    struct {
        NMHDR header;
        int row;
        int col;
    } notice = {{m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(code)}, row, col};
    return ::SendMessageA(target, WM_NOTIFY, notice.header.idFrom, LPARAM(&notice));
}

void CGridCtrl::PostClickCommand()
{
    if (!m_hWnd) return;
    HWND target = ::GetWindow(m_hWnd, GW_OWNER);
    if (!target) target = ::GetParent(m_hWnd);
    if (target && ::IsWindow(target) && CWnd::FromHandlePermanent(target))
        ::PostMessageA(target, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), LPARAM(m_hWnd));
}

// ---- Host: painting and scroll bars --------------------------------------------------------------

void CGridCtrl::InvalidateAll()
{
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CGridCtrl::InvalidateRect(const CRect& rect)
{
    if (m_hWnd) ::InvalidateRect(m_hWnd, &rect, TRUE);
}

void CGridCtrl::ScrollBarsChanged()
{
    if (!m_hWnd) return;
    // Showing or hiding a bar resizes the client area, which comes back here through WM_SIZE.
    if (m_applyingBars) {
        m_barsAgain = true;
        return;
    }
    m_applyingBars = true;
    do {
        m_barsAgain = false;
        for (const bool vertical : {true, false}) {
            const CGridAxis& axis = vertical ? RowAxis() : ColumnAxis();
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            if (axis.BarShown()) {
                info.nMax = axis.RangeMax();
                info.nPage = UINT(axis.Page());
                info.nPos = axis.Position();
            }
            // Only what changed: a bar set again repaints, which a scroll a line at a time feels.
            SCROLLINFO& applied = m_appliedBars[vertical ? 1 : 0];
            if (applied.cbSize && applied.nMax == info.nMax && applied.nPage == info.nPage) {
                if (applied.nPos == info.nPos) continue;
                info.fMask = SIF_POS;
            }
            applied = info;
            ::SetScrollInfo(m_hWnd, vertical ? SB_VERT : SB_HORZ, &info, TRUE);
        }
    } while (m_barsAgain);
    m_applyingBars = false;
}

// ---- Host: measuring ---------------------------------------------------------------------------

HFONT CGridCtrl::CellFont(const CGridCellBase& cell)
{
    const GridFont* font = cell.GetFont();
    if (cell.IsDefaultFont() || !font) return m_defaultFont.GetHandle();
    if (!m_cellFont.GetHandle() || std::memcmp(&m_cellFontFace, font, sizeof m_cellFontFace) != 0) {
        // Never selected here: every use selects the font back out before it returns.
        m_cellFont.DeleteObject();
        m_cellFont.CreateFontIndirect(font);
        m_cellFontFace = *font;
    }
    return m_cellFont.GetHandle();
}

bool CGridCtrl::MeasureCellText(const CGridCellBase& cell, const CString& text, CSize& size)
{
    const HDC dc = m_hWnd ? ::GetDC(m_hWnd) : nullptr;
    if (!dc) return false;
    const HGDIOBJ old = ::SelectObject(dc, CellFont(cell));
    const UINT format = cell.GetFormat();
    SIZE extent = {};
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
        ::GetTextExtentPoint32A(dc, text, text.GetLength(), &extent);
    } else {
        int widest = 0;
        const char* line = text;
        const char* end = line + text.GetLength();
        while (line <= end) {
            const char* next = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line)));
            if (!next) next = end;
            SIZE lineSize = {};
            ::GetTextExtentPoint32A(dc, line, int(next - line), &lineSize);
            widest = std::max<int>(widest, lineSize.cx);
            line = next + 1;
        }
        RECT rect = {0, 0, widest + 1, 0};
        ::DrawTextA(dc, text, -1, &rect, format | DT_CALCRECT);
        extent.cx = rect.right - rect.left;
        extent.cy = rect.bottom - rect.top;
    }
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    size = CSize(extent.cx + metrics.tmOverhang, extent.cy);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return true;
}

bool CGridCtrl::MeasureFontText(const GridFont& font, const char* text, CSize& size)
{
    const HDC dc = ::GetDC(nullptr);
    if (!dc) return false;
    const HFONT made = ::CreateFontIndirectA(&font);
    const HGDIOBJ old = ::SelectObject(dc, made ? HGDIOBJ(made) : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent = {};
    const bool measured = ::GetTextExtentPoint32A(dc, text, int(std::strlen(text)), &extent) != FALSE;
    ::SelectObject(dc, old);
    if (made) ::DeleteObject(made);
    ::ReleaseDC(nullptr, dc);
    size = CSize(extent.cx, extent.cy);
    return measured;
}

// ---- Host: the in-place editor -------------------------------------------------------------------

HWND CGridCtrl::Editor() const { return m_editor && ::IsWindow(m_editor) ? m_editor : nullptr; }

void CGridCtrl::OpenEditor(int row, int col, const CRect& rect, grid::EditAlign align, UINT character)
{
    const DWORD style = align == grid::EditAlign::Right ? ES_RIGHT : align == grid::EditAlign::Center ? ES_CENTER : 0;
    auto* editor = new CGridCellEdit(row, col, GetItemText(row, col), character, m_typing);
    // Known before it opens: opening takes the focus, and a focus lost at once ends the edit.
    if (!editor->Open(*this, rect, style, kEditorId)) {
        delete editor;
        if (CGridCellBase* cell = GetCell(row, col)) cell->SetEditing(false);
        return;
    }
    if (::IsWindow(editor->GetSafeHwnd())) m_editor = editor->GetSafeHwnd();
}

void CGridCtrl::ForwardChar(UINT character)
{
    if (const HWND editor = Editor()) ::SendMessageA(editor, WM_CHAR, character, 0);
}

void CGridCtrl::EndEditor()
{
    if (auto* editor = dynamic_cast<CGridCellEdit*>(CWnd::FromHandlePermanent(Editor()))) editor->EndEdit();
}

bool CGridCtrl::PasteIntoEditor()
{
    const HWND editor = Editor();
    if (!editor) return false;
    ::SendMessageA(editor, WM_PASTE, 0, 0);
    return true;
}

// ---- Host: the clipboard -----------------------------------------------------------------------

void CGridCtrl::SetClipboardText(const CString& text) { ::SetClipboardText(text); }

bool CGridCtrl::GetClipboardText(CString& text)
{
    if (!::IsClipboardFormatAvailable(CF_TEXT)) return false;
    text = ::GetClipboardText();
    return true;
}

// ---- Host: mouse tracking ------------------------------------------------------------------------

void CGridCtrl::CaptureMouse()
{
    if (m_hWnd) ::SetCapture(m_hWnd);
}

void CGridCtrl::ReleaseMouse()
{
    ::ClipCursor(nullptr);
    if (m_hWnd && ::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
        ::KillTimer(m_hWnd, kAutoScrollTimer);
    }
}

void CGridCtrl::SetCursor(grid::Cursor cursor)
{
    LPCSTR shape = IDC_ARROW;
    if (cursor == grid::Cursor::SizeNS) shape = IDC_SIZENS;
    if (cursor == grid::Cursor::SizeWE) shape = IDC_SIZEWE;
    ::SetCursor(::LoadCursorA(nullptr, shape));
}

void CGridCtrl::StartAutoScroll()
{
    if (m_hWnd) ::SetTimer(m_hWnd, kAutoScrollTimer, kAutoScrollPeriod, nullptr);
}

// The line that follows a divider being dragged: two pixels inverted across the client area.
void CGridCtrl::InvertTracker(int position)
{
    const HDC dc = m_hWnd ? ::GetDC(m_hWnd) : nullptr;
    if (!dc) return;
    CRect line = ClientRect();
    if (m_trackerOrientation == grid::Orientation::Vertical)
        line.left = position, line.right = position + 2;
    else
        line.top = position, line.bottom = position + 2;
    ::InvertRect(dc, &line);
    ::ReleaseDC(m_hWnd, dc);
}

void CGridCtrl::BeginTracker(grid::Orientation orientation, int position, const CRect& confine)
{
    m_trackerOrientation = orientation;
    m_trackerPosition = position;
    m_tracking = true;
    InvertTracker(position);
    if (!m_hWnd) return;
    RECT screen = confine;
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&screen), 2);
    ::ClipCursor(&screen);
}

void CGridCtrl::MoveTracker(int position)
{
    if (!m_tracking) return;
    InvertTracker(m_trackerPosition);
    m_trackerPosition = position;
    InvertTracker(position);
}

void CGridCtrl::EndTracker()
{
    if (!m_tracking) return;
    InvertTracker(m_trackerPosition);
    m_tracking = false;
}
