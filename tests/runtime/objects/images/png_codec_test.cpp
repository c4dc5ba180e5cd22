#include "bmp_format.h"
#include "image_convert.h"
#include "image_samples.h"
#include "png_codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

using namespace qbk;
using qbktest::Bytes;
using qbktest::PngSpec;

namespace {

// A decoded DIB that frees itself.
struct Dib {
    PngReadRequest req;
    char error[kPngErrorTextSize] = {};
    int code = -1;
    ~Dib() { std::free(req.dib); }
    uint32_t Header(size_t at) const { return ReadLe32(req.dib + at); }
    uint16_t BitCount() const { return ReadLe16(req.dib + 14); }
    // Row y counted from the top.
    const uint8_t* Row(int y) const
    {
        int w = int(Header(4)), h = int(Header(8));
        return req.bits + size_t(h - 1 - y) * DibRowSize(uint64_t(w), BitCount());
    }
};

void Read(const Bytes& png, Dib* dib)
{
    dib->req.memory = png.data();
    dib->req.memorySize = png.size();
    dib->req.errorText = dib->error;
    dib->code = ReadPngToDib(&dib->req);
}

Bytes Bmp24(int width, int height, const Bytes& rgbTopFirst)
{
    Bytes bgr = rgbTopFirst;
    SwapRedBlue(bgr.data(), size_t(width) * height);
    FlipRows(bgr.data(), size_t(width) * 3, size_t(height));
    GrowingWriter out;
    EXPECT_TRUE(WriteRgbAsBmp(bgr.data(), width, height, out));
    return Bytes(out.Data(), out.Data() + out.Size());
}

Bytes ToPng(const Bytes& bmp, int* code = nullptr, char* error = nullptr)
{
    GrowingWriter out;
    int c = BmpToPng(bmp.data(), bmp.size(), nullptr, &out, error);
    if (code) *code = c;
    return Bytes(out.Data(), out.Data() + out.Size());
}

// A scratch file of this process alone: test programs of several trees may run at once.
std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() /
            ("qbk_png_test_" + std::to_string(qbktest::ProcessId()) + "_" + name))
        .string();
}

}  // namespace

TEST(PngRead, TwoBitGreyBecomesAFourBitDibWithAFourEntryGreyTable)
{
    PngSpec s;
    s.width = 5;
    s.height = 1;
    s.colorType = PNG_COLOR_TYPE_GRAY;
    s.depth = 2;
    s.rows = {0x1B, 0xC0};  // 0 1 2 3 | 3
    Dib dib;
    Read(qbktest::MakePng(s), &dib);
    ASSERT_EQ(dib.code, 0) << dib.error;
    EXPECT_EQ(dib.BitCount(), 4);
    ASSERT_EQ(dib.req.colorCount, 4);
    EXPECT_EQ(dib.Header(32), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dib.req.colorTable[i * 4], uint8_t(i * 85));
    EXPECT_EQ(dib.Row(0)[0], 0x01);
    EXPECT_EQ(dib.Row(0)[1], 0x23);
    EXPECT_EQ(dib.Row(0)[2], 0x30);
}

TEST(PngRead, SixteenBitRgbBecomesTwentyFourBitBlueGreenRed)
{
    PngSpec s;
    s.width = 2;
    s.height = 2;
    s.colorType = PNG_COLOR_TYPE_RGB;
    s.depth = 16;
    s.rows = {0x10, 0, 0x20, 0, 0x30, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x80, 0x40, 0x40, 0x20, 0x20};
    Dib dib;
    Read(qbktest::MakePng(s), &dib);
    ASSERT_EQ(dib.code, 0) << dib.error;
    EXPECT_EQ(dib.BitCount(), 24);
    EXPECT_EQ(dib.Header(32), 0u);
    EXPECT_EQ(dib.Header(8), 2u);  // positive height: bottom row first
    const uint8_t* top = dib.Row(0);
    EXPECT_EQ(Bytes(top, top + 6), (Bytes{0x30, 0x20, 0x10, 0, 0, 0xFF}));
    const uint8_t* bottom = dib.Row(1);
    EXPECT_EQ(Bytes(bottom + 3, bottom + 6), (Bytes{0x20, 0x40, 0x80}));
}

TEST(PngRead, AlphaIsDroppedWithoutBlending)
{
    for (int type : {PNG_COLOR_TYPE_RGB_ALPHA, PNG_COLOR_TYPE_GRAY_ALPHA}) {
        PngSpec s;
        s.colorType = type;
        s.rows = type == PNG_COLOR_TYPE_RGB_ALPHA ? Bytes{200, 100, 50, 0} : Bytes{77, 0};
        Dib dib;
        Read(qbktest::MakePng(s), &dib);
        ASSERT_EQ(dib.code, 0) << dib.error;
        if (type == PNG_COLOR_TYPE_RGB_ALPHA) {
            EXPECT_EQ(Bytes(dib.Row(0), dib.Row(0) + 3), (Bytes{50, 100, 200}));
        } else {
            EXPECT_EQ(dib.BitCount(), 8);
            EXPECT_EQ(dib.Row(0)[0], 77);
        }
    }
}

TEST(PngRead, PaletteImagesKeepTheirDepthAndEveryIndexFindsAnEntry)
{
    PngSpec s;
    s.width = 3;
    s.colorType = PNG_COLOR_TYPE_PALETTE;
    s.depth = 4;
    s.palette = {255, 0, 0, 0, 255, 0};  // two entries only
    s.rows = {0x01, 0x00};
    Dib dib;
    Read(qbktest::MakePng(s), &dib);
    ASSERT_EQ(dib.code, 0) << dib.error;
    EXPECT_EQ(dib.BitCount(), 4);
    ASSERT_EQ(dib.req.colorCount, 16);
    EXPECT_EQ(Bytes(dib.req.colorTable, dib.req.colorTable + 8), (Bytes{0, 0, 255, 0, 0, 255, 0, 0}));
    EXPECT_EQ(dib.req.colorTable[15 * 4 + 2], 0);
}

TEST(PngRead, InterlacedImagesAndPhysicalSizeInMetres)
{
    PngSpec s;
    s.width = 9;
    s.height = 9;
    s.colorType = PNG_COLOR_TYPE_RGB;
    s.interlaced = true;
    s.pixelsPerMetre = 3780;
    s.rows = qbktest::PatternRgb(9, 9);
    Dib dib;
    Read(qbktest::MakePng(s), &dib);
    ASSERT_EQ(dib.code, 0) << dib.error;
    EXPECT_EQ(dib.Header(24), 3780u);
    EXPECT_EQ(dib.Header(28), 3780u);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) ASSERT_EQ(dib.Row(y)[x * 3 + 2], s.rows[(size_t(y) * 9 + x) * 3]) << x << "," << y;
}

TEST(PngRead, DamagedInputFailsWithACodeAndText)
{
    PngSpec s;
    s.width = 16;
    s.height = 16;
    s.colorType = PNG_COLOR_TYPE_RGB;
    s.rows = qbktest::PatternRgb(16, 16);
    Bytes png = qbktest::MakePng(s);
    {
        Dib dib;
        Read(Bytes(png.begin(), png.begin() + png.size() / 2), &dib);
        EXPECT_EQ(dib.code, kPngLibraryError);
        EXPECT_EQ(dib.req.dib, nullptr);
        EXPECT_STRNE(dib.error, "");
    }
    {
        Dib dib;
        Read({'B', 'M', 0, 0}, &dib);
        EXPECT_EQ(dib.code, kPngLibraryError);
    }
    {
        Dib dib;
        dib.req.requestSize = 3;
        Read(png, &dib);
        EXPECT_EQ(dib.code, kPngIncompatibleVersion);
        EXPECT_STREQ(dib.error, "Incompatible library version");
    }
    {
        Dib dib;
        dib.req.fileName = "/nonexistent-folder/none.png";
        Read(png, &dib);
        EXPECT_EQ(dib.code, kPngReadFailed);
        EXPECT_STREQ(dib.error, "Unable to read file");
    }
}

TEST(PngRead, HugeDimensionsAreRefusedBeforeAllocating)
{
    PngSpec s;
    s.width = 1;
    s.height = 1;
    s.colorType = PNG_COLOR_TYPE_RGB;
    s.rows = {1, 2, 3};
    Bytes png = qbktest::MakePng(s);
    // Rewrite the header to 900000 x 900000 (CRC fixed up).
    auto put = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) png[at + i] = uint8_t(v >> (24 - 8 * i));
    };
    put(16, 900000);
    put(20, 900000);
    put(29, uint32_t(crc32(0, &png[12], 17)));
    Dib dib;
    Read(png, &dib);
    EXPECT_EQ(dib.code, kPngUnsupported);
    EXPECT_EQ(dib.req.dib, nullptr);
}

TEST(PngWrite, BmpToPngRoundTripIsExactWithSoftwareAndGammaChunks)
{
    const int w = 7, h = 5;
    Bytes rgb = qbktest::PatternRgb(w, h);
    int code = -1;
    Bytes png = ToPng(Bmp24(w, h, rgb), &code);
    ASSERT_EQ(code, 0);
    std::vector<std::string> chunks = qbktest::PngChunks(png);
    EXPECT_EQ(chunks.front(), "IHDR");
    EXPECT_EQ(chunks.back(), "IEND");
    for (const char* c : {"sRGB", "gAMA", "tEXt"})
        EXPECT_NE(std::find(chunks.begin(), chunks.end(), c), chunks.end()) << c;
    std::string text(png.begin(), png.end());
    EXPECT_NE(text.find(std::string("Software\0QBK", 12)), std::string::npos);
    Dib dib;
    Read(png, &dib);
    ASSERT_EQ(dib.code, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c) ASSERT_EQ(dib.Row(y)[x * 3 + 2 - c], rgb[(size_t(y) * w + x) * 3 + c]);
}

TEST(PngWrite, IncompressibleImagesStillFit)
{
    const int w = 64, h = 64;
    Bytes noise(size_t(w) * h * 3);
    std::mt19937 random(7);
    for (uint8_t& b : noise) b = uint8_t(random());
    Bytes bmp = Bmp24(w, h, noise);
    int code = -1;
    Bytes png = ToPng(bmp, &code);
    ASSERT_EQ(code, 0);
    EXPECT_GT(png.size(), bmp.size());
}

TEST(PngWrite, BadDibsAreRejectedWithTheirTexts)
{
    Bytes bmp = Bmp24(2, 2, Bytes(12, 5));
    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        int code;
        const char* text;
    };
    const Case cases[] = {
        {"zero height", 22, 0, kPngInvalidBmp, "Unreasonable image dimensions (2x0)"},
        {"huge width", 18, 2000000, kPngInvalidBmp, "Unreasonable image dimensions (2000000x2)"},
        {"header size", 14, 20, kPngInvalidBmp, "Unexpected BMP header size (20)"},
        {"compression", 30, 1, kPngUnsupported, "Unsupported compression scheme"},
        {"bit depth", 28, 16, kPngInvalidBmp, "Unsupported bit depth (16)"},
        {"pixel offset", 10, 200, kPngInvalidBmp, "Invalid BMP image"},
    };
    for (const Case& c : cases) {
        Bytes bad = bmp;
        if (c.at == 28)
            WriteLe16(&bad[c.at], uint16_t(c.value));
        else
            WriteLe32(&bad[c.at], c.value);
        char error[kPngErrorTextSize] = {};
        int code = -1;
        ToPng(bad, &code, error);
        EXPECT_EQ(code, c.code) << c.what;
        EXPECT_STREQ(error, c.text) << c.what;
    }
}

TEST(PngWrite, IndexedAndTopDownDibsConvert)
{
    // 8-bit, 2 x 2, top row first.
    Bytes rows = {1, 0, 0, 0, 0, 1, 0, 0};
    Bytes bmp = qbktest::MakeBmp(40, 2, -2, 8, {0x000000FF, 0x00FF0000}, rows);
    int code = -1;
    Bytes png = ToPng(bmp, &code);
    ASSERT_EQ(code, 0);
    Dib dib;
    Read(png, &dib);
    ASSERT_EQ(dib.code, 0);
    EXPECT_EQ(dib.BitCount(), 8);
    EXPECT_EQ(dib.Row(0)[0], 1);
    EXPECT_EQ(dib.Row(1)[1], 1);
    EXPECT_EQ(dib.req.colorTable[4 + 2], 0xFF);  // entry 1 is red
}

TEST(PngFile, WriteThenReadAFileAndReportUnwritablePaths)
{
    std::string path = TempPath("file.png");
    Bytes bmp = Bmp24(3, 3, qbktest::PatternRgb(3, 3));
    ASSERT_EQ(BmpToPng(bmp.data(), bmp.size(), path.c_str(), nullptr, nullptr), 0);
    Dib dib;
    dib.req.fileName = path.c_str();
    dib.req.errorText = dib.error;
    dib.code = ReadPngToDib(&dib.req);
    EXPECT_EQ(dib.code, 0) << dib.error;
    std::remove(path.c_str());
    char error[kPngErrorTextSize];
    EXPECT_EQ(BmpToPng(bmp.data(), bmp.size(), "/nonexistent-folder/x.png", nullptr, error), kPngWriteFailed);
    EXPECT_STREQ(error, "Unable to write file");
}
