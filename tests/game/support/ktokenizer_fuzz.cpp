// Any text tokenizes without fault; with lone separators and no quoting every separator splits.
#include "KTokenizer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) {
        return 0;
    }
    int flags = data[0] & 7;
    char quote = static_cast<char>(data[1]);
    std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    text = text.c_str();  // the tokenizer works on zero-terminated text

    KTokenizer t;
    int n = t.Tokenize(text.c_str(), " ,\t;", flags, quote);
    if (n != t.GetCount() || n < 0) {
        std::abort();
    }
    for (int i = 0; i < n; ++i) {
        t.GetToken(i);
    }

    int plain = t.Tokenize(text.c_str(), ",;", 0, '"');
    int separators = 0;
    for (char ch : text) {
        separators += (ch == ',' || ch == ';') ? 1 : 0;
    }
    if (plain != (text.empty() ? 0 : separators + 1)) {
        std::abort();
    }
    return 0;
}
