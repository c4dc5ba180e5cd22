#include "KKeyboard.h"

#include "KStringList.h"

#include <cstdio>
#include <utility>

namespace {

KStringList* g_keyNames = nullptr;

struct NamedRange {
    int first;
    std::initializer_list<const char*> names;
};

const NamedRange kNamedKeys[] = {
    {1, {"LBUTTON", "RBUTTON", "CANCEL", "MBUTTON"}},
    {8, {"BACK", "TAB"}},
    {12, {"CLEAR", "RETURN"}},
    {16, {"SHIFT", "CONTROL", "MENU", "PAUSE", "CAPITAL"}},
    {27, {"ESCAPE"}},
    {32, {"SPACE", "PRIOR", "NEXT", "END", "HOME", "LEFT", "UP", "RIGHT", "DOWN", "SELECT"}},
    {43, {"EXECUTE", "SNAPSHOT", "INSERT", "DELETE", "HELP"}},
    {91, {"LWIN", "RWIN", "APPS"}},
    {106, {"MULTIPLY", "ADD", "SEPARATOR", "SUBTRACT", "DECIMAL", "DIVIDE"}},
    {144, {"NUMLOCK", "SCROLL"}},
    {246, {"ATTN", "CRSEL", "EXSEL", "EREOF", "PLAY", "ZOOM", "NONAME", "PA1"}},
};

}  // namespace

KKeyboard::KKeyboard(KKeyStateSource keyDown, KMillisecondSource clock)
    : keyDown_(std::move(keyDown)), clock_(std::move(clock))
{
    BuildKeyNames();
}

KKeyboard::~KKeyboard() = default;

bool KKeyboard::IsPressed(int key, int delay)
{
    if (!ValidKey(key) || !keyDown_(key)) return false;
    const KeyRepeat& k = keys_[static_cast<size_t>(key)];
    // Unsigned difference: right across the wrap of the millisecond counter.
    if (k.counted && clock_() - k.last < k.delay) return false;
    SetRepeat(key, delay);
    return true;
}

uint32_t KKeyboard::SetRepeat(int key, int delay)
{
    const uint32_t now = clock_();
    const KeyRepeat press{true, now, static_cast<uint32_t>(delay < 0 ? 0 : delay)};
    if (key == kAllKeys)
        keys_.fill(press);
    else if (ValidKey(key))
        keys_[static_cast<size_t>(key)] = press;
    return now;
}

void KKeyboard::BuildKeyNames()
{
    if (g_keyNames && g_keyNames->GetCount() > 0) return;
    if (!g_keyNames) g_keyNames = new KStringList;
    KStringList& names = *g_keyNames;
    names.Add("", -1, kKeyCount);
    auto set = [&names](int code, const char* name) { *names[code] = name; };
    for (const NamedRange& range : kNamedKeys) {
        int code = range.first;
        for (const char* name : range.names) set(code++, name);
    }
    char text[8];
    for (int d = 0; d <= 9; ++d) {
        text[0] = static_cast<char>('0' + d);
        text[1] = 0;
        set(48 + d, text);
        std::snprintf(text, sizeof text, "NUM%d", d);
        set(96 + d, text);
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        text[0] = static_cast<char>(c);
        text[1] = 0;
        set(c, text);
    }
    for (int f = 1; f <= 16; ++f) {
        std::snprintf(text, sizeof text, "F%d", f);
        set(111 + f, text);
    }
}

KString KKeyboard::KeyName(int code)
{
    if (!g_keyNames || !ValidKey(code) || code >= g_keyNames->GetCount()) return KString("");
    return g_keyNames->GetAt(code);
}

void KKeyboard::FreeKeyNames()
{
    delete g_keyNames;
    g_keyNames = nullptr;
}
