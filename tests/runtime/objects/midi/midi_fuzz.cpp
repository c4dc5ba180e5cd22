// Damaged MIDI files through the parser, the merge into stream buffers (with and without loop,
// at several tempo percentages) and a whole play-through of the player on a fake device.
#include "fake_midi_device.h"
#include "midi_player.h"
#include "midi_sequencer.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qbk;
    // A copy of exactly the input's size, so that any read past it is caught.
    std::vector<uint8_t> image(data, data + size);
    MidiSong song;
    if (!ParseMidiSong(image.data(), image.size(), &song)) return 0;

    const int percents[] = {100, 1, 37, 100000};
    for (int percent : percents) {
        for (bool loop : {false, true}) {
            MidiSequencer sequencer;
            sequencer.SetSong(song);
            sequencer.SetPercent(percent);
            MidiStreamBuffer buffer;
            for (int i = 0; i < (loop ? 64 : 100000); ++i) {
                const int result = sequencer.Fill(&buffer, loop);
                if (buffer.used > kMidiBufferBytes || buffer.used % kMidiEventBytes) __builtin_trap();
                if (result != kFillDone) break;
                if (i % 7 == 3) sequencer.QueueTempo();
            }
        }
    }

    auto state = std::make_shared<miditest::FakeMidiState>();
    auto device = std::make_unique<miditest::FakeMidiDevice>(state, miditest::BufferReturn::OnCallerThread);
    miditest::FakeMidiDevice* fake = device.get();
    {
        CMidiPlayer player(std::move(device));
        if (!player.LoadFromMemory(image)) __builtin_trap();  // parsed above, so it loads
        player.Play(size % 2 == 0);
        fake->PlayAll(2000);
        fake->DeliverPosts();
        player.Stop(true);
    }
    if (!state->Breaches().empty()) __builtin_trap();
    return 0;
}
