// libpng input and output functions over a file or a memory block.
#pragma once

#include "image_io.h"

#include <png.h>

namespace qbk {

struct PngIo {
    ByteReader* reader = nullptr;
    ByteWriter* writer = nullptr;
    size_t* written = nullptr;  // counts bytes that went to memory
};

// Short transfers are library errors: "Read Error" and "Write Error".
void ConnectPngInput(png_structp png, PngIo* io);
void ConnectPngOutput(png_structp png, PngIo* io);

}  // namespace qbk
