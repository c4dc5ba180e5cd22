// Pictures of the library's own 32 x 32 monochrome cursors (table entries 14 to 18).
#pragma once

#include <cstdint>

struct KCursorShape {
    int hotX = 0, hotY = 0;
    // 32 rows of 4 bytes, most significant bit leftmost. AND 1 / XOR 0 is transparent,
    // AND 0 / XOR 0 black, AND 0 / XOR 1 white.
    uint8_t andMask[128];
    uint8_t xorMask[128];
};

// The shape of own cursor 14 to 18; any other index gives an empty (transparent) cursor.
KCursorShape OwnCursorShape(int index);
