// libjpeg source and destination managers over our byte readers and writers, 4096 bytes at a time.
#pragma once

#include "image_io.h"

#include <cstddef>
#include <cstdio>
#include <csetjmp>

extern "C" {
#include <jpeglib.h>
}

namespace qbk {

constexpr size_t kJpegBlockSize = 4096;

// Error manager whose fatal exit jumps back to the operation that set `jump`.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
};
// Fills in the standard manager with a silent message output and the jumping fatal exit.
jpeg_error_mgr* InitJpegErrors(JpegErrorManager* errors);

struct JpegSource {
    jpeg_source_mgr pub;
    ByteReader* reader;
    JOCTET* buffer;
    boolean startOfFile;
};
// Connects the source (allocated by the caller, living as long as the decompression).
void AttachJpegSource(j_decompress_ptr cinfo, JpegSource* source, ByteReader* reader);

struct JpegDestination {
    jpeg_destination_mgr pub;
    ByteWriter* writer;
    JOCTET* buffer;
};
void AttachJpegDestination(j_compress_ptr cinfo, JpegDestination* destination, ByteWriter* writer);

}  // namespace qbk
