#include "wave_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace qbk;

namespace {

using Bytes = std::vector<uint8_t>;

void PutLe(Bytes* out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) out->push_back(uint8_t(v >> (8 * i)));
}

Bytes Chunk(const char* id, const Bytes& body, int64_t declared = -1, bool pad = true)
{
    Bytes out(id, id + 4);
    PutLe(&out, declared < 0 ? uint32_t(body.size()) : uint32_t(declared), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (pad && body.size() % 2) out.push_back(0);
    return out;
}

// The format chunk's body: 16 bytes of PCM format, then the extra size and extra bytes when given.
Bytes Format(uint16_t channels, uint32_t rate, uint16_t bits, int extraSize = -1, const Bytes& extra = {})
{
    const uint16_t block = uint16_t(channels * bits / 8);
    Bytes out;
    PutLe(&out, extraSize > 0 ? 0xFFFE : 1, 2);
    PutLe(&out, channels, 2);
    PutLe(&out, rate, 4);
    PutLe(&out, rate * block, 4);
    PutLe(&out, block, 2);
    PutLe(&out, bits, 2);
    if (extraSize >= 0) PutLe(&out, uint32_t(extraSize), 2);
    out.insert(out.end(), extra.begin(), extra.end());
    return out;
}

Bytes Samples(size_t size)
{
    Bytes out(size);
    for (size_t i = 0; i < size; ++i) out[i] = uint8_t(i * 7 + 3);
    return out;
}

// "RIFF", the length of what follows (or the one given), "WAVE", the chunks.
Bytes Wave(const std::vector<Bytes>& chunks, int64_t riffLength = -1)
{
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes out = {'R', 'I', 'F', 'F'};
    PutLe(&out, riffLength < 0 ? uint32_t(body.size()) : uint32_t(riffLength), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

size_t SamplesOffset(const Bytes& image, const WaveImage& wave) { return size_t(wave.samples - image.data()); }

}  // namespace

TEST(WaveFormat, APcmFileGivesItsFormatAndSamples)
{
    const Bytes samples = Samples(400);
    const Bytes image = Wave({Chunk("fmt ", Format(2, 22050, 16, 0)), Chunk("data", samples)});
    WaveImage wave;
    ASSERT_TRUE(ParseWaveImage(image.data(), image.size(), &wave));
    EXPECT_EQ(wave.format.formatTag, 1);
    EXPECT_EQ(wave.format.channels, 2);
    EXPECT_EQ(wave.format.samplesPerSec, 22050u);
    EXPECT_EQ(wave.format.avgBytesPerSec, 88200u);
    EXPECT_EQ(wave.format.blockAlign, 4);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.format.extraSize, 0);
    EXPECT_EQ(wave.formatBlock, Format(2, 22050, 16, 0));
    ASSERT_EQ(wave.samplesSize, 400u);
    EXPECT_EQ(Bytes(wave.samples, wave.samples + wave.samplesSize), samples);
}

TEST(WaveFormat, ChunksComeInAnyOrderWithPadBytesAfterOddOnes)
{
    const Bytes samples = Samples(101);  // odd, with 8-bit mono blocks of 1
    const Bytes image = Wave({Chunk("LIST", {'a', 'b', 'c'}), Chunk("data", samples), Chunk("junk", {1}),
                              Chunk("fmt ", Format(1, 8000, 8))});
    WaveImage wave;
    ASSERT_TRUE(ParseWaveImage(image.data(), image.size(), &wave));
    EXPECT_EQ(SamplesOffset(image, wave), 12u + 8 + 4 + 8);  // "LIST" and its pad byte
    EXPECT_EQ(wave.samplesSize, 101u);
    EXPECT_EQ(wave.format.samplesPerSec, 8000u);
}

TEST(WaveFormat, OnlyTheFirstFormatAndDataChunksCount)
{
    const Bytes image = Wave({Chunk("fmt ", Format(1, 11025, 8)), Chunk("data", Samples(10)),
                              Chunk("fmt ", Format(2, 44100, 16)), Chunk("data", Samples(20))});
    WaveImage wave;
    ASSERT_TRUE(ParseWaveImage(image.data(), image.size(), &wave));
    EXPECT_EQ(wave.format.samplesPerSec, 11025u);
    EXPECT_EQ(wave.samplesSize, 10u);
}

TEST(WaveFormat, ShortFormatChunksAreReadIntoAZeroedFullFormat)
{
    const Bytes extra22 = Samples(22);
    const Bytes pcm = Format(1, 8000, 8);
    struct Case {
        const char* name;
        Bytes body;
        bool ok;
        uint16_t bits;
        uint16_t extraSize;
        size_t blockSize;
    } cases[] = {
        {"12 bytes", Bytes(pcm.begin(), pcm.begin() + 12), false, 0, 0, 0},
        {"14 bytes", Bytes(pcm.begin(), pcm.begin() + 14), true, 0, 0, 18},
        {"16 bytes", Format(1, 8000, 8), true, 8, 0, 18},
        {"18 bytes", Format(1, 8000, 8, 0), true, 8, 0, 18},
        {"extra 22 claimed, none held", Format(1, 8000, 8, 22), true, 8, 0, 18},
        {"extra 22 claimed, 12 held", Format(1, 8000, 8, 22, Bytes(extra22.begin(), extra22.begin() + 12)), true, 8, 12,
         30},
        {"extra 22 held", Format(2, 48000, 16, 22, extra22), true, 16, 22, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes image = Wave({Chunk("fmt ", c.body), Chunk("data", Samples(64))});
        WaveImage wave;
        ASSERT_EQ(ParseWaveImage(image.data(), image.size(), &wave), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(wave.format.bitsPerSample, c.bits);
        EXPECT_EQ(wave.format.extraSize, c.extraSize);
        ASSERT_EQ(wave.formatBlock.size(), c.blockSize);
        EXPECT_EQ(wave.formatBlock[16] | wave.formatBlock[17] << 8, c.extraSize);
        const size_t copied = std::min(c.body.size(), size_t(16));
        EXPECT_EQ(Bytes(wave.formatBlock.begin(), wave.formatBlock.begin() + long(copied)),
                  Bytes(c.body.begin(), c.body.begin() + long(copied)));
        for (size_t i = copied; i < 16; ++i) EXPECT_EQ(wave.formatBlock[i], 0) << i;
        if (c.extraSize) {
            EXPECT_EQ(Bytes(wave.formatBlock.begin() + 18, wave.formatBlock.end()),
                      Bytes(extra22.begin(), extra22.begin() + c.extraSize));
        }
    }
}

TEST(WaveFormat, TheWalkIsBoundedByTheImageAndTheRiffLength)
{
    const Bytes fmt = Chunk("fmt ", Format(1, 8000, 16));
    const Bytes data = Chunk("data", Samples(100));
    struct Case {
        const char* name;
        Bytes image;
        bool ok;
        size_t samples;
    } cases[] = {
        {"riff length past the image", Wave({fmt, data}, 0x7FFFFFF0), true, 100},
        {"riff length ends before the data", Wave({fmt, data}, 4 + fmt.size()), false, 0},
        {"riff length ends inside the data", Wave({fmt, data}, 4 + fmt.size() + 8 + 50), true, 50},
        {"data claims more than there is", Wave({fmt, Chunk("data", Samples(100), 5000)}), true, 100},
        {"data cut inside a block", Wave({fmt, Chunk("data", Samples(101), 5000, false)}), true, 100},
        {"data holds no whole block", Wave({fmt, Chunk("data", Samples(1), 5000, false)}), false, 0},
        {"empty data", Wave({fmt, Chunk("data", {})}), false, 0},
        {"format cut off", Wave({Chunk("data", Samples(10)), Chunk("fmt ", Format(1, 8000, 16), 40, false)}), false, 0},
        {"huge chunk before the format", Wave({Chunk("junk", {1, 2, 3, 4}, 0xFFFFFFF0), fmt, data}), false, 0},
        {"no data chunk", Wave({fmt}), false, 0},
        {"no format chunk", Wave({data}), false, 0},
        {"a chunk header cut",
         [&] {
             Bytes b = Wave({fmt, data});
             b.resize(b.size() - 100 - 4);
             return b;
         }(),
         false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WaveImage wave;
        EXPECT_EQ(ParseWaveImage(c.image.data(), c.image.size(), &wave), c.ok);
        EXPECT_EQ(wave.samplesSize, c.samples);
        if (c.ok) {
            EXPECT_LE(SamplesOffset(c.image, wave) + wave.samplesSize, c.image.size());
        }
    }
}

TEST(WaveFormat, DamagedHeadersFail)
{
    const Bytes good = Wave({Chunk("fmt ", Format(1, 8000, 8)), Chunk("data", Samples(8))});
    WaveImage wave;
    ASSERT_TRUE(ParseWaveImage(good.data(), good.size(), &wave));
    for (size_t at : {0u, 3u, 8u, 11u}) {
        Bytes bad = good;
        bad[at] ^= 0x20;
        EXPECT_FALSE(ParseWaveImage(bad.data(), bad.size(), &wave)) << at;
    }
    EXPECT_FALSE(ParseWaveImage(nullptr, 0, &wave));
    EXPECT_FALSE(ParseWaveImage(good.data(), 11, &wave));
}

TEST(WaveFormat, EveryCutLoadsTheWholeBlocksThatRemainOrFails)
{
    const Bytes samples = Samples(64);
    const Bytes image = Wave({Chunk("fmt ", Format(2, 8000, 16)), Chunk("data", samples)});
    const size_t dataBody = 12 + 8 + 16 + 8;
    for (size_t cut = 0; cut <= image.size(); ++cut) {
        SCOPED_TRACE(cut);
        const Bytes part(image.begin(), image.begin() + long(cut));
        WaveImage wave;
        const bool ok = ParseWaveImage(part.data(), part.size(), &wave);
        const size_t whole = cut > dataBody ? (cut - dataBody) / 4 * 4 : 0;
        EXPECT_EQ(ok, whole > 0);
        EXPECT_EQ(wave.samplesSize, whole);
    }
}

TEST(WaveFormat, PlayingStartsInsideTheSamplesOnABlock)
{
    struct Case {
        int64_t requested;
        size_t size;
        unsigned block;
        size_t start;
    } cases[] = {
        {0, 400, 4, 0},         {-20, 400, 4, 0}, {7, 400, 4, 4}, {8, 400, 4, 8},         {401, 400, 4, 400},
        {1000000, 400, 4, 400}, {5, 400, 0, 5},   {5, 400, 1, 5}, {INT64_MAX, 12, 6, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.requested);
        EXPECT_EQ(WaveStartPosition(c.requested, c.size, c.block), c.start);
    }
}
