#include "download_progress.h"

int DownloadPercent(uint64_t received, uint64_t total)
{
    if (total == 0) return 0;
    if (received >= total) return 100;
    return int(double(received) * 100.0 / double(total));
}

std::string DownloadTitle(uint64_t received, uint64_t total)
{
    return "Downloading... (" + std::to_string(received / 1024) + " of " + std::to_string(total / 1024) + "Kb)";
}

bool ParseContentLength(const char* text, uint64_t& length)
{
    if (!text || !*text) return false;
    uint64_t value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9') return false;
        const uint64_t digit = uint64_t(*c - '0');
        if (value > (UINT64_MAX - digit) / 10) return false;
        value = value * 10 + digit;
    }
    length = value;
    return true;
}
