#include "KFile.h"

#include <climits>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

enum { kNone, kRead, kWrite };

bool Truncate(FILE* file, int n)
{
#ifdef _WIN32
    return _chsize_s(_fileno(file), n) == 0;
#else
    return ftruncate(fileno(file), n) == 0;
#endif
}

}  // namespace

KFile::KFile() : KStream(false), m_file(nullptr), m_canRead(false), m_lastOp(kNone) {}

KFile::KFile(const char* name, bool write, bool create, bool read) : KFile() { Open(name, write, create, read); }

KFile::~KFile() { Close(); }

bool KFile::Open(const char* name, bool write, bool create, bool read)
{
    Close();
    if (!name || !*name || (!read && !write)) {
        return false;
    }
    const char* mode;
    if (read) {
        mode = !write ? "rb" : (create ? "w+b" : "r+b");
    } else {
        mode = create ? "wb" : "ab";
    }
    m_file = std::fopen(name, mode);
    if (!m_file) {
        return false;
    }
    m_name = name;
    m_canRead = read;
    m_lastOp = kNone;
    return true;
}

void KFile::Close()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_name = "";
    m_canRead = false;
    m_lastOp = kNone;
}

void KFile::BeforeRead()
{
    if (m_lastOp == kWrite) {
        std::fseek(m_file, 0, SEEK_CUR);
    }
    m_lastOp = kRead;
}

void KFile::BeforeWrite()
{
    if (m_lastOp == kRead) {
        std::fseek(m_file, 0, SEEK_CUR);
    }
    m_lastOp = kWrite;
}

int KFile::Write(const void* data, int n)
{
    if (!m_file || !data || n < 1) {
        return 0;
    }
    BeforeWrite();
    return static_cast<int>(std::fwrite(data, 1, static_cast<size_t>(n), m_file));
}

int KFile::Read(void* data, int n)
{
    if (!m_file || !data || n < 1) {
        return 0;
    }
    BeforeRead();
    return static_cast<int>(std::fread(data, 1, static_cast<size_t>(n), m_file));
}

bool KFile::ReadLine(KString& out, bool keepBlanks)
{
    out = "";
    if (!m_file) {
        return false;
    }
    BeforeRead();
    bool any = false;
    bool afterCr = false;
    int ch;
    while ((ch = std::fgetc(m_file)) != EOF) {
        any = true;
        if (ch == '\n' && afterCr) {
            break;
        }
        afterCr = ch == '\r';
        if (ch != '\r' && ch != '\n') {
            out.AppendChar(static_cast<char>(ch));
        }
    }
    TrimLine(out, keepBlanks);
    return any;
}

int KFile::ReadString(KString& out)
{
    out = "";
    if (!m_file) {
        return 0;
    }
    BeforeRead();
    int ch;
    while ((ch = std::fgetc(m_file)) != EOF && ch != 0) {
        out.AppendChar(static_cast<char>(ch));
    }
    return out.Length();
}

int KFile::Seek(int pos)
{
    if (!m_file) {
        return 0;
    }
    int size = Size();
    if (pos < 0 || pos > size) {
        pos = size;
    }
    m_lastOp = kNone;
    if (std::fseek(m_file, pos, SEEK_SET) != 0) {
        return Tell();
    }
    return pos;
}

int KFile::Tell()
{
    if (!m_file) {
        return 0;
    }
    long pos = std::ftell(m_file);
    if (pos < 0 || pos > INT_MAX) {
        return Size();
    }
    return static_cast<int>(pos);
}

bool KFile::SetSize(int n)
{
    if (!m_file || n < 0) {
        return false;
    }
    long pos = std::ftell(m_file);
    std::fflush(m_file);
    if (!Truncate(m_file, n)) {
        return false;
    }
    // Re-synchronise the C stream with the file; a position past the new end goes to the end.
    std::fseek(m_file, (pos < 0 || pos > n) ? n : pos, SEEK_SET);
    m_lastOp = kNone;
    return true;
}

int KFile::Size()
{
    if (!m_file) {
        return 0;
    }
    long pos = std::ftell(m_file);
    std::fseek(m_file, 0, SEEK_END);
    long size = std::ftell(m_file);
    std::fseek(m_file, pos < 0 ? 0 : pos, SEEK_SET);
    m_lastOp = kNone;
    return (size < 0 || size > INT_MAX) ? 0 : static_cast<int>(size);
}

bool KFile::AtEnd()
{
    if (!m_file) {
        return true;
    }
    if (!m_canRead) {
        return Tell() >= Size();
    }
    // Looks at the next byte: the end is known as soon as the last byte has been read.
    BeforeRead();
    int ch = std::fgetc(m_file);
    if (ch == EOF) {
        std::clearerr(m_file);
        return true;
    }
    std::ungetc(ch, m_file);
    return false;
}
