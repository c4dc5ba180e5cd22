#include "socket_framing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Frame(const std::string& payload)
{
    std::string frame;
    EXPECT_TRUE(FrameMessage(payload.data(), payload.size(), frame));
    return frame;
}

// Everything the reader hands out for the stream, fed in pieces of the given size.
std::vector<std::string> Read(const std::string& stream, size_t piece, FrameReader& reader)
{
    std::vector<std::string> messages;
    std::string message;
    for (size_t at = 0; at < stream.size(); at += piece) {
        reader.Append(stream.data() + at, std::min(piece, stream.size() - at));
        while (reader.Next(message) == FrameReader::Take::Message) messages.push_back(message);
    }
    return messages;
}

TEST(SocketFraming, HeaderIsFourUpperCaseHexDigits)
{
    EXPECT_EQ(Frame(""), "0000");
    EXPECT_EQ(Frame(std::string(300, 'x')).substr(0, 4), "012C");
    EXPECT_EQ(Frame(std::string(0xFFFF, 'y')).substr(0, 4), "FFFF");
    EXPECT_EQ(Frame(std::string("a\0b", 3)), std::string("0003a\0b", 7));
}

TEST(SocketFraming, PayloadTooLongForFourDigitsIsRefused)
{
    std::string frame = "kept";
    const std::string payload(0x10000, 'z');
    EXPECT_FALSE(FrameMessage(payload.data(), payload.size(), frame));
    EXPECT_EQ(frame, "kept");
}

// However TCP cuts or joins the stream, the same messages come out in order, and nothing
// before a message is complete.
TEST(SocketFraming, SplitAndMergedSegmentsGiveTheSameMessages)
{
    const std::vector<std::string> sent = {"hello", "", std::string(1000, 'q'), std::string("\0\x01\xff", 3), "end"};
    std::string stream;
    for (const std::string& m : sent) stream += Frame(m);
    for (size_t piece :
         {size_t(1), size_t(2), size_t(3), size_t(4), size_t(5), size_t(7), size_t(999), stream.size()}) {
        FrameReader reader;
        EXPECT_EQ(Read(stream, piece, reader), sent) << "pieces of " << piece;
        EXPECT_EQ(reader.Pending(), 0u);
    }
}

TEST(SocketFraming, PartialMessageWaitsForTheRest)
{
    FrameReader reader;
    std::string message;
    reader.Append("00ff", 4);  // lower-case digits are read too: 255 bytes
    EXPECT_EQ(reader.Next(message), FrameReader::Take::NeedMore);
    const std::string payload(254, 'p');
    reader.Append(payload.data(), payload.size());
    EXPECT_EQ(reader.Next(message), FrameReader::Take::NeedMore);
    reader.Append("!", 1);
    ASSERT_EQ(reader.Next(message), FrameReader::Take::Message);
    EXPECT_EQ(message, payload + "!");
}

TEST(SocketFraming, HeaderThatIsNotHexCorruptsTheStream)
{
    FrameReader reader;
    std::string message;
    const std::string stream = "0002ok00G1x0001y";
    reader.Append(stream.data(), stream.size());
    ASSERT_EQ(reader.Next(message), FrameReader::Take::Message);
    EXPECT_EQ(message, "ok");
    EXPECT_EQ(reader.Next(message), FrameReader::Take::Corrupt);
    reader.Append("0001z", 5);
    EXPECT_EQ(reader.Next(message), FrameReader::Take::Corrupt);
    EXPECT_EQ(reader.Pending(), 0u);
}

}  // namespace
