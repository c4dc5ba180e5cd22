#include "wave_file.h"

#include <cstring>

namespace zvtools {

static void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
static void Put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
static void PutTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int rate, int channels)
{
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataSize);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, static_cast<std::uint16_t>(channels));
    Put32(out, static_cast<std::uint32_t>(rate));
    Put32(out, static_cast<std::uint32_t>(rate * channels * 2));
    Put16(out, static_cast<std::uint16_t>(channels * 2));
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataSize);
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

static std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

bool ParseWave(const std::vector<std::uint8_t>& b, WaveInfo& info)
{
    info = {};
    if (b.size() < 20 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0 ||
        std::memcmp(b.data() + 12, "fmt ", 4) != 0)
        return false;
    const std::size_t fmtSize = Get32(b, 16);
    if (fmtSize < 16 || fmtSize > b.size() - 20) return false;
    const std::size_t dataTag = 20 + fmtSize;
    if (b.size() - dataTag < 8 || std::memcmp(b.data() + dataTag, "data", 4) != 0) return false;
    const std::size_t dataSize = Get32(b, dataTag + 4);
    if (dataSize != b.size() - dataTag - 8) return false;
    info.channels = b[22] | b[23] << 8;
    info.rate = static_cast<int>(Get32(b, 24));
    info.bitsPerSample = b[34] | b[35] << 8;
    info.dataOffset = dataTag + 8;
    info.dataSize = dataSize;
    return true;
}

}  // namespace zvtools
