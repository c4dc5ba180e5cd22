// The MIDI stream device over the system's stream interface (WINMM). Buffer returns and event
// reports come on the system's MIDI thread; the song-end notice goes to the creating thread
// through a hidden window, so the player's stop and reopen never run inside the callback.
#pragma once

#include "midi_stream_device.h"

#include <memory>

namespace qbk {

// A device on the system's MIDI output; to be created on the thread that owns the player and
// runs its message loop.
std::unique_ptr<MidiStreamDevice> MakeSystemMidiDevice();

}  // namespace qbk
