// The keys the menu and the level run read (virtual-key codes), and how they time a held key.
#pragma once

enum GameKey : int {
    kKeyBackspace = 8,
    kKeyReturn = 13,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyDelete = 46,
    kKeyDigit0 = 48,
    kKeyA = 65,
    kKeyNumpad0 = 96,
};

// A held key counts again after this many milliseconds.
constexpr int kKeyRepeatDelay = 200;
// A Return still held when one mode hands over to the other acts only after this long.
constexpr int kReturnGuard = 500;
