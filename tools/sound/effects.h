// The 17 sound effects of the game's sound file, in their places (index = use in the level run).
#pragma once
#include <string>

#include "synth.h"

namespace zvtools {

constexpr int kEffectCount = 17;
constexpr int kEffectRate = 22050;

struct EffectInfo {
    const char* name;  // the record's first line in the sound file
    bool looping;  // played as a looped buffer: its end joins its start without a click
};

const EffectInfo& EffectAt(int index);
Signal MakeEffect(int index);

}  // namespace zvtools
