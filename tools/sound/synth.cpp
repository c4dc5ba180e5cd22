#include "synth.h"

#include <algorithm>
#include <cmath>

namespace zvtools {

constexpr double kTwoPi = 6.283185307179586;

float Oscillator(Wave wave, double phase)
{
    const double p = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine: return static_cast<float>(std::sin(kTwoPi * p));
    case Wave::Square: return p < 0.5 ? 1.0f : -1.0f;
    case Wave::Saw: return static_cast<float>(2 * p - 1);
    case Wave::Triangle: return static_cast<float>(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
    }
    return 0;
}

float Noise::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ & 0xFFFFFF) / 8388607.5f - 1.0f;
}

void Signal::AddTone(double start, double length, double f0, double f1, Wave wave, float gain,
                     const std::function<float(double)>& envelope)
{
    const auto first = static_cast<std::size_t>(std::max(0.0, start) * rate_);
    const auto count = static_cast<std::size_t>(length * rate_);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / count;
        samples_[first + i] += gain * envelope(t) * Oscillator(wave, phase);
        phase += (f0 + (f1 - f0) * t) / rate_;
    }
}

// One-pole low-pass coefficient for a cutoff in Hz.
static float LowPassCoefficient(double cutoff, int rate)
{
    return static_cast<float>(1 - std::exp(-kTwoPi * std::max(1.0, cutoff) / rate));
}

void Signal::AddNoise(double start, double length, float gain, const std::function<double(double)>& cutoff,
                      const std::function<float(double)>& envelope, std::uint32_t seed)
{
    Noise noise(seed);
    const auto first = static_cast<std::size_t>(std::max(0.0, start) * rate_);
    const auto count = static_cast<std::size_t>(length * rate_);
    float low = 0, low2 = 0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / count;
        const float k = LowPassCoefficient(cutoff(t), rate_);
        low += k * (noise.Next() - low);
        low2 += k * (low - low2);
        samples_[first + i] += gain * envelope(t) * low2 * 2.5f;
    }
}

void Signal::AddLoopedNoise(float gain, double cutoff, std::uint32_t seed)
{
    Noise noise(seed);
    std::vector<float> white(samples_.size());
    for (float& w : white) w = noise.Next();
    const float k = LowPassCoefficient(cutoff, rate_);
    float low = 0, low2 = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < white.size(); ++i) {
            low += k * (white[i] - low);
            low2 += k * (low - low2);
            if (pass == 1) samples_[i] += gain * low2 * 2.5f;
        }
}

void Signal::Normalize(float peak)
{
    float top = 0;
    for (float s : samples_) top = std::max(top, std::fabs(s));
    if (top > 0)
        for (float& s : samples_) s *= peak / top;
}

void Signal::FadeEnds(double seconds)
{
    const auto n = std::min(samples_.size() / 2, static_cast<std::size_t>(seconds * rate_));
    for (std::size_t i = 0; i < n; ++i) {
        const float k = static_cast<float>(i) / n;
        samples_[i] *= k;
        samples_[samples_.size() - 1 - i] *= k;
    }
}

std::vector<std::int16_t> Signal::ToPcm16() const
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples_.size());
    for (float s : samples_) pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767)));
    return pcm;
}

float Percussive(double t, double attack)
{
    if (t < attack) return static_cast<float>(t / attack);
    return static_cast<float>(std::exp(-(t - attack) * 6));
}

float Sustained(double t, double attack, double release)
{
    if (t < attack) return static_cast<float>(t / attack);
    if (t > 1 - release) return static_cast<float>(std::max(0.0, (1 - t) / release));
    return 1.0f;
}

}  // namespace zvtools
