// A headless player: drives a level through the run logic, to check that a level can be finished
// with all its gems within its time limit and to measure how long that takes.
#pragma once

#include "level_run.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

struct DriveKeys {
    bool left = false, right = false, up = false, brake = false;
};

// What the driver means to do in one piece ahead of the car.
struct DriveStep {
    int entry = 0;  // column in which the car enters the piece
    int via = -1;  // column it holds halfway along, for a gem (-1: none)
    int exit = 0;  // column in which it leaves it for the next one
    bool push = false;  // leaving pushes the block ahead out of the way
    bool bounce = false;  // the car crashes into the wall ahead on purpose, to bounce back for gems
    double bounceSpeed = 0;  // the speed that bounce needs
};

// Plans the way a few pieces ahead over the cells (the most gems, the fewest and smallest
// side-steps, blocks pushed and bounces off walls where gems need them), steers along it and keeps
// a speed at which each side-step fits into its piece. Where the car crashed without meaning to,
// it comes back more slowly.
class LevelDriver {
public:
    static constexpr int kHorizon = 10;
    static constexpr int kMaxShift = 12;  // columns the car can side-step within one piece, slowly

    DriveKeys Decide(const LevelRun& run);
    // The plan from the car's piece on (tools and tests).
    std::vector<DriveStep> Plan(const LevelRun& run) const;
    // The column wanted now and the speed allowed.
    int TargetColumn(const LevelRun& run, const std::vector<DriveStep>& plan, double* speed) const;

    double cruiseSpeed = LevelRun::kMaxSpeed;

private:
    std::map<int, int> crashes_;  // unplanned crashes by piece
    bool wasRecovering_ = false;
    int meantCrashAt_ = -1;  // the piece at whose end the last plan meant to crash
};

struct DriveResult {
    bool loaded = false;
    int state = LevelRun::kReady;  // at the end of the drive
    int gems = 0;
    int totalGems = 0;
    int time = 0;  // hundredths on the run clock
    int timeLimit = 0;  // hundredths, with the checkpoint bonuses earned
    uint64_t ticks = 0;  // simulated time driven
    std::vector<int> splits;  // hundredths from checkpoint to checkpoint, the last to the finish
    bool Finished() const { return state == LevelRun::kFinished; }
    // Finished with every gem: the level counts as completed.
    bool Completed() const { return Finished() && gems >= totalGems; }
};

struct DriveOptions {
    uint32_t frameTicks = 1667;  // 60 frames a second
    uint64_t maxTicks = 100ull * 60 * 100000;  // gives up after 100 simulated minutes
    double cruiseSpeed = LevelRun::kMaxSpeed;
    // Called after every frame with the run and the keys held (tools that trace a drive).
    std::function<void(const LevelRun&, const DriveKeys&)> onFrame;
};

// Plays one level text in a difficulty (-1: as a lesson) until it is finished or times out.
DriveResult DriveLevel(const char* text, size_t size, int difficulty, const DriveOptions& options = DriveOptions());
