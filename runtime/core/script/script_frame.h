// The context of one run of an event script, handed to every instruction, the evaluator and every
// command handler.
#pragma once

#include <vector>

#include "fw_string.h"
#include "script_value.h"

struct WindowRecord;

// The caller's parameters of a run (a function's arguments, an event's values).
struct ArgumentBlock {
    std::vector<CString> Texts;
    int GetCount() const { return int(Texts.size()); }
};

struct ScriptFrame {
    ScriptValue Result;  // the dispatcher empties it before each command
    std::vector<double> NumberSlots;  // one per LocalNumber object of the window
    std::vector<CString> TextSlots;  // one per LocalText object
    const ArgumentBlock* Arguments = nullptr;
    // The window whose script runs: the local slots are its objects'. Null: a frame of no run.
    const WindowRecord* Window = nullptr;
};
