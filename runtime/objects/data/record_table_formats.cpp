// The two text formats. Format 0: the column count, then one line per column name, then the cells
// row by row, one per line. Format 1: a line of column names, then a line per row, fields split
// at ';' with '"' as quote (the tokenizer's flags 6: blanks around fields trimmed).
#include "record_table.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "decimal_text.h"
#include "record_text.h"
#include "string_tokenizer.h"
#include "value_format.h"

using qbk::RecordTextReader;
using qbk::RecordTextWriter;

namespace {

const uint32_t kCsvSplit = CStringTokenizer::kTrimBlanks | CStringTokenizer::kQuotes;
const char* const kCsvSeparator = ";";
const char kCsvQuote = '"';

void WriteValueLine(RecordTextWriter& out, std::string_view value)
{
    if (qbk::NeedsQuotesOnItsLine(value)) {
        out.Quoted(value);
    } else {
        out.Text(value);
    }
    out.LineEnd();
    out.Pass();
}

}  // namespace

void CRecordTable::ReserveRows(size_t rows, size_t size)
{
    // Only a hint: rows still grow one by one when the room cannot be had. A row takes a few
    // bytes of the file at least, so a file of empty lines sets no room aside.
    try {
        m_rows.reserve(std::min(rows, size / 4));
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
}

bool CRecordTable::ReadText(RecordTextReader& reader, size_t size, int format)
{
    return format == kCsvFormat ? ReadCsvFormat(reader, size) : ReadLinesFormat(reader, size);
}

bool CRecordTable::ReadLinesFormat(RecordTextReader& reader, size_t size)
{
    CString line;
    if (!reader.NextLine(line)) return false;
    const int count = TextToInt(line);
    if (count <= 0) return true;
    // No room is set aside by the count: only lines that are there make columns and cells.
    for (int i = 0; i < count; ++i) {
        if (!reader.NextValue(line)) return false;
        m_columns.push_back(line);
    }
    ReserveRows(reader.EstimateLines(size) / static_cast<size_t>(count), size);
    // A row's cells gather here until it is complete (or the data ends).
    std::vector<CString> cells;
    int filled = 0;
    while (reader.NextValue(line)) {
        if (static_cast<size_t>(filled) == cells.size()) cells.emplace_back();
        cells[static_cast<size_t>(filled++)] = line;
        if (filled == count) {
            m_rows.emplace_back();
            m_rows.back().cells.Assign(cells.data(), filled);
            filled = 0;
        }
    }
    if (filled > 0) {
        m_rows.emplace_back();
        m_rows.back().cells.Assign(cells.data(), filled);
    }
    return true;
}

bool CRecordTable::ReadCsvFormat(RecordTextReader& reader, size_t size)
{
    CStringTokenizer tokenizer;
    CString line;
    if (!reader.NextCsvLine(line)) return false;
    // An empty line splits into no fields (and leaves the last split's fields in place).
    const int columns = tokenizer.SplitText(line, kCsvSeparator, kCsvQuote, kCsvSplit);
    for (int i = 0; i < columns; ++i) m_columns.push_back(tokenizer.GetAt(i));
    ReserveRows(reader.EstimateLines(size), size);
    while (reader.NextCsvLine(line)) {
        const int fields = tokenizer.SplitText(line, kCsvSeparator, kCsvQuote, kCsvSplit);
        if (fields <= 0) continue;
        m_rows.emplace_back();
        m_rows.back().cells.Assign(tokenizer.GetTokens().GetData(), std::min(fields, columns));
    }
    return true;
}

void CRecordTable::WriteText(CFile& file, int format) const
{
    RecordTextWriter out(file);
    const int columns = GetColumnCount();
    if (format == kCsvFormat) {
        auto writeLine = [&](auto textOf) {
            for (int i = 0; i < columns; ++i) {
                if (i > 0) out.Char(';');
                out.Quoted(textOf(i));
            }
            out.LineEnd();
            out.Pass();
        };
        writeLine([&](int i) { return qbk::View(m_columns[static_cast<size_t>(i)]); });
        for (size_t row = 0; row < m_rows.size(); ++row) writeLine([&](int i) { return CellText(row, i); });
    } else {
        out.Text(qbk::View(IntToString(columns)));
        out.LineEnd();
        for (const CString& name : m_columns) WriteValueLine(out, qbk::View(name));
        for (size_t row = 0; row < m_rows.size(); ++row)
            for (int i = 0; i < columns; ++i) WriteValueLine(out, CellText(row, i));
    }
    out.Flush();
}
