#include "image_samples.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

extern "C" {
#include <jpeglib.h>
}
#include <png.h>

namespace qbktest {

Bytes MakeJpeg(int width, int height, int components, const Bytes& samples, int quality, bool progressive)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    for (int y = 0; y < height; ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + size_t(y) * width * components);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes result(out, out + size);
    free(out);
    return result;
}

namespace {
void Append(png_structp png, png_bytep data, size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}
void NoFlush(png_structp) {}
}  // namespace

Bytes MakePng(const PngSpec& s)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("MakePng failed");
    }
    png_set_write_fn(png, &out, Append, NoFlush);
    png_set_IHDR(png, info, s.width, s.height, s.depth, s.colorType,
                 s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (size_t i = 0; i + 2 < s.palette.size(); i += 3)
        palette.push_back(png_color{s.palette[i], s.palette[i + 1], s.palette[i + 2]});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
    if (s.pixelsPerMetre) png_set_pHYs(png, info, s.pixelsPerMetre, s.pixelsPerMetre, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<png_bytep> rows(s.height);
    for (int y = 0; y < s.height; ++y) rows[y] = const_cast<png_bytep>(s.rows.data() + size_t(y) * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

static void Put32(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

Bytes MakeBmp(int headerSize, int width, int height, int bitCount, const std::vector<uint32_t>& table,
              const Bytes& rows, int gap, uint32_t compression)
{
    size_t off = 14 + size_t(headerSize) + table.size() * 4 + size_t(gap);
    Bytes b(off, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, uint32_t(off + rows.size()));
    Put32(b, 10, uint32_t(off));
    Put32(b, 14, uint32_t(headerSize));
    Put32(b, 18, uint32_t(width));
    Put32(b, 22, uint32_t(height));
    b[26] = 1;
    b[28] = uint8_t(bitCount);
    Put32(b, 30, compression);
    Put32(b, 46, uint32_t(table.size()));
    for (size_t i = 0; i < table.size(); ++i) Put32(b, 14 + headerSize + i * 4, table[i]);
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

Bytes PatternRgb(int width, int height)
{
    Bytes p(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* px = &p[(size_t(y) * width + x) * 3];
            px[0] = uint8_t(x * 255 / (width > 1 ? width - 1 : 1));
            px[1] = uint8_t(y * 255 / (height > 1 ? height - 1 : 1));
            px[2] = uint8_t((x + y) * 4);
        }
    return p;
}

unsigned long ProcessId()
{
#ifdef _WIN32
    return (unsigned long)_getpid();
#else
    return (unsigned long)getpid();
#endif
}

std::vector<std::string> PngChunks(const Bytes& png)
{
    std::vector<std::string> chunks;
    size_t at = 8;
    while (at + 8 <= png.size()) {
        uint32_t len = uint32_t(png[at]) << 24 | uint32_t(png[at + 1]) << 16 | uint32_t(png[at + 2]) << 8 | png[at + 3];
        chunks.emplace_back(reinterpret_cast<const char*>(&png[at + 4]), 4);
        at += 12 + size_t(len);
    }
    return chunks;
}

}  // namespace qbktest
