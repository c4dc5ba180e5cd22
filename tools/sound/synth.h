// A small synthesiser for the game's sound effects and music: a mono signal of float samples and
// the oscillators, noise, envelopes and filters they are made from. Everything is deterministic.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace zvtools {

enum class Wave { Sine, Square, Saw, Triangle };

// One sample of a periodic wave at phase (in cycles).
float Oscillator(Wave wave, double phase);

class Signal {
public:
    Signal(int rate, double seconds) : rate_(rate), samples_(static_cast<std::size_t>(seconds * rate + 0.5), 0.0f) {}

    int Rate() const { return rate_; }
    std::size_t Size() const { return samples_.size(); }
    float& operator[](std::size_t i) { return samples_[i]; }
    float operator[](std::size_t i) const { return samples_[i]; }
    double Seconds() const { return static_cast<double>(samples_.size()) / rate_; }

    // Adds a tone from `start` for `length` seconds whose frequency glides from f0 to f1, shaped
    // by envelope(t / length) and scaled by gain.
    void AddTone(double start, double length, double f0, double f1, Wave wave, float gain,
                 const std::function<float(double)>& envelope);
    // Adds noise from `start` for `length` seconds, low-passed at cutoff(t / length) Hz.
    void AddNoise(double start, double length, float gain, const std::function<double(double)>& cutoff,
                  const std::function<float(double)>& envelope, std::uint32_t seed);
    // Scales the loudest sample to `peak`.
    void Normalize(float peak);
    // For a looping sound: the low-pass filtered noise runs round the buffer twice so that its end
    // meets its start; tones must have whole cycles over the buffer's length.
    void AddLoopedNoise(float gain, double cutoff, std::uint32_t seed);
    // A short fade at both ends so that one-shot sounds start and end without a click.
    void FadeEnds(double seconds);
    // 16-bit signed samples, clipped.
    std::vector<std::int16_t> ToPcm16() const;

private:
    int rate_;
    std::vector<float> samples_;
};

// Envelopes over t in 0..1.
float Percussive(double t, double attack = 0.01);  // fast rise, exponential fall
float Sustained(double t, double attack = 0.05, double release = 0.2);  // rise, hold, fall
inline float Flat(double) { return 1.0f; }

// A reproducible pseudo-random stream.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    float Next();  // -1..1

private:
    std::uint32_t state_;
};

}  // namespace zvtools
