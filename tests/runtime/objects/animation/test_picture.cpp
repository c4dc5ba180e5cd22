#include "test_picture.h"

#include "bmp_format.h"
#include "image_convert.h"
#include "png_codec.h"

#include <cstdlib>

namespace animtest {

using namespace qbk;

Picture MakePicture(int width, int height, int seed)
{
    Picture p;
    p.width = width;
    p.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            p.rgb.push_back(uint8_t(x * 40 + seed));
            p.rgb.push_back(uint8_t(y * 30 + seed * 7));
            p.rgb.push_back(uint8_t((x ^ y) * 17 + seed * 3));
        }
    }
    return p;
}

bool EncodePicture(const Picture& picture, ByteWriter& png)
{
    Bytes bgr = picture.rgb;
    SwapRedBlue(bgr.data(), size_t(picture.width) * picture.height);
    FlipRows(bgr.data(), size_t(picture.width) * 3, size_t(picture.height));
    GrowingWriter bmp;
    if (!WriteRgbAsBmp(bgr.data(), picture.width, picture.height, bmp)) return false;
    return BmpToPng(bmp.Data(), bmp.Size(), nullptr, &png, nullptr) == kPngOk;
}

Bytes EncodePicture(const Picture& picture)
{
    GrowingWriter png;
    if (!EncodePicture(picture, png)) return Bytes();
    return Bytes(png.Data(), png.Data() + png.Size());
}

bool DecodePicture(const uint8_t* png, size_t size, Picture* picture)
{
    PngReadRequest request;
    request.memory = png;
    request.memorySize = size;
    if (ReadPngToDib(&request) != kPngOk) return false;
    const int width = int(ReadLe32(request.dib + 4));
    const int height = int(ReadLe32(request.dib + 8));
    const bool ok = ReadLe16(request.dib + 14) == 24 && width > 0 && height > 0;
    if (ok) {
        picture->width = width;
        picture->height = height;
        picture->rgb.clear();
        const size_t stride = size_t(DibRowSize(uint64_t(width), 24));
        for (int y = height - 1; y >= 0; --y) {
            const uint8_t* row = request.bits + size_t(y) * stride;
            for (int x = 0; x < width; ++x) {
                picture->rgb.push_back(row[x * 3 + 2]);
                picture->rgb.push_back(row[x * 3 + 1]);
                picture->rgb.push_back(row[x * 3]);
            }
        }
    }
    std::free(request.dib);
    return ok;
}

}  // namespace animtest
