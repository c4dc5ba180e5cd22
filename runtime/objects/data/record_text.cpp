#include "record_text.h"

#include <algorithm>
#include <cstring>

namespace qbk {

namespace {

const char kQuote = '"';
const char kSeparator = ';';

}  // namespace

size_t RecordTextReader::LineEnd(size_t from) const
{
    const void* cr = std::memchr(m_bytes + from, '\r', m_size - from);
    return cr ? static_cast<size_t>(static_cast<const char*>(cr) - m_bytes) : m_size;
}

void RecordTextReader::PassLineEnd(size_t at)
{
    m_position = at;
    if (m_position < m_size && m_bytes[m_position] == '\r') {
        ++m_position;
        // Only an LF: a line ended by a CR alone keeps the next line's first byte.
        if (m_position < m_size && m_bytes[m_position] == '\n') ++m_position;
    }
}

bool RecordTextReader::NextLine(CString& line)
{
    if (m_position >= m_size) return false;
    const size_t end = LineEnd(m_position);
    line = CString(m_bytes + m_position, static_cast<int>(end - m_position));
    PassLineEnd(end);
    return true;
}

bool RecordTextReader::NextValue(CString& value)
{
    if (m_position >= m_size) return false;
    if (m_bytes[m_position] != kQuote || m_position < m_plainUntil) return NextLine(value);
    std::string text;
    size_t at = m_position + 1;
    for (;;) {
        const void* found = std::memchr(m_bytes + at, kQuote, m_size - at);
        if (!found) {
            m_plainUntil = m_size;
            break;
        }
        const size_t quote = static_cast<size_t>(static_cast<const char*>(found) - m_bytes);
        text.append(m_bytes + at, quote - at);
        const size_t next = quote + 1;
        if (next < m_size && m_bytes[next] == kQuote) {
            text += kQuote;
            at = next + 1;
            continue;
        }
        if (next == m_size || m_bytes[next] == '\r') {
            value = CString(text);
            PassLineEnd(next);
            return true;
        }
        // Text after the closing quote: no quoted value. Lines that begin inside the stretch just
        // scanned are plain too, so that no byte is scanned for quotes twice.
        m_plainUntil = next;
        break;
    }
    return NextLine(value);
}

bool RecordTextReader::NextCsvLine(CString& line)
{
    if (m_position >= m_size) return false;
    const size_t none = m_size;
    size_t at = m_position;
    bool fieldStart = true;
    bool inQuotes = false;
    bool spansLines = false;  // the open quote began its field, so line ends inside it are text
    size_t firstLineEnd = none;  // the first line end inside the open quote
    while (at < m_size) {
        const char c = m_bytes[at];
        if (inQuotes) {
            if (c == kQuote) {
                if (at + 1 < m_size && m_bytes[at + 1] == kQuote) {
                    at += 2;
                    continue;
                }
                inQuotes = false;
            } else if (c == '\r') {
                if (!spansLines) break;
                if (firstLineEnd == none) firstLineEnd = at;
            }
            ++at;
            continue;
        }
        if (c == '\r') break;
        if (c == kQuote) {
            inQuotes = true;
            spansLines = fieldStart;
            firstLineEnd = none;
        }
        if (c == kSeparator) {
            fieldStart = true;
        } else if (c != ' ') {
            fieldStart = false;
        }
        ++at;
    }
    // A quote never closed: the line is what it was without quoted line ends. No quote follows
    // the open one, so this never happens twice over the same bytes.
    if (at == m_size && inQuotes && firstLineEnd != none) at = firstLineEnd;
    line = CString(m_bytes + m_position, static_cast<int>(at - m_position));
    PassLineEnd(at);
    return true;
}

void RecordTextWriter::Quoted(const CString& text)
{
    m_buffer += kQuote;
    const char* p = text.GetString();
    const char* end = p + text.GetLength();
    while (p < end) {
        const void* found = std::memchr(p, kQuote, static_cast<size_t>(end - p));
        const char* stop = found ? static_cast<const char*>(found) + 1 : end;
        m_buffer.append(p, static_cast<size_t>(stop - p));
        if (found) m_buffer += kQuote;
        p = stop;
    }
    m_buffer += kQuote;
}

void RecordTextWriter::Flush()
{
    size_t done = 0;
    while (done < m_buffer.size()) {
        const size_t piece = std::min(m_buffer.size() - done, kPiece);
        m_file.Write(m_buffer.data() + done, static_cast<UINT>(piece));
        done += piece;
    }
    m_buffer.clear();
}

bool NeedsQuotesOnItsLine(const CString& value)
{
    const int n = value.GetLength();
    if (n > 0 && value[0] == kQuote) return true;
    const char* text = value.GetString();
    return std::memchr(text, '\r', static_cast<size_t>(n)) || std::memchr(text, '\n', static_cast<size_t>(n));
}

}  // namespace qbk
