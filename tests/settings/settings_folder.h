// The game's settings program and the game as a user has them: a folder of their own holding the
// programs and the data set, the settings window driven with real keys and clicks, and the game
// started afterwards from the same folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "project_plan.h"
#include "win_test_support.h"

namespace zvsettings {

constexpr DWORD kWait = 30000;  // generous: the display is shared with other tests

// A program started in a folder; ended when it still runs at the end.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Start(const std::string& folder, const std::string& program);
    // The exit code, or -1 when it still runs after the time.
    int WaitForExit(DWORD timeoutMs = kWait);
    // The shown top-level window of this process with that title, null when none comes in time.
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs = kWait) const;

private:
    PROCESS_INFORMATION info_ = {};
};

class SettingsFolder {
public:
    // A scratch folder for the running test, filled from a folder that holds both programs and
    // the data set (the build's game folder or an unpacked package): everything, or qbk.exe alone.
    explicit SettingsFolder(const std::string& from, bool withGame = false);
    ~SettingsFolder();

    const std::string& Path() const { return folder_; }
    std::string ConfigPath() const { return folder_ + "config.ini"; }
    void WriteConfig(const std::string& bytes) const;
    // The file's bytes; "<missing>" when there is none.
    std::string ReadConfig() const;

    // The settings window once it is shown with its list filled and the focus in the list.
    HWND StartSettings();
    Process& Settings() { return settings_; }
    HWND Window() const { return window_; }
    // A control of the settings window by its object's name in the project.
    HWND Control(const std::string& name) const;
    HWND Focus() const;

    // Input as a user makes it; the window is brought to the front first when it is not.
    void Press(WORD key);
    void Click(const std::string& control);
    // Presses the key (with Shift held) and waits until the focus is on that control.
    bool MoveFocus(WORD key, const std::string& to, bool shift = false);

    // The list's sizes as "W x H", the selected one, and the state of a check box.
    std::vector<std::string> Sizes() const;
    std::string ChosenSize() const;
    bool Checked(const std::string& box) const;

private:
    std::string folder_;
    qbkw::ProjectPlan plan_;
    Process settings_;
    HWND window_ = nullptr;
};

// The line ends of an INI text written with "\n" made into the file's "\r\n".
std::string CrLf(const std::string& text);

}  // namespace zvsettings
