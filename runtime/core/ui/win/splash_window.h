// The start-up picture: a small topmost window that shows the program's picture for five seconds
// (Windows only).
#pragma once

#include "fw_types.h"

// Registers the class "QUILLBRICKLOGO" and shows the window; nothing when the class cannot be
// registered.
void ShowSplashWindow(HINSTANCE instance);
