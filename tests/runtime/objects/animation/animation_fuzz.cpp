// Damaged animation files through the reader with real PNG decoding; what loads is written
// again and must read back the same.
#include "anim_format.h"
#include "anim_frames.h"
#include "test_picture.h"

#include <vector>

using animtest::Picture;
using Frames = qbk::AnimationFrames<Picture>;

namespace {

qbk::AnimFrameDecoder Into(Frames& frames)
{
    return [&frames](const uint8_t* png, size_t n) {
        auto picture = std::make_unique<Picture>();
        if (!animtest::DecodePicture(png, n, picture.get())) return false;
        frames.Append(std::move(picture));
        return true;
    };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qbk;
    Frames frames;
    int delay = 0;
    MemoryReader reader(data, size);
    if (!ReadAnimation(reader, Into(frames), &delay)) return 0;
    if (delay < 0) __builtin_trap();

    GrowingWriter out;
    auto encode = [&frames](int index, ByteWriter& png) { return animtest::EncodePicture(*frames.Get(index), png); };
    if (!WriteAnimation(out, frames.Count(), delay, encode)) return 0;  // a negative count writes no frames
    Frames again;
    MemoryReader back(out.Data(), out.Size());
    int delayAgain = 0;
    const bool ok = ReadAnimation(back, Into(again), &delayAgain);
    if (frames.Count() > 0 && (!ok || delayAgain != delay || again.Count() != frames.Count())) __builtin_trap();
    for (int i = 0; i < again.Count(); ++i) {
        if (!(*again.Get(i) == *frames.Get(i))) __builtin_trap();
    }
    return 0;
}
