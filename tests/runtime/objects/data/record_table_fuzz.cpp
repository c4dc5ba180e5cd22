// Any bytes as a table file of either format (the first byte chooses; the second sets how many
// bytes a stream hands out per read): a stream read piece by piece must give what the bytes held
// whole give, and what was read must come back unchanged through a save and a second load.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fw_file.h"
#include "piece_file.h"
#include "record_table.h"

namespace {

bool SameTables(const CRecordTable& a, const CRecordTable& b, bool rows)
{
    if (a.GetColumnCount() != b.GetColumnCount()) return false;
    for (int c = 0; c < a.GetColumnCount(); ++c)
        if (a.GetColumnName(c) != b.GetColumnName(c)) return false;
    if (!rows) return true;
    if (a.GetRowCount() != b.GetRowCount()) return false;
    for (int r = 0; r < a.GetRowCount(); ++r)
        for (int c = 0; c < a.GetColumnCount(); ++c)
            if (a.GetCell(c, r) != b.GetCell(c, r)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    const int format = data[0] & 1;
    const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);

    CMemFile whole;
    whole.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    CRecordTable table;
    const bool read = table.LoadStream(&whole, format);

    PieceFile stream(bytes, 1 + data[1] % 16);
    CRecordTable pieces;
    if (pieces.LoadStream(&stream, format) != read || !SameTables(table, pieces, true)) __builtin_trap();

    CMemFile saved;
    if (!table.SaveStream(&saved, format)) __builtin_trap();
    CRecordTable again;
    if (!again.LoadStream(&saved, format)) __builtin_trap();
    // A table without columns keeps no rows in either format.
    if (!SameTables(table, again, table.GetColumnCount() > 0)) __builtin_trap();

    // Lookups over whatever was read.
    if (table.GetColumnCount() > 0) {
        const CString value = table.GetCell(0, 0);
        table.Query(0, ">=", value);
        table.Query(0, "=", table.GetColumnName(0));
        CRecordTable::CombineRowLists(table.Query(0, "!=", value), table.GetColumnName(0), data[0] & 2);
    }
    return 0;
}
