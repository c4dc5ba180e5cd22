// A stream over bytes in memory that hands out at most a few bytes per read, as a slow device
// or a pipe may: readers must gather lines across any number of reads.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "fw_file.h"

class PieceFile : public CFile {
public:
    PieceFile(std::string bytes, size_t piece) : m_bytes(std::move(bytes)), m_piece(piece ? piece : 1) {}

    UINT Read(void* buffer, UINT count) override
    {
        const size_t n = std::min({static_cast<size_t>(count), m_piece, m_bytes.size() - m_position});
        if (n) std::memcpy(buffer, m_bytes.data() + m_position, n);
        m_position += n;
        return static_cast<UINT>(n);
    }
    ULONGLONG Seek(LONGLONG offset, UINT from) override
    {
        const LONGLONG base = from == current ? LONGLONG(m_position) : from == end ? LONGLONG(m_bytes.size()) : 0;
        if (base + offset < 0) throw CFileException(CFileException::badSeek);
        m_position = std::min(static_cast<size_t>(base + offset), m_bytes.size());
        return m_position;
    }
    ULONGLONG GetPosition() const override { return m_position; }
    ULONGLONG GetLength() const override { return m_bytes.size(); }

private:
    std::string m_bytes;
    size_t m_piece;
    size_t m_position = 0;
};
