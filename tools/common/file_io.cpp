#include "file_io.h"

#include <cstdio>

namespace zvtools {

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::uint8_t chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

static bool WriteBytes(const std::string& path, const void* data, std::size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, f) == size;
    return (std::fclose(f) == 0) && written;
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return WriteBytes(path, bytes.data(), bytes.size());
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    return WriteBytes(path, text.data(), text.size());
}

}  // namespace zvtools
