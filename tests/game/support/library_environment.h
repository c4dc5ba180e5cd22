// Shared by the Windows tests of the game library: the library started once for the whole test
// program, and a message pump that notices WM_QUIT.
#pragma once

#include <gtest/gtest.h>

#include "KLibrary.h"

#include <windows.h>

class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(KLibrary::Init(GetModuleHandleA(nullptr))); }
    void TearDown() override { KLibrary::Shutdown(); }
};

// Pumps the thread's queue for up to ms; true when a WM_QUIT came through (its wParam in *code).
inline bool QuitArrives(DWORD ms, WPARAM* code = nullptr)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                if (code) *code = msg.wParam;
                return true;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    } while (GetTickCount() - start < ms);
    return false;
}
