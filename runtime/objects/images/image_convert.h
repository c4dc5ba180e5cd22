// The conversions the image class chains its codecs into: JPEG to BMP for loading, BMP to JPEG
// and BMP to PNG for saving. Platform-free, so they are tested and measured natively.
#pragma once

#include "image_io.h"

#include <cstddef>
#include <cstdint>

namespace qbk {

// Decodes a JPEG and writes it as a 24-bit BMP.
bool JpegToBmp(ByteReader& jpeg, ByteWriter& bmp);

// Reads a BMP held in memory and compresses it as a JPEG of the quality; with a file name the
// JPEG goes to that file, else to out.
bool BmpToJpeg(const uint8_t* bmp, size_t size, const char* fileName, ByteWriter* out, int quality);

// Converts a BMP held in memory to a PNG with the text entry "Software" = "QBK"; with a file name
// the PNG goes to that file, else to out. Answers the converter's result code (0 success) and
// leaves its text in errorText (at least kPngErrorTextSize bytes, or null).
int BmpToPng(const uint8_t* bmp, size_t size, const char* fileName, ByteWriter* out, char* errorText);

}  // namespace qbk
