#include "win_test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zvtest {

int Image::Count(int x0, int y0, int x1, int y1, const std::function<bool(uint32_t)>& test) const
{
    int n = 0;
    for (int y = y0 < 0 ? 0 : y0; y < y1 && y < height; ++y)
        for (int x = x0 < 0 ? 0 : x0; x < x1 && x < width; ++x)
            if (test(At(x, y))) ++n;
    return n;
}

Image Image::Crop(int x, int y, int w, int h) const
{
    Image part;
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width, x + w), y1 = std::min(height, y + h);
    if (x1 <= x0 || y1 <= y0) return part;
    part.width = x1 - x0;
    part.height = y1 - y0;
    part.pixels.reserve(static_cast<size_t>(part.width) * part.height);
    for (int row = y0; row < y1; ++row)
        for (int col = x0; col < x1; ++col) part.pixels.push_back(At(col, row));
    return part;
}

bool Image::SavePpm(const std::string& path) const
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (uint32_t p : pixels) {
        unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                static_cast<unsigned char>(p)};
        std::fwrite(rgb, 1, 3, f);
    }
    return std::fclose(f) == 0;
}

bool ColorNear(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

static Image CaptureDc(HDC src, int x, int y, int width, int height)
{
    Image img;
    if (width <= 0 || height <= 0) return img;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC mem = CreateCompatibleDC(src);
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bmp && bits) {
        HGDIOBJ old = SelectObject(mem, bmp);
        BitBlt(mem, 0, 0, width, height, src, x, y, SRCCOPY);
        GdiFlush();
        img.width = width;
        img.height = height;
        img.pixels.resize(static_cast<size_t>(width) * height);
        const uint32_t* p = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < img.pixels.size(); ++i) img.pixels[i] = p[i] & 0xFFFFFF;
        SelectObject(mem, old);
    }
    if (bmp) DeleteObject(bmp);
    DeleteDC(mem);
    return img;
}

Image CaptureWindow(HWND hwnd)
{
    RECT rc;
    if (!GetClientRect(hwnd, &rc)) return Image();
    HDC dc = GetDC(hwnd);
    Image img = CaptureDc(dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top);
    ReleaseDC(hwnd, dc);
    return img;
}

Image CaptureScreen()
{
    HDC dc = GetDC(nullptr);
    Image img = CaptureDc(dc, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    ReleaseDC(nullptr, dc);
    return img;
}

Image ReadBackBuffer(IDirect3DDevice9* device)
{
    Image img;
    IDirect3DSurface9* back = nullptr;
    if (!device || FAILED(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back))) return img;
    D3DSURFACE_DESC desc;
    back->GetDesc(&desc);
    IDirect3DSurface9* sys = nullptr;
    if (SUCCEEDED(device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM, &sys,
                                                      nullptr)) &&
        SUCCEEDED(device->GetRenderTargetData(back, sys))) {
        D3DLOCKED_RECT lr;
        if (SUCCEEDED(sys->LockRect(&lr, nullptr, D3DLOCK_READONLY))) {
            img.width = static_cast<int>(desc.Width);
            img.height = static_cast<int>(desc.Height);
            img.pixels.resize(static_cast<size_t>(img.width) * img.height);
            for (int y = 0; y < img.height; ++y) {
                const unsigned char* row = static_cast<const unsigned char*>(lr.pBits) + y * lr.Pitch;
                for (int x = 0; x < img.width; ++x) {
                    uint32_t v;
                    if (desc.Format == D3DFMT_R5G6B5) {
                        uint16_t s = static_cast<uint16_t>(row[x * 2] | (row[x * 2 + 1] << 8));
                        v = (((s >> 11) & 31) * 255 / 31) << 16 | (((s >> 5) & 63) * 255 / 63) << 8 |
                            ((s & 31) * 255 / 31);
                    } else {
                        v = static_cast<uint32_t>(row[x * 4] | (row[x * 4 + 1] << 8) | (row[x * 4 + 2] << 16));
                    }
                    img.pixels[static_cast<size_t>(y) * img.width + x] = v;
                }
            }
            sys->UnlockRect();
        }
    }
    if (sys) sys->Release();
    back->Release();
    return img;
}

void PumpMessages(DWORD ms)
{
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    } while (GetTickCount() - start < ms);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        PumpMessages(5);
    }
}

void SendKey(WORD vk, bool down)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT: in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY; break;
    default: break;
    }
    SendInput(1, &in, sizeof(in));
}

void TapKey(WORD vk)
{
    SendKey(vk, true);
    PumpMessages(20);
    SendKey(vk, false);
    PumpMessages(20);
}

void TypeText(const std::string& text)
{
    for (char c : text) {
        SHORT code = VkKeyScanA(c);
        if (code == -1) continue;
        bool shift = (code >> 8) & 1;
        if (shift) SendKey(VK_SHIFT, true);
        TapKey(static_cast<WORD>(code & 0xFF));
        if (shift) SendKey(VK_SHIFT, false);
    }
}

namespace {

bool CursorNear(int x, int y)
{
    POINT at;
    return GetCursorPos(&at) && std::abs(at.x - x) <= 1 && std::abs(at.y - y) <= 1;
}

// True once the cursor has stayed at (x, y) for settleMs; false when it does not get there, or
// gets there and is taken away again.
bool CursorSettlesAt(int x, int y, DWORD settleMs)
{
    const DWORD kLimitMs = 500;
    const DWORD start = GetTickCount();
    DWORD arrived = 0;
    bool there = false;
    while (GetTickCount() - start < kLimitMs) {
        PumpMessages(5);
        if (CursorNear(x, y)) {
            if (!there) arrived = GetTickCount();
            there = true;
            if (GetTickCount() - arrived >= settleMs) return true;
        } else if (there) {
            return false;
        }
    }
    return false;
}

}  // namespace

void MoveMouse(int screenX, int screenY)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screenX, 65535, width - 1);
    in.mi.dy = MulDiv(screenY, 65535, height - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // The X server reports the pointer's earlier warp late now and then; Wine takes that report for
    // a move and puts the cursor back where it was, in place of this move if that was not read yet.
    // So move until the cursor stays where it was sent, as a user moves the mouse again.
    const int x = std::clamp(screenX, 0, width - 1), y = std::clamp(screenY, 0, height - 1);
    for (int attempt = 0; attempt < 5; ++attempt) {
        SendInput(1, &in, sizeof(in));
        if (CursorSettlesAt(x, y, 30)) return;
    }
}

void Click(int screenX, int screenY, bool right)
{
    MoveMouse(screenX, screenY);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    PumpMessages(20);
}

void Activate(HWND hwnd)
{
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
    SetFocus(hwnd);
    PumpMessages(50);
}

static LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND CreateTestWindow(int width, int height, const char* title)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "ZvTestWindow";
        RegisterClassA(&wc);
        registered = true;
    }
    RECT rc = {0, 0, width, height};
    AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    HWND hwnd = CreateWindowA("ZvTestWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, rc.right - rc.left,
                              rc.bottom - rc.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd) {
        UpdateWindow(hwnd);
        PumpMessages(50);
    }
    return hwnd;
}

MessageBoxAnswerer::MessageBoxAnswerer(const std::string& caption, int buttonId, DWORD timeoutMs)
    : caption_(caption), button_(buttonId), timeout_(timeoutMs)
{
    thread_ = std::thread(&MessageBoxAnswerer::Run, this);
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

std::string MessageBoxAnswerer::Text() const { return answered_ ? text_ : std::string(); }

void MessageBoxAnswerer::Run()
{
    DWORD start = GetTickCount();
    while (!stop_ && GetTickCount() - start < timeout_) {
        HWND box = FindWindowA("#32770", caption_.c_str());
        if (box && IsWindowVisible(box)) {
            // The static control with id 0xFFFF holds a message box's text.
            char buf[1024] = "";
            GetDlgItemTextA(box, 0xFFFF, buf, sizeof(buf));
            text_ = buf;
            HWND button = GetDlgItem(box, button_);
            answered_ = true;
            if (button)
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), reinterpret_cast<LPARAM>(button));
            else
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
            return;
        }
        Sleep(20);
    }
}

static std::string EnvOr(const char* name, const std::string& fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

std::string TempDir()
{
    char tmp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, tmp);
    std::string dir = EnvOr("ZV_TEST_TMP", tmp);
    if (!dir.empty() && dir.back() != '\\') dir += '\\';
    return dir;
}

std::string SourceDir() { return EnvOr("ZV_SOURCE_DIR", "."); }

std::string SoundOutputPath() { return EnvOr("ZV_SOUND_OUT", ""); }

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::vector<uint8_t> data;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return data;
    unsigned char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) data.insert(data.end(), buf, buf + n);
    std::fclose(f);
    return data;
}

void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolder(folder + name + "\\");
            } else {
                SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA((folder + name).c_str());
            }
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}

namespace {

struct TitleSearch {
    DWORD process;
    const std::string& title;
    HWND found;
};

BOOL CALLBACK FindTitled(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<TitleSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char title[256] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    if (process != search->process || search->title != title || !IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD process, const std::string& title)
{
    TitleSearch search = {process, title, nullptr};
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SoundOutput::Update()
{
    FILE* f = std::fopen(SoundOutputPath().c_str(), "rb");
    if (!f) return;
    if (std::fseek(f, static_cast<long>(bytes_), SEEK_SET) == 0) {
        unsigned char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) {
            bytes_ += n;
            for (size_t i = 0; i < n; ++i) nonSilent_ += buf[i] != 0;
        }
    }
    std::fclose(f);
}

bool SoundOutput::WaitUntilSettled(size_t silence, DWORD limitMs)
{
    Update();
    size_t lastSound = nonSilent_, silentSince = bytes_;
    return WaitFor(
        [&] {
            Update();
            if (nonSilent_ != lastSound) {
                lastSound = nonSilent_;
                silentSince = bytes_;
            }
            return bytes_ - silentSince >= silence;
        },
        limitMs);
}

bool SoundOutput::WaitForNonSilent(size_t nonSilent, DWORD limitMs)
{
    return WaitFor(
        [&] {
            Update();
            return nonSilent_ >= nonSilent;
        },
        limitMs);
}

}  // namespace zvtest
