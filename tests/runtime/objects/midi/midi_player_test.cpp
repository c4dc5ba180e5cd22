#include "fake_midi_device.h"
#include "midi_builder.h"
#include "midi_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace qbk;
using miditest::BufferReturn;
using miditest::Bytes;
using miditest::FakeMidiDevice;
using miditest::FakeMidiState;
using miditest::MidiFile;
using miditest::PlayedEvent;
using miditest::TrackBuilder;

namespace {

struct Timed {
    uint64_t time;
    uint32_t word;
    bool operator==(const Timed& o) const { return time == o.time && word == o.word; }
};

std::ostream& operator<<(std::ostream& out, const Timed& t)
{
    return out << "{" << t.time << ", 0x" << std::hex << t.word << std::dec << "}";
}

// A song of three tracks over several dozen buffers: tempo changes, running status, SysEx,
// text events, a volume controller and ties between tracks. Alongside the file, what must
// reach the device: the channel messages and the tempo changes at their ticks.
struct Song {
    Bytes file;
    std::vector<Timed> messages;
    std::vector<Timed> tempos;
};

Song LongSong()
{
    Song song;
    struct Item {
        uint64_t tick;
        int track;
        int order;
        uint32_t word;
    };
    std::vector<Item> items;

    TrackBuilder conductor;
    conductor.Tempo(0, 500000).Meta(0, 0x03, {'T', 'u', 'n', 'e'}).Tempo(960, 400000).Tempo(960, 600000).End(480);
    song.tempos = {{0, 500000}, {960, 400000}, {1920, 600000}};

    TrackBuilder lead;
    uint8_t running = 0;
    uint64_t tick = 0, last = 0;
    for (int i = 0; i < 200; ++i) {
        tick = uint64_t(i) * 12;
        const uint32_t delta = uint32_t(tick - last);
        last = tick;
        if (i == 100) {
            lead.Event(delta, {0xB0, 7, 64});
            items.push_back({tick, 1, i * 3, kMevtCallback | ShortMessageWord(0xB0, 7, 64)});
            running = 0xB0;
            continue;
        }
        if (i % 50 == 25) lead.SysEx(delta, {0x43, 0x10, 0x4C, 0xF7});
        const uint8_t key = uint8_t(60 + i % 12), velocity = uint8_t(i % 2 ? 0 : 100);
        const uint32_t noteDelta = i % 50 == 25 ? 0 : delta;
        if (running == 0x90) {
            lead.Event(noteDelta, {key, velocity});
        } else {
            lead.Event(noteDelta, {0x90, key, velocity});
            running = 0x90;
        }
        items.push_back({tick, 1, i * 3 + 1, ShortMessageWord(0x90, key, velocity)});
    }
    lead.End(12);

    TrackBuilder bass;
    bass.Event(0, {0xC1, 33});
    items.push_back({0, 2, 0, ShortMessageWord(0xC1, 33, 0)});
    for (int i = 0; i < 66; ++i) {
        bass.Event(i ? 36 : 0, {0x91, uint8_t(36 + i % 5), uint8_t(i % 2 ? 0 : 90)});
        items.push_back(
            {uint64_t(i) * 36, 2, i + 1, ShortMessageWord(0x91, uint8_t(36 + i % 5), uint8_t(i % 2 ? 0 : 90))});
    }
    bass.End();

    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.track < b.track;
    });
    for (const Item& item : items) song.messages.push_back({item.tick, item.word});
    song.file = MidiFile(1, 96, {conductor.Data(), lead.Data(), bass.Data()});
    return song;
}

Bytes ShortSong()
{
    return MidiFile(0, 96,
                    {TrackBuilder().Tempo(0, 500000).Event(0, {0x90, 60, 100}).Event(48, {0x80, 60, 0}).End().Data()});
}

std::vector<Timed> Messages(const std::vector<PlayedEvent>& played)
{
    std::vector<Timed> out;
    for (const PlayedEvent& p : played) {
        if ((p.event & 0x3F000000) == 0) out.push_back({p.time, p.event});
    }
    return out;
}

// Tempo changes as heard: a tempo sent again unchanged is no change.
std::vector<Timed> Tempos(const std::vector<PlayedEvent>& played)
{
    std::vector<Timed> out;
    for (const PlayedEvent& p : played) {
        if ((p.event & 0xFF000000) != kMevtTempo) continue;
        const uint32_t value = p.event & kMevtParameterMask;
        if (out.empty() || out.back().word != value) out.push_back({p.time, value});
    }
    return out;
}

class TestPlayer : public CMidiPlayer {
public:
    using CMidiPlayer::CMidiPlayer;
    std::vector<MidiResult> Errors()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return errors_;
    }
    std::vector<std::string> parseErrors;

protected:
    void OnError(MidiResult code) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        errors_.push_back(code);
    }
    void OnParseError(int track, const char* text) override { parseErrors.push_back(text); }

private:
    std::mutex mutex_;
    std::vector<MidiResult> errors_;
};

class MidiPlayerTest : public ::testing::Test {
protected:
    void Make(BufferReturn mode = BufferReturn::OnCallerThread,
              std::chrono::milliseconds timeout = kBufferReturnTimeout)
    {
        auto device = std::make_unique<FakeMidiDevice>(state, mode);
        fake = device.get();
        player = std::make_unique<TestPlayer>(std::move(device), kMidiMapper, timeout);
    }
    void SetUp() override { Make(); }
    void TearDown() override
    {
        player.reset();
        EXPECT_EQ(state->Breaches(), std::vector<std::string>());
    }
    // The calls since the mark.
    std::vector<std::string> CallsSince(size_t mark)
    {
        std::vector<std::string> calls = state->Calls();
        return std::vector<std::string>(calls.begin() + long(std::min(mark, calls.size())), calls.end());
    }
    size_t Mark() { return state->Calls().size(); }

    std::shared_ptr<FakeMidiState> state = std::make_shared<FakeMidiState>();
    FakeMidiDevice* fake = nullptr;
    std::unique_ptr<TestPlayer> player;
};

const std::vector<std::string> kPrime = {"open -1", "timediv 96", "prepare 0", "out 0", "prepare 1", "out 1"};
const std::vector<std::string> kCloseAndPrime = {"stop",  "reset",     "unprepare 0", "unprepare 1",
                                                 "close", "open -1",   "timediv 96",  "prepare 0",
                                                 "out 0", "prepare 1", "out 1"};

}  // namespace

TEST_F(MidiPlayerTest, LoadingPrimesTwoBuffersOnAPausedStream)
{
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    EXPECT_EQ(state->Calls(), kPrime);
    EXPECT_EQ(state->division, 96u);
    EXPECT_FALSE(fake->Running());
    EXPECT_FALSE(player->IsPlaying());
    EXPECT_EQ(fake->QueuedCount(), 2);
    EXPECT_EQ(fake->PlayNext(), false);  // nothing plays before Play
    EXPECT_FALSE(player->LoadFromMemory(ShortSong()));  // one song per player
}

TEST_F(MidiPlayerTest, TheWholeSongReachesTheDeviceInTimeOrder)
{
    Song song = LongSong();
    ASSERT_TRUE(player->LoadFromMemory(song.file));
    ASSERT_TRUE(player->Play(false));
    EXPECT_TRUE(player->IsPlaying());
    EXPECT_GT(fake->PlayAll(), 20);
    std::vector<PlayedEvent> played = state->Played();
    EXPECT_EQ(Messages(played), song.messages);
    EXPECT_EQ(Tempos(played), song.tempos);
    EXPECT_EQ(player->GetPlayedBytes(), played.size() * kMidiEventBytes);
}

TEST_F(MidiPlayerTest, TheEndIsPostedAndTheReopenRunsOnTheOwnersThread)
{
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    ASSERT_TRUE(player->Play(false));
    const size_t mark = Mark();
    std::vector<int> states;
    while (fake->PlayNext()) {
        if (states.empty() || states.back() != player->GetState()) states.push_back(player->GetState());
    }
    // The last buffer filled, then both back.
    EXPECT_EQ(states, (std::vector<int>{kMidiStateNormal, kMidiStateEnding, kMidiStateStopped}));
    // Inside the callbacks: refills and the notice only; the stream is neither stopped nor closed.
    std::vector<std::string> inCallbacks = CallsSince(mark);
    EXPECT_EQ(std::count(inCallbacks.begin(), inCallbacks.end(), "post"), 1);
    for (const std::string& call : inCallbacks)
        EXPECT_TRUE(call == "out 0" || call == "out 1" || call == "post") << call;
    EXPECT_EQ(player->GetState(), kMidiStateStopped);
    EXPECT_TRUE(player->IsPlaying());  // until the owner's thread has run the notice

    const size_t beforeNotice = Mark();
    EXPECT_EQ(fake->DeliverPosts(), 1);
    EXPECT_EQ(CallsSince(beforeNotice), kCloseAndPrime);
    EXPECT_FALSE(player->IsPlaying());
    EXPECT_FALSE(fake->Running());

    // Ready to play again from the start.
    const size_t heardBefore = state->Played().size();
    ASSERT_TRUE(player->Play(false));
    fake->PlayNext();
    std::vector<PlayedEvent> played = state->Played();
    ASSERT_GT(played.size(), heardBefore);
    std::vector<PlayedEvent> again(played.begin() + long(heardBefore), played.end());
    EXPECT_EQ(Tempos(again)[0], (Timed{0, 500000}));
    EXPECT_EQ(Messages(again)[0], (Timed{0, ShortMessageWord(0x90, 60, 100)}));
}

TEST_F(MidiPlayerTest, ANoticeThatArrivesAfterANewPlayIsIgnored)
{
    ASSERT_TRUE(player->LoadFromMemory(ShortSong()));
    ASSERT_TRUE(player->Play(false));
    fake->PlayAll();
    ASSERT_EQ(state->posts, 1);
    ASSERT_TRUE(player->Play(false));  // before the notice is delivered
    const size_t mark = Mark();
    fake->DeliverPosts();
    EXPECT_EQ(CallsSince(mark), std::vector<std::string>());
    EXPECT_TRUE(player->IsPlaying());
}

TEST_F(MidiPlayerTest, StoppingMidSongStartsOverUnlessLooping)
{
    Song song = LongSong();
    for (bool loop : {false, true}) {
        SCOPED_TRACE(loop);
        Make();
        ASSERT_TRUE(player->LoadFromMemory(song.file));
        ASSERT_TRUE(player->Play(loop));
        for (int i = 0; i < 6; ++i) ASSERT_TRUE(fake->PlayNext());
        const size_t heard = state->Played().size();
        const size_t mark = Mark();
        ASSERT_TRUE(player->Stop(true));
        EXPECT_EQ(CallsSince(mark), kCloseAndPrime);
        EXPECT_FALSE(player->IsPlaying());
        ASSERT_TRUE(player->Play(loop));
        ASSERT_TRUE(fake->PlayNext());
        std::vector<PlayedEvent> played = state->Played();
        std::vector<Timed> after = Messages(std::vector<PlayedEvent>(played.begin() + long(heard), played.end()));
        ASSERT_FALSE(after.empty());
        if (loop) {
            EXPECT_NE(after[0].word, song.messages[0].word);
        } else {
            EXPECT_EQ(after[0], song.messages[0]);
        }
    }
}

TEST_F(MidiPlayerTest, PlayWhilePlayingStartsTheSongAgain)
{
    Song song = LongSong();
    ASSERT_TRUE(player->LoadFromMemory(song.file));
    ASSERT_TRUE(player->Play(false));
    for (int i = 0; i < 4; ++i) fake->PlayNext();
    const size_t heard = state->Played().size();
    ASSERT_TRUE(player->Play(false));
    EXPECT_TRUE(player->IsPlaying());
    fake->PlayNext();
    std::vector<PlayedEvent> played = state->Played();
    EXPECT_EQ(Messages(std::vector<PlayedEvent>(played.begin() + long(heard), played.end()))[0], song.messages[0]);
}

TEST_F(MidiPlayerTest, ALoopingSongPlaysOnWithoutEnding)
{
    ASSERT_TRUE(player->LoadFromMemory(ShortSong()));
    ASSERT_TRUE(player->Play(true));
    EXPECT_TRUE(player->GetLoop());
    EXPECT_EQ(fake->PlayAll(40), 40);
    EXPECT_EQ(state->posts, 0);
    std::vector<Timed> messages = Messages(state->Played());
    ASSERT_GE(messages.size(), 6u);
    // Note on at 0, off at 48, then the next pass from tick 0: on again right after the off.
    EXPECT_EQ(messages[2], (Timed{48, ShortMessageWord(0x90, 60, 100)}));
    EXPECT_EQ(messages[3], (Timed{96, ShortMessageWord(0x80, 60, 0)}));
}

TEST_F(MidiPlayerTest, ASongWithNothingToSendEndsAsSoonAsItPlays)
{
    ASSERT_TRUE(player->LoadFromMemory(MidiFile(1, 96, {TrackBuilder().Meta(0, 1, {'x'}).End(96).Data(), Bytes()})));
    EXPECT_EQ(fake->QueuedCount(), 0);
    ASSERT_TRUE(player->Play(false));
    EXPECT_EQ(state->posts, 1);
    fake->DeliverPosts();
    EXPECT_FALSE(player->IsPlaying());
    EXPECT_TRUE(player->Play(true));  // looping changes nothing: there is nothing to loop
    fake->DeliverPosts();
    EXPECT_FALSE(player->IsPlaying());
}

TEST_F(MidiPlayerTest, PauseAndResumeAnswerOnlyWhenTheyAct)
{
    EXPECT_FALSE(player->Pause());
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    EXPECT_FALSE(player->Pause());  // not playing
    EXPECT_FALSE(player->Resume());
    ASSERT_TRUE(player->Play(false));
    EXPECT_FALSE(player->Resume());  // not paused
    EXPECT_TRUE(player->Pause());
    EXPECT_TRUE(player->IsPaused());
    EXPECT_TRUE(player->IsPlaying());
    EXPECT_FALSE(player->Pause());
    EXPECT_FALSE(fake->PlayNext());  // a paused stream plays nothing
    const size_t mark = Mark();
    EXPECT_TRUE(player->Play(false));  // goes on where it was
    EXPECT_EQ(CallsSince(mark), std::vector<std::string>{"restart"});
    EXPECT_FALSE(player->IsPaused());
    EXPECT_TRUE(player->Pause());
    EXPECT_TRUE(player->Resume());
    EXPECT_TRUE(fake->PlayNext());
}

TEST_F(MidiPlayerTest, SetVolumeCapsAndSendsEveryChannelOnlyWhilePlaying)
{
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    player->SetVolume(50);
    EXPECT_EQ(player->GetVolume(), 100);
    EXPECT_TRUE(state->shortMessages.empty());
    ASSERT_TRUE(player->Play(false));
    struct Case {
        int percent;
        int volume;
        uint8_t value;
    } cases[] = {{150, 100, 127}, {-5, 100, 127}, {50, 50, 63}, {0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        state->shortMessages.clear();
        player->SetVolume(c.percent);
        EXPECT_EQ(player->GetVolume(), c.volume);
        ASSERT_EQ(state->shortMessages.size(), 16u);
        for (uint32_t ch = 0; ch < 16; ++ch) {
            EXPECT_EQ(state->shortMessages[ch], ShortMessageWord(uint8_t(0xB0 | ch), 7, c.value));
        }
    }
}

TEST_F(MidiPlayerTest, AVolumeControllerTheStreamReachesSetsItsChannel)
{
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    ASSERT_TRUE(player->Play(false));
    fake->PlayAll();
    // Channel 0 went to 64 of 127, that is 50 %: (15 x 100 + 50) / 16.
    EXPECT_EQ(player->GetVolume(), 96);
}

TEST_F(MidiPlayerTest, TempoPercentageZeroIsOne)
{
    player->SetPercent(0);
    EXPECT_EQ(player->GetPercent(), 1);
    player->SetPercent(-20);
    EXPECT_EQ(player->GetPercent(), -20);
    player->SetPercent(250);
    EXPECT_EQ(player->GetPercent(), 250);
}

TEST_F(MidiPlayerTest, HalfSpeedDoublesEveryTempoSent)
{
    Song song = LongSong();
    player->SetPercent(50);
    ASSERT_TRUE(player->LoadFromMemory(song.file));
    ASSERT_TRUE(player->Play(false));
    fake->PlayAll();
    std::vector<Timed> expected;
    for (const Timed& t : song.tempos) expected.push_back({t.time, t.word * 2});
    EXPECT_EQ(Tempos(state->Played()), expected);
}

TEST_F(MidiPlayerTest, WithoutASongEveryOperationFails)
{
    EXPECT_FALSE(player->Play(false));
    EXPECT_FALSE(player->Stop(true));
    EXPECT_FALSE(player->Rewind());
    EXPECT_FALSE(player->IsLoaded());
    EXPECT_EQ(player->GetVolume(), 100);
    EXPECT_TRUE(state->Calls().empty());
}

TEST_F(MidiPlayerTest, ADamagedFileIsNotKept)
{
    EXPECT_FALSE(player->LoadFromMemory(MidiFile(0, 96, {TrackBuilder().Event(0, {60, 1}).End().Data()})));
    EXPECT_EQ(player->parseErrors, std::vector<std::string>{"Reference to missing running status."});
    EXPECT_FALSE(player->IsLoaded());
    EXPECT_TRUE(state->Calls().empty());
    EXPECT_TRUE(player->LoadFromMemory(ShortSong()));
}

TEST_F(MidiPlayerTest, AStreamThatCannotBeOpenedIsTriedAgainByPlay)
{
    state->openResult = 2;  // no device
    EXPECT_FALSE(player->LoadFromMemory(ShortSong()));
    EXPECT_EQ(player->Errors(), std::vector<MidiResult>{2});
    EXPECT_TRUE(player->IsLoaded());
    EXPECT_FALSE(player->Play(false));
    EXPECT_FALSE(player->IsPlaying());
    state->openResult = kMidiOk;
    EXPECT_TRUE(player->Play(false));
    EXPECT_TRUE(player->IsPlaying());
    EXPECT_EQ(fake->PlayAll(), 1);
}

TEST_F(MidiPlayerTest, AFailedRestartLeavesThePlayerStopped)
{
    ASSERT_TRUE(player->LoadFromMemory(ShortSong()));
    state->restartResult = 11;
    EXPECT_FALSE(player->Play(false));
    EXPECT_FALSE(player->IsPlaying());
    EXPECT_EQ(player->Errors(), std::vector<MidiResult>{11});
}

TEST_F(MidiPlayerTest, RewindWhilePlayingGoesBackToTheStart)
{
    Song song = LongSong();
    ASSERT_TRUE(player->LoadFromMemory(song.file));
    ASSERT_TRUE(player->Play(false));
    for (int i = 0; i < 5; ++i) fake->PlayNext();
    ASSERT_TRUE(player->Rewind());
    // The two buffers already queued play out, then the song starts over.
    fake->PlayNext();
    fake->PlayNext();
    const size_t heard = state->Played().size();
    fake->PlayNext();
    std::vector<PlayedEvent> played = state->Played();
    std::vector<Timed> after = Messages(std::vector<PlayedEvent>(played.begin() + long(heard), played.end()));
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after[0].word, song.messages[0].word);
}

TEST_F(MidiPlayerTest, BuffersTheDriverKeepsAreNeitherFreedNorUnprepared)
{
    Make(BufferReturn::Never, std::chrono::milliseconds(30));
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    ASSERT_TRUE(player->Play(false));
    const size_t mark = Mark();
    EXPECT_FALSE(player->Stop(true));
    EXPECT_EQ(CallsSince(mark), (std::vector<std::string>{"stop", "reset"}));
    EXPECT_EQ(player->GetState(), kMidiStateStopping);

    // The driver is late, then gives them back: the next stop finishes the work.
    fake->ReturnAll();
    EXPECT_EQ(player->GetState(), kMidiStateStopped);
    const size_t later = Mark();
    EXPECT_TRUE(player->Stop(true));
    EXPECT_EQ(CallsSince(later), kCloseAndPrime);
}

TEST_F(MidiPlayerTest, APlayerDestroyedWhileTheDriverKeepsItsBuffersLeavesThemToTheDevice)
{
    Make(BufferReturn::Never, std::chrono::milliseconds(30));
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    ASSERT_TRUE(player->Play(false));
    const size_t mark = Mark();
    player.reset();
    EXPECT_EQ(CallsSince(mark), (std::vector<std::string>{"stop", "reset", "abandon"}));
    EXPECT_TRUE(state->abandoned);
    EXPECT_EQ(state->keptBuffers.size(), 1u);
}

TEST_F(MidiPlayerTest, DestroyingAPlayingPlayerClosesItsStream)
{
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    ASSERT_TRUE(player->Play(false));
    fake->PlayNext();
    const size_t mark = Mark();
    player.reset();
    EXPECT_EQ(CallsSince(mark), (std::vector<std::string>{"stop", "reset", "unprepare 0", "unprepare 1", "close"}));
}

// The callbacks come on the device's own thread, as the system's do.
class MidiPlayerThreadTest : public MidiPlayerTest {
protected:
    void SetUp() override { Make(BufferReturn::OnDeviceThread); }
    // Polls for the condition with a generous limit.
    template <class Condition>
    bool WaitFor(Condition condition)
    {
        for (int i = 0; i < 5000; ++i) {
            if (condition()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return condition();
    }
};

TEST_F(MidiPlayerThreadTest, ASongPlaysToItsEndOnTheDevicesThread)
{
    Song song = LongSong();
    ASSERT_TRUE(player->LoadFromMemory(song.file));
    ASSERT_TRUE(player->Play(false));
    ASSERT_TRUE(WaitFor([&] { return state->Count("post") == 1; }));
    EXPECT_EQ(Messages(state->Played()), song.messages);
    EXPECT_EQ(fake->DeliverPosts(), 1);
    EXPECT_FALSE(player->IsPlaying());
    EXPECT_EQ(fake->QueuedCount(), 2);
}

TEST_F(MidiPlayerThreadTest, StopsAndPausesRaceTheCallbacksSafely)
{
    ASSERT_TRUE(player->LoadFromMemory(LongSong().file));
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(player->Play(round % 3 == 0));
        if (round % 4 == 1) {
            player->Pause();
            player->SetVolume(round);
            player->Resume();
        }
        player->SetPercent(50 + round);
        ASSERT_TRUE(player->Stop(true));
        EXPECT_FALSE(player->IsPlaying());
        EXPECT_EQ(player->GetState(), kMidiStateNormal);
    }
    EXPECT_TRUE(player->Errors().empty());
}
