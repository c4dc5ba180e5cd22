// The one process-wide DirectSound object of the game.
#pragma once

#include <windows.h>
#include <dsound.h>

class KSoundDevice {
public:
    // Creates the default device, retrying up to 10 times 500 ms apart while it is busy or has no
    // driver, and sets the cooperative level for the window. Leaves no device when that fails.
    static void Create(HWND window, DWORD cooperativeLevel);
    static void Release();
    // The DirectSound object, null when there is none.
    static IDirectSound* Get();

    // Seams for tests: how the object is created and how the retries wait.
    using CreateFunction = HRESULT (*)(IDirectSound** out);
    using SleepFunction = void (*)(DWORD ms);
    static void Create(HWND window, DWORD cooperativeLevel, CreateFunction create, SleepFunction sleep);

    static constexpr int kTries = 10;
    static constexpr DWORD kRetryDelayMs = 500;
};
