#include "jpeg_io.h"

extern "C" {
#include <jerror.h>
}

// Nothing in these callbacks may own resources: the library's error exit jumps across them.
namespace qbk {

namespace {

void JumpOnError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    longjmp(errors->jump, 1);
}

// Codec messages never reach the user (nor the console).
void SilentMessage(j_common_ptr) {}

void InitSource(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<JpegSource*>(cinfo->src);
    src->startOfFile = TRUE;
}

boolean FillInputBuffer(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<JpegSource*>(cinfo->src);
    size_t n = src->reader->Read(src->buffer, kJpegBlockSize);
    if (n == 0) {
        if (src->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        // Take the rest as the end of the image.
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        n = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = n;
    src->startOfFile = FALSE;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count)
{
    auto* src = reinterpret_cast<JpegSource*>(cinfo->src);
    if (count <= 0) return;
    while (count > long(src->pub.bytes_in_buffer)) {
        count -= long(src->pub.bytes_in_buffer);
        FillInputBuffer(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= size_t(count);
}

void TermSource(j_decompress_ptr) {}

void InitDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<JpegDestination*>(cinfo->dest);
    dest->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, kJpegBlockSize));
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = kJpegBlockSize;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<JpegDestination*>(cinfo->dest);
    if (!dest->writer->Write(dest->buffer, kJpegBlockSize)) ERREXIT(cinfo, JERR_FILE_WRITE);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = kJpegBlockSize;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<JpegDestination*>(cinfo->dest);
    size_t count = kJpegBlockSize - dest->pub.free_in_buffer;
    if (count && !dest->writer->Write(dest->buffer, count)) ERREXIT(cinfo, JERR_FILE_WRITE);
    if (!dest->writer->Finish()) ERREXIT(cinfo, JERR_FILE_WRITE);
}

}  // namespace

jpeg_error_mgr* InitJpegErrors(JpegErrorManager* errors)
{
    jpeg_error_mgr* pub = jpeg_std_error(&errors->pub);
    pub->error_exit = JumpOnError;
    pub->output_message = SilentMessage;
    return pub;
}

void AttachJpegSource(j_decompress_ptr cinfo, JpegSource* source, ByteReader* reader)
{
    source->reader = reader;
    source->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kJpegBlockSize));
    source->startOfFile = TRUE;
    source->pub.init_source = InitSource;
    source->pub.fill_input_buffer = FillInputBuffer;
    source->pub.skip_input_data = SkipInputData;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = TermSource;
    source->pub.bytes_in_buffer = 0;
    source->pub.next_input_byte = nullptr;
    cinfo->src = &source->pub;
}

void AttachJpegDestination(j_compress_ptr cinfo, JpegDestination* destination, ByteWriter* writer)
{
    destination->writer = writer;
    destination->buffer = nullptr;
    destination->pub.init_destination = InitDestination;
    destination->pub.empty_output_buffer = EmptyOutputBuffer;
    destination->pub.term_destination = TermDestination;
    cinfo->dest = &destination->pub;
}

}  // namespace qbk
