// CImageBitmap: the runtime's one image type. A screen-compatible bitmap that loads BMP, JPEG and
// PNG (recognised by content), saves them, draws plain, stretched or with a transparent colour,
// and offers whole-image operations (turns, flips, gradient bands, colour mask, shape region).
// Windows only; the codecs themselves are platform-free.
#pragma once

#include "fw_dc.h"
#include "fw_file.h"
#include "fw_gdi.h"
#include "fw_geometry.h"

#include <cstdint>
#include <vector>

namespace qbk {
class GrowingWriter;
}

class CImageBitmap : public CBitmap {
public:
    CImageBitmap();
    // Deletes the mask, then the bitmap.
    ~CImageBitmap() override;

    // Forgets the size, deletes mask and bitmap, transparent colour back to black.
    void Clear();
    bool Create(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    bool CreateCompatible(CDC* dc, int width, int height);
    // A pixel copy of the other image; false for null or an image without a bitmap.
    bool CopyFrom(const CImageBitmap* other);
    // A copy of the bitmap selected in dc, or of a rectangle of it; false for a null context.
    bool CopyFromDC(CDC* dc, const RECT* rect);
    // Gives target a pixel copy of this image; false without a bitmap or target.
    bool CopyTo(CBitmap* target) const;
    // CopyFrom plus the other's transparent colour.
    CImageBitmap& Assign(const CImageBitmap& other);
    // (0, 0) without a bitmap.
    CSize GetSize() const;
    // A new memory context (the caller deletes it) with the image selected; dc null: the screen.
    CDC* CreateMemDC(CDC* dc = nullptr) const;

    COLORREF GetTransparentColor() const { return m_transparentColor; }
    // A new colour drops the mask built for the old one.
    void SetTransparentColor(COLORREF colour);
    // Drawing through a context the image is selected in changes its pixels behind its back: the
    // mask made from the old pixels goes.
    void PixelsChanged() { DropMask(); }

    // Loading: by content, BMP then JPEG then PNG; the name's extension plays no part. A stream is
    // read from its start and left where it was.
    bool LoadFile(const char* fileName);
    bool LoadStream(CFile* stream);
    bool LoadBmpFile(const char* fileName);
    bool LoadBmp(CFile* stream);
    bool LoadJpegFile(const char* fileName);
    bool LoadJpeg(CFile* stream);
    // A failed PNG attempt leaves the image as it was.
    bool LoadPngFile(const char* fileName);
    bool LoadPng(CFile* stream);

    // Saving; each false without a bitmap. Always 24 bits a pixel.
    bool SaveBmpFile(const char* fileName) const;
    // Empties the stream and writes the BMP from its start.
    bool SaveToStream(CFile* stream) const;
    bool SaveJpegFile(const char* fileName, int quality) const;
    // Writes the JPEG at the stream's position.
    bool SaveJpegStream(CFile* stream, int quality) const;
    bool SavePngFile(const char* fileName) const;
    // Writes the PNG at the stream's position, ends the stream there and rewinds it.
    bool SavePngStream(CFile* stream) const;

    // Stretched: into width x height (a negative value: the image's own). Plain: clipped to
    // width x height, never enlarged. Nothing without a bitmap or context.
    void Draw(CDC* dc, int x, int y, int width, int height, bool stretch) const;
    void DrawRect(CDC* dc, int left, int top, int right, int bottom, bool stretch) const;
    // As Draw, leaving out the pixels of the transparent colour.
    void DrawTransparent(CDC* dc, int x, int y, int width, int height, bool stretch);
    void DrawTransparentRect(CDC* dc, int left, int top, int right, int bottom, bool stretch);

    // Exchanges two pixels' colours; without a context one is made for the call.
    bool SwapPixels(int x1, int y1, int x2, int y2, CDC* memDC = nullptr);
    // 1: half turn; 2: quarter turn counter-clockwise; other: quarter turn clockwise.
    bool Rotate(int mode);
    // Upside down (rows reversed) within the rectangle, or the whole image for null.
    bool PixelTransformA(const RECT* rect);
    // Left to right within the rectangle, or the whole image for null.
    bool PixelTransformB(const RECT* rect);
    // Gradient bands of one channel (0 red, 1 green, other blue); directions 0 rows rising,
    // 1 columns rising, 2 rows falling, 3 columns falling; others draw nothing.
    bool Transform(int channel, int direction, const RECT* rect);
    // Pixels of the colour become white, all others black.
    bool ReplaceColor(COLORREF colour);
    // The region of all pixels whose colour differs from the one given (the caller deletes it);
    // null without a bitmap.
    HRGN CreateRegion(COLORREF colour) const;

    // The names the drawing commands use for the same operations.
    bool FlipVertical(const RECT* rect) { return PixelTransformA(rect); }
    bool FlipHorizontal(const RECT* rect) { return PixelTransformB(rect); }
    bool FillGradient(int channel, int direction, const RECT* rect) { return Transform(channel, direction, rect); }
    bool MakeMask(COLORREF colour) { return ReplaceColor(colour); }

    // Every pixel as 0x00RRGGBB, rows top first; false without a bitmap.
    bool ReadPixels(std::vector<uint32_t>* pixels, int* width, int* height) const;
    // Writes pixels of the image's own size back; drops the mask.
    bool WritePixels(const uint32_t* pixels);

private:
    void Reset();
    void DropMask();
    bool BuildMask();
    bool AdoptBitmap(HBITMAP bitmap);
    bool LoadBmpBytes(const uint8_t* data, size_t size);
    bool LoadDib(const uint8_t* info, const uint8_t* bits);
    bool LoadPngRequest(const char* fileName, const uint8_t* data, size_t size);
    bool GetBmpBytes(qbk::GrowingWriter* bmp) const;
    // The colour as a pixel of this image's format reads back (equal on 24- and 32-bit images).
    uint32_t FormatPixel(COLORREF colour) const;
    CRect WholeOr(const RECT* rect) const;
    void DrawSize(int* width, int* height, bool stretch) const;

    HBITMAP m_hMask = nullptr;
    mutable int m_cx = 0;
    mutable int m_cy = 0;
    COLORREF m_transparentColor = 0;
    COLORREF m_maskColor = 0;  // the colour the mask was built for
};
