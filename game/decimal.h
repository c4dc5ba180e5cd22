// Numbers in the game's texts are read like the C library's decimal conversion: leading white
// space skipped, an optional sign, then digits up to the first other character; no digits give 0.
// Values beyond the int range are held at its ends instead of overflowing.
#pragma once

#include <cstddef>

int ParseDecimal(const char* begin, const char* end);
int ParseDecimal(const char* text);  // zero-terminated; null gives 0
