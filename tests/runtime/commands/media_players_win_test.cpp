// Media files in a running project through Wine's DirectShow: a WAVE file is heard, paused,
// sought and ends with its event; a short uncompressed video made here gets its picture window inside the video
// object's window, fitted or letter-boxed, and ends with its event.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "project_run.h"
#include "wave_image_builder.h"
#include "win_test_support.h"

namespace {

using qbktest::ProjectRun;

void PutTag(std::vector<uint8_t>& out, const char* tag) { wavetest::PutTag(out, tag); }
void Put32(std::vector<uint8_t>& out, uint32_t v) { wavetest::Put32(out, v); }
void Put16(std::vector<uint8_t>& out, uint16_t v) { wavetest::Put16(out, v); }

// Appends a chunk (id, size, data, pad byte) and answers where it begins.
size_t Chunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& data)
{
    const size_t at = out.size();
    PutTag(out, id);
    Put32(out, uint32_t(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1) out.push_back(0);
    return at;
}

std::vector<uint8_t> List(const char* type, const std::vector<uint8_t>& body)
{
    std::vector<uint8_t> data;
    PutTag(data, type);
    data.insert(data.end(), body.begin(), body.end());
    std::vector<uint8_t> out;
    Chunk(out, "LIST", data);
    return out;
}

// An uncompressed 32-bit AVI of one colour (0xRRGGBB): frames at 10 a second.
std::vector<uint8_t> ColourVideo(int width, int height, int frames, uint32_t colour)
{
    const uint32_t row = uint32_t(width * 4), frameBytes = row * uint32_t(height);
    std::vector<uint8_t> avih;
    for (uint32_t v : {100000u, frameBytes * 10, 0u, 0x10u, uint32_t(frames), 0u, 1u, frameBytes, uint32_t(width),
                       uint32_t(height), 0u, 0u, 0u, 0u})
        Put32(avih, v);
    std::vector<uint8_t> strh;
    PutTag(strh, "vids");
    PutTag(strh, "DIB ");
    for (uint32_t v : {0u, 0u, 0u, 1u, 10u, 0u, uint32_t(frames), frameBytes, 0xFFFFFFFFu, 0u}) Put32(strh, v);
    for (uint16_t v : {uint16_t(0), uint16_t(0), uint16_t(width), uint16_t(height)}) Put16(strh, v);
    std::vector<uint8_t> strf;
    for (uint32_t v : {40u, uint32_t(width), uint32_t(height)}) Put32(strf, v);
    Put16(strf, 1);
    Put16(strf, 32);
    for (uint32_t v : {0u, frameBytes, 0u, 0u, 0u, 0u}) Put32(strf, v);
    std::vector<uint8_t> strl, hdrl;
    Chunk(strl, "strh", strh);
    Chunk(strl, "strf", strf);
    Chunk(hdrl, "avih", avih);
    const std::vector<uint8_t> strlList = List("strl", strl);
    hdrl.insert(hdrl.end(), strlList.begin(), strlList.end());

    std::vector<uint8_t> pixels(frameBytes, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &pixels[size_t(y) * row + size_t(x) * 4];
            p[0] = uint8_t(colour);
            p[1] = uint8_t(colour >> 8);
            p[2] = uint8_t(colour >> 16);
        }
    std::vector<uint8_t> movi, index;
    PutTag(movi, "movi");
    for (int f = 0; f < frames; ++f) {
        const size_t at = Chunk(movi, "00db", pixels);
        PutTag(index, "00db");
        Put32(index, 0x10);
        Put32(index, uint32_t(at));
        Put32(index, frameBytes);
    }
    std::vector<uint8_t> body;
    PutTag(body, "AVI ");
    const std::vector<uint8_t> hdrlList = List("hdrl", hdrl);
    body.insert(body.end(), hdrlList.begin(), hdrlList.end());
    std::vector<uint8_t> moviList;
    Chunk(moviList, "LIST", movi);
    body.insert(body.end(), moviList.begin(), moviList.end());
    Chunk(body, "idx1", index);
    std::vector<uint8_t> out;
    Chunk(out, "RIFF", body);
    return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

// The text form's quoting of a Windows path.
std::string Quoted(const std::string& path)
{
    std::string text = "\"";
    for (char c : path) {
        if (c == '\\' || c == '"') text += '\\';
        text += c;
    }
    return text + "\"";
}

constexpr size_t kHeard = 38400;  // a tenth of a second of tone in the device's mix, less drops

TEST(MediaPlayers, AWaveFileIsHeardPausedSoughtAndEndsWithItsEvent)
{
    zvtest::SoundOutput output;
    wavetest::WaveSpec spec;
    spec.milliseconds = 4000;  // long enough to be still playing when the test pauses it
    const std::string folder = zvtest::TempDir();
    const std::string file = folder + "media-tone.wav";
    ASSERT_TRUE(WriteFile(file, wavetest::WaveImage(spec)));
    ProjectRun run(R"(
window MAIN
  caption "start"
  style 0x100B0001
  rect 0 0 300 200
  object TextVariable said
  object MediaPlayer tune
    event 0
      @MAIN.SetText("end:" & @tune.IsPlaying() & @tune.IsPaused() & "," & @tune.GetPosition())
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @tune.Play()
        @tune.Pause()
        @tune.SetPosition(100)
        @said.SetText(@tune.GetPosition() & @tune.GetDuration() & @tune.IsPlaying() & @tune.IsPaused())
        @tune.Open("missing.wav")
        @said.Append("," & @tune.GetDuration() & @tune.IsPlaying())
        @tune.Play()
        @MAIN.SetText("1:" & @said.GetText() & @tune.IsPlaying())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @tune.Open()" +
                   Quoted(file) + R"()
        @tune.Play()
        @MAIN.SetText("2:" & @tune.GetDuration() & "," & @tune.IsPlaying() & @tune.IsPaused())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @tune.Pause()
        @tune.Pause()
        @said.SetText(@tune.IsPlaying() & @tune.IsPaused())
        @tune.SetPosition(999999)
        @said.Append("," & @tune.GetPosition())
        @tune.SetPosition(3300)
        @MAIN.SetText("3:" & @said.GetText() & "," & @tune.GetPosition())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "4")
        @tune.Play()
        @MAIN.SetText("4:" & @tune.IsPlaying())
      @Condition.EndIf()
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    // Without a file (none yet, or one that does not play) nothing runs and the queries give 0.
    EXPECT_EQ(run.Answer(main, 1), "0000,00"
                                   "0");
    EXPECT_EQ(run.Answer(main, 2), "4000,10");
    EXPECT_TRUE(output.WaitForNonSilent(kHeard)) << output.NonSilentBytes();
    // A second pause changes nothing; seeking past the end stops at the end; positions are the
    // media time in milliseconds.
    EXPECT_EQ(run.Answer(main, 3), "01,4000,3300");
    // Played on from 3300 ms, the file reaches its end: the player stops back at 0 and the
    // object's end event runs once.
    EXPECT_EQ(run.Answer(main, 4), "1");
    EXPECT_TRUE(run.WaitForText(main, "end:00,0")) << ProjectRun::Text(main);
    EXPECT_TRUE(run.IsRunning());
}

constexpr uint32_t kRed = 0xFF0000;

TEST(MediaPlayers, AVideoShowsInItsWindowAndEndsWithItsEvent)
{
    const std::string file = zvtest::TempDir() + "media-red.avi";
    ASSERT_TRUE(WriteFile(file, ColourVideo(64, 48, 60, kRed)));
    ProjectRun run(R"(
window MAIN
  caption "start"
  style 0x100B0001
  rect 0 0 320 260
  object TextVariable said
  object VideoPlayer film
    rect 10 10 200 200
    event 10
      @MAIN.SetText("end:" & @film.IsPlaying() & "," & @film.GetPosition())
    event 2
      @MAIN.SetText("click")
    event 0
      @MAIN.SetText("key:" & @Application.GetParameter(0))
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @film.SetFullScreen(-1)
        @said.SetText(@film.GetRate() & @film.GetVideoWidth() & @film.GetVideoHeight() & @film.GetDuration() & @film.IsFullScreen())
        @film.SetKeepAspect(1)
        @film.Open()" +
                   Quoted(file) + R"()
        @MAIN.SetText("1:" & @said.GetText() & "," & @film.GetVideoWidth() & "x" & @film.GetVideoHeight() & "," & @film.GetDuration())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @film.SetKeepAspect(0)
        @MAIN.SetText("2:" & @film.IsPlaying())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @film.SetRate(1)
        @film.Play()
        @MAIN.SetText("3:" & @film.GetRate() & @film.IsPlaying())
      @Condition.EndIf()
)");
    HWND main = run.Window("MAIN");
    HWND film = run.Control("MAIN", "film");
    ASSERT_TRUE(main && film);
    // Before a file: rate 1, no picture, no full screen (a toggle finds none to change).
    EXPECT_EQ(run.Answer(main, 1), "1000"
                                   "0,64x48,6000");
    // Letter-boxed while it plays: 4:3 in 200 x 200 is 200 x 150 at (0, 25).
    EXPECT_EQ(run.Answer(main, 3), "11");
    HWND picture = FindWindowExA(film, nullptr, nullptr, nullptr);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(IsWindowVisible(picture));
    RECT place = ProjectRun::PlaceInParent(picture);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 25);
    EXPECT_EQ(place.right - place.left, 200);
    EXPECT_EQ(place.bottom - place.top, 150);
    // Stretched: the picture fills the window.
    EXPECT_EQ(run.Answer(main, 2), "1");
    place = ProjectRun::PlaceInParent(picture);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.bottom - place.top, 200);
    EXPECT_TRUE(run.WaitForText(main, "end:0,0")) << ProjectRun::Text(main);
    EXPECT_TRUE(run.IsRunning());
}

TEST(MediaPlayers, TheVideoWindowTurnsMouseAndKeysIntoEvents)
{
    const std::string file = zvtest::TempDir() + "media-sound.wav";
    ASSERT_TRUE(WriteFile(file, wavetest::WaveImage(wavetest::WaveSpec())));
    ProjectRun run(R"(
window MAIN
  caption "start"
  style 0x100B0001
  rect 0 0 320 260
  object VideoPlayer film
    rect 10 10 200 200
    event 2
      @MAIN.SetText("down")
    event 3
      @MAIN.SetText(@MAIN.GetText() & "+up")
    event 0
      @MAIN.SetText(@MAIN.GetText() & "|" & @Application.GetParameter(0))
  builtin Time
    event 0
      @film.Open()" +
                   Quoted(file) + R"()
      @MAIN.SetText("1:" & @film.GetVideoWidth() & @film.GetDuration())
)");
    HWND main = run.Window("MAIN");
    HWND film = run.Control("MAIN", "film");
    ASSERT_TRUE(main && film);
    run.Click(film);
    EXPECT_TRUE(run.WaitForText(main, "down+up")) << ProjectRun::Text(main);
    // Escape before any file: an ordinary key event.
    PostMessageA(film, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(run.WaitForText(main, "down+up|ESCAPE")) << ProjectRun::Text(main);
    // A sound opened by the video object has no picture: Escape then has no full screen to leave
    // and does nothing, while other keys still arrive.
    EXPECT_EQ(run.Answer(main, 1), "0100");
    PostMessageA(film, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(film, WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(run.WaitForText(main, "1:0100|A")) << ProjectRun::Text(main);
    EXPECT_EQ(FindWindowExA(film, nullptr, nullptr, nullptr), nullptr);
}

TEST(MediaPlayers, WithoutADvdGraphTheDvdObjectSaysSoAndKeepsNoPlayer)
{
    ProjectRun run(R"(
window MAIN
  caption "start"
  style 0x100B0001
  rect 0 0 320 260
  object DvdPlayer disc
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @disc.PlayPause()
        @disc.Menu()
        @disc.ToggleFullScreen()
        @disc.PlayChapter(2)
        @disc.ShowVideo()
        @MAIN.SetText("1:" & @disc.GetCounter() & @disc.NextChapter() & @disc.PreviousChapter() & "," & @disc.GetWidth() & @disc.GetHeight() & @disc.IsFullScreen())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @MAIN.SetText("2:" & @disc.Open() & "," & @disc.GetCounter())
        @disc.Close()
      @Condition.EndIf()
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(run.Answer(main, 1), "-1-1-1,000");
    PostMessageA(main, WM_TIMER, 2, 0);
    EXPECT_EQ(run.AnswerMessageBox("DVD Error!"), "Cannot play DVD-Video titles.");
    EXPECT_TRUE(run.WaitForText(main, "2:0,-1")) << ProjectRun::Text(main);
    EXPECT_TRUE(run.IsRunning());
}

}  // namespace
