// How much sound the test run's device has put out so far.
#pragma once

#include "win_test_support.h"

// Non-zero bytes written to the sound device's file.
inline double NonSilentBytes()
{
    size_t bytes = 0;
    double fraction = zvtest::SoundOutputNonSilentFraction(&bytes);
    return fraction * bytes;
}
