// Quoted texts of the project description: "..." with the escapes \n \r \t \xHH and \<any>.
#pragma once

#include <string>

namespace qbkw {

// Reads the quoted text that starts at s[pos] (the opening quote) and moves pos past its closing
// quote. Throws std::runtime_error for an unterminated text or a bad \x escape.
std::string ReadQuotedText(const std::string& s, size_t& pos);

}  // namespace qbkw
