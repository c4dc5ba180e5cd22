// Builds a track from a level text: the rows framed by blank filler pieces, with the start, finish
// and checkpoint signs and the turbo arrows.
#pragma once

#include "level_text.h"

#include <cstddef>

class KStream;
class Track;

class Level {
public:
    static constexpr int kFillersBefore = 5;
    static constexpr int kFillersAfter = 8;

    // Replaces the track's pieces by those of the level. False (and no pieces) when a time limit
    // is negative.
    static bool Build(Track& track, const LevelText& level);
    static bool ParseText(Track& track, const char* text, size_t size);
    // The whole stream, read from its start. False without a stream.
    static bool Parse(Track& track, KStream* stream);
};
