#include "level_driver.h"

#include "run_simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr double kPi = 3.141592654;
constexpr int kColumns = TrackPiece::kColumns;
constexpr double kColumnAngle = kPi / 16;
constexpr double kPieceLength = 200;
constexpr int64_t kDepthWeight = 100000000;
constexpr int64_t kGemWeight = 100000;
constexpr int64_t kPushCost = 2000;
constexpr int64_t kBounceCost = 4000;
// A push needs 0.002 at the crash: come a little faster.
constexpr double kPushFloor = 0.0025;
// Pieces ahead whose side-steps set the speed now.
constexpr int kSpeedLookAhead = 6;

// Where in a piece a side-step has to fit: the car must be well inside its new column before
// the probes ahead of it reach the next piece, and a gem, halfway along, is taken within 30 units
// of it.
constexpr double kStepEnd = 165;
constexpr double kGemBefore = 75;
constexpr double kGemAfter = 85;

int Wrap(int column) { return ((column % kColumns) + kColumns) % kColumns; }

// The shortest signed way round from one column to another.
int ShiftBetween(int from, int to)
{
    int shift = Wrap(to - from);
    return shift > kColumns / 2 ? shift - kColumns : shift;
}

// Pieces past the end of the track count as open road: the finish comes before them; pieces
// before its start as wall.
bool Free(const Track& track, int piece, int column)
{
    if (piece >= track.GetPieceCount()) return true;
    const TrackPiece* p = track.GetPiece(piece);
    return p && !p->IsWall(Wrap(column));
}

// A block still in place that a crash can push out of the way: the cell beyond it is open.
bool Pushable(const Track& track, int piece, int column)
{
    const TrackPiece* p = track.GetPiece(piece);
    column = Wrap(column);
    return p && p->IsPushable(column) && p->IsBlockPresent(column) && !p->IsMoved(column) &&
           Free(track, piece + 1, column);
}

bool Gem(const Track& track, int piece, int column)
{
    const TrackPiece* p = track.GetPiece(piece);
    column = Wrap(column);
    return p && p->GetCell(column) == TrackPiece::kGemCell && p->HasPresentGem(TrackPiece::FacetOfColumn(column));
}

// Ticks the car needs to turn by an angle from driving straight and drive straight again:
// the steering speeds the turn up and lets it die away at the same rate.
double TurnTicks(double angle)
{
    const double ramp = LevelRun::kMaxAngularSpeed * LevelRun::kMaxAngularSpeed / LevelRun::kSteering;
    if (angle <= ramp) return 2 * std::sqrt(angle / LevelRun::kSteering);
    return 2 * LevelRun::kMaxAngularSpeed / LevelRun::kSteering + (angle - ramp) / LevelRun::kMaxAngularSpeed;
}

// The fastest speed at which a side-step of some columns fits into a stretch of road: the car
// must be well inside the new column by its end.
double SideStepSpeed(int columns, double distance)
{
    if (columns == 0) return LevelRun::kTurboMaxSpeed;
    if (distance <= 0) return LevelRun::kMinSpeed;
    return distance / TurnTicks((columns - 0.5) * kColumnAngle + 0.05);
}

// The speed a bounce off the end of a piece needs to carry the car back over a gem `pieces`
// pieces behind.
double BounceSpeed(int pieces)
{
    const double back = (pieces - 1) * kPieceLength + 190 + 70 + 40;  // to 30 units past the gem, and a margin
    return std::sqrt(2 * LevelRun::kBraking * back);
}

// What a side-step costs the plan: wide ones need the car slow, those in half a piece slower
// still; of equal ones the earliest is best.
int64_t ShiftCost(int shift, int depth, int share)
{
    const int64_t n = std::abs(shift);
    return n == 0 ? 0 : 100 * share * n * n + depth;
}

// Free cells next to each column of a piece, to the left and to the right, up to the largest
// side-step.
struct Reach {
    int left[kColumns], right[kColumns];
};

Reach ReachOf(const Track& track, int piece)
{
    Reach reach;
    for (int x = 0; x < kColumns; ++x) {
        int n = 0;
        while (n < LevelDriver::kMaxShift && Free(track, piece, x - n - 1)) ++n;
        reach.left[x] = n;
        n = 0;
        while (n < LevelDriver::kMaxShift && Free(track, piece, x + n + 1)) ++n;
        reach.right[x] = n;
    }
    return reach;
}

}  // namespace

std::vector<DriveStep> LevelDriver::Plan(const LevelRun& run) const
{
    constexpr int H = kHorizon;
    const Track& track = run.GetTrack();
    const int piece = run.GetPieceIndex();
    const double local = run.Camera().z - kPieceLength * piece;
    const double speed = run.GetSpeed();
    int64_t value[H + 1][kColumns];
    int next[H][kColumns];
    DriveStep step[H][kColumns];
    for (int x = 0; x < kColumns; ++x) value[H][x] = H * kDepthWeight;
    for (int d = H - 1; d >= 0; --d) {
        const int k = piece + d;
        const Reach reach = ReachOf(track, k);
        for (int x = 0; x < kColumns; ++x) {
            int64_t& best = value[d][x];
            best = d * kDepthWeight;  // a dead end: worth the depth it reaches
            next[d][x] = -1;
            step[d][x] = DriveStep();
            step[d][x].entry = step[d][x].exit = x;
            const bool pushedInto = Pushable(track, k, x);
            if (d > 0 && !Free(track, k, x) && !pushedInto) continue;
            // Gems the car can hold halfway along, within its reach in this piece (in the car's
            // own piece only while it can still get to them).
            int held[kColumns], gemCount = 0;
            for (int s = -reach.left[x]; s <= reach.right[x]; ++s)
                if (Gem(track, k, x + s) && (d > 0 || (s == 0 ? local < 120 : local < 40)))
                    held[gemCount++] = Wrap(x + s);
            for (int s = -reach.left[x]; s <= reach.right[x]; ++s) {
                const int y = Wrap(x + s);
                // A pushed block comes to rest right behind: the way on leads sideways.
                if (pushedInto && y == x) continue;
                const bool push = !Free(track, k + 1, y);
                if (push && !Pushable(track, k + 1, y)) continue;
                const int64_t base = value[d + 1][y] - (push ? kPushCost : 0);
                auto consider = [&](int64_t v, int via) {
                    if (next[d][x] >= 0 && v <= best) return;
                    best = v;
                    next[d][x] = y;
                    step[d][x].exit = y;
                    step[d][x].via = via;
                    step[d][x].push = push;
                };
                consider(base - ShiftCost(s, d, 1), -1);
                for (int g = 0; g < gemCount; ++g)
                    consider(base + kGemWeight - ShiftCost(ShiftBetween(x, held[g]), d, 2) -
                                 ShiftCost(ShiftBetween(held[g], y), d, 2),
                             held[g]);
            }
            // Gems right behind in this column that a bounce off the wall ahead carries the car
            // back over, when it can still get fast enough for it.
            if (next[d][x] < 0 || pushedInto || Free(track, k + 1, x) || Pushable(track, k + 1, x)) continue;
            int gems = 0, farthest = 0;
            for (int j = 1; j <= 2 && Free(track, k - j, x); ++j)
                if (Gem(track, k - j, x)) ++gems, farthest = j;
            if (gems == 0) continue;
            const double needed = BounceSpeed(farthest);
            const double runUp = kPieceLength * (d + 1) - 10 - local;
            if (speed * speed + 2 * LevelRun::kAcceleration * runUp < needed * needed) continue;
            best += gems * kGemWeight - kBounceCost;
            step[d][x].bounce = true;
            step[d][x].bounceSpeed = needed;
        }
    }
    std::vector<DriveStep> plan;
    for (int d = 0, x = run.GetColumn(); d < H; ++d) {
        plan.push_back(step[d][x]);
        if (next[d][x] < 0) break;
        x = next[d][x];
    }
    return plan;
}

int LevelDriver::TargetColumn(const LevelRun& run, const std::vector<DriveStep>& plan, double* speed) const
{
    const int piece = run.GetPieceIndex();
    const double local = run.Camera().z - kPieceLength * piece;
    const DriveStep& now = plan.front();
    const bool toGem = now.via >= 0 && local < kGemAfter;
    const int target = now.bounce ? now.entry : toGem ? now.via : now.exit;
    if (!speed) return target;

    double allowed = cruiseSpeed, floor = 0;
    // A side-step from one column to another between two points of piece d ahead.
    auto sideStep = [&](int d, int from, int to, double begin, double end) {
        begin = d == 0 ? std::max(begin, local) : begin;
        const double v = SideStepSpeed(std::abs(ShiftBetween(from, to)), end - begin);
        allowed = std::min(allowed,
                           std::sqrt(v * v + 2 * LevelRun::kBraking * std::max(0.0, kPieceLength * d + begin - local)));
    };
    for (int d = 0; d < static_cast<int>(plan.size()) && d < kSpeedLookAhead; ++d) {
        const DriveStep& s = plan[static_cast<size_t>(d)];
        const int from = d == 0 ? run.GetColumn() : s.entry;
        if (s.via < 0) {
            sideStep(d, from, s.exit, 0, kStepEnd);
        } else if (d == 0 && !toGem) {
            sideStep(d, from, s.exit, kGemAfter, kStepEnd);
        } else {
            sideStep(d, from, s.via, 0, kGemBefore);
            sideStep(d, s.via, s.exit, kGemAfter, kStepEnd);
        }
        // A push or a bounce needs speed at the end of the piece: speed up in time for it.
        const double needed = s.bounce ? s.bounceSpeed + 0.0004 : s.push ? kPushFloor : 0;
        const double runUp = kPieceLength * (d + 1) - 10 - local;
        floor = std::max(floor, std::sqrt(std::max(0.0, needed * needed - 1.8 * LevelRun::kAcceleration * runUp)));
    }
    // Slower where the car crashed without meaning to.
    for (int k = piece - 1; k <= piece + 3; ++k) {
        const auto crash = crashes_.find(k);
        if (crash != crashes_.end()) allowed *= std::pow(0.7, crash->second);
    }
    *speed = std::max(allowed, floor);
    return target;
}

DriveKeys LevelDriver::Decide(const LevelRun& run)
{
    const std::vector<DriveStep> plan = Plan(run);
    // A crash comes at the end of the car's piece: was a push or a bounce meant there?
    if (run.Recovering() && !wasRecovering_ && meantCrashAt_ != run.GetPieceIndex()) ++crashes_[run.GetPieceIndex()];
    wasRecovering_ = run.Recovering();
    meantCrashAt_ = plan.front().push || plan.front().bounce ? run.GetPieceIndex() : -1;

    DriveKeys keys;
    double speed = cruiseSpeed;
    // Bouncing back, the car keeps its column.
    const int target = run.Recovering() ? run.GetColumn() : TargetColumn(run, plan, &speed);

    double error = TrackPiece::AngleOfColumn(target) + kColumnAngle / 2 - run.GetAngle();
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
    else if (run.GetSpeed() > speed + 0.0001)
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
        sim.Hold(kKeyLeft, keys.left);
        sim.Hold(kKeyRight, keys.right);
        sim.Hold(kKeyUp, keys.up);
        sim.Hold(kKeyDown, keys.brake);
        sim.Step(options.frameTicks);
        result.ticks += options.frameTicks;
        if (options.onFrame) options.onFrame(run, keys);
    }
    result.state = run.GetState();
    result.gems = run.GetGems();
    result.totalGems = run.GetTotalGems();
    result.time = static_cast<int>(run.ElapsedMs() / 10);
    result.timeLimit = run.GetTimeLimit();
    result.splits = run.GetSplits();
    return result;
}
