// Loading and saving of CImageBitmap through the platform-free codecs.
#include "image_bitmap.h"

#include "bmp_format.h"
#include "image_bitmap_support.h"
#include "image_convert.h"
#include "image_file_io.h"
#include "png_codec.h"

#include <cstdio>

using qbk::ByteBlock;
using qbk::GrowingWriter;
using qbk::SelectedDC;

namespace {

// No image file is larger than its pixels plus generous room for headers, tables and gaps.
constexpr uint64_t kMaxImageFileBytes = qbk::kMaxImageBytes + (uint64_t(16) << 20);

bool OpenForReading(CFile* file, const char* fileName)
{
    return fileName && *fileName && file->Open(fileName, CFile::modeRead | CFile::typeBinary);
}

}  // namespace

bool CImageBitmap::LoadFile(const char* fileName)
{
    return LoadBmpFile(fileName) || LoadJpegFile(fileName) || LoadPngFile(fileName);
}

bool CImageBitmap::LoadStream(CFile* stream)
{
    if (!stream) return false;
    return LoadBmp(stream) || LoadJpeg(stream) || LoadPng(stream);
}

bool CImageBitmap::LoadDib(const uint8_t* info, const uint8_t* bits)
{
    HDC screen = ::GetDC(nullptr);
    auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(info);
    HBITMAP made =
        ::CreateDIBitmap(screen, header, CBM_INIT, bits, reinterpret_cast<const BITMAPINFO*>(info), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return AdoptBitmap(made);
}

bool CImageBitmap::LoadBmpBytes(const uint8_t* data, size_t size)
{
    qbk::BmpDib dib;
    if (!qbk::ParseBmpFile(data, size, &dib)) return false;
    return LoadDib(dib.info.data(), dib.bits);
}

bool CImageBitmap::LoadBmpFile(const char* fileName)
{
    Reset();
    CFile file;
    if (!OpenForReading(&file, fileName)) return false;
    ByteBlock data;
    size_t size = 0;
    return qbk::ReadWholeStream(&file, &data, &size, kMaxImageFileBytes) && LoadBmpBytes(data.get(), size);
}

bool CImageBitmap::LoadBmp(CFile* stream)
{
    Reset();
    ByteBlock data;
    size_t size = 0;
    return qbk::ReadWholeStream(stream, &data, &size, kMaxImageFileBytes) && LoadBmpBytes(data.get(), size);
}

bool CImageBitmap::LoadJpegFile(const char* fileName)
{
    FILE* file = qbk::OpenBinaryFile(fileName, false);
    if (!file) return false;
    qbk::StdioReader reader(file);
    GrowingWriter bmp;
    bool decoded = qbk::JpegToBmp(reader, bmp);
    std::fclose(file);
    return decoded && LoadBmpBytes(bmp.Data(), bmp.Size());
}

bool CImageBitmap::LoadJpeg(CFile* stream)
{
    if (!stream) return false;
    GrowingWriter bmp;
    bool decoded = false;
    try {
        ULONGLONG saved = stream->GetPosition();
        stream->SeekToBegin();
        qbk::FileReader reader(*stream);
        decoded = qbk::JpegToBmp(reader, bmp);
        stream->Seek(LONGLONG(saved), CFile::begin);
    } catch (...) {
        return false;
    }
    return decoded && LoadBmpBytes(bmp.Data(), bmp.Size());
}

bool CImageBitmap::LoadPngRequest(const char* fileName, const uint8_t* data, size_t size)
{
    qbk::PngReadRequest request;
    char error[qbk::kPngErrorTextSize];
    request.fileName = fileName;
    request.memory = data;
    request.memorySize = size;
    request.errorText = error;
    int code = qbk::ReadPngToDib(&request);
    if (code != qbk::kPngOk) {
        std::printf("Error: %s (%d)\n", error, code);
        return false;
    }
    ByteBlock dib(request.dib);
    return LoadDib(dib.get(), request.bits);
}

bool CImageBitmap::LoadPngFile(const char* fileName)
{
    if (!fileName || !*fileName) return false;
    return LoadPngRequest(fileName, nullptr, 0);
}

bool CImageBitmap::LoadPng(CFile* stream)
{
    ByteBlock data;
    size_t size = 0;
    if (!qbk::ReadWholeStream(stream, &data, &size, kMaxImageFileBytes)) return false;
    return LoadPngRequest(nullptr, data.get(), size);
}

bool CImageBitmap::GetBmpBytes(GrowingWriter* bmp) const
{
    CSize size = GetSize();
    if (size.cx <= 0 || size.cy <= 0) return false;
    uint64_t rowBytes = qbk::DibRowSize(uint64_t(size.cx), 24);
    if (qbk::CappedImageBytes(rowBytes, uint64_t(size.cy)) == 0) return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section) return false;
    bool ok = false;
    {
        SelectedDC to(section), from(GetHandle());
        ok = to.Ok() && from.Ok() && to->BitBlt(0, 0, size.cx, size.cy, from.Get(), 0, 0, SRCCOPY);
    }
    ::GdiFlush();
    ok = ok && qbk::WriteDib24AsBmp(static_cast<const uint8_t*>(bits), size.cx, size.cy, *bmp);
    ::DeleteObject(section);
    return ok;
}

bool CImageBitmap::SaveBmpFile(const char* fileName) const
{
    GrowingWriter bmp;
    if (!fileName || !*fileName || !GetBmpBytes(&bmp)) return false;
    CFile file;
    if (!file.Open(fileName, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return false;
    qbk::FileWriter writer(file);
    bool ok = writer.Write(bmp.Data(), bmp.Size()) && writer.Finish();
    file.Abort();
    return ok;
}

bool CImageBitmap::SaveToStream(CFile* stream) const
{
    GrowingWriter bmp;
    if (!stream || !GetBmpBytes(&bmp)) return false;
    try {
        stream->SetLength(0);
        stream->SeekToBegin();
    } catch (...) {
        return false;
    }
    qbk::FileWriter writer(*stream);
    return writer.Write(bmp.Data(), bmp.Size());
}

bool CImageBitmap::SaveJpegFile(const char* fileName, int quality) const
{
    GrowingWriter bmp;
    if (!fileName || !*fileName || !GetBmpBytes(&bmp)) return false;
    return qbk::BmpToJpeg(bmp.Data(), bmp.Size(), fileName, nullptr, quality);
}

bool CImageBitmap::SaveJpegStream(CFile* stream, int quality) const
{
    GrowingWriter bmp;
    if (!stream || !GetBmpBytes(&bmp)) return false;
    qbk::FileWriter writer(*stream);
    return qbk::BmpToJpeg(bmp.Data(), bmp.Size(), nullptr, &writer, quality);
}

bool CImageBitmap::SavePngFile(const char* fileName) const
{
    GrowingWriter bmp;
    if (!fileName || !*fileName || !GetBmpBytes(&bmp)) return false;
    return qbk::BmpToPng(bmp.Data(), bmp.Size(), fileName, nullptr, nullptr) == qbk::kPngOk;
}

bool CImageBitmap::SavePngStream(CFile* stream) const
{
    GrowingWriter bmp, png;
    if (!stream || !GetBmpBytes(&bmp)) return false;
    if (qbk::BmpToPng(bmp.Data(), bmp.Size(), nullptr, &png, nullptr) != qbk::kPngOk) return false;
    try {
        ULONGLONG start = stream->GetPosition();
        qbk::FileWriter writer(*stream);
        if (!writer.Write(png.Data(), png.Size())) return false;
        stream->SetLength(start + png.Size());
        stream->SeekToBegin();
        return true;
    } catch (...) {
        return false;
    }
}
