// CWnd: one window handle and the messages sent to it (Windows only).
//
// A CWnd is mapped to its handle from the first message the window gets: CreateEx maps it while
// the system creates the window, before WM_NCCREATE, whatever the window class (a class of ours
// registered with FrameworkWindowProc, or a system class such as "EDIT", which it subclasses).
// SubclassWindow does the same for a window that exists already. Every message then goes to the
// virtual WindowProc; what it passes on goes to DefWindowProc, which is the window procedure that
// was there before (a subclassed control) or the system's default. On WM_NCDESTROY the object lets
// go of the handle and puts the previous procedure back; then PostNcDestroy runs, where an object
// that owns itself may delete itself.
//
// The handle map belongs to the user-interface thread, the only thread that makes windows here.
#pragma once

#include "fw_object.h"
#include "fw_string.h"
#include "fw_types.h"

class CWnd : public CObject {
public:
    CWnd() = default;
    // Destroys the window when the object still holds one.
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }  // NOLINT: passes as the handle

    // The object mapped to a window handle, or null.
    static CWnd* FromHandlePermanent(HWND handle);
    // The procedure to register window classes with, so that their windows reach WindowProc.
    static LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Creates the window mapped to this object (false when it holds one already or the system
    // refuses). idOrMenu: a child's control id, or a top-level window's menu.
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                  HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL DestroyWindow();
    // True while the object deletes itself once its window is gone (PostNcDestroy): whoever lets
    // go of it then destroys the window instead of deleting the object.
    virtual bool DeletesItself() const { return false; }

    // Maps this object to a window that exists and routes its messages through WindowProc, the
    // previous procedure handling what WindowProc passes on.
    BOOL SubclassWindow(HWND window);
    // Puts the previous procedure back and lets go of the handle. Refused (null) while another
    // procedure has subclassed the window over this one: it would call into a window gone astray.
    HWND UnsubclassWindow();
    // Maps the handle without routing its messages (false when either is taken).
    BOOL Attach(HWND window);
    // Lets go of the handle without destroying the window; a subclassed window gets its previous
    // procedure back.
    HWND Detach();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    CString GetWindowText() const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

    HWND m_hWnd = nullptr;

protected:
    // Every message of the window; the default passes it on to DefWindowProc. WM_NCDESTROY must be
    // passed on: the previous procedure frees its own state on it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous window procedure of a subclassed window, else the system's default.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // After WM_NCDESTROY, when the object no longer holds the window.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    void Map(HWND window);
    void Unmap();
    // Routes the window's messages through FrameworkWindowProc unless its class already does.
    void RouteMessages();
    // Puts the previous procedure back; false while another one has subclassed over ours.
    bool RestorePreviousProc();

    WNDPROC m_previousProc = nullptr;  // of a subclassed window
};

// Registers a window class of ours whose windows reach their objects' WindowProc (arrow cursor,
// no background brush); true also when it is registered already.
bool RegisterFrameworkClass(const char* name, UINT classStyle = 0);

// A press, release or double click of the left, right or middle mouse button.
inline bool IsMouseButtonMessage(UINT message) { return message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK; }

// A window object (over any CWnd class) that deletes itself once its window is gone. While one of
// its messages is being handled, or a Hold is alive, the deletion waits until the last of them
// ends: a handler may destroy the window it runs in (a script run from a notification closing its
// window). Derived classes handle messages in HandleMessage.
template <class Base>
class CSelfDeletingWnd : public Base {
public:
    ~CSelfDeletingWnd() override { DestroyBeforeDelete(); }
    bool DeletesItself() const override { return this->m_hWnd != nullptr; }

protected:
    // Keeps the object alive for as long as it exists.
    class Hold {
    public:
        explicit Hold(CSelfDeletingWnd& window) : m_window(window) { ++m_window.m_holds; }
        ~Hold()
        {
            if (--m_window.m_holds == 0 && m_window.m_deletePending) delete &m_window;
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        CSelfDeletingWnd& m_window;
    };

    // For the destructor of a derived class: its window goes while the whole object still handles
    // the messages of its destruction, and the object does not delete itself again.
    void DestroyBeforeDelete()
    {
        m_deleting = true;
        if (this->m_hWnd) this->DestroyWindow();
    }

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return Base::WindowProc(message, wParam, lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) final
    {
        Hold hold(*this);
        return HandleMessage(message, wParam, lParam);
    }
    void PostNcDestroy() override
    {
        if (m_deleting) return;
        if (m_holds > 0)
            m_deletePending = true;
        else
            delete this;
    }

private:
    int m_holds = 0;
    bool m_deletePending = false;
    bool m_deleting = false;
};
