// Damaged WAVE images through the chunk walk; what loads must lie inside the image.
#include "wave_format.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qbk;
    std::vector<uint8_t> image(data, data + size);
    WaveImage wave;
    if (!ParseWaveImage(image.data(), image.size(), &wave)) return 0;
    const uint8_t* begin = image.data();
    if (wave.samples < begin || wave.samplesSize == 0 || size_t(wave.samples - begin) + wave.samplesSize > size) {
        __builtin_trap();
    }
    if (wave.formatBlock.size() != kWaveFormatExSize + wave.format.extraSize) __builtin_trap();
    // Touches every sample, so that a block reaching past the image shows up under the sanitizers.
    unsigned sum = 0;
    for (size_t i = 0; i < wave.samplesSize; ++i) sum += wave.samples[i];
    volatile unsigned sink = sum;
    (void)sink;
    const size_t start = WaveStartPosition(int64_t(size) * 3 - 7, wave.samplesSize, wave.format.blockAlign);
    if (start > wave.samplesSize) __builtin_trap();
    return 0;
}
