#include "anim_file_io.h"

#include "image_file_io.h"

namespace qbk {

bool LoadAnimationFile(const char* fileName, const AnimFrameDecoder& decode, int* delay)
{
    if (!fileName || !*fileName) return false;
    CFile file;
    if (!file.Open(fileName, CFile::modeRead | CFile::typeBinary)) return false;
    FileReader reader(file);
    return ReadAnimation(reader, decode, delay);
}

bool LoadAnimationStream(CFile* stream, const AnimFrameDecoder& decode, int* delay)
{
    if (!stream) return false;
    ULONGLONG saved = 0;
    try {
        saved = stream->GetPosition();
        stream->SeekToBegin();
    } catch (...) {
        return false;
    }
    FileReader reader(*stream);
    const bool ok = ReadAnimation(reader, decode, delay);
    try {
        stream->Seek(LONGLONG(saved), CFile::begin);
    } catch (...) {
    }
    return ok;
}

namespace {

bool WriteAll(CFile& file, const GrowingWriter& image)
{
    FileWriter writer(file);
    return writer.Write(image.Data(), image.Size()) && writer.Finish();
}

}  // namespace

bool SaveAnimationFile(const char* fileName, int count, int delay, const AnimFrameEncoder& encode)
{
    if (!fileName || !*fileName) return false;
    GrowingWriter image;
    if (!WriteAnimation(image, count, delay, encode)) return false;
    CFile file;
    if (!file.Open(fileName, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return false;
    bool ok = WriteAll(file, image);
    try {
        file.Close();
    } catch (...) {
        ok = false;
    }
    return ok;
}

bool SaveAnimationStream(CFile* stream, int count, int delay, const AnimFrameEncoder& encode)
{
    if (!stream) return false;
    GrowingWriter image;
    if (!WriteAnimation(image, count, delay, encode)) return false;
    try {
        stream->SetLength(0);
        stream->SeekToBegin();
        const bool ok = WriteAll(*stream, image);
        stream->SeekToBegin();
        return ok;
    } catch (...) {
        return false;
    }
}

}  // namespace qbk
