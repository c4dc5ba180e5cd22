// One drive through a level or lesson: steering, speed and turbo, wall contacts and pushed
// blocks, gems, checkpoints, the time limit, the finish with its records, and the pause panel.
// Each frame is one deterministic step over the key state, the device's frame step and the
// millisecond clock, all taken through the host's seams.
#pragma once

#include "KClock.h"
#include "KGeometry.h"
#include "KKeyboard.h"
#include "KString.h"
#include "KSystemSources.h"
#include "game_keys.h"
#include "race_time.h"
#include "run_params.h"
#include "run_seams.h"
#include "track.h"

#include <cstdint>
#include <vector>

class KStream;
class PlayerTable;
class ScoreTable;

struct RunHost {
    RunDevice* device = nullptr;
    RunSounds* sounds = nullptr;
    RunTextSink* text = nullptr;  // none: the display draws no text
    KKeyStateSource keyDown;
    KMillisecondSource clock;
    ScoreTable* scores = nullptr;  // none: results are not recorded
    PlayerTable* players = nullptr;  // none: progress is not recorded
    TrackMeshFactory* meshes = nullptr;
};

class LevelRun : public KNumberFormat {
public:
    enum State { kReady = 0, kRunning = 1, kTimeOut = 2, kFinished = 3, kPaused = 4 };
    enum PauseItem { kResume = 0, kReplay = 1, kBack = 2, kPauseItems = 3 };
    // Contact flags of CheckMove.
    enum Contact { kSideContact = 1, kFrontContact = 2 };

    static constexpr double kMinSpeed = 0.0005;
    static constexpr double kSoundSpeed = 0.008;
    static constexpr double kMaxSpeed = 0.012;
    static constexpr double kAcceleration = 1e-7;
    static constexpr double kCoastLoss = 5e-8;
    static constexpr double kBraking = 1e-7;
    static constexpr double kScrapeLoss = 2.5e-7;
    static constexpr double kTurboMaxSpeed = 0.016;
    static constexpr double kTurboAcceleration = 2e-7;
    static constexpr double kTurboCoastLoss = 1e-8;
    static constexpr double kMaxAngularSpeed = 2e-5;
    static constexpr double kSteering = 1e-9;
    static constexpr double kSteeringReturn = 1e-9;
    static constexpr double kJoltDecay = 1.3e-5;
    static constexpr double kProbeAngle = 0.015;
    static constexpr double kProbeAhead = 10.0;
    static constexpr double kPushSpeed = 0.002;
    static constexpr double kCarRadius = 180.0;
    static constexpr double kFieldOfView = 1.8;
    static constexpr int kVisiblePieces = 30;
    static constexpr uint32_t kAutoPauseTicks = 200000;
    explicit LevelRun(const RunHost& host);
    LevelRun(const LevelRun&) = delete;
    LevelRun& operator=(const LevelRun&) = delete;

    // Builds the track from a level text; false when it cannot be parsed.
    bool LoadLevel(KStream* text);
    bool Start(RunParams& params);
    // One frame; false = back to the menu.
    bool Frame(RunParams& params);
    void TogglePause();
    void Finish(RunParams& params);
    void Draw(RunParams& params);
    // Contact flags of a probe moving from old z to new z at an angle, the car being in the old
    // column. Outside the track counts as wall.
    int CheckMove(double newZ, double angle, double oldZ, int oldColumn) const;

    // The radar: 7 lines of 32 characters, each ended by CR LF; layer A blocks and gems, layer B
    // the floor dots.
    void BuildRadar(KString* layerA, KString* layerB) const;
    Track& GetTrack() { return track_; }
    const Track& GetTrack() const { return track_; }
    const RunCamera& Camera() const { return camera_; }
    int GetState() const { return state_; }
    int GetSavedState() const { return savedState_; }
    int GetSelection() const { return selection_; }
    double GetSpeed() const { return speed_; }
    void SetSpeed(double speed) { speed_ = speed; }
    double GetAngle() const { return angle_; }
    // Places the car (tests and tools): angle, z.
    void PlaceCar(double angle, double z);
    double GetAngularSpeed() const { return angularSpeed_; }
    double GetJolt() const { return jolt_; }
    bool TurboOn() const { return turbo_; }
    bool Recovering() const { return recovering_; }
    int GetContacts() const { return contacts_; }
    int GetFirstVisible() const { return firstVisible_; }
    int GetPieceIndex() const { return Track::PieceIndexOf(camera_.z); }
    int GetColumn() const { return TrackPiece::ColumnOfAngle(angle_); }
    // Hundredths of a second.
    int GetTimeLimit() const { return timeLimit_; }
    int GetRemaining() const;
    int GetGems() const { return gems_; }
    int GetTotalGems() const { return totalGems_; }
    const std::vector<int>& GetSplits() const { return splits_; }
    int GetRank() const { return rank_; }
    int GetLastCheckpoint() const { return lastCheckpoint_; }
    uint32_t ElapsedMs() const { return clock_.Elapsed(); }
    bool TimeOutSet() const { return timeOutSet_; }

private:
    // What one frame's steps hand on to each other.
    struct CarStep;
    enum PanelResult { kPanelShown, kPanelGoOn, kPanelBack };

    PanelResult PausePanel(RunParams& params);
    CarStep ReadInput() const;
    void Steer(CarStep& move);
    void ChangeTurnRate(const CarStep& move);
    void SettleJolt(const CarStep& move);
    bool Turbo(const CarStep& move);
    void ChangeSpeed(CarStep& move, bool accelerate);
    void Contacts(CarStep& move);
    void ScrapeSideWall(const CarStep& move, int leftProbe, int rightProbe, int previous);
    void HitFront(CarStep& move);
    void PassageSound(const CarStep& move);
    void PlaceCamera(const CarStep& move);
    void Advance(RunParams& params, const CarStep& move);

    int CellAt(int piece, int column) const;
    int SumOfSplits() const;
    void CollectGems(double oldZ, double newZ);
    bool CheckTime();
    void PassPiece(RunParams& params, double z);
    void MoveVisibleWindow(int newIndex);
    void ShowPiece(int index, bool visible);
    void RestartClockWithout(uint32_t ticks);
    void DrawDisplay(RunParams& params, int w, int h);

    RunHost host_;
    Track track_;
    KKeyboard keyboard_;
    KClock clock_;  // the run clock
    RaceTimeFormat timeFormat_;
    RunCamera camera_;

    double speed_ = kMinSpeed;
    double angle_ = 0;
    double angularSpeed_ = 0;
    double jolt_ = 0;
    bool turbo_ = false;
    bool turboSeen_ = false;
    bool recovering_ = false;
    int contacts_ = 0;
    int firstVisible_ = 0;

    int state_ = kReady;
    int savedState_ = kReady;
    int selection_ = kReplay;
    int timeLimit_ = 0;
    int gems_ = 0;
    int totalGems_ = 0;
    std::vector<int> splits_;
    std::vector<bool> checkpointPassed_;  // by piece: each checkpoint adds its bonus once
    int lastCheckpoint_ = -1;
    uint32_t lastCheckpointMs_ = 0;
    bool timeOutSet_ = false;
    uint32_t timeOutTime_ = 0;
    int rank_ = -1;
    bool startedAsReplay_ = true;
    int difficulty_ = 0;  // the timing difficulty of the run
};
