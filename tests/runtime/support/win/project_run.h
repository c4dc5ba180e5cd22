// Whole-project tests: a project written in the project writer's text form is packed onto a copy
// of qbk.exe in a scratch folder of its own, started as a user starts it, driven with real clicks
// and keys, and read back as a user sees it (window texts, control states, pixels, files).
//
//   ProjectRun run(R"(
//   window MAIN
//     caption "Main"   style 0x100B0001   rect 0 0 300 200
//     object Button ok
//       rect 10 10 80 24
//     event 5
//       @MAIN.SetText("pressed")
//   )");
//   HWND main = run.Window("MAIN");
//   run.ClickAt(main, 150, 150);
//   EXPECT_TRUE(run.WaitForText(main, "pressed"));
//
// Scripts name commands by the words of the runtime's tables without the type ("SetText" for
// Control_SetText, "GetParameter" for Application_GetParameter): the fixture gives every type its
// words unless the description lists its own. Input goes to the shared display, so such tests are
// SERIAL.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "project_plan.h"
#include "win_test_support.h"

namespace qbktest {

constexpr DWORD kWait = 15000;  // generous: the display is shared with other tests

class ProjectRun {
public:
    // Packs the description; the program starts unless start is false (see Start).
    explicit ProjectRun(const std::string& description, bool start = true);
    ~ProjectRun();
    ProjectRun(const ProjectRun&) = delete;
    ProjectRun& operator=(const ProjectRun&) = delete;

    // Starts the packed program with the arguments after its path; false when it cannot start.
    bool Start(const std::string& arguments = "");
    // The scratch folder of this run (the program's own folder), with a trailing backslash.
    const std::string& Folder() const { return folder_; }
    const std::string& ProgramPath() const { return program_; }
    const qbkw::ProjectPlan& Plan() const { return plan_; }

    // The window of the project window named `name` in the description, found by the caption it
    // opens with, once it is shown (and kept, so later captions do not matter); null when it does
    // not appear in time.
    HWND Window(const std::string& name, DWORD timeoutMs = kWait);
    // The control of an object of that window (its control id is the object id + 3000).
    HWND Control(const std::string& window, const std::string& object, DWORD timeoutMs = kWait);
    // A window of the program by class and title ("" matches any), top-level or inside another.
    HWND FindWindowOf(const std::string& className, const std::string& title) const;

    static std::string Text(HWND window);
    // The window's outer rectangle where its parent places it (the screen for a top-level window).
    static RECT PlaceInParent(HWND window);
    bool WaitForText(HWND window, const std::string& expected, DWORD timeoutMs = kWait) const;
    // The program's exit code, or -1 when it still runs after the time.
    int WaitForExit(DWORD timeoutMs = kWait);
    bool IsRunning() const;

    // Asks a script for an answer without input: the window's Time event runs with the timer id as
    // if the timer had fired, and the answer is what its script then writes into the caption after
    // "id:" (the script writes "id:" and its answer); "?" and the caption when none comes in time.
    std::string Answer(HWND window, int timerId, DWORD timeoutMs = kWait) const;

    // Input as a user makes it: the window is brought to the front first.
    void ClickAt(HWND window, int clientX, int clientY, bool right = false);
    void Click(HWND control, bool right = false);
    void PressKey(HWND window, WORD virtualKey);
    static void BringToFront(HWND window);

    // The client area as drawn now.
    static zvtest::Image Capture(HWND window) { return zvtest::CaptureWindow(window); }
    // Brings the window to the front and waits until the client point shows the colour (0xRRGGBB).
    // Under Wine a child window of another process reads black: read it through its top-level window.
    static bool WaitForPixel(HWND window, int clientX, int clientY, uint32_t colour, DWORD timeoutMs = kWait);

    // A message box the program shows: its text, and the box answered with the button (OK unless
    // another is given); "" when none appears in time.
    std::string AnswerMessageBox(const std::string& caption, DWORD timeoutMs = kWait, int button = IDOK);
    // The texts of the buttons of the message box with that caption now showing, in order.
    std::vector<std::string> MessageBoxButtons(const std::string& caption, DWORD timeoutMs = kWait) const;

private:
    const qbkw::WindowPlan* WindowPlanOf(const std::string& name) const;
    HWND WaitForMessageBox(const std::string& caption, DWORD timeoutMs) const;
    // The texts of the shown children of that class that have one, in order.
    static std::vector<std::string> ChildTexts(HWND parent, const std::string& className);

    qbkw::ProjectPlan plan_;
    std::string folder_;
    std::string program_;
    PROCESS_INFORMATION process_ = {};
    std::map<std::string, HWND> windows_;
};

// The command words of every type, as "commands" lines of the text form.
std::string DefaultCommandWords();

// A 24-bit BMP file of the size, each pixel 0x00RRGGBB from colour(x, y) (y from the top), as the
// hex digits of the text form's file lines: file "image/a.bmp" type 1 hex "...".
std::string BmpFileHex(int width, int height, uint32_t (*colour)(int x, int y));

}  // namespace qbktest
