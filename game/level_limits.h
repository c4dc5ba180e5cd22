// Time limits of a level set from a measured drive. Each stretch (the start to the first
// checkpoint, one checkpoint to the next, the last to the finish) gets its driven time times a
// margin per difficulty, rounded up to whole seconds: the header holds the first stretch, each
// checkpoint's bonus the stretch after it, so every point of the level is reached with the same
// margin to spare.
#pragma once

#include <array>
#include <string>
#include <vector>

using LimitTriple = std::array<int, 3>;  // seconds for Easy, Medium, Hard

// A margin that shrinks from Easy to Hard.
constexpr double kLimitMargins[3] = {1.6, 1.35, 1.15};

LimitTriple StretchLimits(int hundredths, const double (&margins)[3] = kLimitMargins);

// Replaces the header and the checkpoint bonuses of a level text, one triple per stretch in
// order; every other byte is kept. False when the count does not match the level's checkpoints
// plus one.
bool ReplaceLevelLimits(const std::string& text, const std::vector<LimitTriple>& stretches, std::string* out);

// The number of checkpoints of a level text.
int CountCheckpoints(const std::string& text);
