// Test images made directly with the libraries, in forms our own writers never produce
// (grey and CMYK JPEGs, PNGs of every colour type and depth), plus small BMP builders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qbktest {

using Bytes = std::vector<uint8_t>;

// A JPEG of the given colour space: components 1 (grey), 3 (RGB) or 4 (CMYK); samples row by row.
// Progressive: in the library's usual scans (ten for colour) instead of one.
Bytes MakeJpeg(int width, int height, int components, const Bytes& samples, int quality = 95, bool progressive = false);

struct PngSpec {
    int width = 1;
    int height = 1;
    int colorType = 2;  // PNG_COLOR_TYPE_*
    int depth = 8;
    bool interlaced = false;
    Bytes rows;  // packed rows as the format stores them, top first
    std::vector<uint8_t> palette;  // red, green, blue triples
    uint32_t pixelsPerMetre = 0;  // a physical-size chunk when not 0
};
Bytes MakePng(const PngSpec& spec);

// A BMP with the given info-header size (40, 108 or 124), bit count and colour table; rows
// bottom first, each already padded. gap bytes lie between the table and the pixels.
Bytes MakeBmp(int headerSize, int width, int height, int bitCount, const std::vector<uint32_t>& table,
              const Bytes& rows, int gap = 0, uint32_t compression = 0);

// Pixels of a recognisable pattern: red, green and blue vary with x and y.
Bytes PatternRgb(int width, int height);

// This process's id, for scratch file names of its own.
unsigned long ProcessId();

// Chunk types of a PNG in order.
std::vector<std::string> PngChunks(const Bytes& png);

}  // namespace qbktest
