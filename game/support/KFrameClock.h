// The 3D engine's clock in ticks of 10 microseconds: the time since start, and per frame a step
// clipped to 0.1 s with the clipped excess kept, standing still while paused.
#pragma once

#include <cstdint>
#include <functional>

// Ticks of 10 microseconds since any fixed moment, never wrapping in practice (64 bits).
using KTickSource = std::function<uint64_t()>;

// The system's ticks: the performance counter when there is one, otherwise the millisecond clock
// (steps of 100 ticks).
uint64_t KSystemTicks();
// Ticks from a counter of the given frequency, exact for any frequency and without overflow.
uint64_t KTicksFromCounter(uint64_t counter, uint64_t frequency);

class KFrameClock {
public:
    static constexpr uint32_t kMaxStep = 10000;

    explicit KFrameClock(KTickSource source = KSystemTicks);

    void Start();
    void Clear();
    // Ticks since Start, 32 bits (differences stay right across the wrap).
    uint32_t Now() const;

    // Takes the time of a new frame and works out its step.
    void NextFrame();
    uint32_t Step() const { return step_; }
    uint32_t Excess() const { return excess_; }
    uint32_t LastFrame() const { return lastFrame_; }

    bool Pause();
    // Ticks spent paused, or -1 when not paused.
    int64_t Resume();
    bool Paused() const { return paused_; }
    uint32_t PauseTime() const { return pauseTime_; }
    // The time animations run on: frozen at the pause while paused.
    uint32_t AnimationTime() const { return paused_ ? pauseTime_ : lastFrame_; }

private:
    KTickSource source_;
    uint64_t start_ = 0;
    uint32_t step_ = 0, excess_ = 0, lastFrame_ = 0, pauseTime_ = 0;
    bool paused_ = false;
};
