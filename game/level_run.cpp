#include "level_run.h"

#include "level.h"
#include "player_table.h"
#include "score_table.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.141592654;
constexpr double kTwoPi = 6.283185307;
// The car stands this far round from the angle it keeps (3 pi / 2).
constexpr double kCarOffset = 4.71238898;

// Limits and bonuses come from level files: add them in hundredths without overflowing, held to
// about eleven days either way.
int AddSeconds(int hundredths, int seconds)
{
    constexpr long long kMax = 100000000;
    const long long sum = static_cast<long long>(hundredths) + static_cast<long long>(seconds) * 100;
    return static_cast<int>(std::max(-kMax, std::min(kMax, sum)));
}

}  // namespace

LevelRun::LevelRun(const RunHost& host)
    : host_(host), track_(host.meshes), keyboard_(host.keyDown, host.clock), clock_(host.clock), format_(host.clock)
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

int LevelRun::GetRemaining() const { return timeLimit_ - static_cast<int>(clock_.Elapsed() / 10); }

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

bool LevelRun::Frame(RunParams& params)
{
    if (keyboard_.IsPressed(kKeyEscape, kKeyDelay)) TogglePause();
    if (state_ != kPaused && keyboard_.IsPressed(kKeyReturn, kKeyDelay)) TogglePause();

    if (state_ == kPaused) {
        if (keyboard_.IsPressed(kKeyUp, kKeyDelay)) selection_ = (selection_ + 2) % 3;
        if (keyboard_.IsPressed(kKeyDown, kKeyDelay)) selection_ = (selection_ + 1) % 3;
        if (!keyboard_.IsPressed(kKeyReturn, kKeyDelay)) {
            Draw(params);
            return true;
        }
        TogglePause();
        if (selection_ == kBack) return false;
        if (selection_ == kReplay) Start(params);
    }

    const double step = host_.device->Step();

    const KKeyStateSource& down = host_.keyDown;
    bool left = down(kKeyLeft), right = down(kKeyRight);
    if (left && right) left = right = false;
    bool brake = down(kKeyDown) || down(kKeyNumpad0) || down(kKeySpace);
    bool up = down(kKeyUp) && !brake;
    const bool ended = state_ == kTimeOut || state_ == kFinished;
    if (ended) {
        // The car brakes by itself and the turn dies away.
        up = false;
        brake = true;
        left = right = false;
    }

    const int startColumn = TrackPiece::ColumnOfAngle(angle_);
    if (left || right) {
        angularSpeed_ += step * kSteering * (left ? -1 : 1);
        if (left) angularSpeed_ = std::max(angularSpeed_, -kMaxAngularSpeed);
        if (right) angularSpeed_ = std::min(angularSpeed_, kMaxAngularSpeed);
    } else if (angularSpeed_ > 0) {
        angularSpeed_ = std::max(0.0, angularSpeed_ - step * kSteeringReturn);
    } else if (angularSpeed_ < 0) {
        angularSpeed_ = std::min(0.0, angularSpeed_ + step * kSteeringReturn);
    }
    if (angularSpeed_ != 0) angle_ = NormalizeAngle(angle_ + step * angularSpeed_);
    if (jolt_ > 0) jolt_ = std::max(0.0, jolt_ - step * kJoltDecay);
    if (jolt_ < 0) jolt_ = std::min(0.0, jolt_ + step * kJoltDecay);

    const double z = camera_.z;
    const int piece = Track::PieceIndexOf(z);
    const int column = TrackPiece::ColumnOfAngle(angle_);
    const TrackPiece* here = track_.GetPiece(piece);
    const int cell = here ? here->IsSolid(column) : TrackPiece::kFloor;

    bool accelerate = up;
    if (turbo_) {
        if (cell != TrackPiece::kTurboCell) {
            turboSeen_ = false;
            if (speed_ <= kMaxSpeed)
                turbo_ = false;
            else
                accelerate = false;
        } else if (!turboSeen_) {
            turboSeen_ = true;
            host_.sounds->Play(kSoundTurbo, false);
        }
    } else if (cell == TrackPiece::kTurboCell && up && speed_ > kMaxSpeed * 0.5) {
        turbo_ = turboSeen_ = true;
        host_.sounds->Play(kSoundTurbo, false);
    }

    const double startSpeed = speed_;
    if (recovering_) {
        speed_ += step * kBraking;
        if (speed_ >= kMinSpeed) {
            speed_ = kMinSpeed;
            recovering_ = false;
        }
    } else if (accelerate) {
        speed_ = std::min(speed_ + step * (turbo_ ? kTurboAcceleration : kAcceleration),
                          turbo_ ? kTurboMaxSpeed : kMaxSpeed);
        host_.sounds->Play(kSoundEngine, true);
    } else {
        speed_ -= step * (brake ? kBraking : turbo_ ? kTurboCoastLoss : kCoastLoss);
        speed_ = std::max(speed_, ended ? 0.0 : kMinSpeed);
        host_.sounds->Stop(kSoundEngine);
    }

    double newZ = z + step * speed_;
    const double leftAngle = NormalizeAngle(angle_ - kProbeAngle);
    const double rightAngle = NormalizeAngle(angle_ + kProbeAngle);
    // Probes just ahead of the car (behind it while it bounces back) against the car's own piece.
    int leftProbe = CheckMove(newZ + kProbeAhead, leftAngle, z, column);
    int rightProbe = CheckMove(newZ + kProbeAhead, rightAngle, z, column);
    if (recovering_) {
        leftProbe = (leftProbe & ~kFrontContact) | CheckMove(newZ - kProbeAhead, leftAngle, z, column);
        rightProbe = (rightProbe & ~kFrontContact) | CheckMove(newZ - kProbeAhead, rightAngle, z, column);
    }
    const int previous = contacts_;
    contacts_ = leftProbe | rightProbe;

    if (contacts_ & kSideContact) {
        if (angularSpeed_ != 0) {
            const double scrape = step * kScrapeLoss;
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
        if ((leftProbe & kSideContact) && angularSpeed_ < 0)
            angle_ = NormalizeAngle(TrackPiece::AngleOfColumn(startColumn) + kProbeAngle + 0.000001);
        if ((rightProbe & kSideContact) && angularSpeed_ > 0)
            angle_ = NormalizeAngle(TrackPiece::AngleOfColumn(startColumn) + kPi / 16 - kProbeAngle - 0.000001);
        angularSpeed_ = 0;
    } else if (previous & kSideContact) {
        host_.sounds->Stop(kSoundScrape);
    }

    if (contacts_ & kFrontContact) {
        if (recovering_) {
            speed_ = kMinSpeed;
            newZ = 200.0 * piece + 10;
            host_.sounds->Play(kSoundObstacleBehind, false);
        } else if (startSpeed <= kMinSpeed) {
            speed_ = 0;
            newZ = 200.0 * piece + 190;
        } else {
            if (speed_ >= kPushSpeed && track_.PushBlock(piece + 1, column))
                host_.sounds->Play(kSoundBlockPushed, false);
            recovering_ = true;
            jolt_ = speed_ / kMaxSpeed * -0.7;
            speed_ = -speed_;
            host_.sounds->Play(kSoundCrash, false);
            newZ = 200.0 * piece + 190;
        }
    }

    const int newPiece = Track::PieceIndexOf(newZ);
    const TrackPiece* ahead = track_.GetPiece(newPiece);
    if (speed_ > kSoundSpeed && ahead && ahead->IsWall((column + 31) % 32) && ahead->IsWall((column + 1) % 32))
        host_.sounds->Play(kSoundNarrowPassage, true);
    else
        host_.sounds->Stop(kSoundNarrowPassage);

    camera_.a1 = NormalizeAngle(jolt_);
    camera_.a2 = 0;
    camera_.a3 = NormalizeAngle(kTwoPi - angle_);
    camera_.x = std::cos(angle_ + kCarOffset) * kCarRadius;
    camera_.y = std::sin(angle_ + kCarOffset) * kCarRadius;
    camera_.z = newZ;

    MoveVisibleWindow(newPiece);

    if (state_ == kTimeOut) {
        if (timeOutSet_ && host_.device->LastFrame() - timeOutTime_ > kAutoPauseTicks) TogglePause();
        Draw(params);
        return true;
    }
    if (state_ == kFinished) {
        Draw(params);
        return true;
    }
    if (state_ == kRunning && host_.device->Excess() > 0) RestartClockWithout(host_.device->Excess());

    if (gems_ < totalGems_) CollectGems(z, newZ);
    if (!CheckTime()) {
        Draw(params);
        return true;
    }
    PassPiece(params, newZ);
    Draw(params);
    return true;
}

void LevelRun::RestartClockWithout(uint32_t ticks)
{
    // Never before the clock's own start: the clock does not run backwards.
    const uint32_t elapsed = clock_.Elapsed();
    const uint32_t shift = std::min(ticks / 100, elapsed);
    clock_.Start(host_.clock() - elapsed + shift);
}

void LevelRun::CollectGems(double oldZ, double newZ)
{
    TrackPiece* piece = track_.GetPiece(Track::PieceIndexOf(newZ));
    if (!piece) return;
    const double moved = newZ - oldZ;
    const int points = 1 + static_cast<int>(std::min(std::fabs(moved) / 15.0, 1000.0));
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
    if (remaining >= 401 && remaining <= 500) host_.sounds->Play(kSoundTimeWarning, true);
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
            lastCheckpointMs_ = host_.device->LastFrame() / 100;
            splits_.push_back(static_cast<int>(clock_.Elapsed() / 10) - SumOfSplits());
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
    const int time = static_cast<int>(clock_.Elapsed() / 10);
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
