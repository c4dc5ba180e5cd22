// What the download window shows: the bar's position and the title with the kilobytes received.
#pragma once

#include <cstdint>
#include <string>

// Percent of total received, 0 to 100; 0 while the total is unknown (0).
int DownloadPercent(uint64_t received, uint64_t total);
// "Downloading... (received of total Kb)" in whole kilobytes.
std::string DownloadTitle(uint64_t received, uint64_t total);
// The Content-Length text as a count; false for a text that is not a plain decimal number.
bool ParseContentLength(const char* text, uint64_t& length);
