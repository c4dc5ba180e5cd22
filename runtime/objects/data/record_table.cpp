#include "record_table.h"

namespace {

CString ToText(std::string_view text) { return CString(text.data(), static_cast<int>(text.size())); }

bool SameText(std::string_view a, const CString& b, CRecordTable::Match match)
{
    if (a.size() != static_cast<size_t>(b.GetLength())) return false;
    if (match == CRecordTable::Match::Exact) return a == std::string_view(b.GetString(), a.size());
    return ToText(a).CompareNoCase(b) == 0;
}

}  // namespace

bool CRecordTable::Clear()
{
    std::vector<Row>().swap(m_rows);
    std::vector<CString>().swap(m_columns);
    return true;
}

bool CRecordTable::DeleteAllRows()
{
    std::vector<Row>().swap(m_rows);
    return true;
}

bool CRecordTable::IsCell(int column, int row) const
{
    return column >= 0 && column < GetColumnCount() && row >= 0 && row < GetRowCount();
}

int CRecordTable::InsertColumn(const CString& name, int index)
{
    if (index < -1 || index > GetColumnCount()) return -1;
    if (index == -1) index = GetColumnCount();
    m_columns.insert(m_columns.begin() + index, name);
    for (Row& row : m_rows) {
        row.cells.Insert(index);
        row.data.Insert(index);
    }
    return index;
}

bool CRecordTable::DeleteColumn(int index)
{
    if (index < 0 || index >= GetColumnCount()) return false;
    m_columns.erase(m_columns.begin() + index);
    for (Row& row : m_rows) {
        row.cells.Erase(index);
        row.data.Erase(index);
    }
    return true;
}

bool CRecordTable::DeleteColumnByName(const CString& name) { return DeleteColumn(FindColumn(name)); }

bool CRecordTable::RenameColumn(int index, const CString& newName)
{
    if (index < 0 || index >= GetColumnCount()) return false;
    m_columns[static_cast<size_t>(index)] = newName;
    return true;
}

bool CRecordTable::RenameColumnByName(const CString& oldName, const CString& newName)
{
    return RenameColumn(FindColumn(oldName), newName);
}

CString CRecordTable::GetColumnName(int index) const
{
    if (index < 0 || index >= GetColumnCount()) return CString();
    return m_columns[static_cast<size_t>(index)];
}

int CRecordTable::FindColumn(const CString& name, Match match) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (SameText(std::string_view(m_columns[i].GetString(), size_t(m_columns[i].GetLength())), name, match))
            return static_cast<int>(i);
    return -1;
}

int CRecordTable::InsertRow(int index)
{
    if (index < -1 || index > GetRowCount()) return -1;
    if (index == -1) index = GetRowCount();
    m_rows.insert(m_rows.begin() + index, Row());
    return index;
}

bool CRecordTable::DeleteRow(int index)
{
    if (index < 0 || index >= GetRowCount()) return false;
    m_rows.erase(m_rows.begin() + index);
    return true;
}

int CRecordTable::FindRow(int column, const CString& value, Match match) const
{
    if (column < 0 || column >= GetColumnCount()) return -1;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (SameText(CellText(i, column), value, match)) return static_cast<int>(i);
    return -1;
}

int CRecordTable::FindRowByName(const CString& columnName, const CString& value, Match match) const
{
    return FindRow(FindColumn(columnName), value, match);
}

bool CRecordTable::SetText(qbk::TextRow Row::*part, int column, int row, const CString& text)
{
    if (!IsCell(column, row)) return false;
    (m_rows[static_cast<size_t>(row)].*part).Set(column, text);
    return true;
}

CString CRecordTable::GetText(qbk::TextRow Row::*part, int column, int row) const
{
    if (!IsCell(column, row)) return CString();
    return ToText((m_rows[static_cast<size_t>(row)].*part).At(column));
}

bool CRecordTable::SetCell(int column, int row, const CString& text) { return SetText(&Row::cells, column, row, text); }

bool CRecordTable::SetCellByName(const CString& columnName, int row, const CString& text)
{
    return SetCell(FindColumn(columnName), row, text);
}

CString CRecordTable::GetCell(int column, int row) const { return GetText(&Row::cells, column, row); }

CString CRecordTable::GetCellByName(const CString& columnName, int row) const
{
    return GetCell(FindColumn(columnName), row);
}

bool CRecordTable::SetCellData(int column, int row, const CString& text)
{
    return SetText(&Row::data, column, row, text);
}

bool CRecordTable::SetCellDataByName(const CString& columnName, int row, const CString& text)
{
    return SetCellData(FindColumn(columnName), row, text);
}

CString CRecordTable::GetCellData(int column, int row) const { return GetText(&Row::data, column, row); }

CString CRecordTable::GetCellDataByName(const CString& columnName, int row) const
{
    return GetCellData(FindColumn(columnName), row);
}
