#include "KLibrary.h"

#include "KCursorShapes.h"
#include "KKeyboard.h"
#include "KSoundDevice.h"
#include "KWnd.h"

#include <objbase.h>
#include <mmsystem.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

struct CursorEntry {
    bool shared = true;  // a system cursor: never destroyed
    HCURSOR handle = nullptr;
};

struct LibraryState {
    bool started = false;
    bool comStarted = false;
    HINSTANCE instance = nullptr;
    std::array<CursorEntry, KLibrary::kCursorCount> cursors{};
    std::array<HFONT, KLibrary::kFontCount> fonts{};
    KWnd* window = nullptr;
    KString folder;
};

LibraryState& State()
{
    static LibraryState state;
    return state;
}

// Table entries 1 to 13 are system cursors; 0 is the arrow.
const LPCSTR kSystemCursors[] = {
    IDC_ARROW,   IDC_APPSTARTING, IDC_CROSS,  IDC_HAND,     IDC_HELP,   IDC_IBEAM,   IDC_NO,
    IDC_SIZEALL, IDC_SIZENESW,    IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,
};

void BuildCursors(HINSTANCE instance)
{
    auto& cursors = State().cursors;
    for (int i = 0; i < KLibrary::kCursorCount; ++i) {
        CursorEntry& entry = cursors[static_cast<size_t>(i)];
        if (i < 14) {
            entry = {true, LoadCursorA(nullptr, kSystemCursors[i])};
            continue;
        }
        const KCursorShape shape = OwnCursorShape(i);
        entry = {false, CreateCursor(instance, shape.hotX, shape.hotY, 32, 32, shape.andMask, shape.xorMask)};
    }
}

void FreeCursors()
{
    for (CursorEntry& entry : State().cursors) {
        if (!entry.shared && entry.handle) DestroyCursor(entry.handle);
        entry = {};
    }
}

void BuildFonts()
{
    // The structure without the padded border width (340 bytes in 32-bit programs) is what every
    // system version accepts; the full one is the fall-back.
    NONCLIENTMETRICSA metrics;
    std::memset(&metrics, 0, sizeof metrics);
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        metrics.cbSize = sizeof metrics;
        if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
            std::memset(&metrics, 0, sizeof metrics);
    }
    const LOGFONTA* sources[KLibrary::kFontCount] = {&metrics.lfMessageFont, &metrics.lfMenuFont, &metrics.lfStatusFont,
                                                     &metrics.lfCaptionFont, &metrics.lfSmCaptionFont};
    for (int i = 0; i < KLibrary::kFontCount; ++i)
        State().fonts[static_cast<size_t>(i)] = CreateFontIndirectA(sources[i]);
}

void FreeFonts()
{
    for (HFONT& font : State().fonts) {
        if (font) DeleteObject(font);
        font = nullptr;
    }
}

KString FolderOf(HINSTANCE instance)
{
    char path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameA(instance, path, sizeof path);
    if (length == 0 || length >= sizeof path) return KString("");
    char* lastSeparator = std::strrchr(path, '\\');
    if (!lastSeparator) return KString("");
    lastSeparator[1] = 0;
    return KString(path);
}

}  // namespace

bool KLibrary::Init(HINSTANCE instance)
{
    LibraryState& s = State();
    if (s.started) return true;
    s.started = true;
    BuildCursors(instance);
    std::srand(timeGetTime());
    s.instance = instance;
    s.folder = FolderOf(instance);
    BuildFonts();
    bool ok = KWnd::RegisterClass(instance);
    s.window = new KWnd;
    ok = s.window->Create("", 0, 0, nullptr, nullptr, nullptr, 0, instance) && ok;
    s.comStarted = SUCCEEDED(CoInitialize(nullptr));
    return ok;
}

void KLibrary::Shutdown()
{
    KKeyboard::FreeKeyNames();
    LibraryState& s = State();
    if (!s.started) return;
    if (s.comStarted) CoUninitialize();
    s.comStarted = false;
    delete s.window;
    s.window = nullptr;
    KWnd::UnregisterClass(s.instance);
    FreeFonts();
    s.folder = "";
    FreeCursors();
    s.instance = nullptr;
    s.started = false;
}

HINSTANCE KLibrary::Instance() { return State().instance; }

HFONT KLibrary::DefaultFont() { return State().fonts[kMessageFont]; }

HFONT KLibrary::SystemFont(int index)
{
    return index >= 0 && index < kFontCount ? State().fonts[static_cast<size_t>(index)] : nullptr;
}

HCURSOR KLibrary::Cursor(int index)
{
    const auto& cursors = State().cursors;
    if (index < 1 || index >= kCursorCount) index = 0;
    HCURSOR cursor = cursors[static_cast<size_t>(index)].handle;
    return cursor ? cursor : LoadCursorA(nullptr, IDC_ARROW);
}

HWND KLibrary::LibraryWindow() { return State().window ? State().window->Handle() : nullptr; }

const KString& KLibrary::ProgramFolder() { return State().folder; }

IDirectSound* KLibrary::DirectSound() { return KSoundDevice::Get(); }

HFONT CreateFontSimple(const char* face, int height, int flags)
{
    return CreateFontA(height, 0, 0, 0, (flags & 1) ? FW_BOLD : 0, (flags & 2) ? TRUE : FALSE,
                       (flags & 4) ? TRUE : FALSE, (flags & 8) ? TRUE : FALSE, 0, 0, 0, 0, 0, face);
}
