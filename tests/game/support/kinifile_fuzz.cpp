// Any INI text can be searched and changed: no fault, and a value that was set reads back.
#include "KIniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A name or value of letters and digits taken from the input.
std::string Word(const uint8_t* data, size_t size, size_t at, size_t length)
{
    static const char letters[] = "abcXYZ0189";
    std::string word;
    for (size_t i = 0; i < length; ++i) {
        word += letters[(at + i < size ? data[at + i] : i) % 10];
    }
    return word;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) {
        return 0;
    }
    std::string section = Word(data, size, 0, 1 + data[0] % 3);
    std::string key = Word(data, size, 1, 1 + data[1] % 3);
    std::string value = Word(data, size, 2, data[2] % 4);
    KMemStream text;
    text.Write(data + 3, static_cast<int>(size - 3));
    KIniFile ini;
    ini.LoadFromStream(&text);
    ini.GetValue(section.c_str(), key.c_str());
    ini.FindSection(ini.GetStream(), section.c_str());
    if (!ini.SetValue(section.c_str(), key.c_str(), value.c_str())) {
        std::abort();
    }
    if (!(ini.GetValue(section.c_str(), key.c_str()) == value.c_str())) {
        std::abort();
    }
    return 0;
}
