// The two text formats. Format 0: the column count, then one line per column name, then the cells
// row by row, one per line. Format 1: a line of column names, then a line per row, fields split
// at ';' with '"' as quote (the tokenizer's flags 6: blanks around fields trimmed).
#include "record_table.h"

#include <algorithm>
#include <climits>

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

void WriteValueLine(RecordTextWriter& out, const CString& value)
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

bool CRecordTable::ReadText(const char* bytes, size_t size, int format)
{
    // Texts count their bytes in an int: no line can be longer.
    if (size > static_cast<size_t>(INT_MAX)) return false;
    return format == kCsvFormat ? ReadCsvFormat(bytes, size) : ReadLinesFormat(bytes, size);
}

bool CRecordTable::ReadLinesFormat(const char* bytes, size_t size)
{
    RecordTextReader reader(bytes, size);
    CString line;
    if (!reader.NextLine(line)) return false;
    const int count = TextToInt(line);
    if (count <= 0) return true;
    // No room is set aside by the count: only lines that are there make columns and cells.
    for (int i = 0; i < count; ++i) {
        if (!reader.NextValue(line)) return false;
        m_columns.push_back(line);
    }
    int column = 0;
    while (reader.NextValue(line)) {
        if (column == 0) {
            m_rows.emplace_back();
            m_rows.back().cells.reserve(static_cast<size_t>(std::min(count, 64)));
        }
        m_rows.back().cells.push_back(std::move(line));
        if (++column == count) column = 0;
    }
    return true;
}

bool CRecordTable::ReadCsvFormat(const char* bytes, size_t size)
{
    RecordTextReader reader(bytes, size);
    CStringTokenizer tokenizer;
    CString line;
    if (!reader.NextCsvLine(line)) return false;
    // An empty line splits into no fields (and leaves the last split's fields in place).
    const int columns = tokenizer.SplitText(line, kCsvSeparator, kCsvQuote, kCsvSplit);
    for (int i = 0; i < columns; ++i) m_columns.push_back(tokenizer.GetAt(i));
    while (reader.NextCsvLine(line)) {
        const int fields = tokenizer.SplitText(line, kCsvSeparator, kCsvQuote, kCsvSplit);
        if (fields <= 0) continue;
        m_rows.emplace_back();
        Row& row = m_rows.back();
        const CStringArray& tokens = tokenizer.GetTokens();
        const int used = std::min(fields, columns);
        row.cells.assign(tokens.GetData(), tokens.GetData() + used);
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
        writeLine([&](int i) -> const CString& { return m_columns[static_cast<size_t>(i)]; });
        for (size_t row = 0; row < m_rows.size(); ++row)
            writeLine([&](int i) -> const CString& { return CellText(row, i); });
    } else {
        out.Text(IntToString(columns));
        out.LineEnd();
        for (const CString& name : m_columns) WriteValueLine(out, name);
        for (size_t row = 0; row < m_rows.size(); ++row)
            for (int i = 0; i < columns; ++i) WriteValueLine(out, CellText(row, i));
    }
    out.Flush();
}
