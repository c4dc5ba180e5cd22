// MIDI files played (type 24).
#include "midi_player_commands.h"

#include "command_context.h"
#include "command_table.h"
#include "midi_player.h"
#include "midi_stream_winmm.h"
#include "sound_sources.h"

namespace {

MidiDeviceMaker g_makeDevice = &qbk::MakeSystemMidiDevice;

class MidiPlayerPart : public ObjectPart {
public:
    std::unique_ptr<qbk::CMidiPlayer> Player;
};

qbk::CMidiPlayer* Player(const CommandContext& ctx)
{
    const MidiPlayerPart* part = ctx.FindPart<MidiPlayerPart>();
    return part ? part->Player.get() : nullptr;
}

bool DeletePlayer(CommandContext& ctx)
{
    MidiPlayerPart* part = ctx.FindPart<MidiPlayerPart>();
    if (!part || !part->Player) return false;
    part->Player.reset();
    return true;
}

// The old player goes; a song that was read goes to a new player, which keeps it even when it
// does not parse (the commands then act on an empty player).
template <class Read>
void LoadSong(CommandContext& ctx, Read read)
{
    DeletePlayer(ctx);
    ctx.SetTruth(false);
    std::vector<uint8_t> song;
    if (!read(&song)) return;
    auto& player = ctx.EnsurePart<MidiPlayerPart>().Player;
    player = std::make_unique<qbk::CMidiPlayer>(g_makeDevice());
    ctx.SetTruth(player->LoadFromMemory(std::move(song)));
}

template <class Act>
void WithPlayer(CommandContext& ctx, Act act)
{
    if (qbk::CMidiPlayer* player = Player(ctx)) act(*player);
}

void MidiPlayer_Close(CommandContext& ctx) { ctx.SetTruth(DeletePlayer(ctx)); }

void MidiPlayer_GetTempo(CommandContext& ctx)
{
    const qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetInt(player ? player->GetPercent() : -1);
}

void MidiPlayer_GetVolume(CommandContext& ctx)
{
    const qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetInt(player ? player->GetVolume() : -1);
}

void MidiPlayer_IsPaused(CommandContext& ctx)
{
    const qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->IsPaused());
}

void MidiPlayer_IsPlaying(CommandContext& ctx)
{
    const qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->IsPlaying());
}

void MidiPlayer_OpenFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    LoadSong(ctx, [&](std::vector<uint8_t>* song) { return ReadDiskFile(path, song); });
}

void MidiPlayer_OpenStream(CommandContext& ctx)
{
    const int id = ctx.Int();
    LoadSong(ctx, [&](std::vector<uint8_t>* song) { return ReadDataStream(ctx, id, song); });
}

void MidiPlayer_OpenEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    LoadSong(ctx, [&](std::vector<uint8_t>* song) { return ReadEmbedded(ctx, name, song); });
}

void MidiPlayer_Pause(CommandContext& ctx)
{
    qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->Pause());
}

void MidiPlayer_Play(CommandContext& ctx)
{
    qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->Play(player->GetLoop()) && player->IsPlaying());
}

void MidiPlayer_Resume(CommandContext& ctx)
{
    qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->Resume());
}

void MidiPlayer_Rewind(CommandContext& ctx)
{
    qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->Rewind());
}

void MidiPlayer_SetLoop(CommandContext& ctx)
{
    const int flag = ctx.Int();
    WithPlayer(ctx, [flag](qbk::CMidiPlayer& p) { p.SetLoop(flag < 0 ? !p.GetLoop() : flag != 0); });
}

void MidiPlayer_SetTempo(CommandContext& ctx)
{
    const int percent = ctx.Int();
    if (percent < 0) return;  // no speed runs backwards
    WithPlayer(ctx, [percent](qbk::CMidiPlayer& p) { p.SetPercent(percent); });
}

void MidiPlayer_SetVolume(CommandContext& ctx)
{
    const int percent = ctx.Int();
    WithPlayer(ctx, [percent](qbk::CMidiPlayer& p) { p.SetVolume(percent); });
}

void MidiPlayer_Stop(CommandContext& ctx)
{
    qbk::CMidiPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->Stop(true));
}

constexpr CommandEntry kMidiPlayer[] = {
    {2, "MidiPlayer_Close", MidiPlayer_Close},  // after the shared commands 0 and 1
    {3, "MidiPlayer_GetTempo", MidiPlayer_GetTempo},
    {4, "MidiPlayer_GetVolume", MidiPlayer_GetVolume},
    {5, "MidiPlayer_IsPaused", MidiPlayer_IsPaused},
    {6, "MidiPlayer_IsPlaying", MidiPlayer_IsPlaying},
    {7, "MidiPlayer_OpenFile", MidiPlayer_OpenFile},
    {8, "MidiPlayer_OpenStream", MidiPlayer_OpenStream},
    {9, "MidiPlayer_OpenEmbedded", MidiPlayer_OpenEmbedded},
    {10, "MidiPlayer_Pause", MidiPlayer_Pause},
    {11, "MidiPlayer_Play", MidiPlayer_Play},
    {12, "MidiPlayer_Resume", MidiPlayer_Resume},
    {13, "MidiPlayer_Rewind", MidiPlayer_Rewind},
    {14, "MidiPlayer_SetLoop", MidiPlayer_SetLoop},
    {15, "MidiPlayer_SetTempo", MidiPlayer_SetTempo},
    {16, "MidiPlayer_SetVolume", MidiPlayer_SetVolume},
    {17, "MidiPlayer_Stop", MidiPlayer_Stop},
};
static_assert(NumbersOwnCommands(kMidiPlayer, qbk::TypeMidiPlayer, 17));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMidiPlayer, kMidiPlayer)};

}  // namespace

MidiDeviceMaker SetMidiDeviceMaker(MidiDeviceMaker maker)
{
    MidiDeviceMaker before = g_makeDevice;
    g_makeDevice = maker;
    return before;
}

extern const CommandFamily kMidiPlayerFamily("MidiPlayer", kLists);
