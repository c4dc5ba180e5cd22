#include "image_file_io.h"

#include "jpeg_codec.h"

#include <climits>

namespace qbk {

size_t FileReader::Read(void* buffer, size_t size)
{
    size_t done = 0;
    try {
        while (done < size) {
            UINT chunk = UINT(size - done < UINT_MAX ? size - done : UINT_MAX);
            UINT n = file_.Read(static_cast<uint8_t*>(buffer) + done, chunk);
            done += n;
            if (n < chunk) break;
        }
    } catch (...) {
    }
    return done;
}

uint64_t FileReader::Available() const
{
    try {
        ULONGLONG length = file_.GetLength(), position = file_.GetPosition();
        return length > position ? length - position : 0;
    } catch (...) {
        return 0;
    }
}

bool FileWriter::Write(const void* data, size_t size)
{
    try {
        size_t done = 0;
        while (done < size) {
            UINT chunk = UINT(size - done < UINT_MAX ? size - done : UINT_MAX);
            file_.Write(static_cast<const uint8_t*>(data) + done, chunk);
            done += chunk;
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool FileWriter::Finish()
{
    try {
        file_.Flush();
        return true;
    } catch (...) {
        return false;
    }
}

bool WriteRgbAsBmp(const uint8_t* bgrRows, int width, int height, CFile* stream)
{
    if (!bgrRows || !stream || width <= 0 || height <= 0) return false;
    uint64_t rows = CappedImageBytes(DibRowSize(uint64_t(width), 24), uint64_t(height));
    if (rows == 0) return false;
    try {
        stream->SetLength(0);
        stream->SetLength(rows + kBmpHeadersSize);
        stream->SeekToBegin();
        FileWriter writer(*stream);
        bool ok = WriteRgbAsBmp(bgrRows, width, height, writer);
        stream->SeekToBegin();
        return ok;
    } catch (...) {
        return false;
    }
}

RgbImage ReadBmpAsRgb(CFile* stream)
{
    if (!stream) return RgbImage();
    FileReader reader(*stream);
    return ReadBmpAsRgb(reader);
}

RgbImage DecodeJpeg(CFile* stream)
{
    if (!stream) return RgbImage();
    try {
        stream->SeekToBegin();
    } catch (...) {
        return RgbImage();
    }
    FileReader reader(*stream);
    return DecodeJpeg(reader);
}

bool EncodeJpeg(CFile* stream, const uint8_t* rgb, int width, int height, int quality)
{
    if (!stream) return false;
    FileWriter writer(*stream);
    return EncodeJpeg(writer, rgb, width, height, quality);
}

bool ReadWholeStream(CFile* stream, ByteBlock* data, size_t* size, uint64_t maxBytes)
{
    if (!stream) return false;
    try {
        ULONGLONG saved = stream->GetPosition();
        ULONGLONG length = stream->GetLength();
        bool ok = false;
        if (length > 0 && length <= maxBytes) {
            ByteBlock block(static_cast<uint8_t*>(std::malloc(size_t(length))));
            stream->SeekToBegin();
            FileReader reader(*stream);
            if (block && reader.Read(block.get(), size_t(length)) == length) {
                *data = std::move(block);
                *size = size_t(length);
                ok = true;
            }
        }
        stream->Seek(LONGLONG(saved), CFile::begin);
        return ok;
    } catch (...) {
        return false;
    }
}

}  // namespace qbk
