// Animations read from and written to files and the framework's streams. Nothing is written
// unless every frame encoded, so a failed save leaves the old file or stream as it was.
#pragma once

#include "anim_format.h"

#include "fw_file.h"

namespace qbk {

bool LoadAnimationFile(const char* fileName, const AnimFrameDecoder& decode, int* delay);
// Reads from the stream's start and puts the stream back where it was, also after a failure.
bool LoadAnimationStream(CFile* stream, const AnimFrameDecoder& decode, int* delay);

// Creates the file (emptying an existing one) once every frame is encoded.
bool SaveAnimationFile(const char* fileName, int count, int delay, const AnimFrameEncoder& encode);
// Replaces the stream's content with the animation and rewinds it.
bool SaveAnimationStream(CFile* stream, int count, int delay, const AnimFrameEncoder& encode);

}  // namespace qbk
