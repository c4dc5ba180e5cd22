// The codecs on the framework's files (a disk file or a memory file): readers and writers over
// a CFile, and the stream forms of the BMP and JPEG operations. A file operation that raises
// is a failed read or write here; nothing is thrown past these functions.
#pragma once

#include "bmp_format.h"
#include "image_io.h"

#include "fw_file.h"

namespace qbk {

class FileReader : public ByteReader {
public:
    explicit FileReader(CFile& file) : file_(file) {}
    size_t Read(void* buffer, size_t size) override;
    uint64_t Available() const override;

private:
    CFile& file_;
};

class FileWriter : public ByteWriter {
public:
    explicit FileWriter(CFile& file) : file_(file) {}
    bool Write(const void* data, size_t size) override;
    bool Finish() override;

private:
    CFile& file_;
};

// Empties the stream, writes the BMP from its start and rewinds it. Rows as for the
// ByteWriter form (bottom first, blue-green-red, unpadded).
bool WriteRgbAsBmp(const uint8_t* bgrRows, int width, int height, CFile* stream);
// Reads a BMP from the stream's current position.
RgbImage ReadBmpAsRgb(CFile* stream);
// Rewinds the stream and decodes the JPEG in it.
RgbImage DecodeJpeg(CFile* stream);
// Writes the JPEG at the stream's current position.
bool EncodeJpeg(CFile* stream, const uint8_t* rgb, int width, int height, int quality);

// The whole stream, read from its start; the stream is put back where it was. Empty when the
// stream is empty, larger than maxBytes, or cannot be read.
bool ReadWholeStream(CFile* stream, ByteBlock* data, size_t* size, uint64_t maxBytes);

}  // namespace qbk
