// Prints decode and encode throughput (megapixels per second) of our image codecs next to the
// libraries' own simplest loops, on the same picture in the same run. A measurement, not a test:
// build it in an optimised tree without sanitizers for figures that mean something.
#include "bmp_format.h"
#include "image_convert.h"
#include "image_io.h"
#include "jpeg_codec.h"
#include "png_codec.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

extern "C" {
#include <jpeglib.h>
}
#include <png.h>

using namespace qbk;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// A photo-like picture: smooth gradients with a little noise.
std::vector<uint8_t> Picture()
{
    std::vector<uint8_t> rgb(size_t(kWidth) * kHeight * 3);
    uint32_t state = 1;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            state = state * 1664525 + 1013904223;
            int noise = int(state >> 28) - 8;
            uint8_t* p = &rgb[(size_t(y) * kWidth + x) * 3];
            p[0] = uint8_t(std::min(255, std::max(0, x * 255 / kWidth + noise)));
            p[1] = uint8_t(std::min(255, std::max(0, y * 255 / kHeight + noise)));
            p[2] = uint8_t(std::min(255, std::max(0, (x + y) * 255 / (kWidth + kHeight) + noise)));
        }
    return rgb;
}

// Runs the work until about half a second has passed; answers megapixels per second.
double Measure(const std::function<bool()>& work)
{
    using Clock = std::chrono::steady_clock;
    int runs = 0;
    auto start = Clock::now();
    double seconds = 0;
    do {
        if (!work()) return -1;
        ++runs;
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    } while (seconds < 0.5 || runs < 3);
    return double(kWidth) * kHeight * runs / seconds / 1e6;
}

void Row(const char* what, double ours, const char* libWhat, double library)
{
    if (library > 0)
        std::printf("%-34s %9.1f MP/s   %-34s %9.1f MP/s\n", what, ours, libWhat, library);
    else
        std::printf("%-34s %9.1f MP/s\n", what, ours);
}

bool LibraryJpegDecode(const std::vector<uint8_t>& jpeg, std::vector<uint8_t>* out)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), (unsigned long)jpeg.size());
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    size_t row = size_t(cinfo.output_width) * cinfo.output_components;
    out->resize(row * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW p = out->data() + row * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool LibraryJpegEncode(const std::vector<uint8_t>& rgb, int quality)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &mem, &size);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW p = const_cast<JSAMPROW>(rgb.data() + size_t(kWidth) * 3 * cinfo.next_scanline);
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::free(mem);
    return true;
}

bool LibraryPngDecode(const std::vector<uint8_t>& png, std::vector<uint8_t>* out)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return false;
    image.format = PNG_FORMAT_BGR;
    out->resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, out->data(), 0, nullptr) != 0;
}

bool LibraryPngEncode(const std::vector<uint8_t>& rgb)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = kWidth;
    image.height = kHeight;
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, rgb.data(), 0, nullptr)) return false;
    std::vector<uint8_t> out(size);
    return png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr) != 0;
}

}  // namespace

int main()
{
    std::vector<uint8_t> rgb = Picture();
    std::vector<uint8_t> bgr = rgb;
    SwapRedBlue(bgr.data(), size_t(kWidth) * kHeight);
    FlipRows(bgr.data(), size_t(kWidth) * 3, kHeight);

    GrowingWriter bmpOut, jpegOut, pngOut;
    if (!WriteRgbAsBmp(bgr.data(), kWidth, kHeight, bmpOut) || !EncodeJpeg(jpegOut, rgb.data(), kWidth, kHeight, 85) ||
        BmpToPng(bmpOut.Data(), bmpOut.Size(), nullptr, &pngOut, nullptr) != kPngOk) {
        std::printf("could not prepare the picture\n");
        return 1;
    }
    std::vector<uint8_t> bmp(bmpOut.Data(), bmpOut.Data() + bmpOut.Size());
    std::vector<uint8_t> jpeg(jpegOut.Data(), jpegOut.Data() + jpegOut.Size());
    std::vector<uint8_t> png(pngOut.Data(), pngOut.Data() + pngOut.Size());
    std::vector<uint8_t> scratch;

#if defined(__SANITIZE_ADDRESS__) || defined(__OPTIMIZE__) == 0
    std::printf("note: built without optimisation or with sanitizers; the figures are only relative\n");
#endif
    std::printf("picture %dx%d: BMP %zu bytes, JPEG (quality 85) %zu bytes, PNG %zu bytes\n\n", kWidth, kHeight,
                bmp.size(), jpeg.size(), png.size());
    std::printf("decode\n");
    Row("JPEG to RGB (ours)", Measure([&] {
            MemoryReader in(jpeg.data(), jpeg.size());
            return bool(DecodeJpeg(in));
        }),
        "libjpeg scanline loop", Measure([&] { return LibraryJpegDecode(jpeg, &scratch); }));
    Row("JPEG to BMP, the loader's path", Measure([&] {
            MemoryReader in(jpeg.data(), jpeg.size());
            GrowingWriter out;
            return JpegToBmp(in, out);
        }),
        "", 0);
    Row("PNG to DIB (ours)", Measure([&] {
            PngReadRequest request;
            request.memory = png.data();
            request.memorySize = png.size();
            bool ok = ReadPngToDib(&request) == kPngOk;
            std::free(request.dib);
            return ok;
        }),
        "libpng simplified read", Measure([&] { return LibraryPngDecode(png, &scratch); }));
    Row("BMP to RGB (ours)", Measure([&] {
            MemoryReader in(bmp.data(), bmp.size());
            return bool(ReadBmpAsRgb(in));
        }),
        "", 0);
    std::printf("\nencode\n");
    Row("RGB to JPEG q85 (ours)", Measure([&] {
            GrowingWriter out;
            return EncodeJpeg(out, rgb.data(), kWidth, kHeight, 85);
        }),
        "libjpeg scanline loop", Measure([&] { return LibraryJpegEncode(rgb, 85); }));
    Row("BMP to PNG (ours)", Measure([&] {
            GrowingWriter out;
            return BmpToPng(bmp.data(), bmp.size(), nullptr, &out, nullptr) == kPngOk;
        }),
        "libpng simplified write", Measure([&] { return LibraryPngEncode(rgb); }));
    Row("RGB to BMP (ours)", Measure([&] {
            GrowingWriter out;
            return WriteRgbAsBmp(bgr.data(), kWidth, kHeight, out);
        }),
        "", 0);
    return 0;
}
