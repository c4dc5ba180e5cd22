// The system's millisecond clock and key state, behind seams so that the stopwatch and the key
// repeat rule can be driven by tests.
#pragma once

#include <cstdint>
#include <functional>

// Milliseconds since some fixed moment, wrapping at 2^32 (timeGetTime on Windows).
using KMillisecondSource = std::function<uint32_t()>;
// True while the key with this virtual-key code is held down.
using KKeyStateSource = std::function<bool(int key)>;

uint32_t KSystemMilliseconds();
bool KSystemKeyDown(int key);
