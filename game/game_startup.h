// The game program from start to end: library, key, window, settings, sound device, the game
// and its message loop, then everything freed in the reverse order. Returns the exit code.
#pragma once

#include <windows.h>

int RunZorvane(HINSTANCE instance);
