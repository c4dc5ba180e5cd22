#include "quoted_text.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace qbkw {

std::string ReadQuotedText(const std::string& s, size_t& pos)
{
    std::string out;
    ++pos;  // the opening quote
    for (;;) {
        if (pos >= s.size()) throw std::runtime_error("unterminated text");
        char c = s[pos++];
        if (c == '"') return out;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= s.size()) throw std::runtime_error("unterminated text");
        c = s[pos++];
        switch (c) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'x':
            if (pos + 2 > s.size() || !std::isxdigit((unsigned char)s[pos]) ||
                !std::isxdigit((unsigned char)s[pos + 1]))
                throw std::runtime_error("\\x needs two hexadecimal digits");
            out += char(std::strtol(s.substr(pos, 2).c_str(), nullptr, 16));
            pos += 2;
            break;
        default: out += c; break;
        }
    }
}

}  // namespace qbkw
