// Numbers to text and back: every script value is a text, and these fixed renderings are what
// scripts compare and show. Some helpers carry two names because the command code calls them so.
#pragma once

#include <cstdint>

#include "fw_string.h"

// "%d".
CString IntToString(int value);
// The double truncated toward zero; not-a-number and values beyond the 32-bit range give
// -2147483648, as the processor's own conversion does.
int TruncateToInt(double value);
// "%f", then trailing zeros and a trailing point cut: 2.5 -> "2.5", 100 -> "100", -0.0 -> "-0".
// Infinities read "inf" / "-inf", not-a-number "nan".
CString DoubleToString(double value);
// Decimal text of a 64-bit value (file lengths and positions).
CString FormatNumber(int64_t value);
inline CString Int64ToString(int64_t value) { return FormatNumber(value); }
// Upper-case hexadecimal digits of the 32-bit pattern, no prefix, no leading zeros (-1 -> FFFFFFFF).
CString IntToHex(int value);
inline CString IntToHexString(int value) { return IntToHex(value); }
// Binary digits without leading zeros; 0 gives "0".
CString IntToBinaryString(uint32_t value);
// Weighted sum from the last character: 'A'-'F' count 10-15, any other byte its code minus '0'
// (so lower-case letters are no digits here); wraps modulo 2^32.
uint32_t HexToInt(const CString& text);
inline uint32_t HexTextToInt(const CString& text) { return HexToInt(text); }
// Each '1', counted from the last character, adds its power of two; other bytes add nothing.
uint32_t BinaryToInt(const CString& text);
inline uint32_t BinaryTextToInt(const CString& text) { return BinaryToInt(text); }
// True when every byte is a decimal digit (and for the empty text).
bool IsNumber(const CString& text);

// The C library's generator narrowed to 0..32767 on every platform; tests may replace the source.
int Rand32768();
void SetRandomSource(int (*source)());
// Rand32768() * n / 32768, truncated toward zero: for 0 < n, a value from 0 to n-1.
int RandomInt(int n);
// base to the power exponent in wrapping 32-bit integers; a negative exponent gives 1 / power in
// integer division (0 unless the power is 1 or -1, and 0 when the power is 0).
int IntPower(int base, int exponent);
