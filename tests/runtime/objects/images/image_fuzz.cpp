// Damaged BMP, PNG and JPEG bytes through every loader and the PNG writer's checks.
#include "bmp_format.h"
#include "image_convert.h"
#include "image_io.h"
#include "jpeg_codec.h"
#include "png_codec.h"

#include <cstdlib>

namespace {

// Touches every byte a result claims to hold, so that a short block shows up under the sanitizers.
unsigned Sum(const uint8_t* data, size_t size)
{
    unsigned s = 0;
    for (size_t i = 0; i < size; ++i) s += data[i];
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qbk;
    volatile unsigned sink = 0;

    BmpDib dib;
    if (ParseBmpFile(data, size, &dib)) sink += Sum(dib.info.data(), dib.info.size()) + Sum(dib.bits, dib.bitsSize);

    MemoryReader bmpReader(data, size);
    RgbImage rgb = ReadBmpAsRgb(bmpReader);
    if (rgb) sink += Sum(rgb.pixels.get(), rgb.Size());

    MemoryReader jpegReader(data, size);
    GrowingWriter bmp;
    if (JpegToBmp(jpegReader, bmp)) sink += Sum(bmp.Data(), bmp.Size());

    PngReadRequest request;
    request.memory = data;
    request.memorySize = size;
    if (ReadPngToDib(&request) == kPngOk) {
        sink += Sum(request.dib, request.dibSize);
        std::free(request.dib);
    }

    // The bytes as a BMP to be saved as PNG: the writer's checks of header, table and rows.
    GrowingWriter png;
    BmpToPng(data, size, nullptr, &png, nullptr);
    (void)sink;
    return 0;
}
