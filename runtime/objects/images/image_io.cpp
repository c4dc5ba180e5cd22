#include "image_io.h"

#include <cstring>

namespace qbk {

size_t MemoryReader::Read(void* buffer, size_t size)
{
    size_t n = size_ - pos_ < size ? size_ - pos_ : size;
    if (n) {
        std::memcpy(buffer, data_ + pos_, n);
        pos_ += n;
    }
    return n;
}

bool GrowingWriter::Grow(size_t size)
{
    if (size <= capacity_ - size_) return true;
    size_t want = capacity_ ? capacity_ : 4096;
    while (want - size_ < size) {
        if (want > SIZE_MAX / 2) return false;
        want *= 2;
    }
    void* grown = std::realloc(data_.get(), want);
    if (!grown) return false;
    data_.release();
    data_.reset(static_cast<uint8_t*>(grown));
    capacity_ = want;
    return true;
}

bool GrowingWriter::Write(const void* data, size_t size)
{
    if (size == 0) return true;
    if (!Grow(size)) return false;
    std::memcpy(data_.get() + size_, data, size);
    size_ += size;
    return true;
}

FILE* OpenBinaryFile(const char* name, bool forWriting)
{
    if (!name || !*name) return nullptr;
    return std::fopen(name, forWriting ? "wb" : "rb");
}

}  // namespace qbk
