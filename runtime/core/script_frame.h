// The context of one run of an event script, handed to every instruction, the evaluator and every
// command handler; and the table that binds (object type, command number) to handlers.
#pragma once

#include <vector>

#include "fw_string.h"

class CProjectRuntime;
struct ObjectRecord;
struct WindowRecord;

// The caller's parameters of a run (a function's arguments, an event's values).
struct ArgumentBlock {
    std::vector<CString> Texts;
    int GetCount() const { return int(Texts.size()); }
};

struct ScriptFrame {
    CString Result;  // the dispatcher empties it before each command
    std::vector<double> NumberSlots;  // one per LocalNumber object of the window
    std::vector<CString> TextSlots;  // one per LocalText object
    const ArgumentBlock* Arguments = nullptr;
};

// A command handler: reads its arguments from the front of params through the evaluator, acts,
// and writes its answer into frame.Result.
typedef void (*CommandHandler)(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, CString& params,
                               ScriptFrame& frame);

struct CommandEntry {
    const char* Name;  // the handler's name
    CommandHandler Handler;  // null until the handler is built: the command does nothing
};

// Handlers by type and command number; the dispatcher adds the shared commands and flow codes.
class CommandTable {
public:
    virtual ~CommandTable() = default;
    // The entry of a type's own command, or null when the type has no such command.
    virtual const CommandEntry* FindOwn(int type, int command) const = 0;
    // Commands 0 and 1 of the window and the objects from type 12 on.
    virtual const CommandEntry* FindObjectCommand(int command) const = 0;
    // Commands 2 to 30 of the window and the visual controls.
    virtual const CommandEntry* FindControlCommand(int command) const = 0;
};
