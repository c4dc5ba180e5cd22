// The bytes of record-table files. Lines end with CR LF; a CR ends a line, and an LF right after
// it belongs to that line end; an LF anywhere else is an ordinary byte; a last line may lack its
// line end. A value quoted with '"' (each '"' inside doubled) may hold line ends of its own.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "fw_file.h"
#include "fw_string.h"

namespace qbk {

class RecordTextReader {
public:
    // Reads bytes held whole in memory.
    RecordTextReader(const char* bytes, size_t size) : m_bytes(bytes), m_size(size) {}
    // Reads a source piece by piece into a buffer of piece bytes, which grows only for a line
    // longer than it: read(buffer, room) puts up to room bytes into buffer and answers how many
    // (0 at the end). It may raise.
    RecordTextReader(std::function<size_t(char*, size_t)> read, size_t piece)
        : m_bytes(nullptr), m_size(0), m_read(std::move(read)), m_piece(piece ? piece : 1)
    {
    }

    // About how many lines the data holds, given its whole size: exact for bytes held whole,
    // else scaled from what has been read so far.
    size_t EstimateLines(size_t totalSize);

    // The next line without its line end; false at the end of the data.
    bool NextLine(CString& line);
    // The next value of the one-value-per-line format: a quoted value whose closing quote ends its
    // line, or else the plain line (so that files with a stray quote read as they always did).
    bool NextValue(CString& value);
    // The next line of the semicolon format, raw for the tokenizer: a line end inside a quoted
    // field that began at the start of its field belongs to the field. A quote that is still open
    // at the end of the data ends the line at its first line end instead.
    bool NextCsvLine(CString& line);

private:
    // True when the byte at that offset is there, reading more of the source as needed. Offsets
    // stay valid while a line is read; only Forget moves the bytes.
    bool Have(size_t at) { return at < m_size || (m_read && ReadUpTo(at)); }
    bool ReadUpTo(size_t at);
    // Drops the bytes already read past, when enough have gathered.
    void Forget();
    size_t LineEnd(size_t from);
    void PassLineEnd(size_t at);

    const char* m_bytes;
    size_t m_size;
    size_t m_position = 0;
    size_t m_plainUntil = 0;  // values that begin before this are plain lines
    std::string m_quoted;

    std::function<size_t(char*, size_t)> m_read;  // none for bytes held whole
    size_t m_piece = 0;
    std::string m_buffer;  // its size is the room read into; the bytes held end at m_size
    bool m_ended = false;
};

// Collects output in large pieces and hands them to the file; raises what the file raises.
class RecordTextWriter {
public:
    explicit RecordTextWriter(CFile& file) : m_file(file) {}

    void Text(std::string_view text) { m_buffer.append(text); }
    void Char(char c) { m_buffer += c; }
    void LineEnd() { m_buffer += "\r\n"; }
    // '"', the text with each '"' doubled, '"'.
    void Quoted(std::string_view text);
    // Hands over what is held once enough has gathered.
    void Pass()
    {
        if (m_buffer.size() >= kPiece) Flush();
    }
    void Flush();

private:
    static constexpr size_t kPiece = 1 << 16;

    CFile& m_file;
    std::string m_buffer;
};

// A value that could not be read back from a line of its own: it holds a line end or begins with
// a quote.
bool NeedsQuotesOnItsLine(std::string_view value);
// The bytes of a text.
inline std::string_view View(const CString& text)
{
    return std::string_view(text.GetString(), static_cast<size_t>(text.GetLength()));
}

}  // namespace qbk
