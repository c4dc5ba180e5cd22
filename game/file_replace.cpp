#include "file_replace.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Puts the temporary file in the old one's place in one step.
bool MoveOver(const char* from, const char* to)
{
#ifdef _WIN32
    // The C library's rename refuses an existing target on Windows.
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from, to) == 0;
#endif
}

}  // namespace

bool ReplaceFileContents(const char* name, const void* data, size_t size)
{
    if (!name || !*name || (!data && size > 0)) return false;
    const std::string temporary = std::string(name) + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written || !MoveOver(temporary.c_str(), name)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
