// CD audio (type 13) and WAVE sounds (type 37).
#include "cd_audio.h"
#include "command_context.h"
#include "command_table.h"
#include "control_message.h"
#include "sound_sources.h"
#include "wave_sound.h"

#include <memory>

namespace {

// ---- CdAudio: scripts count in hundredths of a second, the device in milliseconds.

constexpr DWORD kMsPerScriptUnit = 10;

class CdAudioPart : public ObjectPart {
public:
    std::unique_ptr<CCdAudio> Device;
};

CCdAudio* Cd(const CommandContext& ctx)
{
    const CdAudioPart* part = ctx.FindPart<CdAudioPart>();
    return part ? part->Device.get() : nullptr;
}

// The device's answer, or 0 without a device.
template <class Ask>
void CdNumber(CommandContext& ctx, Ask ask)
{
    CCdAudio* cd = Cd(ctx);
    ctx.SetInt(cd ? int(ask(*cd)) : 0);
}

template <class Act>
void WithCd(CommandContext& ctx, Act act)
{
    if (CCdAudio* cd = Cd(ctx)) act(*cd);
}

void CdAudio_SetDoor(CommandContext& ctx)
{
    const int open = ctx.Int();
    WithCd(ctx, [open](CCdAudio& cd) { cd.SetDoor(open != 0); });
}

void CdAudio_GetPosition(CommandContext& ctx)
{
    CdNumber(ctx, [](CCdAudio& cd) { return cd.GetPosition() / kMsPerScriptUnit; });
}

void CdAudio_GetCurrentTrack(CommandContext& ctx)
{
    CdNumber(ctx, [](CCdAudio& cd) { return cd.GetCurrentTrack(); });
}

void CdAudio_GetTrackTime(CommandContext& ctx)
{
    CdNumber(ctx, [](CCdAudio& cd) -> DWORD {
        const DWORD track = cd.GetCurrentTrack();
        if (track < 1) return 0;
        const DWORD position = cd.GetPosition(), start = cd.GetTrackPosition(track);
        return position > start ? (position - start) / kMsPerScriptUnit : 0;
    });
}

void CdAudio_GetLength(CommandContext& ctx)
{
    CdNumber(ctx, [](CCdAudio& cd) { return cd.GetLength() / kMsPerScriptUnit; });
}

void CdAudio_GetTrackCount(CommandContext& ctx)
{
    CdNumber(ctx, [](CCdAudio& cd) { return cd.GetTrackCount(); });
}

void CdAudio_GetTrackLength(CommandContext& ctx)
{
    const int track = ctx.Int();
    CdNumber(ctx, [track](CCdAudio& cd) { return cd.GetTrackLength(DWORD(track)) / kMsPerScriptUnit; });
}

void CdAudio_GetTrackStart(CommandContext& ctx)
{
    const int track = ctx.Int();
    CdNumber(ctx, [track](CCdAudio& cd) { return cd.GetTrackPosition(DWORD(track)) / kMsPerScriptUnit; });
}

void CdAudio_Open(CommandContext& ctx)
{
    CdAudioPart& part = ctx.EnsurePart<CdAudioPart>();
    if (part.Device) return;
    auto cd = std::make_unique<CCdAudio>();
    cd->SetReportErrors(true, ScriptWindowHandle(ctx));
    // A drive that does not open leaves no device behind: the next open tries again.
    if (cd->Open(false) != 0) return;
    cd->SetTimeFormat(MCI_FORMAT_MILLISECONDS);
    part.Device = std::move(cd);
}

void CdAudio_Pause(CommandContext& ctx)
{
    WithCd(ctx, [](CCdAudio& cd) { cd.Pause(); });
}

void CdAudio_PlayTrack(CommandContext& ctx)
{
    const int track = ctx.Int();
    WithCd(ctx, [track](CCdAudio& cd) { cd.PlayTrack(DWORD(track), true); });
}

void CdAudio_Play(CommandContext& ctx)
{
    const int from = ctx.Int(), to = ctx.Int();
    WithCd(ctx, [from, to](CCdAudio& cd) {
        const DWORD end = to != 0 ? DWORD(to) * kMsPerScriptUnit : cd.GetLength();
        cd.PlayRange(DWORD(from) * kMsPerScriptUnit, end, true);
    });
}

void CdAudio_Resume(CommandContext& ctx)
{
    WithCd(ctx, [](CCdAudio& cd) { cd.Resume(); });
}

void CdAudio_Stop(CommandContext& ctx)
{
    WithCd(ctx, [](CCdAudio& cd) { cd.Stop(); });
}

// ---- WaveSound

class WaveSoundPart : public ObjectPart {
public:
    std::unique_ptr<CWaveSound> Sound;
    bool Loop = false;
};

// A source that was read replaces the sound (looping off); one that was not leaves it.
template <class Read>
void LoadSound(CommandContext& ctx, Read read)
{
    std::vector<uint8_t> image;
    if (!read(&image)) return;
    WaveSoundPart& part = ctx.EnsurePart<WaveSoundPart>();
    part.Loop = false;
    part.Sound.reset();
    part.Sound = std::make_unique<CWaveSound>();
    part.Sound->LoadImage(std::move(image), ScriptWindowHandle(ctx));
}

template <class Act>
void WithSound(CommandContext& ctx, Act act)
{
    WaveSoundPart* part = ctx.FindPart<WaveSoundPart>();
    if (part && part->Sound) act(*part);
}

void WaveSound_Close(CommandContext& ctx)
{
    if (WaveSoundPart* part = ctx.FindPart<WaveSoundPart>()) {
        part->Loop = false;
        part->Sound.reset();
    }
}

void WaveSound_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    LoadSound(ctx, [&](std::vector<uint8_t>* image) { return ReadDiskFile(path, image); });
}

void WaveSound_LoadStream(CommandContext& ctx)
{
    const int id = ctx.Int();
    LoadSound(ctx, [&](std::vector<uint8_t>* image) { return ReadDataStream(ctx, id, image); });
}

void WaveSound_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    LoadSound(ctx, [&](std::vector<uint8_t>* image) { return ReadEmbedded(ctx, name, image); });
}

void WaveSound_SetLoop(CommandContext& ctx)
{
    const int flag = ctx.Int();
    WithSound(ctx, [flag](WaveSoundPart& part) { part.Loop = flag < 0 ? !part.Loop : flag != 0; });
}

void WaveSound_Play(CommandContext& ctx)
{
    WithSound(ctx, [](WaveSoundPart& part) { part.Sound->Play(0, part.Loop); });
}

void WaveSound_Stop(CommandContext& ctx)
{
    WithSound(ctx, [](WaveSoundPart& part) { part.Sound->Stop(); });
}

constexpr CommandEntry kCdAudio[] = {
    {2, "CdAudio_SetDoor", CdAudio_SetDoor},  // after the shared commands 0 and 1
    {3, "CdAudio_GetPosition", CdAudio_GetPosition},
    {4, "CdAudio_GetCurrentTrack", CdAudio_GetCurrentTrack},
    {5, "CdAudio_GetTrackTime", CdAudio_GetTrackTime},
    {6, "CdAudio_GetLength", CdAudio_GetLength},
    {7, "CdAudio_GetTrackCount", CdAudio_GetTrackCount},
    {8, "CdAudio_GetTrackLength", CdAudio_GetTrackLength},
    {9, "CdAudio_GetTrackStart", CdAudio_GetTrackStart},
    {10, "CdAudio_Open", CdAudio_Open},
    {11, "CdAudio_Pause", CdAudio_Pause},
    {12, "CdAudio_PlayTrack", CdAudio_PlayTrack},
    {13, "CdAudio_Play", CdAudio_Play},
    {14, "CdAudio_Resume", CdAudio_Resume},
    {15, "CdAudio_Stop", CdAudio_Stop},
};
static_assert(NumbersOwnCommands(kCdAudio, qbk::TypeCdAudio, 15));

constexpr CommandEntry kWaveSound[] = {
    {2, "WaveSound_Close", WaveSound_Close},  // after the shared commands 0 and 1
    {3, "WaveSound_LoadFile", WaveSound_LoadFile},
    {4, "WaveSound_LoadStream", WaveSound_LoadStream},
    {5, "WaveSound_LoadEmbedded", WaveSound_LoadEmbedded},
    {6, "WaveSound_SetLoop", WaveSound_SetLoop},
    {7, "WaveSound_Play", WaveSound_Play},
    {8, "WaveSound_Stop", WaveSound_Stop},
};
static_assert(NumbersOwnCommands(kWaveSound, qbk::TypeWaveSound, 8));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeCdAudio, kCdAudio), OwnCommands(qbk::TypeWaveSound, kWaveSound)};

}  // namespace

extern const CommandFamily kCdAudioWaveSoundFamily("CdAudio and WaveSound", kLists);
