#include "system_tray.h"

#include <cstring>

#include "tray_animation.h"

namespace {

constexpr char kClassName[] = "QUILLBRICKTRAY";
constexpr UINT kShownFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

BOOL SystemNotifyIcon(DWORD action, NOTIFYICONDATAA* data) { return ::Shell_NotifyIconA(action, data); }

double SystemDays()
{
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks = (unsigned long long)now.dwHighDateTime << 32 | now.dwLowDateTime;
    return double(ticks) / 864000000000.0;  // 100-nanosecond ticks in a day
}

// The hidden window's class, registered once: its messages reach the framework.
bool RegisterTrayClass()
{
    static const bool registered = RegisterFrameworkClass(kClassName);
    return registered;
}

bool SystemHasNotifyIcons()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwMajorVersion >= 4;
}

}  // namespace

CSystemTray::CSystemTray() : m_notify(&SystemNotifyIcon), m_clock(&SystemDays)
{
    std::memset(&m_data, 0, sizeof m_data);
    // The size this system reads: the fields up to the tip of 128 bytes.
    m_data.cbSize = NOTIFYICONDATAA_V2_SIZE;
}

CSystemTray::~CSystemTray()
{
    if (m_timer && m_hWnd) ::KillTimer(m_hWnd, m_timer);
    m_timer = 0;
    if (m_enabled && !m_hidden) Notify(NIM_DELETE, 0);
    m_enabled = false;
    if (m_hWnd) DestroyWindow();
}

bool CSystemTray::Notify(DWORD action, UINT flags)
{
    m_data.uFlags = flags;
    return m_notify(action, &m_data) != FALSE;
}

bool CSystemTray::Create(CWnd* parent, UINT callbackMessage, const char* tip, HICON icon, UINT id)
{
    m_enabled = SystemHasNotifyIcons();
    if (!m_enabled) return false;
    if (!m_hWnd && RegisterTrayClass()) CreateEx(0, kClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    const HWND target = parent && parent->GetSafeHwnd() ? parent->GetSafeHwnd() : m_hWnd;
    if (!m_mainWindow && target != m_hWnd) m_mainWindow = target;
    m_data.hWnd = target;
    m_data.uID = id;
    m_data.uCallbackMessage = callbackMessage;
    m_data.hIcon = icon;
    lstrcpynA(m_data.szTip, tip ? tip : "", sizeof m_data.szTip);
    m_enabled = Notify(NIM_ADD, kShownFlags);
    m_hidden = false;
    return m_enabled;
}

void CSystemTray::TrayDelete()
{
    if (!m_enabled || m_hidden) return;
    Notify(NIM_DELETE, NIF_ICON);
    m_hidden = true;
}

void CSystemTray::TrayAdd()
{
    if (!m_enabled || !m_hidden) return;
    Notify(NIM_ADD, kShownFlags);
    m_hidden = false;
}

void CSystemTray::TrayRefresh()
{
    if (!m_enabled) return;
    TrayDelete();
    TrayAdd();
}

bool CSystemTray::TrayChangeIcon(HICON icon)
{
    if (!m_enabled) return false;
    m_data.hIcon = icon;
    return Notify(NIM_MODIFY, NIF_ICON);
}

bool CSystemTray::TrayChangeTip(const char* tip)
{
    if (!m_enabled) return false;
    lstrcpynA(m_data.szTip, tip ? tip : "", sizeof m_data.szTip);
    return Notify(NIM_MODIFY, NIF_TIP);
}

bool CSystemTray::Animate(UINT delayMs, int periodSeconds)
{
    if (m_icons.empty() || !m_hWnd) return false;
    StopAnimation();
    m_iconBefore = m_data.hIcon;
    m_animationIndex = 0;
    m_animationStart = m_clock();
    m_animationPeriod = periodSeconds;
    m_timer = ::SetTimer(m_hWnd, kAnimationTimer, delayMs, nullptr);
    return m_timer != 0;
}

bool CSystemTray::StepAnimation()
{
    if (m_icons.empty()) return false;
    m_animationIndex = qbk::NextTrayIcon(m_animationIndex, int(m_icons.size()));
    if (m_enabled) TrayChangeIcon(m_icons[size_t(m_animationIndex)]);
    return true;
}

void CSystemTray::StopAnimation()
{
    if (m_timer) {
        if (m_hWnd) ::KillTimer(m_hWnd, m_timer);
        m_timer = 0;
    }
    if (m_iconBefore && m_enabled) TrayChangeIcon(m_iconBefore);
    m_iconBefore = nullptr;
}

void CSystemTray::OnAnimationTimer()
{
    const double elapsedSeconds = (m_clock() - m_animationStart) * 86400.0;
    if (qbk::TrayAnimationOver(elapsedSeconds, m_animationPeriod))
        StopAnimation();
    else
        StepAnimation();
}

UINT CSystemTray::DefaultCommand(HMENU menu) const
{
    if (!m_defaultByPosition) return m_defaultItem;
    const HMENU items = ::GetSubMenu(menu, 0);
    return items ? ::GetMenuItemID(items, int(m_defaultItem)) : 0;
}

LRESULT CSystemTray::HandleTrayMessage(WPARAM id, LPARAM mouseMessage)
{
    if (id != m_data.uID) return 0;
    const HWND main = m_mainWindow ? m_mainWindow : m_hWnd;
    const UINT message = UINT(LOWORD(mouseMessage));
    if (message != WM_RBUTTONUP && message != WM_LBUTTONDBLCLK) return 1;
    const HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_data.uID));
    if (!menu) return 0;
    LRESULT result = 1;
    const HMENU items = ::GetSubMenu(menu, 0);
    if (!items) {
        result = 0;
    } else if (message == WM_RBUTTONUP) {
        ::SetMenuDefaultItem(items, m_defaultItem, m_defaultByPosition);
        POINT cursor;
        ::GetCursorPos(&cursor);
        ::SetForegroundWindow(main);
        ::TrackPopupMenu(items, 0, cursor.x, cursor.y, 0, main, nullptr);
        ::PostMessageA(main, WM_NULL, 0, 0);
    } else {
        ::SetForegroundWindow(main);
        ::SendMessageA(main, WM_COMMAND, DefaultCommand(menu), 0);
    }
    ::DestroyMenu(menu);
    return result;
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kAnimationTimer && m_timer) {
        OnAnimationTimer();
        return 0;
    }
    if (m_data.uCallbackMessage && message == m_data.uCallbackMessage) return HandleTrayMessage(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}
