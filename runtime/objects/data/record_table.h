// CRecordTable: the in-memory table behind RecordTable objects. Named columns, rows of text cells
// with a second, never-saved text per cell (the cell data), lookups, a query that answers the
// matching row numbers as a row list ("0,3,4,"), and loading and saving in two text formats:
// format 0 one value per line, format 1 semicolon-separated lines with quoted fields.
// Every value is text; row and column numbers count from 0; bad indices answer false, -1 or "".
#pragma once

#include <string_view>
#include <vector>

#include "fw_file.h"
#include "fw_string.h"
#include "text_row.h"

namespace qbk {
class RecordTextReader;
}

class CRecordTable {
public:
    enum Format { kLinesFormat = 0, kCsvFormat = 1 };
    // How a lookup compares texts: byte for byte, or with ASCII letters folded.
    enum class Match { Exact, IgnoreCase };

    CRecordTable() = default;
    virtual ~CRecordTable() = default;
    CRecordTable(const CRecordTable&) = delete;
    CRecordTable& operator=(const CRecordTable&) = delete;

    // Removes every row and every column; true.
    bool Clear();
    // Removes every row; the columns stay.
    bool DeleteAllRows();

    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }

    // index -1 appends; answers the index used, or -1 when index < -1 or index > column count.
    int InsertColumn(const CString& name, int index);
    bool DeleteColumn(int index);
    bool DeleteColumnByName(const CString& name);
    bool RenameColumn(int index, const CString& newName);
    bool RenameColumnByName(const CString& oldName, const CString& newName);
    CString GetColumnName(int index) const;
    // The first column of that name, or -1.
    int FindColumn(const CString& name, Match match = Match::Exact) const;

    // index -1 appends; answers the index used, or -1 when index < -1 or index > row count.
    int InsertRow(int index);
    bool DeleteRow(int index);
    // The first row whose cell in the column equals the value, or -1 (also for a bad column).
    // Column names are always matched exactly.
    int FindRow(int column, const CString& value, Match match = Match::Exact) const;
    int FindRowByName(const CString& columnName, const CString& value, Match match = Match::Exact) const;

    bool SetCell(int column, int row, const CString& text);
    bool SetCellByName(const CString& columnName, int row, const CString& text);
    CString GetCell(int column, int row) const;
    CString GetCellByName(const CString& columnName, int row) const;
    bool SetCellData(int column, int row, const CString& text);
    bool SetCellDataByName(const CString& columnName, int row, const CString& text);
    CString GetCellData(int column, int row) const;
    CString GetCellDataByName(const CString& columnName, int row) const;

    // The rows whose cell in the column compares with the value by the operator ("=", "!=", "<",
    // ">", "<=", ">="; cell on the left) as a row list; "-1" for a bad column. A value of digits
    // with an optional leading '-' or '.' and at most one '.', whose number is not 0 unless it is
    // "0", compares as numbers (a cell counts as its leading number); any other as bytes.
    CString Query(int column, const CString& op, const CString& value) const;
    CString QueryByName(const CString& columnName, const CString& op, const CString& value) const;
    // Union (first appearances, A before B) or intersection (A's numbers found in B, in A's
    // order) of two row lists, sorted as unsigned 32-bit numbers. A piece after the last comma
    // of a list is no number.
    static CString CombineRowLists(const CString& listA, const CString& listB, bool intersect);

    // Loading empties the table, then reads the whole stream from its start; the stream's
    // position is kept. A load that fails part way keeps what was read. False for a null stream
    // or an unknown format, which leave the table as it was.
    bool LoadStream(CFile* stream, int format);
    // Writes the table at the stream's position.
    bool SaveStream(CFile* stream, int format) const;
    // False when the file cannot be read or is empty (the table is then left as it was).
    bool LoadFile(const CString& path, int format);
    // Writes a complete new file beside the old one and only then puts it in the old one's place:
    // a save that fails answers false and leaves the old file as it was.
    bool SaveFile(const CString& path, int format) const;

private:
    // A row holds its cells up to the last one set: absent trailing cells read as "". So a short
    // line makes a short row, whatever the column count, and cell data costs nothing until some
    // is set.
    struct Row {
        qbk::TextRow cells;
        qbk::TextRow data;
    };

    bool IsCell(int column, int row) const;
    // A cell's value or data text (part: &Row::cells or &Row::data).
    bool SetText(qbk::TextRow Row::*part, int column, int row, const CString& text);
    CString GetText(qbk::TextRow Row::*part, int column, int row) const;
    // The cell's text (zero-terminated) without checks beyond the row's stored cells.
    std::string_view CellText(size_t row, int column) const { return m_rows[row].cells.At(column); }
    // size: the whole data's, for the room set aside.
    bool ReadText(qbk::RecordTextReader& reader, size_t size, int format);
    bool ReadLinesFormat(qbk::RecordTextReader& reader, size_t size);
    bool ReadCsvFormat(qbk::RecordTextReader& reader, size_t size);
    void ReserveRows(size_t rows, size_t size);
    // Empties the table and reads the file from its position on.
    bool ReadFrom(CFile& file, ULONGLONG size, int format);
    void WriteText(CFile& file, int format) const;

    std::vector<CString> m_columns;
    std::vector<Row> m_rows;
};
