#include "settings_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>

#include "project_description.h"

namespace zvsettings {

namespace {

constexpr int kControlIdBase = 3000;

bool CopyTree(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((from + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyTree(from + name + "\\", to + name + "\\") && ok;
        else
            ok = CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE) && ok;
    } while (FindNextFileA(h, &found));
    FindClose(h);
    return ok;
}

std::string ReadText(const std::string& path)
{
    const std::vector<uint8_t> bytes = zvtest::ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

Process::~Process()
{
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

bool Process::Start(const std::string& folder, const std::string& program)
{
    if (info_.hProcess) return false;
    const std::string path = folder + program;
    std::string command = "\"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(path.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &info_) != 0;
}

int Process::WaitForExit(DWORD timeoutMs)
{
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return int(code);
}

HWND Process::WaitForWindow(const std::string& title, DWORD timeoutMs) const
{
    HWND found = nullptr;
    zvtest::WaitFor([&] { return (found = zvtest::FindProcessWindow(info_.dwProcessId, title)) != nullptr; },
                    timeoutMs);
    return found;
}

SettingsFolder::SettingsFolder(const std::string& from, bool withGame)
{
    static std::atomic<int> counter{0};
    char name[64];
    std::snprintf(name, sizeof name, "settings%lu_%d\\", GetCurrentProcessId(), counter++);
    folder_ = zvtest::TempDir() + name;
    zvtest::RemoveFolder(folder_);
    if (withGame) {
        EXPECT_TRUE(CopyTree(from, folder_)) << from;
    } else {
        CreateDirectoryA(folder_.c_str(), nullptr);
        EXPECT_TRUE(CopyFileA((from + "qbk.exe").c_str(), (folder_ + "qbk.exe").c_str(), FALSE)) << from;
    }
    const std::string project = ZV_SETTINGS_PROJECT;
    plan_ = qbkw::ParseProjectDescription(ReadText(project), project.substr(0, project.find_last_of('\\')));
}

SettingsFolder::~SettingsFolder() { zvtest::RemoveFolder(folder_); }

void SettingsFolder::WriteConfig(const std::string& bytes) const
{
    FILE* file = std::fopen(ConfigPath().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string SettingsFolder::ReadConfig() const
{
    if (GetFileAttributesA(ConfigPath().c_str()) == INVALID_FILE_ATTRIBUTES) return "<missing>";
    return ReadText(ConfigPath());
}

HWND SettingsFolder::StartSettings()
{
    if (!settings_.Start(folder_, "qbk.exe")) return nullptr;
    window_ = settings_.WaitForWindow("Zorvane Settings");
    if (!window_) return nullptr;
    const HWND list = Control("sizes");
    if (!zvtest::WaitFor([&] { return Focus() == list && SendMessageA(list, LB_GETCOUNT, 0, 0) > 0; }, kWait))
        return nullptr;
    return window_;
}

HWND SettingsFolder::Control(const std::string& name) const
{
    const qbkw::WindowPlan& main = plan_.windows.at(0);
    for (size_t id = 0; id < main.objects.size(); ++id)
        if (main.objects[id].name == name) return GetDlgItem(window_, kControlIdBase + int(id));
    return nullptr;
}

HWND SettingsFolder::Focus() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
}

void SettingsFolder::Press(WORD key)
{
    // Bringing a window to the front that is there already would move its focus.
    if (GetForegroundWindow() != window_) {
        SetForegroundWindow(window_);
        zvtest::WaitFor([&] { return GetForegroundWindow() == window_; }, 5000);
    }
    zvtest::TapKey(key);
}

void SettingsFolder::Click(const std::string& control)
{
    RECT place;
    GetWindowRect(Control(control), &place);
    zvtest::Click((place.left + place.right) / 2, (place.top + place.bottom) / 2);
}

bool SettingsFolder::MoveFocus(WORD key, const std::string& to, bool shift)
{
    // Shift is held until the key has done its work, as a user holds it: the program asks for
    // its state when the key arrives.
    if (shift) zvtest::SendKey(VK_SHIFT, true);
    Press(key);
    const HWND target = Control(to);
    const bool moved = zvtest::WaitFor([&] { return Focus() == target; }, kWait);
    if (shift) zvtest::SendKey(VK_SHIFT, false);
    return moved;
}

std::vector<std::string> SettingsFolder::Sizes() const
{
    // Texts do not cross processes; each item's number is its width * 10000 + its height.
    std::vector<std::string> sizes;
    const HWND list = Control("sizes");
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT key = SendMessageA(list, LB_GETITEMDATA, WPARAM(i), 0);
        sizes.push_back(std::to_string(key / 10000) + " x " + std::to_string(key % 10000));
    }
    return sizes;
}

std::string SettingsFolder::ChosenSize() const
{
    const LRESULT chosen = SendMessageA(Control("sizes"), LB_GETCURSEL, 0, 0);
    const std::vector<std::string> sizes = Sizes();
    return chosen >= 0 && size_t(chosen) < sizes.size() ? sizes[size_t(chosen)] : "none";
}

bool SettingsFolder::Checked(const std::string& box) const
{
    return SendMessageA(Control(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string CrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace zvsettings
