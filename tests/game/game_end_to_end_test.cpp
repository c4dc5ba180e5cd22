// The real zorvane.exe under Wine, in a scratch copy of its folder: Alt+F4 ends it with code 0
// leaving its tables scrambled, a missing "config.ini" still gives a game at the desktop's size,
// and a program without its key resource ends with code 1 and writes nothing.
#include <gtest/gtest.h>

#include "KMemStream.h"
#include "data_key.h"
#include "player_table.h"
#include "score_table.h"
#include "win_test_support.h"

#include <windows.h>

#include <string>
#include <vector>

using namespace zvtest;

namespace {

const std::string kGameDir = ZV_GAME_DIR;          // the built program with its data set
const std::string kKeyFile = ZV_KEY_FILE;          // the key resource's bytes

bool CopyOne(const std::string& from, const std::string& to) { return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0; }

std::vector<std::string> FilesIn(const std::string& folder, const char* pattern = "*")
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + pattern).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(h, &found));
    FindClose(h);
    return names;
}

struct Running {
    PROCESS_INFORMATION pi = {};
    bool started = false;
    ~Running()
    {
        if (!started) return;
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 99);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    // The exit code, or -1 when it still runs after ms.
    int WaitForExit(DWORD ms)
    {
        if (WaitForSingleObject(pi.hProcess, ms) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        return static_cast<int>(code);
    }
};

struct FindData {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindGameWindow(HWND hwnd, LPARAM lp)
{
    auto* data = reinterpret_cast<FindData*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char title[64] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    if (process == data->process && std::string(title) == "Zorvane") {
        data->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = TempDir() + "e2e_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::vector<uint8_t> bytes = ReadFileBytes(kKeyFile);
        if (!bytes.empty()) key.Write(bytes.data(), static_cast<int>(bytes.size()));
        ASSERT_TRUE(CutDataKey(&key));
    }

    void CopyDataSet(bool withConfig = true)
    {
        for (const char* name : {"image.dat", "sound.dat", "level.dat", "music.dat"})
            ASSERT_TRUE(CopyOne(kGameDir + name, folder + name)) << name;
        if (withConfig) {
            ASSERT_TRUE(CopyOne(kGameDir + "config.ini", folder + "config.ini"));
        }
        for (const char* sub : {"help\\", "music\\"}) {
            CreateDirectoryA((folder + sub).c_str(), nullptr);
            for (const std::string& name : FilesIn(kGameDir + sub))
                ASSERT_TRUE(CopyOne(kGameDir + sub + name, folder + sub + name)) << name;
        }
    }

    void Start(Running& game, const char* program)
    {
        std::string command = "\"" + kGameDir + program + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                                   &game.pi))
            << program;
        game.started = true;
    }

    HWND WaitForWindow(Running& game)
    {
        FindData data = {game.pi.dwProcessId, nullptr};
        WaitFor(
            [&] {
                EnumWindows(FindGameWindow, reinterpret_cast<LPARAM>(&data));
                return data.found != nullptr;
            },
            30000);
        return data.found;
    }

    // The window covers the screen once the device is full-screen; a few frames later the game
    // is in its loop.
    void WaitForFullScreen(HWND window)
    {
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        EXPECT_TRUE(WaitFor(
            [&] {
                RECT r = {};
                GetWindowRect(window, &r);
                return r.right - r.left >= w && r.bottom - r.top >= h;
            },
            30000));
        PumpMessages(2000);
    }

    void PressAltF4(HWND window)
    {
        Activate(window);
        SendKey(VK_MENU, true);
        TapKey(VK_F4);
        SendKey(VK_MENU, false);
    }

    void ExpectScrambledTables()
    {
        for (const char* name : {"player.dat", "score.dat"}) {
            const std::vector<uint8_t> bytes = ReadFileBytes(folder + name);
            ASSERT_FALSE(bytes.empty()) << name;
            EXPECT_NE(bytes[0], '[') << name << " is stored scrambled";
        }
        PlayerTable players;
        ASSERT_TRUE(players.Load((folder + "player.dat").c_str(), &key));
        EXPECT_STREQ(players.GetPlayerName(0).c_str(), "PLAYER 1");
        EXPECT_STREQ(players.GetPlayerName(7).c_str(), "PLAYER 8");
        ScoreTable scores;
        ASSERT_TRUE(scores.Load((folder + "score.dat").c_str(), &key));
        EXPECT_EQ(scores.GetScoreCount(19), 0);
    }

    std::string folder;
    KMemStream key;
};

TEST_F(EndToEnd, AltF4EndsTheGameWithCodeZeroLeavingItsTablesScrambled)
{
    CopyDataSet();
    Running game;
    Start(game, "zorvane.exe");
    const HWND window = WaitForWindow(game);
    ASSERT_NE(window, nullptr);
    WaitForFullScreen(window);
    EXPECT_EQ(game.WaitForExit(0), -1) << "still running";

    PressAltF4(window);
    EXPECT_EQ(game.WaitForExit(30000), 0);
    ExpectScrambledTables();
}

TEST_F(EndToEnd, WithoutConfigIniTheGameRunsAtTheDesktopSize)
{
    CopyDataSet(false);
    Running game;
    Start(game, "zorvane.exe");
    const HWND window = WaitForWindow(game);
    ASSERT_NE(window, nullptr);
    WaitForFullScreen(window);
    PressAltF4(window);
    EXPECT_EQ(game.WaitForExit(30000), 0);
    ExpectScrambledTables();
    // Created empty, and nothing written into it.
    EXPECT_TRUE(ReadFileBytes(folder + "config.ini").empty());
}

TEST_F(EndToEnd, AProgramWithoutItsKeyEndsWithCodeOneAndCreatesNothing)
{
    Running game;
    Start(game, "zorvane_nokey.exe");
    EXPECT_EQ(game.WaitForExit(30000), 1);
    EXPECT_TRUE(FilesIn(folder).empty());
}

}  // namespace
