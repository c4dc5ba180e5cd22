#include "socket_framing.h"

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

bool FrameMessage(const char* payload, size_t length, std::string& frame)
{
    if (length > kMaxFramePayload) return false;
    static const char kDigits[] = "0123456789ABCDEF";
    std::string made(kFrameHeaderBytes, '0');
    for (size_t i = 0; i < kFrameHeaderBytes; ++i) made[kFrameHeaderBytes - 1 - i] = kDigits[(length >> (4 * i)) & 0xF];
    made.append(payload, length);
    frame.swap(made);
    return true;
}

void FrameReader::Append(const char* bytes, size_t count)
{
    if (m_corrupt || count == 0) return;
    // Drop what was handed out before the buffer grows again, so it never holds more than the
    // messages not yet taken.
    if (m_start > 0 && m_start >= m_bytes.size() / 2) {
        m_bytes.erase(0, m_start);
        m_start = 0;
    }
    m_bytes.append(bytes, count);
}

FrameReader::Take FrameReader::Next(std::string& message)
{
    if (m_corrupt) return Take::Corrupt;
    if (Pending() < kFrameHeaderBytes) return Take::NeedMore;
    size_t length = 0;
    for (size_t i = 0; i < kFrameHeaderBytes; ++i) {
        const int digit = HexDigit(m_bytes[m_start + i]);
        if (digit < 0) {
            m_corrupt = true;
            m_bytes.clear();
            m_start = 0;
            return Take::Corrupt;
        }
        length = length * 16 + size_t(digit);
    }
    if (Pending() - kFrameHeaderBytes < length) return Take::NeedMore;
    message.assign(m_bytes, m_start + kFrameHeaderBytes, length);
    m_start += kFrameHeaderBytes + length;
    if (m_start == m_bytes.size()) {
        m_bytes.clear();
        m_start = 0;
    }
    return Take::Message;
}
