#include "KFrameClock.h"

#include "KSystemSources.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

uint64_t KTicksFromCounter(uint64_t counter, uint64_t frequency)
{
    if (frequency == 0) return 0;
    // Whole seconds and the rest apart, so that counter * 100000 never overflows.
    return counter / frequency * 100000u + counter % frequency * 100000u / frequency;
}

namespace {

// The millisecond clock made monotonic over its 49-day wrap, in ticks.
uint64_t MillisecondTicks()
{
    static uint32_t last = KSystemMilliseconds();
    static uint64_t total = 0;
    const uint32_t now = KSystemMilliseconds();
    total += static_cast<uint32_t>(now - last);
    last = now;
    return total * 100u;
}

}  // namespace

uint64_t KSystemTicks()
{
#ifdef _WIN32
    LARGE_INTEGER frequency, counter;
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0 && QueryPerformanceCounter(&counter))
        return KTicksFromCounter(static_cast<uint64_t>(counter.QuadPart), static_cast<uint64_t>(frequency.QuadPart));
#endif
    return MillisecondTicks();
}

KFrameClock::KFrameClock(KTickSource source) : source_(std::move(source)) {}

void KFrameClock::Start()
{
    Clear();
    start_ = source_();
}

void KFrameClock::Clear()
{
    start_ = 0;
    step_ = excess_ = lastFrame_ = pauseTime_ = 0;
    paused_ = false;
}

uint32_t KFrameClock::Now() const { return static_cast<uint32_t>(source_() - start_); }

void KFrameClock::NextFrame()
{
    const uint32_t now = Now();
    if (paused_) {
        step_ = excess_ = 0;
    } else {
        step_ = now - lastFrame_;
        excess_ = step_ > kMaxStep ? step_ - kMaxStep : 0;
        if (step_ > kMaxStep) step_ = kMaxStep;
    }
    lastFrame_ = now;
}

bool KFrameClock::Pause()
{
    if (paused_) return false;
    paused_ = true;
    pauseTime_ = lastFrame_;
    return true;
}

int64_t KFrameClock::Resume()
{
    if (!paused_) return -1;
    paused_ = false;
    const uint32_t spent = lastFrame_ - pauseTime_;
    pauseTime_ = 0;
    return spent;
}
