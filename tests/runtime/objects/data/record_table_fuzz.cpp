// Any bytes as a table file of either format (the first byte chooses): the load must stay inside
// the bytes, and what it read must come back unchanged through a save and a second load.
#include <cstddef>
#include <cstdint>

#include "fw_file.h"
#include "record_table.h"

namespace {

bool SameTables(const CRecordTable& a, const CRecordTable& b)
{
    if (a.GetColumnCount() != b.GetColumnCount() || a.GetRowCount() != b.GetRowCount()) return false;
    for (int c = 0; c < a.GetColumnCount(); ++c) {
        if (a.GetColumnName(c) != b.GetColumnName(c)) return false;
        for (int r = 0; r < a.GetRowCount(); ++r)
            if (a.GetCell(c, r) != b.GetCell(c, r)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const int format = data[0] & 1;
    CMemFile input;
    input.Write(data + 1, static_cast<UINT>(size - 1));
    CRecordTable table;
    table.LoadStream(&input, format);

    CMemFile saved;
    if (!table.SaveStream(&saved, format)) __builtin_trap();
    CRecordTable again;
    if (!again.LoadStream(&saved, format)) __builtin_trap();
    // A table without columns keeps no rows in either format.
    if (table.GetColumnCount() > 0 && !SameTables(table, again)) __builtin_trap();

    // Lookups over whatever was read.
    if (table.GetColumnCount() > 0) {
        const CString value = table.GetCell(0, 0);
        table.Query(0, ">=", value);
        table.Query(0, "=", table.GetColumnName(0));
        CRecordTable::CombineRowLists(table.Query(0, "!=", value), table.GetColumnName(0), data[0] & 2);
    }
    return 0;
}
