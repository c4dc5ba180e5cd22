#include "tray_animation.h"

#include <cmath>

namespace qbk {

int NextTrayIcon(int current, int count)
{
    if (count <= 0) return -1;
    return current >= 0 && current < count - 1 ? current + 1 : 0;
}

bool TrayAnimationOver(double elapsedSeconds, int periodSeconds)
{
    return periodSeconds > 0 && std::round(elapsedSeconds) > periodSeconds;
}

}  // namespace qbk
