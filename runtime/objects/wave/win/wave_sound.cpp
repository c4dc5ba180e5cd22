#include "wave_sound.h"

#include <dsound.h>

#include <cstring>

namespace {

IDirectSound* g_device = nullptr;
int g_liveSounds = 0;

constexpr int kDeviceAttempts = 10;
constexpr DWORD kDeviceRetryMs = 500;

// The shared device, made on first use; retried while another program holds the sound card.
IDirectSound* SharedDevice(HWND window)
{
    if (g_device) return g_device;
    IDirectSound* device = nullptr;
    HRESULT result = E_FAIL;
    for (int attempt = 0; attempt < kDeviceAttempts; ++attempt) {
        if (attempt > 0) ::Sleep(kDeviceRetryMs);
        result = ::DirectSoundCreate(nullptr, &device, nullptr);
        if (result != DSERR_ALLOCATED && result != DSERR_NODRIVER) break;
    }
    if (FAILED(result) || !device) return nullptr;
    device->SetCooperativeLevel(window ? window : ::GetDesktopWindow(), DSSCL_NORMAL);
    g_device = device;
    return g_device;
}

}  // namespace

CWaveSound::CWaveSound() { ++g_liveSounds; }

CWaveSound::~CWaveSound()
{
    if (buffer_) buffer_->Release();
    if (--g_liveSounds == 0 && g_device) {
        g_device->Release();
        g_device = nullptr;
    }
}

int CWaveSound::LiveCount() { return g_liveSounds; }
bool CWaveSound::HasDevice() { return g_device != nullptr; }

bool CWaveSound::LoadImage(std::vector<uint8_t> image, HWND window)
{
    if (buffer_) {
        buffer_->Release();
        buffer_ = nullptr;
    }
    IDirectSound* device = SharedDevice(window);
    if (!device) return false;
    image_ = std::move(image);
    if (!qbk::ParseWaveImage(image_.data(), image_.size(), &wave_)) return false;
    // The format in its full layout: a short chunk's missing fields read as 0.
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_STATIC;
    desc.dwBufferBytes = DWORD(wave_.samplesSize);
    desc.lpwfxFormat = reinterpret_cast<WAVEFORMATEX*>(wave_.formatBlock.data());
    if (FAILED(device->CreateSoundBuffer(&desc, &buffer_, nullptr))) {
        buffer_ = nullptr;
        return false;
    }
    if (FillBuffer()) return true;
    buffer_->Release();
    buffer_ = nullptr;
    return false;
}

bool CWaveSound::FillBuffer()
{
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD size1 = 0, size2 = 0;
    HRESULT result = buffer_->Lock(0, 0, &part1, &size1, &part2, &size2, DSBLOCK_ENTIREBUFFER);
    if (result == DSERR_BUFFERLOST) {
        buffer_->Restore();
        result = buffer_->Lock(0, 0, &part1, &size1, &part2, &size2, DSBLOCK_ENTIREBUFFER);
    }
    if (FAILED(result)) return false;
    const size_t copy = size1 < wave_.samplesSize ? size1 : wave_.samplesSize;
    std::memcpy(part1, wave_.samples, copy);
    return SUCCEEDED(buffer_->Unlock(part1, size1, part2, size2));
}

bool CWaveSound::Play(int64_t start, bool loop)
{
    if (!g_device || !buffer_ || !enabled_ || wave_.samplesSize == 0) return false;
    buffer_->Stop();
    buffer_->SetCurrentPosition(DWORD(qbk::WaveStartPosition(start, wave_.samplesSize, wave_.format.blockAlign)));
    const DWORD flags = loop ? DSBPLAY_LOOPING : 0;
    HRESULT result = buffer_->Play(0, 0, flags);
    if (result == DSERR_BUFFERLOST && FillBuffer()) result = buffer_->Play(0, 0, flags);
    return SUCCEEDED(result);
}

void CWaveSound::Stop()
{
    if (g_device && buffer_) buffer_->Stop();
}

bool CWaveSound::IsPlaying() const
{
    DWORD status = 0;
    return buffer_ && SUCCEEDED(buffer_->GetStatus(&status)) && (status & DSBSTATUS_PLAYING);
}
