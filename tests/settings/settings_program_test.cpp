// The build's settings program (qbk.exe with the game's configuration project) beside a copy of
// the game, as a user meets it: it shows the file's settings, takes keys and clicks, OK writes
// config.ini and the game then starts with what was chosen; Cancel leaves the file as it was; a
// missing or damaged file opens with defaults; a file that cannot be written is reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "settings_folder.h"

using zvsettings::CrLf;
using zvsettings::kWait;
using zvsettings::Process;
using zvsettings::SettingsFolder;

namespace {

const std::string kGameDir = ZV_GAME_DIR;

// The file as the settings program writes it whole.
std::string WholeFile(const std::string& width, const std::string& height, int sound, int music, int skip)
{
    return CrLf("[VIDEO]\nWIDTH=" + width + "\nHEIGHT=" + height + "\n\n[AUDIO]\nSOUND=" + std::to_string(sound) +
                "\nMUSIC=" + std::to_string(music) + "\n\n[GENERAL]\nSKIP=" + std::to_string(skip) + "\n");
}

std::string ScreenSize()
{
    return std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " + std::to_string(GetSystemMetrics(SM_CYSCREEN));
}

// The usual sizes that fit the screen and the screen's own, ordered by width, then height.
std::vector<std::string> OfferedSizes(std::vector<std::pair<int, int>> extra = {})
{
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    std::vector<std::pair<int, int>> sizes = {{w, h}};
    for (const auto& size : std::vector<std::pair<int, int>>{{640, 480},
                                                             {800, 600},
                                                             {1024, 768},
                                                             {1152, 864},
                                                             {1280, 720},
                                                             {1280, 800},
                                                             {1280, 960},
                                                             {1280, 1024},
                                                             {1366, 768},
                                                             {1440, 900},
                                                             {1600, 900},
                                                             {1600, 1200},
                                                             {1680, 1050},
                                                             {1920, 1080},
                                                             {1920, 1200},
                                                             {2560, 1440},
                                                             {2560, 1600}})
        if (size.first <= w && size.second <= h) sizes.push_back(size);
    sizes.insert(sizes.end(), extra.begin(), extra.end());
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    std::vector<std::string> texts;
    for (const auto& size : sizes) texts.push_back(std::to_string(size.first) + " x " + std::to_string(size.second));
    return texts;
}

// The game started from the folder: its window once it has the size, null when it does not get it.
HWND StartGameAtSize(Process& game, const SettingsFolder& folder, int width, int height)
{
    if (!game.Start(folder.Path(), "zorvane.exe")) return nullptr;
    const HWND window = game.WaitForWindow("Zorvane");
    if (!window) return nullptr;
    const bool sized = zvtest::WaitFor(
        [&] {
            RECT r = {};
            GetWindowRect(window, &r);
            return r.right - r.left == width && r.bottom - r.top == height;
        },
        kWait);
    return sized ? window : nullptr;
}

void EndGame(Process& game, HWND window)
{
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(game.WaitForExit(), 0);
}

TEST(SettingsProgram, ChoicesMadeWithKeysAndClicksAreSavedByOkAndTheGameRunsSilentAtTheChosenSize)
{
    SettingsFolder folder(kGameDir, true);
    folder.WriteConfig(CrLf("; set up by hand\n\n[VIDEO]\nWIDTH=1024\n; pixels\nHEIGHT=768\n\n[AUDIO]\nSOUND=1\n"
                            "MUSIC=1\n\n[GENERAL]\nSKIP=0\n\n[PLAYER]\nLAST=3\n"));
    ASSERT_NE(folder.StartSettings(), nullptr);
    EXPECT_EQ(folder.Sizes(), OfferedSizes({{1024, 768}}));
    EXPECT_EQ(folder.ChosenSize(), "1024 x 768");
    EXPECT_TRUE(folder.Checked("sound"));
    EXPECT_TRUE(folder.Checked("music"));
    EXPECT_FALSE(folder.Checked("skip"));

    folder.Press(VK_UP);
    EXPECT_TRUE(zvtest::WaitFor([&] { return folder.ChosenSize() == "800 x 600"; }, kWait));
    ASSERT_TRUE(folder.MoveFocus(VK_TAB, "sound"));
    folder.Press(VK_SPACE);
    EXPECT_TRUE(zvtest::WaitFor([&] { return !folder.Checked("sound"); }, kWait));
    folder.Click("music");
    EXPECT_TRUE(zvtest::WaitFor([&] { return !folder.Checked("music"); }, kWait));
    ASSERT_TRUE(folder.MoveFocus(VK_DOWN, "skip"));
    folder.Press(VK_SPACE);
    EXPECT_TRUE(zvtest::WaitFor([&] { return folder.Checked("skip"); }, kWait));
    folder.Press(VK_RETURN);
    ASSERT_EQ(folder.Settings().WaitForExit(), 0);
    // The other lines stay where they were.
    EXPECT_EQ(folder.ReadConfig(), CrLf("; set up by hand\n\n[VIDEO]\nWIDTH=800\n; pixels\nHEIGHT=600\n\n[AUDIO]\n"
                                        "SOUND=0\nMUSIC=0\n\n[GENERAL]\nSKIP=1\n\n[PLAYER]\nLAST=3\n"));

    zvtest::SoundOutput sound;
    const std::string screen = ScreenSize();
    Process game;
    const HWND window = StartGameAtSize(game, folder, 800, 600);
    ASSERT_NE(window, nullptr);
    // Without sound and music the game opens no sound device at all.
    EXPECT_FALSE(zvtest::WaitFor(
        [&] {
            sound.Update();
            return sound.Bytes() > 0;
        },
        5000));
    EndGame(game, window);
    EXPECT_TRUE(zvtest::WaitFor([&] { return ScreenSize() == screen; }, kWait)) << ScreenSize();
}

TEST(SettingsProgram, SoundAndMusicSwitchedOnWithTheMouseReachTheGame)
{
    SettingsFolder folder(kGameDir, true);
    folder.WriteConfig(CrLf("[VIDEO]\nWIDTH=640\nHEIGHT=480\n\n[AUDIO]\nSOUND=0\nMUSIC=0\n"));
    ASSERT_NE(folder.StartSettings(), nullptr);
    EXPECT_EQ(folder.ChosenSize(), "640 x 480");
    EXPECT_FALSE(folder.Checked("sound"));
    EXPECT_FALSE(folder.Checked("music"));
    EXPECT_FALSE(folder.Checked("skip"));  // missing: the default

    folder.Click("sound");
    EXPECT_TRUE(zvtest::WaitFor([&] { return folder.Checked("sound"); }, kWait));
    ASSERT_TRUE(folder.MoveFocus(VK_TAB, "music"));
    folder.Press(VK_SPACE);
    EXPECT_TRUE(zvtest::WaitFor([&] { return folder.Checked("music"); }, kWait));
    folder.Click("ok");
    ASSERT_EQ(folder.Settings().WaitForExit(), 0);
    EXPECT_EQ(folder.ReadConfig(), WholeFile("640", "480", 1, 1, 0));

    zvtest::SoundOutput sound;
    Process game;
    const HWND window = StartGameAtSize(game, folder, 640, 480);
    ASSERT_NE(window, nullptr);
    // The sound device opens, and the menu's music plays where the build could make music.
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            sound.Update();
            return sound.Bytes() > 0;
        },
        kWait));
    if (GetFileAttributesA((folder.Path() + "music.dat").c_str()) != INVALID_FILE_ATTRIBUTES)
        EXPECT_TRUE(sound.WaitForNonSilent(4000, kWait));
    EndGame(game, window);
}

TEST(SettingsProgram, EveryWayOfCancellingLeavesTheFileByteForByte)
{
    // Blanks, a name in small letters, a comment and no line end at the end: nothing is tidied.
    const std::string untidy = "  [VIDEO]\r\nWIDTH = 800\r\nheight=600\r\n;x\r\n[AUDIO]\r\nSOUND=0";
    const struct {
        const char* way;
        bool missing;
    } cases[] = {{"escape", false},
                 {"cancel button", false},
                 {"return on cancel", false},
                 {"close box", false},
                 {"escape", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.way) + (c.missing ? ", no file" : ""));
        SettingsFolder folder(kGameDir);
        if (!c.missing) folder.WriteConfig(untidy);
        ASSERT_NE(folder.StartSettings(), nullptr);
        const std::string before = folder.ChosenSize();
        folder.Press(VK_UP);
        EXPECT_TRUE(zvtest::WaitFor([&] { return folder.ChosenSize() != before; }, kWait));
        ASSERT_TRUE(folder.MoveFocus(VK_TAB, "sound"));
        folder.Press(VK_SPACE);
        const std::string way = c.way;
        if (way == "escape") {
            folder.Press(VK_ESCAPE);
        } else if (way == "cancel button") {
            folder.Click("cancel");
        } else if (way == "return on cancel") {
            for (const char* next : {"music", "skip", "ok", "cancel"}) ASSERT_TRUE(folder.MoveFocus(VK_TAB, next));
            folder.Press(VK_RETURN);
        } else {
            PostMessageA(folder.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ASSERT_EQ(folder.Settings().WaitForExit(), 0);
        EXPECT_EQ(folder.ReadConfig(), c.missing ? "<missing>" : untidy);
    }
}

TEST(SettingsProgram, AMissingOrDamagedFileOpensWithDefaultsAndOkWritesItWhole)
{
    const std::string screenWidth = std::to_string(GetSystemMetrics(SM_CXSCREEN));
    const std::string screenHeight = std::to_string(GetSystemMetrics(SM_CYSCREEN));
    const std::string defaults = WholeFile(screenWidth, screenHeight, 1, 1, 0);
    const struct {
        const char* what;
        bool missing;
        std::string bytes, written;
    } cases[] = {
        {"missing", true, "", defaults},
        {"empty", false, "", defaults},
        {"not a settings file", false, std::string("\x01\x02\x7f\xfe garbage\0\x03", 15),
         std::string("\x01\x02\x7f\xfe garbage\0\x03", 15) + "\r\n\r\n" + defaults},
        {"values no one can use", false,
         CrLf("[VIDEO]\nWIDTH=abc\nHEIGHT=-600\n\n[AUDIO]\nSOUND=yes\nMUSIC=\n\n[GENERAL]\nSKIP=2\n"), defaults},
        {"half a size", false, CrLf("[VIDEO]\nWIDTH=800\n"), defaults},
        {"a size with more after it", false, CrLf("[VIDEO]\nWIDTH=800x\nHEIGHT=600\n"), defaults},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SettingsFolder folder(kGameDir);
        if (!c.missing) folder.WriteConfig(c.bytes);
        ASSERT_NE(folder.StartSettings(), nullptr);
        EXPECT_EQ(folder.ChosenSize(), ScreenSize());
        EXPECT_TRUE(folder.Checked("sound"));
        EXPECT_TRUE(folder.Checked("music"));
        EXPECT_FALSE(folder.Checked("skip"));
        // Nothing is written before OK.
        EXPECT_EQ(folder.ReadConfig(), c.missing ? "<missing>" : c.bytes);
        folder.Press(VK_RETURN);
        ASSERT_EQ(folder.Settings().WaitForExit(), 0);
        EXPECT_EQ(folder.ReadConfig(), c.written);
    }
}

TEST(SettingsProgram, TabAndShiftTabGoRoundTheControlsAndTheListKeepsItsArrows)
{
    SettingsFolder folder(kGameDir);
    ASSERT_NE(folder.StartSettings(), nullptr);
    const char* const order[] = {"sound", "music", "skip", "ok", "cancel", "sizes"};
    for (const char* next : order) EXPECT_TRUE(folder.MoveFocus(VK_TAB, next)) << next;
    for (int i = 4; i >= 0; --i) EXPECT_TRUE(folder.MoveFocus(VK_TAB, order[i], true)) << order[i];
    EXPECT_TRUE(folder.MoveFocus(VK_TAB, "sizes", true));

    // In the list the arrows choose a size and the focus stays.
    const std::vector<std::string> sizes = folder.Sizes();
    ASSERT_GE(sizes.size(), 2u);
    folder.Press(VK_HOME);
    EXPECT_TRUE(zvtest::WaitFor([&] { return folder.ChosenSize() == sizes[0]; }, kWait));
    folder.Press(VK_DOWN);
    EXPECT_TRUE(zvtest::WaitFor([&] { return folder.ChosenSize() == sizes[1]; }, kWait));
    EXPECT_EQ(folder.Focus(), folder.Control("sizes"));
    folder.Press(VK_ESCAPE);
    EXPECT_EQ(folder.Settings().WaitForExit(), 0);
}

TEST(SettingsProgram, ASizeWrittenByHandIsOfferedInItsPlaceAndKept)
{
    SettingsFolder folder(kGameDir);
    folder.WriteConfig(CrLf("[VIDEO]\nWIDTH=1000\nHEIGHT=700\n"));
    ASSERT_NE(folder.StartSettings(), nullptr);
    EXPECT_EQ(folder.Sizes(), OfferedSizes({{1000, 700}}));
    EXPECT_EQ(folder.ChosenSize(), "1000 x 700");
    folder.Press(VK_RETURN);
    ASSERT_EQ(folder.Settings().WaitForExit(), 0);
    EXPECT_EQ(folder.ReadConfig(), WholeFile("1000", "700", 1, 1, 0));
}

TEST(SettingsProgram, AFileThatCannotBeWrittenIsReportedAndTheWindowStaysOpen)
{
    SettingsFolder folder(kGameDir);
    // A folder where the file should be: it can be neither read nor written.
    ASSERT_TRUE(CreateDirectoryA(folder.ConfigPath().c_str(), nullptr));
    ASSERT_NE(folder.StartSettings(), nullptr);
    zvtest::MessageBoxAnswerer answer("Zorvane Settings", IDOK, kWait);
    folder.Press(VK_RETURN);
    EXPECT_TRUE(zvtest::WaitFor([&] { return answer.Answered(); }, kWait));
    EXPECT_NE(answer.Text().find("could not be saved"), std::string::npos) << answer.Text();
    EXPECT_EQ(folder.Settings().WaitForExit(1000), -1);
    EXPECT_TRUE(IsWindow(folder.Window()));
    PostMessageA(folder.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(folder.Settings().WaitForExit(), 0);
    RemoveDirectoryA(folder.ConfigPath().c_str());
}

}  // namespace

namespace {

RECT PlaceIn(HWND window, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(SettingsProgram, ADialogOfFixedSizeWithItsControlsAlignedInTheirGroups)
{
    SettingsFolder folder(kGameDir);
    const HWND window = folder.StartSettings();
    ASSERT_NE(window, nullptr);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) << "a settings dialog keeps its size";

    auto at = [&](const char* name) { return PlaceIn(window, folder.Control(name)); };
    RECT client;
    GetClientRect(window, &client);
    const struct {
        const char* group;
        std::vector<const char*> members;
    } groups[] = {{"screenBox", {"sizes"}}, {"soundBox", {"sound", "music"}}, {"generalBox", {"skip"}}};
    const RECT first = at("screenBox");
    const LONG indent = at("sizes").left;
    LONG below = client.top;
    for (const auto& g : groups) {
        SCOPED_TRACE(g.group);
        const RECT box = at(g.group);
        EXPECT_EQ(box.left, first.left);
        EXPECT_EQ(box.right, first.right);
        EXPECT_GT(box.top, below) << "groups one below the other";
        below = box.bottom;
        for (const char* member : g.members) {
            EXPECT_TRUE(Inside(at(member), box)) << member;
            EXPECT_EQ(at(member).left, indent) << member;
        }
    }
    // The margins of the window are the same all round; OK and Cancel sit bottom right in a row.
    EXPECT_EQ(client.right - first.right, first.left);
    const RECT ok = at("ok"), cancel = at("cancel");
    EXPECT_EQ(ok.top, cancel.top);
    EXPECT_EQ(ok.right - ok.left, cancel.right - cancel.left);
    EXPECT_EQ(ok.bottom - ok.top, cancel.bottom - cancel.top);
    EXPECT_GT(ok.top, below);
    EXPECT_LT(ok.right, cancel.left);
    EXPECT_EQ(cancel.right, first.right);
    EXPECT_EQ(client.bottom - cancel.bottom, first.left);
    EXPECT_TRUE(SendMessageA(folder.Control("ok"), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    folder.Press(VK_ESCAPE);
    EXPECT_EQ(folder.Settings().WaitForExit(), 0);
}

}  // namespace
