// What a sound hands to DirectSound and how it copes with lost buffers, through a stand-in
// device whose answers the test chooses.
#include <gtest/gtest.h>

#include "KSound.h"
#include "KSoundDevice.h"
#include "wave_image_builder.h"

#include <deque>
#include <vector>

using namespace wavetest;

namespace {

class FakeBuffer : public IDirectSoundBuffer {
public:
    std::vector<uint8_t> memory;
    std::deque<HRESULT> lockResults;  // answers of the next Lock calls (then S_OK)
    std::deque<HRESULT> playResults;  // answers of the next Play calls (then S_OK)
    int locks = 0, restores = 0, plays = 0, unlocks = 0;
    ULONG refs = 1;

    STDMETHOD(QueryInterface)(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
    STDMETHOD_(ULONG, Release)() override { return --refs; }
    STDMETHOD(GetCaps)(LPDSBCAPS) override { return E_NOTIMPL; }
    STDMETHOD(GetCurrentPosition)(LPDWORD, LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetFormat)(LPWAVEFORMATEX, DWORD, LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetVolume)(LPLONG) override { return E_NOTIMPL; }
    STDMETHOD(GetPan)(LPLONG) override { return E_NOTIMPL; }
    STDMETHOD(GetFrequency)(LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetStatus)(LPDWORD status) override
    {
        *status = 0;
        return S_OK;
    }
    STDMETHOD(Initialize)(LPDIRECTSOUND, LPCDSBUFFERDESC) override { return E_NOTIMPL; }
    STDMETHOD(Lock)(DWORD, DWORD, LPVOID* p1, LPDWORD n1, LPVOID* p2, LPDWORD n2, DWORD) override
    {
        ++locks;
        HRESULT hr = Next(lockResults);
        *p1 = nullptr;
        *n1 = 0;
        if (p2) *p2 = nullptr;
        if (n2) *n2 = 0;
        if (FAILED(hr)) return hr;
        *p1 = memory.data();
        *n1 = static_cast<DWORD>(memory.size());
        return S_OK;
    }
    STDMETHOD(Play)(DWORD, DWORD, DWORD) override
    {
        ++plays;
        return Next(playResults);
    }
    STDMETHOD(SetCurrentPosition)(DWORD) override { return S_OK; }
    STDMETHOD(SetFormat)(LPCWAVEFORMATEX) override { return E_NOTIMPL; }
    STDMETHOD(SetVolume)(LONG) override { return E_NOTIMPL; }
    STDMETHOD(SetPan)(LONG) override { return E_NOTIMPL; }
    STDMETHOD(SetFrequency)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(Stop)() override { return S_OK; }
    STDMETHOD(Unlock)(LPVOID, DWORD, LPVOID, DWORD) override
    {
        ++unlocks;
        return S_OK;
    }
    STDMETHOD(Restore)() override
    {
        ++restores;
        return S_OK;
    }

private:
    static HRESULT Next(std::deque<HRESULT>& results)
    {
        if (results.empty()) return S_OK;
        HRESULT hr = results.front();
        results.pop_front();
        return hr;
    }
};

class FakeDevice : public IDirectSound {
public:
    FakeBuffer buffer;
    DSBUFFERDESC desc = {};
    std::vector<uint8_t> format;  // the format block as handed over, 18 bytes

    STDMETHOD(QueryInterface)(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return 1; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(CreateSoundBuffer)(LPCDSBUFFERDESC d, LPLPDIRECTSOUNDBUFFER out, IUnknown*) override
    {
        desc = *d;
        const uint8_t* f = reinterpret_cast<const uint8_t*>(d->lpwfxFormat);
        format.assign(f, f + sizeof(WAVEFORMATEX));
        buffer.memory.assign(d->dwBufferBytes, 0);
        buffer.refs = 1;
        *out = &buffer;
        return S_OK;
    }
    STDMETHOD(GetCaps)(LPDSCAPS) override { return E_NOTIMPL; }
    STDMETHOD(DuplicateSoundBuffer)(LPDIRECTSOUNDBUFFER, LPLPDIRECTSOUNDBUFFER) override { return E_NOTIMPL; }
    STDMETHOD(SetCooperativeLevel)(HWND, DWORD) override { return S_OK; }
    STDMETHOD(Compact)() override { return S_OK; }
    STDMETHOD(GetSpeakerConfig)(LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(SetSpeakerConfig)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(Initialize)(LPCGUID) override { return S_OK; }
};

FakeDevice* g_fake = nullptr;

HRESULT CreateFake(IDirectSound** out)
{
    *out = g_fake;
    return S_OK;
}

void NoSleep(DWORD) {}

class FakeDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_fake = &device_;
        KSoundDevice::Create(nullptr, DSSCL_PRIORITY, CreateFake, NoSleep);
        ASSERT_EQ(KSoundDevice::Get(), &device_);
    }
    void TearDown() override { KSoundDevice::Release(); }

    bool Load(KSound& sound, const WaveSpec& spec = WaveSpec())
    {
        std::vector<uint8_t> image = WaveImage(spec);
        KMemStream stream;
        stream.Write(image.data(), static_cast<int>(image.size()));
        stream.Seek(0);
        return sound.LoadWave(&stream, true);
    }

    FakeDevice device_;
};

}  // namespace

TEST_F(FakeDeviceTest, PcmFormatIsHandedOverAsAWholeStructure)
{
    WaveSpec spec;
    spec.channels = 2;
    KSound sound;
    ASSERT_TRUE(Load(sound, spec));
    EXPECT_EQ(device_.desc.dwSize, sizeof(DSBUFFERDESC));
    EXPECT_EQ(device_.desc.dwFlags, 0x180E0u);
    EXPECT_EQ(device_.desc.dwBufferBytes, ToneSamples(spec).size());
    const WAVEFORMATEX* wf = reinterpret_cast<const WAVEFORMATEX*>(device_.format.data());
    EXPECT_EQ(wf->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(wf->nChannels, 2);
    EXPECT_EQ(wf->nSamplesPerSec, 22050u);
    EXPECT_EQ(wf->nBlockAlign, 4);
    EXPECT_EQ(wf->wBitsPerSample, 16);
    EXPECT_EQ(wf->cbSize, 0);
    EXPECT_EQ(device_.buffer.memory, ToneSamples(spec));
}

TEST_F(FakeDeviceTest, LostBufferIsRestoredAndFilled)
{
    device_.buffer.lockResults = {DSERR_BUFFERLOST};
    KSound sound;
    ASSERT_TRUE(Load(sound));
    EXPECT_EQ(device_.buffer.restores, 1);
    EXPECT_EQ(device_.buffer.locks, 2);
    EXPECT_TRUE(sound.HasBuffer());
    EXPECT_EQ(device_.buffer.memory, ToneSamples(WaveSpec()));
}

TEST_F(FakeDeviceTest, FailedRelockCopiesNothingAndDropsTheBuffer)
{
    device_.buffer.lockResults = {DSERR_BUFFERLOST, DSERR_BUFFERLOST};
    KSound sound;
    EXPECT_TRUE(Load(sound));
    EXPECT_TRUE(sound.IsLoaded());
    EXPECT_FALSE(sound.HasBuffer());
    EXPECT_EQ(device_.buffer.unlocks, 0);
    EXPECT_EQ(device_.buffer.refs, 0u);
    EXPECT_FALSE(sound.Play());
}

TEST_F(FakeDeviceTest, BufferLostAtPlayIsRefilledAndPlayedAgain)
{
    KSound sound;
    ASSERT_TRUE(Load(sound));
    device_.buffer.playResults = {DSERR_BUFFERLOST};
    EXPECT_TRUE(sound.Play());
    EXPECT_EQ(device_.buffer.plays, 2);
    EXPECT_EQ(device_.buffer.locks, 2);
    EXPECT_EQ(KSound::PlayingCount(), 1);
    sound.Stop();

    // A refill that cannot lock gives a failed play and nothing watched.
    device_.buffer.playResults = {DSERR_BUFFERLOST};
    device_.buffer.lockResults = {DSERR_BUFFERLOST, DSERR_BUFFERLOST};
    EXPECT_FALSE(sound.Play());
    EXPECT_EQ(KSound::PlayingCount(), 0);
}
