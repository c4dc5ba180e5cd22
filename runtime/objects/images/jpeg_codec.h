// JPEG decoding to RGB pixels and encoding from them, through libjpeg with our own source and
// destination managers. Failures are results: an empty image or false.
#pragma once

#include "bmp_format.h"
#include "image_io.h"

namespace qbk {

// Decodes to top-first red-green-blue pixels. Grey images give equal red, green and blue; images
// of other component counts (CMYK) fail. A file that ends early decodes, its missing part taken
// as the end of the image; an empty one fails.
RgbImage DecodeJpeg(ByteReader& in);
RgbImage DecodeJpegFile(const char* fileName);

// Encodes top-first red-green-blue pixels in colour with the quality (0 to 100, baseline).
bool EncodeJpeg(ByteWriter& out, const uint8_t* rgb, int width, int height, int quality);
bool EncodeJpegFile(const char* fileName, const uint8_t* rgb, int width, int height, int quality);

}  // namespace qbk
