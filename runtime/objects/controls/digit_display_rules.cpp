#include "digit_display_rules.h"

#include <algorithm>
#include <cstdio>

namespace qbk {

std::string DigitText(int value, int digits)
{
    digits = ClampDigits(digits);
    char number[32];
    const int length = std::snprintf(number, sizeof number, "%*d", digits, value);
    const std::string text(number, size_t(std::max(length, 0)));
    return text.substr(text.size() - size_t(digits));
}

int DigitCell(char c, bool leadingZeros, int value)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c == '-') return kMinusCell;
    return leadingZeros && value >= 0 ? 0 : kBlankCell;
}

int ClampDigits(int digits) { return std::min(std::max(digits, kMinDigits), kMaxDigits); }

int DigitsForWidth(int width, int cellWidth) { return cellWidth <= 0 ? 0 : ClampDigits(width / cellWidth); }

}  // namespace qbk
