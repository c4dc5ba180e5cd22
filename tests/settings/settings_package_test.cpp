// The package as a user gets it: unpacked into a folder of its own, it holds both programs, the
// data set and the text on how to start them, and both programs start from it.
#include <gtest/gtest.h>

#include <string>

#include "settings_folder.h"

using zvsettings::kWait;
using zvsettings::Process;
using zvsettings::SettingsFolder;

namespace {

const std::string kUnpacked = ZV_PACKAGE_DIR;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(SettingsPackage, HoldsBothProgramsTheDataSetAndHowToStartThem)
{
    for (const char* name : {"zorvane.exe", "qbk.exe", "config.ini", "image.dat", "sound.dat", "level.dat",
                             "help\\lesson1.dat", "help\\lesson5.dat", "README.txt"})
        EXPECT_TRUE(Exists(kUnpacked + name)) << name;
    // Nothing a run leaves behind.
    for (const char* name : {"player.dat", "score.dat"}) EXPECT_FALSE(Exists(kUnpacked + name)) << name;
    const std::vector<uint8_t> bytes = zvtest::ReadFileBytes(kUnpacked + "README.txt");
    const std::string readme(bytes.begin(), bytes.end());
    EXPECT_NE(readme.find("zorvane.exe"), std::string::npos);
    EXPECT_NE(readme.find("qbk.exe"), std::string::npos);
    EXPECT_NE(readme.find("\r\n"), std::string::npos) << "Windows line ends";
}

TEST(SettingsPackage, BothProgramsStartFromTheUnpackedFolder)
{
    SettingsFolder folder(kUnpacked, true);
    const std::string shipped = folder.ReadConfig();
    ASSERT_NE(folder.StartSettings(), nullptr);
    EXPECT_EQ(folder.ChosenSize(), "1024 x 768");
    folder.Press(VK_ESCAPE);
    EXPECT_EQ(folder.Settings().WaitForExit(), 0);
    EXPECT_EQ(folder.ReadConfig(), shipped);

    Process game;
    ASSERT_TRUE(game.Start(folder.Path(), "zorvane.exe"));
    const HWND window = game.WaitForWindow("Zorvane");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            RECT r = {};
            GetWindowRect(window, &r);
            return r.right - r.left == 1024 && r.bottom - r.top == 768;
        },
        kWait));
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(game.WaitForExit(), 0);
    EXPECT_TRUE(Exists(folder.Path() + "player.dat"));
}

}  // namespace
