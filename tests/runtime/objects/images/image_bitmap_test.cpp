#include "image_bitmap.h"
#include "image_samples.h"
#include "image_test_util.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

using namespace qbktest;

namespace {

void WriteFile(const std::string& path, const Bytes& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

Bytes PngBytes(int w, int h, const Bytes& rgb)
{
    PngSpec s;
    s.width = w;
    s.height = h;
    s.colorType = 2;
    s.rows = rgb;
    return MakePng(s);
}

CMemFile* MemFileWith(const Bytes& bytes)
{
    auto* file = new CMemFile;
    file->Write(bytes.data(), UINT(bytes.size()));
    return file;
}

int MaxChannelDifference(const Pixels& a, const Pixels& b)
{
    int worst = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        for (int shift = 0; shift <= 16; shift += 8)
            worst = std::max(worst, std::abs(int(a[i] >> shift & 0xFF) - int(b[i] >> shift & 0xFF)));
    return worst;
}

}  // namespace

TEST(ImageBasics, EmptyImageAndSizeAfterLoads)
{
    CImageBitmap image;
    EXPECT_EQ(image.GetSize(), CSize(0, 0));
    EXPECT_EQ(image.GetSafeHandle(), nullptr);
    ASSERT_TRUE(MakeImage(&image, 3, 2, Distinct(3, 2)));
    EXPECT_EQ(image.GetSize(), CSize(3, 2));
    std::unique_ptr<CMemFile> png(MemFileWith(PngBytes(5, 4, PatternRgb(5, 4))));
    ASSERT_TRUE(image.LoadStream(png.get()));
    EXPECT_EQ(image.GetSize(), CSize(5, 4));  // the new size, not the cached old one
    image.Clear();
    EXPECT_EQ(image.GetSize(), CSize(0, 0));
}

TEST(ImageCopies, CopyFromCopyToAndAssign)
{
    CImageBitmap a, b, empty;
    ASSERT_TRUE(MakeImage(&a, 4, 3, Distinct(4, 3)));
    a.SetTransparentColor(RGB(1, 2, 3));
    EXPECT_FALSE(b.CopyFrom(nullptr));
    EXPECT_FALSE(b.CopyFrom(&empty));  // an empty image is nothing to copy
    EXPECT_EQ(b.GetSafeHandle(), nullptr);
    ASSERT_TRUE(b.CopyFrom(&a));
    EXPECT_EQ(ReadImage(b), Distinct(4, 3));
    EXPECT_EQ(b.GetTransparentColor(), 0u);
    b.Assign(a);
    EXPECT_EQ(b.GetTransparentColor(), RGB(1, 2, 3));
    CBitmap plain;
    EXPECT_FALSE(empty.CopyTo(&plain));
    ASSERT_TRUE(a.CopyTo(&plain));
    BITMAP d;
    ASSERT_TRUE(plain.GetBitmap(&d));
    EXPECT_EQ(d.bmWidth, 4);
    EXPECT_TRUE(a.CopyFrom(&a));  // itself: stays
    EXPECT_EQ(ReadImage(a), Distinct(4, 3));
}

TEST(ImageCopies, CopyFromDCTakesTheSelectedImageOrAnAreaOfIt)
{
    CImageBitmap source, copy;
    ASSERT_TRUE(MakeImage(&source, 4, 3, Distinct(4, 3)));
    copy.SetTransparentColor(RGB(9, 9, 9));
    EXPECT_FALSE(copy.CopyFromDC(nullptr, nullptr));
    // The image stays selected in the context it is copied through.
    std::unique_ptr<CDC> dc(source.CreateMemDC());
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(copy.CopyFromDC(dc.get(), nullptr));
    EXPECT_EQ(copy.GetTransparentColor(), 0u);
    EXPECT_EQ(ReadImage(copy), Distinct(4, 3));
    const RECT area = {1, 1, 3, 3};
    ASSERT_TRUE(copy.CopyFromDC(dc.get(), &area));
    const Pixels all = Distinct(4, 3);
    EXPECT_EQ(ReadImage(copy), (Pixels{all[5], all[6], all[9], all[10]}));
}

TEST(ImageLoad, ContentDecidesNotTheName)
{
    std::string asBmp = ScratchPath("really_png.bmp");
    WriteFile(asBmp, PngBytes(3, 2, PatternRgb(3, 2)));
    CImageBitmap image;
    ASSERT_TRUE(image.LoadFile(asBmp.c_str()));
    EXPECT_EQ(image.GetSize(), CSize(3, 2));
    Pixels p = ReadImage(image);
    Bytes rgb = PatternRgb(3, 2);
    EXPECT_EQ(p[4], uint32_t(rgb[12] << 16 | rgb[13] << 8 | rgb[14]));

    std::string jpegAsTxt = ScratchPath("photo.txt");
    WriteFile(jpegAsTxt, MakeJpeg(8, 8, 3, Bytes(8 * 8 * 3, 90)));
    ASSERT_TRUE(image.LoadFile(jpegAsTxt.c_str()));
    EXPECT_EQ(image.GetSize(), CSize(8, 8));

    std::string text = ScratchPath("notes.bmp");
    WriteFile(text, Bytes{'h', 'e', 'l', 'l', 'o', '\r', '\n'});
    EXPECT_FALSE(image.LoadFile(text.c_str()));
    EXPECT_EQ(image.GetSafeHandle(), nullptr);
    EXPECT_FALSE(image.LoadFile(ScratchPath("missing.bmp").c_str()));
}

TEST(ImageLoad, StreamsAreReadFromTheStartAndLeftWhereTheyWere)
{
    for (const Bytes& bytes : {PngBytes(2, 2, PatternRgb(2, 2)), MakeJpeg(8, 8, 3, Bytes(192, 50)),
                               MakeBmp(40, 1, 1, 24, {}, Bytes{1, 2, 3, 0})}) {
        std::unique_ptr<CMemFile> file(MemFileWith(bytes));
        file->Seek(1, CFile::begin);
        CImageBitmap image;
        EXPECT_TRUE(image.LoadStream(file.get()));
        EXPECT_EQ(file->GetPosition(), 1u);
    }
    CImageBitmap image;
    EXPECT_FALSE(image.LoadStream(nullptr));
    CMemFile empty;
    EXPECT_FALSE(image.LoadStream(&empty));
}

TEST(ImageLoad, BmpHeadersOfAnySizeAndThePixelOffsetAreHonoured)
{
    // 124-byte header, a gap before the pixels; 2 x 1 pixels blue-green-red.
    Bytes rows = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0, 0};
    std::unique_ptr<CMemFile> file(MemFileWith(MakeBmp(124, 2, 1, 24, {}, rows, 20)));
    CImageBitmap image;
    ASSERT_TRUE(image.LoadBmp(file.get()));
    EXPECT_EQ(ReadImage(image), (Pixels{0x302010, 0x605040}));
}

TEST(ImageLoad, DamagedBmpsFailAndIndexedPixelsPastThePaletteAreBlack)
{
    Bytes rows(8 * 4, 0x77);
    Bytes good = MakeBmp(40, 8, 4, 24, {}, rows);
    CImageBitmap image;
    std::unique_ptr<CMemFile> cut(MemFileWith(Bytes(good.begin(), good.end() - 1)));
    EXPECT_FALSE(image.LoadBmp(cut.get()));
    Bytes huge = good;
    huge[22] = 0xFF;
    huge[23] = 0xFF;
    huge[24] = 0xFF;
    std::unique_ptr<CMemFile> tall(MemFileWith(huge));
    EXPECT_FALSE(image.LoadBmp(tall.get()));
    // 8-bit with a 1-entry table; index 200 finds no entry.
    std::unique_ptr<CMemFile> indexed(MemFileWith(MakeBmp(40, 2, 1, 8, {0x00FF0000}, Bytes{0, 200, 0, 0})));
    ASSERT_TRUE(image.LoadBmp(indexed.get()));
    EXPECT_EQ(ReadImage(image), (Pixels{0xFF0000, 0}));
}

TEST(ImageLoad, RunLengthBmpsLoad)
{
    // 8-bit run-length: bottom row two pixels of index 1, top row two of index 2.
    Bytes runs = {2, 1, 0, 0, 2, 2, 0, 1};
    Bytes bmp = MakeBmp(40, 2, 2, 8, {0x00FF0000, 0x000000FF, 0x0000FF00}, runs, 0, 1);
    std::unique_ptr<CMemFile> file(MemFileWith(bmp));
    CImageBitmap image;
    ASSERT_TRUE(image.LoadBmp(file.get()));
    EXPECT_EQ(ReadImage(image), (Pixels{0x00FF00, 0x00FF00, 0x0000FF, 0x0000FF}));
}

TEST(ImageLoad, ALoadResetsTheTransparentColourAndAFailedPngLeavesTheImage)
{
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 2, 2, Distinct(2, 2)));
    image.SetTransparentColor(RGB(9, 9, 9));
    std::unique_ptr<CMemFile> png(MemFileWith(PngBytes(1, 1, {1, 2, 3})));
    ASSERT_TRUE(image.LoadPng(png.get()));
    EXPECT_EQ(image.GetTransparentColor(), 0u);
    std::unique_ptr<CMemFile> bad(MemFileWith(Bytes{'x', 'y'}));
    EXPECT_FALSE(image.LoadPng(bad.get()));
    EXPECT_EQ(image.GetSize(), CSize(1, 1));
}

TEST(ImageSave, BmpAndPngRoundTripsArePixelExactAndJpegIsClose)
{
    const int w = 7, h = 5;
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, w, h, Distinct(w, h)));
    std::string bmp = ScratchPath("out.bmp"), png = ScratchPath("out.png"), jpg = ScratchPath("out.jpg");
    ASSERT_TRUE(image.SaveBmpFile(bmp.c_str()));
    ASSERT_TRUE(image.SavePngFile(png.c_str()));
    ASSERT_TRUE(image.SaveJpegFile(jpg.c_str(), 100));
    EXPECT_EQ(zvtest::ReadFileBytes(bmp).size(), 54u + 24 * 5);
    CImageBitmap back;
    ASSERT_TRUE(back.LoadBmpFile(bmp.c_str()));
    EXPECT_EQ(ReadImage(back), Distinct(w, h));
    ASSERT_TRUE(back.LoadPngFile(png.c_str()));
    EXPECT_EQ(ReadImage(back), Distinct(w, h));
    ASSERT_TRUE(back.LoadJpegFile(jpg.c_str()));
    EXPECT_LE(MaxChannelDifference(ReadImage(back), Distinct(w, h)), 40);
    CImageBitmap empty;
    EXPECT_FALSE(empty.SaveBmpFile(bmp.c_str()));
    EXPECT_FALSE(image.SaveBmpFile(ScratchPath("no\\such\\folder\\x.bmp").c_str()));
}

TEST(ImageSave, StreamForms)
{
    CImageBitmap image, back;
    ASSERT_TRUE(MakeImage(&image, 3, 3, Distinct(3, 3)));
    CMemFile bmp;
    bmp.Write("old content that is longer than the picture .......................................", 80);
    ASSERT_TRUE(image.SaveToStream(&bmp));
    EXPECT_EQ(bmp.GetLength(), 54u + 12 * 3);  // emptied first
    ASSERT_TRUE(back.LoadStream(&bmp));
    EXPECT_EQ(ReadImage(back), Distinct(3, 3));

    CMemFile png;
    ASSERT_TRUE(image.SavePngStream(&png));
    EXPECT_EQ(png.GetPosition(), 0u);  // rewound
    ASSERT_TRUE(back.LoadPng(&png));
    EXPECT_EQ(ReadImage(back), Distinct(3, 3));

    CMemFile jpeg;
    ASSERT_TRUE(image.SaveJpegStream(&jpeg, 90));
    ASSERT_TRUE(back.LoadJpeg(&jpeg));
    EXPECT_EQ(back.GetSize(), CSize(3, 3));
}

TEST(ImageSave, AnIncompressibleImageSavesAsPng)
{
    const int w = 64, h = 64;
    Pixels noise(size_t(w) * h);
    std::mt19937 random(3);
    for (uint32_t& p : noise) p = random() & 0xFFFFFF;
    CImageBitmap image, back;
    ASSERT_TRUE(MakeImage(&image, w, h, noise));
    CMemFile png;
    ASSERT_TRUE(image.SavePngStream(&png));
    EXPECT_GT(png.GetLength(), 54u + w * h * 3);
    ASSERT_TRUE(back.LoadPng(&png));
    EXPECT_EQ(ReadImage(back), noise);
}

TEST(ImageTurns, QuarterAndHalfTurnsOfDistinctPixels)
{
    Pixels src = Distinct(3, 2);
    auto at = [&](int x, int y) { return src[size_t(y) * 3 + x]; };
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 3, 2, src));
    image.SetTransparentColor(RGB(1, 1, 1));
    ASSERT_TRUE(image.Rotate(2));
    int w, h;
    Pixels p = ReadImage(image, &w, &h);
    EXPECT_EQ(w, 2);
    EXPECT_EQ(h, 3);
    EXPECT_EQ(p[0], at(2, 0));  // top-left was the top-right
    EXPECT_EQ(image.GetTransparentColor(), 0u);
    ASSERT_TRUE(MakeImage(&image, 3, 2, src));
    ASSERT_TRUE(image.Rotate(3));
    p = ReadImage(image);
    EXPECT_EQ(p[0], at(0, 1));  // top-left was the bottom-left
    Pixels odd = Distinct(3, 3);
    ASSERT_TRUE(MakeImage(&image, 3, 3, odd));
    ASSERT_TRUE(image.Rotate(1));
    p = ReadImage(image);
    EXPECT_EQ(p[3], odd[5]);  // the middle row is reversed too
    EXPECT_EQ(p[5], odd[3]);
    EXPECT_EQ(p[0], odd[8]);
    CImageBitmap empty;
    EXPECT_FALSE(empty.Rotate(2));
}

TEST(ImageFlips, RectangleAndWholeImage)
{
    Pixels src = Distinct(4, 4);
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 4, 4, src));
    ASSERT_TRUE(image.PixelTransformA(nullptr));
    EXPECT_EQ(ReadImage(image)[0], src[12]);
    ASSERT_TRUE(MakeImage(&image, 4, 4, src));
    RECT r = {1, 1, 3, 4};
    ASSERT_TRUE(image.FlipHorizontal(&r));
    Pixels p = ReadImage(image);
    EXPECT_EQ(p[4 + 1], src[4 + 2]);
    EXPECT_EQ(p[0], src[0]);
    ASSERT_TRUE(image.SwapPixels(0, 0, 3, 3));
    p = ReadImage(image);
    EXPECT_EQ(p[0], src[15]);
}

TEST(ImageGradient, BandsOfOneChannel)
{
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 2, 250, Pixels(500, 0xFFFFFF)));
    ASSERT_TRUE(image.Transform(0, 0, nullptr));
    Pixels p = ReadImage(image);
    EXPECT_EQ(p[0], 0x050000u);
    EXPECT_EQ(p[249 * 2 + 1], 0xFE0000u);
    ASSERT_TRUE(MakeImage(&image, 10, 1, Pixels(10, 0)));
    RECT r = {5, 0, 10, 1};
    ASSERT_TRUE(image.FillGradient(1, 3, &r));
    p = ReadImage(image);
    EXPECT_EQ(p[4], 0u);
    EXPECT_EQ(p[5], 0x00FF00u);
    EXPECT_EQ(p[9], uint32_t(255 - 4 * 250 / 5) << 8);
    ASSERT_TRUE(image.Transform(2, 9, nullptr));  // unknown direction: nothing
    EXPECT_EQ(ReadImage(image), p);
}

TEST(ImageMaskAndRegion, ReplaceColourAndRegionsFromAKeyColour)
{
    const COLORREF magenta = RGB(255, 0, 255);
    Pixels src = {0xFF00FF, 0x123456, 0xFF00FF, 0xFE00FF, 0xFF00FF, 0xFF00FF};
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 3, 2, src));
    HRGN region = image.CreateRegion(magenta);
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 1, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 1));  // one step from the key is another colour
    EXPECT_FALSE(PtInRegion(region, 2, 1));
    DeleteObject(region);

    ASSERT_TRUE(MakeImage(&image, 3, 2, Pixels(6, 0xFF00FF)));
    region = image.CreateRegion(magenta);
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
    DeleteObject(region);
    ASSERT_TRUE(MakeImage(&image, 3, 2, Pixels(6, 0)));
    region = image.CreateRegion(magenta);
    EXPECT_EQ(GetRgnBox(region, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 3);
    EXPECT_EQ(box.bottom, 2);
    DeleteObject(region);
    CImageBitmap empty;
    EXPECT_EQ(empty.CreateRegion(magenta), nullptr);

    ASSERT_TRUE(MakeImage(&image, 3, 2, src));
    ASSERT_TRUE(image.MakeMask(magenta));
    EXPECT_EQ(ReadImage(image), (Pixels{0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}));
}

TEST(ImageDraw, PlainDrawingClipsAndNeverEnlarges)
{
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 2, 2, Pixels(4, 0x0000FF)));
    Surface s(6, 6, 0xFFFFFF);
    image.Draw(s.Dc(), 1, 1, 5, 5, false);
    EXPECT_EQ(s.At(2, 2), 0x0000FFu);
    EXPECT_EQ(s.At(3, 3), 0xFFFFFFu);  // own size, not 5 x 5
    Surface clip(6, 6, 0xFFFFFF);
    image.DrawRect(clip.Dc(), 0, 0, 1, 2, false);
    EXPECT_EQ(clip.At(0, 1), 0x0000FFu);
    EXPECT_EQ(clip.At(1, 0), 0xFFFFFFu);
    CImageBitmap empty;
    empty.Draw(s.Dc(), 0, 0, 2, 2, false);
    image.Draw(nullptr, 0, 0, 2, 2, false);
    EXPECT_EQ(s.At(0, 0), 0xFFFFFFu);
}

TEST(ImageDraw, StretchedDrawing)
{
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 2, 1, Pixels{0xFF0000, 0x00FF00}));
    Surface s(8, 4, 0);
    image.Draw(s.Dc(), 0, 0, 8, 4, true);
    EXPECT_EQ(s.At(0, 0), 0xFF0000u);
    EXPECT_EQ(s.At(3, 3), 0xFF0000u);
    EXPECT_EQ(s.At(4, 0), 0x00FF00u);
    EXPECT_EQ(s.At(7, 3), 0x00FF00u);
    Surface own(8, 4, 0);
    image.Draw(own.Dc(), 1, 1, -1, -1, true);  // -1: the image's own size
    EXPECT_EQ(own.At(1, 1), 0xFF0000u);
    EXPECT_EQ(own.At(2, 1), 0x00FF00u);
    EXPECT_EQ(own.At(3, 1), 0u);
    EXPECT_EQ(own.At(1, 2), 0u);
}

TEST(ImageDraw, TransparentDrawingLeavesOutTheKeyColourAndFollowsItsChanges)
{
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 2, 2, Pixels{0xFF00FF, 0x112233, 0x445566, 0xFF00FF}));
    image.SetTransparentColor(RGB(255, 0, 255));
    Surface s(4, 4, 0x00FF00);
    image.DrawTransparent(s.Dc(), 1, 1, 2, 2, false);
    EXPECT_EQ(s.At(1, 1), 0x00FF00u);
    EXPECT_EQ(s.At(2, 1), 0x112233u);
    EXPECT_EQ(s.At(1, 2), 0x445566u);
    EXPECT_EQ(s.At(2, 2), 0x00FF00u);
    // Another key colour: the mask follows it.
    image.SetTransparentColor(RGB(0x11, 0x22, 0x33));
    Surface t(4, 4, 0x00FF00);
    image.DrawTransparentRect(t.Dc(), 0, 0, 2, 2, false);
    EXPECT_EQ(t.At(0, 0), 0xFF00FFu);
    EXPECT_EQ(t.At(1, 0), 0x00FF00u);
    // Stretched: each image pixel covers 2 x 2.
    image.SetTransparentColor(RGB(255, 0, 255));
    Surface u(4, 4, 0x0000FF);
    image.DrawTransparent(u.Dc(), 0, 0, 4, 4, true);
    EXPECT_EQ(u.At(1, 1), 0x0000FFu);
    EXPECT_EQ(u.At(3, 0), 0x112233u);
    EXPECT_EQ(u.At(3, 3), 0x0000FFu);
}

TEST(ImageDraw, DrawingOnARealWindowShowsTheImage)
{
    HWND hwnd = zvtest::CreateTestWindow(120, 80, "image draw");
    ASSERT_NE(hwnd, nullptr);
    zvtest::PumpMessages(100);
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 4, 2,
                          Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0x808080, 0x10FF10, 0xFFFF00, 0x00FFFF}));
    CDC dc;
    ASSERT_TRUE(dc.Attach(GetDC(hwnd)));
    image.Draw(&dc, 10, 10, 40, 20, true);
    ReleaseDC(hwnd, dc.Detach());
    zvtest::Image shot = zvtest::CaptureWindow(hwnd);
    ASSERT_FALSE(shot.Empty());
    EXPECT_TRUE(zvtest::ColorNear(shot.At(12, 12), 0xFF0000));
    EXPECT_TRUE(zvtest::ColorNear(shot.At(47, 27), 0x00FFFF));
    EXPECT_TRUE(zvtest::ColorNear(shot.At(5, 5), 0xFFFFFF));
    DestroyWindow(hwnd);
}

TEST(ImageMemDC, CreateMemDCHoldsTheImage)
{
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 2, 2, Pixels{1, 2, 3, 0x00ABCDEF}));
    std::unique_ptr<CDC> dc(image.CreateMemDC());
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc->GetPixel(1, 1), RGB(0xAB, 0xCD, 0xEF));
}
