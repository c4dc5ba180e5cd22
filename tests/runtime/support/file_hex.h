// A file's bytes as the hex digits of the text form's file lines (file "x.dll" hex "..."), for
// projects that carry a file the build made; "" when it cannot be read.
#pragma once

#include <fstream>
#include <string>

namespace qbktest {

inline std::string FileHex(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (char c; in.get(c);) {
        hex += kDigits[static_cast<unsigned char>(c) >> 4];
        hex += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return hex;
}

}  // namespace qbktest
