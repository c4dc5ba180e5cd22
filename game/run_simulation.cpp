#include "run_simulation.h"

#include <algorithm>
#include <cstring>

bool SimulatedDevice::BeginFrame(const RunCamera& camera)
{
    clock_.NextFrame();
    camera_ = camera;
    return !beginFails_;
}

void SimulatedDevice::GetViewport(int* width, int* height) const
{
    *width = width_;
    *height = height_;
}

void RecordingSounds::Play(int index, bool onlyIfSilent)
{
    if (onlyIfSilent && Playing(index)) return;
    if (index >= 0 && index < 32) playing_[index] = true;
    events_.push_back({Event::kPlay, index});
}

void RecordingSounds::Stop(int index)
{
    if (!Playing(index)) return;
    playing_[index] = false;
    events_.push_back({Event::kStop, index});
}

void RecordingSounds::StopAll()
{
    playing_.fill(false);
    events_.push_back({Event::kStopAll, -1});
}

int RecordingSounds::Starts(int index) const
{
    return static_cast<int>(std::count_if(events_.begin(), events_.end(), [index](const Event& e) {
        return e.kind == Event::kPlay && e.index == index;
    }));
}

void RecordingSounds::Clear() { events_.clear(); }

RunSimulation::RunSimulation(RunTextSink* text, ScoreTable* scores, PlayerTable* players)
{
    RunHost host;
    host.device = &device_;
    host.sounds = &sounds_;
    host.text = text;
    host.keyDown = [this](int key) { return key >= 0 && key < 256 && keys_[static_cast<size_t>(key)]; };
    host.clock = [this] { return device_.Milliseconds(); };
    host.scores = scores;
    host.players = players;
    run_ = std::make_unique<LevelRun>(host);
}

bool RunSimulation::Load(const char* levelText, int difficulty, int kind)
{
    params_.kind = kind;
    params_.difficulty = difficulty;
    params_.replay = kind != RunParams::kLevel;
    params_.levelText.SetSize(0);
    params_.levelText.Write(levelText, static_cast<int>(std::strlen(levelText)));
    if (!run_->LoadLevel(&params_.levelText)) return false;
    run_->Start(params_);
    return true;
}

bool RunSimulation::Step(uint32_t ticks)
{
    device_.Advance(ticks);
    return run_->Frame(params_);
}

bool RunSimulation::Tap(int key, uint32_t ticks)
{
    Hold(key);
    const bool result = Step(ticks);
    Hold(key, false);
    return result;
}
