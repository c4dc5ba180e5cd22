#include "level_run.h"

#include "level.h"
#include "player_table.h"
#include "score_table.h"

#include <algorithm>
#include <cmath>

namespace {

using TrackGeometry::kPi;
using TrackGeometry::kPieceLength;
using TrackGeometry::kTwoPi;

// The car stands this far round from the angle it keeps (3 pi / 2).
constexpr double kCarOffset = 4.71238898;
// The angle one wall column spans.
constexpr double kColumnAngle = kPi / 16;
// Put back after a side contact, the car stands this far inside its column's edge.
constexpr double kWallClearance = 0.000001;
// A frontal crash leaves the car this far before the end of its piece; one while reversing this far
// past its start.
constexpr double kStopBeforeWall = kPieceLength - 10;
constexpr double kStopAfterWall = 10;
// The pitch a crash gives the camera at maximum speed.
constexpr double kCrashJolt = 0.7;
// The turbo starts only above this share of the maximum speed.
constexpr double kTurboStartShare = 0.5;
// Along the way moved in a frame gems are looked for this often, at most kMaxGemLooks times.
constexpr double kGemLookDistance = 15.0;
constexpr double kMaxGemLooks = 1000.0;
// The time warning sounds while this much time remains (hundredths of a second).
constexpr int kWarningFirst = 500;
constexpr int kWarningLast = 401;
// Device ticks per millisecond, milliseconds per hundredth.
constexpr uint32_t kTicksPerMs = 100;
constexpr uint32_t kMsPerHundredth = 10;

int ColumnLeftOf(int column) { return (column + TrackPiece::kColumns - 1) % TrackPiece::kColumns; }
int ColumnRightOf(int column) { return (column + 1) % TrackPiece::kColumns; }

// Limits and bonuses come from level files: add them in hundredths without overflowing, held to
// about eleven days either way.
int AddSeconds(int hundredths, int seconds)
{
    constexpr long long kMax = 100000000;
    constexpr long long kHundredthsPerSecond = 100;
    const long long sum = static_cast<long long>(hundredths) + static_cast<long long>(seconds) * kHundredthsPerSecond;
    return static_cast<int>(std::max(-kMax, std::min(kMax, sum)));
}

}  // namespace

LevelRun::LevelRun(const RunHost& host)
    : host_(host), track_(host.meshes), keyboard_(host.keyDown, host.clock), clock_(host.clock)
{
}

bool LevelRun::LoadLevel(KStream* text)
{
    if (!Level::Parse(track_, text)) return false;
    camera_.fieldOfView = kFieldOfView;
    totalGems_ = track_.TotalGems();
    host_.sounds->StartRaceMusic();
    return true;
}

bool LevelRun::Start(RunParams& params)
{
    speed_ = kMinSpeed;
    startedAsReplay_ = params.replay;
    difficulty_ = params.TimingDifficulty();
    angularSpeed_ = 0;
    rank_ = -1;
    state_ = savedState_ = kReady;
    angle_ = 0;
    jolt_ = 0;
    turbo_ = turboSeen_ = recovering_ = false;
    contacts_ = 0;
    firstVisible_ = 0;
    timeOutSet_ = false;
    timeOutTime_ = 0;
    lastCheckpoint_ = -1;
    lastCheckpointMs_ = 0;
    splits_.clear();
    checkpointPassed_.assign(static_cast<size_t>(track_.GetPieceCount()), false);
    gems_ = 0;
    const double fov = camera_.fieldOfView;
    camera_ = RunCamera();
    camera_.fieldOfView = fov;
    track_.ResetGems();
    track_.ResetBlocks();
    for (int i = 0; i < track_.GetPieceCount(); ++i) ShowPiece(i, i < kVisiblePieces);
    host_.sounds->StopAll();
    host_.sounds->Play(kSoundBackground, false);
    timeLimit_ = AddSeconds(0, track_.GetTimeLimit(difficulty_));
    clock_.Reset();
    // A Return still held from the menu acts only after a while, as the menu does for the run.
    keyboard_.IsPressed(kKeyReturn, kReturnGuard);
    return true;
}

void LevelRun::PlaceCar(double angle, double z)
{
    angle_ = NormalizeAngle(angle);
    camera_.z = z;
    camera_.x = std::cos(angle_ + kCarOffset) * kCarRadius;
    camera_.y = std::sin(angle_ + kCarOffset) * kCarRadius;
    firstVisible_ = Track::PieceIndexOf(z);
}

int LevelRun::CellAt(int piece, int column) const
{
    const TrackPiece* p = track_.GetPiece(piece);
    return p ? p->IsSolid(column) : TrackPiece::kBlock;
}

int LevelRun::CheckMove(double newZ, double angle, double oldZ, int oldColumn) const
{
    const int newPiece = Track::PieceIndexOf(newZ);
    const int oldPiece = Track::PieceIndexOf(oldZ);
    const int newColumn = TrackPiece::ColumnOfAngle(angle);
    auto wall = [this](int piece, int column) { return CellAt(piece, column) == TrackPiece::kBlock; };
    if (newPiece == oldPiece) return wall(newPiece, newColumn) ? kSideContact : 0;
    if (newColumn != oldColumn) {
        const bool ahead = wall(newPiece, oldColumn);
        const bool beside = wall(oldPiece, newColumn);
        if (ahead && beside) return kSideContact | kFrontContact;
        if (ahead) return kFrontContact;
        if (beside) return kSideContact;
    }
    return wall(newPiece, newColumn) ? kFrontContact : 0;
}

int LevelRun::GetRemaining() const { return timeLimit_ - static_cast<int>(clock_.Elapsed() / kMsPerHundredth); }

int LevelRun::SumOfSplits() const
{
    int sum = 0;
    for (int split : splits_) sum += split;
    return sum;
}

void LevelRun::ShowPiece(int index, bool visible)
{
    if (TrackPiece* piece = track_.GetPiece(index)) piece->SetVisible(visible);
}

void LevelRun::TogglePause()
{
    if (state_ == kPaused) {
        state_ = savedState_;
        host_.device->Resume();
        if (state_ == kRunning) clock_.Resume();
        return;
    }
    host_.device->Pause();
    if (state_ == kRunning) clock_.Pause();
    savedState_ = state_;
    state_ = kPaused;
    // The automatic pause after a time-out does not come back.
    timeOutSet_ = false;
    selection_ = kReplay;
}

struct LevelRun::CarStep {
    double step = 0;  // device ticks this frame advances
    bool left = false, right = false, up = false, brake = false;
    bool ended = false;  // timed out or finished: the car brakes by itself and no longer steers
    int startColumn = 0;  // where the frame found the car
    double z = 0;  // the car's z, piece, column and cell once it has turned
    int piece = 0;
    int column = 0;
    int cell = TrackPiece::kFloor;
    double startSpeed = 0;
    double newZ = 0;  // where the frame leaves it
};

bool LevelRun::Frame(RunParams& params)
{
    switch (PausePanel(params)) {
    case kPanelShown: Draw(params); return true;
    case kPanelBack: return false;
    case kPanelGoOn: break;
    }
    CarStep move = ReadInput();
    Steer(move);
    SettleJolt(move);
    ChangeSpeed(move, Turbo(move));
    Contacts(move);
    PassageSound(move);
    PlaceCamera(move);
    Advance(params, move);
    Draw(params);
    return true;
}

LevelRun::PanelResult LevelRun::PausePanel(RunParams& params)
{
    if (keyboard_.IsPressed(kKeyEscape, kKeyRepeatDelay)) TogglePause();
    if (state_ != kPaused && keyboard_.IsPressed(kKeyReturn, kKeyRepeatDelay)) TogglePause();
    if (state_ != kPaused) return kPanelGoOn;

    if (keyboard_.IsPressed(kKeyUp, kKeyRepeatDelay)) selection_ = (selection_ + kPauseItems - 1) % kPauseItems;
    if (keyboard_.IsPressed(kKeyDown, kKeyRepeatDelay)) selection_ = (selection_ + 1) % kPauseItems;
    if (!keyboard_.IsPressed(kKeyReturn, kKeyRepeatDelay)) return kPanelShown;
    TogglePause();
    if (selection_ == kBack) return kPanelBack;
    if (selection_ == kReplay) Start(params);
    return kPanelGoOn;
}

LevelRun::CarStep LevelRun::ReadInput() const
{
    CarStep move;
    move.step = host_.device->Step();
    const KKeyStateSource& down = host_.keyDown;
    move.left = down(kKeyLeft);
    move.right = down(kKeyRight);
    if (move.left && move.right) move.left = move.right = false;
    move.brake = down(kKeyDown) || down(kKeyNumpad0) || down(kKeySpace);
    move.up = down(kKeyUp) && !move.brake;
    move.ended = state_ == kTimeOut || state_ == kFinished;
    if (move.ended) {
        move.up = false;
        move.brake = true;
    }
    return move;
}

void LevelRun::Steer(CarStep& move)
{
    move.startColumn = TrackPiece::ColumnOfAngle(angle_);
    // Once the run has ended the keys no longer steer: the turn keeps the rate it had.
    if (!move.ended) ChangeTurnRate(move);
    if (angularSpeed_ != 0) angle_ = NormalizeAngle(angle_ + move.step * angularSpeed_);

    move.z = camera_.z;
    move.piece = Track::PieceIndexOf(move.z);
    move.column = TrackPiece::ColumnOfAngle(angle_);
    const TrackPiece* here = track_.GetPiece(move.piece);
    move.cell = here ? here->IsSolid(move.column) : TrackPiece::kFloor;
}

void LevelRun::ChangeTurnRate(const CarStep& move)
{
    if (move.left || move.right) {
        angularSpeed_ += move.step * kSteering * (move.left ? -1 : 1);
        if (move.left) angularSpeed_ = std::max(angularSpeed_, -kMaxAngularSpeed);
        if (move.right) angularSpeed_ = std::min(angularSpeed_, kMaxAngularSpeed);
    } else if (angularSpeed_ > 0) {
        angularSpeed_ = std::max(0.0, angularSpeed_ - move.step * kSteeringReturn);
    } else if (angularSpeed_ < 0) {
        angularSpeed_ = std::min(0.0, angularSpeed_ + move.step * kSteeringReturn);
    }
}

void LevelRun::SettleJolt(const CarStep& move)
{
    if (jolt_ > 0) jolt_ = std::max(0.0, jolt_ - move.step * kJoltDecay);
    if (jolt_ < 0) jolt_ = std::min(0.0, jolt_ + move.step * kJoltDecay);
}

bool LevelRun::Turbo(const CarStep& move)
{
    const bool onStrip = move.cell == TrackPiece::kTurboCell;
    if (turbo_) {
        if (!onStrip) {
            turboSeen_ = false;
            // Still faster than the car goes without it: the up key waits until it is back.
            if (speed_ <= kMaxSpeed)
                turbo_ = false;
            else
                return false;
        } else if (!turboSeen_) {
            turboSeen_ = true;
            host_.sounds->Play(kSoundTurbo, false);
        }
    } else if (onStrip && move.up && speed_ > kMaxSpeed * kTurboStartShare) {
        turbo_ = turboSeen_ = true;
        host_.sounds->Play(kSoundTurbo, false);
    }
    return move.up;
}

void LevelRun::ChangeSpeed(CarStep& move, bool accelerate)
{
    move.startSpeed = speed_;
    if (recovering_) {
        speed_ += move.step * kBraking;
        if (speed_ >= kMinSpeed) {
            speed_ = kMinSpeed;
            recovering_ = false;
        }
    } else if (accelerate) {
        speed_ = std::min(speed_ + move.step * (turbo_ ? kTurboAcceleration : kAcceleration),
                          turbo_ ? kTurboMaxSpeed : kMaxSpeed);
        host_.sounds->Play(kSoundEngine, true);
    } else {
        speed_ -= move.step * (move.brake ? kBraking : turbo_ ? kTurboCoastLoss : kCoastLoss);
        speed_ = std::max(speed_, move.ended ? 0.0 : kMinSpeed);
        host_.sounds->Stop(kSoundEngine);
    }
    move.newZ = move.z + move.step * speed_;
}

void LevelRun::Contacts(CarStep& move)
{
    const double z = move.z;
    const double leftAngle = NormalizeAngle(angle_ - kProbeAngle);
    const double rightAngle = NormalizeAngle(angle_ + kProbeAngle);
    // Probes just ahead of the car (behind it while it bounces back) against the car's own piece.
    int leftProbe = CheckMove(move.newZ + kProbeAhead, leftAngle, z, move.column);
    int rightProbe = CheckMove(move.newZ + kProbeAhead, rightAngle, z, move.column);
    if (recovering_) {
        leftProbe = (leftProbe & ~kFrontContact) | CheckMove(move.newZ - kProbeAhead, leftAngle, z, move.column);
        rightProbe = (rightProbe & ~kFrontContact) | CheckMove(move.newZ - kProbeAhead, rightAngle, z, move.column);
    }
    const int previous = contacts_;
    contacts_ = leftProbe | rightProbe;
    ScrapeSideWall(move, leftProbe, rightProbe, previous);
    if (contacts_ & kFrontContact) HitFront(move);
}

void LevelRun::ScrapeSideWall(const CarStep& move, int leftProbe, int rightProbe, int previous)
{
    if (!(contacts_ & kSideContact)) {
        if (previous & kSideContact) host_.sounds->Stop(kSoundScrape);
        return;
    }
    if (angularSpeed_ != 0) {
        const double scrape = move.step * kScrapeLoss;
        // A scrape brings the speed towards the minimum, never past it.
        if (recovering_)
            speed_ = std::min(speed_ + scrape, std::max(speed_, kMinSpeed));
        else
            speed_ = std::max(speed_ - scrape, std::min(speed_, kMinSpeed));
        host_.sounds->Play(kSoundScrape, true);
        if (!(previous & kSideContact)) host_.sounds->Play(kSoundSideContact, false);
    } else {
        host_.sounds->Stop(kSoundScrape);
    }
    // Back into the column the car was in when the frame began: a fast turn may already have
    // carried its angle over the wall's edge.
    const double columnStart = TrackPiece::AngleOfColumn(move.startColumn);
    if ((leftProbe & kSideContact) && angularSpeed_ < 0)
        angle_ = NormalizeAngle(columnStart + kProbeAngle + kWallClearance);
    if ((rightProbe & kSideContact) && angularSpeed_ > 0)
        angle_ = NormalizeAngle(columnStart + kColumnAngle - kProbeAngle - kWallClearance);
    angularSpeed_ = 0;
}

void LevelRun::HitFront(CarStep& move)
{
    const double pieceStart = kPieceLength * move.piece;
    if (recovering_) {
        speed_ = kMinSpeed;
        move.newZ = pieceStart + kStopAfterWall;
        host_.sounds->Play(kSoundObstacleBehind, false);
    } else if (move.startSpeed <= kMinSpeed) {
        speed_ = 0;
        move.newZ = pieceStart + kStopBeforeWall;
    } else {
        if (speed_ >= kPushSpeed && track_.PushBlock(move.piece + 1, move.column))
            host_.sounds->Play(kSoundBlockPushed, false);
        recovering_ = true;
        jolt_ = speed_ / kMaxSpeed * -kCrashJolt;
        speed_ = -speed_;
        host_.sounds->Play(kSoundCrash, false);
        move.newZ = pieceStart + kStopBeforeWall;
    }
}

void LevelRun::PassageSound(const CarStep& move)
{
    const TrackPiece* ahead = track_.GetPiece(Track::PieceIndexOf(move.newZ));
    if (speed_ > kSoundSpeed && ahead && ahead->IsWall(ColumnLeftOf(move.column)) &&
        ahead->IsWall(ColumnRightOf(move.column)))
        host_.sounds->Play(kSoundNarrowPassage, true);
    else
        host_.sounds->Stop(kSoundNarrowPassage);
}

void LevelRun::PlaceCamera(const CarStep& move)
{
    camera_.a1 = NormalizeAngle(jolt_);
    camera_.a2 = 0;
    camera_.a3 = NormalizeAngle(kTwoPi - angle_);
    camera_.x = std::cos(angle_ + kCarOffset) * kCarRadius;
    camera_.y = std::sin(angle_ + kCarOffset) * kCarRadius;
    camera_.z = move.newZ;
    MoveVisibleWindow(Track::PieceIndexOf(move.newZ));
}

void LevelRun::Advance(RunParams& params, const CarStep& move)
{
    if (state_ == kTimeOut) {
        if (timeOutSet_ && host_.device->LastFrame() - timeOutTime_ > kAutoPauseTicks) TogglePause();
        return;
    }
    if (state_ == kFinished) return;
    if (state_ == kRunning && host_.device->Excess() > 0) RestartClockWithout(host_.device->Excess());
    if (gems_ < totalGems_) CollectGems(move.z, move.newZ);
    if (CheckTime()) PassPiece(params, move.newZ);
}

void LevelRun::RestartClockWithout(uint32_t ticks)
{
    // Never before the clock's own start: the clock does not run backwards.
    const uint32_t elapsed = clock_.Elapsed();
    const uint32_t shift = std::min(ticks / kTicksPerMs, elapsed);
    clock_.Start(host_.clock() - elapsed + shift);
}

void LevelRun::CollectGems(double oldZ, double newZ)
{
    TrackPiece* piece = track_.GetPiece(Track::PieceIndexOf(newZ));
    if (!piece) return;
    const double moved = newZ - oldZ;
    const int points = 1 + static_cast<int>(std::min(std::fabs(moved) / kGemLookDistance, kMaxGemLooks));
    TrackPoint at;
    at.x = std::cos(angle_ + kCarOffset) * kCarRadius;
    at.y = std::sin(angle_ + kCarOffset) * kCarRadius;
    for (int k = 0; k < points; ++k) {
        at.z = newZ - moved * k / points;
        for (int facet; (facet = piece->FindGemNear(at)) >= 0;) {
            piece->CollectGem(facet);
            ++gems_;
            host_.sounds->Play(kSoundGem, false);
            if (gems_ >= totalGems_) return;
        }
    }
}

bool LevelRun::CheckTime()
{
    const int remaining = GetRemaining();
    if (remaining < 1) {
        state_ = kTimeOut;
        timeOutSet_ = true;
        timeOutTime_ = host_.device->AnimationTime();
        clock_.Stop();
        host_.sounds->Stop(kSoundTimeWarning);
        host_.sounds->Play(kSoundTimeOut, false);
        return false;
    }
    if (remaining >= kWarningLast && remaining <= kWarningFirst) host_.sounds->Play(kSoundTimeWarning, true);
    return true;
}

void LevelRun::PassPiece(RunParams& params, double z)
{
    const int index = Track::PieceIndexOf(z);
    const TrackPiece* piece = track_.GetPiece(index);
    if (!piece) return;
    switch (piece->GetKind()) {
    case TrackPiece::kFinish: Finish(params); break;
    case TrackPiece::kCheckpoint:
        // Each checkpoint adds its bonus once, also when the car bounces back over it.
        if (checkpointPassed_.size() <= static_cast<size_t>(index))
            checkpointPassed_.resize(static_cast<size_t>(index) + 1);
        if (index != lastCheckpoint_ && !checkpointPassed_[static_cast<size_t>(index)]) {
            checkpointPassed_[static_cast<size_t>(index)] = true;
            timeLimit_ = AddSeconds(timeLimit_, piece->GetBonus(difficulty_));
            lastCheckpoint_ = index;
            lastCheckpointMs_ = host_.device->LastFrame() / kTicksPerMs;
            splits_.push_back(static_cast<int>(clock_.Elapsed() / kMsPerHundredth) - SumOfSplits());
            host_.sounds->Stop(kSoundTimeWarning);
            host_.sounds->Play(kSoundCheckpoint, false);
        }
        break;
    case TrackPiece::kStart:
        if (state_ == kReady) {
            clock_.Start();
            state_ = kRunning;
            host_.sounds->Play(kSoundRunStarted, false);
        }
        break;
    default: break;
    }
}

void LevelRun::MoveVisibleWindow(int newIndex)
{
    const int old = firstVisible_;
    if (newIndex > old) {
        ShowPiece(old - 1, false);
        ShowPiece(old + kVisiblePieces, true);
    } else if (newIndex < old) {
        for (int i = std::max(newIndex - 1, 0); i <= old - 2 && i < track_.GetPieceCount(); ++i) ShowPiece(i, true);
    }
    firstVisible_ = newIndex;
}

void LevelRun::Finish(RunParams& params)
{
    if (state_ != kRunning) return;
    clock_.Stop();
    state_ = kFinished;
    const int time = static_cast<int>(clock_.Elapsed() / kMsPerHundredth);
    splits_.push_back(time - SumOfSplits());
    host_.sounds->Stop(kSoundTimeWarning);
    if (params.kind != RunParams::kLevel) return;
    rank_ = host_.scores ? host_.scores->InsertScore(params.levelIndex, gems_, time, params.playerName.c_str()) : -1;
    if (params.replay) {
        host_.sounds->Play(kSoundReplayFinished, false);
    } else if (gems_ >= totalGems_) {
        params.replay = true;
        if (host_.players) host_.players->SetPlayerProgress(params.player, params.difficulty, params.levelIndex + 1);
        host_.sounds->Play(kSoundLevelCompleted, false);
    } else {
        host_.sounds->Play(kSoundLevelFailed, false);
    }
}
