// Pulling a handler's arguments, one at a time, off the front of its parameter text.
#pragma once

#include "decimal_text.h"
#include "project_model.h"

inline CString ArgText(CProjectRuntime& runtime, CString& params, ScriptFrame& frame)
{
    CString value;
    runtime.EvaluateExpression(params, value, frame);
    return value;
}
inline int ArgInt(CProjectRuntime& runtime, CString& params, ScriptFrame& frame)
{
    return TextToInt(ArgText(runtime, params, frame));
}
inline double ArgReal(CProjectRuntime& runtime, CString& params, ScriptFrame& frame)
{
    return TextToDouble(ArgText(runtime, params, frame));
}

#define COMMAND_HANDLER(name)                                                                                          \
    void name(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, CString& params, ScriptFrame& frame)
