// Any byte stream, cut anywhere: the reader hands out messages that framed again give back the
// bytes it consumed, and never holds more than it was given.
#include "socket_framing.h"

#include <cstdint>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const size_t piece = size_t(data[0] % 16) + 1;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const size_t count = size - 1;
    FrameReader reader;
    std::string consumed, message, frame;
    for (size_t at = 0; at < count; at += piece) {
        reader.Append(bytes + at, std::min(piece, count - at));
        while (reader.Next(message) == FrameReader::Take::Message) {
            if (!FrameMessage(message.data(), message.size(), frame)) abort();
            consumed += frame;
        }
        if (reader.Pending() > count) abort();
    }
    // Upper-case framing of what was read matches the input up to the case of the digits.
    if (consumed.size() > count) abort();
    for (size_t i = 0; i < consumed.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(consumed[i])) != std::toupper(static_cast<unsigned char>(bytes[i])))
            abort();
    return 0;
}
