// Music through a real DirectShow graph: a short file opens, tells its length, is heard, loops or
// completes once, and the notice loop survives handlers that open the next file.
#include <gtest/gtest.h>

#include "KMusic.h"
#include "library_environment.h"
#include "wave_image_builder.h"
#include "win_test_support.h"

#include <cstdio>
#include <string>

using namespace wavetest;
using namespace zvtest;

namespace {

class CountingMusic : public KMusic {
public:
    int completed = 0;
    int loops = 0;
    std::string next;  // opened and played by the completion handler

protected:
    void OnComplete() override
    {
        ++completed;
        if (!next.empty()) {
            std::string file = next;
            next.clear();
            if (Open(file.c_str())) Play();
        }
    }
    void OnLoop() override { ++loops; }
};

std::string WriteWaveFile(const char* name, uint32_t ms)
{
    WaveSpec spec;
    spec.milliseconds = ms;
    std::vector<uint8_t> image = WaveImage(spec);
    std::string path = TempDir() + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return std::string();
    std::fwrite(image.data(), 1, image.size(), f);
    std::fclose(f);
    return path;
}

// The MP3 made at build time, in the Windows view of the build folder.
std::string Mp3File()
{
    std::string path = std::string("Z:") + ZV_TEST_DATA_DIR + "/tone.mp3";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class MusicTest : public ::testing::Test {
protected:
    SoundOutput output;
};

// Non-zero bytes a second of tone takes up in the device's mix (48 kHz stereo floats) is about
// 384 000. Wine's renderer drops what the decoder delivers late, the more the busier the machine
// (a third to a half of it is usual): a tenth of a second's worth shows the music was heard.
constexpr size_t kHeardBytesPerSecond = 38400;

}  // namespace

static ::testing::Environment* const g_library = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

TEST_F(MusicTest, WaveFileIsHeardAndCompletesOnce)
{
    std::string file = WriteWaveFile("one.wav", 1000);
    CountingMusic music;
    ASSERT_TRUE(music.Open(file.c_str()));
    EXPECT_TRUE(music.IsOpen());
    EXPECT_NEAR(double(music.GetDuration()), 1000.0, 30.0);
    EXPECT_TRUE(music.SetVolume(100));
    ASSERT_TRUE(music.Play());
    EXPECT_TRUE(music.IsPlaying());
    ASSERT_TRUE(WaitFor([&] { return music.completed > 0; }, 30000));
    ASSERT_TRUE(output.WaitUntilSettled());
    EXPECT_EQ(music.completed, 1);
    EXPECT_EQ(music.loops, 0);
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_GT(output.NonSilentBytes(), kHeardBytesPerSecond);
}

TEST_F(MusicTest, Mp3FileIsHeardAndCompletes)
{
    CountingMusic music;
    ASSERT_TRUE(music.Open(Mp3File().c_str())) << Mp3File();
    EXPECT_NEAR(double(music.GetDuration()), 1000.0, 100.0);
    ASSERT_TRUE(music.Play());
    ASSERT_TRUE(WaitFor([&] { return music.completed > 0; }, 30000));
    ASSERT_TRUE(output.WaitUntilSettled());
    EXPECT_EQ(music.completed, 1);
    EXPECT_GT(output.NonSilentBytes(), kHeardBytesPerSecond);
}

TEST_F(MusicTest, LoopingRestartsAndNeverCompletes)
{
    std::string file = WriteWaveFile("loop.wav", 400);
    CountingMusic music;
    ASSERT_TRUE(music.Open(file.c_str()));
    music.SetLooping(true);
    ASSERT_TRUE(music.Play());
    ASSERT_TRUE(WaitFor([&] { return music.loops >= 2; }, 30000));
    EXPECT_EQ(music.completed, 0);
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_TRUE(music.Stop());
    EXPECT_FALSE(music.IsPlaying());
}

TEST_F(MusicTest, CompletionHandlerMayOpenTheNextFile)
{
    std::string first = WriteWaveFile("first.wav", 300);
    std::string second = WriteWaveFile("second.wav", 300);
    CountingMusic music;
    music.next = second;
    ASSERT_TRUE(music.Open(first.c_str()));
    ASSERT_TRUE(music.Play());
    ASSERT_TRUE(WaitFor([&] { return music.completed >= 2; }, 30000));
    ASSERT_TRUE(output.WaitUntilSettled());
    EXPECT_EQ(music.completed, 2);
}

TEST_F(MusicTest, VolumeIsClampedToItsRange)
{
    std::string file = WriteWaveFile("volume.wav", 200);
    KMusic music;
    ASSERT_TRUE(music.Open(file.c_str()));
    struct {
        int asked, got;
    } cases[] = {{150, 100}, {100, 100}, {50, 50}, {0, 0}, {-5, 0}};
    for (auto c : cases) {
        EXPECT_TRUE(music.SetVolume(c.asked));
        EXPECT_EQ(music.GetVolume(), c.got) << c.asked;
    }
}

TEST_F(MusicTest, PositionBeyondTheEndStopsAtTheEnd)
{
    std::string file = WriteWaveFile("seek.wav", 1000);
    KMusic music;
    ASSERT_TRUE(music.Open(file.c_str()));
    EXPECT_TRUE(music.SetPosition(400));
    EXPECT_NEAR(double(music.GetPosition()), 400.0, 5.0);
    EXPECT_TRUE(music.SetPosition(60000));
    EXPECT_EQ(music.GetPosition(), music.GetDuration());
    EXPECT_TRUE(music.Stop());
    EXPECT_EQ(music.GetPosition(), 0u);
}

TEST_F(MusicTest, UnplayableFilesDoNotOpen)
{
    std::string text = TempDir() + "notes.wav";
    FILE* f = std::fopen(text.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("this is no sound at all", f);
    std::fclose(f);
    for (const std::string& file : {text, TempDir() + "missing.mp3"}) {
        KMusic music;
        EXPECT_FALSE(music.Open(file.c_str())) << file;
        EXPECT_FALSE(music.IsOpen());
        EXPECT_FALSE(music.Play());
    }
}

TEST_F(MusicTest, EverythingAnswersNoBeforeOpen)
{
    KMusic music;
    EXPECT_FALSE(music.IsOpen());
    EXPECT_FALSE(music.Play());
    EXPECT_FALSE(music.Stop());
    EXPECT_FALSE(music.SetVolume(50));
    EXPECT_EQ(music.GetVolume(), 0);
    EXPECT_EQ(music.GetDuration(), 0u);
    EXPECT_EQ(music.GetPosition(), 0u);
    EXPECT_FALSE(music.SetPosition(100));
    music.Close();
    EXPECT_FALSE(music.Play());
}

TEST_F(MusicTest, StrayNoticesAreIgnored)
{
    std::string file = WriteWaveFile("stray.wav", 200);
    CountingMusic music;
    ASSERT_NE(music.Handle(), nullptr);
    EXPECT_FALSE(IsWindowVisible(music.Handle()));
    EXPECT_EQ(GetWindow(music.Handle(), GW_OWNER), KLibrary::LibraryWindow());
    PostMessageA(music.Handle(), KMusic::kGraphNotice, 0, 0x1234);
    PostMessageA(music.Handle(), KMusic::kGraphNotice, 0, 0);
    PumpMessages(0);  // what was posted above
    ASSERT_TRUE(music.Open(file.c_str()));
    PostMessageA(music.Handle(), KMusic::kGraphNotice, 0, reinterpret_cast<LPARAM>(&music));
    PumpMessages(0);  // what was posted above
    EXPECT_EQ(music.completed, 0);
}
