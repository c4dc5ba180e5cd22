// The animation file: an 8-byte magic, the frame count and the delay as 12-byte decimal fields,
// then for every frame its length as a 12-byte field and that many bytes of a complete PNG.
// Frames are decoded and encoded by the caller, so that any image type can be carried.
#pragma once

#include "image_io.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace qbk {

constexpr size_t kAnimMagicSize = 8;
extern const char kAnimMagic[kAnimMagicSize];  // "QBKANIM" and its zero byte
constexpr size_t kAnimFieldSize = 12;
constexpr int kDefaultAnimDelay = 200;  // milliseconds, also for a negative delay
// No frame may claim more bytes than this.
constexpr uint64_t kMaxAnimFrameBytes = uint64_t(256) << 20;

// "%d", a zero byte and zero bytes to the field's end.
void FormatAnimNumber(int value, uint8_t field[kAnimFieldSize]);
// An optional minus sign and the digits up to the first byte that is not one (none read as 0).
// False when the number does not fit an int.
bool ParseAnimNumber(const uint8_t field[kAnimFieldSize], int* value);

// Takes one frame's PNG bytes; false when they do not make a frame.
using AnimFrameDecoder = std::function<bool(const uint8_t* png, size_t size)>;
// Writes frame index as a PNG; false when it cannot be encoded.
using AnimFrameEncoder = std::function<bool(int index, ByteWriter& png)>;

// Reads an animation from the reader's position, handing each frame to decode in order. Fails
// at the first field that is short or does not hold: the frames decoded before it stay with the
// caller. On success *delay is the file's delay (a negative one read as the default). A count
// below 0 reads no frames; a count of 0 or one the remaining bytes cannot hold fails.
bool ReadAnimation(ByteReader& in, const AnimFrameDecoder& decode, int* delay);

// Writes the animation of count frames; false when a frame cannot be encoded or a write fails.
bool WriteAnimation(ByteWriter& out, int count, int delay, const AnimFrameEncoder& encode);

}  // namespace qbk
