// The CdAudio commands over a fake CD drive: scripts count in hundredths of a second, the drive
// in milliseconds; the device is opened once and every command reaches it.
#include "script_test_fixture.h"

#include "fake_cd_drive.h"

namespace {

constexpr const char* kCdWords =
    "commands CdAudio GetId GetName SetDoor GetPosition GetCurrentTrack GetTrackTime GetLength GetTrackCount "
    "GetTrackLength GetTrackStart Open Pause PlayTrack Play Resume Stop\n";

class CdAudioCommandsTest : public ScriptTest {
protected:
    void SetUp() override
    {
        ScriptTest::SetUp();
        before_ = SetMciPort(&drive);
    }
    void TearDown() override
    {
        ScriptTest::TearDown();  // the device goes with the project
        SetMciPort(before_);
    }
    void StartWith(const std::vector<std::string>& events)
    {
        std::string text = std::string(kCdWords) + "window MAIN\n  object CdAudio cd\n";
        for (size_t i = 0; i < events.size(); ++i)
            text += "  event " + std::to_string(i) + "\n    @Application.Return(" + events[i] + ")\n";
        Start(text);
    }
    const cdtest::Sent* Last(UINT message) const
    {
        for (auto s = drive.sent.rbegin(); s != drive.sent.rend(); ++s)
            if (s->message == message) return &*s;
        return nullptr;
    }
    cdtest::FakeCdDrive drive;

private:
    MciPort* before_ = nullptr;
};

TEST_F(CdAudioCommandsTest, TimesAreHundredthsAndTheDeviceOpensOnce)
{
    StartWith(
        {"@cd.GetPosition() & @cd.GetLength() & @cd.Open() & @cd.Open()",
         "@cd.GetPosition() & \",\" & @cd.GetLength() & \",\" & @cd.GetCurrentTrack() & \",\" & @cd.GetTrackTime() & "
         "\",\" & @cd.GetTrackCount() & \",\" & @cd.GetTrackStart(2) & \",\" & @cd.GetTrackLength(2)",
         "@cd.Play(1000, 0) & @cd.Play(100, 250)",
         "@cd.SetDoor(1) & @cd.SetDoor(0) & @cd.Pause() & @cd.Resume() & @cd.Stop()"});
    EXPECT_EQ(Run("MAIN", 0), "00");
    EXPECT_EQ(drive.Count(MCI_OPEN), 1);
    EXPECT_EQ(drive.format, DWORD(MCI_FORMAT_MILLISECONDS));

    drive.position = 12500;
    drive.length = 600000;
    drive.currentTrack = 2;
    drive.trackStarts = {{1, 0}, {2, 10000}, {3, 250000}};
    drive.trackLengths[2] = 240000;
    EXPECT_EQ(Run("MAIN", 1), "1250,60000,2,250,3,1000,24000");

    // To 0 means to the end of the disc.
    EXPECT_EQ(Run("MAIN", 2), "");
    const cdtest::Sent* play = Last(MCI_PLAY);
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->from, 1000u);
    EXPECT_EQ(play->to, 2500u);
    EXPECT_EQ(play->flags, DWORD_PTR(MCI_FROM | MCI_TO | MCI_NOTIFY));
    ASSERT_EQ(drive.sent[drive.sent.size() - 2].message, UINT(MCI_PLAY));
    EXPECT_EQ(drive.sent[drive.sent.size() - 2].from, 10000u);
    EXPECT_EQ(drive.sent[drive.sent.size() - 2].to, 600000u);

    drive.sent.clear();
    EXPECT_EQ(Run("MAIN", 3), "");
    ASSERT_EQ(drive.sent.size(), 5u);
    EXPECT_EQ(drive.sent[0].flags, DWORD_PTR(MCI_SET_DOOR_OPEN));
    EXPECT_EQ(drive.sent[1].flags, DWORD_PTR(MCI_SET_DOOR_CLOSED));
    EXPECT_EQ(drive.sent[2].message, UINT(MCI_PAUSE));
    EXPECT_EQ(drive.sent[3].message, UINT(MCI_RESUME));
    EXPECT_EQ(drive.sent[4].message, UINT(MCI_STOP));
}

TEST_F(CdAudioCommandsTest, BeforeTheFirstTrackThereIsNoTimeInIt)
{
    StartWith({"@cd.Open() & @cd.GetTrackTime()"});
    drive.position = 500;
    drive.currentTrack = 0;
    EXPECT_EQ(Run("MAIN", 0), "0");
}

}  // namespace
