#include "image_convert.h"

#include "bmp_format.h"
#include "jpeg_codec.h"
#include "png_codec.h"

namespace qbk {

bool JpegToBmp(ByteReader& jpeg, ByteWriter& bmp)
{
    RgbImage image = DecodeJpeg(jpeg);
    if (!image) return false;
    SwapRedBlue(image.pixels.get(), size_t(image.width) * size_t(image.height));
    if (!FlipRows(image.pixels.get(), size_t(image.width) * 3, size_t(image.height))) return false;
    return WriteRgbAsBmp(image.pixels.get(), image.width, image.height, bmp);
}

bool BmpToJpeg(const uint8_t* bmp, size_t size, const char* fileName, ByteWriter* out, int quality)
{
    if (!bmp) return false;
    MemoryReader reader(bmp, size);
    RgbImage image = ReadBmpAsRgb(reader);
    if (!image) return false;
    if (fileName) return EncodeJpegFile(fileName, image.pixels.get(), image.width, image.height, quality);
    return out && EncodeJpeg(*out, image.pixels.get(), image.width, image.height, quality);
}

int BmpToPng(const uint8_t* bmp, size_t size, const char* fileName, ByteWriter* out, char* errorText)
{
    PngWriteRequest request;
    request.errorText = errorText;
    uint64_t offBits = bmp && size >= kBmpFileHeaderSize ? ReadLe32(bmp + 10) : 0;
    if (offBits < kBmpFileHeaderSize || offBits >= size) {
        // Not a BMP with pixels: let the converter report it as such.
        request.header = nullptr;
        return WriteDibToPng(&request);
    }
    request.fileName = fileName;
    request.memory = out;
    request.header = bmp + kBmpFileHeaderSize;
    request.headerBytes = size_t(offBits) - kBmpFileHeaderSize;
    request.bits = bmp + offBits;
    request.bitsSize = size - size_t(offBits);
    request.software = "QBK";
    return WriteDibToPng(&request);
}

}  // namespace qbk
