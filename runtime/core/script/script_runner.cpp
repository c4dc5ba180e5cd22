// Runs the compiled rows of one event script and follows the control-flow codes.
#include "compiled_arguments.h"
#include "project_model.h"
#include "stored_format.h"

namespace {

const std::vector<Instruction>* RowsOf(const ObjectRecord& object, int eventIndex)
{
    if (eventIndex < 0 || eventIndex >= int(object.EventScripts.size())) return nullptr;
    return &object.EventScripts[size_t(eventIndex)].Rows;
}

bool RowIs(const Instruction& row, int type) { return row.Object && row.Object->Type == type; }

// Walks the rows of objects of one type from start (forward or backward), counting nesting: a row
// with command `opens` goes one level deeper; `closes` answers at depth 0 and otherwise comes one
// level back up; `alsoAnswers` (-1: none) answers at depth 0 and is passed over deeper down.
int ScanRows(const ObjectRecord& object, int eventIndex, int start, int step, int type, int opens, int closes,
             int alsoAnswers)
{
    const std::vector<Instruction>* rows = RowsOf(object, eventIndex);
    if (!rows || start < 0 || start >= int(rows->size())) return -1;
    int depth = 0;
    for (int i = start; i >= 0 && i < int(rows->size()); i += step) {
        const Instruction& row = (*rows)[size_t(i)];
        if (!RowIs(row, type)) continue;
        if (row.Command == opens)
            ++depth;
        else if (row.Command == alsoAnswers && depth == 0)
            return i;
        else if (row.Command == closes && depth-- == 0)
            return i;
    }
    return -1;
}

}  // namespace

int CProjectRuntime::FindConditionBranch(const ObjectRecord& object, int eventIndex, int start)
{
    return ScanRows(object, eventIndex, start, +1, qbk::TypeCondition, flow::kIf, flow::kEndIf, flow::kElse);
}

int CProjectRuntime::FindLoopEnd(const ObjectRecord& object, int eventIndex, int start)
{
    return ScanRows(object, eventIndex, start, +1, qbk::TypeLoop, flow::kLoopHead, flow::kLoopEnd, -1);
}

int CProjectRuntime::FindLoopHead(const ObjectRecord& object, int eventIndex, int start)
{
    return ScanRows(object, eventIndex, start, -1, qbk::TypeLoop, flow::kLoopEnd, flow::kLoopHead, -1);
}

FlowCode CProjectRuntime::ExecuteInstruction(WindowRecord* window, ObjectRecord* object, int eventIndex, int rowIndex,
                                             ScriptFrame& frame)
{
    if (!window || !object || eventIndex < 0 || eventIndex >= int(object->EventScripts.size())) return FlowCode::GoOn;
    std::vector<Instruction>& rows = object->EventScripts[size_t(eventIndex)].Rows;
    if (rowIndex < 0 || rowIndex >= int(rows.size())) return FlowCode::GoOn;
    Instruction& row = rows[size_t(rowIndex)];
    ResolveInstruction(row);
    if (!row.Arguments) row.Arguments = CompileArguments(row.Params);
    // Rows compiled again or deleted while the command runs keep their arguments until no command
    // runs (RetireCompiledArguments).
    ++m_runningInstructions;
    ArgumentCursor cursor(row.Arguments.get());
    const FlowCode code = DispatchObjectCommand(row.Window, row.Object, row.Command, cursor, frame);
    if (--m_runningInstructions == 0) m_retiredArguments.clear();
    return code;
}

int CProjectRuntime::JumpTarget(ObjectRecord& object, int eventIndex, int row, FlowCode code)
{
    // A row makes one kind of jump; its target is found once per record generation. (The command
    // may have compiled the rows again: the row is looked up by index, as the scans do.)
    const std::vector<Instruction>* rows = RowsOf(object, eventIndex);
    Instruction* instruction = rows && row >= 0 && row < int(rows->size())
                                   ? &object.EventScripts[size_t(eventIndex)].Rows[size_t(row)]
                                   : nullptr;
    if (instruction && instruction->JumpCode == int(code) && instruction->JumpGeneration == m_recordGeneration)
        return instruction->JumpTarget;
    int found = -1;
    switch (code) {
    case FlowCode::IfFalse:
    case FlowCode::Else: found = FindConditionBranch(object, eventIndex, row + 1); break;
    case FlowCode::LoopFalse: found = FindLoopEnd(object, eventIndex, row + 1); break;
    case FlowCode::LoopEnd: found = FindLoopHead(object, eventIndex, row - 1); break;
    case FlowCode::NextPass: found = FindLoopHead(object, eventIndex, row); break;
    case FlowCode::LeaveLoop: found = FindLoopEnd(object, eventIndex, row); break;
    default: break;
    }
    if (instruction) {
        instruction->JumpCode = int(code);
        instruction->JumpTarget = found;
        instruction->JumpGeneration = m_recordGeneration;
    }
    return found;
}

CString CProjectRuntime::RunScript(WindowRecord* window, ObjectRecord* object, int eventIndex,
                                   const ArgumentBlock* arguments)
{
    if (!window || !object || eventIndex < 0 || eventIndex >= object->EventCount ||
        eventIndex >= int(object->EventScripts.size()))
        return CString();
    const int count = object->EventScripts[size_t(eventIndex)].InstructionCount();
    if (count == 0 || m_runDepth >= kMaxRunDepth || m_endingProgram) return CString();

    ScriptFrame frame;
    frame.NumberSlots.assign(size_t(window->LocalNumberCount), 0.0);
    frame.TextSlots.resize(size_t(window->LocalTextCount));
    frame.Arguments = arguments;
    frame.Window = window;
    ++m_runDepth;
    CString result;
    // A script that closes the window it runs in ends there: what follows was written for an open window.
    const bool windowWasOpen = window->Self() && window->Self()->WindowObject;
    for (int i = 0; i < object->EventScripts[size_t(eventIndex)].InstructionCount(); ++i) {
        const FlowCode code = ExecuteInstruction(window, object, eventIndex, i, frame);
        if (m_endingProgram) break;  // the program ends: every run stops
        if (windowWasOpen && !(window->Self() && window->Self()->WindowObject)) break;
        if (window->Quiet && window->GetObjectCount() > 3 && m_hooks.pumpQuietMessage)
            m_hooks.pumpQuietMessage(*window);
        // A scan that finds no match ends the run: it must not restart it or leave the script.
        int found = 0;
        bool stop = false;
        switch (code) {
        case FlowCode::IfFalse:
        case FlowCode::Else:
        case FlowCode::LoopFalse:
        case FlowCode::LoopEnd:
        case FlowCode::NextPass:
        case FlowCode::LeaveLoop: found = JumpTarget(*object, eventIndex, i, code); break;
        case FlowCode::Return:
            result = frame.Result;
            stop = true;
            break;
        case FlowCode::EndProgram: {
            WindowRecord* main = FindWindowByName("MAIN");
            if (main && main->Self() && main->Self()->WindowObject && m_hooks.closeWindow &&
                m_hooks.closeWindow(*main) != -1) {
                m_running = 0;
                m_endingProgram = true;
                stop = true;
            }
            break;
        }
        default: break;
        }
        if (stop || found < 0) break;
        if (code == FlowCode::IfFalse || code == FlowCode::Else || code == FlowCode::LoopFalse ||
            code == FlowCode::LeaveLoop)
            i = found;
        else if (code == FlowCode::LoopEnd || code == FlowCode::NextPass)
            i = found - 1;  // the head runs again
    }
    --m_runDepth;
    if (m_runDepth == 0) m_endingProgram = false;
    return result;
}
