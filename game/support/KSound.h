// One game sound: a WAVE image held in memory and copied into a DirectSound secondary buffer,
// played from a start sample, once or looping, and watched by a 5 ms thread timer while it plays.
#pragma once

#include "KWaveData.h"

#include <windows.h>
#include <dsound.h>

#include <cstdint>

class KSound {
public:
    KSound();
    virtual ~KSound();

    // Reads a RIFF WAVE image from the stream's position. A sound loads (and holds its samples) also
    // when there is no sound device; it then has no buffer and plays nothing.
    bool LoadWave(KStream* stream, bool withSamples = true, uint32_t* sizeOut = nullptr);
    // Plays from sample start (end is not used); false without a buffer or when the device refuses.
    bool Play(uint32_t start = 0, uint32_t end = 0);
    void Stop();
    bool IsPlaying() const;
    void SetPosition(uint32_t sample);
    void Reset();

    bool IsLoaded() const { return loaded_; }
    bool HasBuffer() const { return buffer_ != nullptr; }
    void SetLooping(bool looping) { looping_ = looping; }
    bool IsLooping() const { return looping_; }
    uint32_t Start() const { return start_; }

    // Sounds being watched by a timer (for tests and diagnostics).
    static int PlayingCount();

protected:
    // Each tick while the sound plays once (not looping).
    virtual void OnPlaying() {}
    // Once, on the first tick after the sound stopped playing.
    virtual void OnFinished() {}

private:
    bool CreateBuffer();
    bool FillBuffer();
    void Unwatch();
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timerId, DWORD);

    bool loaded_ = false;
    KWaveData wave_;
    IDirectSoundBuffer* buffer_ = nullptr;
    bool looping_ = false;
    uint32_t start_ = 0;
};
