#include "level_driver.h"

#include "run_simulation.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kPi = 3.141592654;
constexpr int kColumns = TrackPiece::kColumns;
constexpr long kDepthWeight = 1000000;
constexpr long kGemWeight = 1000;
constexpr int kMaxShift = 4;  // columns the car can side-step within one piece, slowly
constexpr long kPushCost = 20;  // a push costs a bounce  // columns the car can side-step within one piece

int Wrap(int column) { return ((column % kColumns) + kColumns) % kColumns; }

// Pieces past the end of the track count as open road: the finish comes before them.
bool Free(const Track& track, int piece, int column)
{
    if (piece >= track.GetPieceCount()) return true;
    const TrackPiece* p = track.GetPiece(piece);
    return p && !p->IsWall(Wrap(column));
}

// A block the car can push out of its way: the cell beyond it is open.
bool Pushable(const Track& track, int piece, int column)
{
    const TrackPiece* p = track.GetPiece(piece);
    column = Wrap(column);
    return p && p->IsPushable(column) && p->IsBlockPresent(column) && !p->IsMoved(column) &&
           piece + 1 < track.GetPieceCount() && Free(track, piece + 1, column);
}

bool Gem(const Track& track, int piece, int column)
{
    const TrackPiece* p = track.GetPiece(piece);
    column = Wrap(column);
    return p && p->IsSolid(column) == TrackPiece::kGemCell && p->HasPresentGem(TrackPiece::FacetOfColumn(column));
}

// Every cell after the first from one column to another of a piece is free.
bool SideStepFree(const Track& track, int piece, int from, int shift)
{
    const int dir = shift < 0 ? -1 : 1;
    for (int s = dir; s != shift + dir; s += dir)
        if (!Free(track, piece, from + s)) return false;
    return true;
}

struct Plan {
    int first = 0;   // column in the car's piece
    int second = 0;  // column in the next piece
    int shifts[4] = {};  // side-steps wanted entering the next pieces
};

Plan MakePlan(const LevelRun& run)
{
    const Track& track = run.GetTrack();
    const int piece = run.GetPieceIndex();
    const int column = run.GetColumn();
    const double local = run.Camera().z - 200.0 * piece;
    long value[LevelDriver::kHorizon + 1][kColumns];
    int next[LevelDriver::kHorizon + 1][kColumns];
    for (int x = 0; x < kColumns; ++x) {
        value[LevelDriver::kHorizon][x] = LevelDriver::kHorizon * kDepthWeight;
        next[LevelDriver::kHorizon][x] = -1;
    }
    for (int d = LevelDriver::kHorizon - 1; d >= 0; --d) {
        const int k = piece + d;
        for (int x = 0; x < kColumns; ++x) {
            value[d][x] = d * kDepthWeight;
            next[d][x] = -1;
            if (!Free(track, k, x) && !Pushable(track, k, x)) continue;
            for (int shift = -kMaxShift; shift <= kMaxShift; ++shift) {
                const int y = Wrap(x + shift);
                const bool push = Pushable(track, k + 1, y);
                if ((!Free(track, k + 1, y) && !push) || (shift != 0 && !SideStepFree(track, k, x, shift))) continue;
                const long v = value[d + 1][y] + (Gem(track, k + 1, y) ? kGemWeight : 0) - std::abs(shift) -
                               (push ? kPushCost : 0);
                if (next[d][x] < 0 || v > value[d][x]) {
                    value[d][x] = v;
                    next[d][x] = y;
                }
            }
        }
    }
    Plan plan;
    long best = 0;
    bool found = false;
    for (int shift = -kMaxShift; shift <= kMaxShift; ++shift) {
        const int x = Wrap(column + shift);
        if (!SideStepFree(track, piece, column, shift)) continue;
        // A gem of this piece still ahead of the car can be had by stepping over to it.
        const bool gem = Gem(track, piece, x) && local < 110;
        const long v = value[0][x] + (gem ? kGemWeight : 0) - 2 * std::abs(shift);
        if (!found || v > best) {
            best = v;
            found = true;
            plan.first = x;
        }
    }
    if (!found) plan.first = column;
    plan.second = next[0][plan.first] >= 0 ? next[0][plan.first] : plan.first;
    int x = plan.first;
    for (int d = 0; d < 4; ++d) {
        const int y = next[d][x];
        if (y < 0) break;
        int shift = y - x;
        if (shift > kColumns / 2) shift -= kColumns;
        if (shift < -kColumns / 2) shift += kColumns;
        plan.shifts[d] = std::abs(shift);
        x = y;
    }
    return plan;
}

}  // namespace

int LevelDriver::TargetColumn(const LevelRun& run, double* speed) const
{
    const Plan plan = MakePlan(run);
    const int piece = run.GetPieceIndex();
    const double local = run.Camera().z - 200.0 * piece;
    const int target = plan.first != run.GetColumn() || Gem(run.GetTrack(), piece, plan.first) ? plan.first
                                                                                                 : plan.second;
    if (speed) {
        // Slow enough to side-step in time: the more columns within a piece, the slower.
        double allowed = cruiseSpeed;
        const double turning[kMaxShift + 1] = {cruiseSpeed, 0.005, 0.0035, 0.0028, 0.0023};
        int now = std::abs(target - run.GetColumn());
        if (now > kColumns / 2) now = kColumns - now;
        allowed = std::min(allowed, turning[std::min(now, kMaxShift)]);
        for (int d = 0; d < 4; ++d) {
            const double distance = std::max(0.0, 200.0 * (d + 1) - local - 40);
            const double v = turning[std::min(plan.shifts[d], kMaxShift)];
            allowed = std::min(allowed, std::sqrt(v * v + 2 * LevelRun::kBraking * distance));
        }
        // Never below what a push needs.
        *speed = std::max(allowed, 0.0023);
    }
    return target;
}

DriveKeys LevelDriver::Decide(const LevelRun& run) const
{
    DriveKeys keys;
    double speed = cruiseSpeed;
    const int target = TargetColumn(run, &speed);

    double error = TrackPiece::AngleOfColumn(target) + kPi / 32 - run.GetAngle();
    while (error > kPi) error -= 2 * kPi;
    while (error < -kPi) error += 2 * kPi;
    const double w = run.GetAngularSpeed();
    if (std::fabs(error) > 0.004 || std::fabs(w) > 2e-6) {
        const double dir = error < 0 ? -1 : 1;
        // Turn towards the column's middle until the turn, let go, would just die away there.
        const double stopping = w * dir > 0 ? w * w / (2 * LevelRun::kSteeringReturn) : 0;
        if (stopping < std::fabs(error)) {
            keys.left = dir < 0;
            keys.right = dir > 0;
        }
    }
    if (run.GetSpeed() < speed - 0.0002)
        keys.up = true;
    else if (run.GetSpeed() > speed + 0.0005)
        keys.brake = true;
    return keys;
}

DriveResult DriveLevel(const char* text, size_t size, int difficulty, const DriveOptions& options)
{
    DriveResult result;
    RunSimulation sim;
    const std::string level(text, size);
    result.loaded = sim.Load(level.c_str(), difficulty, difficulty < 0 ? RunParams::kLesson : RunParams::kLevel);
    if (!result.loaded) return result;
    sim.Params().replay = false;
    sim.Run().Start(sim.Params());
    LevelDriver driver;
    driver.cruiseSpeed = options.cruiseSpeed;
    LevelRun& run = sim.Run();
    while (result.ticks < options.maxTicks && run.GetState() != LevelRun::kFinished &&
           run.GetState() != LevelRun::kTimeOut) {
        const DriveKeys keys = driver.Decide(run);
        sim.Hold(LevelRun::kKeyLeft, keys.left);
        sim.Hold(LevelRun::kKeyRight, keys.right);
        sim.Hold(LevelRun::kKeyUp, keys.up);
        sim.Hold(LevelRun::kKeyDown, keys.brake);
        sim.Step(options.frameTicks);
        result.ticks += options.frameTicks;
    }
    result.state = run.GetState();
    result.gems = run.GetGems();
    result.totalGems = run.GetTotalGems();
    result.time = static_cast<int>(run.ElapsedMs() / 10);
    result.timeLimit = run.GetTimeLimit();
    return result;
}
