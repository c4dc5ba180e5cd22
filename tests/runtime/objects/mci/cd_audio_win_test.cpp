// The CD player against a fake MCI device that records every command and answers as a CD drive
// would, including its refusals; and the system's own MCI, which has no drive here.
#include <gtest/gtest.h>

#include "cd_audio.h"
#include "fake_cd_drive.h"

#include <map>
#include <string>
#include <vector>

namespace {

using namespace cdtest;

class CdAudioTest : public ::testing::Test {
protected:
    void SetUp() override { before_ = SetMciPort(&drive); }
    void TearDown() override { SetMciPort(before_); }
    FakeCdDrive drive;

private:
    MciPort* before_ = nullptr;
};

TEST_F(CdAudioTest, ATrackPlaysToItsEndInTracksAndTheFormatComesBack)
{
    CCdAudio cd;
    ASSERT_EQ(cd.Open(false), 0u);
    EXPECT_EQ(drive.sent[0].flags, DWORD_PTR(MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_WAIT));
    ASSERT_EQ(cd.SetTimeFormat(MCI_FORMAT_MILLISECONDS), 0u);
    drive.trackLengths[3] = MCI_MAKE_MSF(4, 10, 20);
    drive.sent.clear();
    ASSERT_EQ(cd.PlayTrack(3, true), 0u);
    const Sent* play = nullptr;
    for (const Sent& s : drive.sent)
        if (s.message == MCI_PLAY) play = &s;
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->from, DWORD(MCI_MAKE_TMSF(3, 0, 0, 0)));
    EXPECT_EQ(play->to, DWORD(MCI_MAKE_TMSF(3, 4, 10, 20)));
    EXPECT_EQ(play->flags, DWORD_PTR(MCI_FROM | MCI_TO | MCI_NOTIFY));
    EXPECT_EQ(drive.format, DWORD(MCI_FORMAT_MILLISECONDS));
}

TEST_F(CdAudioTest, ATrackIsNotPlayedWhenTheFormatCannotBeSet)
{
    CCdAudio cd;
    ASSERT_EQ(cd.Open(false), 0u);
    drive.refuseFormat = MCIERR_BAD_TIME_FORMAT;
    EXPECT_EQ(cd.PlayTrack(2, false), MCIERR_BAD_TIME_FORMAT);
    EXPECT_EQ(drive.Count(MCI_PLAY), 0);
    EXPECT_EQ(cd.LastError(), MCIERR_BAD_TIME_FORMAT);
}

TEST_F(CdAudioTest, RefusalsAreKeptAndStatusAnswersZero)
{
    CCdAudio cd;
    EXPECT_FALSE(cd.IsOpen());
    EXPECT_EQ(cd.GetLength(), 0u);  // not open
    ASSERT_EQ(cd.Open(true), 0u);
    EXPECT_EQ(drive.sent.back().flags, DWORD_PTR(MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_WAIT | MCI_OPEN_SHAREABLE));
    drive.refuse[MCI_SET] = MCIERR_UNSUPPORTED_FUNCTION;
    EXPECT_EQ(cd.SetDoor(false), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(drive.sent.back().flags, DWORD_PTR(MCI_SET_DOOR_CLOSED));
    EXPECT_EQ(cd.LastError(), MCIERR_UNSUPPORTED_FUNCTION);
    drive.position = 12500;
    EXPECT_EQ(cd.GetPosition(), 12500u);
    drive.trackStarts[4] = 3000;
    EXPECT_EQ(cd.GetTrackPosition(4), 3000u);
    EXPECT_EQ(drive.sent.back().flags, DWORD_PTR(MCI_STATUS_ITEM | MCI_TRACK));
    EXPECT_EQ(drive.sent.back().track, 4u);
}

TEST_F(CdAudioTest, GoingAwayStopsAndClosesTheDriveEvenWhenTheStopIsRefused)
{
    {
        CCdAudio cd;
        ASSERT_EQ(cd.Open(false), 0u);
        drive.refuse[MCI_STOP] = MCIERR_HARDWARE;
        drive.sent.clear();
    }
    ASSERT_EQ(drive.sent.size(), 2u);
    EXPECT_EQ(drive.sent[0].message, UINT(MCI_STOP));
    EXPECT_EQ(drive.sent[1].message, UINT(MCI_CLOSE));
    EXPECT_FALSE(drive.open);
}

TEST(CdAudioSystem, TheSystemHasNoDriveAndSaysSo)
{
    CCdAudio cd;
    const MCIERROR error = cd.Open(false);
    EXPECT_NE(error, 0u);
    EXPECT_FALSE(cd.IsOpen());
    EXPECT_EQ(cd.GetTrackCount(), 0u);
    char text[256] = {};
    EXPECT_TRUE(SystemMciPort().ErrorText(error, text, sizeof text)) << error;
}

}  // namespace
