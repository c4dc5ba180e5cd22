// Any bytes as an INI file: reading, writing back and reading again gives the same rows.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/qbk_ini_fuzz_" + std::to_string(getpid()) + ".ini";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    CStringArray s1, k1, v1, s2, k2, v2;
    int first = ReadIniFile(path.c_str(), s1, k1, v1, "A", "k");
    if (first < 0) return 0;
    if (!WriteIniFile(path.c_str(), s1, k1, v1)) __builtin_trap();
    int second = ReadIniFile(path.c_str(), s2, k2, v2, "A", "k");
    if (s1.GetSize() == 0) return 0;  // nothing kept: the rewritten file is empty
    if (second != first || s2.GetSize() != s1.GetSize()) __builtin_trap();
    for (INT_PTR i = 0; i < s1.GetSize(); ++i)
        if (s1[i] != s2[i] || k1[i] != k2[i] || v1[i] != v2[i]) __builtin_trap();
    return 0;
}
