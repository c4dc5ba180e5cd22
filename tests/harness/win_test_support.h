// Helpers for tests that run real windows under Wine: reading pixels back, acting as a user would,
// answering message boxes, and reading what the test sound device played.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace zvtest {

// Pixels as 0x00RRGGBB, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // Number of pixels inside [x0,x1) x [y0,y1) that satisfy the test.
    int Count(int x0, int y0, int x1, int y1, const std::function<bool(uint32_t)>& test) const;
    bool SavePpm(const std::string& path) const;
    // The part [x, x + w) x [y, y + h), cut to the image.
    Image Crop(int x, int y, int w, int h) const;
};

bool ColorNear(uint32_t a, uint32_t b, int tolerance = 8);
inline uint32_t Rgb(int r, int g, int b) { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b); }

// The client area of a window as it is drawn now.
Image CaptureWindow(HWND hwnd);
// The whole desktop.
Image CaptureScreen();
// The device's current back buffer (call before Present).
Image ReadBackBuffer(IDirect3DDevice9* device);

// Lets the thread's windows process what is waiting, for about ms milliseconds.
void PumpMessages(DWORD ms);
// Pumps messages until the condition holds or the time runs out.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);

// Input as a user causes it, through SendInput (goes to the foreground window).
void SendKey(WORD vk, bool down);
void TapKey(WORD vk);
void TypeText(const std::string& text);
void MoveMouse(int screenX, int screenY);
void Click(int screenX, int screenY, bool right = false);
// Brings a window to the front so that input reaches it.
void Activate(HWND hwnd);

// A plain visible top-level window with a white background, for tests that need a host window.
HWND CreateTestWindow(int width, int height, const char* title = "zv test");

// Watches for a message box (dialog class #32770) with the given caption and presses the button
// with the given id (IDOK, IDYES, ...). Runs on its own thread until answered or timed out.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer(const std::string& caption, int buttonId, DWORD timeoutMs = 15000);
    ~MessageBoxAnswerer();
    bool Answered() const { return answered_; }
    // The message text of the box that was answered.
    std::string Text() const;

private:
    void Run();
    std::string caption_;
    int button_;
    DWORD timeout_;
    std::atomic<bool> answered_{false};
    std::atomic<bool> stop_{false};
    std::string text_;
    std::thread thread_;
};

// Environment given by the test runner (cmake/wine-run.sh).
std::string TempDir();  // a scratch folder of this test run, with a trailing backslash
std::string SourceDir();  // the source tree
std::string SoundOutputPath();  // the file the test sound device writes into
std::vector<uint8_t> ReadFileBytes(const std::string& path);
// Removes a folder with everything in it (read-only files too).
void RemoveFolder(const std::string& folder);
// A shown top-level window of that process with exactly that title; null when there is none now.
HWND FindProcessWindow(DWORD process, const std::string& title);

// What the test run's sound device has written to its file: every byte and the non-zero ones.
// Each look reads only what was added since the last one.
class SoundOutput {
public:
    // About a quarter of a second of the device's output.
    static constexpr size_t kSettledSilence = 96000;

    void Update();
    size_t Bytes() const { return bytes_; }
    size_t NonSilentBytes() const { return nonSilent_; }
    // Waits (at most the limit) until the device has gone on writing `silence` bytes of silence
    // after the last sound: everything played so far has then arrived. False when it did not.
    bool WaitUntilSettled(size_t silence = kSettledSilence, DWORD limitMs = 30000);
    // Waits (at most the limit) until at least this many non-zero bytes have arrived.
    bool WaitForNonSilent(size_t nonSilent, DWORD limitMs = 30000);

private:
    size_t bytes_ = 0;
    size_t nonSilent_ = 0;
};

}  // namespace zvtest
