#include "jpeg_codec.h"

#include "jpeg_io.h"

#include <cstring>

extern "C" {
#include <jerror.h>
}

namespace qbk {

namespace {

// Limits against hostile files: the library's own big buffers (multi-scan images) and the
// number of scans, which a crafted progressive file can make endless.
constexpr long kJpegLibraryMemory = 256L << 20;
constexpr int kMaxJpegScans = 1000;

// Everything a run owns, reachable after the error jump (no locals change after setjmp).
struct DecodeJob {
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    JpegSource source;
    jpeg_progress_mgr progress;
    uint8_t* pixels;
    int width;
    int height;
};

void LimitScans(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxJpegScans) ERREXIT(cinfo, JERR_NOT_COMPILED);
}

// No object with a destructor may live here: the library's error exit jumps back into it.
bool RunDecode(ByteReader* in, DecodeJob* job)
{
    jpeg_decompress_struct* cinfo = &job->cinfo;
    cinfo->err = InitJpegErrors(&job->errors);
    if (setjmp(job->errors.jump)) {
        jpeg_destroy_decompress(cinfo);
        std::free(job->pixels);
        job->pixels = nullptr;
        return false;
    }
    jpeg_create_decompress(cinfo);
    cinfo->mem->max_memory_to_use = kJpegLibraryMemory;
    job->progress.progress_monitor = LimitScans;
    cinfo->progress = &job->progress;
    AttachJpegSource(cinfo, &job->source, in);
    jpeg_read_header(cinfo, TRUE);
    jpeg_calc_output_dimensions(cinfo);
    int components = cinfo->output_components;
    uint64_t bytes = CappedImageBytes(uint64_t(cinfo->output_width) * 3, cinfo->output_height);
    if ((components != 1 && components != 3) || bytes == 0) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    job->pixels = static_cast<uint8_t*>(std::malloc(size_t(bytes)));
    if (!job->pixels) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    jpeg_start_decompress(cinfo);
    job->width = int(cinfo->output_width);
    job->height = int(cinfo->output_height);
    size_t rowBytes = size_t(job->width) * 3;
    JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 JDIMENSION(job->width) * JDIMENSION(components), 1);
    while (cinfo->output_scanline < cinfo->output_height) {
        uint8_t* out = job->pixels + size_t(cinfo->output_scanline) * rowBytes;
        if (jpeg_read_scanlines(cinfo, row, 1) != 1) ERREXIT(cinfo, JERR_INPUT_EOF);
        if (components == 3) {
            std::memcpy(out, row[0], rowBytes);
        } else {
            for (int x = 0; x < job->width; ++x, out += 3) out[0] = out[1] = out[2] = row[0][x];
        }
    }
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return true;
}

struct EncodeJob {
    jpeg_compress_struct cinfo;
    JpegErrorManager errors;
    JpegDestination destination;
};

bool RunEncode(ByteWriter* out, const uint8_t* rgb, int width, int height, int quality, EncodeJob* job)
{
    jpeg_compress_struct* cinfo = &job->cinfo;
    cinfo->err = InitJpegErrors(&job->errors);
    if (setjmp(job->errors.jump)) {
        jpeg_destroy_compress(cinfo);
        return false;
    }
    jpeg_create_compress(cinfo);
    AttachJpegDestination(cinfo, &job->destination, out);
    cinfo->image_width = JDIMENSION(width);
    cinfo->image_height = JDIMENSION(height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    size_t rowBytes = size_t(width) * 3;
    while (cinfo->next_scanline < cinfo->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + size_t(cinfo->next_scanline) * rowBytes);
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
    jpeg_destroy_compress(cinfo);
    return true;
}

}  // namespace

RgbImage DecodeJpeg(ByteReader& in)
{
    RgbImage image;
    DecodeJob* job = static_cast<DecodeJob*>(std::calloc(1, sizeof(DecodeJob)));
    if (!job) return image;
    if (RunDecode(&in, job)) {
        image.pixels.reset(job->pixels);
        image.width = job->width;
        image.height = job->height;
    }
    std::free(job);
    return image;
}

RgbImage DecodeJpegFile(const char* fileName)
{
    FILE* file = OpenBinaryFile(fileName, false);
    if (!file) return RgbImage();
    StdioReader reader(file);
    RgbImage image = DecodeJpeg(reader);
    std::fclose(file);
    return image;
}

bool EncodeJpeg(ByteWriter& out, const uint8_t* rgb, int width, int height, int quality)
{
    if (!rgb || width <= 0 || height <= 0 || width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION) return false;
    EncodeJob* job = static_cast<EncodeJob*>(std::calloc(1, sizeof(EncodeJob)));
    if (!job) return false;
    bool ok = RunEncode(&out, rgb, width, height, quality, job);
    std::free(job);
    return ok;
}

bool EncodeJpegFile(const char* fileName, const uint8_t* rgb, int width, int height, int quality)
{
    if (!rgb || width <= 0 || height <= 0) return false;
    FILE* file = OpenBinaryFile(fileName, true);
    if (!file) return false;
    StdioWriter writer(file);
    bool ok = EncodeJpeg(writer, rgb, width, height, quality);
    return std::fclose(file) == 0 && ok;
}

}  // namespace qbk
