// Any pattern and any time value: formatting ends, stays within memory, and leaves no token behind.
#include "KClock.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int values[7] = {};
    const size_t head = sizeof values < size ? sizeof values : size;
    std::memcpy(values, data, head);
    std::string pattern(reinterpret_cast<const char*>(data + head), size - head);
    pattern = pattern.c_str();  // a C text ends at its first zero byte
    KClock clock([] { return 0u; });
    clock.SplitMilliseconds(values[0], values[1], values[2], values[3], values[4], values[5], values[6]);
    const KString text = clock.Format(pattern.c_str());
    const std::string out = text.c_str();
    for (const char* token : {"%Y", "%M", "%D", "%H", "%m", "%S", "%s"})
        if (out.find(token) != std::string::npos) __builtin_trap();
    return 0;
}
