#include "fw_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

#ifdef _WIN32
#include <io.h>
#define FW_FSEEK _fseeki64
#define FW_FTELL _ftelli64
#else
#include <unistd.h>
#define FW_FSEEK fseeko
#define FW_FTELL ftello
#endif

namespace {

int CauseOf(int err)
{
    switch (err) {
    case ENOENT: return CFileException::fileNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return CFileException::accessDenied;
    case EMFILE:
    case ENFILE: return CFileException::tooManyOpenFiles;
    case ENOSPC: return CFileException::diskFull;
    case ENAMETOOLONG:
    case ENOTDIR: return CFileException::badPath;
    default: return CFileException::genericException;
    }
}

bool PathExists(const char* name)
{
    struct stat st;
    return stat(name, &st) == 0;
}

}  // namespace

FILE* FwOpenFile(const char* name, const char* mode)
{
    if (!name || !*name) {
        errno = ENOENT;
        return nullptr;
    }
    FILE* f = std::fopen(name, mode);
#ifndef _WIN32
    struct stat st;
    if (f && fstat(fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
        std::fclose(f);
        errno = EISDIR;
        return nullptr;
    }
#endif
    return f;
}

// ---- CFile ----

CFile::CFile(const char* fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error)) throw error;
}

CFile::~CFile() { Abort(); }

BOOL CFile::Open(const char* fileName, UINT openFlags, CFileException* error)
{
    Abort();
    UINT access = openFlags & 3;
    bool create = (openFlags & modeCreate) != 0;
    bool keep = (openFlags & modeNoTruncate) != 0;
    const char* existing = access == modeRead ? "rb" : "r+b";
    const char* fresh = access == modeRead ? "w+b" : (access == modeWrite ? "wb" : "w+b");
    FILE* f = nullptr;
    if (!create) {
        f = FwOpenFile(fileName, existing);
    } else if (keep) {
        f = FwOpenFile(fileName, existing);
        if (!f && errno == ENOENT) f = FwOpenFile(fileName, fresh);
    } else {
        f = FwOpenFile(fileName, fresh);
    }
    if (!f) {
        int err = errno;
        if (error) *error = CFileException(CauseOf(err), err, fileName);
        return FALSE;
    }
    m_file = f;
    m_last = LastOp::none;
    m_path = fileName;
    return TRUE;
}

void CFile::Switch(LastOp op)
{
    // C streams need a positioning call between a read and a write.
    if (m_last != LastOp::none && m_last != op) FW_FSEEK(m_file, 0, SEEK_CUR);
    m_last = op;
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (!m_file || !buffer || count == 0) return 0;
    Switch(LastOp::read);
    size_t n = std::fread(buffer, 1, count, m_file);
    if (n < count) std::clearerr(m_file);
    return static_cast<UINT>(n);
}

void CFile::Write(const void* buffer, UINT count)
{
    if (count == 0) return;
    if (!m_file || !buffer) throw CFileException(CFileException::invalidFile, -1, m_path);
    Switch(LastOp::write);
    size_t n = std::fwrite(buffer, 1, count, m_file);
    if (n < count) {
        int err = errno;
        std::clearerr(m_file);
        throw CFileException(err == ENOSPC ? CFileException::diskFull : CFileException::accessDenied, err, m_path);
    }
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    if (!m_file) throw CFileException(CFileException::invalidFile, -1, m_path);
    int whence = from == current ? SEEK_CUR : (from == end ? SEEK_END : SEEK_SET);
    if (whence == SEEK_CUR) {
        long long pos = static_cast<long long>(GetPosition());
        if (offset < -pos) throw CFileException(CFileException::badSeek, EINVAL, m_path);
    } else if (whence == SEEK_SET && offset < 0) {
        throw CFileException(CFileException::badSeek, EINVAL, m_path);
    }
    FlushWrites();
    if (FW_FSEEK(m_file, offset, whence) != 0) throw CFileException(CFileException::badSeek, errno, m_path);
    m_last = LastOp::none;
    return GetPosition();
}

ULONGLONG CFile::GetPosition() const
{
    if (!m_file) return 0;
    long long pos = FW_FTELL(m_file);
    return pos < 0 ? 0 : static_cast<ULONGLONG>(pos);
}

void CFile::FlushWrites() const
{
    // Some C libraries drop a read stream's buffered input on a flush, losing the bytes after
    // the position: only written bytes are pushed out.
    if (m_last == LastOp::write) std::fflush(m_file);
}

ULONGLONG CFile::GetLength() const
{
    if (!m_file) return 0;
    FlushWrites();
#ifdef _WIN32
    long long size = _filelengthi64(_fileno(m_file));
    return size < 0 ? 0 : static_cast<ULONGLONG>(size);
#else
    struct stat st;
    if (fstat(fileno(m_file), &st) != 0) return 0;
    return static_cast<ULONGLONG>(st.st_size);
#endif
}

void CFile::SetLength(ULONGLONG newLength)
{
    if (!m_file) throw CFileException(CFileException::invalidFile, -1, m_path);
    FlushWrites();
#ifdef _WIN32
    int rc = _chsize_s(_fileno(m_file), static_cast<long long>(newLength));
#else
    int rc = ftruncate(fileno(m_file), static_cast<off_t>(newLength));
#endif
    if (rc != 0) throw CFileException(CFileException::accessDenied, errno, m_path);
}

void CFile::Flush()
{
    if (m_file) FlushWrites();
}

void CFile::Close()
{
    if (!m_file) return;
    int rc = std::fclose(m_file);
    m_file = nullptr;
    if (rc != 0) throw CFileException(CFileException::diskFull, errno, m_path);
}

void CFile::Abort()
{
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}

CString CFile::GetFileName() const
{
    int cut = m_path.ReverseFind('\\');
    if (cut < 0) cut = m_path.ReverseFind('/');
    return m_path.Mid(cut + 1);
}

void CFile::Remove(const char* fileName)
{
    if (!fileName || std::remove(fileName) != 0) {
        int err = errno;
        throw CFileException(CauseOf(err), err, fileName);
    }
}

void CFile::Rename(const char* oldName, const char* newName)
{
    // Renaming never replaces an existing file, on every system.
    if (!oldName || !newName || !PathExists(oldName))
        throw CFileException(CFileException::fileNotFound, ENOENT, oldName);
    if (PathExists(newName)) throw CFileException(CFileException::accessDenied, EEXIST, newName);
    if (std::rename(oldName, newName) != 0) {
        int err = errno;
        throw CFileException(CauseOf(err), err, oldName);
    }
}

// ---- CMemFile ----

CMemFile::CMemFile(UINT growBytes) : m_growBytes(growBytes) {}

CMemFile::CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes) { Attach(buffer, bufferSize, growBytes); }

CMemFile::~CMemFile()
{
    if (m_owned) std::free(m_buffer);
}

void CMemFile::Attach(BYTE* buffer, UINT bufferSize, UINT growBytes)
{
    Close();
    m_buffer = buffer;
    m_bufferSize = buffer ? bufferSize : 0;
    m_length = growBytes == 0 ? m_bufferSize : 0;
    m_position = 0;
    m_growBytes = growBytes;
    m_owned = false;
}

BYTE* CMemFile::Detach()
{
    BYTE* block = m_buffer;
    m_buffer = nullptr;
    m_bufferSize = m_length = m_position = 0;
    m_owned = true;
    if (m_growBytes == 0) m_growBytes = 1024;
    return block;
}

void CMemFile::Reserve(size_t needed)
{
    if (needed <= m_bufferSize) return;
    if (m_growBytes == 0) throw CMemoryException();
    size_t step = m_growBytes;
    if (needed > std::numeric_limits<size_t>::max() - step) throw CMemoryException();
    size_t size = (needed + step - 1) / step * step;
    BYTE* block;
    if (m_owned) {
        block = static_cast<BYTE*>(std::realloc(m_buffer, size));
    } else {
        block = static_cast<BYTE*>(std::malloc(size));
        if (block && m_length) std::memcpy(block, m_buffer, m_length);
    }
    if (!block) throw CMemoryException();
    m_buffer = block;
    m_bufferSize = size;
    m_owned = true;
}

UINT CMemFile::Read(void* buffer, UINT count)
{
    if (!buffer || m_position >= m_length) return 0;
    size_t n = std::min<size_t>(count, m_length - m_position);
    std::memcpy(buffer, m_buffer + m_position, n);
    m_position += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* buffer, UINT count)
{
    if (count == 0) return;
    if (!buffer) throw CInvalidArgException();
    if (m_position > std::numeric_limits<size_t>::max() - count) throw CMemoryException();
    size_t endPos = m_position + count;
    Reserve(endPos);
    if (m_position > m_length) std::memset(m_buffer + m_length, 0, m_position - m_length);
    std::memcpy(m_buffer + m_position, buffer, count);
    m_position = endPos;
    if (endPos > m_length) m_length = endPos;
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from)
{
    long long base = from == current ? static_cast<long long>(m_position)
                     : from == end   ? static_cast<long long>(m_length)
                                     : 0;
    if (offset < -base) throw CFileException(CFileException::badSeek, EINVAL, m_path);
    if (offset > 0 && static_cast<unsigned long long>(base) + static_cast<unsigned long long>(offset) >
                          std::numeric_limits<size_t>::max())
        throw CFileException(CFileException::badSeek, EINVAL, m_path);
    m_position = static_cast<size_t>(base + offset);
    return m_position;
}

void CMemFile::SetLength(ULONGLONG newLength)
{
    if (newLength > std::numeric_limits<size_t>::max()) throw CMemoryException();
    size_t n = static_cast<size_t>(newLength);
    if (n > m_length) {
        Reserve(n);
        std::memset(m_buffer + m_length, 0, n - m_length);
    }
    m_length = n;
    if (m_position > m_length) m_position = m_length;
}

void CMemFile::Close()
{
    if (m_owned) std::free(m_buffer);
    m_buffer = nullptr;
    m_bufferSize = m_length = m_position = 0;
    m_owned = true;
    if (m_growBytes == 0) m_growBytes = 1024;  // a fixed caller's block is gone
}
