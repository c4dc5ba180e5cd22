// Conversion between device-independent bitmaps and PNG through libpng, with our own input and
// output functions over a file or a memory block. Results are codes, never exceptions.
#pragma once

#include "image_io.h"

#include <cstddef>
#include <cstdint>

namespace qbk {

enum PngResult {
    kPngOk = 0,
    kPngUnknownError = 1,
    kPngIncompatibleVersion = 2,
    kPngNoMemory = 3,
    kPngUnsupported = 4,
    kPngLibraryError = 5,
    kPngInvalidBmp = 6,
    kPngInvalidPng = 7,
    kPngReadFailed = 8,
    kPngWriteFailed = 9,
};
// The text of a result code ("Unknown error" for codes it does not know).
const char* PngResultText(int code);

constexpr size_t kPngErrorTextSize = 100;

struct PngReadRequest {
    uint32_t requestSize = sizeof(PngReadRequest);
    uint32_t flags = 0;  // 0: no background colour, no gamma correction
    const char* fileName = nullptr;  // null: read from memory
    const uint8_t* memory = nullptr;
    size_t memorySize = 0;
    // Result: one block from malloc (the caller frees it) holding the info header, the colour
    // table and the rows, bottom row first.
    uint8_t* dib = nullptr;
    size_t dibSize = 0;
    size_t headerSize = 0;
    size_t bitsOffset = 0;
    uint8_t* colorTable = nullptr;
    int colorCount = 0;
    uint8_t* bits = nullptr;
    uint8_t background[3] = {0, 0, 0};  // red, green, blue; unused with flags 0
    char* errorText = nullptr;  // at least kPngErrorTextSize bytes, or null
};

struct PngWriteRequest {
    uint32_t requestSize = sizeof(PngWriteRequest);
    uint32_t flags = 0;  // 0: not interlaced, gamma chunks written
    const char* fileName = nullptr;  // null: write to memory
    // Receives the PNG when there is no file name; it grows as needed, so an image that does
    // not compress still fits.
    ByteWriter* memory = nullptr;
    size_t bytesWritten = 0;
    const uint8_t* header = nullptr;  // info header and colour table
    size_t headerBytes = 0;
    const uint8_t* bits = nullptr;
    size_t bitsSize = 0;
    const char* software = nullptr;  // text of the "Software" entry, or null
    char* errorText = nullptr;
};

int ReadPngToDib(PngReadRequest* request);
int WriteDibToPng(PngWriteRequest* request);

}  // namespace qbk
