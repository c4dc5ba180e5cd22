// Scrambling of the game's data files: a repeating key added byte by byte, modulo 256.
#include "KStream.h"

#include <cstddef>
#include <vector>

namespace {

const int kScrambleChunk = 1000;

}  // namespace

bool KStream::ScrambleStream(KStream* key, int offset, KStream* output) { return Scramble(key, offset, output, 1); }

bool KStream::UnscrambleStream(KStream* key, int offset, KStream* output) { return Scramble(key, offset, output, -1); }

bool KStream::Scramble(KStream* key, int offset, KStream* output, int sign)
{
    if (!IsOpen() || !key) {
        return false;
    }
    int keyLength = key->Size();
    if (keyLength <= 0) {
        return false;
    }
    std::vector<unsigned char> keyBytes(static_cast<size_t>(keyLength));
    key->Seek(0);
    if (key->Read(keyBytes.data(), keyLength) != keyLength) {
        return false;
    }
    if (output == this) {
        output = nullptr;
    }
    int k = 0;
    unsigned char chunk[kScrambleChunk];
    Seek(offset);
    for (;;) {
        int want = Remaining() < kScrambleChunk ? Remaining() : kScrambleChunk;
        int got = want > 0 ? Read(chunk, want) : 0;
        if (got <= 0) {
            break;
        }
        for (int i = 0; i < got; ++i) {
            chunk[i] = static_cast<unsigned char>(chunk[i] + sign * keyBytes[static_cast<size_t>(k)]);
            if (++k == keyLength) {
                k = 0;
            }
        }
        KStream* target = output;
        if (!target) {
            target = this;
            Seek(Tell() - got);
        }
        if (target->Write(chunk, got) != got) {
            return false;  // a stream that cannot be written
        }
    }
    return true;
}
