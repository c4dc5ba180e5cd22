// Whole-file reading and writing for the data tools.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace zvtools {

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
bool WriteWholeFile(const std::string& path, const std::string& text);

}  // namespace zvtools
