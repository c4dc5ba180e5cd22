#include "script_compiler.h"

#include "compiled_arguments.h"
#include "decimal_text.h"
#include "project_model.h"
#include "stored_format.h"

namespace {

// An optional '-' and one or more digits, nothing else.
bool IsDecimal(const CString& text, int first, int end)
{
    if (first < end && text[first] == '-') ++first;
    if (first >= end) return false;
    for (int i = first; i < end; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

bool IsRemark(const CString& text) { return !text.IsEmpty() && text[0] == qbk::kRemarkMark; }

}  // namespace

bool ParseObjectReference(CString& text, int& windowId, int& objectId, int& number)
{
    windowId = objectId = -1;
    number = 0;
    const int length = text.GetLength();
    const int objectAt = length > 0 && text[0] == qbk::kRefOpen ? text.Find(qbk::kRefObject, 1) : -1;
    const int numberAt = objectAt >= 0 ? text.Find(qbk::kRefNumber, objectAt + 1) : -1;
    const int paramsAt = numberAt >= 0 ? text.Find(qbk::kRefParams, numberAt + 1) : -1;
    if (paramsAt < 0 || paramsAt >= length - 1 || text[length - 1] != qbk::kRefClose || !IsDecimal(text, 1, objectAt) ||
        !IsDecimal(text, objectAt + 1, numberAt) || !IsDecimal(text, numberAt + 1, paramsAt)) {
        text.Empty();
        return false;
    }
    windowId = TextToInt(text.Mid(1, objectAt - 1));
    objectId = TextToInt(text.Mid(objectAt + 1, numberAt - objectAt - 1));
    number = TextToInt(text.Mid(numberAt + 1, paramsAt - numberAt - 1));
    text = text.Mid(paramsAt + 1, length - paramsAt - 2);
    return true;
}

CString RebindReferences(const CString& text, int windowId)
{
    CString id;
    id.Format("%d", windowId);
    CString out;
    const int length = text.GetLength();
    int i = 0;
    while (i < length) {
        const char c = text[i++];
        out += c;
        if (c != qbk::kRefOpen) continue;
        const int objectAt = text.Find(qbk::kRefObject, i);
        if (objectAt < 0) continue;  // no separator follows: the bytes stay as they are
        out += id;
        i = objectAt;
    }
    return out;
}

void CProjectRuntime::CompileAllScripts()
{
    for (const auto& window : m_windows) {
        window->LocalNumberCount = window->LocalTextCount = 0;
        for (size_t i = qbk::kBuiltInObjectCount; i < window->Objects.size(); ++i) {
            if (window->Objects[i]->Type == qbk::TypeLocalNumber)
                ++window->LocalNumberCount;
            else if (window->Objects[i]->Type == qbk::TypeLocalText)
                ++window->LocalTextCount;
        }
        for (const auto& object : window->Objects) CompileObjectScripts(*window, *object);
    }
}

void CProjectRuntime::CompileObjectScripts(WindowRecord& window, ObjectRecord& object)
{
    object.CompileMark = -1;
    object.MdiClient = nullptr;
    object.HasMdiClient = 0;
    RetireCompiledArguments(object);
    for (EventScript& script : object.EventScripts) {
        script.Rows.clear();
        script.Rows.reserve(size_t(CountInstructions(script.Texts, false)));
        for (INT_PTR t = 0; t < script.Texts.GetSize(); ++t) {
            if (IsRemark(script.Texts[t])) continue;
            Instruction row;
            row.Params = script.Texts[t];
            if (ParseObjectReference(row.Params, row.WindowId, row.ObjectId, row.Command)) {
                row.Window = FindWindowRecordById(row.WindowId);
                row.Object = FindObjectById(row.Window, row.ObjectId);
                if (!row.Object) row.Window = nullptr;
            }
            row.Arguments = CompileArguments(row.Params);
            row.Generation = m_recordGeneration;
            script.Rows.push_back(row);
        }
    }
}

void CProjectRuntime::ResolveInstruction(Instruction& row)
{
    if (row.Generation == m_recordGeneration) return;
    row.Window = row.WindowId >= 0 ? FindWindowRecordById(row.WindowId) : nullptr;
    row.Object = FindObjectById(row.Window, row.ObjectId);
    if (!row.Object) row.Window = nullptr;
    row.Generation = m_recordGeneration;
}

void CProjectRuntime::FreeCompiledScripts()
{
    for (const auto& window : m_windows) {
        window->LocalNumberCount = window->LocalTextCount = 0;
        for (const auto& object : window->Objects) {
            RetireCompiledArguments(*object);
            for (EventScript& script : object->EventScripts) std::vector<Instruction>().swap(script.Rows);
        }
    }
    for (CStringArray& words : m_commandWords) words.RemoveAll();
}

void CProjectRuntime::RebindWindowReferences(WindowRecord& window)
{
    for (const auto& object : window.Objects)
        for (EventScript& script : object->EventScripts)
            for (INT_PTR t = 0; t < script.Texts.GetSize(); ++t)
                if (!IsRemark(script.Texts[t])) script.Texts[t] = RebindReferences(script.Texts[t], window.Id);
}
