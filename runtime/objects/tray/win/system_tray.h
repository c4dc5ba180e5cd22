// CSystemTray: one icon in the taskbar's notification area, with its tip text; hidden and shown
// again, changed, and cycled through a list of icons on a timer for a limited time. The icon's
// mouse notices go to the window given at creation as its callback message; without one they come
// to this object, which answers with a popup menu or a default command (Windows only).
//
// The icons are the caller's: the tray never destroys one.
#pragma once

#include "fw_wnd.h"

#include <shellapi.h>

#include <vector>

class CSystemTray : public CWnd {
public:
    // The system call that adds, changes and removes the icon; tests put their own in its place.
    using NotifyIconCall = BOOL (*)(DWORD action, NOTIFYICONDATAA* data);
    // The current time in days, for the animation's limit.
    using Clock = double (*)();

    static constexpr UINT_PTR kAnimationTimer = 1;

    CSystemTray();
    // Removes the icon from the notification area.
    ~CSystemTray() override;

    // Adds the icon. parent: the window its notices go to (none: this object). A tip longer than
    // the notice's field is cut to it. False when the system took no icon.
    bool Create(CWnd* parent, UINT callbackMessage, const char* tip, HICON icon, UINT id);
    bool IsEnabled() const { return m_enabled; }
    bool IsHidden() const { return m_hidden; }
    UINT Id() const { return m_data.uID; }
    const char* Tip() const { return m_data.szTip; }

    // Removes the icon from the area (when shown), puts it back (when hidden), or both.
    void TrayDelete();
    void TrayAdd();
    void TrayRefresh();
    bool TrayChangeIcon(HICON icon);
    bool TrayChangeTip(const char* tip);

    // The icons an animation cycles through (not owned).
    void SetIconList(const std::vector<HICON>& icons) { m_icons = icons; }
    // Steps through the icon list every delay milliseconds for periodSeconds (0: until stopped).
    bool Animate(UINT delayMs, int periodSeconds);
    bool StepAnimation();
    // Stops stepping and puts back the icon shown before the animation.
    void StopAnimation();
    int AnimationIndex() const { return m_animationIndex; }
    bool IsAnimating() const { return m_timer != 0; }

    // The menu item a double click chooses: by position in the icon's menu, or by command id.
    void SetMenuDefaultItem(UINT item, bool byPosition)
    {
        m_defaultItem = item;
        m_defaultByPosition = byPosition;
    }
    // The window that owns the icon's menu and gets its commands: the parent given at creation
    // unless set here.
    void SetMainWindow(HWND window) { m_mainWindow = window; }
    // A notice of the icon (the tray's own id, and the mouse message): a right click shows the
    // menu resource of the icon's id, a double click sends its default command to the main
    // window. 0 for another icon's notice or a missing menu, else 1.
    virtual LRESULT HandleTrayMessage(WPARAM id, LPARAM mouseMessage);

    void SetNotifyIconCall(NotifyIconCall call) { m_notify = call; }
    void SetClock(Clock clock) { m_clock = clock; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Notify(DWORD action, UINT flags);
    void OnAnimationTimer();
    UINT DefaultCommand(HMENU menu) const;

    bool m_enabled = false;
    bool m_hidden = false;
    NOTIFYICONDATAA m_data;
    std::vector<HICON> m_icons;
    UINT_PTR m_timer = 0;
    int m_animationIndex = 0;
    double m_animationStart = 0;
    int m_animationPeriod = 0;
    HICON m_iconBefore = nullptr;
    UINT m_defaultItem = 0;
    bool m_defaultByPosition = true;
    HWND m_mainWindow = nullptr;
    NotifyIconCall m_notify;
    Clock m_clock;
};
