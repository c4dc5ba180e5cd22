// The one place where an instruction turns into work: the handler of (object type, command
// number), and the control-flow code the runner acts on.
#include "project_model.h"

namespace {

enum FlowCode {
    FlowGoOn = 0,
    FlowIfTrue = 1,
    FlowIfFalse = 2,
    FlowElse = 3,
    FlowEndIf = 4,
    FlowLoopTrue = 5,
    FlowLoopFalse = 6,
    FlowLoopEnd = 7,
    FlowNextPass = 8,
    FlowLeaveLoop = 9,
    FlowReturn = 10,
    FlowEndProgram = 11
};

}  // namespace

int CProjectRuntime::DispatchObjectCommand(WindowRecord* window, ObjectRecord* object, int command, CString& params,
                                           ScriptFrame& frame)
{
    if (!window || !object) return FlowGoOn;
    frame.Result.Empty();
    const int type = object->Type;
    auto run = [&](const CommandEntry* entry) {
        if (entry && entry->Handler) entry->Handler(*this, *window, *object, params, frame);
        return entry != nullptr;
    };
    const CommandTable* table = m_commandTable;
    switch (type) {
    case qbk::TypeCondition:
        if (command == 0) {
            if (table) run(table->FindOwn(type, 0));
            return frame.Result == "1" ? FlowIfTrue : FlowIfFalse;
        }
        if (command == 1) return FlowElse;
        if (command == 2) return FlowEndIf;
        return FlowGoOn;
    case qbk::TypeLoop:
        if (command == 0) {
            if (table) run(table->FindOwn(type, 0));
            return frame.Result == "1" ? FlowLoopTrue : FlowLoopFalse;
        }
        return command == 1 ? FlowLoopEnd : FlowGoOn;
    case qbk::TypeApplication:
        switch (command) {
        case 0: return FlowLeaveLoop;
        case 1: return FlowNextPass;
        case 2: return FlowEndProgram;
        case 23:
            if (table) run(table->FindOwn(type, 23));
            return FlowReturn;
        default: break;
        }
        break;
    default: break;
    }
    if (!table) return FlowGoOn;
    if (type >= 0 && type < qbk::kObjectTypeCount && run(table->FindOwn(type, command))) return FlowGoOn;
    // Shared commands; a type number beyond the table takes this path as well.
    if ((type == qbk::TypeWindow || type >= 12) && (command == 0 || command == 1))
        run(table->FindObjectCommand(command));
    else if ((type == qbk::TypeWindow || type >= 45) && command >= 2 && command <= 30)
        run(table->FindControlCommand(command));
    return FlowGoOn;
}
