// Reading WAVE images: the chunk sequence, the format block handed to the device, and broken files.
#include <gtest/gtest.h>

#include "KWaveData.h"
#include "wave_image_builder.h"

using namespace wavetest;

namespace {

void Fill(KMemStream& stream, const std::vector<uint8_t>& bytes)
{
    stream.Write(bytes.data(), static_cast<int>(bytes.size()));
    stream.Seek(0);
}

std::vector<uint8_t> SampleBytes(KWaveData& wave)
{
    std::vector<uint8_t> out(wave.SampleBytes());
    wave.Samples().Seek(0);
    wave.Samples().Read(out.data(), static_cast<int>(out.size()));
    return out;
}

}  // namespace

TEST(WaveData, PcmImageGivesPaddedFormatAndAllSamples)
{
    WaveSpec spec;
    spec.channels = 2;
    KMemStream stream;
    Fill(stream, WaveImage(spec));
    KWaveData wave;
    uint32_t size = 0;
    ASSERT_TRUE(wave.Load(&stream, true, &size));

    std::vector<uint8_t> samples = ToneSamples(spec);
    EXPECT_EQ(size, samples.size());
    EXPECT_EQ(SampleBytes(wave), samples);
    EXPECT_EQ(wave.BlockAlign(), 4u);
    // The 16-byte chunk becomes a whole 18-byte structure whose size field reads 0.
    ASSERT_EQ(wave.FormatSize(), KWaveData::kFormatExSize);
    std::vector<uint8_t> fmt = FormatChunk(spec);
    EXPECT_TRUE(std::equal(fmt.begin(), fmt.end(), wave.Format()));
    EXPECT_EQ(wave.Format()[16], 0);
    EXPECT_EQ(wave.Format()[17], 0);
    EXPECT_EQ(stream.Remaining(), 0);
}

TEST(WaveData, LongerFormatChunksAreKeptWhole)
{
    for (uint32_t length : {18u, 40u}) {
        WaveSpec spec;
        spec.formatLength = length;
        KMemStream stream;
        Fill(stream, WaveImage(spec));
        KWaveData wave;
        ASSERT_TRUE(wave.Load(&stream, true)) << length;
        EXPECT_EQ(wave.FormatSize(), length);
        EXPECT_EQ(SampleBytes(wave), ToneSamples(spec));
    }
}

TEST(WaveData, TheExtraSizeHandedOnNeverExceedsTheChunk)
{
    struct Case {
        uint32_t length;
        uint16_t claimed;
        uint16_t kept;
    };
    const Case cases[] = {{18, 0xFFFF, 0}, {17, 0, 0}, {22, 100, 4}, {22, 2, 2}, {40, 22, 22}};
    for (const Case& c : cases) {
        WaveSpec spec;
        spec.formatLength = c.length;
        std::vector<uint8_t> image = WaveImage(spec);
        // The size field sits 16 bytes into the chunk, whose bytes start 20 bytes into the image.
        if (c.length >= 18) {
            image[20 + 16] = uint8_t(c.claimed);
            image[20 + 17] = uint8_t(c.claimed >> 8);
        } else if (c.length == 17) {
            image[20 + 16] = 0xFF;
        }
        KMemStream stream;
        Fill(stream, image);
        KWaveData wave;
        ASSERT_TRUE(wave.Load(&stream, true)) << c.length;
        const uint8_t* format = wave.Format();
        EXPECT_EQ(c.kept, format[16] | (format[17] << 8)) << c.length << " " << c.claimed;
    }
}

TEST(WaveData, ImagesFollowingEachOtherLoadInTurn)
{
    WaveSpec a, b;
    b.milliseconds = 30;
    b.frequency = 880;
    std::vector<uint8_t> both = WaveImage(a), second = WaveImage(b);
    both.insert(both.end(), second.begin(), second.end());
    KMemStream stream;
    Fill(stream, both);

    KWaveData wave;
    ASSERT_TRUE(wave.Load(&stream, true));
    EXPECT_EQ(SampleBytes(wave), ToneSamples(a));
    ASSERT_TRUE(wave.Load(&stream, true));
    EXPECT_EQ(SampleBytes(wave), ToneSamples(b));
}

TEST(WaveData, WithoutSamplesOnlyTheFormatIsRead)
{
    WaveSpec spec;
    KMemStream stream;
    Fill(stream, WaveImage(spec));
    KWaveData wave;
    uint32_t size = 0;
    ASSERT_TRUE(wave.Load(&stream, false, &size));
    EXPECT_TRUE(wave.HasFormat());
    EXPECT_EQ(wave.SampleBytes(), 0u);
    EXPECT_EQ(size, ToneSamples(spec).size());
}

struct BrokenCase {
    const char* name;
    std::vector<uint8_t> image;
};

std::vector<BrokenCase> BrokenImages()
{
    WaveSpec spec;
    std::vector<uint8_t> good = WaveImage(spec);
    std::vector<BrokenCase> cases;
    auto bent = [&](const char* name, size_t offset, const char* bytes) {
        std::vector<uint8_t> image = good;
        std::copy(bytes, bytes + 4, image.begin() + offset);
        cases.push_back({name, image});
    };
    auto length = [&](const char* name, size_t offset, uint32_t value) {
        std::vector<uint8_t> image = good;
        Patch32(image, offset, value);
        cases.push_back({name, image});
    };
    cases.push_back({"empty", {}});
    bent("not RIFF", 0, "RIFX");
    bent("not WAVE", 8, "AVI ");
    bent("no fmt chunk", 12, "fmt_");
    bent("no data chunk", 20 + spec.formatLength, "fact");
    std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 4, 0, 0, 0, 'I', 'N', 'F', 'O'};
    cases.push_back({"LIST between fmt and data", WaveImage(spec, list)});
    cases.push_back({"ends inside the data", std::vector<uint8_t>(good.begin(), good.end() - 1)});
    cases.push_back({"ends inside the format", std::vector<uint8_t>(good.begin(), good.begin() + 30)});
    cases.push_back({"ends inside a length", std::vector<uint8_t>(good.begin(), good.begin() + 18)});
    length("format longer than the file", FormatLengthOffset(), uint32_t(good.size()));
    length("format length absurd", FormatLengthOffset(), 0xFFFFFFF0u);
    length("format shorter than PCM", FormatLengthOffset(), 14);
    length("data longer than the file", DataLengthOffset(spec), uint32_t(good.size()));
    length("data length absurd", DataLengthOffset(spec), 0xFFFFFFFFu);
    return cases;
}

TEST(WaveData, BrokenImagesAreRefusedAndLeaveNothingLoaded)
{
    for (const BrokenCase& c : BrokenImages()) {
        KMemStream stream;
        if (!c.image.empty()) Fill(stream, c.image);
        KWaveData wave;
        uint32_t size = 12345;
        EXPECT_FALSE(wave.Load(&stream, true, &size)) << c.name;
        EXPECT_FALSE(wave.HasFormat()) << c.name;
        EXPECT_EQ(wave.SampleBytes(), 0u) << c.name;
        EXPECT_EQ(size, 12345u) << c.name;
    }
}

TEST(WaveData, EveryTruncationIsRefused)
{
    std::vector<uint8_t> good = WaveImage(WaveSpec());
    for (size_t cut = 0; cut < good.size(); cut += (cut < 64 ? 1 : 97)) {
        KMemStream stream;
        stream.Write(good.data(), static_cast<int>(cut));
        stream.Seek(0);
        KWaveData wave;
        EXPECT_FALSE(wave.Load(&stream, true)) << cut;
    }
}

TEST(WaveData, FailedLoadForgetsTheEarlierSound)
{
    KMemStream good, bad;
    Fill(good, WaveImage(WaveSpec()));
    Fill(bad, {'R', 'I', 'F', 'F'});
    KWaveData wave;
    ASSERT_TRUE(wave.Load(&good, true));
    EXPECT_FALSE(wave.Load(&bad, true));
    EXPECT_FALSE(wave.HasFormat());
    EXPECT_EQ(wave.SampleBytes(), 0u);
    EXPECT_FALSE(wave.Load(nullptr, true));
}
