#include "anim_format.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

namespace qbk {

const char kAnimMagic[kAnimMagicSize] = "QBKANIM";

void FormatAnimNumber(int value, uint8_t field[kAnimFieldSize])
{
    char text[kAnimFieldSize + 4] = {};
    std::snprintf(text, sizeof text, "%d", value);  // at most 11 characters
    std::memset(field, 0, kAnimFieldSize);
    std::memcpy(field, text, std::strlen(text));
}

bool ParseAnimNumber(const uint8_t field[kAnimFieldSize], int* value)
{
    size_t i = 0;
    const bool negative = field[0] == '-';
    if (negative) ++i;
    int64_t magnitude = 0;
    for (; i < kAnimFieldSize && field[i] >= '0' && field[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (field[i] - '0');  // 11 digits at most: no overflow
    }
    const int64_t number = negative ? -magnitude : magnitude;
    if (number < INT_MIN || number > INT_MAX) return false;
    *value = int(number);
    return true;
}

namespace {

bool ReadField(ByteReader& in, int* value)
{
    uint8_t field[kAnimFieldSize];
    return in.Read(field, sizeof field) == sizeof field && ParseAnimNumber(field, value);
}

bool WriteField(ByteWriter& out, int value)
{
    uint8_t field[kAnimFieldSize];
    FormatAnimNumber(value, field);
    return out.Write(field, sizeof field);
}

}  // namespace

bool ReadAnimation(ByteReader& in, const AnimFrameDecoder& decode, int* delay)
{
    char magic[kAnimMagicSize];
    if (in.Read(magic, sizeof magic) != sizeof magic || std::memcmp(magic, kAnimMagic, sizeof magic) != 0) {
        return false;
    }
    int count = 0, fileDelay = 0;
    if (!ReadField(in, &count) || count == 0) return false;
    if (!ReadField(in, &fileDelay)) return false;
    // Every frame takes at least its length field.
    if (count > 0 && uint64_t(count) > in.Available() / kAnimFieldSize) return false;

    std::vector<uint8_t> png;
    for (int i = 0; i < count; ++i) {
        int length = 0;
        if (!ReadField(in, &length) || length < 0) return false;
        if (uint64_t(length) > in.Available() || uint64_t(length) > kMaxAnimFrameBytes) return false;
        png.resize(size_t(length));
        if (in.Read(png.data(), png.size()) != png.size()) return false;
        if (!decode(png.data(), png.size())) return false;
    }
    *delay = fileDelay < 0 ? kDefaultAnimDelay : fileDelay;
    return true;
}

bool WriteAnimation(ByteWriter& out, int count, int delay, const AnimFrameEncoder& encode)
{
    if (!out.Write(kAnimMagic, sizeof kAnimMagic) || !WriteField(out, count) || !WriteField(out, delay)) return false;
    for (int i = 0; i < count; ++i) {
        GrowingWriter png;
        if (!encode(i, png) || png.Size() == 0 || png.Size() > uint64_t(INT_MAX)) return false;
        out.Expect(kAnimFieldSize + png.Size());
        if (!WriteField(out, int(png.Size())) || !out.Write(png.Data(), png.Size())) return false;
    }
    return out.Finish();
}

}  // namespace qbk
