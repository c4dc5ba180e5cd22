// Byte streams with a position: the abstract stream, shared by memory and file streams.
#pragma once

#include "KString.h"

class KStream {
public:
    explicit KStream(bool memory) : m_memory(memory) {}
    KStream(const KStream&) = delete;
    KStream& operator=(const KStream&) = delete;
    virtual ~KStream();

    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    virtual int WriteData(const void* data, int n);
    // n < 0 writes the whole text.
    virtual int WriteText(const char* text, int n = -1);
    // Writes n bytes at the position (nothing for n < 1); returns the count written.
    virtual int Write(const void* data, int n) = 0;
    // The text, then CR LF; returns the bytes written.
    virtual int WriteLine(const char* text);
    // Reads min(n, remaining) bytes into a string of that length (n < 0: all that remains);
    // returns the count read.
    virtual int ReadText(KString& out, int n = -1);
    virtual int ReadData(void* data, int n);
    // Reads up to n bytes; returns the count read (0 for n < 1 or at the end).
    virtual int Read(void* data, int n) = 0;
    // Reads one line into out (trimmed of blanks and tabs unless keepBlanks); false when nothing
    // was left to read.
    virtual bool ReadLine(KString& out, bool keepBlanks = false) = 0;
    // Reads a zero-terminated text; returns the length of out.
    virtual int ReadString(KString& out) = 0;
    // A position outside 0..size goes to the size; returns the new position.
    virtual int Seek(int pos) = 0;
    virtual int Tell() = 0;
    // Cuts or extends the stream to n bytes; a position beyond the new end moves to the end.
    virtual bool SetSize(int n) = 0;
    virtual int Size() = 0;
    virtual int Remaining();
    virtual bool AtEnd() = 0;

    // Writes up to n bytes (n < 0: all) from the source's position into this stream, in chunks of
    // 1000 bytes; returns the total written.
    int CopyFrom(KStream* source, int n = -1);

    // Adds (or subtracts) the repeating key, byte by byte, to the bytes from offset to the end;
    // the key's first byte meets the byte at offset. The result goes to output (from its own
    // position) when given, otherwise back into this stream. False when this stream is not open
    // or the key is missing or empty.
    bool ScrambleStream(KStream* key, int offset = 0, KStream* output = nullptr);
    bool UnscrambleStream(KStream* key, int offset = 0, KStream* output = nullptr);

    bool IsMemory() const { return m_memory; }

protected:
    // Drops blanks and tabs at both ends unless keepBlanks.
    static void TrimLine(KString& line, bool keepBlanks);

    bool m_memory;

private:
    bool Scramble(KStream* key, int offset, KStream* output, int sign);
};
