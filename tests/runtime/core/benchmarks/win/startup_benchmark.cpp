// Time from process start to the main window shown: qbk.exe carrying a project of a window with a
// dozen controls, next to a plain Win32 program that shows one window, in the same run. Prints
// the medians and their ratio. A program that prints figures; no test runs it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "project_run.h"

namespace {

constexpr int kRuns = 7;

// Milliseconds from CreateProcess to a visible top-level window of the process titled `title`.
double TimeToWindow(const std::string& program, const char* title)
{
    std::string command = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    HWND window = nullptr;
    // Polled each millisecond: a tighter loop would keep Wine's server busy with our questions and
    // slow the program being timed.
    const ULONGLONG giveUp = GetTickCount64() + 30000;
    while (!window && GetTickCount64() < giveUp) {
        HWND found = FindWindowA(nullptr, title);
        DWORD owner = 0;
        if (found) GetWindowThreadProcessId(found, &owner);
        if (found && owner == process.dwProcessId && IsWindowVisible(found))
            window = found;
        else
            Sleep(1);
    }
    QueryPerformanceCounter(&now);
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return window ? double(now.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart) : -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main()
{
    std::string description = R"(
window MAIN
  caption "Benchmark"
  style 0x100B0001
  rect 0 0 520 340
)";
    for (int i = 0; i < 12; ++i) {
        const std::string type = i % 3 == 0 ? "CheckBox" : i % 3 == 1 ? "ListBox" : "ComboBox";
        description += "  object " + type + " o" + std::to_string(i) + "\n    rect " +
                       std::to_string(10 + (i % 4) * 120) + " " + std::to_string(10 + (i / 4) * 100) + " 110 80\n";
    }
    qbktest::ProjectRun run(description, false);
    std::vector<double> project, empty;
    for (int i = 0; i < kRuns; ++i) {
        empty.push_back(TimeToWindow(EMPTY_WINDOW_PROGRAM, "Empty"));
        project.push_back(TimeToWindow(run.ProgramPath(), "Benchmark"));
    }
    const double e = Median(empty), p = Median(project);
    std::printf("start to window shown, median of %d: empty Win32 program %.1f ms, qbk with a project %.1f ms, "
                "ratio %.2f (goal: at most 1.5)\n",
                kRuns, e, p, p / e);
    return 0;
}
