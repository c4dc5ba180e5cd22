// A stream held in memory, in a block that grows in steps of 1024 bytes.
#pragma once

#include "KStream.h"

class KMemStream : public KStream {
public:
    KMemStream();
    ~KMemStream() override;

    bool IsOpen() const override { return m_data != nullptr; }
    void Close() override;
    int Write(const void* data, int n) override;
    int Read(void* data, int n) override;
    // A line ends at CR LF; a lone CR or LF stays in the line.
    bool ReadLine(KString& out, bool keepBlanks = false) override;
    // Reads through the first zero byte, which the string's length counts.
    int ReadString(KString& out) override;
    int Seek(int pos) override;
    int Tell() override { return m_position; }
    bool SetSize(int n) override;
    int Size() override { return m_size; }
    bool AtEnd() override { return m_position >= m_size; }

    // Replaces the contents with the whole file; the position goes to 0. On failure the stream
    // keeps what it held.
    bool LoadFile(const char* name);
#ifdef _WIN32
    // Appends the bytes of a resource (type, numeric id) of the module (null: the program);
    // the position goes to 0.
    bool LoadResource(const char* type, int id, void* module = nullptr);
#endif
    bool SaveFile(const char* name);
    // n bytes of undefined contents, position 0.
    bool Allocate(int n);
    // Opens a gap of n bytes at pos; the position stays.
    bool Insert(int pos, int n);
    // Removes n bytes at pos.
    bool Remove(int pos, int n);

    unsigned char* GetData() { return m_data; }
    const unsigned char* GetData() const { return m_data; }
    int Capacity() const { return m_capacity; }
    // Block size for n bytes: the next multiple of 1024 strictly above n.
    static int CapacityFor(int n);

private:
    // Sizes the block for n bytes (keeping min(size, n) bytes when asked). A replaced block is
    // handed back in *old for the caller to free once it has copied what it needs. False when
    // the memory cannot be had; the stream is then unchanged.
    bool Reblock(int n, bool keep, unsigned char** old);
    void ClampPosition();

    unsigned char* m_data;
    int m_size;
    int m_capacity;
    int m_position;
};
