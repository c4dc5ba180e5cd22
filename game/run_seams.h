// What a level run needs of the game around it: the device's frame clock and drawing, the
// sounds, and the text drawing of its display. The game plugs its device, sounds and fonts in;
// tests and the headless driver plug in simulated ones.
#pragma once

#include "KString.h"

#include <cstdint>

// Windows headers make DrawText a macro for their own text call; the sink's method must keep one
// name in every file, whichever headers came first.
#undef DrawText

// The camera the car looks through: position and the three angles (pitch, yaw, roll).
struct RunCamera {
    double x = 0, y = 0, z = 0;
    double a1 = 0, a2 = 0, a3 = 0;
    double fieldOfView = 1.5;
};

class RunDevice {
public:
    virtual ~RunDevice() = default;
    // Ticks of 10 microseconds the last frame advanced (0 while paused), and what was clipped
    // off it beyond 0.1 s.
    virtual uint32_t Step() const = 0;
    virtual uint32_t Excess() const = 0;
    // Ticks since start of the last frame; while paused, of the pause.
    virtual uint32_t AnimationTime() const = 0;
    virtual uint32_t LastFrame() const = 0;
    virtual bool Pause() = 0;
    // Ticks spent paused, or -1 when not paused.
    virtual int64_t Resume() = 0;

    // Takes the next frame's time, clears and draws the scene through the camera; false when
    // nothing can be drawn this frame.
    virtual bool BeginFrame(const RunCamera& camera) = 0;
    virtual void EndFrame() = 0;
    virtual void GetViewport(int* width, int* height) const = 0;
};

class RunSounds {
public:
    virtual ~RunSounds() = default;
    // Restarts a sound from its beginning, or leaves it when onlyIfSilent and it plays.
    virtual void Play(int index, bool onlyIfSilent) = 0;
    virtual void Stop(int index) = 0;
    virtual void StopAll() = 0;
    virtual void StartRaceMusic() = 0;
};

// DrawText formats.
enum RunTextFormat : unsigned {
    kTextLeft = 0x100,
    kTextCentre = 0x101,
    kTextRight = 0x102,
    kTextMiddle = 0x105,  // centred both ways
    kTextWrapCentre = 0x111,  // centred, broken into lines at word ends to fit the rectangle
};

struct RunRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class RunTextSink {
public:
    virtual ~RunTextSink() = default;
    // Draws a text with its drop shadow in one of the game's six fonts.
    virtual void DrawText(int font, const KString& text, const RunRect& rect, unsigned format, uint32_t colour) = 0;
    // The same without the shadow.
    virtual void DrawPlainText(int font, const KString& text, const RunRect& rect, unsigned format, uint32_t colour)
    {
        DrawText(font, text, rect, format, colour);
    }
    // Height in pixels of a font at the present viewport.
    virtual int FontHeight(int font) const = 0;
};

// The game's text colours (ARGB): plain text, headline or unselected item, selected item or
// success, warning or failure.
constexpr uint32_t kTextPalette[4] = {0xFFE1E1FFu, 0xFFFFEBC3u, 0xFFC3FFC3u, 0xFFFF5050u};

// Sounds of the run, by index in the game's sound list.
enum RunSound {
    kSoundObstacleBehind = 0,
    kSoundEngine = 1,
    kSoundCheckpoint = 2,
    kSoundLevelCompleted = 3,
    kSoundBackground = 4,
    kSoundLevelFailed = 5,
    kSoundReplayFinished = 6,
    kSoundCrash = 7,
    kSoundGem = 8,
    kSoundTimeWarning = 9,
    kSoundNarrowPassage = 10,
    kSoundBlockPushed = 11,
    kSoundScrape = 12,
    kSoundSideContact = 13,
    kSoundRunStarted = 14,
    kSoundTimeOut = 15,
    kSoundTurbo = 16,
};
