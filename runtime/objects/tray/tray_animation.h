// The tray icon's animation: which icon comes next, and when an animation has run its time.
#pragma once

namespace qbk {

// The icon after `current` of `count` icons, the first after the last; -1 when there are none.
int NextTrayIcon(int current, int count);

// An animation of `periodSeconds` (0: no limit) is over once the time it has run, rounded to
// whole seconds, exceeds the period.
bool TrayAnimationOver(double elapsedSeconds, int periodSeconds);

}  // namespace qbk
