// Messages of the socket objects on the wire: four upper-case hexadecimal digits giving the
// payload's length in bytes ("%04X"), then the payload. TCP delivers a byte stream in pieces of any
// size, so the receiving side keeps what arrived between notices and hands out whole messages only.
#pragma once

#include <cstddef>
#include <string>

constexpr size_t kFrameHeaderBytes = 4;
constexpr size_t kMaxFramePayload = 0xFFFF;  // what four hexadecimal digits can give

// The message as it goes on the wire; false, and frame untouched, for a payload too long to frame.
bool FrameMessage(const char* payload, size_t length, std::string& frame);

// Collects the bytes of one connection and cuts whole messages out of them.
class FrameReader {
public:
    enum class Take { Message, NeedMore, Corrupt };

    // Keeps bytes that arrived. A reader that found a corrupt header ignores everything after it.
    void Append(const char* bytes, size_t count);
    // The next whole message, when all its bytes are here. Corrupt: a header that is not four
    // hexadecimal digits; the stream cannot be followed from there on, so the reader drops what it
    // holds and stays corrupt.
    Take Next(std::string& message);
    // Bytes held that belong to a message not complete yet.
    size_t Pending() const { return m_bytes.size() - m_start; }
    bool IsCorrupt() const { return m_corrupt; }

private:
    std::string m_bytes;
    size_t m_start = 0;  // where the next header begins in m_bytes
    bool m_corrupt = false;
};
