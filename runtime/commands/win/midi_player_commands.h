// The MIDI output the MidiPlayer objects play through: the system's unless a test puts its own.
#pragma once

#include "midi_stream_device.h"

#include <memory>

using MidiDeviceMaker = std::unique_ptr<qbk::MidiStreamDevice> (*)();

// Answers the maker in use before.
MidiDeviceMaker SetMidiDeviceMaker(MidiDeviceMaker maker);
