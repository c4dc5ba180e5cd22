#include "png_codec.h"

#include "bmp_format.h"
#include "png_io.h"

#include <cstdarg>
#include <cstring>

namespace qbk {

const char* PngResultText(int code)
{
    switch (code) {
    case kPngIncompatibleVersion: return "Incompatible library version";
    case kPngNoMemory: return "Unable to allocate memory";
    case kPngUnsupported: return "Invalid or unsupported image";
    case kPngLibraryError: return "libpng reported an error";
    case kPngInvalidBmp: return "Invalid BMP image";
    case kPngInvalidPng: return "Invalid PNG image";
    case kPngReadFailed: return "Unable to read file";
    case kPngWriteFailed: return "Unable to write file";
    default: return "Unknown error";
    }
}

namespace {

constexpr uint32_t kMaxPngDimension = 1000000;
// A chunk other than image data is held whole: a damaged length must not claim gigabytes. No block
// the library needs for a picture within the dimension limit comes near the allocation limit.
constexpr png_alloc_size_t kMaxPngChunkBytes = 8u << 20;
constexpr png_alloc_size_t kMaxPngAllocation = 64u << 20;

// The error text a conversion reports: the first precise one set wins, else the code's own.
struct ErrorText {
    char* buffer;
    bool set;
};

void SetText(ErrorText* text, const char* format, ...)
{
    if (text->set) return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(text->buffer, kPngErrorTextSize, format, args);
    va_end(args);
    text->set = true;
}

int Finish(ErrorText* text, int code)
{
    if (code != kPngOk) SetText(text, "%s", PngResultText(code));
    return code;
}

// The library's errors land here: its message becomes the text and control returns to the
// converter, which answers code 5.
void OnPngError(png_structp png, png_const_charp message)
{
    auto* text = static_cast<ErrorText*>(png_get_error_ptr(png));
    if (text && !text->set) {
        std::snprintf(text->buffer, kPngErrorTextSize, "%s", message ? message : "");
        text->set = true;
    }
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Some chunk paths of the library allocate a damaged length before checking it against the
// chunk limit; refusing here turns that into a read error instead of gigabytes taken.
png_voidp BoundedPngAlloc(png_structp, png_alloc_size_t size)
{
    return size <= kMaxPngAllocation ? std::malloc(size) : nullptr;
}

void FreePngAlloc(png_structp, png_voidp block) { std::free(block); }

// What a read owns, reachable after the library's error jump.
struct ReadJob {
    png_structp png;
    png_infop info;
    FILE* file;
    uint8_t* dib;
    uint8_t* packed;  // 2-bit rows before they are widened to 4 bits
    png_bytep* rows;
};

void ReleaseRead(ReadJob* job)
{
    if (job->png) png_destroy_read_struct(&job->png, job->info ? &job->info : nullptr, nullptr);
    if (job->file) std::fclose(job->file);
    std::free(job->dib);
    std::free(job->packed);
    std::free(job->rows);
    job->png = nullptr;
    job->info = nullptr;
    job->file = nullptr;
    job->dib = job->packed = nullptr;
    job->rows = nullptr;
}

// No object with a destructor lives here: libpng's error exit jumps back into this frame.
int RunRead(PngReadRequest* req, ReadJob* job, ErrorText* text, PngIo* io)
{
    job->png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, text, OnPngError, OnPngWarning, nullptr, BoundedPngAlloc,
                                        FreePngAlloc);
    if (!job->png) return kPngNoMemory;
    job->info = png_create_info_struct(job->png);
    if (!job->info) return kPngNoMemory;
    if (setjmp(png_jmpbuf(job->png))) return kPngLibraryError;
    png_structp png = job->png;
    png_infop info = job->info;
    png_set_user_limits(png, kMaxPngDimension, kMaxPngDimension);
    png_set_chunk_malloc_max(png, kMaxPngChunkBytes);
    ConnectPngInput(png, io);
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int depth = 0, colorType = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colorType, nullptr, nullptr, nullptr);
    if (depth == 16) png_set_strip_16(png);
    if (colorType & PNG_COLOR_MASK_ALPHA) png_set_strip_alpha(png);
    int dibBits;
    unsigned entries;
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_GRAY_ALPHA:
    case PNG_COLOR_TYPE_PALETTE:
        depth = depth > 8 ? 8 : depth;
        dibBits = depth == 2 ? 4 : depth;
        entries = 1u << depth;
        break;
    case PNG_COLOR_TYPE_RGB:
    case PNG_COLOR_TYPE_RGB_ALPHA:
        png_set_bgr(png);
        dibBits = 24;
        entries = 0;
        break;
    default: return kPngInvalidPng;
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    uint64_t dibRow = DibRowSize(width, unsigned(dibBits));
    uint64_t bitsSize = CappedImageBytes(dibRow, height);
    uint64_t pngRow = png_get_rowbytes(png, info);
    if (bitsSize == 0 || pngRow > dibRow) {
        SetText(text, "Image too large (%ux%u)", unsigned(width), unsigned(height));
        return kPngUnsupported;
    }
    size_t headerAndTable = kDibHeaderSize + size_t(entries) * 4;
    job->dib = static_cast<uint8_t*>(std::calloc(1, headerAndTable + size_t(bitsSize)));
    job->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * height));
    if (!job->dib || !job->rows) return kPngNoMemory;
    uint8_t* bits = job->dib + headerAndTable;
    if (depth == 2) {
        job->packed = static_cast<uint8_t*>(std::malloc(size_t(pngRow) * height));
        if (!job->packed) return kPngNoMemory;
        for (png_uint_32 y = 0; y < height; ++y) job->rows[y] = job->packed + size_t(y) * size_t(pngRow);
    } else {
        // The PNG's first row lands in the DIB's last.
        for (png_uint_32 y = 0; y < height; ++y) job->rows[y] = bits + size_t(height - 1 - y) * size_t(dibRow);
    }
    png_read_image(png, job->rows);
    png_read_end(png, nullptr);

    if (depth == 2) {
        for (png_uint_32 y = 0; y < height; ++y) {
            const uint8_t* src = job->rows[y];
            uint8_t* dst = bits + size_t(height - 1 - y) * size_t(dibRow);
            for (png_uint_32 x = 0; x < width; ++x) {
                unsigned v = (src[x / 4] >> (6 - 2 * (x % 4))) & 3;
                dst[x / 2] |= uint8_t(x % 2 ? v : v << 4);
            }
        }
    }

    uint8_t* table = job->dib + kDibHeaderSize;
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp palette = nullptr;
        int count = 0;
        if (png_get_PLTE(png, info, &palette, &count) && palette) {
            // Entries the palette lacks stay black, so every index finds one.
            for (int i = 0; i < count && unsigned(i) < entries; ++i) {
                table[i * 4] = palette[i].blue;
                table[i * 4 + 1] = palette[i].green;
                table[i * 4 + 2] = palette[i].red;
            }
        }
    } else {
        for (unsigned i = 0; i < entries; ++i)
            table[i * 4] = table[i * 4 + 1] = table[i * 4 + 2] = uint8_t(i * 255 / (entries - 1));
    }

    uint8_t* h = job->dib;
    WriteLe32(h, uint32_t(kDibHeaderSize));
    WriteLe32(h + 4, width);
    WriteLe32(h + 8, height);
    WriteLe16(h + 12, 1);
    WriteLe16(h + 14, uint16_t(dibBits));
    WriteLe32(h + 20, uint32_t(bitsSize));
    png_uint_32 resX = 0, resY = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &resX, &resY, &unit) && unit == PNG_RESOLUTION_METER) {
        WriteLe32(h + 24, resX);
        WriteLe32(h + 28, resY);
    }
    WriteLe32(h + 32, entries);

    req->dib = job->dib;
    req->dibSize = headerAndTable + size_t(bitsSize);
    req->headerSize = kDibHeaderSize;
    req->bitsOffset = headerAndTable;
    req->colorTable = entries ? table : nullptr;
    req->colorCount = int(entries);
    req->bits = bits;
    job->dib = nullptr;
    return kPngOk;
}

struct WriteJob {
    png_structp png;
    png_infop info;
    FILE* file;
    png_colorp palette;
};

void ReleaseWrite(WriteJob* job)
{
    if (job->png) png_destroy_write_struct(&job->png, job->info ? &job->info : nullptr);
    if (job->file) std::fclose(job->file);
    std::free(job->palette);
    job->png = nullptr;
    job->info = nullptr;
    job->file = nullptr;
    job->palette = nullptr;
}

// The DIB's shape, checked before libpng is involved.
struct DibShape {
    int width;
    int height;  // rows, always positive
    bool topDown;
    int bitCount;
    const uint8_t* table;
    unsigned tableEntries;
    unsigned tableEntrySize;
    uint32_t resX, resY;
    size_t rowBytes;
};

int CheckDib(const PngWriteRequest* req, DibShape* s, ErrorText* text)
{
    const uint8_t* h = req->header;
    if (!h || req->headerBytes < 4) return kPngInvalidBmp;
    uint32_t headerSize = ReadLe32(h);
    if ((headerSize != 12 && headerSize < 40) || headerSize > req->headerBytes) {
        SetText(text, "Unexpected BMP header size (%d)", int(headerSize));
        return kPngInvalidBmp;
    }
    int64_t width, height;
    uint32_t compression = 0, colorsUsed = 0;
    if (headerSize == 12) {
        width = ReadLe16(h + 4);
        height = int16_t(ReadLe16(h + 6));
        s->bitCount = ReadLe16(h + 10);
        s->tableEntrySize = 3;
        s->resX = s->resY = 0;
    } else {
        width = int32_t(ReadLe32(h + 4));
        height = int32_t(ReadLe32(h + 8));
        s->bitCount = ReadLe16(h + 14);
        compression = ReadLe32(h + 16);
        colorsUsed = ReadLe32(h + 32);
        s->tableEntrySize = 4;
        s->resX = ReadLe32(h + 24);
        s->resY = ReadLe32(h + 28);
    }
    s->topDown = height < 0;
    int64_t rows = height < 0 ? -height : height;
    if (width < 1 || width > kMaxPngDimension || rows < 1 || rows > kMaxPngDimension) {
        SetText(text, "Unreasonable image dimensions (%dx%d)", int(width), int(height));
        return kPngInvalidBmp;
    }
    if (compression != 0) {
        SetText(text, "Unsupported compression scheme");
        return kPngUnsupported;
    }
    int b = s->bitCount;
    if (b != 1 && b != 4 && b != 8 && b != 24 && b != 32) {
        SetText(text, "Unsupported bit depth (%d)", b);
        return kPngInvalidBmp;
    }
    s->width = int(width);
    s->height = int(rows);
    uint64_t rowBytes = DibRowSize(uint64_t(width), unsigned(b));
    uint64_t need = CappedImageBytes(rowBytes, uint64_t(rows));
    if (need == 0 || !req->bits || req->bitsSize < need) return kPngInvalidBmp;
    s->rowBytes = size_t(rowBytes);
    s->table = nullptr;
    s->tableEntries = 0;
    if (b <= 8) {
        unsigned full = 1u << b;
        s->tableEntries = colorsUsed && colorsUsed < full ? colorsUsed : full;
        uint64_t tableBytes = uint64_t(s->tableEntries) * s->tableEntrySize;
        if (headerSize + tableBytes > req->headerBytes) return kPngInvalidBmp;
        s->table = h + headerSize;
    }
    return kPngOk;
}

int RunWrite(PngWriteRequest* req, const DibShape* s, WriteJob* job, ErrorText* text, PngIo* io)
{
    job->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, text, OnPngError, OnPngWarning);
    if (!job->png) return kPngNoMemory;
    job->info = png_create_info_struct(job->png);
    if (!job->info) return kPngNoMemory;
    if (s->bitCount <= 8) {
        job->palette = static_cast<png_colorp>(std::malloc(sizeof(png_color) * s->tableEntries));
        if (!job->palette) return kPngNoMemory;
    }
    if (setjmp(png_jmpbuf(job->png))) return kPngLibraryError;
    png_structp png = job->png;
    png_infop info = job->info;
    ConnectPngOutput(png, io);
    bool indexed = s->bitCount <= 8;
    png_set_IHDR(png, info, png_uint_32(s->width), png_uint_32(s->height), indexed ? s->bitCount : 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_sRGB(png, info, 1);
    png_set_gAMA(png, info, 0.45455);
    if (int32_t(s->resX) > 0 && int32_t(s->resY) > 0) png_set_pHYs(png, info, s->resX, s->resY, PNG_RESOLUTION_METER);
    if (indexed) {
        for (unsigned i = 0; i < s->tableEntries; ++i) {
            const uint8_t* e = s->table + size_t(i) * s->tableEntrySize;
            job->palette[i].blue = e[0];
            job->palette[i].green = e[1];
            job->palette[i].red = e[2];
        }
        png_set_PLTE(png, info, job->palette, int(s->tableEntries));
    }
    png_text entry;
    std::memset(&entry, 0, sizeof entry);
    if (req->software) {
        entry.compression = PNG_TEXT_COMPRESSION_NONE;
        entry.key = const_cast<png_charp>("Software");
        entry.text = const_cast<png_charp>(req->software);
        entry.text_length = std::strlen(req->software);
        png_set_text(png, info, &entry, 1);
    }
    png_write_info(png, info);
    if (!indexed) png_set_bgr(png);
    if (s->bitCount == 32) png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int i = 0; i < s->height; ++i) {
        int stored = s->topDown ? i : s->height - 1 - i;
        png_write_row(png, const_cast<png_bytep>(req->bits + size_t(stored) * s->rowBytes));
    }
    png_write_end(png, info);
    return kPngOk;
}

}  // namespace

int ReadPngToDib(PngReadRequest* req)
{
    char ownText[kPngErrorTextSize];
    ErrorText text{req && req->errorText ? req->errorText : ownText, false};
    text.buffer[0] = '\0';
    if (!req || req->requestSize != sizeof(PngReadRequest)) return Finish(&text, kPngIncompatibleVersion);
    req->dib = nullptr;
    req->dibSize = 0;
    MemoryReader memory(req->memory, req->memory ? req->memorySize : 0);
    ReadJob job{};
    if (req->fileName) {
        job.file = OpenBinaryFile(req->fileName, false);
        if (!job.file) return Finish(&text, kPngReadFailed);
    }
    // The readers live in this frame, outside the one the library's error exit jumps into.
    StdioReader fileReader(job.file);
    PngIo io;
    io.reader = job.file ? static_cast<ByteReader*>(&fileReader) : &memory;
    int code = RunRead(req, &job, &text, &io);
    ReleaseRead(&job);
    return Finish(&text, code);
}

int WriteDibToPng(PngWriteRequest* req)
{
    char ownText[kPngErrorTextSize];
    ErrorText text{req && req->errorText ? req->errorText : ownText, false};
    text.buffer[0] = '\0';
    if (!req || req->requestSize != sizeof(PngWriteRequest)) return Finish(&text, kPngIncompatibleVersion);
    req->bytesWritten = 0;
    DibShape shape;
    int code = CheckDib(req, &shape, &text);
    if (code != kPngOk) return Finish(&text, code);
    if (!req->fileName && !req->memory) return Finish(&text, kPngWriteFailed);
    WriteJob job{};
    if (req->fileName) {
        job.file = OpenBinaryFile(req->fileName, true);
        if (!job.file) return Finish(&text, kPngWriteFailed);
    }
    StdioWriter fileWriter(job.file);
    PngIo io;
    io.writer = job.file ? static_cast<ByteWriter*>(&fileWriter) : req->memory;
    io.written = job.file ? nullptr : &req->bytesWritten;
    code = RunWrite(req, &shape, &job, &text, &io);
    if (code == kPngOk && job.file && !fileWriter.Finish()) code = kPngWriteFailed;
    ReleaseWrite(&job);
    return Finish(&text, code);
}

}  // namespace qbk
