#include "game.h"

#include "KFont3D.h"
#include "KMemStream.h"
#include "KPath.h"
#include "KStringList.h"
#include "data_records.h"
#include "level.h"

// The device's method, not the system's font macro.
#undef DeleteFont

namespace {

struct FontSpec {
    const char* face;
    double height;  // fraction of the viewport height
    bool bold;
};
const FontSpec kFontSpecs[Game::kFonts] = {
    {"Courier New", 0.018, false}, {"Orbit-B BT", 0.03, false}, {"Orbit-B BT", 0.04, false},
    {"Orbit-B BT", 0.06, false},   {"Orbit-B BT", 0.06, true},  {"Orbit-B BT", 0.1, false},
};

// Sounds that play as loops: the engine, the run's background and the narrow passage.
bool LoopingSound(int index)
{
    return index == kSoundEngine || index == kSoundBackground || index == kSoundNarrowPassage;
}

}  // namespace

Game::Game(KStream* key, GameSources sources)
    : key_(key), sources_(std::move(sources)), device_(sources_.ticks), runDevice_(&device_), text_(fonts_),
      backdrops_(&device_, [this](int index) { return Texture(index); }),
      trackMeshes_(&device_, [this](int index) { return Texture(index); })
{
}

Game::~Game() { FreeResources(); }

KTexture* Game::Texture(int index) const
{
    return index >= 0 && index < TextureCount() ? textures_[static_cast<size_t>(index)] : nullptr;
}

KSound* Game::Sound(int index) const
{
    return index >= 0 && index < SoundCount() ? sounds_[static_cast<size_t>(index)].get() : nullptr;
}

bool Game::Init(HWND window, int width, int height, bool sound, bool music)
{
    FreeResources();
    window_ = window;
    playersLoaded_ = scoresLoaded_ = false;
    EnableSound(sound);
    if (music != musicOn_) {
        musicOn_ = music;
        if (!music) music_.Stop();
    }

    const SIZE size = {width, height};
    device_.Init(window, sources_.windowed ? nullptr : &size);
    ShowCursor(FALSE);
    CreateFonts();

    if (!LoadImages()) return false;

    KStringList found;
    KPath().FindFiles(found, "music\\*.mp3", false, false, true);
    std::vector<KString> tracks;
    for (int i = 0; i < found.GetCount(); ++i) tracks.push_back(found.GetAt(i));
    music_.SetTrackList(tracks);

    if (soundOn_ && !LoadSounds()) return false;

    // An unreadable file is left as it is: its table is not saved over it at the end.
    playersLoaded_ = players_.Load("player.dat", key_);
    scoresLoaded_ = scores_.Load("score.dat", key_);
    return true;
}

void Game::CreateFonts()
{
    for (int i = 0; i < kFonts; ++i)
        fonts_[i] = device_.CreateFont(kFontSpecs[i].face, kFontSpecs[i].height, kFontSpecs[i].bold);
}

bool Game::LoadImages()
{
    KMemStream file;
    std::vector<DataRecord> records;
    if (!DataRecords::Load("image.dat", key_, kImages, &file, &records)) return false;
    // Every index gets its texture, an empty one where the file has no image.
    for (int i = 0; i < kImages; ++i) {
        if (i < static_cast<int>(records.size())) {
            file.Seek(records[i].offset);
            textures_.push_back(device_.LoadTexture(&file, records[i].size));
        } else {
            textures_.push_back(device_.LoadTexture(nullptr, 0));
        }
    }
    return true;
}

bool Game::LoadSounds()
{
    KMemStream file;
    std::vector<DataRecord> records;
    if (!DataRecords::Load("sound.dat", key_, kSounds, &file, &records)) return false;
    // A record that is missing or does not load still holds its index; it plays nothing.
    for (int i = 0; i < kSounds; ++i) {
        KMemStream record;
        if (i < static_cast<int>(records.size())) {
            file.Seek(records[i].offset);
            record.CopyFrom(&file, records[i].size);
            record.Seek(0);
        }
        LoadSound(&record, LoopingSound(i));
    }
    return true;
}

void Game::LoadSound(KStream* record, bool looping)
{
    auto sound = std::make_unique<KSound>();
    if (sound->LoadWave(record) && looping) sound->SetLooping(true);
    sounds_.push_back(std::move(sound));
}

void Game::FreeResources()
{
    menu_.reset();
    run_.reset();
    mode_ = kNone;
    sounds_.clear();
    textures_.clear();
    for (KFont3D*& font : fonts_) {
        if (font) device_.DeleteFont(font);
        font = nullptr;
    }
    device_.FreeAll();
    window_ = nullptr;
}

void Game::SaveAll()
{
    if (playersLoaded_) players_.Save("player.dat", key_);
    if (scoresLoaded_) scores_.Save("score.dat", key_);
}

void Game::PlaySound(int index, bool onlyIfSilent)
{
    KSound* sound = soundOn_ ? Sound(index) : nullptr;
    if (!sound || (onlyIfSilent && sound->IsPlaying())) return;
    sound->Play(0);
}

void Game::StopSound(int index)
{
    KSound* sound = soundOn_ ? Sound(index) : nullptr;
    if (sound && sound->IsPlaying()) sound->Stop();
}

void Game::StopAllSounds()
{
    if (!soundOn_) return;
    for (auto& sound : sounds_) sound->Stop();
}

void Game::EnableSound(bool on)
{
    if (on == soundOn_) return;
    if (!on)
        for (auto& sound : sounds_) sound->Stop();
    soundOn_ = on;
}

void Game::StartMenuMusic()
{
    if (!musicOn_ || !music_.Open("music.dat")) return;
    music_.SetLooping(true);
    music_.Play();
    music_.SetVolume(100);
}

void Game::StartRaceMusic()
{
    if (!musicOn_) return;
    music_.SetLooping(false);
    music_.PlayNext();
}

RunHost Game::MakeRunHost()
{
    RunHost host;
    host.device = &runDevice_;
    host.sounds = this;
    host.text = &text_;
    host.keyDown = sources_.keyDown;
    host.clock = sources_.clock;
    host.scores = &scores_;
    host.players = &players_;
    host.meshes = &trackMeshes_;
    return host;
}

MenuHost Game::MakeMenuHost()
{
    MenuHost host;
    host.device = &runDevice_;
    host.text = &text_;
    host.backdrops = &backdrops_;
    host.keyDown = sources_.keyDown;
    host.clock = sources_.clock;
    host.players = &players_;
    host.scores = &scores_;
    host.key = key_;
    host.quit = [this] { Quit(); };
    return host;
}

void Game::Quit()
{
    if (sources_.quit)
        sources_.quit();
    else
        PostQuitMessage(0);
}

int Game::SetMode(int mode, RunParams* params)
{
    StopAllSounds();
    if (musicOn_) music_.Stop();
    // The old mode takes its meshes off the device as it goes.
    menu_.reset();
    run_.reset();
    mode_ = kNone;

    if (mode == kRun) {
        run_ = std::make_unique<LevelRun>(MakeRunHost());
        // A level that cannot be read ends the program; no run starts on an empty track (a
        // level text that was never read parses into the filler pieces alone).
        if (!params || !run_->LoadLevel(&params->levelText) ||
            run_->GetTrack().GetPieceCount() <= Level::kFillersBefore + Level::kFillersAfter) {
            run_.reset();
            if (musicOn_) music_.Stop();
            Quit();
            return 0;
        }
        run_->Start(*params);
    } else if (mode == kMenu) {
        menu_ = std::make_unique<Menu>(MakeMenuHost());
        menu_->Init();
        if (params) menu_->SetResult(*params);
        StartMenuMusic();
    } else {
        return 0;
    }
    mode_ = mode;
    return 1;
}

void Game::Frame()
{
    if (mode_ == kMenu && menu_) {
        if (!menu_->Frame(params_)) SetMode(kRun, &params_);
    } else if (mode_ == kRun && run_) {
        if (!run_->Frame(params_)) SetMode(kMenu, &params_);
    }
}
