#include "music.h"

#include <cmath>

namespace zvtools {
namespace {

double NoteHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }

void Kick(Signal& s, double at)
{
    s.AddTone(at, 0.25, 130, 40, Wave::Sine, 0.9f, [](double t) { return Percussive(t, 0.005); });
}
void Snare(Signal& s, double at, std::uint32_t seed)
{
    s.AddNoise(
        at, 0.18, 0.5f, [](double) { return 5000; }, [](double t) { return Percussive(t, 0.005); }, seed);
    s.AddTone(at, 0.1, 200, 160, Wave::Triangle, 0.3f, [](double t) { return Percussive(t, 0.005); });
}
void Hat(Signal& s, double at, float gain, std::uint32_t seed)
{
    // Noise minus its low-passed self would be a high-pass; a bright low-pass with a very short
    // envelope sounds close enough and stays cheap.
    s.AddNoise(
        at, 0.05, gain, [](double) { return 12000; }, [](double t) { return Percussive(t, 0.01); }, seed);
}

// Arpeggio steps over the chord's tones (0 root, 1 third, 2 fifth, 3 octave), varied per bar.
int ArpeggioTone(int bar, int step)
{
    static const int patterns[4][8] = {
        {0, 1, 2, 3, 2, 1, 0, 1}, {0, 2, 3, 2, 1, 2, 3, 1}, {3, 2, 1, 0, 1, 2, 3, 2}, {0, 1, 0, 2, 0, 3, 2, 1}};
    return patterns[(bar / 2) % 4][step % 8];
}

}  // namespace

const std::vector<Song>& GameSongs()
{
    static const std::vector<Song> songs = {
        {"menu", 96, {{57, true}, {53, false}, {48, false}, {55, false}}, 16, false},
        {"race1", 140, {{52, true}, {48, false}, {55, false}, {50, false}}, 32, true},
        {"race2", 150, {{50, true}, {46, false}, {48, false}, {45, false}}, 32, true},
        {"race3", 132, {{54, true}, {50, false}, {57, false}, {52, false}}, 32, true},
    };
    return songs;
}

Signal RenderSong(const Song& song)
{
    const double beat = 60.0 / song.bpm, bar = beat * 4;
    Signal s(kMusicRate, song.bars * bar + 1.0);
    std::uint32_t seed = 1;
    for (int b = 0; b < song.bars; ++b) {
        const Chord& chord = song.progression[b % song.progression.size()];
        const int third = chord.minor ? 3 : 4;
        const int tones[4] = {0, third, 7, 12};
        const double t0 = b * bar;
        const bool intro = b < 2, outro = b >= song.bars - 1;
        // Pad: the triad held for the bar.
        for (int k = 0; k < 3; ++k) {
            const double f = NoteHz(chord.root + tones[k]);
            s.AddTone(t0, bar, f, f, Wave::Triangle, 0.07f, [](double t) { return Sustained(t, 0.15, 0.15); });
            s.AddTone(t0, bar, f * 1.003, f * 1.003, Wave::Sine, 0.05f,
                      [](double t) { return Sustained(t, 0.15, 0.15); });
        }
        // Bass: the root in eighths (driving) or on the beats.
        const int bassSteps = song.driving ? 8 : 4;
        for (int i = 0; i < bassSteps && !intro; ++i) {
            const double f = NoteHz(chord.root - 12 + (i % 4 == 3 && song.driving ? 7 : 0));
            s.AddTone(t0 + i * bar / bassSteps, bar / bassSteps * 0.9, f, f, Wave::Square, 0.12f,
                      [](double t) { return Percussive(t, 0.02); });
            s.AddTone(t0 + i * bar / bassSteps, bar / bassSteps * 0.9, f, f, Wave::Sine, 0.25f,
                      [](double t) { return Sustained(t, 0.02, 0.3); });
        }
        // Arpeggio: sixteenths (driving) or eighths, an octave up.
        const int arpSteps = song.driving ? 16 : 8;
        for (int i = 0; i < arpSteps && (song.driving || b >= 4); ++i) {
            const double f = NoteHz(chord.root + 12 + tones[ArpeggioTone(b, i)]);
            s.AddTone(t0 + i * bar / arpSteps, bar / arpSteps * 0.8, f, f, song.driving ? Wave::Square : Wave::Triangle,
                      song.driving ? 0.06f : 0.1f, [](double t) { return Percussive(t, 0.02); });
        }
        if (outro) continue;
        // Drums.
        for (int i = 0; i < 4; ++i) {
            const double at = t0 + i * beat;
            if (!intro && (song.driving || i % 2 == 0)) Kick(s, at);
            if (!intro && i % 2 == 1) Snare(s, at, ++seed);
            Hat(s, at + beat / 2, 0.25f, ++seed);
            if (song.driving) Hat(s, at, 0.12f, ++seed);
        }
    }
    s.FadeEnds(0.5);
    s.Normalize(0.85f);
    return s;
}

}  // namespace zvtools
