// A level run without a screen: a simulated device whose clock moves only when told, recorded
// sounds and a held-key table. Tests and the level checker drive whole runs through it.
#pragma once

#include "KFrameClock.h"
#include "level_run.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class SimulatedDevice : public RunDevice {
public:
    static constexpr uint32_t kMaxStep = KFrameClock::kMaxStep;

    // The engine's own frame clock, on ticks that move only when told.
    SimulatedDevice() : clock_([this] { return now_; }) {}
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;

    // The device clock moves by this many ticks.
    void Advance(uint64_t ticks) { now_ += ticks; }
    uint64_t Now() const { return now_; }
    uint32_t Milliseconds() const { return static_cast<uint32_t>(now_ / 100); }

    uint32_t Step() const override { return clock_.Step(); }
    uint32_t Excess() const override { return clock_.Excess(); }
    uint32_t AnimationTime() const override { return clock_.AnimationTime(); }
    uint32_t LastFrame() const override { return clock_.LastFrame(); }
    bool Pause() override { return clock_.Pause(); }
    int64_t Resume() override { return clock_.Resume(); }
    bool BeginFrame(const RunCamera& camera) override;
    void EndFrame() override { ++frames_; }
    void GetViewport(int* width, int* height) const override;

    bool Paused() const { return clock_.Paused(); }
    int Frames() const { return frames_; }
    const RunCamera& LastCamera() const { return camera_; }
    void SetViewport(int width, int height) { width_ = width, height_ = height; }
    // Lets BeginFrame fail, as a lost device does.
    void SetBeginFails(bool fails) { beginFails_ = fails; }

private:
    uint64_t now_ = 0;
    KFrameClock clock_;
    bool beginFails_ = false;
    int frames_ = 0;
    int width_ = 1024, height_ = 768;
    RunCamera camera_;
};

class RecordingSounds : public RunSounds {
public:
    struct Event {
        enum Kind { kPlay, kStop, kStopAll, kRaceMusic } kind;
        int index;
    };

    void Play(int index, bool onlyIfSilent) override;
    void Stop(int index) override;
    void StopAll() override;
    void StartRaceMusic() override { events_.push_back({Event::kRaceMusic, -1}); }

    // A looping or playing sound counts as playing until stopped; a one-shot sound counts once
    // per start.
    bool Playing(int index) const { return index >= 0 && index < 32 && playing_[index]; }
    int Starts(int index) const;
    const std::vector<Event>& Events() const { return events_; }
    void Clear();

private:
    std::array<bool, 32> playing_{};
    std::vector<Event> events_;
};

// Everything a run needs, simulated, with the run itself.
class RunSimulation {
public:
    // The frame step the simulation advances by default: 60 frames a second.
    static constexpr uint32_t kFrameTicks = 1667;

    explicit RunSimulation(RunTextSink* text = nullptr, ScoreTable* scores = nullptr, PlayerTable* players = nullptr);

    // Loads a level text into the params and the run and starts it; false when it cannot be parsed.
    bool Load(const char* levelText, int difficulty = 0, int kind = RunParams::kLevel);
    // One frame after `ticks` of time; returns the frame's result.
    bool Step(uint32_t ticks = kFrameTicks);
    // Frames until the condition holds or the time runs out (simulated ticks); true when it held.
    template <class Condition>
    bool RunUntil(Condition done, uint64_t maxTicks, uint32_t ticks = kFrameTicks)
    {
        for (uint64_t t = 0; t < maxTicks; t += ticks) {
            if (done()) return true;
            Step(ticks);
        }
        return done();
    }

    void Hold(int key, bool down = true) { keys_[static_cast<size_t>(key & 0xFF)] = down; }
    void ReleaseAll() { keys_.fill(false); }
    // Holds a key for one frame, as a tap.
    bool Tap(int key, uint32_t ticks = kFrameTicks);

    LevelRun& Run() { return *run_; }
    RunParams& Params() { return params_; }
    SimulatedDevice& Device() { return device_; }
    RecordingSounds& Sounds() { return sounds_; }

private:
    SimulatedDevice device_;
    RecordingSounds sounds_;
    std::array<bool, 256> keys_{};
    RunParams params_;
    std::unique_ptr<LevelRun> run_;
};
