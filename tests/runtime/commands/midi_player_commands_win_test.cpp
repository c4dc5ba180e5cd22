// The MidiPlayer commands over a fake MIDI output that records what reaches it and plays buffers
// when the test says: a song loads, plays, pauses, changes volume and tempo, ends and stops.
#include "script_test_fixture.h"

#include <windows.h>

#include <cstdio>

#include "fake_midi_device.h"
#include "midi_builder.h"
#include "midi_player_commands.h"
#include "midi_stream_buffer.h"
#include "win_test_support.h"

namespace {

std::shared_ptr<miditest::FakeMidiState> g_state;
miditest::FakeMidiDevice* g_device = nullptr;

std::unique_ptr<qbk::MidiStreamDevice> MakeFake()
{
    auto device = std::make_unique<miditest::FakeMidiDevice>(g_state, miditest::BufferReturn::OnCallerThread);
    g_device = device.get();
    return device;
}

constexpr const char* kMidiWords =
    "commands MidiPlayer GetId GetName Close GetTempo GetVolume IsPaused IsPlaying OpenFile OpenStream "
    "OpenEmbedded Pause Play Resume Rewind SetLoop SetTempo SetVolume Stop\n";

class MidiPlayerCommandsTest : public ScriptTest {
protected:
    void SetUp() override
    {
        ScriptTest::SetUp();
        g_state = std::make_shared<miditest::FakeMidiState>();
        before_ = SetMidiDeviceMaker(&MakeFake);
        miditest::TrackBuilder track;
        track.Tempo(0, 500000).Event(0, {0xC0, 5}).Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).End();
        const auto song = miditest::MidiFile(0, 96, {track.Data()});
        path_ = zvtest::TempDir() + "song.mid";
        FILE* f = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(song.data(), 1, song.size(), f);
        std::fclose(f);
    }
    void TearDown() override
    {
        ScriptTest::TearDown();  // the players go with the project
        SetMidiDeviceMaker(before_);
        g_device = nullptr;
    }
    // A project whose window events 0, 1, ... run the lines given.
    void StartWith(const std::vector<std::string>& events)
    {
        std::string text = std::string(kMidiWords) + "window MAIN\n  object MidiPlayer song\n";
        for (size_t i = 0; i < events.size(); ++i)
            text += "  event " + std::to_string(i) + "\n    @Application.Return(" + events[i] + ")\n";
        Start(text);
    }
    std::string path_;

private:
    MidiDeviceMaker before_ = nullptr;
};

TEST_F(MidiPlayerCommandsTest, ASongPlaysPausesAndEndsReadyToPlayAgain)
{
    StartWith({"@song.OpenFile(" + Quote(path_) + ") & @song.IsPlaying() & @song.Play() & @song.IsPlaying()",
               "@song.Pause() & @song.Pause() & @song.IsPaused() & @song.IsPlaying() & @song.Resume() & @song.Resume()",
               "@song.IsPlaying() & @song.Play() & @song.IsPlaying()",
               "@song.Close() & @song.Close() & @song.GetTempo()"});
    EXPECT_EQ(Run("MAIN", 0), "1011");
    EXPECT_EQ(Run("MAIN", 1), "101110");
    ASSERT_NE(g_device, nullptr);
    g_device->PlayAll();
    // The end comes to the owner's thread as a notice; the player stops and primes itself again.
    EXPECT_EQ(g_device->DeliverPosts(), 1);
    EXPECT_EQ(Run("MAIN", 2), "011");
    const auto played = g_state->Played();
    ASSERT_GE(played.size(), 3u);
    EXPECT_EQ(played[0].event & 0xFF000000u, qbk::kMevtTempo);
    EXPECT_EQ(Run("MAIN", 3), "10-1");
    EXPECT_TRUE(g_state->Breaches().empty());
}

TEST_F(MidiPlayerCommandsTest, VolumeIsKeptOnlyWhilePlayingAndCapped)
{
    StartWith(
        {"@song.OpenFile(" + Quote(path_) + ") & @song.GetVolume()",
         "@song.SetVolume(40) & @song.GetVolume() & \",\" & @song.Play() & @song.SetVolume(150) & @song.GetVolume()"});
    EXPECT_EQ(Run("MAIN", 0), "1100");
    // While stopped a volume change is not kept; while playing every channel takes it, capped.
    EXPECT_EQ(Run("MAIN", 1), "100,1100");
    std::lock_guard<std::mutex> lock(g_state->mutex);
    ASSERT_EQ(g_state->shortMessages.size(), 16u);
    EXPECT_EQ(g_state->shortMessages[3], 0x7F07B3u);
}

TEST_F(MidiPlayerCommandsTest, NegativeVolumeIsFullAndTempoIsNeverZeroOrNegative)
{
    StartWith({"@song.OpenFile(" + Quote(path_) + ") & @song.Play()",
               "@song.SetVolume(-5) & @song.GetVolume() & \",\" & @song.SetTempo(0) & @song.GetTempo() & \",\" & "
               "@song.SetTempo(-3) & @song.GetTempo() & \",\" & @song.SetTempo(50) & @song.GetTempo()",
               "@song.Stop() & @song.IsPlaying() & @song.Rewind()"});
    EXPECT_EQ(Run("MAIN", 0), "11");
    EXPECT_EQ(Run("MAIN", 1), "100,1,1,50");
    EXPECT_EQ(Run("MAIN", 2), "101");
    EXPECT_TRUE(g_state->Breaches().empty());
}

}  // namespace
