// The BMP layout: the 24-bit files this runtime writes, the reader behind JPEG saving, and the
// checks that turn a BMP file's bytes into a device-independent bitmap that is safe to hand on.
#pragma once

#include "image_io.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qbk {

constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kDibHeaderSize = 40;
constexpr size_t kBmpHeadersSize = kBmpFileHeaderSize + kDibHeaderSize;  // 54
// No decoded or created image may need more bytes than this (about 89 million RGB pixels).
constexpr uint64_t kMaxImageBytes = uint64_t(256) << 20;

// Bytes of one DIB row, padded to 4 bytes; computed in 64 bits so that no width overflows.
inline uint64_t DibRowSize(uint64_t width, unsigned bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }
// rowBytes x rows when both are positive and the product stays within kMaxImageBytes, else 0.
uint64_t CappedImageBytes(uint64_t rowBytes, uint64_t rows);

inline uint32_t ReadLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint16_t ReadLe16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline void WriteLe32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}
inline void WriteLe16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

// The 54 header bytes of a 24-bit BMP of the given size; the image-size field holds the rows' size
// when withImageSize is set, else 0.
void MakeBmp24Header(uint8_t header[kBmpHeadersSize], int width, int height, bool withImageSize);

// RGB pixels: width x height x 3 bytes without padding. Rows top first, red-green-blue, unless
// a function says otherwise.
struct RgbImage {
    ByteBlock pixels;
    int width = 0;
    int height = 0;
    explicit operator bool() const { return pixels != nullptr; }
    size_t Size() const { return size_t(width) * size_t(height) * 3; }
};

// Writes a 24-bit BMP (image-size field 0) from rows already in BMP order: bottom row first,
// blue-green-red, unpadded; each row gets its padding. False for a missing buffer or a failed write.
bool WriteRgbAsBmp(const uint8_t* bgrRows, int width, int height, ByteWriter& out);
// Writes a 24-bit BMP (image-size field filled) from rows that already carry their padding.
bool WriteDib24AsBmp(const uint8_t* paddedRows, int width, int height, ByteWriter& out);

// Reads an uncompressed 1-, 4-, 8- or 24-bit BMP into top-first red-green-blue pixels.
// An empty result on any failure.
RgbImage ReadBmpAsRgb(ByteReader& in);

// Exchanges the first and third byte of every 3-byte pixel.
void SwapRedBlue(uint8_t* pixels, size_t pixelCount);
// Reverses the order of the rows; false when no scratch row can be had.
bool FlipRows(uint8_t* pixels, size_t rowBytes, size_t rows);

// A BMP file checked for use as a device-independent bitmap.
struct BmpDib {
    // A 40-byte info header followed by the three bit-field masks or by a full colour table of
    // 2^bits entries (missing entries black), so that no pixel can index past it.
    std::vector<uint8_t> info;
    const uint8_t* bits = nullptr;  // into the file's bytes
    size_t bitsSize = 0;
    int width = 0;
    int height = 0;  // as stored: negative for top row first
    int bitCount = 0;
};
// Checks a whole BMP file held in memory: its header size and pixel offset are honoured (V4 and
// V5 headers load) and the pixel data must be all there. False for anything that does not fit.
bool ParseBmpFile(const uint8_t* data, size_t size, BmpDib* dib);

}  // namespace qbk
