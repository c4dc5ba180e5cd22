#include "KSound.h"
#include "KSoundDevice.h"

#include "KArray.h"

#include <cstring>

namespace {

const UINT kTickMs = 5;
const DWORD kBufferFlags =
    DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS | DSBCAPS_GETCURRENTPOSITION2;

// Sounds being played and their timers; entry i of one belongs to entry i of the other.
// Touched only on the thread that runs the message loop.
KArray<KSound*> g_playing;
KArray<UINT_PTR> g_timers;

template <class T>
int IndexOf(const KArray<T>& array, T value)
{
    for (int i = 0; i < array.GetCount(); ++i)
        if (array[i] == value) return i;
    return -1;
}

}  // namespace

KSound::KSound() { Reset(); }

KSound::~KSound()
{
    Reset();
    if (g_playing.GetCount() == 0) {
        g_playing.FreeAll();
        g_timers.FreeAll();
    }
}

int KSound::PlayingCount() { return g_playing.GetCount(); }

void KSound::Unwatch()
{
    int i = IndexOf<KSound*>(g_playing, this);
    if (i < 0) return;
    KillTimer(nullptr, g_timers[i]);
    g_playing.RemoveAt(i);
    g_timers.RemoveAt(i);
}

void KSound::Reset()
{
    Stop();
    Unwatch();
    loaded_ = false;
    looping_ = false;
    start_ = 0;
    if (buffer_) {
        buffer_->Release();
        buffer_ = nullptr;
    }
    wave_.Clear();
}

bool KSound::LoadWave(KStream* stream, bool withSamples, uint32_t* sizeOut)
{
    if (!stream) return false;
    Reset();
    uint32_t size = 0;
    if (!wave_.Load(stream, withSamples, &size)) return false;
    loaded_ = true;
    CreateBuffer();
    if (sizeOut) *sizeOut = size;
    return true;
}

bool KSound::CreateBuffer()
{
    if (buffer_) {
        buffer_->Release();
        buffer_ = nullptr;
    }
    IDirectSound* device = KSoundDevice::Get();
    uint32_t bytes = wave_.SampleBytes();
    if (bytes == 0 || !device) return false;

    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = kBufferFlags;
    desc.dwBufferBytes = bytes;
    desc.lpwfxFormat = reinterpret_cast<WAVEFORMATEX*>(const_cast<uint8_t*>(wave_.Format()));
    if (FAILED(device->CreateSoundBuffer(&desc, &buffer_, nullptr))) {
        buffer_ = nullptr;
        return false;
    }
    // A buffer that cannot take its samples would only play noise or silence.
    if (!FillBuffer()) {
        buffer_->Release();
        buffer_ = nullptr;
        return false;
    }
    return true;
}

bool KSound::FillBuffer()
{
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD bytes1 = 0, bytes2 = 0;
    HRESULT hr = buffer_->Lock(0, 0, &part1, &bytes1, &part2, &bytes2, DSBLOCK_ENTIREBUFFER);
    if (hr == DSERR_BUFFERLOST) {
        buffer_->Restore();
        hr = buffer_->Lock(0, 0, &part1, &bytes1, &part2, &bytes2, DSBLOCK_ENTIREBUFFER);
    }
    if (FAILED(hr) || !part1) return false;

    // The buffer was made as large as the samples; copy no more than both hold.
    const unsigned char* samples = wave_.Samples().GetData();
    DWORD total = wave_.SampleBytes();
    DWORD first = bytes1 < total ? bytes1 : total;
    std::memcpy(part1, samples, first);
    if (part2 && bytes2 && first < total)
        std::memcpy(part2, samples + first, bytes2 < total - first ? bytes2 : total - first);
    buffer_->Unlock(part1, bytes1, part2, bytes2);
    return true;
}

bool KSound::Play(uint32_t start, uint32_t end)
{
    if (!buffer_) return false;
    Stop();
    SetPosition(start);
    start_ = start;

    DWORD flags = looping_ ? DSBPLAY_LOOPING : 0;
    HRESULT hr = buffer_->Play(0, 0, flags);
    if (hr == DSERR_BUFFERLOST) {
        if (!FillBuffer()) return false;
        SetPosition(start);
        hr = buffer_->Play(0, 0, flags);
    }
    if (FAILED(hr)) return false;

    UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, OnTimer);
    if (timer) {
        g_playing.InsertAt(this);
        g_timers.InsertAt(timer);
    }
    return true;
}

void KSound::Stop()
{
    if (!buffer_) return;
    buffer_->Stop();
    buffer_->SetCurrentPosition(0);
    Unwatch();
}

bool KSound::IsPlaying() const
{
    DWORD status = 0;
    if (!buffer_ || FAILED(buffer_->GetStatus(&status))) return false;
    return (status & DSBSTATUS_PLAYING) != 0;
}

void KSound::SetPosition(uint32_t sample)
{
    if (buffer_) buffer_->SetCurrentPosition(wave_.BlockAlign() * sample);
}

void CALLBACK KSound::OnTimer(HWND, UINT, UINT_PTR timerId, DWORD)
{
    int i = IndexOf(g_timers, timerId);
    if (i < 0) return;
    KSound* sound = g_playing[i];
    bool playing = sound->IsPlaying();
    if (playing && sound->looping_) return;
    if (playing) {
        sound->OnPlaying();
        return;
    }
    // Finished: stop watching first, so the hook is told once and may play the sound again.
    sound->Unwatch();
    sound->OnFinished();
}
