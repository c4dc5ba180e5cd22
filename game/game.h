// The one object of the game's logic: the device with its textures and fonts, the sounds, the
// music, the players and scores, and the two modes (menu and level run) it switches between,
// handing them one parameter block.
#pragma once

#include "KDevice3D.h"
#include "KSound.h"
#include "KSystemSources.h"
#include "game_music.h"
#include "level_run.h"
#include "menu.h"
#include "menu_backdrop.h"
#include "player_table.h"
#include "run_adapters.h"
#include "run_params.h"
#include "run_seams.h"
#include "score_table.h"
#include "track_meshes.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

class KFont3D;
class KStream;

// Where the game takes its time, keys and way out from; tests give their own.
struct GameSources {
    KTickSource ticks = KSystemTicks;
    KKeyStateSource keyDown = KSystemKeyDown;
    KMillisecondSource clock = KSystemMilliseconds;
    std::function<void()> quit;  // none: PostQuitMessage(0)
    bool windowed = false;  // the device inside the window instead of full-screen
};

class Game : public RunSounds {
public:
    enum Mode { kNone = 0, kMenu = 1, kRun = 2 };
    static constexpr int kImages = 20;
    static constexpr int kSounds = 17;
    static constexpr int kFonts = 6;

    // key: the data-file key every loader and saver reads (not owned).
    explicit Game(KStream* key, GameSources sources = GameSources());
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Device, fonts, "image.dat", the music list, "sound.dat" (sounds on), players and scores.
    // False when "image.dat" or (sounds on) "sound.dat" cannot be read; what follows it is then
    // not loaded.
    bool Init(HWND window, int width, int height, bool sound, bool music);
    // Ends the current mode and starts another. params: the game's own block (Params()) or none.
    // Returns 1 when the mode started.
    int SetMode(int mode, RunParams* params);
    // One frame of the current mode; a mode that ends hands over to the other.
    void Frame();

    void PlaySound(int index, bool onlyIfSilent);
    void StopSound(int index);
    void StopAllSounds();
    void EnableSound(bool on);
    void StartMenuMusic();
    void StartRaceMusic() override;
    void FreeResources();
    // Saves the tables that were loaded: a table that never was keeps the file as it is.
    void SaveAll();

    // The run's sounds.
    void Play(int index, bool onlyIfSilent) override { PlaySound(index, onlyIfSilent); }
    void Stop(int index) override { StopSound(index); }
    void StopAll() override { StopAllSounds(); }

    KDevice3D& Device() { return device_; }
    int GetMode() const { return mode_; }
    Menu* GetMenu() const { return menu_.get(); }
    LevelRun* GetRun() const { return run_.get(); }
    RunParams& Params() { return params_; }
    PlayerTable& Players() { return players_; }
    ScoreTable& Scores() { return scores_; }
    bool PlayersLoaded() const { return playersLoaded_; }
    bool ScoresLoaded() const { return scoresLoaded_; }
    KTexture* Texture(int index) const;
    int TextureCount() const { return static_cast<int>(textures_.size()); }
    int SoundCount() const { return static_cast<int>(sounds_.size()); }
    KSound* Sound(int index) const;
    KFont3D* Font(int index) const { return index >= 0 && index < kFonts ? fonts_[index] : nullptr; }
    bool SoundOn() const { return soundOn_; }
    bool MusicOn() const { return musicOn_; }
    GameMusic& Music() { return music_; }
    DeviceRunAdapter& RunDeviceAdapter() { return runDevice_; }
    RunTextSink& TextSink() { return text_; }
    QuadBackdropFactory& Backdrops() { return backdrops_; }

private:
    bool LoadImages();
    bool LoadSounds();
    void LoadSound(KStream* record, bool looping);
    void CreateFonts();
    RunHost MakeRunHost();
    MenuHost MakeMenuHost();
    void Quit();

    KStream* key_;
    GameSources sources_;
    HWND window_ = nullptr;
    KDevice3D device_;
    std::vector<std::unique_ptr<KSound>> sounds_;
    GameMusic music_;
    bool soundOn_ = false;
    bool musicOn_ = false;
    std::vector<KTexture*> textures_;  // owned by the device
    KFont3D* fonts_[kFonts] = {};  // owned by the device
    PlayerTable players_;
    ScoreTable scores_;
    bool playersLoaded_ = false;
    bool scoresLoaded_ = false;
    RunParams params_;
    int mode_ = kNone;
    std::unique_ptr<Menu> menu_;
    std::unique_ptr<LevelRun> run_;

    DeviceRunAdapter runDevice_;
    FontTextSink text_;
    QuadBackdropFactory backdrops_;
    TrackMeshMaker trackMeshes_;
};
