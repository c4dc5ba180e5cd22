// Any text, separator set, quote and flags: the split must stay inside the text and its fields,
// joined again, must never be longer than the source.
#include <cstddef>
#include <cstdint>

#include "string_tokenizer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    uint32_t flags = data[0] & 7;
    char quote = static_cast<char>(data[1]);
    size_t sepCount = data[2] % 4;
    if (size < 3 + sepCount) return 0;
    CString seps(reinterpret_cast<const char*>(data + 3), static_cast<int>(sepCount));
    CString text(reinterpret_cast<const char*>(data + 3 + sepCount), static_cast<int>(size - 3 - sepCount));
    CStringTokenizer t(text);
    int n = t.Split(seps, quote, flags);
    long long total = 0;
    for (int i = 0; i < n; ++i) total += t.GetAt(i).GetLength();
    if (total > text.GetLength()) __builtin_trap();
    if (n > text.GetLength() + 1) __builtin_trap();
    return 0;
}
