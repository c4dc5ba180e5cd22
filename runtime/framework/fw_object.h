// Root of the framework's class tree and the framework's exceptions.
// Failures are results throughout the runtime; these exceptions are reserved for what the
// framework itself cannot answer: an index outside an array, a refused file operation, no memory.
#pragma once

#include <string>

#include "fw_types.h"

class CObject {
public:
    virtual ~CObject() = default;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

class CException : public CObject {
public:
    // The reason in words, for logs and tests.
    virtual const char* Describe() const { return "framework exception"; }
};

class CMemoryException : public CException {
public:
    const char* Describe() const override { return "out of memory"; }
};

// An index or argument outside what the operation accepts (array indices among them).
class CInvalidArgException : public CException {
public:
    const char* Describe() const override { return "invalid argument"; }
};

class CFileException : public CException {
public:
    enum Cause {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    CFileException() = default;
    CFileException(int cause, long osError = -1, const char* fileName = nullptr)
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName ? fileName : "")
    {
    }

    const char* Describe() const override { return "file operation failed"; }

    int m_cause = none;
    long m_lOsError = -1;
    std::string m_strFileName;
};
