#include "KSoundDevice.h"

namespace {

IDirectSound* g_device = nullptr;

HRESULT CreateDefaultDevice(IDirectSound** out) { return DirectSoundCreate(nullptr, out, nullptr); }

void SleepFor(DWORD ms) { Sleep(ms); }

}  // namespace

IDirectSound* KSoundDevice::Get() { return g_device; }

void KSoundDevice::Create(HWND window, DWORD cooperativeLevel)
{
    Create(window, cooperativeLevel, CreateDefaultDevice, SleepFor);
}

void KSoundDevice::Create(HWND window, DWORD cooperativeLevel, CreateFunction create, SleepFunction sleep)
{
    Release();
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        IDirectSound* device = nullptr;
        HRESULT hr = create(&device);
        if (SUCCEEDED(hr) && device) {
            g_device = device;
            break;
        }
        if (device) device->Release();
        // Only a busy device or a missing driver may come back; anything else will not.
        if (hr != DSERR_ALLOCATED && hr != DSERR_NODRIVER) break;
        if (attempt < kTries) sleep(kRetryDelayMs);
    }
    if (g_device) g_device->SetCooperativeLevel(window, cooperativeLevel);
}

void KSoundDevice::Release()
{
    if (g_device) {
        g_device->Release();
        g_device = nullptr;
    }
}
