// The one place where an instruction turns into work: the handler of (object type, command
// number), and the flow code the runner acts on.
#include "command_context.h"
#include "command_table.h"
#include "project_model.h"

FlowCode CProjectRuntime::DispatchObjectCommand(WindowRecord* window, ObjectRecord* object, int command,
                                                CString& params, ScriptFrame& frame)
{
    ArgumentCursor arguments(params);
    return DispatchObjectCommand(window, object, command, arguments, frame);
}

FlowCode CProjectRuntime::DispatchObjectCommand(WindowRecord* window, ObjectRecord* object, int command,
                                                ArgumentCursor& params, ScriptFrame& frame)
{
    if (!window || !object) return FlowCode::GoOn;
    frame.Result.Empty();
    const int type = object->Type;
    const CommandTable* table = m_commandTable;
    // Runs the entry's handler when it is built; answers whether the number has a command at all.
    auto run = [&](const CommandEntry* entry) {
        if (entry && entry->Handler) {
            CommandContext context(*this, *window, *object, params, frame);
            entry->Handler(context);
        }
        return entry != nullptr;
    };
    auto runOwn = [&]() { return table && run(table->FindOwn(type, command)); };
    auto holds = [&]() {
        const CString& answer = frame.Result.Text();
        return answer.GetLength() == 1 && answer.GetString()[0] == '1';
    };

    switch (type) {
    case qbk::TypeCondition:
        switch (command) {
        case flow::kIf: runOwn(); return holds() ? FlowCode::IfTrue : FlowCode::IfFalse;
        case flow::kElse: return FlowCode::Else;
        case flow::kEndIf: return FlowCode::EndIf;
        default: return FlowCode::GoOn;
        }
    case qbk::TypeLoop:
        switch (command) {
        case flow::kLoopHead: runOwn(); return holds() ? FlowCode::LoopTrue : FlowCode::LoopFalse;
        case flow::kLoopEnd: return FlowCode::LoopEnd;
        default: return FlowCode::GoOn;
        }
    case qbk::TypeApplication:
        switch (command) {
        case flow::kLeaveLoop: return FlowCode::LeaveLoop;
        case flow::kNextPass: return FlowCode::NextPass;
        case flow::kEndProgram: return FlowCode::EndProgram;
        case flow::kReturn: runOwn(); return FlowCode::Return;
        default: break;
        }
        break;
    default: break;
    }
    if (!table || runOwn()) return FlowCode::GoOn;
    // Shared commands; a type number beyond the last type takes this path as well.
    if (qbk::HasObjectCommands(type) && command >= qbk::kFirstObjectCommand && command <= qbk::kLastObjectCommand)
        run(table->FindObjectCommand(command));
    else if (qbk::HasControlCommands(type) && command >= qbk::kFirstControlCommand &&
             command <= qbk::kLastControlCommand)
        run(table->FindControlCommand(command));
    return FlowCode::GoOn;
}
