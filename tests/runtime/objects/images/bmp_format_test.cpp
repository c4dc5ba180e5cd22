#include "bmp_format.h"
#include "image_samples.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace qbk;
using qbktest::Bytes;
using qbktest::MakeBmp;

namespace {

Bytes WriteBmp(const Bytes& bgrBottomFirst, int width, int height)
{
    GrowingWriter out;
    EXPECT_TRUE(WriteRgbAsBmp(bgrBottomFirst.data(), width, height, out));
    return Bytes(out.Data(), out.Data() + out.Size());
}

RgbImage Read(const Bytes& bytes)
{
    MemoryReader reader(bytes.data(), bytes.size());
    return ReadBmpAsRgb(reader);
}

}  // namespace

TEST(BmpWrite, OnePixelImageIs58BytesWithTheSystemsHeader)
{
    Bytes bmp = WriteBmp({1, 2, 3}, 1, 1);
    ASSERT_EQ(bmp.size(), 58u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(ReadLe32(&bmp[2]), 58u);
    EXPECT_EQ(ReadLe32(&bmp[10]), 54u);
    EXPECT_EQ(ReadLe32(&bmp[14]), 40u);
    EXPECT_EQ(ReadLe16(&bmp[28]), 24u);
    EXPECT_EQ(ReadLe32(&bmp[34]), 0u);  // image size left 0 for RGB rows
    EXPECT_EQ(Bytes(bmp.begin() + 54, bmp.end()), (Bytes{1, 2, 3, 0}));
}

TEST(BmpWrite, PaddedRowsCarryTheImageSize)
{
    Bytes rows(8, 7);  // 2 x 1 pixels: 6 bytes + 2 padding
    GrowingWriter out;
    ASSERT_TRUE(WriteDib24AsBmp(rows.data(), 2, 1, out));
    ASSERT_EQ(out.Size(), 62u);
    EXPECT_EQ(ReadLe32(out.Data() + 34), 8u);
}

TEST(BmpWrite, RefusesMissingBufferAndEmptyOrHugeSizes)
{
    GrowingWriter out;
    uint8_t px[3] = {};
    EXPECT_FALSE(WriteRgbAsBmp(nullptr, 1, 1, out));
    EXPECT_FALSE(WriteRgbAsBmp(px, 0, 1, out));
    EXPECT_FALSE(WriteRgbAsBmp(px, 1, 0, out));
    EXPECT_FALSE(WriteRgbAsBmp(px, 100000, 100000, out));  // would overflow 32 bits
    EXPECT_EQ(out.Size(), 0u);
}

TEST(BmpRead, RoundTripOfOddWidthsKeepsEveryPixel)
{
    for (int width : {1, 2, 3, 5, 7}) {
        int height = 3;
        Bytes rgb = qbktest::PatternRgb(width, height);
        Bytes bgr = rgb;
        SwapRedBlue(bgr.data(), size_t(width) * height);
        ASSERT_TRUE(FlipRows(bgr.data(), size_t(width) * 3, size_t(height)));
        RgbImage back = Read(WriteBmp(bgr, width, height));
        ASSERT_TRUE(back) << width;
        EXPECT_EQ(back.width, width);
        EXPECT_EQ(back.height, height);
        EXPECT_EQ(0, std::memcmp(back.pixels.get(), rgb.data(), rgb.size())) << width;
    }
}

TEST(BmpRead, IndexedRowsTakeColoursFromTheTableAndIndicesPastItGiveBlack)
{
    // 4-bit, 3 x 1, table of two entries; the third pixel's index 9 lies past the table.
    Bytes rows = {0x01, 0x90, 0, 0};
    Bytes bmp = MakeBmp(40, 3, 1, 4, {0x00112233, 0x00AABBCC}, rows);
    RgbImage img = Read(bmp);
    ASSERT_TRUE(img);
    EXPECT_EQ(Bytes(img.pixels.get(), img.pixels.get() + 9), (Bytes{0x11, 0x22, 0x33, 0xAA, 0xBB, 0xCC, 0, 0, 0}));
}

TEST(BmpRead, OneBitRowsReadFromTheHighBitAndTopDownStaysInOrder)
{
    Bytes rows = {0x80, 0, 0, 0, 0x40, 0, 0, 0};  // height -2: first stored row is the top one
    Bytes bmp = MakeBmp(40, 2, -2, 1, {0x00000000, 0x00FFFFFF}, rows);
    RgbImage img = Read(bmp);
    ASSERT_TRUE(img);
    ASSERT_EQ(img.height, 2);
    const uint8_t* p = img.pixels.get();
    EXPECT_EQ(p[0], 0xFF);  // (0,0) white
    EXPECT_EQ(p[3], 0x00);
    EXPECT_EQ(p[6], 0x00);
    EXPECT_EQ(p[9], 0xFF);  // (1,1) white
}

TEST(BmpRead, LargerHeadersAndAGapBeforeThePixelsAreHonoured)
{
    Bytes rows = {1, 2, 3, 0};
    RgbImage img = Read(MakeBmp(124, 1, 1, 24, {}, rows, 10));
    ASSERT_TRUE(img);
    EXPECT_EQ(Bytes(img.pixels.get(), img.pixels.get() + 3), (Bytes{3, 2, 1}));
}

TEST(BmpRead, DamagedFilesFail)
{
    Bytes good = MakeBmp(40, 2, 2, 24, {}, Bytes(16, 9));
    struct Case {
        const char* what;
        Bytes bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"short header", Bytes(good.begin(), good.begin() + 30)});
    Bytes sig = good;
    sig[0] = 'X';
    cases.push_back({"signature", sig});
    cases.push_back({"cut pixels", Bytes(good.begin(), good.end() - 1)});
    Bytes rle = good;
    rle[30] = 1;
    cases.push_back({"compressed", rle});
    Bytes bits16 = good;
    bits16[28] = 16;
    cases.push_back({"16 bits", bits16});
    Bytes offset = good;
    WriteLe32(&offset[10], 20);  // before the end of the headers
    cases.push_back({"offset inside header", offset});
    Bytes huge = good;
    WriteLe32(&huge[18], 0x7FFFFFFF);
    WriteLe32(&huge[22], 0x7FFFFFFF);
    cases.push_back({"huge", huge});
    Bytes zero = good;
    WriteLe32(&zero[22], 0);
    cases.push_back({"zero height", zero});
    for (const Case& c : cases) EXPECT_FALSE(Read(c.bytes)) << c.what;
    EXPECT_TRUE(Read(good));
}

TEST(BmpTransforms, SwapRedBlueAndFlipRows)
{
    Bytes px = {1, 2, 3, 4, 5, 6};
    SwapRedBlue(px.data(), 2);
    EXPECT_EQ(px, (Bytes{3, 2, 1, 6, 5, 4}));
    Bytes rows = {1, 1, 2, 2, 3, 3};
    ASSERT_TRUE(FlipRows(rows.data(), 2, 3));
    EXPECT_EQ(rows, (Bytes{3, 3, 2, 2, 1, 1}));
}

TEST(BmpParse, V5HeaderAndPixelOffsetAreUsed)
{
    Bytes rows = {10, 20, 30, 0};
    Bytes bmp = MakeBmp(124, 1, 1, 24, {}, rows, 16);
    BmpDib dib;
    ASSERT_TRUE(ParseBmpFile(bmp.data(), bmp.size(), &dib));
    EXPECT_EQ(dib.info.size(), 40u);
    EXPECT_EQ(ReadLe32(dib.info.data()), 40u);
    EXPECT_EQ(dib.bits, bmp.data() + bmp.size() - 4);
    EXPECT_EQ(dib.bitsSize, 4u);
    EXPECT_EQ(dib.bits[0], 10);
}

TEST(BmpParse, ColourTableIsWidenedToEveryIndex)
{
    Bytes rows = {0x0F, 0, 0, 0};
    Bytes bmp = MakeBmp(40, 2, 1, 4, {0x00123456}, rows);
    BmpDib dib;
    ASSERT_TRUE(ParseBmpFile(bmp.data(), bmp.size(), &dib));
    ASSERT_EQ(dib.info.size(), 40u + 16 * 4);
    EXPECT_EQ(ReadLe32(dib.info.data() + 32), 16u);
    EXPECT_EQ(ReadLe32(dib.info.data() + 40), 0x00123456u);
    EXPECT_EQ(ReadLe32(dib.info.data() + 40 + 15 * 4), 0u);
}

TEST(BmpParse, BitFieldMasksComeFromInsideOrBehindTheHeader)
{
    Bytes rows(4, 0);
    for (int headerSize : {40, 108}) {
        Bytes bmp = MakeBmp(headerSize, 1, 1, 32, {}, rows, headerSize == 40 ? 12 : 0, 3);
        WriteLe32(&bmp[14 + 40], 0x00FF0000);
        WriteLe32(&bmp[14 + 44], 0x0000FF00);
        WriteLe32(&bmp[14 + 48], 0x000000FF);
        BmpDib dib;
        ASSERT_TRUE(ParseBmpFile(bmp.data(), bmp.size(), &dib)) << headerSize;
        ASSERT_EQ(dib.info.size(), 52u);
        EXPECT_EQ(ReadLe32(dib.info.data() + 40), 0x00FF0000u);
        EXPECT_EQ(ReadLe32(dib.info.data() + 48), 0x000000FFu);
    }
}

TEST(BmpParse, RowsTimesHeightMustFitTheData)
{
    struct Case {
        const char* what;
        int width, height, bits;
        size_t rowBytes;
        bool ok;
    };
    const Case cases[] = {
        {"exact", 3, 2, 24, 24, true},
        {"one short", 3, 2, 24, 23, false},
        {"top down", 3, -2, 24, 24, true},
        {"1 bit", 33, 1, 1, 8, true},
        {"1 bit short", 33, 1, 1, 7, false},
        {"overflowing width", 0x40000000, 4, 32, 64, false},
        {"negative width", -3, 2, 24, 24, false},
        {"most negative height", 1, INT32_MIN, 24, 4, false},
    };
    for (const Case& c : cases) {
        std::vector<uint32_t> table;
        if (c.bits <= 8) table.assign(size_t(1) << c.bits, 0);
        Bytes bmp = MakeBmp(40, c.width, c.height, c.bits, table, Bytes(c.rowBytes, 1));
        BmpDib dib;
        EXPECT_EQ(ParseBmpFile(bmp.data(), bmp.size(), &dib), c.ok) << c.what;
    }
}

TEST(BmpParse, HeaderOrTablePastTheEndFails)
{
    Bytes bmp = MakeBmp(40, 1, 1, 8, std::vector<uint32_t>(256, 0), Bytes(4, 0));
    BmpDib dib;
    ASSERT_TRUE(ParseBmpFile(bmp.data(), bmp.size(), &dib));
    Bytes bigHeader = bmp;
    WriteLe32(&bigHeader[14], 5000);
    EXPECT_FALSE(ParseBmpFile(bigHeader.data(), bigHeader.size(), &dib));
    Bytes bigTable = bmp;
    WriteLe32(&bigTable[46], 100000);
    ASSERT_TRUE(ParseBmpFile(bigTable.data(), bigTable.size(), &dib));
    EXPECT_EQ(dib.info.size(), 40u + 256 * 4);
    EXPECT_FALSE(ParseBmpFile(bmp.data(), 20, &dib));
}
