// The contents of a RIFF WAVE image: its format block and its samples, read from a stream.
// Platform-free so that broken files can be tested without a sound device.
#pragma once

#include "KMemStream.h"

#include <cstdint>
#include <vector>

class KWaveData {
public:
    // Bytes of a WAVEFORMATEX (packed); a shorter PCM "fmt " chunk is padded with zeros to this.
    static constexpr uint32_t kFormatExSize = 18;
    // Larger "fmt " chunks than this are not real formats, only broken files.
    static constexpr uint32_t kMaxFormatSize = 4096;
    // The largest buffer a sound device accepts (DSBSIZE_MAX).
    static constexpr uint32_t kMaxDataSize = 0x0FFFFFFF;

    KWaveData();

    // Reads "RIFF" length "WAVE" "fmt " N format "data" D [samples] from the stream's position,
    // chunks in exactly this order. Without withSamples the samples stay unread. Any mismatch, short
    // read or impossible length gives false and leaves the data empty.
    bool Load(KStream* stream, bool withSamples, uint32_t* sizeOut = nullptr);
    void Clear();

    bool HasFormat() const { return !format_.empty(); }
    // The format block: at least kFormatExSize bytes, null when none was loaded.
    const uint8_t* Format() const { return format_.empty() ? nullptr : format_.data(); }
    uint32_t FormatSize() const { return static_cast<uint32_t>(format_.size()); }
    // Bytes per sample frame (0 without a format).
    uint32_t BlockAlign() const;

    KMemStream& Samples() { return samples_; }
    uint32_t SampleBytes() { return samples_.Size() > 0 ? static_cast<uint32_t>(samples_.Size()) : 0; }

private:
    std::vector<uint8_t> format_;
    KMemStream samples_;
};
