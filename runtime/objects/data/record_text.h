// The bytes of record-table files. Lines end with CR LF; a CR ends a line, and an LF right after
// it belongs to that line end; an LF anywhere else is an ordinary byte; a last line may lack its
// line end. A value quoted with '"' (each '"' inside doubled) may hold line ends of its own.
#pragma once

#include <cstddef>
#include <string>

#include "fw_file.h"
#include "fw_string.h"

namespace qbk {

class RecordTextReader {
public:
    RecordTextReader(const char* bytes, size_t size) : m_bytes(bytes), m_size(size) {}

    // The next line without its line end; false at the end of the bytes.
    bool NextLine(CString& line);
    // The next value of the one-value-per-line format: a quoted value whose closing quote ends its
    // line, or else the plain line (so that files with a stray quote read as they always did).
    bool NextValue(CString& value);
    // The next line of the semicolon format, raw for the tokenizer: a line end inside a quoted
    // field that began at the start of its field belongs to the field. A quote that is still open
    // at the end of the bytes ends the line at its first line end instead.
    bool NextCsvLine(CString& line);

private:
    size_t LineEnd(size_t from) const;
    void PassLineEnd(size_t at);

    const char* m_bytes;
    size_t m_size;
    size_t m_position = 0;
    size_t m_plainUntil = 0;  // values that begin before this are plain lines
};

// Collects output in large pieces and hands them to the file; raises what the file raises.
class RecordTextWriter {
public:
    explicit RecordTextWriter(CFile& file) : m_file(file) {}

    void Text(const CString& text) { m_buffer.append(text.GetString(), static_cast<size_t>(text.GetLength())); }
    void Char(char c) { m_buffer += c; }
    void LineEnd() { m_buffer += "\r\n"; }
    // '"', the text with each '"' doubled, '"'.
    void Quoted(const CString& text);
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
bool NeedsQuotesOnItsLine(const CString& value);

}  // namespace qbk
