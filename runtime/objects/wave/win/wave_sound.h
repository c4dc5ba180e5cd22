// CWaveSound: one WAVE sound in a static DirectSound buffer, played once or looping from a byte
// position. Every sound shares one DirectSound device, made by the first load and released with
// the last sound.
#pragma once

#include "wave_format.h"

#include <windows.h>

#include <cstdint>
#include <vector>

struct IDirectSound;
struct IDirectSoundBuffer;

class CWaveSound {
public:
    CWaveSound();
    virtual ~CWaveSound();
    CWaveSound(const CWaveSound&) = delete;
    CWaveSound& operator=(const CWaveSound&) = delete;

    // Loads a whole WAVE image; the sound keeps it to fill a lost buffer again. Without a window
    // the device cooperates with the desktop. False for a file that is not a WAVE sound the
    // device can play, or without a sound device.
    bool LoadImage(std::vector<uint8_t> image, HWND window);
    // From a byte position (kept inside the samples, on a block boundary), once or looping.
    bool Play(int64_t start, bool loop);
    void Stop();
    bool IsLoaded() const { return buffer_ != nullptr; }
    bool IsPlaying() const;

    // The number of sounds alive and whether the shared device exists (for tests).
    static int LiveCount();
    static bool HasDevice();

private:
    bool FillBuffer();

    std::vector<uint8_t> image_;
    qbk::WaveImage wave_;
    IDirectSoundBuffer* buffer_ = nullptr;
    bool enabled_ = true;
};
