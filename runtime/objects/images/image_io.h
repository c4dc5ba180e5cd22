// The byte sources and sinks the image codecs read from and write to: a C file, a memory block,
// or (image_file_io.h) one of the framework's files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace qbk {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
// A block from malloc: the codecs allocate inside frames that the libraries' error jumps cross,
// where nothing with a destructor may live, and hand the block over afterwards.
using ByteBlock = std::unique_ptr<uint8_t[], FreeDeleter>;

class ByteReader {
public:
    virtual ~ByteReader() = default;
    // Reads up to size bytes; answers how many came (0 at the end or on an error).
    virtual size_t Read(void* buffer, size_t size) = 0;
    // Bytes still to come when the source knows it; lets readers refuse sizes the data cannot hold.
    virtual uint64_t Available() const { return UINT64_MAX; }
};

class ByteWriter {
public:
    virtual ~ByteWriter() = default;
    // Writes all size bytes; false when they could not all be written.
    virtual bool Write(const void* data, size_t size) = 0;
    // Pushes out what is buffered; false when the data did not all arrive.
    virtual bool Finish() { return true; }
    // A hint that about this many more bytes will follow.
    virtual void Expect(size_t) {}
};

class StdioReader : public ByteReader {
public:
    explicit StdioReader(FILE* file) : file_(file) {}
    size_t Read(void* buffer, size_t size) override { return std::fread(buffer, 1, size, file_); }

private:
    FILE* file_;
};

class StdioWriter : public ByteWriter {
public:
    explicit StdioWriter(FILE* file) : file_(file) {}
    bool Write(const void* data, size_t size) override { return std::fwrite(data, 1, size, file_) == size; }
    bool Finish() override { return std::fflush(file_) == 0 && !std::ferror(file_); }

private:
    FILE* file_;
};

class MemoryReader : public ByteReader {
public:
    MemoryReader(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    size_t Read(void* buffer, size_t size) override;
    size_t Position() const { return pos_; }
    uint64_t Available() const override { return size_ - pos_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Collects written bytes in a block that grows as needed.
class GrowingWriter : public ByteWriter {
public:
    bool Write(const void* data, size_t size) override;
    void Expect(size_t size) override { Grow(size); }
    const uint8_t* Data() const { return data_.get(); }
    size_t Size() const { return size_; }

private:
    // Room for size more bytes; false when it cannot be had.
    bool Grow(size_t size);

    ByteBlock data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

// Opens a file in binary mode; null for an empty name or when it cannot be opened.
FILE* OpenBinaryFile(const char* name, bool forWriting);

}  // namespace qbk
