#include "png_io.h"

// png_error jumps out of these functions: nothing here may own resources.
namespace qbk {

namespace {

void ReadData(png_structp png, png_bytep data, size_t length)
{
    auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
    if (io->reader->Read(data, length) != length) png_error(png, "Read Error");
}

void WriteData(png_structp png, png_bytep data, size_t length)
{
    auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
    if (!io->writer->Write(data, length)) png_error(png, "Write Error");
    if (io->written) *io->written += length;
}

void FlushData(png_structp) {}

}  // namespace

void ConnectPngInput(png_structp png, PngIo* io) { png_set_read_fn(png, io, ReadData); }

void ConnectPngOutput(png_structp png, PngIo* io) { png_set_write_fn(png, io, WriteData, FlushData); }

}  // namespace qbk
