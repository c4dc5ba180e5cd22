// Reads a stored project stream into the model. Every field is a run of scrambled bytes ended by a
// scrambled zero; counts are checked against the bytes that remain before anything is made, and
// the end of the data inside the structure fails the read.
#pragma once

#include <cstdint>

#include "project_model.h"
#include "stored_format.h"

class CFile;

class ProjectStreamReader {
public:
    // Reads the bytes of file from start up to, not including, end.
    ProjectStreamReader(CFile& file, uint64_t start, uint64_t end);

    // Reads one field into out (emptied first): bytes minus key up to the terminator (when the
    // terminator is 13, one byte more is dropped). False at the end of the data, out holding what
    // was read so far.
    bool ReadField(CString& out, BYTE terminator = 0, BYTE key = qbk::kProjectKey);
    bool ReadNumber(int32_t& out);
    bool Skip(uint64_t count);
    uint64_t Position() const { return m_position; }
    uint64_t Remaining() const { return m_end - m_position; }

    // One stream from the current position into runtime; nested streams recurse up to a limit.
    bool ReadProjectStream(CProjectRuntime& runtime, bool fullMode, int depth = 0);

private:
    bool Fill();
    bool ReadCount(int32_t& out, uint64_t minimumBytesEach);
    bool ReadWindow(CProjectRuntime& runtime, bool fullMode);
    bool ReadObject(CProjectRuntime& runtime, WindowRecord& window, int index);
    bool ReadFiles(CProjectRuntime& runtime, int depth);
    bool ReadDeclaredFunctions(CProjectRuntime& runtime);

    CFile& m_file;
    uint64_t m_position;
    uint64_t m_end;
    BYTE m_buffer[4096];
    uint64_t m_bufferStart = 0;  // file position of m_buffer[0]
    size_t m_bufferLength = 0;
};
