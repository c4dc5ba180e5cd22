#include "grid_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "fw_file.h"
#include "grid_model.h"

namespace {

using gridfile::kEscape;
using gridfile::kFieldEnd;

constexpr uint64_t kEmptyLineLimit = 65536;

void AppendEscaped(std::string& out, const std::string& text)
{
    if (!std::memchr(text.data(), kFieldEnd, text.size()) && !std::memchr(text.data(), kEscape, text.size())) {
        out += text;
        return;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const char b = text[i];
        const bool last = i + 1 == text.size();
        if (b == kFieldEnd || (b == kEscape && (last || text[i + 1] == kFieldEnd || text[i + 1] == kEscape)))
            out += kEscape;
        out += b;
    }
}

// Walks the fields of a grid file's bytes.
class FieldReader {
public:
    FieldReader(const char* data, size_t size) : m_data(data), m_size(size) {}

    // The next whole field, unescaped (out may be null to skip it); false when the bytes end
    // before its 0x01.
    bool Next(std::string* out)
    {
        if (out) out->clear();
        size_t p = m_pos;
        while (p < m_size) {
            size_t run = p;
            while (run < m_size && m_data[run] != kFieldEnd && m_data[run] != kEscape) ++run;
            if (out) out->append(m_data + p, run - p);
            p = run;
            if (p == m_size) break;
            if (m_data[p] == kFieldEnd) {
                m_pos = p + 1;
                return true;
            }
            if (p + 1 < m_size && (m_data[p + 1] == kFieldEnd || m_data[p + 1] == kEscape)) ++p;
            if (out) out->push_back(m_data[p]);
            ++p;
        }
        return false;
    }

    uint64_t CountRemaining() const
    {
        FieldReader copy(*this);
        uint64_t count = 0;
        while (copy.Next(nullptr)) ++count;
        return count;
    }

private:
    const char* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Leading digits after blanks and a sign, as the C library's atoi reads them, held to the int
// range; anything else reads as 0.
int ReadCount(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<int64_t>(int64_t(INT32_MAX) + 1, value * 10 + (text[i] - '0'));
    if (negative) value = -value;
    return int(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, value)));
}

}  // namespace

std::string WriteGridFile(const CGridModel& grid)
{
    std::string out;
    const int cols = grid.GetColumnCount(), rows = grid.GetRowCount();
    for (int count : {cols, rows, grid.GetFixedColumnCount(), grid.GetFixedRowCount()}) {
        out += std::to_string(count);
        out += kFieldEnd;
    }
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            if (const CGridCellBase* cell = grid.GetCell(r, c)) AppendEscaped(out, cell->GetText().Str());
            out += kFieldEnd;
        }
    return out;
}

bool ReadGridFile(CGridModel& grid, const char* data, size_t size)
{
    if (!data) return false;
    FieldReader reader(data, size);
    std::string field;
    int counts[4];
    for (int& count : counts) {
        if (!reader.Next(&field)) return false;
        count = std::max(0, ReadCount(field));
    }
    const int cols = counts[0], rows = counts[1], fixedCols = counts[2], fixedRows = counts[3];
    // Counts are held to what the bytes can hold: each cell takes at least its field end. Rows
    // without columns (or columns without rows) take no bytes; up to kEmptyLineLimit are taken on trust.
    const uint64_t countLimit = std::max<uint64_t>(size, kEmptyLineLimit);
    if (fixedCols > cols || fixedRows > rows || uint64_t(cols) > countLimit || uint64_t(rows) > countLimit)
        return false;
    const uint64_t cells = uint64_t(cols) * uint64_t(rows);
    if (cells > reader.CountRemaining()) return false;

    const bool redraw = grid.GetRedraw();
    grid.SetRedraw(false);
    bool built = true;
    try {
        grid.DeleteAllItems();
        if (cols > 0 && rows > 0) {
            for (int c = 0; c < cols; ++c) grid.InsertColumnAt("", grid::kColumnFormat, -1);
            for (int r = 1; r < rows; ++r) grid.InsertRowAt("", -1);
        } else {
            built = grid.SetColumnCount(cols) && grid.SetRowCount(rows);
        }
        for (uint64_t i = 0; built && i < cells && reader.Next(&field); ++i)
            grid.SetItemText(int(i % uint64_t(rows)), int(i / uint64_t(rows)), field.c_str());
        // Sized once each, with every text in place.
        for (int c = 0; built && c < grid.GetColumnCount() && grid.GetRowCount() > 0; ++c)
            grid.AutoSizeColumn(c, 0, false);
        if (built && fixedCols > 0) grid.SetFixedColumnCount(fixedCols);
        if (built && fixedRows > 0) grid.SetFixedRowCount(fixedRows);
    } catch (const std::bad_alloc&) {
        built = false;
    }
    // Out of memory half-way: an empty grid rather than half of one.
    if (!built) grid.DeleteAllItems();
    grid.SetRedraw(redraw);
    return built;
}

bool SaveGridFile(const CGridModel& grid, const char* path)
{
    CFile file;
    try {
        const std::string bytes = WriteGridFile(grid);
        if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
        for (size_t done = 0; done < bytes.size();) {
            const UINT chunk = UINT(std::min<size_t>(bytes.size() - done, size_t(1) << 20));
            file.Write(bytes.data() + done, chunk);
            done += chunk;
        }
        file.Close();
    } catch (const CException&) {
        file.Abort();
        return false;
    } catch (const std::bad_alloc&) {
        file.Abort();
        return false;
    }
    return true;
}

bool LoadGridFile(CGridModel& grid, const char* path)
{
    std::string bytes;
    try {
        CFile file;
        if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone)) return false;
        const ULONGLONG length = file.GetLength();
        if (length == 0 || length >= ULONGLONG(SIZE_MAX)) return false;
        bytes.resize(size_t(length));
        size_t done = 0;
        while (done < bytes.size()) {
            const UINT chunk = UINT(std::min<size_t>(bytes.size() - done, size_t(1) << 20));
            const UINT got = file.Read(&bytes[done], chunk);
            if (got == 0) break;
            done += got;
        }
        bytes.resize(done);
        file.Close();
    } catch (const CException&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return !bytes.empty() && ReadGridFile(grid, bytes.data(), bytes.size());
}
