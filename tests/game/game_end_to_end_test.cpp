// The real zorvane.exe under Wine, in a scratch copy of its folder: it shows the menu's backdrop
// on the screen, Alt+F4 ends it with code 0 leaving its tables scrambled, a missing "config.ini"
// gives a game at the size of the desktop it runs on, and a program without its key resource ends
// with code 1 and writes nothing.
#include <gtest/gtest.h>

#include "KMemStream.h"
#include "data_key.h"
#include "data_records.h"
#include "player_table.h"
#include "score_table.h"
#include "win_test_support.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <cmath>
#include <string>
#include <vector>

using namespace zvtest;

namespace {

const std::string kGameDir = ZV_GAME_DIR;  // the built program with its data set
const std::string kKeyFile = ZV_KEY_FILE;  // the key resource's bytes
const int kMenuBackdrop = 13;  // the main page's picture
const int kFirstBackdrop = 11, kLastBackdrop = 16;

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

// Starts a program of the machine (a Unix one too: Wine hands it a handle it cannot wait on).
bool Launch(const std::string& commandLine)
{
    std::string command = commandLine;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    return true;
}

// "Z:\\a\\b\\" as the machine's own path "/a/b/".
std::string UnixPath(const std::string& path)
{
    std::string unix = path.compare(0, 2, "Z:") == 0 ? path.substr(2) : path;
    for (char& c : unix)
        if (c == '\\') c = '/';
    return unix;
}

uint32_t Big32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// An X window dump of true-colour pixels of 3 or 4 bytes; empty while the file is not complete.
Image ReadXwd(const std::vector<uint8_t>& b)
{
    Image img;
    if (b.size() < 100) return img;
    const uint32_t headerSize = Big32(b, 0), format = Big32(b, 8), width = Big32(b, 16), height = Big32(b, 20);
    const uint32_t byteOrder = Big32(b, 28), bitsPerPixel = Big32(b, 44), bytesPerLine = Big32(b, 48);
    const uint32_t colours = Big32(b, 76);
    const uint32_t bytesPerPixel = bitsPerPixel / 8;
    if (format != 2 || (bitsPerPixel != 24 && bitsPerPixel != 32) || width == 0 || height == 0 || width > 8192 ||
        height > 8192 || bytesPerLine < width * bytesPerPixel || headerSize > 4096 || colours > 65536)
        return img;
    const size_t data = size_t(headerSize) + size_t(colours) * 12;
    if (b.size() < data + size_t(bytesPerLine) * height) return img;
    img.width = int(width);
    img.height = int(height);
    img.pixels.resize(size_t(width) * height);
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x) {
            const uint8_t* p = &b[data + size_t(y) * bytesPerLine + size_t(x) * bytesPerPixel];
            const uint8_t* last = p + bytesPerPixel - 1;
            // Least significant byte first: blue, green, red; otherwise the other way round.
            const uint32_t v = byteOrder == 0 ? uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16
                                              : uint32_t(last[0]) | uint32_t(last[-1]) << 8 | uint32_t(last[-2]) << 16;
            img.pixels[size_t(y) * width + x] = v;
        }
    return img;
}

// The X display itself, as xwd reads it: the game draws through OpenGL, which a capture through
// the system's screen context does not see.
Image CaptureDisplay(const std::string& folder)
{
    char display[64] = "";
    GetEnvironmentVariableA("DISPLAY", display, sizeof display);
    const std::string file = folder + "screen.xwd";
    DeleteFileA(file.c_str());
    if (!Launch("Z:\\usr\\bin\\xwd -root -silent -display " + std::string(display) + " -out " + UnixPath(file)))
        return Image();
    Image img;
    WaitFor([&] { return !(img = ReadXwd(ReadFileBytes(file))).Empty(); }, 20000);
    return img;
}

// Mean colours of a grid of cells over an image.
std::vector<double> CellMeans(const Image& img, int columns = 8, int rows = 6)
{
    std::vector<double> means;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int x0 = c * img.width / columns, x1 = (c + 1) * img.width / columns;
            const int y0 = r * img.height / rows, y1 = (r + 1) * img.height / rows;
            double sum[3] = {0, 0, 0};
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    const uint32_t p = img.At(x, y);
                    sum[0] += (p >> 16) & 0xFF;
                    sum[1] += (p >> 8) & 0xFF;
                    sum[2] += p & 0xFF;
                }
            const double n = double(x1 - x0) * (y1 - y0);
            for (double s : sum) means.push_back(n > 0 ? s / n : 0);
        }
    return means;
}

// Mean difference of two grids' colours, 0 to 255.
double Distance(const std::vector<double>& a, const std::vector<double>& b)
{
    double sum = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) sum += std::fabs(a[i] - b[i]);
    return a.empty() ? 255 : sum / a.size();
}

// A Wine desktop of its own, of a given size, for a program started on it: the size the program
// then sees as the screen's is neither the display's nor any default.
class OwnDesktop {
public:
    OwnDesktop(const char* name, int width, int height) : name_(name)
    {
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        ok_ = RegSetKeyValueA(HKEY_CURRENT_USER, kDesktops, name, REG_SZ, size.c_str(),
                              static_cast<DWORD>(size.size() + 1)) == ERROR_SUCCESS;
    }
    ~OwnDesktop() { RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktops, name_.c_str()); }
    bool Ok() const { return ok_; }
    const char* Name() const { return name_.c_str(); }
    // The program's window of this title on that desktop, once there (at most 30 s).
    HWND WaitForWindow(const char* title) const
    {
        Search search = {title, nullptr};
        WaitFor(
            [&] {
                HDESK desk = OpenDesktopA(name_.c_str(), 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
                if (!desk) return false;
                EnumDesktopWindows(desk, FindTitle, reinterpret_cast<LPARAM>(&search));
                CloseDesktop(desk);
                return search.found != nullptr;
            },
            30000);
        return search.found;
    }

private:
    struct Search {
        const char* title;
        HWND found;
    };
    static constexpr const char* kDesktops = "Software\\Wine\\Explorer\\Desktops";
    static BOOL CALLBACK FindTitle(HWND hwnd, LPARAM lp)
    {
        auto* search = reinterpret_cast<Search*>(lp);
        char title[64] = "";
        GetWindowTextA(hwnd, title, sizeof title);
        if (std::string(title) != search->title) return TRUE;
        search->found = hwnd;
        return FALSE;
    }

    std::string name_;
    bool ok_ = false;
};

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

    // A program of the build's game folder, on a desktop of its own when one is named.
    void Start(Running& game, const char* program, const char* desktop = nullptr)
    {
        std::string command = "\"" + kGameDir + program + "\"";
        std::string desktopName = desktop ? desktop : "";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        if (desktop) si.lpDesktop = &desktopName[0];
        ASSERT_TRUE(
            CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &game.pi))
            << program;
        game.started = true;
    }

    HWND WaitForWindow(Running& game)
    {
        HWND found = nullptr;
        WaitFor([&] { return (found = FindProcessWindow(game.pi.dwProcessId, "Zorvane")) != nullptr; }, 30000);
        return found;
    }

    // One of the data set's pictures, scaled to the screen's size.
    Image Picture(int index, int width, int height)
    {
        Image img;
        KMemStream file;
        std::vector<DataRecord> records;
        if (!DataRecords::Load((kGameDir + "image.dat").c_str(), &key, 20, &file, &records) ||
            index >= static_cast<int>(records.size()))
            return img;
        HWND window = CreateTestWindow(64, 64, "decoder");
        IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS pp = {};
        pp.Windowed = TRUE;
        pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
        pp.hDeviceWindow = window;
        IDirect3DDevice9* device = nullptr;
        IDirect3DSurface9* surface = nullptr;
        if (d3d &&
            SUCCEEDED(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window, D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                        &pp, &device)) &&
            SUCCEEDED(device->CreateOffscreenPlainSurface(width, height, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &surface,
                                                          nullptr)) &&
            SUCCEEDED(D3DXLoadSurfaceFromFileInMemory(surface, nullptr, nullptr, file.GetData() + records[index].offset,
                                                      records[index].size, nullptr, D3DX_FILTER_TRIANGLE, 0,
                                                      nullptr))) {
            D3DLOCKED_RECT lr;
            if (SUCCEEDED(surface->LockRect(&lr, nullptr, D3DLOCK_READONLY))) {
                img.width = width;
                img.height = height;
                img.pixels.resize(static_cast<size_t>(width) * height);
                for (int y = 0; y < height; ++y) {
                    const auto* row =
                        reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(lr.pBits) + y * lr.Pitch);
                    for (int x = 0; x < width; ++x) img.pixels[static_cast<size_t>(y) * width + x] = row[x] & 0xFFFFFF;
                }
                surface->UnlockRect();
            }
        }
        if (surface) surface->Release();
        if (device) device->Release();
        if (d3d) d3d->Release();
        DestroyWindow(window);
        return img;
    }

    // Waits until the screen shows the menu's backdrop: closer to its picture than to any other
    // backdrop, and close in itself (the page's texts cover a little of it).
    // The backdrops as the screen would show them. Made before the game starts: the window the
    // decoding needs would take the focus from the game, whose full-screen window then goes.
    void DecodeBackdrops(int w = GetSystemMetrics(SM_CXSCREEN), int h = GetSystemMetrics(SM_CYSCREEN))
    {
        for (int i = kFirstBackdrop; i <= kLastBackdrop; ++i) {
            const Image picture = Picture(i, w, h);
            ASSERT_FALSE(picture.Empty()) << i;
            pictures.push_back(CellMeans(picture));
        }
    }

    // The game shows on the top left of the display, in a picture of its size (0: the whole
    // display's).
    void ExpectMenuBackdrop(int width = 0, int height = 0)
    {
        ASSERT_FALSE(pictures.empty());
        Image screen;
        double best = 255;
        int nearest = -1;
        WaitFor(
            [&] {
                screen = CaptureDisplay(folder);
                if (screen.Empty()) return false;
                if (width > 0) screen = screen.Crop(0, 0, width, height);
                const std::vector<double> shown = CellMeans(screen);
                best = 255;
                for (size_t i = 0; i < pictures.size(); ++i) {
                    const double d = Distance(shown, pictures[i]);
                    if (d < best) {
                        best = d;
                        nearest = kFirstBackdrop + static_cast<int>(i);
                    }
                }
                return nearest == kMenuBackdrop && best < 25;
            },
            30000);
        EXPECT_EQ(nearest, kMenuBackdrop);
        EXPECT_LT(best, 25);
        if (::testing::Test::HasFailure()) screen.SavePpm(folder + "screen.ppm");
    }

    // The window covers the screen once the device is full-screen.
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
    std::vector<std::vector<double>> pictures;  // cell means of backdrops 11 to 16
};

TEST_F(EndToEnd, TheGameShowsItsMenuAndAltF4EndsItWithCodeZeroLeavingItsTablesScrambled)
{
    CopyDataSet();
    DecodeBackdrops();
    Running game;
    Start(game, "zorvane.exe");
    const HWND window = WaitForWindow(game);
    ASSERT_NE(window, nullptr);
    WaitForFullScreen(window);
    ExpectMenuBackdrop();
    EXPECT_EQ(game.WaitForExit(0), -1) << "still running";

    PressAltF4(window);
    EXPECT_EQ(game.WaitForExit(30000), 0);
    ExpectScrambledTables();
}

TEST_F(EndToEnd, WithoutConfigIniTheGameRunsAtTheDesktopSize)
{
    // A desktop of 800 x 600: neither the display's size nor the shipped setting's.
    const int width = 800, height = 600;
    CopyDataSet(false);
    OwnDesktop desktop("zv_small", width, height);
    ASSERT_TRUE(desktop.Ok());
    DecodeBackdrops(width, height);
    Running game;
    Start(game, "zorvane.exe", desktop.Name());
    const HWND window = desktop.WaitForWindow("Zorvane");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitFor(
        [&] {
            RECT r = {};
            GetWindowRect(window, &r);
            return r.right - r.left == width && r.bottom - r.top == height;
        },
        30000));
    ExpectMenuBackdrop(width, height);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
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
