#include "bmp_format.h"

#include <climits>
#include <cstring>

namespace qbk {

uint64_t CappedImageBytes(uint64_t rowBytes, uint64_t rows)
{
    if (rowBytes == 0 || rows == 0) return 0;
    if (rowBytes > kMaxImageBytes || rows > kMaxImageBytes / rowBytes) return 0;
    return rowBytes * rows;
}

void MakeBmp24Header(uint8_t h[kBmpHeadersSize], int width, int height, bool withImageSize)
{
    uint64_t rows = DibRowSize(uint64_t(width), 24) * uint64_t(height < 0 ? -int64_t(height) : height);
    std::memset(h, 0, kBmpHeadersSize);
    h[0] = 'B';
    h[1] = 'M';
    WriteLe32(h + 2, uint32_t(rows + kBmpHeadersSize));
    WriteLe32(h + 10, uint32_t(kBmpHeadersSize));
    WriteLe32(h + 14, uint32_t(kDibHeaderSize));
    WriteLe32(h + 18, uint32_t(width));
    WriteLe32(h + 22, uint32_t(height));
    WriteLe16(h + 26, 1);
    WriteLe16(h + 28, 24);
    WriteLe32(h + 34, withImageSize ? uint32_t(rows) : 0);
}

namespace {

bool SizeOk(int width, int height)
{
    return width > 0 && height > 0 && CappedImageBytes(DibRowSize(uint64_t(width), 24), uint64_t(height)) != 0;
}

}  // namespace

bool WriteRgbAsBmp(const uint8_t* bgrRows, int width, int height, ByteWriter& out)
{
    if (!bgrRows || !SizeOk(width, height)) return false;
    uint8_t header[kBmpHeadersSize];
    MakeBmp24Header(header, width, height, false);
    out.Expect(kBmpHeadersSize + size_t(DibRowSize(uint64_t(width), 24)) * size_t(height));
    if (!out.Write(header, sizeof header)) return false;
    size_t rowBytes = size_t(width) * 3;
    size_t pad = size_t(DibRowSize(uint64_t(width), 24)) - rowBytes;
    static const uint8_t zeros[4] = {0, 0, 0, 0};
    for (int y = 0; y < height; ++y) {
        if (!out.Write(bgrRows + size_t(y) * rowBytes, rowBytes)) return false;
        if (pad && !out.Write(zeros, pad)) return false;
    }
    return true;
}

bool WriteDib24AsBmp(const uint8_t* paddedRows, int width, int height, ByteWriter& out)
{
    if (!paddedRows || !SizeOk(width, height)) return false;
    uint8_t header[kBmpHeadersSize];
    MakeBmp24Header(header, width, height, true);
    out.Expect(kBmpHeadersSize + size_t(DibRowSize(uint64_t(width), 24)) * size_t(height));
    return out.Write(header, sizeof header) &&
           out.Write(paddedRows, size_t(DibRowSize(uint64_t(width), 24)) * size_t(height));
}

namespace {

bool ReadExactly(ByteReader& in, void* buffer, size_t size) { return in.Read(buffer, size) == size; }

bool Skip(ByteReader& in, uint64_t count)
{
    uint8_t scratch[256];
    while (count) {
        size_t n = count < sizeof scratch ? size_t(count) : sizeof scratch;
        if (!ReadExactly(in, scratch, n)) return false;
        count -= n;
    }
    return true;
}

}  // namespace

RgbImage ReadBmpAsRgb(ByteReader& in)
{
    RgbImage none;
    uint8_t h[kBmpHeadersSize];
    if (!ReadExactly(in, h, sizeof h) || h[0] != 'B' || h[1] != 'M') return none;
    uint32_t offBits = ReadLe32(h + 10);
    uint32_t headerSize = ReadLe32(h + 14);
    int32_t width = int32_t(ReadLe32(h + 18));
    int32_t height = int32_t(ReadLe32(h + 22));
    unsigned bitCount = ReadLe16(h + 28);
    uint32_t compression = ReadLe32(h + 30);
    uint32_t colorsUsed = ReadLe32(h + 46);
    if (compression != 0 || headerSize < kDibHeaderSize) return none;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return none;
    if (width <= 0 || height == 0 || height == INT32_MIN) return none;
    bool topDown = height < 0;
    uint32_t rows = uint32_t(topDown ? -height : height);
    uint64_t rowSize = DibRowSize(uint64_t(width), bitCount);
    uint64_t outBytes = CappedImageBytes(uint64_t(width) * 3, rows);
    if (outBytes == 0 || CappedImageBytes(rowSize, rows) == 0) return none;

    uint64_t consumed = kBmpHeadersSize;
    if (!Skip(in, headerSize - kDibHeaderSize)) return none;
    consumed += headerSize - kDibHeaderSize;
    uint8_t table[256][4] = {};
    unsigned entries = 0;
    if (bitCount <= 8) {
        unsigned full = 1u << bitCount;
        unsigned stored = colorsUsed ? (colorsUsed < full ? colorsUsed : full) : full;
        if (!ReadExactly(in, table, size_t(stored) * 4)) return none;
        consumed += uint64_t(stored) * 4;
        // A larger stored table is skipped whole; indices past what it holds stay black.
        if (colorsUsed > full) {
            if (!Skip(in, (uint64_t(colorsUsed) - full) * 4)) return none;
            consumed += (uint64_t(colorsUsed) - full) * 4;
        }
        entries = stored;
    }
    if (consumed > offBits) return none;
    if (!Skip(in, offBits - consumed)) return none;
    if (rowSize * rows > in.Available()) return none;

    RgbImage image;
    image.pixels.reset(static_cast<uint8_t*>(std::malloc(size_t(outBytes))));
    ByteBlock row(static_cast<uint8_t*>(std::malloc(size_t(rowSize))));
    if (!image.pixels || !row) return none;
    image.width = width;
    image.height = int(rows);
    for (uint32_t r = 0; r < rows; ++r) {
        if (!ReadExactly(in, row.get(), size_t(rowSize))) return none;
        uint32_t y = topDown ? r : rows - 1 - r;
        uint8_t* out = image.pixels.get() + size_t(y) * size_t(width) * 3;
        const uint8_t* src = row.get();
        if (bitCount == 24) {
            for (int32_t x = 0; x < width; ++x, src += 3, out += 3) {
                out[0] = src[2];
                out[1] = src[1];
                out[2] = src[0];
            }
            continue;
        }
        unsigned perByte = 8 / bitCount;
        unsigned mask = (1u << bitCount) - 1;
        for (int32_t x = 0; x < width; ++x, out += 3) {
            unsigned shift = 8 - bitCount * (unsigned(x) % perByte + 1);
            unsigned index = (src[unsigned(x) / perByte] >> shift) & mask;
            if (index < entries) {
                out[0] = table[index][2];
                out[1] = table[index][1];
                out[2] = table[index][0];
            } else {
                out[0] = out[1] = out[2] = 0;
            }
        }
    }
    return image;
}

void SwapRedBlue(uint8_t* pixels, size_t pixelCount)
{
    for (size_t i = 0; i < pixelCount; ++i, pixels += 3) {
        uint8_t t = pixels[0];
        pixels[0] = pixels[2];
        pixels[2] = t;
    }
}

bool FlipRows(uint8_t* pixels, size_t rowBytes, size_t rows)
{
    if (rows < 2 || rowBytes == 0) return true;
    ByteBlock scratch(static_cast<uint8_t*>(std::malloc(rowBytes)));
    if (!scratch) return false;
    for (size_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom) {
        uint8_t* a = pixels + top * rowBytes;
        uint8_t* b = pixels + bottom * rowBytes;
        std::memcpy(scratch.get(), a, rowBytes);
        std::memcpy(a, b, rowBytes);
        std::memcpy(b, scratch.get(), rowBytes);
    }
    return true;
}

bool ParseBmpFile(const uint8_t* data, size_t size, BmpDib* dib)
{
    if (!data || size < kBmpHeadersSize || data[0] != 'B' || data[1] != 'M') return false;
    const uint8_t* info = data + kBmpFileHeaderSize;
    uint64_t infoRoom = size - kBmpFileHeaderSize;
    uint32_t headerSize = ReadLe32(info);
    if (headerSize < kDibHeaderSize || headerSize > infoRoom) return false;
    int32_t width = int32_t(ReadLe32(info + 4));
    int32_t height = int32_t(ReadLe32(info + 8));
    unsigned bitCount = ReadLe16(info + 14);
    uint32_t compression = ReadLe32(info + 16);
    uint32_t sizeImage = ReadLe32(info + 20);
    uint32_t colorsUsed = ReadLe32(info + 32);
    if (width <= 0 || height == 0 || height == INT32_MIN) return false;
    uint64_t rows = uint64_t(height < 0 ? -int64_t(height) : height);
    // The bitmap made from it holds up to 32 bits a pixel.
    if (CappedImageBytes(uint64_t(width) * 4, rows) == 0) return false;

    bool rle = compression == 1 || compression == 2;
    switch (compression) {
    case 0:
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
            return false;
        break;
    case 1:
        if (bitCount != 8 || height < 0) return false;
        break;
    case 2:
        if (bitCount != 4 || height < 0) return false;
        break;
    case 3:
        if (bitCount != 16 && bitCount != 32) return false;
        break;
    default: return false;
    }

    // What follows the header: bit-field masks (inside headers of 52 bytes or more, else right
    // behind the 40 bytes) or the colour table.
    uint64_t tableAt = headerSize;
    unsigned full = bitCount <= 8 ? 1u << bitCount : 0;
    uint64_t stored = 0;
    if (compression == 3) {
        if (headerSize == kDibHeaderSize) tableAt += 12;
        if (kDibHeaderSize + 12 > infoRoom) return false;
    } else if (full) {
        stored = colorsUsed ? (colorsUsed < full ? colorsUsed : full) : full;
        if (tableAt + stored * 4 > infoRoom) return false;
        tableAt += (colorsUsed > full ? colorsUsed : stored) * 4;
    }
    uint64_t offBits = ReadLe32(data + 10);
    uint64_t minOff = kBmpFileHeaderSize + (tableAt < infoRoom ? tableAt : infoRoom);
    if (offBits == 0) offBits = minOff;  // some writers leave the offset out
    if (offBits < kBmpFileHeaderSize + kDibHeaderSize || offBits >= size) return false;

    uint64_t have = size - offBits;
    uint64_t need;
    if (rle) {
        need = sizeImage && sizeImage < have ? sizeImage : have;
    } else {
        need = CappedImageBytes(DibRowSize(uint64_t(width), bitCount), rows);
        if (need == 0 || need > have) return false;
    }

    dib->info.assign(kDibHeaderSize + (compression == 3 ? 12 : size_t(full) * 4), 0);
    uint8_t* out = dib->info.data();
    std::memcpy(out, info, kDibHeaderSize);
    WriteLe32(out, uint32_t(kDibHeaderSize));
    WriteLe16(out + 12, 1);
    WriteLe32(out + 20, uint32_t(need));
    WriteLe32(out + 32, full);
    WriteLe32(out + 36, 0);
    if (compression == 3)
        std::memcpy(out + kDibHeaderSize, info + kDibHeaderSize, 12);
    else if (stored)
        std::memcpy(out + kDibHeaderSize, info + headerSize, size_t(stored) * 4);
    dib->bits = data + offBits;
    dib->bitsSize = size_t(need);
    dib->width = width;
    dib->height = height;
    dib->bitCount = int(bitCount);
    return true;
}

}  // namespace qbk
