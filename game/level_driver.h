// A headless player: drives a level through the run logic with a simple steering strategy, to
// check that a level can be finished with all its gems within its time limit.
#pragma once

#include "level_run.h"

#include <cstddef>
#include <cstdint>

struct DriveKeys {
    bool left = false, right = false, up = false, brake = false;
};

// Looks a few pieces ahead for the way through the free cells that collects the most gems with
// the least side-stepping, steers the car along it and keeps a speed at which it can turn in time.
class LevelDriver {
public:
    static constexpr int kHorizon = 10;

    DriveKeys Decide(const LevelRun& run) const;
    // Column wanted now and the speed allowed, as last decided (for tools and tests).
    int TargetColumn(const LevelRun& run, double* speed = nullptr) const;

    double cruiseSpeed = LevelRun::kMaxSpeed;
};

struct DriveResult {
    bool loaded = false;
    int state = LevelRun::kReady;  // at the end of the drive
    int gems = 0;
    int totalGems = 0;
    int time = 0;       // hundredths on the run clock
    int timeLimit = 0;  // hundredths, with the checkpoint bonuses earned
    uint64_t ticks = 0; // simulated time driven
    bool Finished() const { return state == LevelRun::kFinished; }
    // Finished with every gem: the level counts as completed.
    bool Completed() const { return Finished() && gems >= totalGems; }
};

struct DriveOptions {
    uint32_t frameTicks = 1667;           // 60 frames a second
    uint64_t maxTicks = 100ull * 60 * 100000;  // gives up after 100 simulated minutes
    double cruiseSpeed = LevelRun::kMaxSpeed;
};

// Plays one level text in a difficulty (-1: as a lesson) until it is finished or times out.
DriveResult DriveLevel(const char* text, size_t size, int difficulty, const DriveOptions& options = DriveOptions());
