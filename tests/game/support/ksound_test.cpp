// Game sounds through the real DirectSound device of the test run: they reach the output file,
// one-shot sounds end and say so once, looping sounds keep playing, and without a device nothing
// breaks.
#include <gtest/gtest.h>

#include "KSound.h"
#include "KSoundDevice.h"
#include "library_environment.h"
#include "wave_image_builder.h"
#include "win_test_support.h"

#include <memory>

using namespace wavetest;
using namespace zvtest;

namespace {

class CountingSound : public KSound {
public:
    int finished = 0;
    int playingTicks = 0;
    int replays = 0;  // times OnFinished starts the sound again

protected:
    void OnPlaying() override { ++playingTicks; }
    void OnFinished() override
    {
        ++finished;
        if (replays > 0) {
            --replays;
            Play();
        }
    }
};

void FillStream(KMemStream& stream, const std::vector<uint8_t>& bytes)
{
    stream.Write(bytes.data(), static_cast<int>(bytes.size()));
    stream.Seek(0);
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = CreateTestWindow(100, 100);
        KSoundDevice::Create(window_, DSSCL_PRIORITY);
        ASSERT_NE(KSoundDevice::Get(), nullptr);
        EXPECT_EQ(KLibrary::DirectSound(), KSoundDevice::Get());
    }
    void TearDown() override
    {
        KSoundDevice::Release();
        DestroyWindow(window_);
    }
    bool Load(KSound& sound, uint32_t ms, bool looping = false)
    {
        WaveSpec spec;
        spec.milliseconds = ms;
        KMemStream stream;
        FillStream(stream, WaveImage(spec));
        bool loaded = sound.LoadWave(&stream, true);
        sound.SetLooping(looping);
        return loaded;
    }
    // Non-zero bytes a one-shot sound of this length puts out once all of it has arrived.
    double OutputOf(uint32_t ms)
    {
        CountingSound sound;
        EXPECT_TRUE(Load(sound, ms));
        output.Update();
        const size_t before = output.NonSilentBytes();
        EXPECT_TRUE(sound.Play());
        EXPECT_TRUE(WaitFor([&] { return sound.finished > 0; }, 10000));
        EXPECT_TRUE(output.WaitUntilSettled());
        return static_cast<double>(output.NonSilentBytes() - before);
    }
    HWND window_ = nullptr;
    SoundOutput output;
};

}  // namespace

static ::testing::Environment* const g_library = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

TEST_F(SoundTest, OneShotIsHeardAndFinishesOnce)
{
    CountingSound sound;
    ASSERT_TRUE(Load(sound, 300));
    ASSERT_TRUE(sound.HasBuffer());
    ASSERT_TRUE(sound.Play());
    EXPECT_TRUE(sound.IsPlaying());
    EXPECT_EQ(KSound::PlayingCount(), 1);
    ASSERT_TRUE(WaitFor([&] { return sound.finished > 0; }, 10000));
    ASSERT_TRUE(output.WaitUntilSettled());
    EXPECT_EQ(sound.finished, 1);
    EXPECT_GT(sound.playingTicks, 0);
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_EQ(KSound::PlayingCount(), 0);
    EXPECT_GT(output.NonSilentBytes(), 1000u);
}

TEST_F(SoundTest, OutputLastsAsLongAsTheSound)
{
    const double shortSound = OutputOf(200);
    const double longSound = OutputOf(800);
    ASSERT_GT(shortSound, 0.0);
    EXPECT_NEAR(longSound / shortSound, 4.0, 0.01);
}

TEST_F(SoundTest, LoopingSoundKeepsPlayingUntilStopped)
{
    const double once = OutputOf(150);
    CountingSound sound;
    ASSERT_TRUE(Load(sound, 150, true));
    const size_t before = output.NonSilentBytes();
    ASSERT_TRUE(sound.Play());
    EXPECT_TRUE(output.WaitForNonSilent(before + static_cast<size_t>(3.5 * once))) << "three loops and more";
    EXPECT_TRUE(sound.IsPlaying());
    EXPECT_EQ(sound.finished, 0);
    EXPECT_EQ(sound.playingTicks, 0);
    sound.Stop();
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_EQ(KSound::PlayingCount(), 0);
    EXPECT_TRUE(output.WaitUntilSettled()) << "the sound stops";
    EXPECT_EQ(sound.finished, 0);
}

TEST_F(SoundTest, PlayingAgainKeepsOneTimer)
{
    CountingSound sound;
    ASSERT_TRUE(Load(sound, 500));
    ASSERT_TRUE(sound.Play());
    ASSERT_TRUE(sound.Play(100));
    EXPECT_EQ(KSound::PlayingCount(), 1);
    EXPECT_EQ(sound.Start(), 100u);
    ASSERT_TRUE(WaitFor([&] { return sound.finished > 0; }, 10000));
    ASSERT_TRUE(output.WaitUntilSettled());
    EXPECT_EQ(sound.finished, 1);
}

TEST_F(SoundTest, PlayingFromALateSampleEndsSooner)
{
    const double tenth = OutputOf(100);
    CountingSound sound;
    ASSERT_TRUE(Load(sound, 3000));
    const size_t before = output.NonSilentBytes();
    ASSERT_TRUE(sound.Play(22050 * 29 / 10));  // the last tenth of a second
    ASSERT_TRUE(WaitFor([&] { return sound.finished > 0; }, 10000));
    ASSERT_TRUE(output.WaitUntilSettled());
    EXPECT_NEAR(static_cast<double>(output.NonSilentBytes() - before) / tenth, 1.0, 0.01);
}

TEST_F(SoundTest, FinishedHandlerMayPlayTheSoundAgain)
{
    CountingSound sound;
    sound.replays = 2;
    ASSERT_TRUE(Load(sound, 100));
    ASSERT_TRUE(sound.Play());
    ASSERT_TRUE(WaitFor([&] { return sound.finished >= 3; }, 10000));
    ASSERT_TRUE(output.WaitUntilSettled());
    EXPECT_EQ(sound.finished, 3);
    EXPECT_EQ(KSound::PlayingCount(), 0);
}

TEST_F(SoundTest, StopWithoutPlayAndDestroyWhilePlayingAreSafe)
{
    CountingSound idle;
    ASSERT_TRUE(Load(idle, 100));
    idle.Stop();
    EXPECT_FALSE(idle.IsPlaying());
    EXPECT_EQ(KSound::PlayingCount(), 0);

    auto sound = std::make_unique<CountingSound>();
    ASSERT_TRUE(Load(*sound, 500));
    ASSERT_TRUE(sound->Play());
    EXPECT_EQ(KSound::PlayingCount(), 1);
    sound.reset();
    EXPECT_EQ(KSound::PlayingCount(), 0);
    EXPECT_TRUE(output.WaitUntilSettled()) << "its end comes to no one";
}

TEST_F(SoundTest, LoadingWithoutSamplesGivesNoBuffer)
{
    CountingSound sound;
    WaveSpec spec;
    KMemStream stream;
    FillStream(stream, WaveImage(spec));
    uint32_t size = 0;
    ASSERT_TRUE(sound.LoadWave(&stream, false, &size));
    EXPECT_TRUE(sound.IsLoaded());
    EXPECT_FALSE(sound.HasBuffer());
    EXPECT_EQ(size, ToneSamples(spec).size());
    EXPECT_FALSE(sound.Play());
}

TEST_F(SoundTest, BrokenImageLeavesAnEmptySound)
{
    CountingSound sound;
    ASSERT_TRUE(Load(sound, 100));
    std::vector<uint8_t> image = WaveImage(WaveSpec());
    image.resize(image.size() / 2);
    KMemStream stream;
    FillStream(stream, image);
    EXPECT_FALSE(sound.LoadWave(&stream, true));
    EXPECT_FALSE(sound.IsLoaded());
    EXPECT_FALSE(sound.HasBuffer());
    EXPECT_FALSE(sound.Play());
    EXPECT_FALSE(sound.LoadWave(nullptr, true));
}

// The device creation's retries, through a stand-in for DirectSoundCreate.
namespace {

int g_tries = 0;
int g_failures = 0;  // tries that fail before the real device is made
HRESULT g_failure = DSERR_NODRIVER;
DWORD g_slept = 0;
int g_sleeps = 0;

HRESULT FakeCreate(IDirectSound** out)
{
    ++g_tries;
    *out = nullptr;
    if (g_tries <= g_failures) return g_failure;
    return DirectSoundCreate(nullptr, out, nullptr);
}

void FakeSleep(DWORD ms)
{
    ++g_sleeps;
    g_slept += ms;
}

}  // namespace

TEST(SoundDevice, RetriesOnlyWhileBusyOrWithoutDriver)
{
    struct Case {
        HRESULT failure;
        int failures;
        int tries;
        bool device;
    } cases[] = {
        {DSERR_ALLOCATED, 2, 3, true},  {DSERR_NODRIVER, 100, 10, false}, {DSERR_ALLOCATED, 100, 10, false},
        {E_OUTOFMEMORY, 100, 1, false}, {DSERR_NODRIVER, 0, 1, true},
    };
    HWND window = CreateTestWindow(100, 100);
    for (const Case& c : cases) {
        g_tries = g_sleeps = 0;
        g_slept = 0;
        g_failure = c.failure;
        g_failures = c.failures;
        KSoundDevice::Create(window, DSSCL_PRIORITY, FakeCreate, FakeSleep);
        EXPECT_EQ(g_tries, c.tries) << std::hex << c.failure;
        EXPECT_EQ(g_slept, DWORD(500) * g_sleeps);
        EXPECT_EQ(KSoundDevice::Get() != nullptr, c.device);
        KSoundDevice::Release();
    }
    // A device that stays busy costs about five seconds of waiting.
    g_tries = g_sleeps = 0;
    g_slept = 0;
    g_failure = DSERR_ALLOCATED;
    g_failures = 100;
    KSoundDevice::Create(window, DSSCL_PRIORITY, FakeCreate, FakeSleep);
    EXPECT_GE(g_slept, 4500u);
    EXPECT_LE(g_slept, 5000u);
    DestroyWindow(window);
}

TEST(SoundDevice, WithoutDeviceSoundsDoNothing)
{
    g_tries = 0;
    g_failure = DSERR_NODRIVER;
    g_failures = 100;
    KSoundDevice::Create(nullptr, DSSCL_PRIORITY, FakeCreate, FakeSleep);
    ASSERT_EQ(KSoundDevice::Get(), nullptr);

    CountingSound sound;
    WaveSpec spec;
    KMemStream stream;
    FillStream(stream, WaveImage(spec));
    EXPECT_TRUE(sound.LoadWave(&stream, true));
    EXPECT_TRUE(sound.IsLoaded());
    EXPECT_FALSE(sound.HasBuffer());
    EXPECT_FALSE(sound.Play());
    EXPECT_FALSE(sound.IsPlaying());
    sound.Stop();
    sound.SetPosition(10);
    EXPECT_EQ(KSound::PlayingCount(), 0);
    PumpMessages(50);
    EXPECT_EQ(sound.finished, 0);
    KSoundDevice::Release();
}
