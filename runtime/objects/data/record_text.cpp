#include "record_text.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <new>

namespace qbk {

namespace {

const char kQuote = '"';
const char kSeparator = ';';

// Keeps the text's room: a table's lines pass through the same texts over and over.
void SetBytes(CString& text, const char* bytes, size_t size)
{
    if (size > size_t(INT_MAX)) throw std::bad_alloc();  // no text holds that much
    text.Empty();
    text.Append(bytes, static_cast<int>(size));
}

}  // namespace

bool RecordTextReader::ReadUpTo(size_t at)
{
    while (at >= m_size) {
        if (m_ended) return false;
        // A full buffer doubles: a line longer than the buffer costs no more than twice its length.
        if (m_buffer.size() == m_size) m_buffer.resize(std::max(m_piece, 2 * m_buffer.size()));
        const size_t room = m_buffer.size() - m_size;
        const size_t got = m_read(&m_buffer[m_size], room);
        m_bytes = m_buffer.data();
        m_size += std::min(got, room);
        if (got == 0) m_ended = true;
    }
    return true;
}

void RecordTextReader::Forget()
{
    // Once half the buffer has been read past, the rest moves to its start (the buffer's size is
    // its room; the bytes held end at m_size).
    if (!m_read || m_position == 0 || m_position < m_buffer.size() / 2) return;
    std::memmove(&m_buffer[0], &m_buffer[m_position], m_size - m_position);
    m_size -= m_position;
    m_plainUntil = m_plainUntil > m_position ? m_plainUntil - m_position : 0;
    m_position = 0;
}

size_t RecordTextReader::EstimateLines(size_t totalSize)
{
    Have(m_position);
    size_t lines = 0;
    for (size_t at = m_position; at < m_size; ++lines) {
        const void* cr = std::memchr(m_bytes + at, '\r', m_size - at);
        at = cr ? static_cast<size_t>(static_cast<const char*>(cr) - m_bytes) + 1 : m_size;
    }
    const size_t seen = m_size - m_position;
    if (!m_read || m_ended || seen == 0 || totalSize <= seen) return lines;
    return static_cast<size_t>(double(lines) * double(totalSize) / double(seen));
}

size_t RecordTextReader::LineEnd(size_t from)
{
    while (Have(from)) {
        const void* cr = std::memchr(m_bytes + from, '\r', m_size - from);
        if (cr) return static_cast<size_t>(static_cast<const char*>(cr) - m_bytes);
        from = m_size;
    }
    return m_size;
}

void RecordTextReader::PassLineEnd(size_t at)
{
    m_position = at;
    if (Have(m_position) && m_bytes[m_position] == '\r') {
        ++m_position;
        // Only an LF: a line ended by a CR alone keeps the next line's first byte.
        if (Have(m_position) && m_bytes[m_position] == '\n') ++m_position;
    }
}

bool RecordTextReader::NextLine(CString& line)
{
    Forget();
    if (!Have(m_position)) return false;
    const size_t end = LineEnd(m_position);
    SetBytes(line, m_bytes + m_position, end - m_position);
    PassLineEnd(end);
    return true;
}

bool RecordTextReader::NextValue(CString& value)
{
    Forget();
    if (!Have(m_position)) return false;
    if (m_bytes[m_position] != kQuote || m_position < m_plainUntil) return NextLine(value);
    std::string& text = m_quoted;
    text.clear();
    size_t at = m_position + 1;
    for (;;) {
        const void* found = at < m_size ? std::memchr(m_bytes + at, kQuote, m_size - at) : nullptr;
        if (!found) {
            if (at < m_size) text.append(m_bytes + at, m_size - at);
            at = m_size;
            if (Have(at)) continue;
            m_plainUntil = m_size;
            break;
        }
        const size_t quote = static_cast<size_t>(static_cast<const char*>(found) - m_bytes);
        text.append(m_bytes + at, quote - at);
        const size_t next = quote + 1;
        const bool more = Have(next);
        if (more && m_bytes[next] == kQuote) {
            text += kQuote;
            at = next + 1;
            continue;
        }
        if (!more || m_bytes[next] == '\r') {
            SetBytes(value, text.data(), text.size());
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
    Forget();
    if (!Have(m_position)) return false;
    const size_t none = SIZE_MAX;
    size_t at = m_position;
    bool fieldStart = true;
    bool inQuotes = false;
    bool spansLines = false;  // the open quote began its field, so line ends inside it are text
    size_t firstLineEnd = none;  // the first line end inside the open quote
    while (Have(at)) {
        const char c = m_bytes[at];
        if (inQuotes) {
            if (c == kQuote) {
                if (Have(at + 1) && m_bytes[at + 1] == kQuote) {
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
    if (at >= m_size && inQuotes && firstLineEnd != none) at = firstLineEnd;
    SetBytes(line, m_bytes + m_position, at - m_position);
    PassLineEnd(at);
    return true;
}

void RecordTextWriter::Quoted(std::string_view text)
{
    m_buffer += kQuote;
    const char* p = text.data();
    const char* end = p + text.size();
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

bool NeedsQuotesOnItsLine(std::string_view value)
{
    if (!value.empty() && value[0] == kQuote) return true;
    return value.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace qbk
