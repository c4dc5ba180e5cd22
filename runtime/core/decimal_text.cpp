#include "decimal_text.h"

int32_t TextToInt(const char* text)
{
    if (!text)
        return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    int64_t value = 0;
    const int64_t limit = negative ? -int64_t(INT32_MIN) : int64_t(INT32_MAX);
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p++ - '0');
        if (value > limit)
            value = limit;  // clamp, and keep consuming digits
    }
    return int32_t(negative ? -value : value);
}
