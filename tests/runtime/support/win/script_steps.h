// Scripts that report their commands' answers: a table of steps, each an instruction that acts or
// one whose answer is noted at the end of a window's title ("|" and the answer), so that one run
// of a project checks a whole table, and a failure names the instruction that answered wrongly.
//
//   const std::vector<Step> steps = {Do("@names.AddString(\"a\")"), Note("@names.GetCount()", "1")};
//   ProjectRun run("window MAIN ... caption \"Caption\" ..." + TimerScript({ScriptLines(steps, "MAIN", 8)}));
//   HWND main = RunSteps(run, "MAIN", "Caption", steps);
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "project_run.h"

namespace qbktest {

struct Step {
    std::string Instruction;
    std::string Answer;
    bool Noted;
};

inline Step Do(const std::string& instruction) { return {instruction, "", false}; }
inline Step Note(const std::string& instruction, const std::string& answer) { return {instruction, answer, true}; }

// The steps as script lines of the given indentation; noted answers go to window's title.
inline std::string ScriptLines(const std::vector<Step>& steps, const std::string& window, int indent)
{
    const std::string pad(size_t(indent), ' ');
    std::string lines;
    for (const Step& step : steps) {
        if (step.Noted)
            lines += pad + "@" + window + ".SetText(@" + window + ".GetText() & \"|\" & " + step.Instruction + ")\n";
        else
            lines += pad + step.Instruction + "\n";
    }
    return lines;
}

// The window's Time object with phases: the lines of phases[i] run when the window gets WM_TIMER
// with id i + 1 (what a test posts once it has found the window by the caption it opened with).
// Lines are indented by 8.
inline std::string TimerScript(const std::vector<std::string>& phases)
{
    std::string script = "  builtin Time\n    event 0\n";
    for (size_t i = 0; i < phases.size(); ++i) {
        if (phases[i].empty()) continue;
        script += "      @Condition.If(@Application.GetParameter(0), \"=\", " + std::to_string(i + 1) + ")\n" +
                  phases[i] + "      @Condition.EndIf()\n";
    }
    return script;
}

inline std::vector<std::string> SplitNotes(const std::string& title)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t bar = title.find('|', start);
        parts.push_back(title.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) return parts;
        start = bar + 1;
    }
}

// Waits until the title holds every note after the caption, then checks each against its step.
inline void CheckNotes(HWND window, const std::string& caption, const std::vector<Step>& steps)
{
    size_t expected = 0;
    for (const Step& step : steps) expected += step.Noted ? 1 : 0;
    std::vector<std::string> notes;
    zvtest::WaitFor(
        [&] {
            notes = SplitNotes(ProjectRun::Text(window));
            return notes.size() >= expected + 1;
        },
        kWait);
    ASSERT_EQ(notes.size(), expected + 1) << ProjectRun::Text(window);
    EXPECT_EQ(notes[0], caption);
    size_t note = 1;
    for (const Step& step : steps) {
        if (!step.Noted) continue;
        EXPECT_EQ(notes[note], step.Answer) << step.Instruction;
        ++note;
    }
}

// Finds the window, runs the steps of timer 1 (TimerScript) and checks their notes; answers the
// window (null when it did not open).
inline HWND RunSteps(ProjectRun& run, const std::string& window, const std::string& caption,
                     const std::vector<Step>& steps)
{
    HWND found = run.Window(window);
    EXPECT_NE(found, nullptr) << window << " did not open";
    if (!found) return nullptr;
    PostMessageA(found, WM_TIMER, 1, 0);
    CheckNotes(found, caption, steps);
    return found;
}

}  // namespace qbktest
