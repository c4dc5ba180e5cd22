#include "KWaveData.h"

#include <cstring>

namespace {

bool ReadTag(KStream* stream, const char* tag)
{
    char bytes[4];
    return stream->Read(bytes, 4) == 4 && std::memcmp(bytes, tag, 4) == 0;
}

bool ReadLength(KStream* stream, uint32_t* value)
{
    uint8_t b[4];
    if (stream->Read(b, 4) != 4) return false;
    *value = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
    return true;
}

// A chunk can never be longer than what is left of the stream.
bool Fits(KStream* stream, uint32_t length)
{
    int remaining = stream->Remaining();
    return remaining >= 0 && length <= static_cast<uint32_t>(remaining);
}

}  // namespace

KWaveData::KWaveData() = default;

void KWaveData::Clear()
{
    format_.clear();
    format_.shrink_to_fit();
    samples_.Close();
}

uint32_t KWaveData::BlockAlign() const
{
    if (format_.size() < kFormatExSize) return 0;
    return uint32_t(format_[12]) | (uint32_t(format_[13]) << 8);
}

bool KWaveData::Load(KStream* stream, bool withSamples, uint32_t* sizeOut)
{
    Clear();
    if (!stream) return false;

    uint32_t riffLength = 0, formatLength = 0, dataLength = 0;
    if (!ReadTag(stream, "RIFF") || !ReadLength(stream, &riffLength)) return false;
    if (!ReadTag(stream, "WAVE") || !ReadTag(stream, "fmt ")) return false;
    if (!ReadLength(stream, &formatLength)) return false;
    // Shorter than the PCM fields it is no format at all.
    if (formatLength < 16 || formatLength > kMaxFormatSize || !Fits(stream, formatLength)) return false;

    // A 16-byte PCM chunk lacks the size field of the structure handed on: keep it zeroed.
    std::vector<uint8_t> format(formatLength < kFormatExSize ? kFormatExSize : formatLength, 0);
    if (stream->Read(format.data(), static_cast<int>(formatLength)) != static_cast<int>(formatLength)) return false;
    // The size of the extra bytes is handed on with the structure: never more than the chunk holds.
    const uint32_t extra = formatLength > kFormatExSize ? formatLength - kFormatExSize : 0;
    if ((uint32_t(format[16]) | (uint32_t(format[17]) << 8)) > extra) {
        format[16] = static_cast<uint8_t>(extra & 0xFF);
        format[17] = static_cast<uint8_t>(extra >> 8);
    }

    if (!ReadTag(stream, "data") || !ReadLength(stream, &dataLength)) return false;
    if (dataLength > kMaxDataSize) return false;
    if (withSamples) {
        if (!Fits(stream, dataLength)) return false;
        if (samples_.CopyFrom(stream, static_cast<int>(dataLength)) != static_cast<int>(dataLength)) {
            samples_.Close();
            return false;
        }
        samples_.Seek(0);
    }
    format_.swap(format);
    if (sizeOut) *sizeOut = dataLength;
    return true;
}
