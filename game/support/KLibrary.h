// Process-wide state of the game library: started before any window, shut down after the last
// library object is gone.
#pragma once

#include "KString.h"

#include <windows.h>

struct IDirectSound;
class KWnd;

class KLibrary {
public:
    static constexpr int kCursorCount = 19;
    enum SystemFontIndex { kMessageFont, kMenuFont, kStatusFont, kCaptionFont, kSmallCaptionFont, kFontCount };

    // Cursor table, system fonts, program folder, window class, library window, COM.
    // False when the window class or the library window cannot be made.
    static bool Init(HINSTANCE instance);
    // Releases all of it in the reverse order; safe to call when not started.
    static void Shutdown();

    static HINSTANCE Instance();
    static HFONT DefaultFont();  // the message font
    static HFONT SystemFont(int index);  // SystemFontIndex; null outside
    static HCURSOR Cursor(int index);  // the arrow for an index outside 1..18
    static HWND LibraryWindow();  // null when there is none
    static const KString& ProgramFolder();  // ends in "\"
    static IDirectSound* DirectSound();  // the sound device's object (KSoundDevice), or null
};

// Flags: 1 bold, 2 italic, 4 underline, 8 strike-out.
HFONT CreateFontSimple(const char* face, int height, int flags);
