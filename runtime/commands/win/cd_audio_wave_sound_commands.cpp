// CD audio (type 13) and WAVE sounds (type 37).
#include "command_table.h"

namespace {

constexpr CommandEntry kCdAudio[] = {
    {2, "CdAudio_SetDoor"},  // after the shared commands 0 and 1
    {3, "CdAudio_GetPosition"},   {4, "CdAudio_GetCurrentTrack"}, {5, "CdAudio_GetTrackTime"},
    {6, "CdAudio_GetLength"},     {7, "CdAudio_GetTrackCount"},   {8, "CdAudio_GetTrackLength"},
    {9, "CdAudio_GetTrackStart"}, {10, "CdAudio_Open"},           {11, "CdAudio_Pause"},
    {12, "CdAudio_PlayTrack"},    {13, "CdAudio_Play"},           {14, "CdAudio_Resume"},
    {15, "CdAudio_Stop"},
};
static_assert(NumbersOwnCommands(kCdAudio, qbk::TypeCdAudio, 15));

constexpr CommandEntry kWaveSound[] = {
    {2, "WaveSound_Close"},  // after the shared commands 0 and 1
    {3, "WaveSound_LoadFile"}, {4, "WaveSound_LoadStream"}, {5, "WaveSound_LoadEmbedded"},
    {6, "WaveSound_SetLoop"},  {7, "WaveSound_Play"},       {8, "WaveSound_Stop"},
};
static_assert(NumbersOwnCommands(kWaveSound, qbk::TypeWaveSound, 8));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeCdAudio, kCdAudio), OwnCommands(qbk::TypeWaveSound, kWaveSound)};

}  // namespace

extern const CommandFamily kCdAudioWaveSoundFamily("CdAudio and WaveSound", kLists);
