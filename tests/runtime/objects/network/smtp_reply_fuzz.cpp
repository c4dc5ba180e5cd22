// Server replies of any shape, in pieces: the reader ends with a code of three digits or refuses,
// and never holds more than its limit.
#include "smtp_message.h"

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const size_t piece = size_t(data[0] % 8) + 1;
    SmtpReplyReader reader;
    SmtpReplyReader::State state = SmtpReplyReader::State::NeedMore;
    for (size_t at = 1; at < size && state == SmtpReplyReader::State::NeedMore; at += piece)
        state = reader.Append(reinterpret_cast<const char*>(data + at), std::min(piece, size - at));
    if (state == SmtpReplyReader::State::Complete && (reader.Code() < 0 || reader.Code() > 999)) abort();
    const std::string body(reinterpret_cast<const char*>(data), size);
    const std::string safe = DataPhaseBody(body);
    // No line of the body can end the data phase.
    if (safe.find("\r\n.\r\n") != std::string::npos || safe.rfind(".\r\n", 0) == 0) abort();
    return 0;
}
