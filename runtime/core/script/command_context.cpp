#include "command_context.h"

#include "decimal_text.h"
#include "value_format.h"

CString CommandContext::Text()
{
    CString value;
    m_runtime.EvaluateExpression(m_params, value, m_frame);
    return value;
}

int CommandContext::Int() { return TextToInt(Text()); }

double CommandContext::Real() { return TextToDouble(Text()); }

bool CommandContext::Next(CString& value) { return m_runtime.EvaluateExpression(m_params, value, m_frame); }

void CommandContext::SetInt(int value) { m_frame.Result = IntToString(value); }

void CommandContext::SetReal(double value) { m_frame.Result = DoubleToString(value); }

ObjectRecord* CommandContext::FindObject(int id) const { return CProjectRuntime::FindObjectById(&m_window, id); }

ObjectRecord* CommandContext::FindObject(int id, int type) const
{
    ObjectRecord* object = FindObject(id);
    return object && object->Type == type ? object : nullptr;
}
