#include "midi_builder.h"
#include "midi_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace qbk;
using miditest::Bytes;
using miditest::MidiFile;
using miditest::MidiFileWithCount;
using miditest::TrackBuilder;

namespace {

struct ParseErrors {
    std::vector<std::pair<int, std::string>> seen;
    static void Record(void* context, int track, const char* text)
    {
        static_cast<ParseErrors*>(context)->seen.emplace_back(track, text);
    }
};

// The song's tracks point into the file, which must outlive them.
bool Parse(const Bytes& file, MidiSong* song, ParseErrors* errors = nullptr)
{
    return ParseMidiSong(file.data(), file.size(), song, errors ? &ParseErrors::Record : nullptr, errors);
}
bool Parse(Bytes&& file, MidiSong* song, ParseErrors* errors = nullptr) = delete;

std::vector<MidiEvent> ReadAll(MidiTrack& track)
{
    std::vector<MidiEvent> events;
    const char* error = nullptr;
    MidiEvent e;
    while (!track.Ended() && track.ReadEvent(&e, &error)) events.push_back(e);
    return events;
}

// Two tracks using running status, a SysEx, text and tempo meta events.
Bytes TwoTrackSong()
{
    TrackBuilder conductor;
    conductor.Tempo(0, 500000).Meta(0, 0x03, {'S', 'o', 'n', 'g'}).Tempo(96, 250000).End(0);
    TrackBuilder melody;
    melody.Event(0, {0x90, 60, 100})
        .Event(48, {62, 90})  // running status
        .SysEx(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
        .Event(48, {0xC0, 5})
        .Event(0, {7})  // running status on a one-byte message
        .Event(24, {0x80, 60, 0})
        .End(10);
    return MidiFile(1, 96, {conductor.Data(), melody.Data()});
}

}  // namespace

TEST(MidiFile, HeaderAndTracksOfATwoTrackSong)
{
    Bytes file = TwoTrackSong();
    MidiSong song;
    ASSERT_TRUE(Parse(file, &song));
    EXPECT_EQ(song.format, 1);
    EXPECT_EQ(song.division, 96);
    ASSERT_EQ(song.tracks.size(), 2u);
}

TEST(MidiFile, EventsCarryAbsoluteTicksRunningStatusAndPayloads)
{
    Bytes file = TwoTrackSong();
    MidiSong song;
    ASSERT_TRUE(Parse(file, &song));
    std::vector<MidiEvent> melody = ReadAll(song.tracks[1]);
    ASSERT_EQ(melody.size(), 7u);
    struct Expected {
        uint64_t tick;
        uint8_t status, data1, data2;
        uint32_t length;
    } expected[] = {
        {0, 0x90, 60, 100, 3}, {48, 0x90, 62, 90, 3}, {48, 0xF0, 0, 0, 5},     {96, 0xC0, 5, 0, 2},
        {96, 0xC0, 7, 0, 2},   {120, 0x80, 60, 0, 3}, {130, 0xFF, 0x2F, 0, 0},
    };
    for (size_t i = 0; i < melody.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(melody[i].tick, expected[i].tick);
        EXPECT_EQ(melody[i].status, expected[i].status);
        EXPECT_EQ(melody[i].data1, expected[i].data1);
        EXPECT_EQ(melody[i].data2, expected[i].data2);
        EXPECT_EQ(melody[i].length, expected[i].length);
    }
    EXPECT_EQ(melody[2].payload[0], 0x7E);
    EXPECT_EQ(melody[2].payload[4], 0xF7);

    std::vector<MidiEvent> conductor = ReadAll(song.tracks[0]);
    ASSERT_EQ(conductor.size(), 4u);
    EXPECT_TRUE(conductor[2].IsMeta(kMetaTempo));
    EXPECT_EQ(conductor[2].tick, 96u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(conductor[1].payload), conductor[1].length), "Song");
}

TEST(MidiFile, RewindReadsTheTrackAgainFromItsStart)
{
    Bytes file = TwoTrackSong();
    MidiSong song;
    ASSERT_TRUE(Parse(file, &song));
    MidiTrack& track = song.tracks[1];
    std::vector<MidiEvent> first = ReadAll(track);
    MidiEvent e;
    const char* error = nullptr;
    while (track.ReadEvent(&e, &error)) {
    }
    EXPECT_TRUE(track.Ended());
    ASSERT_TRUE(track.Rewind());
    EXPECT_FALSE(track.Ended());
    EXPECT_EQ(ReadAll(track).size(), first.size());
}

TEST(MidiFile, AnEmptyTrackHasEndedFromTheStart)
{
    Bytes file = MidiFile(1, 96, {Bytes(), TrackBuilder().Event(5, {0x90, 1, 1}).End().Data()});
    MidiSong song;
    ASSERT_TRUE(Parse(file, &song));
    EXPECT_TRUE(song.tracks[0].Ended());
    EXPECT_FALSE(song.tracks[1].Ended());
    EXPECT_EQ(song.tracks[1].NextTick(), 5u);
}

TEST(MidiFile, ATrackWhoseDataStopsAfterAnEventEndsThere)
{
    Bytes file = MidiFile(0, 96, {TrackBuilder().Event(0, {0x90, 60, 100}).Event(10, {0x80, 60, 0}).Data()});
    MidiSong song;
    ASSERT_TRUE(Parse(file, &song));
    std::vector<MidiEvent> events = ReadAll(song.tracks[0]);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_TRUE(song.tracks[0].Ended());
}

TEST(MidiFile, VariableLengthNumbersOfFourBytesLoadAndOfFiveFail)
{
    MidiSong song;
    Bytes longest = MidiFile(0, 96, {TrackBuilder().Raw({0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 1}).End().Data()});
    ASSERT_TRUE(Parse(longest, &song));
    EXPECT_EQ(song.tracks[0].NextTick(), 0x0FFFFFFFu);

    Bytes tooLong = MidiFile(0, 96, {TrackBuilder().Raw({0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 60, 1}).End().Data()});
    EXPECT_FALSE(Parse(tooLong, &song));
    Bytes tooLongLength =
        MidiFile(0, 96, {TrackBuilder().Raw({0x00, 0xFF, 0x01, 0x80, 0x80, 0x80, 0x80, 0x01, 'x'}).End().Data()});
    EXPECT_FALSE(Parse(tooLongLength, &song));
}

TEST(MidiFile, TheTicksOfManyLongDeltasDoNotWrap)
{
    TrackBuilder track;
    for (int i = 0; i < 40; ++i) track.Event(0x0FFFFFFF, {0x90, 60, 1});
    Bytes file = MidiFile(0, 96, {track.End().Data()});
    MidiSong song;
    ASSERT_TRUE(Parse(file, &song));
    std::vector<MidiEvent> events = ReadAll(song.tracks[0]);
    EXPECT_EQ(events[39].tick, 40ull * 0x0FFFFFFF);
}

TEST(MidiFile, DamagedEventsFailTheLoadWithTheirText)
{
    struct Case {
        const char* name;
        Bytes track;
        const char* text;  // null: fails without a text
    } cases[] = {
        {"running status at the start", TrackBuilder().Event(0, {60, 100}).End().Data(), kMissingRunningStatus},
        {"running status after a meta only", TrackBuilder().Meta(0, 1, {'a'}).Event(0, {60, 100}).End().Data(),
         kMissingRunningStatus},
        {"sysex length cut", TrackBuilder().Raw({0x00, 0xF0, 0x85}).Data(), kSysExLengthTruncated},
        {"sysex data cut", TrackBuilder().Raw({0x00, 0xF0, 0x05, 1, 2}).Data(), kSysExTruncated},
        {"meta type missing", TrackBuilder().Raw({0x00, 0xFF}).Data(), kMetaTruncated},
        {"meta length cut", TrackBuilder().Raw({0x00, 0xFF, 0x51, 0x83}).Data(), kMetaLengthTruncated},
        {"meta data cut", TrackBuilder().Raw({0x00, 0xFF, 0x51, 0x03, 0x07}).Data(), kMetaTruncated},
        {"system common status", TrackBuilder().Event(0, {0xF2, 1, 2}).End().Data(), nullptr},
        {"real-time status", TrackBuilder().Event(0, {0xF8}).End().Data(), nullptr},
        {"note cut", TrackBuilder().Raw({0x00, 0x90, 60}).Data(), nullptr},
        {"data byte with its top bit", TrackBuilder().Event(0, {0x90, 60, 0x90}).End().Data(), nullptr},
        {"delta cut after an event", TrackBuilder().Raw({0x00, 0x90, 60, 1, 0x81}).Data(), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes good = TrackBuilder().Event(0, {0x90, 1, 1}).End().Data();
        ParseErrors errors;
        MidiSong song;
        Bytes file = MidiFile(1, 96, {good, c.track});
        EXPECT_FALSE(Parse(file, &song, &errors));
        EXPECT_TRUE(song.tracks.empty());
        if (c.text) {
            ASSERT_EQ(errors.seen.size(), 1u);
            EXPECT_EQ(errors.seen[0].first, 1);
            EXPECT_EQ(errors.seen[0].second, c.text);
        } else {
            EXPECT_TRUE(errors.seen.empty());
        }
    }
}

TEST(MidiFile, DamagedHeadersAndChunksFail)
{
    Bytes track = TrackBuilder().Event(0, {0x90, 60, 1}).End().Data();
    Bytes good = MidiFile(0, 96, {track});
    struct Case {
        const char* name;
        Bytes file;
    } cases[] = {
        {"wrong magic",
         [&] {
             Bytes b = good;
             b[0] = 'X';
             return b;
         }()},
        {"header length 8",
         [&] {
             Bytes b = good;
             b[7] = 8;
             return b;
         }()},
        {"division 0", MidiFile(0, 0, {track})},
        {"track id",
         [&] {
             Bytes b = good;
             b[14 + 3] = 'x';
             return b;
         }()},
        {"more tracks counted than there are", MidiFileWithCount(1, 2, 96, {track})},
        {"track length past the end",
         [&] {
             Bytes b = good;
             b[14 + 7] += 1;
             return b;
         }()},
        {"track length of 4 GB",
         [&] {
             Bytes b = good;
             b[14 + 4] = 0xFF;
             b[14 + 5] = 0xFF;
             b[14 + 6] = 0xFF;
             b[14 + 7] = 0xFF;
             return b;
         }()},
        {"empty", Bytes()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MidiSong song;
        EXPECT_FALSE(Parse(c.file, &song));
    }
    MidiSong song;
    EXPECT_TRUE(Parse(good, &song));
    EXPECT_FALSE(ParseMidiSong(nullptr, 0, &song));
}

TEST(MidiFile, EveryCutOfAValidFileFails)
{
    Bytes file = TwoTrackSong();
    for (size_t cut = 0; cut < file.size(); ++cut) {
        SCOPED_TRACE(cut);
        Bytes part(file.begin(), file.begin() + cut);
        MidiSong song;
        EXPECT_FALSE(Parse(part, &song));
    }
}

TEST(MidiFile, ATrackLengthThatLiesShortCutsItsEvents)
{
    // The chunk says one byte less: the end-of-track event is cut, which fails the read.
    Bytes track = TrackBuilder().Event(0, {0x90, 60, 1}).End(5).Data();
    Bytes file = MidiFile(0, 96, {track});
    file[14 + 7] -= 1;
    file.pop_back();
    MidiSong song;
    EXPECT_FALSE(Parse(file, &song));
    // Cut right after a whole event, the track simply ends there.
    file = MidiFile(0, 96, {track});
    file[14 + 7] -= 4;
    EXPECT_TRUE(Parse(file, &song));
}
