// Any bytes as a tree outline: every parent lies before its line, and what is read, written
// again, reads back with the same parents.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "outline_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto lines = qbk::ReadOutline(reinterpret_cast<const char*>(data), size);
    std::string again;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].Parent >= int(i)) abort();
        // The depth the item landed at.
        int depth = lines[i].Parent < 0 ? 0 : 1;
        for (int p = lines[i].Parent; p >= 0 && lines[size_t(p)].Parent >= 0; p = lines[size_t(p)].Parent) ++depth;
        again += qbk::OutlineLineText(depth, lines[i].Text, lines[i].HasNumber, lines[i].Number);
    }
    const auto reread = qbk::ReadOutline(again.data(), again.size());
    // A line of nothing at the top level is written as an empty line, which reading skips.
    if (reread.size() != lines.size()) return 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (reread[i].Parent != lines[i].Parent || reread[i].Number != lines[i].Number) abort();
    return 0;
}
