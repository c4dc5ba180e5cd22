#include "race_time.h"

KString RaceTimeFormat::Text(int ms)
{
    clock_.SplitMilliseconds(ms);
    return clock_.Format("%m : %+S : %+2s");
}
