// A stream on a disk file, through the C runtime's buffered streams.
#pragma once

#include "KStream.h"

#include <cstdio>

class KFile : public KStream {
public:
    KFile();
    KFile(const char* name, bool write = false, bool create = false, bool read = true);
    ~KFile() override;

    // Modes: read "rb"; read+write+create "w+b"; read+write "r+b"; write+create "wb";
    // write alone "ab".
    bool Open(const char* name, bool write = false, bool create = false, bool read = true);

    bool IsOpen() const override { return m_file != nullptr; }
    void Close() override;
    int Write(const void* data, int n) override;
    int Read(void* data, int n) override;
    // A line ends at CR LF; other CRs and LFs are dropped.
    bool ReadLine(KString& out, bool keepBlanks = false) override;
    // Reads through a zero byte, which is consumed and not stored.
    int ReadString(KString& out) override;
    int Seek(int pos) override;
    int Tell() override;
    bool SetSize(int n) override;
    int Size() override;
    // True once the last byte has been read.
    bool AtEnd() override;

    const KString& GetName() const { return m_name; }

private:
    // The C runtime needs a seek between reading and writing on the same stream.
    void BeforeRead();
    void BeforeWrite();

    FILE* m_file;
    KString m_name;
    bool m_canRead;
    int m_lastOp;
};
