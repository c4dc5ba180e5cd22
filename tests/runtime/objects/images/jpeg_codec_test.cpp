#include "image_convert.h"
#include "image_samples.h"
#include "jpeg_codec.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace qbk;
using qbktest::Bytes;

namespace {

RgbImage Decode(const Bytes& bytes)
{
    MemoryReader reader(bytes.data(), bytes.size());
    return DecodeJpeg(reader);
}

Bytes Encode(const Bytes& rgb, int width, int height, int quality)
{
    GrowingWriter out;
    EXPECT_TRUE(EncodeJpeg(out, rgb.data(), width, height, quality));
    return Bytes(out.Data(), out.Data() + out.Size());
}

Bytes Noise(int width, int height)
{
    Bytes b(size_t(width) * height * 3);
    uint32_t state = 12345;
    for (uint8_t& v : b) {
        state = state * 1103515245 + 12345;
        v = uint8_t(state >> 16);
    }
    return b;
}

int MaxDifference(const uint8_t* a, const uint8_t* b, size_t size)
{
    int worst = 0;
    for (size_t i = 0; i < size; ++i) worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
    return worst;
}

// A writer that takes a fixed number of bytes and then refuses.
class FullDisk : public ByteWriter {
public:
    explicit FullDisk(size_t room) : room_(room) {}
    bool Write(const void*, size_t size) override
    {
        if (size > room_) return false;
        room_ -= size;
        return true;
    }

private:
    size_t room_;
};

// A scratch file of this process alone: test programs of several trees may run at once.
std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() /
            ("qbk_jpeg_test_" + std::to_string(qbktest::ProcessId()) + "_" + name))
        .string();
}

}  // namespace

TEST(Jpeg, EncodeThenDecodeStaysCloseAtHighQuality)
{
    const int w = 37, h = 21;  // not multiples of the block size
    Bytes rgb = qbktest::PatternRgb(w, h);
    Bytes jpeg = Encode(rgb, w, h, 100);
    ASSERT_GT(jpeg.size(), 100u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    RgbImage back = Decode(jpeg);
    ASSERT_TRUE(back);
    EXPECT_EQ(back.width, w);
    EXPECT_EQ(back.height, h);
    EXPECT_LE(MaxDifference(back.pixels.get(), rgb.data(), rgb.size()), 24);
}

TEST(Jpeg, LowerQualityGivesSmallerFiles)
{
    Bytes rgb = qbktest::PatternRgb(64, 64);
    EXPECT_LT(Encode(rgb, 64, 64, 10).size(), Encode(rgb, 64, 64, 95).size());
}

TEST(Jpeg, GreyImagesGiveEqualRedGreenBlue)
{
    Bytes grey(16 * 8);
    for (size_t i = 0; i < grey.size(); ++i) grey[i] = uint8_t(i * 2);
    RgbImage img = Decode(qbktest::MakeJpeg(16, 8, 1, grey));
    ASSERT_TRUE(img);
    for (size_t i = 0; i < img.Size(); i += 3) {
        ASSERT_EQ(img.pixels[i], img.pixels[i + 1]);
        ASSERT_EQ(img.pixels[i], img.pixels[i + 2]);
    }
    EXPECT_NEAR(img.pixels[3 * 20], grey[20], 6);
}

TEST(Jpeg, CmykImagesFailCleanly)
{
    Bytes cmyk(8 * 8 * 4, 100);
    EXPECT_FALSE(Decode(qbktest::MakeJpeg(8, 8, 4, cmyk)));
}

TEST(Jpeg, EmptyAndDamagedStreamsFail)
{
    EXPECT_FALSE(Decode({}));
    EXPECT_FALSE(Decode({0xFF, 0xD8}));
    EXPECT_FALSE(Decode({'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'}));
    Bytes jpeg = Encode(qbktest::PatternRgb(16, 16), 16, 16, 80);
    Bytes header = jpeg;
    header[1] = 0x00;  // start-of-image marker destroyed
    EXPECT_FALSE(Decode(header));
}

TEST(Jpeg, AStreamCutInTheMiddleStillDecodesAtFullSize)
{
    const int w = 64, h = 64;
    Bytes rgb = Noise(w, h);
    Bytes jpeg = Encode(rgb, w, h, 100);
    ASSERT_GT(jpeg.size(), 8000u);
    RgbImage whole = Decode(jpeg);
    ASSERT_TRUE(whole);
    jpeg.resize(jpeg.size() / 2);
    RgbImage img = Decode(jpeg);
    ASSERT_TRUE(img);
    EXPECT_EQ(img.width, w);
    EXPECT_EQ(img.height, h);
    int same = 0;
    while (same < h && std::memcmp(img.pixels.get() + size_t(same) * w * 3, whole.pixels.get() + size_t(same) * w * 3,
                                   size_t(w) * 3) == 0)
        ++same;
    EXPECT_GE(same, 8) << "rows that survived";
}

TEST(Jpeg, EncoderRefusesBadArgumentsAndReportsAFullDisk)
{
    Bytes rgb = Noise(64, 64);
    GrowingWriter out;
    EXPECT_FALSE(EncodeJpeg(out, nullptr, 4, 4, 80));
    EXPECT_FALSE(EncodeJpeg(out, rgb.data(), 0, 4, 80));
    EXPECT_FALSE(EncodeJpeg(out, rgb.data(), 4, -1, 80));
    FullDisk small(5000);
    EXPECT_FALSE(EncodeJpeg(small, rgb.data(), 64, 64, 100));  // fails while full blocks go out
    FullDisk tail(4096);
    EXPECT_FALSE(EncodeJpeg(tail, rgb.data(), 64, 64, 100));  // fails on the last part
}

TEST(Jpeg, QualityOutsideTheRangeIsClamped)
{
    Bytes rgb = qbktest::PatternRgb(8, 8);
    EXPECT_TRUE(Decode(Encode(rgb, 8, 8, -5)));
    EXPECT_TRUE(Decode(Encode(rgb, 8, 8, 500)));
}

TEST(JpegFile, WriteThenReadAFile)
{
    std::string path = TempPath("file.jpg");
    Bytes rgb = qbktest::PatternRgb(20, 10);
    ASSERT_TRUE(EncodeJpegFile(path.c_str(), rgb.data(), 20, 10, 90));
    RgbImage img = DecodeJpegFile(path.c_str());
    ASSERT_TRUE(img);
    EXPECT_EQ(img.width, 20);
    std::remove(path.c_str());
    EXPECT_FALSE(DecodeJpegFile(path.c_str()));
    EXPECT_FALSE(DecodeJpegFile(""));
    EXPECT_FALSE(DecodeJpegFile(nullptr));
    EXPECT_FALSE(EncodeJpegFile("/nonexistent-folder/x.jpg", rgb.data(), 20, 10, 90));
}

TEST(JpegConvert, JpegToBmpAndBack)
{
    Bytes rgb = qbktest::PatternRgb(9, 5);
    Bytes jpeg = Encode(rgb, 9, 5, 100);
    MemoryReader in(jpeg.data(), jpeg.size());
    GrowingWriter bmp;
    ASSERT_TRUE(JpegToBmp(in, bmp));
    EXPECT_EQ(bmp.Size(), 54u + 5 * 28);
    // The BMP holds bottom-first blue-green-red rows: its first pixel is the image's bottom-left.
    const uint8_t* first = bmp.Data() + 54;
    const uint8_t* expect = &rgb[(4 * 9) * 3];
    EXPECT_NEAR(first[2], expect[0], 24);
    EXPECT_NEAR(first[1], expect[1], 24);
    GrowingWriter again;
    ASSERT_TRUE(BmpToJpeg(bmp.Data(), bmp.Size(), nullptr, &again, 90));
    Bytes jpeg2(again.Data(), again.Data() + again.Size());
    RgbImage back = Decode(jpeg2);
    ASSERT_TRUE(back);
    EXPECT_EQ(back.width, 9);
    EXPECT_EQ(back.height, 5);
    EXPECT_FALSE(BmpToJpeg(jpeg.data(), jpeg.size(), nullptr, &again, 90));
}
