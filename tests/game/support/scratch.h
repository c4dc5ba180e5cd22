// A scratch folder for tests that touch files, in both trees. Ends in the system's separator.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace scratch {

inline std::string Folder()
{
    static std::string folder;
    if (!folder.empty()) {
        return folder;
    }
#ifdef _WIN32
    const char* given = std::getenv("ZV_TEST_TMP");
    char tmp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, tmp);
    std::string base = given && *given ? given : tmp;
    if (base.back() != '\\') {
        base += '\\';
    }
    folder = base + "zvsupport" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
#else
    char pattern[] = "/tmp/zvsupportXXXXXX";
    const char* made = mkdtemp(pattern);
    folder = std::string(made ? made : "/tmp") + "/";
#endif
    return folder;
}

inline std::string Path(const std::string& name) { return Folder() + name; }

inline bool WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

inline std::string ReadFile(const std::string& path)
{
    std::string bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return bytes;
    }
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        bytes.append(buffer, n);
    }
    std::fclose(f);
    return bytes;
}

}  // namespace scratch
