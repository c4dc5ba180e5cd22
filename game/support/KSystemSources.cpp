#include "KSystemSources.h"

#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>

uint32_t KSystemMilliseconds() { return timeGetTime(); }

bool KSystemKeyDown(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

#else
#include <chrono>

uint32_t KSystemMilliseconds()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Outside Windows there is no keyboard to poll: tests give the keyboard their own key state.
bool KSystemKeyDown(int) { return false; }
#endif
