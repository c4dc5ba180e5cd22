// Any byte string either loads as a consistent WAVE image or is refused without harm.
#include "KWaveData.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KMemStream stream;
    stream.Write(data, static_cast<int>(size));
    stream.Seek(0);
    KWaveData wave;
    uint32_t bytes = 0;
    if (wave.Load(&stream, true, &bytes)) {
        if (wave.FormatSize() < KWaveData::kFormatExSize || wave.SampleBytes() != bytes) std::abort();
        if (bytes > size) std::abort();
    } else if (wave.HasFormat() || wave.SampleBytes() != 0) {
        std::abort();
    }
    return 0;
}
