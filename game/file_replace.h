// Saving a file without ever losing its previous contents: the bytes go to a temporary file beside
// it, every write is checked, and only a complete file replaces the old one.
#pragma once

#include <cstddef>

// False, with the old file untouched and no temporary file left, when anything fails.
bool ReplaceFileContents(const char* name, const void* data, size_t size);
