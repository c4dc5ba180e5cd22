#include "value_format.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

CString IntToString(int value) { return FormatNumber(value); }

int TruncateToInt(double value)
{
    return value > -2147483649.0 && value < 2147483648.0 ? static_cast<int>(value) : INT32_MIN;
}

CString DoubleToString(double value)
{
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    // Whole numbers (the common case in scripts) read as their integer text, as "%f" trimmed would:
    // only faster. Negative zero keeps its sign.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        if (value == 0) return std::signbit(value) ? "-0" : "0";
        return FormatNumber(static_cast<int64_t>(value));
    }
    CString s;
    s.Format("%f", value);  // no fixed buffer: 1e300 is 300 digits long
    int end = s.GetLength();
    if (s.Find('.') < 0) return s;
    while (end > 0 && s[end - 1] == '0') --end;
    if (end > 0 && s[end - 1] == '.') --end;
    return s.Left(end);
}

CString FormatNumber(int64_t value)
{
    // Digits from the end of a buffer: "%lld" without the formatting machinery.
    char digits[24];
    char* p = digits + sizeof digits;
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--p = '-';
    return CString(p, int(digits + sizeof digits - p));
}

CString IntToHex(int value)
{
    CString s;
    s.Format("%x", static_cast<unsigned int>(value));
    s.MakeUpper();
    return s;
}

CString IntToBinaryString(uint32_t value)
{
    CString s;
    bool begun = false;
    for (int bit = 31; bit >= 0; --bit) {
        uint32_t weight = uint32_t{1} << bit;
        if (value >= weight) {
            value -= weight;
            s += '1';
            begun = true;
        } else if (begun) {
            s += '0';
        }
    }
    return s.IsEmpty() ? CString("0") : s;
}

uint32_t HexToInt(const CString& text)
{
    uint32_t sum = 0, weight = 1;
    for (int i = text.GetLength() - 1; i >= 0; --i) {
        signed char c = static_cast<signed char>(text[i]);
        int digit = (c >= 'A' && c <= 'F') ? c - 'A' + 10 : c - '0';
        sum += static_cast<uint32_t>(digit) * weight;
        weight *= 16;
    }
    return sum;
}

uint32_t BinaryToInt(const CString& text)
{
    uint32_t sum = 0;
    int n = text.GetLength();
    for (int k = 0; k < n && k < 32; ++k) {
        if (text[n - 1 - k] == '1') sum += uint32_t{1} << k;
    }
    return sum;
}

bool IsNumber(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

namespace {
int DefaultRandom() { return std::rand() & 0x7FFF; }
int (*g_randomSource)() = DefaultRandom;
}  // namespace

int Rand32768() { return g_randomSource() & 0x7FFF; }

void SetRandomSource(int (*source)()) { g_randomSource = source ? source : DefaultRandom; }

int RandomInt(int n)
{
    // 64 bits: the product overflows 32 bits for ranges above 65536.
    return static_cast<int>(static_cast<int64_t>(Rand32768()) * n / 32768);
}

int IntPower(int base, int exponent)
{
    uint32_t result = 1, square = static_cast<uint32_t>(base);
    uint64_t e =
        exponent < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(exponent)) : static_cast<uint64_t>(exponent);
    while (e) {
        if (e & 1) result *= square;
        square *= square;
        e >>= 1;
    }
    int power = static_cast<int>(result);
    if (exponent >= 0) return power;
    if (power == 0) return 0;  // 0 to a negative power (or a power that wrapped to 0)
    return 1 / power;
}
