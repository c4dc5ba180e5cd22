#include "record_table.h"

namespace {

const CString& TextAt(const std::vector<CString>& texts, int index)
{
    static const CString empty;
    return static_cast<size_t>(index) < texts.size() ? texts[static_cast<size_t>(index)] : empty;
}

void PutText(std::vector<CString>& texts, int index, const CString& text)
{
    const size_t at = static_cast<size_t>(index);
    if (at >= texts.size()) {
        if (text.IsEmpty()) return;  // absent cells already read as ""
        texts.resize(at + 1);
    }
    texts[at] = text;
}

void InsertText(std::vector<CString>& texts, int index)
{
    if (static_cast<size_t>(index) < texts.size()) texts.insert(texts.begin() + index, CString());
}

void EraseText(std::vector<CString>& texts, int index)
{
    if (static_cast<size_t>(index) < texts.size()) texts.erase(texts.begin() + index);
}

bool SameText(const CString& a, const CString& b, CRecordTable::Match match)
{
    if (match == CRecordTable::Match::Exact) return a == b;
    return a.GetLength() == b.GetLength() && a.CompareNoCase(b) == 0;
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

const CString& CRecordTable::CellText(size_t row, int column) const { return TextAt(m_rows[row].cells, column); }

int CRecordTable::InsertColumn(const CString& name, int index)
{
    if (index < -1 || index > GetColumnCount()) return -1;
    if (index == -1) index = GetColumnCount();
    m_columns.insert(m_columns.begin() + index, name);
    for (Row& row : m_rows) {
        InsertText(row.cells, index);
        InsertText(row.data, index);
    }
    return index;
}

bool CRecordTable::DeleteColumn(int index)
{
    if (index < 0 || index >= GetColumnCount()) return false;
    m_columns.erase(m_columns.begin() + index);
    for (Row& row : m_rows) {
        EraseText(row.cells, index);
        EraseText(row.data, index);
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

CString CRecordTable::GetColumnName(int index) const { return TextAt(m_columns, index); }

int CRecordTable::FindColumn(const CString& name, Match match) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (SameText(m_columns[i], name, match)) return static_cast<int>(i);
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

bool CRecordTable::SetCell(int column, int row, const CString& text)
{
    if (!IsCell(column, row)) return false;
    PutText(m_rows[static_cast<size_t>(row)].cells, column, text);
    return true;
}

bool CRecordTable::SetCellByName(const CString& columnName, int row, const CString& text)
{
    return SetCell(FindColumn(columnName), row, text);
}

CString CRecordTable::GetCell(int column, int row) const
{
    if (!IsCell(column, row)) return CString();
    return CellText(static_cast<size_t>(row), column);
}

CString CRecordTable::GetCellByName(const CString& columnName, int row) const
{
    return GetCell(FindColumn(columnName), row);
}

bool CRecordTable::SetCellData(int column, int row, const CString& text)
{
    if (!IsCell(column, row)) return false;
    PutText(m_rows[static_cast<size_t>(row)].data, column, text);
    return true;
}

bool CRecordTable::SetCellDataByName(const CString& columnName, int row, const CString& text)
{
    return SetCellData(FindColumn(columnName), row, text);
}

CString CRecordTable::GetCellData(int column, int row) const
{
    if (!IsCell(column, row)) return CString();
    return TextAt(m_rows[static_cast<size_t>(row)].data, column);
}

CString CRecordTable::GetCellDataByName(const CString& columnName, int row) const
{
    return GetCellData(FindColumn(columnName), row);
}
