// MIDI songs, WAVE sounds and audio CDs in a running project. WAVE sounds are heard in the test
// display's sound device; there is no MIDI output or CD drive here, so those objects must fail
// cleanly and give the scripts their failure results.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "midi_builder.h"
#include "project_run.h"
#include "wave_image_builder.h"
#include "win_test_support.h"

namespace {

using qbktest::ProjectRun;

std::string Hex(const std::vector<uint8_t>& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

std::vector<uint8_t> Song()
{
    miditest::TrackBuilder track;
    track.Tempo(0, 500000).Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).End();
    return miditest::MidiFile(0, 96, {track.Data()});
}

std::vector<uint8_t> Tone(uint32_t ms)
{
    wavetest::WaveSpec spec;
    spec.milliseconds = ms;
    return wavetest::WaveImage(spec);
}

// Non-zero bytes of a tenth of a second of tone in the device's mix (48 kHz stereo floats),
// allowing for what Wine drops on a busy machine.
constexpr size_t kHeard = 38400;

TEST(SoundPlayers, MidiSongsGiveTheirFailureResultsWithoutAnOutput)
{
    ProjectRun run(R"(
window MAIN
  caption "start"
  style 0x100B0001
  rect 0 0 300 200
  object MidiPlayer song
  object DataStream data
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @MAIN.SetText("1:" & @song.OpenFile("missing.mid") & @song.IsPlaying() & @song.GetTempo() & @song.GetVolume() & @song.IsPaused() & @song.Play() & @song.Close())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @MAIN.SetText("2:" & @song.OpenEmbedded("song.mid") & "," & @song.Play() & @song.IsPlaying() & @song.Pause() & @song.Resume() & "," & @song.GetTempo() & "," & @song.GetVolume())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @song.SetTempo(0)
        @MAIN.SetText("3:" & @song.GetTempo())
        @song.SetTempo(-20)
        @MAIN.SetText(@MAIN.GetText() & "," & @song.GetTempo())
        @song.SetTempo(50)
        @MAIN.SetText(@MAIN.GetText() & "," & @song.GetTempo())
        @song.SetVolume(150)
        @MAIN.SetText(@MAIN.GetText() & "," & @song.GetVolume() & "," & @song.Stop() & @song.Rewind())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "4")
        @data.LoadEmbedded("song.mid")
        @data.Seek(5)
        @MAIN.SetText("4:" & @song.OpenStream(@data.GetId()) & "," & @data.GetPosition() & "," & @song.Close() & @song.Close() & "," & @song.OpenStream(@song.GetId()) & @song.Close())
      @Condition.EndIf()
file "song.mid" hex ")" +
                   Hex(Song()) + R"("
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    // A missing file leaves no player: the queries give their no-player answers.
    EXPECT_EQ(run.Answer(main, 1), "0"
                                   "0"
                                   "-1"
                                   "-1"
                                   "0"
                                   "0"
                                   "0");
    // The song parses, but no stream opens: loading and playing fail, and the player stays.
    EXPECT_EQ(run.Answer(main, 2), "0,0000,100,100");
    // Tempo 0 is taken as 1, a negative one is refused; a volume change waits for playing; the
    // song that parsed can be rewound though it never got a stream.
    EXPECT_EQ(run.Answer(main, 3), "1,1,50,100,01");
    // A stream loads from its start and keeps its place; an object of another type loads nothing.
    EXPECT_EQ(run.Answer(main, 4), "0,5,10,00");
    EXPECT_TRUE(run.IsRunning());
}

TEST(SoundPlayers, WaveSoundsAreHeardFromEverySource)
{
    zvtest::SoundOutput output;
    const std::vector<uint8_t> tone = Tone(600);
    ProjectRun run(R"(
window MAIN
  caption "start"
  style 0x100B0001
  rect 0 0 300 200
  object WaveSound beep
  object DataStream data
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @beep.Play()
        @beep.LoadFile("missing.wav")
        @beep.Play()
        @MAIN.SetText("1:quiet")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @beep.LoadEmbedded("tone.wav")
        @beep.Play()
        @MAIN.SetText("2:embedded")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @beep.LoadFile("missing.wav")
        @beep.Play()
        @MAIN.SetText("3:kept")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "4")
        @data.LoadEmbedded("tone.wav")
        @beep.LoadStream(@data.GetId())
        @beep.SetLoop(-1)
        @beep.Play()
        @MAIN.SetText("4:looping")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "5")
        @beep.Stop()
        @MAIN.SetText("5:stopped")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "6")
        @beep.Close()
        @beep.Play()
        @beep.SetLoop(1)
        @MAIN.SetText("6:closed")
      @Condition.EndIf()
file "tone.wav" hex ")" +
                   Hex(tone) + R"("
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    // Nothing loaded, and a missing file loads nothing.
    EXPECT_EQ(run.Answer(main, 1), "quiet");
    const size_t before = output.NonSilentBytes();

    EXPECT_EQ(run.Answer(main, 2), "embedded");
    EXPECT_TRUE(output.WaitForNonSilent(before + kHeard)) << output.NonSilentBytes();
    ASSERT_TRUE(output.WaitUntilSettled());

    // A load from a missing file keeps the sound that was there.
    size_t mark = output.NonSilentBytes();
    EXPECT_EQ(run.Answer(main, 3), "kept");
    EXPECT_TRUE(output.WaitForNonSilent(mark + kHeard)) << output.NonSilentBytes() - mark;
    ASSERT_TRUE(output.WaitUntilSettled());

    // Looping goes on past the sound's own 600 ms: well over a second of it arrives.
    mark = output.NonSilentBytes();
    EXPECT_EQ(run.Answer(main, 4), "looping");
    EXPECT_TRUE(output.WaitForNonSilent(mark + 2 * 384000)) << output.NonSilentBytes() - mark;

    // Stopped: the device falls silent. Closed: the commands find no sound and do nothing.
    EXPECT_EQ(run.Answer(main, 5), "stopped");
    EXPECT_TRUE(output.WaitUntilSettled());
    EXPECT_EQ(run.Answer(main, 6), "closed");
    EXPECT_TRUE(run.IsRunning());
}

TEST(SoundPlayers, CdAudioWithoutADriveReportsAndKeepsNoDevice)
{
    ProjectRun run(R"(
window MAIN
  caption "start"
  style 0x100B0001
  rect 0 0 300 200
  object CdAudio cd
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @cd.Play(1000, 0)
        @cd.PlayTrack(2)
        @cd.Pause()
        @cd.Resume()
        @cd.Stop()
        @cd.SetDoor(1)
        @MAIN.SetText("1:" & @cd.GetPosition() & @cd.GetCurrentTrack() & @cd.GetTrackTime() & @cd.GetLength() & @cd.GetTrackCount() & @cd.GetTrackLength(1) & @cd.GetTrackStart(1))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @cd.Open()
        @MAIN.SetText("2:" & @cd.GetTrackCount() & @cd.GetLength())
        @cd.Stop()
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @cd.Open()
        @MAIN.SetText("3:" & @cd.GetTrackCount() & @cd.GetLength())
      @Condition.EndIf()
file "unused.txt" text "x"
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    // Before an open every command does nothing and the queries give 0.
    EXPECT_EQ(run.Answer(main, 1), "0000000");
    // The open fails with the system's reason in a box; no dead device is kept, so the queries
    // still give 0 and show no more boxes, and a second open tries the drive again.
    ProjectRun::BringToFront(main);
    PostMessageA(main, WM_TIMER, 2, 0);
    EXPECT_NE(run.AnswerMessageBox("MCI Error"), "");
    EXPECT_TRUE(run.WaitForText(main, "2:00"));
    PostMessageA(main, WM_TIMER, 3, 0);
    EXPECT_NE(run.AnswerMessageBox("MCI Error"), "");
    EXPECT_TRUE(run.WaitForText(main, "3:00"));
    EXPECT_TRUE(run.IsRunning());
}

}  // namespace
