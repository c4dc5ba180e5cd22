#include "wave_file.h"

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

}  // namespace zvtools
