// The game's music, composed by rule: a chord progression played by pad, bass, arpeggio and drums.
#pragma once
#include <string>
#include <vector>

#include "synth.h"

namespace zvtools {

constexpr int kMusicRate = 44100;

struct Chord {
    int root;  // MIDI note number
    bool minor;
};

struct Song {
    std::string name;  // file name without extension
    double bpm;
    std::vector<Chord> progression;  // one chord per bar, repeated
    int bars;
    bool driving;  // race music: four-on-the-floor and a busier arpeggio
};

// The menu music first, then the race tracks.
const std::vector<Song>& GameSongs();
Signal RenderSong(const Song& song);

}  // namespace zvtools
