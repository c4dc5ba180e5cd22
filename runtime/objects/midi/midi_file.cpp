#include "midi_file.h"

#include <cstring>

namespace qbk {

const char* const kSysExLengthTruncated = "SysEx event truncated (length)";
const char* const kSysExTruncated = "SysEx event truncated";
const char* const kMetaLengthTruncated = "Meta event truncated (length)";
const char* const kMetaTruncated = "Meta event truncated";
const char* const kMissingRunningStatus = "Reference to missing running status.";

namespace {

constexpr size_t kHeaderChunkSize = kMidiChunkHeaderSize + kMidiHeaderLength;

bool HasOneDataByte(uint8_t status) { return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0; }

}  // namespace

bool MidiTrack::Rewind()
{
    pos_ = 0;
    tick_ = 0;
    runningStatus_ = 0;
    ended_ = length_ == 0;
    if (ended_) return true;
    uint32_t delta = 0;
    if (!ReadVarLength(&delta)) return false;
    tick_ = delta;
    return true;
}

bool MidiTrack::ReadByte(uint8_t* value)
{
    if (pos_ >= length_) return false;
    *value = data_[pos_++];
    return true;
}

bool MidiTrack::ReadVarLength(uint32_t* value)
{
    uint32_t result = 0;
    for (int i = 0; i < kMaxVarLengthBytes; ++i) {
        uint8_t byte = 0;
        if (ended_ || !ReadByte(&byte)) return false;
        result = result << 7 | (byte & 0x7F);
        if (!(byte & 0x80)) {
            *value = result;
            return true;
        }
    }
    return false;  // a fifth byte would be needed
}

bool MidiTrack::ReadPayload(MidiEvent* event, const char* lengthError, const char* dataError, const char** error)
{
    uint32_t length = 0;
    if (!ReadVarLength(&length)) {
        *error = lengthError;
        return false;
    }
    if (length > length_ - pos_) {
        *error = dataError;
        return false;
    }
    event->length = length;
    event->payload = data_ + pos_;
    pos_ += length;
    return true;
}

bool MidiTrack::AdvanceTick()
{
    if (ended_) return true;
    if (pos_ == length_) {
        // The data stops cleanly after an event: the track ends as its end-of-track event would.
        ended_ = true;
        return true;
    }
    uint32_t delta = 0;
    if (!ReadVarLength(&delta)) return false;
    tick_ += delta;
    return true;
}

bool MidiTrack::ReadEvent(MidiEvent* event, const char** error)
{
    *error = nullptr;
    *event = MidiEvent();
    event->tick = tick_;
    uint8_t byte = 0;
    if (ended_ || !ReadByte(&byte)) return false;

    if (byte == kStatusSysEx || byte == kStatusSysExEscape) {
        event->status = byte;
        if (!ReadPayload(event, kSysExLengthTruncated, kSysExTruncated, error)) return false;
    } else if (byte == kStatusMeta) {
        event->status = byte;
        if (!ReadByte(&event->data1)) {
            *error = kMetaTruncated;
            return false;
        }
        if (!ReadPayload(event, kMetaLengthTruncated, kMetaTruncated, error)) return false;
        if (event->data1 == kMetaEndOfTrack) ended_ = true;
    } else if (byte >= 0xF0) {
        return false;  // system common and real-time messages have no place in a file
    } else {
        uint8_t status = byte;
        bool haveFirst = false;
        if (byte & 0x80) {
            runningStatus_ = byte;
        } else {
            if (!runningStatus_) {
                *error = kMissingRunningStatus;
                return false;
            }
            status = runningStatus_;
            event->data1 = byte;
            haveFirst = true;
        }
        event->status = status;
        if (!haveFirst && !ReadByte(&event->data1)) return false;
        event->length = HasOneDataByte(status) ? 2 : 3;
        if (event->length == 3 && !ReadByte(&event->data2)) return false;
        // A data byte with its top bit set means the track is out of step with its own events.
        if ((event->data1 | event->data2) & 0x80) return false;
    }
    return AdvanceTick();
}

bool ParseMidiSong(const uint8_t* image, size_t size, MidiSong* song, MidiParseErrorFn onError, void* context)
{
    *song = MidiSong();
    if (!image || size < kHeaderChunkSize) return false;
    if (std::memcmp(image, "MThd", 4) != 0 || ReadBe32(image + 4) != kMidiHeaderLength) return false;
    const int format = ReadBe16(image + 8);
    const int trackCount = ReadBe16(image + 10);
    const int division = ReadBe16(image + 12);
    if (division == 0) return false;  // no tick would have a length

    MidiSong parsed;
    parsed.format = format;
    parsed.division = division;
    parsed.tracks.reserve(size_t(trackCount));
    size_t offset = kHeaderChunkSize;
    for (int i = 0; i < trackCount; ++i) {
        if (size - offset < kMidiChunkHeaderSize || std::memcmp(image + offset, "MTrk", 4) != 0) return false;
        const uint32_t length = ReadBe32(image + offset + 4);
        const size_t start = offset + kMidiChunkHeaderSize;
        if (length > size - start) return false;
        parsed.tracks.emplace_back(image + start, length);
        offset = start + length;
    }

    // Every event of every track once, from a copy of the cursors.
    for (int i = 0; i < trackCount; ++i) {
        MidiTrack track = parsed.tracks[size_t(i)];
        const char* error = nullptr;
        bool ok = track.Rewind();
        MidiEvent event;
        while (ok && !track.Ended()) ok = track.ReadEvent(&event, &error);
        if (!ok) {
            if (onError && error) onError(context, i, error);
            return false;
        }
        parsed.tracks[size_t(i)].Rewind();
    }
    *song = std::move(parsed);
    return true;
}

}  // namespace qbk
