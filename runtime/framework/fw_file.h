// CFile: a disk file read and written as bytes (no translation of line ends), and CMemFile:
// a file held in a growable memory block. Both answer short reads at the end as counts; a write
// the file refuses, a negative seek or a refused rename/remove raise CFileException, as the
// framework's file operations do, and callers that must not fail catch it.
#pragma once

#include <cstdio>

#include "fw_object.h"
#include "fw_string.h"
#include "fw_types.h"

// fopen that never hands out a folder (some systems open folders for reading).
FILE* FwOpenFile(const char* name, const char* mode);

class CFile : public CObject {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,  // files are always opened sharable; the share bits are accepted
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,  // create, emptying an existing file unless modeNoTruncate is given
        modeNoTruncate = 0x2000,
        typeText = 0x4000,  // accepted; bytes are never translated
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens at once; raises CFileException when the file cannot be opened.
    CFile(const char* fileName, UINT openFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // False (and the cause in *error when given) when the file cannot be opened.
    virtual BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr);
    bool IsOpen() const { return m_file != nullptr; }

    // Reads up to count bytes at the position; answers how many were read (0 at the end).
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    // Moves the position and answers it; a target before the start raises badSeek.
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG newLength);
    virtual void Flush();
    virtual void Close();
    // Closes without raising anything.
    virtual void Abort();

    CString GetFilePath() const { return m_path; }
    CString GetFileName() const;

    static void Remove(const char* fileName);
    static void Rename(const char* oldName, const char* newName);

protected:
    CString m_path;

private:
    enum class LastOp { none, read, write };
    void Switch(LastOp op);
    void FlushWrites() const;

    FILE* m_file = nullptr;
    LastOp m_last = LastOp::none;
};

class CMemFile : public CFile {
public:
    // An empty memory file whose block grows in steps of growBytes.
    explicit CMemFile(UINT growBytes = 1024);
    // A memory file over a caller's block (see Attach).
    CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    ~CMemFile() override;

    // Works on the caller's block, which stays the caller's: with growBytes 0 its content is the
    // file and it never grows (a write past it raises CMemoryException); otherwise the file starts
    // empty in that block and moves to a block of its own when it outgrows it.
    void Attach(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    // Hands the block (allocated with malloc when the file made it) to the caller, who frees it,
    // and leaves the file empty.
    BYTE* Detach();

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetPosition() const override { return m_position; }
    ULONGLONG GetLength() const override { return m_length; }
    // Growing fills with zero bytes; shrinking below the position moves the position to the end.
    void SetLength(ULONGLONG newLength) override;
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

    // The bytes in place (null while the file has no block) and the block's size.
    BYTE* Data() { return m_buffer; }
    const BYTE* Data() const { return m_buffer; }
    size_t GetBufferSize() const { return m_bufferSize; }
    UINT GetGrowBytes() const { return m_growBytes; }

private:
    void Reserve(size_t needed);

    BYTE* m_buffer = nullptr;
    size_t m_bufferSize = 0;
    size_t m_length = 0;
    size_t m_position = 0;
    UINT m_growBytes = 1024;
    bool m_owned = true;  // the block is ours to free
};
