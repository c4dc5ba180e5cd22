#include "effects.h"

#include <cmath>

namespace zvtools {
namespace {

const EffectInfo kEffects[kEffectCount] = {
    {"reverse-bump", false}, {"engine", true},        {"checkpoint", false},    {"level-complete", false},
    {"tunnel", true},        {"missed-gems", false},  {"replay-finish", false}, {"crash", false},
    {"gem", false},          {"time-warning", false}, {"narrow", true},         {"block-push", false},
    {"scrape", false},       {"side-hit", false},     {"start", false},         {"time-out", false},
    {"turbo", false},
};

auto Decay(double rate)
{
    return [rate](double t) { return static_cast<float>(std::exp(-t * rate)); };
}

// A bell: a sine with two inharmonic partials.
void Bell(Signal& s, double at, double length, double f, float gain)
{
    s.AddTone(at, length, f, f, Wave::Sine, gain, [](double t) { return Percussive(t, 0.005); });
    s.AddTone(at, length * 0.6, f * 2.76, f * 2.76, Wave::Sine, gain * 0.3f,
              [](double t) { return Percussive(t, 0.005); });
    s.AddTone(at, length * 0.4, f * 5.4, f * 5.4, Wave::Sine, gain * 0.12f,
              [](double t) { return Percussive(t, 0.005); });
}

Signal Make(int index)
{
    const int r = kEffectRate;
    switch (index) {
    case 0: {  // something behind the car while it rolls back
        Signal s(r, 0.3);
        s.AddTone(0, 0.12, 240, 200, Wave::Square, 0.3f, [](double t) { return Sustained(t, 0.05, 0.3); });
        s.AddTone(0.15, 0.12, 200, 170, Wave::Square, 0.3f, [](double t) { return Sustained(t, 0.05, 0.3); });
        return s;
    }
    case 1: {  // engine hum, one second of whole cycles
        Signal s(r, 1.0);
        const float gains[] = {0.5f, 0.35f, 0.25f, 0.15f, 0.1f};
        for (int h = 0; h < 5; ++h)
            s.AddTone(0, 1.0, 70.0 * (h + 1), 70.0 * (h + 1), h == 0 ? Wave::Triangle : Wave::Sine, gains[h], Flat);
        s.AddTone(0, 1.0, 7, 7, Wave::Sine, 0.1f, Flat);  // a slow throb
        s.AddLoopedNoise(0.25f, 400, 11);
        return s;
    }
    case 2: {  // checkpoint chime
        Signal s(r, 0.7);
        Bell(s, 0, 0.5, 880, 0.5f);
        Bell(s, 0.08, 0.5, 1108.7, 0.45f);
        Bell(s, 0.16, 0.54, 1318.5, 0.45f);
        return s;
    }
    case 3: {  // level completed: a short fanfare
        Signal s(r, 1.8);
        const double notes[] = {523.25, 659.26, 783.99, 1046.5};
        for (int i = 0; i < 4; ++i) {
            const double len = i == 3 ? 1.0 : 0.18;
            s.AddTone(i * 0.18, len, notes[i], notes[i], Wave::Square, 0.25f,
                      [](double t) { return Sustained(t, 0.02, 0.4); });
            s.AddTone(i * 0.18, len, notes[i] * 2, notes[i] * 2, Wave::Sine, 0.2f,
                      [](double t) { return Sustained(t, 0.02, 0.4); });
        }
        return s;
    }
    case 4: {  // background of the run: a low drone and wind, four seconds of whole cycles
        Signal s(r, 4.0);
        s.AddTone(0, 4.0, 55, 55, Wave::Triangle, 0.3f, Flat);
        s.AddTone(0, 4.0, 82.5, 82.5, Wave::Sine, 0.2f, Flat);
        s.AddTone(0, 4.0, 110.25, 110.25, Wave::Sine, 0.1f, Flat);
        s.AddLoopedNoise(0.5f, 700, 13);
        return s;
    }
    case 5: {  // finished without every gem: falling notes
        Signal s(r, 1.2);
        const double notes[] = {440, 349.23, 261.63};
        for (int i = 0; i < 3; ++i)
            s.AddTone(i * 0.25, i == 2 ? 0.7 : 0.25, notes[i], notes[i], Wave::Triangle, 0.6f,
                      [](double t) { return Sustained(t, 0.03, 0.4); });
        return s;
    }
    case 6: {  // finish of a replayed level
        Signal s(r, 0.9);
        Bell(s, 0, 0.5, 660, 0.5f);
        Bell(s, 0.2, 0.7, 880, 0.5f);
        return s;
    }
    case 7: {  // frontal crash
        Signal s(r, 0.8);
        s.AddNoise(
            0, 0.8, 0.9f, [](double t) { return 5000 * std::exp(-t * 4) + 200; }, Decay(5), 21);
        s.AddTone(0, 0.5, 90, 35, Wave::Sine, 0.9f, [](double t) { return Percussive(t, 0.01); });
        return s;
    }
    case 8: {  // gem collected
        Signal s(r, 0.35);
        s.AddTone(0, 0.12, 1568, 1568, Wave::Sine, 0.45f, [](double t) { return Percussive(t, 0.02); });
        s.AddTone(0.07, 0.28, 2093, 2093, Wave::Sine, 0.45f, [](double t) { return Percussive(t, 0.02); });
        s.AddTone(0.07, 0.28, 4186, 4186, Wave::Sine, 0.12f, [](double t) { return Percussive(t, 0.02); });
        return s;
    }
    case 9: {  // time warning: one beep per half second while it plays again and again
        Signal s(r, 0.5);
        s.AddTone(0, 0.12, 1000, 1000, Wave::Square, 0.3f, [](double t) { return Sustained(t, 0.05, 0.2); });
        return s;
    }
    case 10: {  // narrow passage: rushing air, two seconds, swelling once a second
        Signal s(r, 2.0);
        s.AddLoopedNoise(0.8f, 2500, 17);
        for (std::size_t i = 0; i < s.Size(); ++i)
            s[i] *= static_cast<float>(0.75 + 0.25 * std::sin(6.283185307179586 * i / r));
        s.AddTone(0, 2.0, 300, 300, Wave::Sine, 0.05f, Flat);
        return s;
    }
    case 11: {  // block pushed: a heavy grind
        Signal s(r, 0.9);
        s.AddTone(0, 0.9, 95, 70, Wave::Saw, 0.4f, [](double t) { return Sustained(t, 0.02, 0.5); });
        s.AddNoise(
            0, 0.9, 0.6f, [](double) { return 1200; }, [](double t) { return Sustained(t, 0.02, 0.5); }, 23);
        return s;
    }
    case 12: {  // scraping along a side wall
        Signal s(r, 0.35);
        s.AddNoise(
            0, 0.35, 0.7f, [](double) { return 6000; }, [](double t) { return Sustained(t, 0.1, 0.3); }, 29);
        s.AddTone(0, 0.35, 160, 150, Wave::Saw, 0.15f, [](double t) { return Sustained(t, 0.1, 0.3); });
        return s;
    }
    case 13: {  // first touch of a side wall
        Signal s(r, 0.12);
        s.AddTone(0, 0.12, 200, 120, Wave::Sine, 0.8f, [](double t) { return Percussive(t, 0.01); });
        s.AddNoise(
            0, 0.04, 0.4f, [](double) { return 4000; }, [](double t) { return Percussive(t, 0.01); }, 31);
        return s;
    }
    case 14: {  // the run starts
        Signal s(r, 0.45);
        s.AddTone(0, 0.4, 1318.5, 1318.5, Wave::Square, 0.25f, [](double t) { return Sustained(t, 0.02, 0.3); });
        s.AddTone(0, 0.4, 659.26, 659.26, Wave::Sine, 0.3f, [](double t) { return Sustained(t, 0.02, 0.3); });
        return s;
    }
    case 15: {  // time out: a buzzer
        Signal s(r, 1.1);
        s.AddTone(0, 1.0, 140, 130, Wave::Square, 0.35f, [](double t) { return Sustained(t, 0.02, 0.3); });
        s.AddTone(0, 1.0, 147, 137, Wave::Square, 0.25f, [](double t) { return Sustained(t, 0.02, 0.3); });
        return s;
    }
    case 16: {  // turbo: a rising rush
        Signal s(r, 0.9);
        s.AddTone(0, 0.9, 180, 1100, Wave::Saw, 0.3f, [](double t) { return Sustained(t, 0.05, 0.35); });
        s.AddNoise(
            0, 0.9, 0.5f, [](double t) { return 800 + 6000 * t; }, [](double t) { return Sustained(t, 0.05, 0.35); },
            37);
        return s;
    }
    }
    return Signal(r, 0.1);
}

}  // namespace

const EffectInfo& EffectAt(int index) { return kEffects[index]; }

Signal MakeEffect(int index)
{
    Signal s = Make(index);
    if (!kEffects[index].looping) s.FadeEnds(0.004);
    s.Normalize(index == 4 || index == 10 ? 0.5f : 0.8f);
    return s;
}

}  // namespace zvtools
