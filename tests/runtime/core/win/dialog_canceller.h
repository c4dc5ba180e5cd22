// Presses Cancel on the first dialog (class #32770) of this process that shows up, from its own
// thread, so a test can open a modal system dialog and get control back.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

class DialogCanceller {
public:
    DialogCanceller() : m_thread([this] { Run(); }) {}
    ~DialogCanceller()
    {
        m_stop = true;
        m_thread.join();
    }
    bool Cancelled() const { return m_cancelled; }

private:
    static BOOL CALLBACK Find(HWND hwnd, LPARAM found)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        char cls[32] = {};
        GetClassNameA(hwnd, cls, sizeof cls);
        if (pid == GetCurrentProcessId() && std::string(cls) == "#32770" && IsWindowVisible(hwnd)) {
            *reinterpret_cast<HWND*>(found) = hwnd;
            return FALSE;
        }
        return TRUE;
    }
    void Run()
    {
        for (int i = 0; i < 3000 && !m_stop && !m_cancelled; ++i) {
            HWND dialog = nullptr;
            EnumWindows(Find, reinterpret_cast<LPARAM>(&dialog));
            if (dialog) {
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                m_cancelled = true;
            }
            Sleep(10);
        }
    }
    std::atomic<bool> m_stop{false}, m_cancelled{false};
    std::thread m_thread;
};
