// MIDI files played (type 24).
#include "command_table.h"

namespace {

constexpr CommandEntry kMidiPlayer[] = {
    {2, "MidiPlayer_Close"},  // after the shared commands 0 and 1
    {3, "MidiPlayer_GetTempo"},     {4, "MidiPlayer_GetVolume"},  {5, "MidiPlayer_IsPaused"},
    {6, "MidiPlayer_IsPlaying"},    {7, "MidiPlayer_OpenFile"},   {8, "MidiPlayer_OpenStream"},
    {9, "MidiPlayer_OpenEmbedded"}, {10, "MidiPlayer_Pause"},     {11, "MidiPlayer_Play"},
    {12, "MidiPlayer_Resume"},      {13, "MidiPlayer_Rewind"},    {14, "MidiPlayer_SetLoop"},
    {15, "MidiPlayer_SetTempo"},    {16, "MidiPlayer_SetVolume"}, {17, "MidiPlayer_Stop"},
};
static_assert(NumbersOwnCommands(kMidiPlayer, qbk::TypeMidiPlayer, 17));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMidiPlayer, kMidiPlayer)};

}  // namespace

extern const CommandFamily kMidiPlayerFamily("MidiPlayer", kLists);
