#include "KMemStream.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

// Sizes beyond this cannot be given a block by the capacity rule.
const int kMaxSize = INT_MAX - 1024;

}  // namespace

int KMemStream::CapacityFor(int n)
{
    if (n < 0) {
        n = 0;
    }
    return 1024 * (n / 1024 + 1);
}

KMemStream::KMemStream() : KStream(true), m_data(nullptr), m_size(0), m_capacity(0), m_position(0) {}

KMemStream::~KMemStream() { delete[] m_data; }

void KMemStream::Close()
{
    delete[] m_data;
    m_data = nullptr;
    m_size = 0;
    m_capacity = 0;
    m_position = 0;
}

bool KMemStream::Reblock(int n, bool keep, unsigned char** old)
{
    *old = nullptr;
    if (n < 0) {
        n = 0;
    }
    if (n > kMaxSize) {
        return false;
    }
    int capacity = CapacityFor(n);
    if (capacity != m_capacity || !m_data) {
        unsigned char* fresh = new (std::nothrow) unsigned char[capacity];
        if (!fresh) {
            return false;
        }
        if (keep && m_data) {
            std::memcpy(fresh, m_data, static_cast<size_t>(m_size < n ? m_size : n));
        }
        *old = m_data;
        m_data = fresh;
        m_capacity = capacity;
    }
    m_size = n;
    return true;
}

void KMemStream::ClampPosition()
{
    if (m_position > m_size) {
        m_position = m_size;
    }
}

int KMemStream::Write(const void* data, int n)
{
    if (n < 1 || !data || n > kMaxSize - m_position) {
        return 0;
    }
    // The data may lie in this stream's own block: the old block lives until the copy is done.
    unsigned char* old = nullptr;
    if (m_position + n > m_size && !Reblock(m_position + n, true, &old)) {
        return 0;
    }
    std::unique_ptr<unsigned char[]> release(old);
    std::memmove(m_data + m_position, data, static_cast<size_t>(n));
    m_position += n;
    return n;
}

int KMemStream::Read(void* data, int n)
{
    if (n < 1 || !data || m_position >= m_size) {
        return 0;
    }
    if (n > m_size - m_position) {
        n = m_size - m_position;
    }
    std::memcpy(data, m_data + m_position, static_cast<size_t>(n));
    m_position += n;
    return n;
}

bool KMemStream::ReadLine(KString& out, bool keepBlanks)
{
    if (m_position >= m_size) {
        out = "";
        return false;
    }
    int start = m_position;
    int end = start;
    while (end < m_size && !(m_data[end] == '\r' && end + 1 < m_size && m_data[end + 1] == '\n')) {
        ++end;
    }
    out.SetLength(end - start, false);
    if (end > start) {
        std::memcpy(&out[0], m_data + start, static_cast<size_t>(end - start));
    }
    m_position = end < m_size ? end + 2 : end;
    TrimLine(out, keepBlanks);
    return true;
}

int KMemStream::ReadString(KString& out)
{
    int end = m_position;
    while (end < m_size && m_data[end] != 0) {
        ++end;
    }
    return ReadText(out, (end < m_size ? end + 1 : end) - m_position);
}

int KMemStream::Seek(int pos)
{
    m_position = (pos < 0 || pos > m_size) ? m_size : pos;
    return m_position;
}

bool KMemStream::SetSize(int n)
{
    if (n < 0) {
        n = 0;
    }
    int oldSize = m_size;
    unsigned char* old = nullptr;
    if (!Reblock(n, true, &old)) {
        return false;
    }
    delete[] old;
    if (n > oldSize) {
        std::memset(m_data + oldSize, 0, static_cast<size_t>(n - oldSize));
    }
    ClampPosition();
    return true;
}

bool KMemStream::LoadFile(const char* name)
{
    if (!name || !*name) {
        return false;
    }
    FILE* file = std::fopen(name, "rb");
    if (!file) {
        return false;
    }
    bool ok = false;
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        length = std::ftell(file);
    }
    if (length >= 0 && length <= kMaxSize && std::fseek(file, 0, SEEK_SET) == 0) {
        int n = static_cast<int>(length);
        std::unique_ptr<unsigned char[]> block(new (std::nothrow) unsigned char[CapacityFor(n)]);
        if (block && std::fread(block.get(), 1, static_cast<size_t>(n), file) == static_cast<size_t>(n)) {
            delete[] m_data;
            m_data = block.release();
            m_capacity = CapacityFor(n);
            m_size = n;
            m_position = 0;
            ok = true;
        }
    }
    std::fclose(file);
    return ok;
}

bool KMemStream::SaveFile(const char* name)
{
    if (!name || !*name) {
        return false;
    }
    FILE* file = std::fopen(name, "wb");
    if (!file) {
        return false;
    }
    bool ok = m_size == 0 || std::fwrite(m_data, 1, static_cast<size_t>(m_size), file) == static_cast<size_t>(m_size);
    if (std::fclose(file) != 0) {
        ok = false;
    }
    return ok;
}

bool KMemStream::Allocate(int n)
{
    unsigned char* old = nullptr;
    if (!Reblock(n, false, &old)) {
        return false;
    }
    delete[] old;
    m_position = 0;
    return true;
}

bool KMemStream::Insert(int pos, int n)
{
    if (pos < 0 || pos > m_size || n < 1 || n > kMaxSize - m_size) {
        return false;
    }
    int tail = m_size - pos;
    unsigned char* old = nullptr;
    if (!Reblock(m_size + n, true, &old)) {
        return false;
    }
    delete[] old;
    std::memmove(m_data + pos + n, m_data + pos, static_cast<size_t>(tail));
    return true;
}

bool KMemStream::Remove(int pos, int n)
{
    if (pos < 0 || pos >= m_size || n < 1 || n > m_size - pos) {
        return false;
    }
    std::memmove(m_data + pos, m_data + pos + n, static_cast<size_t>(m_size - pos - n));
    unsigned char* old = nullptr;
    if (!Reblock(m_size - n, true, &old)) {
        // A smaller block could not be had: keep the present one.
        m_size -= n;
    }
    delete[] old;
    ClampPosition();
    return true;
}
