// The Windows side of the game's play-through test: keys pressed as a player presses them (into
// the game's window, which must be in front), and the game's saved tables unscrambled for a look.
//   play_helper window                 waits until the game's window is there
//   play_helper keys TOKEN...          tap:KEY  hold:KEY:MS  type:TEXT
//   play_helper unscramble FILE KEY    prints FILE unscrambled with the game's key file
// KEY is a number (virtual-key code) or RETURN, ESCAPE, UP, DOWN, LEFT, RIGHT, SPACE, BACK,
// DELETE, or one letter or digit.
#include "KMemStream.h"
#include "win_test_support.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kHoldMs = 180;  // long enough for a frame to see it, too short to repeat
constexpr DWORD kReleaseMs = 300;  // longer than the game's key repeat delay
constexpr int kKeyLength = 8561;

HWND FindGame(DWORD timeoutMs)
{
    for (DWORD waited = 0;; waited += 100) {
        if (HWND hwnd = FindWindowA(nullptr, "Zorvane")) return hwnd;
        if (waited >= timeoutMs) return nullptr;
        Sleep(100);
    }
}

int KeyCode(const std::string& name)
{
    static const struct {
        const char* name;
        int vk;
    } kNames[] = {{"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"UP", VK_UP},
                  {"DOWN", VK_DOWN},     {"LEFT", VK_LEFT},     {"RIGHT", VK_RIGHT},
                  {"SPACE", VK_SPACE},   {"BACK", VK_BACK},     {"DELETE", VK_DELETE}};
    for (const auto& k : kNames)
        if (name == k.name) return k.vk;
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) return name[0];
    char* end = nullptr;
    const long vk = std::strtol(name.c_str(), &end, 10);
    return (!name.empty() && *end == 0 && vk > 0 && vk < 256) ? static_cast<int>(vk) : -1;
}

void Hold(int vk, DWORD ms)
{
    zvtest::SendKey(static_cast<WORD>(vk), true);
    Sleep(ms);
    zvtest::SendKey(static_cast<WORD>(vk), false);
    Sleep(kReleaseMs);
}

int Keys(int argc, char** argv)
{
    HWND game = FindGame(10000);
    if (!game) {
        std::fprintf(stderr, "no game window\n");
        return 2;
    }
    zvtest::Activate(game);
    for (int i = 0; i < argc; ++i) {
        const std::string token = argv[i];
        const size_t colon = token.find(':');
        const std::string verb = token.substr(0, colon);
        const std::string rest = colon == std::string::npos ? "" : token.substr(colon + 1);
        if (verb == "type") {
            for (char c : rest) Hold(c == ' ' ? VK_SPACE : KeyCode(std::string(1, c)), kHoldMs);
        } else if (verb == "tap" || verb == "hold") {
            const size_t second = rest.find(':');
            const int vk = KeyCode(rest.substr(0, second));
            const DWORD ms = verb == "hold" && second != std::string::npos
                                 ? static_cast<DWORD>(std::atoi(rest.c_str() + second + 1))
                                 : kHoldMs;
            if (vk < 0) {
                std::fprintf(stderr, "unknown key in %s\n", token.c_str());
                return 1;
            }
            Hold(vk, ms);
        } else {
            std::fprintf(stderr, "unknown step %s\n", token.c_str());
            return 1;
        }
    }
    return 0;
}

int Unscramble(const char* file, const char* keyFile)
{
    KMemStream data, key;
    if (!data.LoadFile(file) || !key.LoadFile(keyFile) || key.Size() < kKeyLength) {
        std::fprintf(stderr, "cannot read %s or %s\n", file, keyFile);
        return 1;
    }
    key.SetSize(kKeyLength);
    if (!data.UnscrambleStream(&key, 0)) return 1;
    std::fwrite(data.GetData(), 1, static_cast<size_t>(data.Size()), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "window") == 0) return FindGame(30000) ? 0 : 2;
    if (argc >= 2 && std::strcmp(argv[1], "keys") == 0) return Keys(argc - 2, argv + 2);
    if (argc == 4 && std::strcmp(argv[1], "unscramble") == 0) return Unscramble(argv[2], argv[3]);
    std::fprintf(stderr, "usage: play_helper window | keys TOKEN... | unscramble FILE KEYFILE\n");
    return 1;
}
