// Any bytes as a grid file: a refused file leaves the grid as it was; an accepted one saves to
// bytes that load into the same grid again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "grid_file.h"
#include "grid_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CGridModel grid(3, 2, 1, 1);
    grid.SetItemText(2, 1, "kept");
    const std::string before = WriteGridFile(grid);
    if (!ReadGridFile(grid, reinterpret_cast<const char*>(data), size)) {
        if (WriteGridFile(grid) != before) __builtin_trap();
        return 0;
    }
    const std::string saved = WriteGridFile(grid);
    CGridModel again;
    if (!ReadGridFile(again, saved.data(), saved.size())) __builtin_trap();
    if (WriteGridFile(again) != saved) __builtin_trap();
    return 0;
}
