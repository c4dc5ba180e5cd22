#include "KStream.h"

#include "KMemStream.h"

#include <cstring>
#include <vector>

namespace {

const int kCopyChunk = 1000;

}  // namespace

KStream::~KStream() = default;

int KStream::WriteData(const void* data, int n) { return Write(data, n); }

int KStream::WriteText(const char* text, int n)
{
    if (!text) {
        return 0;
    }
    if (n < 0) {
        n = static_cast<int>(std::strlen(text));
    }
    return Write(text, n);
}

int KStream::WriteLine(const char* text)
{
    int written = WriteText(text ? text : "");
    return written + Write("\r\n", 2);
}

int KStream::ReadText(KString& out, int n)
{
    int remaining = Remaining();
    if (n < 0 || n > remaining) {
        n = remaining;
    }
    if (n <= 0) {
        out = "";
        return 0;
    }
    out.SetLength(n, false);
    int got = Read(&out[0], n);
    out.SetLength(got < 0 ? 0 : got);
    return out.Length();
}

int KStream::ReadData(void* data, int n) { return Read(data, n); }

int KStream::Remaining()
{
    int left = Size() - Tell();
    return left > 0 ? left : 0;
}

void KStream::TrimLine(KString& line, bool keepBlanks)
{
    if (!keepBlanks) {
        line.DropLeft(-1);
        line.DropRight(-1);
    }
}

int KStream::CopyFrom(KStream* source, int n)
{
    if (!source) {
        return 0;
    }
    int remaining = source->Remaining();
    if (n < 0 || n > remaining) {
        n = remaining;
    }
    if (n <= 0) {
        return 0;
    }
    if (source == this) {
        // Reading and writing the same bytes: take them out first, then write them back where
        // they were read.
        std::vector<unsigned char> bytes(static_cast<size_t>(n));
        int start = Tell();
        int got = Read(bytes.data(), n);
        Seek(start);
        return Write(bytes.data(), got);
    }
    int total = 0;
    unsigned char buffer[kCopyChunk];
    while (total < n) {
        int chunk = n - total < kCopyChunk ? n - total : kCopyChunk;
        int written;
        if (source->IsMemory()) {
            KMemStream* memory = static_cast<KMemStream*>(source);
            int at = memory->Tell();
            written = Write(memory->GetData() + at, chunk);
            memory->Seek(at + written);
        } else {
            int got = source->Read(buffer, chunk);
            written = got > 0 ? Write(buffer, got) : 0;
        }
        if (written <= 0) {
            break;
        }
        total += written;
    }
    return total;
}
