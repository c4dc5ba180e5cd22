// Decimal text to a signed 32-bit number in the manner of the C library's atoi (leading white
// space, an optional sign, digits up to the first other byte; 0 when no digit comes first), but
// the same on every platform: values beyond the 32-bit range are clamped to it.
#pragma once

#include <cstdint>

int32_t TextToInt(const char* text);

// Decimal text to a double in the manner of the C library's atof (leading white space, an optional
// sign, digits with an optional point and exponent; 0.0 when no number begins the text), the same
// on every platform: no hexadecimal, infinity or not-a-number spellings.
double TextToDouble(const char* text);
