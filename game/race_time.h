// Times as the menu and the level run show them: minutes, seconds and hundredths.
#pragma once

#include "KClock.h"
#include "KString.h"

class RaceTimeFormat {
public:
    // "%m : %+S : %+2s" of a time in milliseconds.
    KString Text(int ms);

private:
    KClock clock_;  // only its formatting is used
};
