#include "midi_builder.h"
#include "midi_sequencer.h"

#include <gtest/gtest.h>

using namespace qbk;
using miditest::Bytes;
using miditest::MidiFile;
using miditest::TrackBuilder;

namespace {

struct Sent {
    uint32_t delta;
    uint32_t event;
    bool operator==(const Sent& o) const { return delta == o.delta && event == o.event; }
};

std::ostream& operator<<(std::ostream& out, const Sent& s)
{
    return out << "{" << s.delta << ", 0x" << std::hex << s.event << std::dec << "}";
}

std::vector<Sent> Events(const MidiStreamBuffer& buffer)
{
    std::vector<Sent> out;
    MidiStreamEvent e;
    for (uint32_t offset = 0; buffer.EventAt(offset, &e); offset += kMidiEventBytes) {
        EXPECT_EQ(e.streamId, 0u);
        out.push_back({e.delta, e.event});
    }
    return out;
}

// Holds the file image for as long as the sequencer reads it.
struct Fixture {
    Bytes image;
    MidiSequencer sequencer;
    explicit Fixture(Bytes file) : image(std::move(file))
    {
        MidiSong song;
        EXPECT_TRUE(ParseMidiSong(image.data(), image.size(), &song));
        sequencer.SetSong(std::move(song));
    }
    // Every event until the song ends (without loop), buffer by buffer.
    std::vector<std::vector<Sent>> Drain(bool loop = false, int limit = 1000)
    {
        std::vector<std::vector<Sent>> buffers;
        MidiStreamBuffer buffer;
        for (int i = 0; i < limit; ++i) {
            int r = sequencer.Fill(&buffer, loop);
            if (r == kFillSongEnded) break;
            EXPECT_EQ(r, kFillDone);
            buffers.push_back(Events(buffer));
        }
        return buffers;
    }
    std::vector<Sent> DrainFlat(bool loop = false, int limit = 1000)
    {
        std::vector<Sent> all;
        for (auto& b : Drain(loop, limit)) all.insert(all.end(), b.begin(), b.end());
        return all;
    }
};

uint32_t Note(uint8_t status, uint8_t key, uint8_t velocity) { return ShortMessageWord(status, key, velocity); }

}  // namespace

TEST(MidiSequencer, TracksMergeInTimeOrderAndTheEarlierTrackWinsATie)
{
    Bytes a = TrackBuilder().Event(0, {0x90, 60, 100}).Event(10, {0x80, 60, 0}).End().Data();
    Bytes b = TrackBuilder().Event(5, {0x91, 64, 90}).Event(5, {0x81, 64, 0}).Event(5, {0x91, 65, 1}).End().Data();
    Fixture f(MidiFile(1, 96, {a, b}));
    std::vector<Sent> expected = {
        {0, Note(0x90, 60, 100)}, {5, Note(0x91, 64, 90)},
        {5, Note(0x80, 60, 0)},  // tick 10 in both tracks: the first track's event first
        {0, Note(0x81, 64, 0)},   {5, Note(0x91, 65, 1)},
    };
    EXPECT_EQ(f.DrainFlat(), expected);
}

TEST(MidiSequencer, EventsThatAreNotSentKeepTheirTimeForTheNextOne)
{
    // A marker, a SysEx and a lyric between two notes must not pull the second note earlier.
    Bytes track = TrackBuilder()
                      .Event(0, {0x90, 60, 100})
                      .Meta(30, 0x06, {'v', '1'})
                      .SysEx(30, {0x41, 0x10, 0xF7})
                      .Meta(30, 0x05, {'l', 'a'})
                      .Event(10, {0x80, 60, 0})
                      .End()
                      .Data();
    Fixture f(MidiFile(0, 96, {track}));
    std::vector<Sent> expected = {{0, Note(0x90, 60, 100)}, {100, Note(0x80, 60, 0)}};
    EXPECT_EQ(f.DrainFlat(), expected);
}

TEST(MidiSequencer, RunningStatusReachesTheStreamAsWholeMessages)
{
    Bytes track = TrackBuilder()
                      .Event(0, {0xE3, 0x00, 0x40})
                      .Event(1, {0x10, 0x41})
                      .Event(1, {0xD3, 90})
                      .Event(1, {80})
                      .End()
                      .Data();
    Fixture f(MidiFile(0, 96, {track}));
    std::vector<Sent> expected = {
        {0, Note(0xE3, 0x00, 0x40)}, {1, Note(0xE3, 0x10, 0x41)}, {1, Note(0xD3, 90, 0)}, {1, Note(0xD3, 80, 0)}};
    EXPECT_EQ(f.DrainFlat(), expected);
}

TEST(MidiSequencer, TempoEventsAreSentScaledByThePercentage)
{
    struct Case {
        int percent;
        uint32_t sent;
    } cases[] = {
        {100, 500000},  {50, 1000000}, {200, 250000}, {0, 0xFFFFFF},  // 0 is 1: 50000000, held to 24 bits
        {-5, 0xFFFFFF}, {1000000, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        Fixture f(MidiFile(0, 96, {TrackBuilder().Tempo(0, 500000).Event(4, {0x90, 1, 1}).End().Data()}));
        f.sequencer.SetPercent(c.percent);
        std::vector<Sent> expected = {{0, kMevtTempo | c.sent}, {4, Note(0x90, 1, 1)}};
        EXPECT_EQ(f.DrainFlat(), expected);
    }
    Fixture f(MidiFile(0, 96, {TrackBuilder().End().Data()}));
    f.sequencer.SetPercent(0);
    EXPECT_EQ(f.sequencer.Percent(), 1);
}

TEST(MidiSequencer, TempoEventsOfZeroOrShorterThanThreeBytesAreNotSent)
{
    Bytes track = TrackBuilder()
                      .Meta(0, 0x51, {0x07, 0xA1})
                      .Tempo(0, 0)
                      .Meta(0, 0x51, {})
                      .Event(4, {0x90, 1, 1})
                      .Meta(0, 0x51, {0x03, 0x0D, 0x40, 0x99})  // longer: its first three bytes count
                      .End()
                      .Data();
    Fixture f(MidiFile(0, 96, {track}));
    std::vector<Sent> expected = {{4, Note(0x90, 1, 1)}, {0, kMevtTempo | 200000}};
    EXPECT_EQ(f.DrainFlat(), expected);
    EXPECT_EQ(f.sequencer.Tempo(), 200000u);
}

TEST(MidiSequencer, AChangedPercentageSendsTheTempoBeforeTheNextEvent)
{
    TrackBuilder track;
    track.Tempo(0, 600000);
    for (int i = 0; i < 200; ++i) track.Event(1, {0x90, 60, 1});
    Fixture f(MidiFile(0, 480, {track.End().Data()}));
    MidiStreamBuffer buffer;
    ASSERT_EQ(f.sequencer.Fill(&buffer, false), kFillDone);
    f.sequencer.SetPercent(300);
    ASSERT_EQ(f.sequencer.Fill(&buffer, false), kFillDone);
    std::vector<Sent> sent = Events(buffer);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[0], (Sent{0, kMevtTempo | 200000}));
    EXPECT_EQ(sent[1].event, Note(0x90, 60, 1));
    // Once only.
    for (size_t i = 2; i < sent.size(); ++i) EXPECT_EQ(sent[i].event, Note(0x90, 60, 1));
}

TEST(MidiSequencer, APendingTempoWaitsForTheSongsFirstTempo)
{
    Fixture f(
        MidiFile(0, 96, {TrackBuilder().Event(0, {0x90, 1, 1}).Tempo(8, 400000).Event(8, {0x80, 1, 0}).End().Data()}));
    f.sequencer.SetPercent(50);
    std::vector<Sent> expected = {{0, Note(0x90, 1, 1)}, {8, kMevtTempo | 800000}, {8, Note(0x80, 1, 0)}};
    EXPECT_EQ(f.DrainFlat(), expected);
}

TEST(MidiSequencer, VolumeControllersAskToBeReported)
{
    Fixture f(MidiFile(0, 96, {TrackBuilder().Event(0, {0xB2, 7, 64}).Event(0, {0xB2, 10, 64}).End().Data()}));
    std::vector<Sent> expected = {{0, kMevtCallback | Note(0xB2, 7, 64)}, {0, Note(0xB2, 10, 64)}};
    EXPECT_EQ(f.DrainFlat(), expected);
}

TEST(MidiSequencer, AFullBufferHoldsEightyFiveEventsAndTheNextKeepsItsDelta)
{
    // A fast tempo gives 60 ms many ticks, so that the time span never closes a buffer.
    TrackBuilder track;
    track.Tempo(0, 1000);
    for (int i = 0; i < 100; ++i) track.Event(3, {0x90, uint8_t(i), 1});
    Fixture f(MidiFile(0, 24, {track.End().Data()}));
    auto buffers = f.Drain();
    ASSERT_EQ(buffers.size(), 2u);
    ASSERT_EQ(buffers[0].size(), kMidiEventsPerBuffer);
    EXPECT_EQ(buffers[0].back().event, Note(0x90, 83, 1));
    ASSERT_EQ(buffers[1].size(), 16u);
    EXPECT_EQ(buffers[1][0], (Sent{3, Note(0x90, 84, 1)}));
}

TEST(MidiSequencer, ABufferSpansAboutSixtyMillisecondsOfMusic)
{
    // 96 ticks a quarter at 500000 us: 60 ms are 11 ticks. Events every 4 ticks: the buffer
    // closes one event after its span passes 11 ticks.
    TrackBuilder track;
    track.Tempo(0, 500000);
    for (int i = 0; i < 40; ++i) track.Event(4, {0x90, 60, 1});
    Fixture f(MidiFile(0, 96, {track.End().Data()}));
    auto buffers = f.Drain();
    ASSERT_GE(buffers.size(), 2u);
    // tempo at 0, notes at 4, 8, 12, 16 (span 12 > 11: flagged), 20 (closes).
    EXPECT_EQ(buffers[0].size(), 5u);
    size_t total = 0;
    for (auto& b : buffers) total += b.size();
    EXPECT_EQ(total, 41u);
}

TEST(MidiSequencer, WithoutLoopTheEndIsReportedOnce)
{
    Fixture f(MidiFile(0, 96, {TrackBuilder().Event(0, {0x90, 1, 1}).End().Data()}));
    MidiStreamBuffer buffer;
    EXPECT_EQ(f.sequencer.Fill(&buffer, false), kFillDone);
    EXPECT_TRUE(f.sequencer.Ended());
    EXPECT_EQ(f.sequencer.Fill(&buffer, false), kFillSongEnded);
    EXPECT_EQ(buffer.used, 0u);
    EXPECT_EQ(f.sequencer.Fill(&buffer, false), kFillSongEnded);
}

TEST(MidiSequencer, WithLoopTheFirstEventFollowsByItsOwnDeltaFromTickZero)
{
    Bytes track = TrackBuilder().Event(7, {0x90, 1, 1}).Event(5, {0x80, 1, 0}).End(50).Data();
    Fixture f(MidiFile(0, 96, {track}));
    std::vector<Sent> sent = f.DrainFlat(true, 3);
    std::vector<Sent> expected = {{7, Note(0x90, 1, 1)}, {5, Note(0x80, 1, 0)}, {7, Note(0x90, 1, 1)},
                                  {5, Note(0x80, 1, 0)}, {7, Note(0x90, 1, 1)}, {5, Note(0x80, 1, 0)}};
    EXPECT_EQ(sent, expected);
}

TEST(MidiSequencer, ALoopedSongWithNothingToSendEnds)
{
    Fixture f(MidiFile(1, 96, {TrackBuilder().Meta(10, 0x01, {'x'}).End(5).Data(), Bytes()}));
    MidiStreamBuffer buffer;
    EXPECT_EQ(f.sequencer.Fill(&buffer, true), kFillDone);
    EXPECT_EQ(buffer.used, 0u);
    EXPECT_EQ(f.sequencer.Fill(&buffer, true), kFillSongEnded);
}

TEST(MidiSequencer, RewindStartsOverAndDropsThePendingEvent)
{
    TrackBuilder track;
    track.Tempo(0, 1000);
    for (int i = 0; i < 100; ++i) track.Event(1, {0x90, uint8_t(i), 1});
    Fixture f(MidiFile(0, 24, {track.End().Data()}));
    MidiStreamBuffer buffer;
    ASSERT_EQ(f.sequencer.Fill(&buffer, false), kFillDone);
    ASSERT_TRUE(f.sequencer.Rewind());
    ASSERT_EQ(f.sequencer.Fill(&buffer, false), kFillDone);
    std::vector<Sent> sent = Events(buffer);
    EXPECT_EQ(sent[0], (Sent{0, kMevtTempo | 1000}));
    EXPECT_EQ(sent[1], (Sent{1, Note(0x90, 0, 1)}));
}

TEST(MidiSequencer, WithoutASongNothingIsFilled)
{
    MidiSequencer sequencer;
    MidiStreamBuffer buffer;
    EXPECT_EQ(sequencer.Fill(&buffer, true), kFillFailedBefore);
    EXPECT_FALSE(sequencer.Rewind());
}
