#include "anim_file_io.h"
#include "anim_format.h"
#include "anim_frames.h"
#include "image_samples.h"
#include "test_picture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

using namespace qbk;
using animtest::Bytes;
using animtest::DecodePicture;
using animtest::EncodePicture;
using animtest::MakePicture;
using animtest::Picture;

namespace {

using Frames = AnimationFrames<Picture>;

AnimFrameDecoder Into(Frames& frames)
{
    return [&frames](const uint8_t* png, size_t size) {
        auto picture = std::make_unique<Picture>();
        if (!DecodePicture(png, size, picture.get())) return false;
        frames.Append(std::move(picture));
        return true;
    };
}

AnimFrameEncoder From(const Frames& frames)
{
    return [&frames](int index, ByteWriter& png) { return EncodePicture(*frames.Get(index), png); };
}

Frames ThreeFrames()
{
    Frames frames;
    frames.Append(std::make_unique<Picture>(MakePicture(1, 1, 1)));
    frames.Append(std::make_unique<Picture>(MakePicture(7, 3, 2)));
    frames.Append(std::make_unique<Picture>(MakePicture(16, 16, 3)));
    return frames;
}

Bytes Field(const std::string& text)
{
    Bytes field(kAnimFieldSize, 0);
    std::memcpy(field.data(), text.data(), std::min(text.size(), kAnimFieldSize));
    return field;
}

// An animation image with its fields given as texts, so that any of them can lie.
Bytes AnimBytes(const std::string& count, const std::string& delay,
                const std::vector<std::pair<std::string, Bytes>>& frames)
{
    Bytes out(kAnimMagic, kAnimMagic + kAnimMagicSize);
    for (const std::string& text : {count, delay}) {
        Bytes f = Field(text);
        out.insert(out.end(), f.begin(), f.end());
    }
    for (const auto& frame : frames) {
        Bytes f = Field(frame.first);
        out.insert(out.end(), f.begin(), f.end());
        out.insert(out.end(), frame.second.begin(), frame.second.end());
    }
    return out;
}

Bytes WellFormed(int frames = 2, const std::string& delay = "150")
{
    std::vector<std::pair<std::string, Bytes>> list;
    for (int i = 0; i < frames; ++i) {
        Bytes png = EncodePicture(MakePicture(3 + i, 2, i));
        list.emplace_back(std::to_string(png.size()), png);
    }
    return AnimBytes(std::to_string(frames), delay, list);
}

struct ReadResult {
    bool ok = false;
    int delay = -999;
    int frames = 0;
};

ReadResult Read(const Bytes& image)
{
    Frames frames;
    ReadResult r;
    MemoryReader reader(image.data(), image.size());
    r.ok = ReadAnimation(reader, Into(frames), &r.delay);
    r.frames = frames.Count();
    return r;
}

Bytes Write(const Frames& frames, int delay)
{
    GrowingWriter out;
    EXPECT_TRUE(WriteAnimation(out, frames.Count(), delay, From(frames)));
    return Bytes(out.Data(), out.Data() + out.Size());
}

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() /
            ("qbk_anim_test_" + std::to_string(qbktest::ProcessId()) + "_" + name))
        .string();
}

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(AnimNumber, FieldsHoldDecimalTextAndZeroBytes)
{
    struct Case {
        int value;
        const char* text;
    } cases[] = {{0, "0"}, {200, "200"}, {-5, "-5"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        uint8_t field[kAnimFieldSize];
        std::memset(field, 0xAA, sizeof field);
        FormatAnimNumber(c.value, field);
        EXPECT_EQ(Bytes(field, field + kAnimFieldSize), Field(c.text));
        int back = 1;
        EXPECT_TRUE(ParseAnimNumber(field, &back));
        EXPECT_EQ(back, c.value);
    }
}

TEST(AnimNumber, ReadersStopAtTheFirstByteThatIsNotADigit)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"12abc", true, 12},
        {"", true, 0},
        {"-", true, 0},
        {" 5", true, 0},
        {"--5", true, 0},
        {"-0", true, 0},
        {"007", true, 7},
        {"5-3", true, 5},
        {"999999999999", false, 0},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Bytes field = Field(c.text);
        int value = 1234;
        EXPECT_EQ(ParseAnimNumber(field.data(), &value), c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST(AnimFile, AOneFrameFileIsTheMagicThreeFieldsAndThePng)
{
    Frames frames;
    frames.Append(std::make_unique<Picture>(MakePicture(1, 1, 9)));
    Bytes image = Write(frames, 75);
    Bytes png = EncodePicture(*frames.Get(0));
    ASSERT_EQ(image.size(), 44 + png.size());
    EXPECT_EQ(std::memcmp(image.data(), "QBKANIM\0", 8), 0);
    EXPECT_EQ(Bytes(image.begin() + 8, image.begin() + 20), Field("1"));
    EXPECT_EQ(Bytes(image.begin() + 20, image.begin() + 32), Field("75"));
    EXPECT_EQ(Bytes(image.begin() + 32, image.begin() + 44), Field(std::to_string(png.size())));
    EXPECT_EQ(Bytes(image.begin() + 44, image.end()), png);
}

TEST(AnimFile, FramesAndDelayComeBackAsWritten)
{
    Frames frames = ThreeFrames();
    Bytes image = Write(frames, 150);
    Frames back;
    int delay = 0;
    MemoryReader reader(image.data(), image.size());
    ASSERT_TRUE(ReadAnimation(reader, Into(back), &delay));
    EXPECT_EQ(delay, 150);
    ASSERT_EQ(back.Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(*back.Get(i), *frames.Get(i)) << i;
}

TEST(AnimFile, CountAndDelayFieldsFollowTheirRules)
{
    Bytes png = EncodePicture(MakePicture(2, 2, 0));
    const std::string length = std::to_string(png.size());
    struct Case {
        const char* name;
        Bytes image;
        ReadResult expected;
    } cases[] = {
        {"count 0", AnimBytes("0", "100", {}), {false, -999, 0}},
        {"negative count", AnimBytes("-3", "100", {}), {true, 100, 0}},
        {"negative delay", AnimBytes("1", "-5", {{length, png}}), {true, 200, 1}},
        {"delay 0", AnimBytes("1", "0", {{length, png}}), {true, 0, 1}},
        {"count the bytes cannot hold", AnimBytes("1000000", "100", {{length, png}}), {false, -999, 0}},
        {"count past an int", AnimBytes("99999999999", "100", {{length, png}}), {false, -999, 0}},
        {"delay past an int", AnimBytes("1", "99999999999", {{length, png}}), {false, -999, 0}},
        {"negative length", AnimBytes("2", "100", {{length, png}, {"-20", png}}), {false, -999, 1}},
        {"length past the end", AnimBytes("2", "100", {{length, png}, {"2000000000", png}}), {false, -999, 1}},
        {"length 0", AnimBytes("1", "100", {{"0", {}}}), {false, -999, 0}},
        {"length one past the end", AnimBytes("1", "100", {{std::to_string(png.size() + 1), png}}), {false, -999, 0}},
        {"second frame not a png",
         AnimBytes("2", "100", {{length, png}, {"4", {'J', 'U', 'N', 'K'}}}),
         {false, -999, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadResult r = Read(c.image);
        EXPECT_EQ(r.ok, c.expected.ok);
        EXPECT_EQ(r.delay, c.expected.delay);
        EXPECT_EQ(r.frames, c.expected.frames);
    }
}

TEST(AnimFile, AWrongMagicFails)
{
    Bytes image = WellFormed();
    for (size_t at : {0u, 6u, 7u}) {
        Bytes bad = image;
        bad[at] ^= 0x20;
        EXPECT_FALSE(Read(bad).ok) << at;
    }
}

TEST(AnimFile, EveryCutFailsAndKeepsTheFramesBeforeIt)
{
    Bytes image = WellFormed(2);
    const size_t firstLength = std::stoul(std::string(reinterpret_cast<const char*>(&image[32])));
    const size_t secondFrameEnd = image.size();
    const size_t firstFrameEnd = 44 + firstLength;
    for (size_t cut = 0; cut < secondFrameEnd; ++cut) {
        SCOPED_TRACE(cut);
        ReadResult r = Read(Bytes(image.begin(), image.begin() + cut));
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.frames, cut >= firstFrameEnd ? 1 : 0);
    }
    EXPECT_TRUE(Read(image).ok);
}

TEST(AnimFile, SavingFailsWhenAFrameCannotBeEncodedAndLeavesTheOldFile)
{
    const std::string path = TempPath("encode.qan");
    Frames frames = ThreeFrames();
    ASSERT_TRUE(SaveAnimationFile(path.c_str(), frames.Count(), 120, From(frames)));
    const Bytes before = ReadFile(path);
    AnimFrameEncoder failsOnSecond = [&](int index, ByteWriter& png) {
        return index != 1 && EncodePicture(*frames.Get(index), png);
    };
    EXPECT_FALSE(SaveAnimationFile(path.c_str(), frames.Count(), 60, failsOnSecond));
    EXPECT_EQ(ReadFile(path), before);
    AnimFrameEncoder writesNothing = [](int, ByteWriter&) { return true; };
    EXPECT_FALSE(SaveAnimationFile(path.c_str(), 1, 60, writesNothing));
    EXPECT_EQ(ReadFile(path), before);

    CMemFile stream;
    ASSERT_TRUE(SaveAnimationStream(&stream, frames.Count(), 120, From(frames)));
    const ULONGLONG length = stream.GetLength();
    EXPECT_FALSE(SaveAnimationStream(&stream, frames.Count(), 60, failsOnSecond));
    EXPECT_EQ(stream.GetLength(), length);
    EXPECT_EQ(Bytes(stream.Data(), stream.Data() + length), before);
    std::remove(path.c_str());
}

TEST(AnimFile, AFileRoundTripsAndAMissingOneFails)
{
    const std::string path = TempPath("round.qan");
    Frames frames = ThreeFrames();
    ASSERT_TRUE(SaveAnimationFile(path.c_str(), frames.Count(), 33, From(frames)));
    Frames back;
    int delay = 0;
    ASSERT_TRUE(LoadAnimationFile(path.c_str(), Into(back), &delay));
    EXPECT_EQ(delay, 33);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(*back.Get(2), *frames.Get(2));
    std::remove(path.c_str());
    EXPECT_FALSE(LoadAnimationFile(path.c_str(), Into(back), &delay));
    EXPECT_FALSE(LoadAnimationFile("", Into(back), &delay));
    EXPECT_FALSE(SaveAnimationFile("", 0, 0, From(frames)));
}

TEST(AnimFile, AStreamIsReplacedAndRewoundOnSaveAndLeftInPlaceOnLoad)
{
    Frames frames = ThreeFrames();
    CMemFile stream;
    const char junk[] = "old content that is longer than nothing at all";
    stream.Write(junk, sizeof junk);
    ASSERT_TRUE(SaveAnimationStream(&stream, frames.Count(), 90, From(frames)));
    EXPECT_EQ(stream.GetPosition(), 0u);
    const Bytes expected = Write(frames, 90);
    ASSERT_EQ(stream.GetLength(), expected.size());
    EXPECT_EQ(Bytes(stream.Data(), stream.Data() + expected.size()), expected);

    stream.Seek(17, CFile::begin);
    Frames back;
    int delay = 0;
    ASSERT_TRUE(LoadAnimationStream(&stream, Into(back), &delay));
    EXPECT_EQ(stream.GetPosition(), 17u);
    EXPECT_EQ(back.Count(), 3);

    // A damaged stream fails and is put back too.
    stream.SetLength(60);
    stream.Seek(5, CFile::begin);
    Frames none;
    EXPECT_FALSE(LoadAnimationStream(&stream, Into(none), &delay));
    EXPECT_EQ(stream.GetPosition(), 5u);
    EXPECT_FALSE(LoadAnimationStream(nullptr, Into(none), &delay));
    EXPECT_FALSE(SaveAnimationStream(nullptr, 0, 0, From(frames)));
}
