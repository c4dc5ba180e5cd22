// DirectSound plays through the test sound device, and its samples arrive in the device's file.
#include <gtest/gtest.h>
#include "win_test_support.h"

#include <dsound.h>
#include <cmath>

using namespace zvtest;

TEST(HarnessSound, ToneReachesTheOutputFile)
{
    ASSERT_FALSE(SoundOutputPath().empty());
    HWND hwnd = CreateTestWindow(100, 100);
    IDirectSound8* ds = nullptr;
    ASSERT_TRUE(SUCCEEDED(DirectSoundCreate8(nullptr, &ds, nullptr)));
    ASSERT_TRUE(SUCCEEDED(ds->SetCooperativeLevel(hwnd, DSSCL_PRIORITY)));

    const int rate = 22050, seconds = 1;
    WAVEFORMATEX wf = {};
    wf.wFormatTag = WAVE_FORMAT_PCM;
    wf.nChannels = 1;
    wf.nSamplesPerSec = rate;
    wf.wBitsPerSample = 16;
    wf.nBlockAlign = 2;
    wf.nAvgBytesPerSec = rate * 2;
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DSBCAPS_GLOBALFOCUS | DSBCAPS_GETCURRENTPOSITION2;
    desc.dwBufferBytes = rate * 2 * seconds;
    desc.lpwfxFormat = &wf;
    IDirectSoundBuffer* buf = nullptr;
    ASSERT_TRUE(SUCCEEDED(ds->CreateSoundBuffer(&desc, &buf, nullptr)));

    void* p1 = nullptr;
    DWORD n1 = 0;
    void* p2 = nullptr;
    DWORD n2 = 0;
    ASSERT_TRUE(SUCCEEDED(buf->Lock(0, desc.dwBufferBytes, &p1, &n1, &p2, &n2, 0)));
    short* s = static_cast<short*>(p1);
    for (DWORD i = 0; i < n1 / 2; ++i) s[i] = static_cast<short>(12000 * std::sin(i * 2 * 3.14159265 * 440 / rate));
    buf->Unlock(p1, n1, p2, n2);

    ASSERT_TRUE(SUCCEEDED(buf->Play(0, 0, 0)));
    DWORD status = 0;
    buf->GetStatus(&status);
    EXPECT_TRUE(status & DSBSTATUS_PLAYING);
    // A one-shot buffer stops by itself at its end.
    EXPECT_TRUE(WaitFor(
        [&] {
            buf->GetStatus(&status);
            return !(status & DSBSTATUS_PLAYING);
        },
        10000));
    SoundOutput output;
    ASSERT_TRUE(output.WaitUntilSettled());
    buf->Release();
    ds->Release();
    DestroyWindow(hwnd);

    // The second of tone takes up a good share of what the device has written (at least 8000
    // 16-bit samples a second, whatever format it mixes to), all of it non-zero.
    EXPECT_GT(output.NonSilentBytes(), 16000u) << output.Bytes() << " bytes written";
}
