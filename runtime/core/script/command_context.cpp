#include "command_context.h"

#include "decimal_text.h"

namespace {

// atoi of a whole number's text: the number, held to the 32-bit range as TextToInt holds it.
int32_t WholeToInt(double number)
{
    return number > 2147483647.0 ? INT32_MAX : number < -2147483648.0 ? INT32_MIN : int32_t(number);
}

}  // namespace

ScriptValue CommandContext::Value()
{
    ScriptValue value;
    m_arguments.Next(m_runtime, m_frame, value);
    return value;
}

const ScriptValue& CommandContext::Value(ScriptValue& storage)
{
    const ScriptValue* value = m_arguments.NextValue(m_runtime, m_frame, storage);
    if (value) return *value;
    storage.Empty();
    return storage;
}

CString CommandContext::Text()
{
    ScriptValue storage;
    const ScriptValue* value = m_arguments.NextValue(m_runtime, m_frame, storage);
    if (!value) return CString();
    return value == &storage ? storage.TakeText() : value->Text();
}

int CommandContext::Int()
{
    ScriptValue storage;
    const ScriptValue* value = m_arguments.NextValue(m_runtime, m_frame, storage);
    if (!value) return 0;
    return value->IsWhole() ? WholeToInt(value->Number()) : TextToInt(value->Text());
}

double CommandContext::Real()
{
    ScriptValue storage;
    const ScriptValue* value = m_arguments.NextValue(m_runtime, m_frame, storage);
    return value ? value->Number() : 0.0;
}

bool CommandContext::Next(CString& value)
{
    ScriptValue next;
    const bool pulled = m_arguments.Next(m_runtime, m_frame, next);
    value = next.TakeText();
    return pulled;
}

ObjectRecord* CommandContext::FindObject(int id) const { return CProjectRuntime::FindObjectById(&m_window, id); }

ObjectRecord* CommandContext::FindObject(int id, int type) const
{
    ObjectRecord* object = FindObject(id);
    return object && object->Type == type ? object : nullptr;
}
