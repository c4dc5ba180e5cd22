#include "decimal_text.h"

#include <cstdlib>
#include <string>

int32_t TextToInt(const char* text)
{
    if (!text) return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    int64_t value = 0;
    const int64_t limit = negative ? -int64_t(INT32_MIN) : int64_t(INT32_MAX);
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p++ - '0');
        if (value > limit) value = limit;  // clamp, and keep consuming digits
    }
    return int32_t(negative ? -value : value);
}

double TextToDouble(const char* text)
{
    if (!text) return 0.0;
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    const char* digits = p;
    while (*p >= '0' && *p <= '9') ++p;
    const char* wholeEnd = p;
    bool any = p > digits;
    if (*p == '.') {
        ++p;
        const char* fraction = p;
        while (*p >= '0' && *p <= '9') ++p;
        any = any || p > fraction;
    }
    if (!any) return 0.0;
    // Whole numbers of up to 15 digits are exact as doubles: no need for the general conversion.
    if (p == wholeEnd && wholeEnd - digits <= 15 && *p != 'e' && *p != 'E') {
        int64_t value = 0;
        for (const char* d = digits; d < wholeEnd; ++d) value = value * 10 + (*d - '0');
        return *start == '-' ? -double(value) : double(value);
    }
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        if (*exponent == '+' || *exponent == '-') ++exponent;
        if (*exponent >= '0' && *exponent <= '9') {
            p = exponent;
            while (*p >= '0' && *p <= '9') ++p;
        }
    }
    // The span is plain decimal now, which every C library reads alike.
    const std::string number(start, size_t(p - start));
    return std::strtod(number.c_str(), nullptr);
}
