// Small tables written as lists, and the table's texts read back as plain strings.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "fw_file.h"
#include "record_table.h"

using Texts = std::vector<std::string>;
using Grid = std::vector<Texts>;

inline CString Text(const std::string& s) { return CString(s.data(), static_cast<int>(s.size())); }
inline std::string Str(const CString& s) { return s.Str(); }

inline void Fill(CRecordTable& table, const Texts& columns, const Grid& rows)
{
    table.Clear();
    for (const auto& name : columns) table.InsertColumn(Text(name), -1);
    for (const auto& cells : rows) {
        const int row = table.InsertRow(-1);
        for (size_t c = 0; c < cells.size(); ++c) table.SetCell(static_cast<int>(c), row, Text(cells[c]));
    }
}

inline Texts Columns(const CRecordTable& table)
{
    Texts names;
    for (int c = 0; c < table.GetColumnCount(); ++c) names.push_back(Str(table.GetColumnName(c)));
    return names;
}

inline Grid Cells(const CRecordTable& table)
{
    Grid rows;
    for (int r = 0; r < table.GetRowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < table.GetColumnCount(); ++c) rows.back().push_back(Str(table.GetCell(c, r)));
    }
    return rows;
}

inline std::string Saved(const CRecordTable& table, int format)
{
    CMemFile file;
    EXPECT_TRUE(table.SaveStream(&file, format));
    if (file.GetLength() == 0) return std::string();
    return std::string(reinterpret_cast<const char*>(file.Data()), static_cast<size_t>(file.GetLength()));
}

// Loads the bytes through a memory stream; answers the load's result.
inline bool Load(CRecordTable& table, const std::string& bytes, int format)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    return table.LoadStream(&file, format);
}
